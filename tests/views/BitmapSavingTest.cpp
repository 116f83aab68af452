#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "shell/Session.h"
#include "views/BitmapSaving.h"

// The bitmap dialog opens where the plan dialogs do: in the plan folder until
// the plan has been opened from or saved to a folder of its own, then there.
TEST(BitmapSavingTest, DialogOpensInTheCurrentPlanFolder) {
  Session session;
  session.working.PlanFolder = "/home/user/plans/";
  session.plan.PlanFileName = "Double.plan";
  EXPECT_EQ(BitmapDialogRequest(session).initialFolder.toStdString(), "/home/user/plans/");

  session.PlanDirectory = "/media/stick/";
  const FileDialogRequest request = BitmapDialogRequest(session);
  EXPECT_EQ(request.initialFolder.toStdString(), "/media/stick/");
  EXPECT_EQ(request.initialFolder.toStdString(), session.CurrentPlanFolder());
  EXPECT_EQ(request.proposedName, "Double");
}
