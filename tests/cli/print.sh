#!/usr/bin/env bash
# print-plan and print-graph write the printouts as PDF: six plan pages for a
# plan of more than 40 years, three otherwise, one graph page; bad arguments
# and unreadable plans fail without output.
set -euo pipefail
cli="$1"
source_dir="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }
has_pdfinfo=0
command -v pdfinfo >/dev/null && has_pdfinfo=1

# Double.plan's first person is 45: 46 years, two pages a section.
"$cli" print-plan "$source_dir/resources/Double.plan" --pdf "$work/plan.pdf" || fail "print-plan exited with $?"
head -c 5 "$work/plan.pdf" | grep -q '%PDF-' || fail "print-plan did not write a PDF"

# The same household at 60: 31 years, one page a section.
sed '4s/.*/60\r/' "$source_dir/resources/Double.plan" > "$work/Older.plan"
"$cli" print-plan "$work/Older.plan" --pdf "$work/older.pdf" --current-dollars || fail "print-plan of Older.plan failed"

"$cli" print-graph "$source_dir/resources/Double.plan" --pdf "$work/graph.pdf" --curves 1,5 ||
  fail "print-graph exited with $?"
head -c 5 "$work/graph.pdf" | grep -q '%PDF-' || fail "print-graph did not write a PDF"

if [ "$has_pdfinfo" -eq 1 ]; then
  [ "$(pages "$work/plan.pdf")" -eq 6 ] || fail "plan printout has $(pages "$work/plan.pdf") pages, expected 6"
  [ "$(pages "$work/older.pdf")" -eq 3 ] || fail "older plan printout has $(pages "$work/older.pdf") pages, expected 3"
  [ "$(pages "$work/graph.pdf")" -eq 1 ] || fail "graph printout has $(pages "$work/graph.pdf") pages, expected 1"
  pdfinfo "$work/plan.pdf" | grep -q 'letter' || fail "plan printout is not on letter paper"
fi
if command -v pdftotext >/dev/null; then
  plan=$(pdftotext -layout "$work/plan.pdf" -)
  subtitles=$(grep -oE '(Assets|Expenses|Income) - Page [12] of 2' <<<"$plan" | paste -sd,)
  [ "$subtitles" = "Assets - Page 1 of 2,Assets - Page 2 of 2,Expenses - Page 1 of 2,Expenses - Page 2 of 2,Income - Page 1 of 2,Income - Page 2 of 2" ] ||
    fail "plan pages out of order: $subtitles"
  older=$(pdftotext "$work/older.pdf" -)
  grep -q "Today's dollars (" <<<"$older" || fail "current-dollar plan printout lacks its caption"
  text=$(pdftotext "$work/graph.pdf" -)
  grep -q "Net Worth" <<<"$text" || fail "graph legend lacks Net Worth"
  grep -q "Expenses" <<<"$text" || fail "graph legend lacks Expenses"
  ! grep -q "Investments" <<<"$text" || fail "graph legend shows a hidden curve"
fi

status=0
"$cli" print-plan "$source_dir/resources/Double.plan" 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "print-plan without --pdf exited with $status, expected 1"
status=0
"$cli" print-graph "$source_dir/resources/Double.plan" --pdf "$work/x.pdf" --curves 9 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "print-graph with curve 9 exited with $status, expected 1"
status=0
"$cli" print-plan "$work/Missing.plan" --pdf "$work/missing.pdf" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "print-plan of a missing plan exited with $status, expected 2"
[ ! -e "$work/missing.pdf" ] || fail "print-plan of a missing plan wrote a PDF"
status=0
"$cli" print-plan "$source_dir/resources/Double.plan" --pdf "$work/no/such/folder/p.pdf" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "print-plan into a missing folder exited with $status, expected 2"

echo "print: all passed"
