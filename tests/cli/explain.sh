#!/usr/bin/env bash
# explain: a handful of the sample plan's cells against their kept text, the
# JSON shape and its closure, and the refusals (unknown field, year outside the
# forecast, unreadable plan: status 2; a bad command line: status 1).
set -euo pipefail
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
golden="$src/tests/data/explain"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v jq >/dev/null || fail "jq missing (scripts/deps.sh installs it)"

# same NAME ARGS...: the explanation is the kept text (kept under the plan's rate for past years).
same() {
  local name="$1"
  shift
  "$cli" explain "$plan" --past-inflation plan "$@" >"$work/$name" || fail "$name: exited $?"
  diff -u "$golden/$name" "$work/$name" >&2 || fail "$name differs from tests/data/explain/$name"
}
same income_taxes_2040.txt --year 2040 --field IncomeTaxes
same expenses_2040.txt --year 2040 --field Expenses
same net_worth_2040_current.txt --year 2040 --field NetWorth --current-dollars --depth 2
same mortgage_2035.txt --year 2035 --field Mortgage --depth 3
same distribution_2057.txt --year 2057 --field Distribution --depth 2
same other_debt_2026.txt --year 2026 --field OtherDebt
# The header's words name a field too, and so do the year and the ages.
same income_taxes_2040.txt --year 2040 --field "Income Taxes"
"$cli" explain "$plan" --year 2040 --field Age1 | head -n 1 | grep -qx 'Age1 2040: 59' || fail "Age1 is not explained"
[ "$("$cli" explain "$plan" --year 2040 --field Year --format json | jq .value)" = 2040 ] || fail "Year is not explained"

# The JSON's root is the forecast's cell, and at every level the money terms
# add up to the amount (a scaled term's to its base, which the label shows).
"$cli" explain "$plan" --year 2040 --field IncomeTaxes --format json --depth 0 --past-inflation plan >"$work/json"
[ "$(jq -c '[.field, .year, .age, .dollars, .view, .value]' "$work/json")" = '["IncomeTaxes",2040,59,"future","inflated",69899]' ] ||
  fail "json root: $(jq -c '[.field, .year, .age, .dollars, .view, .value]' "$work/json")"
value=$("$cli" forecast "$plan" --all-fields --format json --past-inflation plan | jq '.[] | select(.Year == 2040) | .IncomeTaxes')
[ "$value" = 69899 ] || fail "forecast says $value"
[ "$(jq '[.terms[] | select(.kind != "factor") | .amount] | add' "$work/json")" = 69899 ] || fail "json terms do not add up"
# On the recorded past the explanation follows the forecast on it.
recorded=$("$cli" explain "$plan" --year 2040 --field IncomeTaxes --format json --past-inflation recorded | jq .value)
[ "$recorded" = "$("$cli" forecast "$plan" --past-inflation recorded --format json | jq '.[] | select(.Year == 2040) | .IncomeTaxes')" ] ||
  fail "explain and forecast differ on the recorded past: $recorded"
[ "$recorded" != 69899 ] || fail "--past-inflation recorded changed nothing"
jq -e '[.. | objects | select(.op == "sum" and (.terms // [] | length) > 0) |
  (.sign // 1) * (.amount // .value) == ([.terms[] | select(.kind != "factor") | .amount] | add)] | all' "$work/json" >/dev/null ||
  fail "a sum node's terms do not add up to it"
kinds=$(jq -r '[.. | objects | .kind? // empty] | unique | join(" ")' "$work/json")
[ "$kinds" = "cell factor input rounding step" ] || [ "$kinds" = "cell factor input step" ] || fail "kinds: $kinds"
jq -e '[.. | objects | select(.kind == "input") | has("field") and has("page")] | all' "$work/json" >/dev/null ||
  fail "an input term lacks its field or page"
"$cli" explain "$plan" --year 2040 --field NetWorth --current-dollars --format json | jq -e '.view == "current"' >/dev/null ||
  fail "current dollars view"

# refused ARGS...: status 2, nothing on stdout, a reason on stderr.
refused() {
  local status=0
  "$cli" explain "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] || fail "explain $* exited with $status, expected 2"
  [ ! -s "$work/out" ] || fail "explain $* wrote to stdout"
  grep -q "^prevora-cli: " "$work/err" || fail "explain $* gave no reason"
}
refused "$plan" --year 2040 --field Taxes
refused "$plan" --year 2025 --field NetWorth
refused "$plan" --year 2072 --field NetWorth
refused "$work/missing.plan" --year 2040 --field NetWorth
printf 'not a plan\n' >"$work/bad.plan"
refused "$work/bad.plan" --year 2040 --field NetWorth
grep -q "2026 to 2071" <("$cli" explain "$plan" --year 2072 --field NetWorth 2>&1) || fail "the range is not named"

# usage ARGS...: status 1 with the usage line.
usage() {
  local status=0
  "$cli" explain "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 1 ] || fail "explain $* exited with $status, expected 1"
  grep -q "Usage: prevora-cli explain PLAN" "$work/err" || fail "explain $*: no usage line"
}
usage "$plan" --year 2040
usage "$plan" --field NetWorth
usage "$plan" --year soon --field NetWorth
usage "$plan" --year 2040 --field NetWorth --depth -1
usage "$plan" --year 2040 --field NetWorth --format xml
echo "explain: ok"
