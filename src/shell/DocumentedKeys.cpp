#include "shell/DocumentedKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>
#include <algorithm>

#include "shell/Page.h"

namespace {

constexpr char kDoesProperty[] = "keyDoes";
constexpr char kControlProperty[] = "keyControl";

QString Does(const QObject* binding) { return binding->property(kDoesProperty).toString(); }

// "Enter" for both Enter keys, as the texts name them.
QString Written(const QKeySequence& sequence) {
  const QString text = sequence.toString(QKeySequence::PortableText);
  return text == "Return" ? QString("Enter") : text;
}

QString Mnemonic(const QString& caption) { return Written(QKeySequence::mnemonic(caption)); }

struct Binding {
  QString keys;
  QString does;
  QString target;
};

std::vector<Binding> BindingsOf(const Page& page) {
  std::vector<Binding> bindings;
  for (const QAction* action : page.findChildren<QAction*>()) {
    for (const QKeySequence& sequence : action->shortcuts())
      bindings.push_back({Written(sequence), Does(action), action->objectName()});
    if (action->shortcuts().isEmpty() && !Does(action).isEmpty())
      bindings.push_back({Mnemonic(action->text()), Does(action), action->objectName()});
  }
  for (const QShortcut* shortcut : page.findChildren<QShortcut*>()) {
    const auto* control = shortcut->property(kControlProperty).value<QObject*>();
    bindings.push_back({Written(shortcut->key()), Does(shortcut), (control ? control : shortcut)->objectName()});
  }
  for (const QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
    if (!Does(button).isEmpty()) bindings.push_back({Mnemonic(button->text()), Does(button), button->objectName()});
  }
  for (const QTabWidget* tabs : page.findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      const QWidget* tab = tabs->widget(i);
      if (!Does(tab).isEmpty()) bindings.push_back({Mnemonic(tabs->tabText(i)), Does(tab), tab->objectName()});
    }
  }
  return bindings;
}

}  // namespace

void DescribeKey(QObject* binding, const QString& does) { binding->setProperty(kDoesProperty, does); }

void DescribeKey(QShortcut* shortcut, const QString& does, QWidget* control) {
  DescribeKey(shortcut, does);
  shortcut->setProperty(kControlProperty, QVariant::fromValue<QObject*>(control));
}

std::vector<DocumentedKey> DocumentedKeys(const std::vector<const Page*>& pages) {
  std::vector<DocumentedKey> keys;
  for (const Page* page : pages) {
    for (const Binding& binding : BindingsOf(*page)) {
      auto same = std::find_if(keys.begin(), keys.end(), [&](const DocumentedKey& key) {
        return key.keys == binding.keys && key.does == binding.does && key.target == binding.target;
      });
      if (same == keys.end()) {
        keys.push_back({binding.keys, binding.does, {page->Id()}, binding.target});
      } else if (std::find(same->pages.begin(), same->pages.end(), page->Id()) == same->pages.end()) {
        same->pages.push_back(page->Id());
      }
    }
  }
  return keys;
}

QString DocumentedKeysHelp(const std::vector<DocumentedKey>& keys) {
  QString text;
  for (std::size_t i = 0; i < keys.size();) {
    QStringList joined = {keys[i].keys};
    std::size_t next = i + 1;
    for (; next < keys.size() && keys[next].does == keys[i].does; ++next) {
      if (!joined.contains(keys[next].keys)) joined << keys[next].keys;
    }
    text += QString("  %1  %2\n").arg(joined.join(", ").leftJustified(14), keys[i].does);
    i = next;
  }
  return text;
}
