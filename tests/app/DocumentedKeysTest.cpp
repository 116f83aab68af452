#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <optional>
#include <set>

#include "app/CommandLine.h"
#include "app/KeysHelp.h"
#include "app/PageRegistry.h"
#include "shell/DocumentedKeys.h"
#include "support/TestProgram.h"

// The keys table, read off the pages, against the program and against the
// texts that name keys: every key a page binds is described, each reaches
// what the table says on each of its pages, and no text names a key the
// table lacks.
namespace {

const QString kSourceDir = PREVORA_TEST_DATA "/../..";

// Notes which object a key press reaches. A command or control named by the
// list is stopped there, so no dialog or exit follows; keys that work through
// a shortcut of the page run, and their effect on the named control is seen.
class ShortcutSpy : public QObject {
 public:
  ShortcutSpy(QWidget* page, const QString& target) : target_(target) {
    for (QObject* object : page->findChildren<QObject*>()) object->installEventFilter(this);
  }
  bool reachedTarget = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Shortcut || watched->objectName() != target_) return false;
    reachedTarget = true;
    return true;
  }

 private:
  QString target_;
};

QKeySequence SequenceOf(const QString& keys) {
  if (keys == "Enter") return QKeySequence(Qt::Key_Return);
  return QKeySequence::fromString(keys, QKeySequence::PortableText);
}

class DocumentedKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  }

  std::vector<DocumentedKey> Listed() const {
    std::vector<const Page*> pages;
    for (const PageEntry& entry : PageTable()) pages.push_back(program.PageAt(entry.id));
    return DocumentedKeys(pages);
  }

  // Shows `id` with what it needs to be shown: a comparison for the comparison page.
  void Show(PageId id) {
    if (program.Current()->Id() == id) return;
    if (id == PageId::Comparison) {
      program.Open(PageId::Graph);
      program.scripted.prompts.fileAnswers = {PREVORA_TEST_DATA "/double_compare.plan"};
      program.Trigger("CompareWith");
    } else if (program.Current()->Id() == PageId::Comparison || program.Current()->Id() == PageId::Odds ||
               program.Current()->Id() == PageId::Solve) {
      program.window->SwitchPageValidated(program.Current()->Id(), PageId::Graph);
    }
    program.Open(id);
    program.window->activateWindow();
    // The offscreen platform may never report the window active; the keys go to it all the same.
    (void)QTest::qWaitForWindowActive(program.window.get());
  }

  // Presses the key on the visible page; true when it reached the target.
  bool Reaches(const DocumentedKey& key) {
    Page* page = program.Current();
    auto* target = page->findChild<QWidget*>(key.target);
    auto* button = qobject_cast<QAbstractButton*>(target);
    auto* tabs =
        target ? qobject_cast<QTabWidget*>(target->parentWidget() ? target->parentWidget()->parentWidget() : nullptr)
               : nullptr;
    // A control that is off until something else happens still takes its
    // key, and a tab's key is seen when another tab is shown.
    if (target) target->setEnabled(true);
    if (tabs) tabs->setCurrentIndex((tabs->indexOf(target) + 1) % tabs->count());
    std::optional<QSignalSpy> clicked;
    if (button) clicked.emplace(button, &QAbstractButton::clicked);
    // A menu bar command's mnemonic reaches the menu bar, which triggers it.
    auto* command = page->findChild<QAction*>(key.target);
    std::optional<QSignalSpy> triggered;
    if (command) triggered.emplace(command, &QAction::triggered);
    ShortcutSpy spy(page, key.target);
    const QKeyCombination combination = SequenceOf(key.keys)[0];
    QWidget* receiver = QApplication::focusWidget() ? QApplication::focusWidget() : program.window.get();
    QTest::keyClick(receiver, combination.key(), combination.keyboardModifiers());
    if (spy.reachedTarget || (command && !triggered->isEmpty())) return true;
    if (button) return clicked->wait(500) || !clicked->isEmpty();
    if (tabs) return tabs->currentWidget() == target;
    return target && QApplication::focusWidget() == target;
  }

  TestProgram program;
};

// Every key a page binds has its line, so no key works unseen; and each
// line's key works where the line says.
TEST_F(DocumentedKeysTest, EveryBoundKeyIsDescribedAndReachesItsTargetOnEachOfItsPages) {
  program.session.plan.SecondPerson = true;
  const std::vector<DocumentedKey> listed = Listed();
  ASSERT_GT(listed.size(), 20u);
  for (const DocumentedKey& key : listed) {
    EXPECT_FALSE(key.does.isEmpty()) << key.keys.toStdString() << " to " << key.target.toStdString()
                                     << " is bound without words";
    for (PageId id : key.pages) {
      Show(id);
      ASSERT_EQ(program.Current()->Id(), id) << key.keys.toStdString();
      EXPECT_TRUE(Reaches(key)) << key.keys.toStdString() << " on page " << id << " to " << key.target.toStdString();
    }
  }
}

// The keys a text names: "Ctrl+Shift+S", "Alt+O", "F1", "Esc" (or "Escape").
std::set<QString> KeysNamedIn(const QString& text) {
  static const QRegularExpression pattern(R"(\b(Ctrl\+Shift\+[A-Z]|Ctrl\+[A-Z]|Alt\+[A-Z0-9]|F[0-9]+|Esc(ape)?)\b)");
  std::set<QString> keys;
  for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
    const QString key = match.captured(1);
    keys.insert(key == "Escape" ? "Esc" : key);
  }
  return keys;
}

TEST_F(DocumentedKeysTest, TheReadmeHelpTooltipsAndUsageNameOnlyKeysOfTheList) {
  std::set<QString> listed;
  for (const DocumentedKey& key : Listed()) listed.insert(key.keys);

  QStringList documents = {"README.md", "resources/Help_HTM.htm"};
  for (const QString& folder : {QString("resources/help"), QString("docs")}) {
    for (const QString& name : QDir(kSourceDir + "/" + folder).entryList({"*.html", "*.md"}, QDir::Files))
      documents << folder + "/" + name;
  }
  for (const QString& document : documents) {
    QFile file(kSourceDir + "/" + document);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << document.toStdString();
    for (const QString& key : KeysNamedIn(QString::fromUtf8(file.readAll())))
      EXPECT_TRUE(listed.count(key)) << document.toStdString() << " names " << key.toStdString();
  }

  for (int n = 0; n <= static_cast<int>(PageId::Odds); ++n) {
    const auto id = static_cast<PageId>(n);
    if (!program.PageAt(id)) continue;
    for (const QWidget* widget : program.PageAt(id)->findChildren<QWidget*>()) {
      for (const QString& key : KeysNamedIn(widget->toolTip()))
        EXPECT_TRUE(listed.count(key)) << "a tooltip on page " << id << " names " << key.toStdString();
    }
  }

  const CommandLineRequest help = ParseCommandLine({"prevora", "--help"});
  ASSERT_TRUE(help.listKeys);
  const QString usage = help.output + KeysHelp(*program.window);
  for (const QString& key : listed) EXPECT_TRUE(usage.contains(key)) << "--help lacks " << key.toStdString();
}

}  // namespace
