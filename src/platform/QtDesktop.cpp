#include "platform/QtDesktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

void QtDesktop::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

bool QtDesktop::OpenDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

bool QtDesktop::OpenAddress(const QString& address) { return QDesktopServices::openUrl(QUrl(address)); }

void QtDesktop::ShowHelpTopic(int context) {
  if (helpHandler_) helpHandler_(context);
}
