#!/usr/bin/env bash
# The text of the plan and graph printouts can be searched: words come out
# letter by letter, never as ligature glyphs (U+FB00..U+FB06) that a search
# for "Future dollars" would miss, and each printout names its dollar view.
set -euo pipefail
cli="$1"
source_dir="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v pdftotext >/dev/null || fail "pdftotext missing (scripts/deps.sh installs poppler-utils)"

plan="$source_dir/resources/Double.plan"
year=$("$cli" check "$plan" | sed -n 's/^Current year: //p')
[ -n "$year" ] || fail "check did not print the current year"

for view in future today; do
  option=()
  name="Future dollars (each year's own)"
  if [ "$view" = today ]; then option=(--current-dollars); name="Today's dollars ($year)"; fi
  "$cli" print-plan "$plan" --pdf "$work/plan.pdf" "${option[@]}" || fail "print-plan exited with $?"
  "$cli" print-graph "$plan" --pdf "$work/graph.pdf" "${option[@]}" || fail "print-graph exited with $?"
  for printout in plan graph; do
    text=$(pdftotext -enc UTF-8 "$work/$printout.pdf" -)
    grep -qF "$name" <<<"$text" || fail "$printout printout in $view's view: \"$name\" not found"
    ! grep -q "Inflation Adjusted" <<<"$text" || fail "$printout printout still says \"Inflation Adjusted\""
    ligatures=$(grep -c $'\xef\xac[\x80-\x86]' <<<"$text" || true)
    [ "$ligatures" -eq 0 ] || fail "$printout printout: $ligatures lines hold ligature glyphs"
  done
done
echo "searchable print: ok"
