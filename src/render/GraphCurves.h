#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

struct YearRecord;

// The eight curves of the graph, numbered 1 to 8 everywhere: on screen, in
// the legend and on paper. Curves 1 to 4 are assets (left axis), 5 to 8 the
// annual cash flow (right axis).
inline constexpr int kCurveCount = 8;

// "Net Worth", "Investments", ..., "Distribution", in curve-number order.
extern const std::array<QString, kCurveCount> CurveNames;

// The curve's name for n = 1..8, empty otherwise.
QString CurveName(int n);
// The curve's colour for n = 1..8, black for any other number.
QColor CurveColour(int n);
bool IsAssetsCurve(int n);
// The curve's value in one forecast year (whole dollars).
std::int64_t CurveValue(const YearRecord& year, int n);
