#pragma once

// Which rules a forecast's future income taxes follow: the federal law as it
// reads in 2026 (the default), or the first design's curve, kept so earlier
// forecasts stay reachable (docs/taxes.md sets the two side by side).
enum class TaxRules { Law, Curve };

// "US federal law (2026)" or "the first design's curve": what notes,
// printouts and the graph's caption call the rules in force.
constexpr const char* TaxRulesTitle(TaxRules rules) {
  return rules == TaxRules::Law ? "US federal law (2026)" : "the first design's curve";
}

// The value of --tax-rules: "law" or "curve".
constexpr const char* TaxRulesWord(TaxRules rules) { return rules == TaxRules::Law ? "law" : "curve"; }
