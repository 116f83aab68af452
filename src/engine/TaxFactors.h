#pragma once

#include "model/PlanRecord.h"

// What a run fixes of the income tax before its years: the run's factors
// take these, the income tax applies them, so neither needs the other's header.

// The federal tax curve's exponent.
long double TaxCurveExponent(bool joint);

// 1 + today's state and city tax / today's federal tax (1 without a federal tax).
long double StateTaxFactor1(const PlanRecord& plan);
long double StateTaxFactor2(const PlanRecord& plan);
