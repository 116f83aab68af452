#!/usr/bin/env bash
# The text of the plan and graph printouts can be searched: words come out
# letter by letter, never as ligature glyphs (U+FB00..U+FB06) that a search
# for "Inflation" would miss.
set -euo pipefail
cli="$1"
source_dir="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v pdftotext >/dev/null || fail "pdftotext missing (scripts/deps.sh installs poppler-utils)"

plan="$source_dir/resources/Double.plan"
"$cli" print-plan "$plan" --pdf "$work/plan.pdf" || fail "print-plan exited with $?"
"$cli" print-graph "$plan" --pdf "$work/graph.pdf" || fail "print-graph exited with $?"

for printout in plan graph; do
  text=$(pdftotext -enc UTF-8 "$work/$printout.pdf" -)
  grep -q "Inflation Adjusted" <<<"$text" || fail "$printout printout: \"Inflation Adjusted\" not found"
  ligatures=$(grep -c $'\xef\xac[\x80-\x86]' <<<"$text" || true)
  [ "$ligatures" -eq 0 ] || fail "$printout printout: $ligatures lines hold ligature glyphs"
done
echo "searchable print: ok"
