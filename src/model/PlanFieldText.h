#pragma once

#include <string>

#include "model/PlanFileLayout.h"
#include "model/PlanRecord.h"

// One plan field as the plan file stores it, for the first layout's lines and
// the tagged block alike: text as is, integers in decimal within their width,
// rates in general form, the one flag (SecondPerson) as "2" or "1".
std::string PlanFieldText(const PlanRecord& plan, const PlanLineField& field);

// Stores `text` into its field; returns why it does not convert (quoting the
// text), or an empty text when it was stored.
std::string StorePlanField(PlanRecord& plan, const PlanLineField& field, const std::string& text);

// The text quoted as messages quote file content: shortened and made printable.
std::string QuotedFileText(const std::string& text);
