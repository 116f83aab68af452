#!/usr/bin/env bash
# Every command that forecasts takes --tax-rules: the law is the default, and
# the first design's curve gives something else for the sample plan, so a
# path the setting does not reach shows here. The curve is named wherever it
# was used: on stderr and at the foot of every printed page.
# Arguments: the CLI binary, the source folder.
set -uo pipefail
cli=$(realpath "$1")
src="$2"
export QT_QPA_PLATFORM=offscreen
source "$(dirname "$0")/support/checks.sh"
source "$(dirname "$0")/support/forecasting_commands.sh"

for command in "${commands[@]}"; do
  # shellcheck disable=SC2086
  run $command >default
  # shellcheck disable=SC2086
  run $command --tax-rules law >law
  # shellcheck disable=SC2086
  run $command --tax-rules curve >curve
  [ -s default ] || fail "$command printed nothing"
  cmp -s default law || fail "$command: the law is not the default"
  cmp -s law curve && fail "$command: the tax rules changed nothing"
done

named_in_printouts --tax-rules curve "Future taxes: the first design's curve"
"$cli" forecast Double.plan --tax-rules curve 2>&1 >/dev/null | grep -q "Future taxes: the first design's curve (--tax-rules curve)" ||
  fail "forecast on the curve does not say so"

# The curve reproduces the golden tables of before; the law has its own.
"$cli" forecast Double.plan --all-fields --format tsv --tax-rules curve | cmp -s - "$src/tests/data/double_forecast_recorded.tsv" ||
  fail "--tax-rules curve differs from the golden table"
"$cli" forecast Double.plan --all-fields --format tsv | cmp -s - "$src/tests/data/double_forecast_law.tsv" ||
  fail "the law differs from its golden table"

# The law's early-draw tax is its own field inside the income taxes; the curve's exports lack it.
"$cli" forecast "$src/tests/data/joint_buyer_forecast.plan" --all-fields --format tsv 2>/dev/null |
  awk -F'\t' 'NR == 1 && $NF != "EarlyDrawTax" {exit 1} NR > 1 && $NF > 0 {seen = 1} NR > 1 && $NF > $9 {exit 1}
               END {exit !seen}' || fail "no early-draw tax field within the income taxes"
"$cli" explain "$src/tests/data/joint_buyer_forecast.plan" --year 2027 --field "Early Draw Tax" 2>/dev/null |
  grep -q "x 10 % (additional tax" || fail "explain shows no early-draw tax"

# A plan without a typed federal tax says its state ratio is unknown, under the law only.
untyped="$src/tests/data/joint_buyer_forecast.plan"
"$cli" forecast "$untyped" 2>&1 >/dev/null | grep -q "ratio to it is unknown and taken as 0" ||
  fail "an untyped federal tax is not noted"
"$cli" forecast "$untyped" --tax-rules curve 2>&1 >/dev/null | grep -q "unknown" && fail "the curve notes the ratio"
[ -z "$("$cli" forecast Double.plan 2>&1 >/dev/null)" ] || fail "the sample plan under the law wrote to stderr"
"$cli" explain Double.plan --year 2030 --field IncomeTaxes | grep -q "at 10 % + " || fail "explain shows no bracket walk"
"$cli" solve Double.plan --lever spending --tax-rules guessed >/dev/null 2>&1
[ $? -eq 1 ] || fail "solve takes an unknown --tax-rules"
"$cli" forecast Double.plan --tax-rules guessed >/dev/null 2>&1
[ $? -eq 1 ] || fail "forecast takes an unknown --tax-rules"

finish "tax_rules"
