#!/usr/bin/env bash
# End-to-end checks of `prevora-cli simulate`. Arguments: the CLI binary, the source folder.
set -u
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
source "$(dirname "$0")/support/checks.sh"

small=(--trials 60 --threads 2)
zero=(--sd-inflation 0 --sd-taxable 0 --sd-deferred 0 --sd-realestate 0)

# Text: headline, levels, caution; stderr stays clean when it is not a terminal.
"$cli" simulate "$plan" "${small[@]}" >"$work/text" 2>"$work/err" || fail "text run exited $?"
grep -q '^Never took new debt: [0-9.]* % of trials$' "$work/text" || fail "text headline"
grep -q 'borrowed against the home' "$work/text" || fail "text levels"
grep -q 'not a promise' "$work/text" || fail "text caution"
[ ! -s "$work/err" ] || fail "progress written to a redirected stderr: $(cat "$work/err")"

# On a terminal (a pseudo-terminal from script(1)) the progress line shows and is cleared at the end.
if command -v script >/dev/null; then
  tty=$(script -qec "'$cli' simulate '$plan' --trials 5000 >/dev/null" /dev/null | tr '\r' '\n')
  printf '%s\n' "$tty" | grep -q '^Simulating: [0-9]* of 5000 trials' || fail "no progress line on a terminal"
  printf '%s' "$tty" | grep -q $'\e\\[K' || fail "progress line not cleared"
fi

# JSON parses and holds together: shares add to 100, headline, bands ordered, 46 years.
"$cli" simulate "$plan" "${small[@]}" --format json >"$work/json" || fail "json run exited $?"
jq -e . "$work/json" >/dev/null || fail "json does not parse"
jq -e '.trials == 60 and .seed == 1 and (.years | length) == 46' "$work/json" >/dev/null || fail "json trials, seed, years"
# Shares are printed to four decimals, so their sum may miss 100 by that much.
jq -e '([.levels[].share] | add - 100 | fabs) < 1e-3' "$work/json" >/dev/null || fail "level shares do not add up to 100"
jq -e '(.headline.noNewDebtShare + (.levels[] | select(.key == "new-debt") | .share) - 100 | fabs) < 1e-3' \
  "$work/json" >/dev/null || fail "headline is not the share without new debt"
jq -e '(.headline.savingsLastedShare + ([.levels[] | select(.key == "new-debt" or .key == "home-equity") | .share]
       | add) - 100 | fabs) < 1e-3' "$work/json" >/dev/null || fail "savings lasted is not the share that never borrowed"
jq -e '[.years[] | .current, .inflated | [.p10, .p25, .p50, .p75, .p90] | . == sort] | all' "$work/json" >/dev/null ||
  fail "percentiles out of order"
jq -e '.settings.deviations.taxable == 12.8 and .settings.correlations["taxable:deferred"] == 1' "$work/json" \
  >/dev/null || fail "json settings"
grep -q '^Swings and links: the defaults, from US history 1928-' "$work/text" || fail "text does not say where the defaults come from"

# Reproducible: same seed on 1 and 2 threads and again; another seed differs.
"$cli" simulate "$plan" --trials 60 --threads 1 --format json >"$work/one" || fail "1-thread run exited $?"
cmp -s "$work/json" "$work/one" || fail "1 and 2 threads differ"
"$cli" simulate "$plan" "${small[@]}" --format json >"$work/again"
cmp -s "$work/json" "$work/again" || fail "a second run differs"
"$cli" simulate "$plan" "${small[@]}" --seed 2 --format json >"$work/seed2"
cmp -s "$work/json" "$work/seed2" && fail "seed 2 gives the seed-1 result"

# No deviations: every band is the fixed-rate forecast's net worth, and any
# trial's table is the forecast's, on the same past (recorded by default).
"$cli" simulate "$plan" --trials 5 "${zero[@]}" --format csv | cut -d, -f1,8-12 | tail -n +2 >"$work/bands"
"$cli" forecast "$plan" --format csv | cut -d, -f1,3 | tail -n +2 | awk -F, '{print $1","$2","$2","$2","$2","$2}' >"$work/fixed"
cmp -s "$work/bands" "$work/fixed" || fail "zero deviations: bands differ from the forecast"
"$cli" simulate "$plan" --trials 5 "${zero[@]}" --trial 4 --all-fields --format tsv >"$work/trial"
cmp -s "$work/trial" "$src/tests/data/double_forecast_law.tsv" || fail "zero deviations: --trial 4 differs from the golden table"
"$cli" simulate "$plan" --trials 5 "${zero[@]}" --trial 4 --all-fields --format tsv --past-inflation plan --tax-rules curve 2>/dev/null |
  cmp -s - "$src/tests/data/double_forecast.tsv" || fail "zero deviations: --trial 4 on the plan's rate differs from the golden table"
"$cli" simulate "$plan" --trial 7 --current-dollars | sed -n 2p | grep -q 'Net Worth.*Social Security' ||
  fail "--trial text titles"
"$cli" simulate "$plan" --trials 10 --trial 11 >/dev/null 2>&1
[ $? -eq 1 ] || fail "--trial past the last trial must exit 1"

# --rates centers the Monte Carlo draws on a rate file: the plan's own rates (plan file lines 51
# and 53-55) give the plain run trial for trial; a short file of other rates runs, moves the odds,
# and gives the same on 1 and 2 threads; the history models refuse it.
line() { sed -n "$1p" "$plan" | tr -d '\r'; }
header="Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth"
{
  echo "$header"
  for year in $(seq 2026 2071); do echo "$year,$(line 51),$(line 54),$(line 55),$(line 53)"; done
} >"$work/own.csv"
{
  echo "$header"
  for year in $(seq 2026 2035); do echo "$year,6,-1,-1,0"; done
} >"$work/short.csv"
"$cli" simulate "$plan" "${small[@]}" --format csv >"$work/plain.csv"
"$cli" simulate "$plan" "${small[@]}" --rates "$work/own.csv" --format csv >"$work/own.out" || fail "own rates exited $?"
cmp -s "$work/plain.csv" "$work/own.out" || fail "the plan's own rates as a file changed the odds"
[ "$("$cli" simulate "$plan" "${small[@]}" --trial 17 --all-fields --format tsv)" = \
  "$("$cli" simulate "$plan" "${small[@]}" --trial 17 --all-fields --format tsv --rates "$work/own.csv")" ] ||
  fail "trial 17 differs on the plan's own rates as a file"
"$cli" simulate "$plan" --trials 60 --threads 1 --rates "$work/short.csv" --format json >"$work/short1" 2>"$work/note" ||
  fail "short file exited $?"
"$cli" simulate "$plan" --trials 60 --threads 2 --rates "$work/short.csv" --format json >"$work/short2" 2>/dev/null
cmp -s "$work/short1" "$work/short2" || fail "--rates differs between 1 and 2 threads"
grep -q 'from 2036 on the forecast takes the plan' "$work/note" || fail "short file note: $(cat "$work/note")"
[ "$(jq -c .years "$work/short1")" != "$("$cli" simulate "$plan" --trials 60 --format json | jq -c .years)" ] ||
  fail "other means left the odds as they were"
"$cli" simulate "$plan" --model historical --rates "$work/own.csv" >/dev/null 2>"$work/err"
[ $? -eq 2 ] || fail "historical with --rates must exit 2"
grep -q "Monte Carlo" "$work/err" || fail "historical with --rates says: $(cat "$work/err")"

# Historical replay: one trial per data year, wrapping; complete windows only.
{
  echo "Year,Inflation,Stocks,Bonds"
  for year in $(seq 1950 1999); do echo "$year,3,9,5"; done
} >"$work/history.csv"
hist=(--model historical --history "$work/history.csv")
"$cli" simulate "$plan" "${hist[@]}" --format json >"$work/hjson" || fail "historical run exited $?"
jq -e '.trials == 50 and .settings.wrappedTrials == 45 and .settings.firstYear == 1950' "$work/hjson" >/dev/null ||
  fail "historical: $(jq -c '{trials, settings}' "$work/hjson")"
"$cli" simulate "$plan" "${hist[@]}" --complete-only --format json | jq -e '.trials == 5' >/dev/null ||
  fail "complete windows: 50 years, 46 rows must give 5 trials"
"$cli" simulate "$plan" "${hist[@]}" | grep -q '45 of them run past 1999 and wrap around to 1950' ||
  fail "historical text does not say windows wrap"

# Without --history both history models run on the built-in US history, and say so.
"$cli" simulate "$plan" --model historical --format json >"$work/builtin" || fail "built-in historical run exited $?"
jq -e '.settings.builtIn and .settings.firstYear == 1928 and .trials == (.settings.lastYear - 1927)' \
  "$work/builtin" >/dev/null || fail "built-in history: $(jq -c .settings "$work/builtin")"
"$cli" simulate "$plan" --model historical | grep -q '^Model: US history 1928-20[0-9][0-9] (built in), ' ||
  fail "text does not name the built-in history"
boot=(--model bootstrap --trials 40 --block 3)
"$cli" simulate "$plan" "${boot[@]}" --threads 1 --format json >"$work/boot1" || fail "bootstrap run exited $?"
"$cli" simulate "$plan" "${boot[@]}" --threads 2 --format json >"$work/boot2"
cmp -s "$work/boot1" "$work/boot2" || fail "bootstrap differs between 1 and 2 threads"
jq -e '.settings.model == "bootstrap" and .settings.block == 3 and .trials == 40' "$work/boot1" >/dev/null ||
  fail "bootstrap settings: $(jq -c .settings "$work/boot1")"
# On a history of equal years every bootstrap trial is the replay of any start year.
"$cli" simulate "$plan" "${boot[@]}" --history "$work/history.csv" --trial 2 --all-fields --format tsv >"$work/boot_trial"
"$cli" simulate "$plan" "${hist[@]}" --trial 9 --all-fields --format tsv >"$work/hist_trial"
cmp -s "$work/boot_trial" "$work/hist_trial" || fail "bootstrap of equal years differs from their replay"
"$cli" simulate "$plan" --model bootstrap --complete-only >/dev/null 2>&1
[ $? -eq 1 ] || fail "--complete-only with bootstrap must exit 1"
"$cli" simulate "$plan" --model bootstrap --block 0 >/dev/null 2>&1
[ $? -eq 1 ] || fail "--block 0 must exit 1"

printf 'Year,Inflation,Stocks,Bonds\n1950,3,9,5\n1950,3,9,5\n' >"$work/repeated.csv"
message=$("$cli" simulate "$plan" --model historical --history "$work/repeated.csv" 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] || fail "bad history must exit 2, got $status"
[ "$message" = "prevora-cli: $work/repeated.csv:3: year 1950 is repeated" ] || fail "bad history message: $message"

# Usage errors exit 1, unreadable input 2.
"$cli" simulate "$plan" "${hist[@]}" --trials 5 >/dev/null 2>&1
[ $? -eq 1 ] || fail "--trials with historical must exit 1"
"$cli" simulate "$plan" --corr-returns 1.5 >/dev/null 2>&1
[ $? -eq 1 ] || fail "impossible correlation must exit 1"
"$cli" simulate "$plan" --corr inflation:taxable=0.9 --corr taxable:deferred=0.9 --corr inflation:deferred=-0.9 \
  >/dev/null 2>&1
[ $? -eq 1 ] || fail "contradictory correlations must exit 1"
"$cli" simulate "$plan" --format xml >/dev/null 2>&1
[ $? -eq 1 ] || fail "unknown format must exit 1"
"$cli" simulate >/dev/null 2>&1
[ $? -eq 1 ] || fail "missing plan argument must exit 1"
"$cli" simulate "$src/tests/data/no-such-plan.plan" >/dev/null 2>&1
[ $? -eq 2 ] || fail "missing plan must exit 2"
"$cli" --help | grep -q 'prevora-cli simulate PLAN' || fail "--help lists simulate"

# A named pipe as the history file is refused at once.
mkfifo "$work/pipe.csv"
message=$(timeout 10 "$cli" simulate "$plan" --model historical --history "$work/pipe.csv" 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] || fail "a pipe as the history file must exit 2, got $status"
case "$message" in *"named pipe"*) ;; *) fail "history pipe message: $message" ;; esac

finish "simulate"
