#!/usr/bin/env bash
# End-to-end checks of `prevora-cli diff`. Arguments: the CLI binary, the source folder.
set -u
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
edited="$src/tests/data/double_compare.plan"
source "$(dirname "$0")/support/checks.sh"

# A copy under another name is the same plan.
cp "$plan" "$work/copy.plan"
same=$("$cli" diff "$plan" "$work/copy.plan") || fail "same plan exited $?"
[ "$same" = "no differences" ] || fail "same plan printed: $same"
"$cli" diff "$plan" "$plan" --format json | jq -e '.identical == true and (.inputChanges | length) == 0' >/dev/null ||
  fail "same plan JSON is not empty"

# JSON parses back, and its parts add up.
json=$("$cli" diff "$plan" "$edited" --format json) || fail "json run exited $?"
printf '%s' "$json" | jq -e '
  .identical == false and
  ([.inputChanges[].field] | index("Salary1") != null) and
  ([.followsFromChanges[].field] | index("FoodTotal") != null) and
  (.attribution.method == "shapley") and (.attribution.forecasts == 64) and
  ([.attribution.parts[].amount] | add) + .attribution.rounding == .attribution.total and
  .attribution.total == .attribution.other - .attribution.base and
  (.years | length) == 46 and .years[0].differences.Salaries == 5000' >/dev/null ||
  fail "JSON content: $(printf '%s' "$json" | head -c 400)"

sequential=$("$cli" diff "$plan" "$edited" --format json --attribution sequential --metric IncomeTaxes:sum) ||
  fail "sequential run exited $?"
printf '%s' "$sequential" | jq -e '
  .attribution.method == "sequential" and .attribution.metric == "IncomeTaxes:sum" and .attribution.rounding == 0 and
  ([.attribution.parts[].amount] | add) == .attribution.total and
  .attribution.total == (.summary[] | select(.name == "TotalIncomeTaxes") | .difference)' >/dev/null ||
  fail "sequential JSON: $(printf '%s' "$sequential" | jq -c .attribution)"

# Swapping the plans negates every difference.
forward=$("$cli" diff "$plan" "$edited" --format json | jq -c '[.years[].differences[]]')
backward=$("$cli" diff "$edited" "$plan" --format json | jq -c '[.years[].differences[] | 0 - .]')
[ "$forward" = "$backward" ] || fail "swapped plans do not negate the year differences"

csv=$("$cli" diff "$plan" "$edited" --format csv --current-dollars) || fail "csv run exited $?"
[ "$(printf '%s\n' "$csv" | head -n 1)" = "section,item,year,base,other,difference" ] || fail "csv header"
printf '%s\n' "$csv" | grep -q '^year,Salaries,2026,147000,152000,5000$' || fail "csv year row"

text=$("$cli" diff "$plan" "$edited" --current-dollars) || fail "text run exited $?"
printf '%s\n' "$text" | grep -q "today's dollars)$" || fail "text years not in today's dollars"

# Unreadable plans: the reader's message, status 2.
"$cli" diff "$plan" "$work/none.plan" >/dev/null 2>"$work/err"
[ $? -eq 2 ] || fail "missing plan must exit 2"
grep -q 'no plan file' "$work/err" || fail "missing plan message: $(cat "$work/err")"
printf 'Broken.plan\r\n2\r\nJohn\r\nforty\r\n' >"$work/broken.plan"
"$cli" diff "$work/broken.plan" "$plan" >/dev/null 2>"$work/err"
[ $? -eq 2 ] || fail "unreadable plan must exit 2"
grep -q 'broken.plan' "$work/err" || fail "unreadable plan message: $(cat "$work/err")"

# On one rate path both columns are each plan's forecast on it, and the path changes them.
printf '%s\n' "Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth" "2026,6,-3,-2,0" "2027,5,1,1,0" \
  >"$work/short.csv"
net_worth() { awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == "NetWorth") c = i; next } { print $c }'; }
for rates in "--history-start 1966" "--rates $work/short.csv"; do
  # shellcheck disable=SC2086
  diffed=$("$cli" diff "$plan" "$edited" $rates --format csv 2>/dev/null) || fail "diff $rates exited $?"
  for side in 4 5; do
    [ "$side" = 4 ] && one="$plan" || one="$edited"
    # shellcheck disable=SC2086
    want=$("$cli" forecast "$one" $rates --format csv 2>/dev/null | net_worth)
    got=$(printf '%s\n' "$diffed" | awk -F, -v s="$side" '$1 == "year" && $2 == "NetWorth" { print $s }')
    [ -n "$want" ] && [ "$want" = "$got" ] || fail "diff $rates: column $side is not the forecast on those rates"
  done
done
own=$("$cli" diff "$plan" "$edited" --format csv | awk -F, '$1 == "year" && $2 == "NetWorth" { print $4 }')
[ "$own" != "$got" ] || fail "diff --rates left the forecast on the plan's own rates"

# Usage errors: status 1 and the usage line.
for args in "" "$plan" "$plan $plan $plan" "$plan $plan --format xml" "$plan $plan --metric Wealth" \
  "$plan $plan --metric NetWorth:avg" "$plan $plan --attribution random" "$plan $plan --metric" "$plan $plan --bogus" \
  "$plan $plan --rates r.csv --history-start 1966" "$plan $plan --history h.csv" "$plan $plan --rates"; do
  # shellcheck disable=SC2086
  "$cli" diff $args >/dev/null 2>"$work/err"
  [ $? -eq 1 ] || fail "'diff $args' must exit 1"
  grep -q 'Usage: prevora-cli diff' "$work/err" || fail "'diff $args' gave no usage line"
done
"$cli" diff --help | grep -q 'NAME:sum' || fail "diff --help does not explain the metric"

finish "diff"
