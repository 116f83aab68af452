#!/usr/bin/env bash
# sample writes a plan that check reads back; a damaged plan makes check fail
# with status 2 and its message on stderr.
set -euo pipefail
cli="$1"
source_dir="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cli" sample "$work/Fresh.plan" || fail "sample exited with $?"
[ "$(wc -l < "$work/Fresh.plan")" -eq 166 ] || fail "sample plan does not have 166 lines"
[ "$(grep -c $'\r$' "$work/Fresh.plan")" -eq 166 ] || fail "sample plan lines do not end with CR LF"

out=$("$cli" check "$work/Fresh.plan") || fail "check of the sample exited with $?"
grep -qx "Plan: Fresh.plan" <<<"$out" || fail "check did not name the plan: $out"
# sample writes the plan the desktop opens; new writes the plan File > New starts.
[ "$("$cli" forecast "$work/Fresh.plan")" = "$("$cli" forecast "$source_dir/resources/Double.plan")" ] ||
  fail "sample is not the desktop's sample plan"
"$cli" new "$work/New.plan" || fail "new exited with $?"
out=$("$cli" check "$work/New.plan") || fail "check of the new plan exited with $?"
grep -qx "Person 1: John Smith, age 30" <<<"$out" || fail "check did not show person 1: $out"
grep -qx "Person 2: Mary Smith, age 28" <<<"$out" || fail "check did not show person 2: $out"

out=$("$cli" check "$source_dir/resources/Double.plan") || fail "check of Double.plan exited with $?"
grep -qx "Plan: Double.plan" <<<"$out" || fail "Double.plan is not named Double.plan: $out"
grep -qx "Persons: 2" <<<"$out" || fail "Double.plan is not a two-person plan: $out"

# A block key from a later release is reported and kept.
{ cat "$work/Fresh.plan"; printf '[Prevora]\r\nFullRetirementBenefit1=5000\r\nLaterReleaseInput=roth\r\n'; } > "$work/Later.plan"
out=$("$cli" check "$work/Later.plan") || fail "check of a plan with a block exited with $?"
grep -qx "Unknown inputs (kept on save, not used): LaterReleaseInput" <<<"$out" || fail "unknown key not reported: $out"
"$cli" check --format json "$work/Later.plan" | grep -qF '"unknownInputs": ["LaterReleaseInput"]' ||
  fail "unknown key not in the json summary"

# Line 5 (RetireAge1) made unreadable.
sed '5s/.*/sixty-five\r/' "$work/Fresh.plan" > "$work/Damaged.plan"
status=0
"$cli" check "$work/Damaged.plan" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "check of a damaged plan exited with $status, expected 2"
[ ! -s "$work/out" ] || fail "check of a damaged plan wrote to stdout"
grep -qF "'sixty-five' is not a valid integer value (line 5 of \"$work/Damaged.plan\")" "$work/err" ||
  fail "unexpected message: $(cat "$work/err")"

status=0
"$cli" check "$work/Missing.plan" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "check of a missing plan exited with $status, expected 2"
[ -s "$work/err" ] || fail "check of a missing plan said nothing"

status=0
"$cli" sample 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "sample without a file exited with $status, expected 1"

echo "sample_check: all passed"
