#!/usr/bin/env bash
# End-to-end checks of `prevora-cli report`: its figures are those forecast,
# simulate and solve print for the same settings, its page count does not
# drift, and a plan without an answer says so. Arguments: the CLI binary, the source folder.
set -u
cli="$1"
plan="$2/resources/Double.plan"
source "$(dirname "$0")/support/checks.sh"
odds=(--trials 400 --seed 7)

# The PDF's words on one line each, so wrapped sentences still match.
words_of() { pdftotext -enc UTF-8 "$1" - | tr '\n' ' ' | tr -s ' '; }
has() { grep -qF -- "$2" <<<"$1" || fail "report lacks \"$2\""; }

"$cli" report "$plan" --pdf "$work/report.pdf" --paper letter "${odds[@]}" 2>"$work/err" || fail "report: $(cat "$work/err")"
text=$(words_of "$work/report.pdf")
pages=$(pdfinfo "$work/report.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 15 ] || fail "report of Double.plan on letter has $pages pages, not 15"
has "$text" "page 1 of $pages"
has "$text" "page $pages of $pages"
for title in Summary Odds "Stress tests" Sensitivity "Year table" Inputs Notes "Financial Graph for John Smith"; do
  has "$text" "$title"
done

# Net worth at John's retirement (65) and at 90, as forecast prints them in today's dollars.
"$cli" forecast "$plan" --current-dollars >"$work/forecast"
for age in 65 90; do
  has "$text" "$(awk -v age="$age" '$2 == age { print $3 }' "$work/forecast")"
done
"$cli" simulate "$plan" "${odds[@]}" >"$work/simulate"
has "$text" "$(sed -n 's/^Never took new debt: \(.*\) of trials$/\1/p' "$work/simulate")"
"$cli" simulate "$plan" --model bootstrap "${odds[@]}" >"$work/bootstrap"
has "$text" "$(sed -n 's/^Never took new debt: \(.*\) of trials$/\1/p' "$work/bootstrap")"
for request in "--lever spending" "--lever spending --odds 90 ${odds[*]}" "--lever retire-age --person both --odds 90 ${odds[*]}"; do
  # shellcheck disable=SC2086
  "$cli" solve "$plan" $request >"$work/solve"
  has "$text" "$(sed -n 's/^Answer: //p' "$work/solve")"
  has "$text" "$(sed -n 's/^Proof: //p' "$work/solve")"
done

# A4 on request; the paper changes, the figures do not.
"$cli" report "$plan" --pdf "$work/a4.pdf" --paper a4 "${odds[@]}" 2>/dev/null || fail "A4 report"
pdfinfo "$work/a4.pdf" | grep -q "(A4)" || fail "--paper a4 did not give A4 sheets"

# No salaries and no savings: no spending keeps it from borrowing, and the summary says so in words.
sed -e '21s/.*/0/' -e '27s/.*/0/' -e '33s/.*/0/' -e '34s/.*/0/' "$plan" >"$work/broke.plan"
"$cli" report "$work/broke.plan" --pdf "$work/broke.pdf" "${odds[@]}" 2>"$work/err" || fail "broke report: $(cat "$work/err")"
has "$(words_of "$work/broke.pdf")" "Largest yearly spending, on the plan's own rates: no answer: no value within the bounds meets the target: even at \$0 a year the plan borrows against the home in"

# Mistakes are usage errors, and nothing is written.
"$cli" report "$plan" --pdf "$work/x.pdf" --model historical 2>/dev/null
[ $? = 1 ] || fail "--model was not refused"
"$cli" report "$plan" --pdf "$work/x.pdf" --paper legal 2>/dev/null
[ $? = 1 ] || fail "--paper legal was not refused"
[ ! -e "$work/x.pdf" ] || fail "a refused report wrote a file"
finish "cli report"
