#include "support/TestProgram.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QStringList>

#include "app/PageRegistry.h"
#include "pages/DataPage.h"
#include "shell/PageMenus.h"

namespace {

// The menu item names the pages give each command.
QStringList ItemNames(Command command) {
  switch (command) {
    case Command::Update:
      return {"Update"};
    case Command::Return:
      return {"Return"};
    case Command::Default:
      return {"Defaults"};
    case Command::New:
      return {"New"};
    case Command::Open:
      return {"Open"};
    case Command::Save:
      return {"Save"};
    case Command::Exit:
      return {"Exit"};
    case Command::SwitchDollars:
      return {"SwitchDollars"};
    case Command::Print:
      return {"PrintGraph", "PrintPlan"};
    case Command::SaveBitmap:
      return {"SaveBitmap"};
    case Command::CopySelection:
      return {"CopySelection"};
    case Command::CopyAll:
      return {"CopyAll"};
    case Command::About:
      return {"About"};
  }
  return {};
}

bool LeadsTo(const QObject* object, PageId page) {
  const QVariant target = object->property(kTargetPageProperty);
  return target.isValid() && target.toInt() == static_cast<int>(page);
}

}  // namespace

TestProgram::TestProgram() {
  window = std::make_unique<MainWindow>(session, scripted.platform);
  CreatePages(*window, session, scripted.platform);
  window->ShowFirstPage();
}

TestProgram::~TestProgram() {
  session.Exiting = true;
  window->close();
}

QString TestProgram::CaptionText() const {
  QString title = window->windowTitle();
  return title.remove("[*]");
}

void TestProgram::Open(PageId id) {
  Page* current = Current();
  window->SwitchPage(current ? current->Id() : PageId::Graph, id);
}

void TestProgram::Trigger(const QString& actionName) {
  Page* page = Current();
  ASSERT_NE(page, nullptr);
  auto* action = page->findChild<QAction*>(actionName);
  ASSERT_NE(action, nullptr) << "no menu item " << actionName.toStdString() << " on page " << page->Id();
  action->trigger();
}

void TestProgram::Run(Command command) {
  Page* page = Current();
  ASSERT_NE(page, nullptr);
  for (const QString& name : ItemNames(command)) {
    if (auto* action = page->findChild<QAction*>(name)) {
      action->trigger();
      return;
    }
  }
  FAIL() << "no such command on page " << page->Id();
}

void TestProgram::LeaveFor(PageId target) {
  Page* page = Current();
  ASSERT_NE(page, nullptr);
  for (QAction* action : page->findChildren<QAction*>()) {
    if (LeadsTo(action, target) && action->isEnabled()) {
      action->trigger();
      return;
    }
  }
  for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
    if (LeadsTo(button, target)) {
      button->click();
      return;
    }
  }
  FAIL() << "no way from page " << page->Id() << " to page " << target;
}

QLineEdit* TestProgram::Edit(const QString& name) const {
  Page* page = Current();
  return page ? page->findChild<QLineEdit*>(name) : nullptr;
}

QLineEdit* TestProgram::Box(const PlanField& field) const {
  const auto* page = dynamic_cast<const DataPage*>(Current());
  return page ? page->EditFor(field) : nullptr;
}

void TestProgram::Type(const QString& editName, const QString& text) {
  QLineEdit* edit = Edit(editName);
  ASSERT_NE(edit, nullptr) << "no edit box " << editName.toStdString();
  edit->setText(text);
}

void TestProgram::TypeInto(QLineEdit* edit, const QString& text) {
  ASSERT_NE(edit, nullptr) << "no box for this field on page " << Current()->Id();
  edit->setText(text);
}
