#!/usr/bin/env bash
# Every command that forecasts takes --past-inflation: with "plan" it gives
# what it gave before the recorded past became the default (the kept outputs
# in tests/data/past_inflation_plan.txt), and by default it gives something
# else for the sample plan, whose current year is long after 2005. The solves
# keep the target they had then.
# Arguments: the CLI binary, the source folder. With a third argument "keep",
# writes the kept outputs from that binary instead of checking.
set -uo pipefail
cli=$(realpath "$1")
src="$2"
kept="$src/tests/data/past_inflation_plan.txt"
export QT_QPA_PLATFORM=offscreen
source "$(dirname "$0")/support/checks.sh"

cp "$src/resources/Double.plan" "$src/tests/data/double_compare.plan" "$work/"
cd "$work" || exit 1

commands=(
  "forecast Double.plan"
  "explain Double.plan --year 2030 --field IncomeTaxes"
  "diff Double.plan double_compare.plan"
  "simulate Double.plan --trials 200 --threads 1"
  "simulate Double.plan --model historical --threads 1"
  "simulate Double.plan --model bootstrap --trials 200 --threads 1"
  "solve Double.plan --lever spending --target never-new-debt"
  "solve Double.plan --lever retire-age --odds 80 --trials 200 --threads 1 --target never-new-debt"
  "frontier Double.plan --lever retire-age --from 60 --to 62 --solve spending --target never-new-debt"
  "sensitivity Double.plan"
  "graph Double.plan --out graph.png"
)

# run ARGS...: the command's output without its timing; a picture by its digest.
run() {
  "$cli" "$@" 2>/dev/null | grep -v '^Forecasts run: '
  [ ! -f graph.png ] || { sha256sum <graph.png; rm -f graph.png; }
}

if [ "${3:-}" = keep ]; then
  for command in "${commands[@]}"; do
    echo "== $command"
    # shellcheck disable=SC2086
    run $command
  done >"$kept"
  exit 0
fi

for command in "${commands[@]}"; do
  # shellcheck disable=SC2086
  run $command --past-inflation plan >plan
  # shellcheck disable=SC2086
  run $command >recorded
  awk -v want="== $command" '$0 == want { on = 1; next } /^== / { on = 0 } on' "$kept" >kept
  [ -s kept ] || fail "$command: nothing kept"
  diff -u kept plan | head -n 20 >&2; cmp -s kept plan || fail "$command --past-inflation plan differs from its kept output"
  cmp -s plan recorded && fail "$command: the recorded past changed nothing"
done

# The plan's rate is named wherever it was used, the default is not: on
# stderr, and at the foot of every printed page.
for printout in print-plan print-graph; do
  "$cli" "$printout" Double.plan --pdf recorded.pdf && "$cli" "$printout" Double.plan --pdf plan.pdf --past-inflation plan 2>/dev/null ||
    fail "$printout exited $?"
  pages=$(pdftotext plan.pdf - | tr -d '\f' | grep -c "Years before 2026: this plan's inflation rate")
  [ "$pages" -eq "$(pdfinfo plan.pdf | awk '/^Pages:/ {print $2}')" ] || fail "$printout names the plan's rate on $pages pages"
  ! pdftotext recorded.pdf - | grep -q "Years before" || fail "$printout on the recorded past names a past"
done
"$cli" forecast Double.plan --past-inflation plan 2>&1 >/dev/null | grep -q "Years before 2026: this plan's inflation rate" ||
  fail "forecast on the plan's rate does not say so"
[ -z "$("$cli" forecast Double.plan 2>&1 >/dev/null)" ] || fail "forecast on the recorded past wrote to stderr"
"$cli" solve Double.plan --lever spending --past-inflation guessed >/dev/null 2>&1
[ $? -eq 1 ] || fail "solve takes an unknown --past-inflation"

finish "past_inflation"
