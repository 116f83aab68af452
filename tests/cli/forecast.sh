#!/usr/bin/env bash
# End-to-end checks of `prevora-cli forecast`. Arguments: the CLI binary, the source folder.
set -u
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
source "$(dirname "$0")/support/checks.sh"

header=$'Year\tAge1\tNetWorth\tTaxDeferred\tTaxableInvest\tProperty\tMortgage\tOtherDebt\tExpenses\tIncomeTaxes\tPropertyTax\tIncome\tSalaries\tPensions\tSocialSecurity\tInvestReturn\tDistribution'
tsv=$("$cli" forecast "$plan" --format tsv) || fail "tsv run exited $?"
[ "$(printf '%s\n' "$tsv" | head -n 1)" = "$header" ] || fail "tsv header: $(printf '%s\n' "$tsv" | head -n 1)"
# Person 1 is 45 in the sample plan: ages 45 .. 90.
[ "$(printf '%s\n' "$tsv" | wc -l)" -eq 47 ] || fail "tsv line count $(printf '%s\n' "$tsv" | wc -l)"
[ "$(printf '%s\n' "$tsv" | tail -n 1 | cut -f2)" = "90" ] || fail "last row is not age 90"
[ "$(printf '%s\n' "$tsv" | sed -n 2p | cut -f1-3)" = $'2026\t45\t397000' ] || fail "first row: $(printf '%s\n' "$tsv" | sed -n 2p)"

all=$("$cli" forecast "$plan" --all-fields --format csv --past-inflation plan) || fail "csv run exited $?"
[ "$(printf '%s\n' "$all" | head -n 1 | tr ',' '\n' | wc -l)" -eq 26 ] || fail "csv --all-fields column count"
[ "$(printf '%s\n' "$all" | head -n 1 | cut -d, -f26)" = "UnfundedShortfall" ] || fail "csv last column"
cmp -s <(printf '%s\n' "$all" | tr ',' '\t') "$src/tests/data/double_forecast.tsv" ||
  fail "--all-fields differs from the golden table"
"$cli" forecast "$plan" --all-fields --format tsv |
  cmp -s - "$src/tests/data/double_forecast_recorded.tsv" || fail "the recorded past differs from its golden table"
"$cli" forecast "$plan" --past-inflation recorded --format tsv | cmp -s - <(printf '%s\n' "$tsv") ||
  fail "--past-inflation recorded is not the default"
"$cli" forecast "$plan" --past-inflation guessed >/dev/null 2>&1
[ $? -eq 1 ] || fail "an unknown --past-inflation must exit 1"

current=$("$cli" forecast "$plan" --current-dollars --format tsv) || fail "current-dollars run exited $?"
[ "$(printf '%s\n' "$current" | sed -n 2p)" = "$(printf '%s\n' "$tsv" | sed -n 2p)" ] || fail "current dollars changed the first year"
[ "$(printf '%s\n' "$current" | sed -n 3p)" != "$(printf '%s\n' "$tsv" | sed -n 3p)" ] || fail "current dollars left year 2 as it was"

text=$("$cli" forecast "$plan") || fail "text run exited $?"
[ "$(printf '%s\n' "$text" | head -n 1)" = "Future dollars (each year's own)" ] || fail "text names no dollars"
printf '%s\n' "$text" | sed -n 2p | grep -q '^Year  Age1  Age2 .*Net Worth.*Tax Deferred.*Social Security' || fail "text titles"
printf '%s\n' "$text" | sed -n 3p | grep -q '^2026    45    43 .*\$397,000' || fail "text ages and money format"
"$cli" forecast "$plan" --current-dollars | head -n 1 | grep -qx "Today's dollars (2026)" || fail "text names no today's dollars"

"$cli" forecast "$src/tests/data/no-such-plan.plan" >/dev/null 2>&1
[ $? -eq 2 ] || fail "missing plan must exit 2"
"$cli" forecast "$plan" --format xml >/dev/null 2>&1
[ $? -eq 1 ] || fail "unknown format must exit 1"
"$cli" forecast >/dev/null 2>&1
[ $? -eq 1 ] || fail "missing plan argument must exit 1"

finish "forecast"
