#!/usr/bin/env bash
# End-to-end checks of `prevora-cli solve`. Arguments: the CLI binary, the source folder.
set -u
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
source "$(dirname "$0")/support/checks.sh"

status_of() {
  "$cli" "$@" >"$work/out" 2>"$work/err"
  echo $?
}

# A plan of our own with no salaries and no savings: it cannot avoid new debt.
sed -e '21s/.*/0/' -e '27s/.*/0/' -e '33s/.*/0/' -e '34s/.*/0/' "$plan" >"$work/broke.plan"

# The answer and its proof, in text and JSON. The sample plan's answers under the default target
# (the savings last: no home equity borrowed, no new debt); the old default stays a choice. The
# figures are those of the first design's tax curve.
[ "$(status_of solve "$plan" --lever spending --tax-rules curve)" = 0 ] || fail "spending exited $(cat "$work/err")"
grep -q '^Answer: \$68,109 a year (105.8 % of the plan' "$work/out" || fail "spending answer line: $(cat "$work/out")"
grep -q '^Proof: at .* never borrows; one step past, at .* it borrows against the home in 2031' "$work/out" ||
  fail "spending proof line"
[ "$(status_of solve "$plan" --lever spending --target never-new-debt --tax-rules curve)" = 0 ] || fail "never-new-debt exited"
grep -q '^Answer: \$90,639 a year' "$work/out" || fail "never-new-debt answer: $(cat "$work/out")"
grep -q '^Proof: at .* never takes new debt; one step past, at .* it takes new debt in [0-9]*' "$work/out" ||
  fail "never-new-debt proof line"
[ "$(status_of solve "$plan" --lever retire-age --tax-rules curve)" = 0 ] || fail "retire-age exited"
grep -q '^Answer: age 56 ' "$work/out" || fail "retire-age answer: $(cat "$work/out")"
[ "$(status_of solve "$plan" --lever retire-age --person both --format json)" = 0 ] || fail "retire-age json"
jq -e '.status == "solved" and .atAnswer.holds and (.atNeighbour.holds | not)
       and .atNeighbour.value == .answer - 1 and .lever.unit == "years"' "$work/out" >/dev/null ||
  fail "retire-age json: $(cat "$work/out")"
[ "$(status_of solve "$plan" --lever field:TaxableReturn --target net-worth:80:2000000 --format json)" = 0 ] ||
  fail "field lever: $(cat "$work/err")"
jq -e '.lever.unit == "percent" and (.answer | type) == "number"' "$work/out" >/dev/null || fail "field lever json"

# Odds: the same seed gives the same answer, and the proof names the shares.
[ "$(status_of solve "$plan" --lever spending --odds 80 --trials 300 --threads 2 --format json)" = 0 ] ||
  fail "odds solve: $(cat "$work/err")"
cp "$work/out" "$work/odds1"
"$cli" solve "$plan" --lever spending --odds 80 --trials 300 --threads 1 --format json >"$work/odds2"
jq -e --slurpfile b "$work/odds2" '.answer == $b[0].answer and .atAnswer.met >= 240 and .atNeighbour.met < 240' \
  "$work/odds1" >/dev/null || fail "odds answers differ or are not proved"

# Without --history, history's models replay the built-in history; bootstrap draws the trials asked for.
[ "$(status_of solve "$plan" --lever spending --odds 90 --model historical)" = 0 ] || fail "historical: $(cat "$work/err")"
[ "$(status_of frontier "$plan" --lever retire-age --from 64 --to 65 --solve spending --odds 90 --model bootstrap \
  --trials 40 --format json)" = 0 ] || fail "bootstrap frontier: $(cat "$work/err")"
jq -e '[.points[].atNeighbour.trials] == [40, 40]' "$work/out" >/dev/null || fail "bootstrap trials: $(cat "$work/out")"

# No answer: status 3 with the reason.
[ "$(status_of solve "$work/broke.plan" --lever spending --target never-new-debt)" = 3 ] ||
  fail "unreachable did not exit 3"
grep -q 'even at \$0 a year the plan takes new debt in [0-9]*' "$work/out" || fail "unreachable reason: $(cat "$work/out")"
# Savings cannot fail the default target on the sample plan: a net worth at retirement is proposed,
# and an answer above the law's yearly contribution limits is named.
[ "$(status_of solve "$plan" --lever savings)" = 3 ] || fail "always met did not exit 3"
grep -q 'every value .* meets the target' "$work/out" || fail "always-met reason"
grep -q '^Suggestion: .*net worth at retirement.*--target net-worth:65:[0-9]*$' "$work/out" ||
  fail "no target proposed: $(cat "$work/out")"
[ "$(status_of solve "$plan" --lever savings --target net-worth:65:3000000)" = 0 ] || fail "savings for a net worth"
grep -q '^Warning: .*above the 2026 elective-deferral limit of \$24,500' "$work/out" || fail "limit warning"

# Bad levers, targets, bounds and odds: status 2 with the reason.
for bad in "--lever wages" "--lever field:Name1" "--lever field:EntertainmentTotal" "--lever spending --target rich" "--lever spending --target net-worth:30:1" \
  "--lever spending --min 5000 --max 100" "--lever spending --min -1" "--lever spending --odds 0" \
  "--lever spending --odds 101" "--lever spending --max 12.5" "--lever retire-age --person 3"; do
  # shellcheck disable=SC2086
  [ "$(status_of solve "$plan" $bad)" = 2 ] || fail "'$bad' did not exit 2"
  [ -s "$work/err" ] || fail "'$bad' gave no reason"
done
# The claiming age: refused without the benefit at full retirement age, for which the rules are made;
# with it, from 62 to 70 (the ages not yet passed), either end as the bounds decide.
[ "$(status_of solve "$plan" --lever claim-age)" = 2 ] && grep -q "FullRetirementBenefit1" "$work/err" ||
  fail "claim-age without the full benefit: $(cat "$work/err")"
{ cat "$plan"; printf '[Prevora]\r\nFullRetirementBenefit1=31200\r\nFullRetirementBenefit2=18000\r\n'; } >"$work/benefits.plan"
status=$(status_of solve "$work/benefits.plan" --lever claim-age --person both --format json)
[ "$status" = 0 ] || [ "$status" = 3 ] || fail "claim-age exited $status: $(cat "$work/err")"
jq -e '.lever.name == "claim-age" and .lever.plan == 67 and .lever.min == 62 and .lever.max == 70' "$work/out" >/dev/null ||
  fail "claim-age json: $(cat "$work/out")"
# Each refusal names its option; --odds reads numbers as every option does.
for bad in "--target|--lever spending --target rich" "--lever|--lever wages" "--odds|--lever spending --odds 0x10" \
  "--odds|--lever spending --odds 0.004"; do
  # shellcheck disable=SC2086
  [ "$(status_of solve "$plan" ${bad#*|})" = 2 ] || fail "'${bad#*|}' did not exit 2"
  grep -q -- "^prevora-cli solve: ${bad%%|*}" "$work/err" || fail "'${bad#*|}' said: $(cat "$work/err")"
done
[ "$(status_of frontier "$plan" --lever retire-age --from 64 --to 65 --solve "")" = 2 ] &&
  grep -q -- "--solve" "$work/err" || fail "frontier --solve \"\" said: $(cat "$work/err")"
# A mistyped command line is a usage error, as for every command.
[ "$(status_of solve "$plan" --lever spending --trials 10)" = 1 ] || fail "odds settings without --odds"
[ "$(status_of solve "$plan" --lever spending --format xml)" = 1 ] || fail "unknown format"
# CSV for spreadsheets: the answer and the frontier's points as JSON gives them.
"$cli" solve "$plan" --lever spending --format json >"$work/answer.json"
[ "$(status_of solve "$plan" --lever spending --format csv)" = 0 ] || fail "csv: $(cat "$work/err")"
[ "$(head -1 "$work/out")" = "Lever,Plan,Target,Odds,Status,Answer,AtAnswer,Neighbour,AtNeighbour,Reason" ] ||
  fail "csv header: $(head -1 "$work/out")"
[ "$(sed -n 2p "$work/out" | cut -d, -f6)" = "$(jq .answer "$work/answer.json")" ] || fail "csv answer: $(cat "$work/out")"
[ "$(status_of frontier "$plan" --lever retire-age --from 60 --to 66 --step 2 --solve spending --format csv)" = 0 ] ||
  fail "frontier csv"
[ "$(cut -d, -f2,3 "$work/out" | tr '\n' ' ')" = "Value,ThePlan 60,no 62,no 64,no 66,no " ] ||
  fail "frontier csv points: $(cat "$work/out")"

# Frontier: one solved value a step, the plan's own marked; sensitivity: largest swing first.
[ "$(status_of frontier "$plan" --lever retire-age --from 60 --to 66 --step 2 --solve spending --format json)" = 0 ] ||
  fail "frontier: $(cat "$work/err")"
jq -e '(.points | length) == 4 and ([.points[].status] | all(. == "solved")) and .along.plan == 65' \
  "$work/out" >/dev/null || fail "frontier json: $(cat "$work/out")"
[ "$(status_of frontier "$plan" --lever retire-age --from 60 --to 62 --solve spending)" = 0 ] || fail "frontier text"
grep -q '^  age 61 .*\$[0-9,]* a year; one step past it borrows against the home' "$work/out" || fail "frontier text row"
[ "$(status_of frontier "$plan" --lever retire-age --from 70 --to 60 --solve spending)" = 2 ] || fail "frontier range"
[ "$(status_of sensitivity "$plan" --format json)" = 0 ] || fail "sensitivity: $(cat "$work/err")"
jq -e '[.inputs[] | [(.changeDown | fabs), (.changeUp | fabs)] | max] | . == (sort | reverse)' "$work/out" \
  >/dev/null || fail "sensitivity not sorted by swing"
jq -e '.inputs[] | select(.name == "Groceries") | .changeUp < 0 and .page == "Food Personal Expense Page"' \
  "$work/out" >/dev/null || fail "sensitivity groceries"
[ "$(status_of sensitivity "$plan" --metric Nope)" = 2 ] || fail "sensitivity metric"
# With odds, sensitivity counts the trials meeting the target: the savings last by default.
[ "$(status_of sensitivity "$plan" --odds 90 --trials 20 --format json)" = 0 ] || fail "odds sensitivity"
jq -e '.figure == "savingsLastedShare"' "$work/out" >/dev/null || fail "odds sensitivity figure"
[ "$(status_of sensitivity "$plan" --odds 90 --trials 20 --target never-new-debt --format json)" = 0 ] ||
  fail "odds sensitivity never-new-debt"
jq -e '.figure == "noNewDebtShare"' "$work/out" >/dev/null || fail "never-new-debt figure"
[ "$(status_of sensitivity "$plan" --odds 90 --trials 20 --target net-worth:65:1)" = 2 ] || fail "net worth refused"

# Plans at the 64-bit extremes: bounds stay ordered and around the plan's value, steps never flip
# sign, and the commands end with an answer or a reason (the core's sanitizer run covers the same).
for value in 9223372036854775807 -9223372036854775808; do
  sed -e "156s/.*/$value/" "$plan" >"$work/event.plan"
  status=$(status_of solve "$work/event.plan" --lever field:EventYear1)
  [ "$status" = 0 ] || [ "$status" = 3 ] || fail "event year $value: status $status $(cat "$work/err")"
  read -r low high < <(sed -nE 's/.*bounds (-?[0-9]+) to (-?[0-9]+)$/\1 \2/p' "$work/out")
  [ -n "$low" ] && [ "$low" -le "$high" ] || fail "event year $value bounds: $(head -2 "$work/out")"
  [ "$(status_of sensitivity "$work/event.plan")" = 0 ] || fail "sensitivity event year $value"
done
sed -e "21s/.*/9223372036854775807/" "$plan" >"$work/salary.plan"
[ "$(status_of solve "$work/salary.plan" --lever field:Salary1)" = 0 ] || fail "largest salary solve"
grep -q 'bounds \$0 to \$9,223,372,036,854,775,807$' "$work/out" || fail "largest salary bounds: $(head -2 "$work/out")"
[ "$(status_of sensitivity "$work/salary.plan" --format json)" = 0 ] || fail "largest salary sensitivity"
jq -e '[.inputs[] | select(.name == "Salary1")] | all(.down <= .up)' "$work/out" >/dev/null ||
  fail "largest salary steps"

finish "solve"
