#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

#include "markets/StressChoice.h"
#include "render/GraphDrawing.h"
#include "render/GraphPrinting.h"
#include "views/GraphPicture.h"
#include "views/ResultPage.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;

// The page the program opens on: the forecast as a graph of four asset
// curves and four cash-flow curves, with the program's main menu.
class GraphPage : public ResultPage {
  Q_OBJECT

 public:
  GraphPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  QSize PageSize() const override;
  QSize MinimumPageSize() const override;
  void PageResized(QSize size) override;
  void CloseRequested() override;

  // Caption, the forecast unless the plan page was left last, and the drawing.
  void RefreshGraphPage();
  // Redraws from the table, the check boxes and the dollar switch.
  void DrawGraph();
  // Curve check box `index` was clicked.
  void CurveToggled(int index);
  // The "Compare" and "Net worth band" boxes were clicked.
  void CompareToggled();
  void StressToggled();
  void BandToggled();
  // What the graph shows now: the table, the curves and the extras that are due.
  GraphInput CurrentInput() const;

  // What printing and the bitmap export work from.
  // The whole off-screen bitmap of the last drawing.
  const QImage& GraphBitmap() const { return bitmap_; }
  // The part of the bitmap the picture shows.
  QImage VisibleGraph() const;
  GraphPicture* Picture() const { return picture_; }
  // Axis tops of the last drawing; the printed graph uses them.
  GraphScales Scales() const { return scales_; }
  // The graph as printed and previewed: the current drawing with its scales and past note.
  GraphPrintJob PrintJob() const;
  // "Why this number?" for the curve point nearest `at` on the picture; the
  // menu shown, or nullptr when no point is near.
  QMenu* ExplainAt(QPoint at);
  // The plan year the readout shows (index 0 = the current year), if any.
  std::optional<int> ReadoutYear() const { return readoutYear_; }
  // Shows the readout of a year, or hides it.
  void ShowReadout(std::optional<int> yearIndex);

 public slots:
  void PrintGraphClicked();
  void SaveBitmapClicked();

 protected:
  void Refresh() override;
  void ShowForecast() override { DrawGraph(); }
  void ShowStressTest() override { DrawGraph(); }
  void ShowReplacedPlan() override;
  void showEvent(QShowEvent* event) override;

 private:
  // Which extras a drawing carries: the comparison curve, the band and the stress test.
  struct Extras {
    bool comparison = false;
    bool band = false;
    StressChoice stress;
    bool operator==(const Extras&) const = default;
  };
  Extras DueExtras() const;
  void BuildExtraBoxes();
  void BuildMenu();
  void BuildCheckBoxes();
  void SyncCheckBoxes();
  void PlaceControls();
  // The stress box's words, cut short with "..." where they would run into
  // the right legend column; the tooltip holds them in full.
  void FitStressLegend();
  void BuildReadout();
  void ReadoutKeyPressed(int key);
  // The drawing values of the screen graph as last drawn.
  GraphParameters DrawingParameters() const;
  int MenuHeight() const;
  QSize CanvasSize() const;
  int ScreenWidth() const;
  int ScreenHeight() const;

  GraphPicture* picture_;
  std::array<QCheckBox*, kCurveCount> checkBoxes_{};
  QCheckBox* compareBox_ = nullptr;
  QCheckBox* bandBox_ = nullptr;
  QLabel* readoutHint_ = nullptr;
  QLabel* startHint_ = nullptr;
  std::optional<int> readoutYear_;
  QCheckBox* stressBox_ = nullptr;
  QString stressLegend_;
  QImage bitmap_;
  Extras drawnExtras_;
  GraphScales scales_;
  // The size rule is armed once start-up is done; its first call takes the stored width.
  bool CreateDone_ = false;
  bool FirstResize_ = false;
};
