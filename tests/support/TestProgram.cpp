#include "support/TestProgram.h"

#include <gtest/gtest.h>

#include "app/PageFactory.h"

TestProgram::TestProgram() {
  window = std::make_unique<MainWindow>(session, scripted.platform);
  CreatePages(*window, session, scripted.platform);
  window->ShowFirstPage();
}

TestProgram::~TestProgram() {
  session.Exiting = true;
  window->close();
}

void TestProgram::Open(int number) {
  Page* current = Current();
  window->SwitchPage(current ? current->PageNumber() : kGraphPage, number);
}

void TestProgram::Trigger(const QString& actionName) {
  Page* page = Current();
  ASSERT_NE(page, nullptr);
  auto* action = page->findChild<QAction*>(actionName);
  ASSERT_NE(action, nullptr) << "no menu item " << actionName.toStdString() << " on page " << page->PageNumber();
  action->trigger();
}

QLineEdit* TestProgram::Edit(const QString& name) const {
  Page* page = Current();
  return page ? page->findChild<QLineEdit*>(name) : nullptr;
}

void TestProgram::Type(const QString& editName, const QString& text) {
  QLineEdit* edit = Edit(editName);
  ASSERT_NE(edit, nullptr) << "no edit box " << editName.toStdString();
  edit->setText(text);
}
