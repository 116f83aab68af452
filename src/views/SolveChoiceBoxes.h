#pragma once

#include <optional>
#include <string>

#include "compare/ComparisonMetric.h"
#include "solve/Frontier.h"
#include "solve/Lever.h"

class QComboBox;
class QLineEdit;

// Fills `box` with every lever the command line offers: the named ones first,
// then each numeric input by its words, page and record name. The box takes
// typing and offers the items containing the typed words; its editor takes
// the box's accessible name, so name the box first. With `automatic`,
// a first item stands for "the page's own choice".
void FillLeverBox(QComboBox& box, bool automatic = false);

// The lever chosen in a box filled above; nothing for the automatic item;
// nothing and a reason in `error` when the typed words match no item.
std::optional<Lever> LeverOfBox(const QComboBox& box, std::string& error);

// Every forecast field, in the last year or summed over the years; net worth
// in the last year first.
void FillMetricBox(QComboBox& box);
ComparisonMetric MetricOfBox(const QComboBox& box);

// The frontier of `solve` along the lever in `along` (the automatic item: the
// default lever) over the typed range; empty boxes keep the default range.
// Nothing, with the reason in `error`, when the choice cannot run.
std::optional<FrontierRequest> FrontierOfForm(const QComboBox& along, const QLineEdit& from, const QLineEdit& to,
                                              const SolveRequest& solve, const PlanRecord& plan, std::string& error);
