#!/usr/bin/env bash
# Every command that forecasts takes --past-inflation: with "plan" it gives
# what it gave before the recorded past became the default (the kept outputs
# in tests/data/past_inflation_plan.txt, on the first design's tax curve and
# home-equity limit), and
# by default it gives something else for the sample plan, whose current year
# is long after 2005. The solves keep the target they had then.
# Arguments: the CLI binary, the source folder. With a third argument "keep",
# writes the kept outputs from that binary instead of checking.
set -uo pipefail
cli=$(realpath "$1")
src="$2"
kept="$src/tests/data/past_inflation_plan.txt"
export QT_QPA_PLATFORM=offscreen
source "$(dirname "$0")/support/checks.sh"

source "$(dirname "$0")/support/forecasting_commands.sh"

if [ "${3:-}" = keep ]; then
  for command in "${commands[@]}"; do
    echo "== $command"
    # shellcheck disable=SC2086
    run $command --past-inflation plan --tax-rules curve --home-equity-limit first-design
  done >"$kept"
  exit 0
fi

for command in "${commands[@]}"; do
  # shellcheck disable=SC2086
  run $command --past-inflation plan --tax-rules curve --home-equity-limit first-design >plan
  # shellcheck disable=SC2086
  run $command --tax-rules curve --home-equity-limit first-design >recorded
  awk -v want="== $command" '$0 == want { on = 1; next } /^== / { on = 0 } on' "$kept" >kept
  [ -s kept ] || fail "$command: nothing kept"
  diff -u kept plan | head -n 20 >&2; cmp -s kept plan || fail "$command --past-inflation plan differs from its kept output"
  cmp -s plan recorded && fail "$command: the recorded past changed nothing"
done

# The plan's rate is named wherever it was used, the default is not: on
# stderr, and at the foot of every printed page.
named_in_printouts --past-inflation plan "Years before 2026: this plan's inflation rate"
"$cli" forecast Double.plan --past-inflation plan 2>&1 >/dev/null | grep -q "Years before 2026: this plan's inflation rate" ||
  fail "forecast on the plan's rate does not say so"
[ -z "$("$cli" forecast Double.plan 2>&1 >/dev/null)" ] || fail "forecast on the recorded past wrote to stderr"
"$cli" solve Double.plan --lever spending --past-inflation guessed >/dev/null 2>&1
[ $? -eq 1 ] || fail "solve takes an unknown --past-inflation"

finish "past_inflation"
