#pragma once

// Instruction texts of the expense category pages. The shared blocks are
// appended to each page's own text in that page's order.

inline constexpr const char* kUpdateInstructions =
    "\r\n\r\nUPDATE COMMAND\r\nIf you wish to see the results of changes, you may revise the total at the bottom "
    "of the page, by clicking the menu UPDATE command. If you do not, the program will automatically update when "
    "you exit the page.";

inline constexpr const char* kFinishedInstructions =
    "\r\n\r\nFINISHED\r\nWhen you are finished with this page click RETURN on the menu above or the [X] on the top "
    "right to go back to the previous page.";

inline constexpr const char* kDataEntryError = "Data entry error please correct.";
inline constexpr const char* kScrollHint = "Scroll for more instructions";

inline constexpr const char* kHomeInstructions =
    "INSTRUCTIONS\r\nYou may need your check book and credit card statements to fill in this page. Enter totals for "
    "one year. Note if you have chosen an option on the asset home status page that shows you expect to change "
    "homes at some point in the future the model will automatically revise the above expenses after you "
    "move.\r\n\r\nINSURANCE\r\nEnter current home owners or apartment insurance annual costs.\r\n\r\nUTILITIES\r\nFor "
    "utilities include electric, gas, oil, water but not cable or phone bills. \r\n\r\nSERVICES\r\nSupplies and "
    "services are items such as lawn care, garbage collection, fertilizers, snow removal, etc. \r\n\r\nREPAIR "
    "REPLACEMENT\r\nFor redecorating, repair, and replacement try to get annual averages over several years. For "
    "example average appliance, roof, furnace or furniture replacements over their life cycle. \r\n\r\nAUTOMATIC "
    "ENTRIES\r\nThe rent and real estate taxes are automatically transferred from the Assets page. If you have a "
    "mortgage, its payments are computed using the Assumption Page mortgage rate and the Asset Page mortgage "
    "balance. ";

inline constexpr const char* kAutoInstructions =
    "INSTRUCTIONS\r\nUse this page to enter all automobile expenses. Also enter the number of years you have owned "
    "each car and how much longer you expect to keep them. The sum of the two time periods is used to set each cars "
    "replacement frequency.\r\n\r\nOPERATING EXPENSES\r\nEnter the total operating expenses for all automobiles. "
    "Include all maintenance, insurance and fuel costs.\r\n\r\nYEARS\r\nEnter the number of years you have had each "
    "automobile. For the years remaining enter the years left before you expect to sell or trade each automobile. "
    "Either time period may be zero. If the years had is zero it means you purchased the car this year. If the "
    "years remaining is zero it means you will sell or trade in the car this year. If both periods are zero the "
    "program treats the transaction as a one time event with no  future recurrence. As an alternate you may enter "
    "one time costs on the events page.\r\n\r\nREPLACEMENT COST\r\nEnter the net replacement cost in current "
    "dollars for each automobile. Here net cost means cost after trade in or sale of the vehicle being replaced. "
    "The program assumes that you will replace cars at the same frequency in the future. As an alternate you may "
    "enter a non uniform sequence of car purchases on the events page.";

inline constexpr const char* kMedicalInstructions =
    "INSTRUCTIONS\r\nYou may need your check book and credit card statements to fill in this page.  Enter totals "
    "for one year.\r\n\r\nINSURANCE\r\nEnter the sum of all medical insurance premiums. Make sure you include "
    "medicare part B and medicare supplemental insurance premiums if they apply. Also include dental and "
    "prescription drug insurance premiums if you have any.\r\n\r\nMEDICAL CO-PAYS\r\nInclude all medical, drug and "
    "dental co-pays.\r\n\r\nOUT OF POCKET DRUGS\r\nEnter any other not previously covered out of pocket "
    "prescription drug costs.\r\n\r\nOUT OF POCKET MEDICAL\r\nEnter any other not previously covered out of pocket "
    "medical or dental costs.";

inline constexpr const char* kCommunicationInstructions =
    "INSTRUCTIONS\r\nYou may need your check book and credit card statements to fill in this page.  Enter totals "
    "for one year.\r\n\r\nHOME PHONE\r\nEnter your annual home phone expense. \r\n\r\nCELL PHONES\r\nEnter your "
    "annual cell phone expenses.\r\n\r\nELECTRONIC GEAR\r\nEnter total expenses for all purchases of electronic "
    "gear. ";

inline constexpr const char* kEntertainmentInstructions =
    "INSTRUCTIONS\r\nYou may need your check book and credit card statements to fill in this page.  Enter totals "
    "for one year.\r\n\r\nENTERTAINMENT\r\nEnter total expenses for all entertainment categories\r\n\r\nGIFTS "
    "ANNUAL\r\nInclude all gifts to family, friends and charities.";

inline constexpr const char* kFoodInstructions =
    "INSTRUCTIONS\r\nYou may need your check book and credit card statements to fill in this page.  Enter totals "
    "for one year.\r\n\r\nFOOD AND PERSONAL COSTS\r\nEnter annual costs for groceries, clothes and dry cleaning. "
    "Also fill in expenses for personal grooming, pocket cash and life insurance.";
