#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "support/TestProgram.h"

// The whole program on the sample plan, for the tests of one data page:
// reach the page, type into its boxes, run its commands, then check the
// plan, the messages shown and the page shown.
class DataPageFixture : public ::testing::Test {
 protected:
  // Shows `page` as a user reaches it and forgets the prompts shown so far.
  void OpenPage(PageId page) {
    program.Open(page);
    ASSERT_EQ(CurrentPage(), page);
    program.scripted.prompts.Clear();
  }
  // Fills the visible page again from the plan, as its next activation would.
  void Refill() { program.Current()->Activate(); }

  QString Text(const char* edit) const { return program.Edit(edit)->text(); }
  template <class T>
  QString Text(T PlanRecord::*field) const {
    return program.Box(PlanField(field))->text();
  }
  PageId CurrentPage() const { return program.Current() ? program.Current()->Id() : static_cast<PageId>(-1); }
  QStringList Messages() const { return program.scripted.prompts.Texts(); }
  // The messages without the line a data error adds to name the box.
  QStringList MessageFirstLines() const { return program.scripted.prompts.FirstLines(); }

  TestProgram program;
  PlanRecord& plan = program.session.plan;
};
