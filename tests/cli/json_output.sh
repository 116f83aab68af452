#!/usr/bin/env bash
# --format json parses back and says what the text and TSV say: forecast and
# simulate --trial field by field against TSV, check against the plan; hostile
# names stay valid JSON and come back as they were.
set -euo pipefail
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v jq >/dev/null || fail "jq missing (scripts/deps.sh installs it)"

# The year objects back as TSV: the first object's keys as the header, then
# every object's values in that order. Fails unless every value is a number.
as_tsv() {
  jq -r '(.[0] | keys_unsorted) as $keys
         | if all(.[][]; type == "number") then . else error("a value is not a number") end
         | ($keys | @tsv), (.[] | [.[$keys[]]] | @tsv)'
}

# same_table NAME ARGS...: the JSON of `prevora-cli ARGS --format json` is the TSV, field by field.
same_table() {
  local name="$1"
  shift
  "$@" --format tsv >"$work/tsv" || fail "$name: tsv run exited $?"
  "$@" --format json >"$work/json" || fail "$name: json run exited $?"
  as_tsv <"$work/json" >"$work/back" || fail "$name: json does not parse back: $(head -c 300 "$work/json")"
  diff -q "$work/tsv" "$work/back" >/dev/null || fail "$name: json differs from tsv: $(diff "$work/tsv" "$work/back" | head -n 4)"
  # Each object holds exactly the header's fields, no more.
  jq -e --argjson n "$(head -n 1 "$work/tsv" | tr '\t' '\n' | wc -l)" 'all(.[]; length == $n)' "$work/json" >/dev/null ||
    fail "$name: an object has other fields than the header"
}

same_table "forecast" "$cli" forecast "$plan"
same_table "forecast --current-dollars" "$cli" forecast "$plan" --current-dollars
same_table "forecast --all-fields" "$cli" forecast "$plan" --all-fields
same_table "forecast --all-fields --current-dollars" "$cli" forecast "$plan" --all-fields --current-dollars
same_table "simulate --trial" "$cli" simulate "$plan" --trials 20 --threads 1 --trial 7 --current-dollars --all-fields
# The golden table, so the TSV the JSON matches is the right one.
"$cli" forecast "$plan" --all-fields --format json --past-inflation plan --tax-rules curve | as_tsv | cmp -s - "$src/tests/data/double_forecast.tsv" ||
  fail "forecast --all-fields json differs from the golden table"

# check: the summary the text gives, as fields.
json=$("$cli" check "$plan" --format json) || fail "check json exited $?"
rows=$(($("$cli" forecast "$plan" --format tsv | wc -l) - 1))
jq -e --argjson rows "$rows" \
  '. == {name: "Double.plan", persons: 2, names: ["John Smith", "Mary Smith"], ages: [45, 43],
         currentYear: 2026, rows: $rows}' <<<"$json" >/dev/null || fail "check json of Double.plan: $json"
sed '2s/.*/1\r/' "$plan" >"$work/One.plan"
"$cli" check "$work/One.plan" --format json | jq -e '.persons == 1 and .names == ["John Smith"] and .ages == [45]' \
  >/dev/null || fail "check json of a one-person plan: $("$cli" check "$work/One.plan" --format json)"
text=$("$cli" check "$plan") || fail "check text exited $?"
grep -qx "Current year: 2026" <<<"$text" || fail "check text lacks the current year: $text"
grep -qx "Forecast years: $rows" <<<"$text" || fail "check text lacks the forecast years: $text"

# Hostile texts. A plan name with quotes and a backslash is kept from the file;
# one with control characters gives way to the file's own name, which may hold
# them too. Bytes that are not UTF-8 come back as the Latin-1 letters they code.
person=$'Ren\xe9 "Q" \\ \x1b[31m\x01'
person_back=$'Ren\xc3\xa9 "Q" \\ \x1b[31m\x01'
name='Say "hi" \ back.plan'
mapfile -t lines <"$plan"
lines[0]="$name"$'\r'
lines[2]="$person"$'\r'
printf '%s\n' "${lines[@]}" >"$work/Quoted.plan"
json=$("$cli" check "$work/Quoted.plan" --format json) || fail "check of Quoted.plan exited $?"
jq -e --arg name "$name" --arg person "$person_back" '.name == $name and .names[0] == $person' <<<"$json" >/dev/null ||
  fail "hostile names did not come back: $json"
file=$'ctl\t\x1b"\\\x7f.plan'
sed -e $'1s/.*/bell\x07.plan\r/' "$plan" >"$work/$file"
json=$("$cli" check "$work/$file" --format json) || fail "check of a control-character file name exited $?"
jq -e --arg name "$file" '.name == $name' <<<"$json" >/dev/null || fail "the file's name did not come back: $json"
# The JSON itself holds no raw control character; the text view escapes them too.
! LC_ALL=C grep -q $'[\x01-\x1f]' <<<"$(tr -d '\n' <<<"$json")" || fail "raw control character in: $json"

# Output that cannot be written is a failure, not a success.
if [ -w /dev/full ]; then
  for command in "check $plan" "forecast $plan"; do
    status=0
    # shellcheck disable=SC2086
    "$cli" $command --format json >/dev/full 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "$command --format json into a full disk exited $status, expected 2"
  done
fi

echo "json_output: all passed"
