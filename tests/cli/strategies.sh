#!/usr/bin/env bash
# End-to-end checks of `prevora-cli strategies`. Arguments: the CLI binary, the source folder.
set -u
cli=$(realpath "$1")
src="$2"
source "$(dirname "$0")/support/checks.sh"

status_of() {
  "$cli" "$@" >"$work/out" 2>"$work/err"
  echo $?
}

# The sample plan with both persons' statements typed: claiming ages 62, 67 and 70 are tried for each.
plan="$work/benefits.plan"
cp "$src/resources/Double.plan" "$plan"
printf '[Prevora]\r\nFullRetirementBenefit1=31200\r\nFullRetirementBenefit2=18000\r\n' >>"$plan"

# Ranked, best first, the plan's own row marked and kept below the top rows; the same on any thread count.
[ "$(status_of strategies "$plan" --top 3 --threads 1)" = 0 ] || fail "text exited: $(cat "$work/err")"
[ "$(grep -c '^[ *] *[0-9]\+  \$' "$work/out")" -ge 3 ] || fail "ranked rows: $(cat "$work/out")"
[ "$(grep -c '(the plan)$' "$work/out")" = 1 ] || fail "the plan's row is marked once"
grep -q '^\*' "$work/out" || fail "the plan's row starts with *"
grep -q '^Strategies run: 189;' "$work/out" || fail "3 orders x 7 bracket choices x 3 x 3 claiming ages"
grep -v '^Strategies run' "$work/out" >"$work/one"
[ "$(status_of strategies "$plan" --top 3 --threads 2)" = 0 ] || fail "two threads exited"
grep -v '^Strategies run' "$work/out" | cmp -s - "$work/one" || fail "the table depends on the threads"

# CSV and JSON: a row per strategy, the ranks in order, the measure's figure never worse than the plan's.
[ "$(status_of strategies "$plan" --format csv --measure lifetime-taxes)" = 0 ] || fail "csv exited"
head -1 "$work/out" | grep -q '^Rank,Plan,Strategy,WithdrawalOrder,' || fail "csv header"
[ "$(tail -n +2 "$work/out" | wc -l)" = 189 ] || fail "csv rows"
[ "$(status_of strategies "$plan" --format json --measure spending --top 2)" = 0 ] || fail "json exited"
jq -e '.measure == "spending" and (.rows | length) == 3 and .rows[0].rank == 1
       and ([.rows[] | select(.plan)] | length) == 1
       and .rows[0].spending >= ([.rows[] | select(.plan)][0].spending)' "$work/out" >/dev/null ||
  fail "json: $(cat "$work/out")"
[ "$(status_of strategies "$plan" --measure odds --odds 30 --top 1 --format json)" = 0 ] || fail "odds exited"
jq -e '.rows[0].savingsLasted >= ([.rows[] | select(.plan)][0].savingsLasted)' "$work/out" >/dev/null ||
  fail "odds json: $(cat "$work/out")"

# Mistakes name the option; a missing plan is an input error.
for bad in "--measure wealth" "--odds 0" "--top 0" "--threads x" "--format tsv"; do
  # shellcheck disable=SC2086
  [ "$(status_of strategies "$plan" $bad)" = 1 ] || fail "$bad accepted"
  grep -q "^prevora-cli: ${bad%% *} " "$work/err" || fail "$bad: $(cat "$work/err")"
done
[ "$(status_of strategies "$work/none.plan")" = 2 ] || fail "a missing plan"

# The strategy inputs on the command line are the plan as if its file held them, on every command that
# forecasts (diff writes them into both plans); the words of the order are stored as the file writes them.
overrides=(--withdrawal-order "Deferred, roth,taxable" --fill-bracket 22 --fill-into roth --convert 15000 --fill-ages 63-72)
mkdir "$work/written"
for name in resources/Double.plan tests/data/double_compare.plan; do
  { cat "$src/$name"; printf '[Prevora]\r\nWithdrawalOrder=deferred,roth,taxable\r\nFillBracket=22\r\nFillInto=roth\r\n'
    printf 'ConvertAmount=15000\r\nFillFromAge=63\r\nFillToAge=72\r\n'; } >"$work/written/${name##*/}"
done
source "$(dirname "$0")/support/forecasting_commands.sh"
for command in "${commands[@]}" "forecast Double.plan --all-fields --format tsv" "strategies Double.plan --top 2"; do
  # shellcheck disable=SC2086
  run $command "${overrides[@]}" | grep -v '^Strategies run: ' >given
  # shellcheck disable=SC2086
  (cd written && run $command | grep -v '^Strategies run: ') >written.out
  [ -s given ] || fail "$command with the strategy inputs printed nothing"
  cmp -s given written.out || fail "$command: the options differ from the same inputs in the file"
done
grep -q '^\*.*deferred > roth > taxable.*(the plan)$' given || fail "the plan's own row: $(cat given)"
"$cli" solve Double.plan --lever field:ConvertAmount --format json --convert 15000 | jq -e '.lever.plan == 15000' >/dev/null ||
  fail "solve's lever does not start from the option's value"

finish strategies
