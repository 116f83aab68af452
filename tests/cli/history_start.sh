#!/usr/bin/env bash
# `forecast --history-start` and `explain --history-start`. Arguments: the CLI binary, the source folder.
set -u
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
source "$(dirname "$0")/support/checks.sh"

# A history of equal years gives the forecast of a rate file holding those rates (stocks and bonds both
# 6 % nominal, 4 above the 2 % inflation; homes 3 % nominal, 1 above).
{
  echo "Year,Inflation,Stocks,Bonds,RealEstate"
  for year in $(seq 1900 1919); do echo "$year,2,6,6,3"; done
} >"$work/equal.csv"
{
  echo "Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth"
  for year in $(seq 2026 2071); do echo "$year,2,4,4,1"; done
} >"$work/rates.csv"
"$cli" forecast "$plan" --history-start 1905 --history "$work/equal.csv" --all-fields --format tsv \
  >"$work/start" 2>"$work/note" || fail "history start exited $?"
"$cli" forecast "$plan" --rates "$work/rates.csv" --all-fields --format tsv >"$work/rates" || fail "rates exited $?"
cmp -s "$work/start" "$work/rates" || fail "equal years differ from the same rates as a rate file"
grep -q 'from 2041 on they continue from 1900' "$work/note" || fail "wrap note: $(cat "$work/note")"

# The built-in history: 1966 ends inside the data, the text says so; explain follows the same rates.
"$cli" forecast "$plan" --history-start 1966 >"$work/text" || fail "built-in start exited $?"
tail -n 1 "$work/text" | grep -qx 'Rates: US history 1928-20[0-9][0-9] (built in) from 1966 on, 60 % stocks in both accounts.' ||
  fail "text note: $(tail -n 1 "$work/text")"
worth=$("$cli" forecast "$plan" --history-start 1966 --format csv 2>/dev/null | awk -F, '$1 == 2040 {print $3}')
"$cli" explain "$plan" --year 2040 --field NetWorth --history-start 1966 --format json |
  jq -e --argjson worth "$worth" '.value == $worth' >/dev/null || fail "explain does not follow the history start"

"$cli" forecast "$plan" --history-start 1800 >/dev/null 2>&1
[ $? -eq 1 ] || fail "a start year outside the history must exit 1"
"$cli" forecast "$plan" --history-start 1966 --rates "$work/rates.csv" >/dev/null 2>&1
[ $? -eq 1 ] || fail "--rates with --history-start must exit 1"

# Spending holds in the deflation of 1930-1932 unless asked to follow prices down.
held=$("$cli" forecast "$plan" --history-start 1929 --all-fields --format csv 2>/dev/null)
[ "$held" = "$("$cli" forecast "$plan" --history-start 1929 --all-fields --format csv --deflation hold 2>/dev/null)" ] ||
  fail "--deflation hold is not the default"
followed=$("$cli" forecast "$plan" --history-start 1929 --all-fields --format csv --deflation follow 2>/dev/null)
expenses() { awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == "Expenses") c = i } NR == 4 { print $c }'; }
[ "$(expenses <<<"$followed")" -lt "$(expenses <<<"$held")" ] || fail "--deflation follow left 2028's spending as it was"

finish "history start"
