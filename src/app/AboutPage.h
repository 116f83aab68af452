#pragma once

#include <QStringList>

#include "app/TextPage.h"

class QFontMetricsF;

// The about box: the text page with the program's name, version and the
// maker's contact details, reached from every page's "&About" and left
// through "&Return" or the close box back to that page, unrefreshed.
class AboutPage : public TextPage {
  Q_OBJECT

 public:
  AboutPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  // The memo's lines before they are indented towards the middle.
  static QStringList AboutLines();
  // Each line preceded by as many blanks as bring it near the middle of a
  // memo `width` pixels wide.
  static QStringList CentreLines(const QStringList& lines, const QFontMetricsF& metrics, int width);

 protected:
  void Refresh() override;

 private:
  void PlaceMemo();
};
