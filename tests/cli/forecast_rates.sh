#!/usr/bin/env bash
# End-to-end checks of `prevora-cli forecast PLAN --rates FILE`. Arguments: the CLI binary, the source folder.
set -u
cli="$1"
src="$2"
plan="$src/resources/Double.plan"
source "$(dirname "$0")/support/checks.sh"

header="Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth"
plain=$("$cli" forecast "$plan" --all-fields --format tsv) || fail "run without rates exited $?"
first=$(printf '%s\n' "$plain" | sed -n 2p | cut -f1)
years=$(($(printf '%s\n' "$plain" | wc -l) - 1))


# The plan's own rates (plan file lines 51 and 53-55) give the plan's own
# forecast; rows past the forecast are ignored.
line() { sed -n "$1p" "$plan" | tr -d '\r'; }
inflation=$(line 51) estate=$(line 53) taxable=$(line 54) deferred=$(line 55)
{
  echo "$header"
  for ((i = 0; i < years + 5; i++)); do echo "$((first + i)),$inflation,$taxable,$deferred,$estate"; done
} >"$work/own.csv"
own=$("$cli" forecast "$plan" --all-fields --format tsv --rates "$work/own.csv") || fail "own rates exited $?"
[ "$own" = "$plain" ] || fail "the plan's own rates changed the forecast"

# rates YEARS INFLATION: the plan's own rates in the first year, then others.
rates() {
  echo "$header"
  echo "$first,$inflation,$taxable,$deferred,$estate"
  for ((i = 1; i < $1; i++)); do echo "$((first + i)),$2,4,5,1"; done
}

# Other rates from year 2 on change later years, not the first, and
# --current-dollars applies.
rates "$years" 9 >"$work/high.csv"
high=$("$cli" forecast "$plan" --format csv --current-dollars --rates "$work/high.csv") || fail "high rates exited $?"
[ "$(printf '%s\n' "$high" | sed -n 2p)" = "$("$cli" forecast "$plan" --format csv --current-dollars | sed -n 2p)" ] ||
  fail "other rates changed the first year"
[ "$(printf '%s\n' "$high" | tail -n 1)" != "$("$cli" forecast "$plan" --format csv --current-dollars | tail -n 1)" ] ||
  fail "other rates left the last year as it was"

# Each refusal: exit status 2 and a message naming the file and the line.
refuse() {
  local name="$1" expected="$2"
  local out
  out=$("$cli" forecast "$plan" --rates "$work/$name" 2>&1 >/dev/null)
  local status=$?
  [ $status -eq 2 ] || fail "$name: exit status $status, not 2"
  printf '%s\n' "$out" | grep -qF -- "$expected" || fail "$name: message '$out' lacks '$expected'"
}
# A file of the first years equals a full one whose later rows repeat the plan's rates, and says from when.
rates 3 9 >"$work/short.csv"
{
  rates 3 9
  for ((i = 3; i < years; i++)); do echo "$((first + i)),$inflation,$taxable,$deferred,$estate"; done
} >"$work/filled.csv"
short=$("$cli" forecast "$plan" --all-fields --format tsv --rates "$work/short.csv" 2>"$work/short.err") ||
  fail "short file exited $?"
[ "$short" = "$("$cli" forecast "$plan" --all-fields --format tsv --rates "$work/filled.csv")" ] ||
  fail "a short file differs from the full file of the plan's later rates"
grep -qF "short.csv holds rates to $((first + 2)); from $((first + 3)) on the forecast takes the plan's rates" \
  "$work/short.err" || fail "short file note: $(cat "$work/short.err")"

# explain --rates explains the cell forecast --rates shows, in the years the short file covers and after.
table=$("$cli" forecast "$plan" --all-fields --format csv --rates "$work/short.csv" 2>/dev/null)
for field in NetWorth IncomeTaxes Expenses TaxDeferred; do
  for year in $((first + 2)) $((first + 10)) $((first + years - 1)); do
    cell=$(printf '%s\n' "$table" | awk -F, -v f="$field" -v y="$year" \
      'NR == 1 { for (i = 1; i <= NF; i++) if ($i == f) c = i } $1 == y { print $c }')
    "$cli" explain "$plan" --year "$year" --field "$field" --rates "$work/short.csv" --format json 2>/dev/null |
      jq -e --argjson cell "$cell" '.value == $cell' >/dev/null || fail "explain --rates $field $year is not $cell"
  done
done
"$cli" explain "$plan" --year "$first" --field NetWorth --rates "$work/short.csv" --history-start 1966 >/dev/null 2>&1
[ $? -eq 1 ] || fail "explain with --rates and --history-start must be a usage error"
echo "$header" >"$work/empty.csv"
refuse empty.csv "empty.csv:2: the file holds no rates"
{ echo "$header"; echo "$first,2,4,5"; } >"$work/missing.csv"
refuse missing.csv "missing.csv:2: expected 5 columns, found 4"
{ echo "$header"; echo "$first,2,4,5,1,7"; } >"$work/extra.csv"
refuse extra.csv "extra.csv:2: expected 5 columns, found 6"
{ echo "$header"; echo "$first,2,four,5,1"; } >"$work/word.csv"
refuse word.csv "word.csv:2: TaxableReturn \"four\" is not a finite number"
{ echo "$header"; echo "$first,nan,4,5,1"; } >"$work/nan.csv"
refuse nan.csv "nan.csv:2: Inflation \"nan\" is not a finite number"
{ echo "$header"; echo "$first,2,4,5,inf"; } >"$work/inf.csv"
refuse inf.csv "inf.csv:2: RealEstateGrowth \"inf\" is not a finite number"
{ echo "$header"; echo "$first,2,1e300,5,1"; } >"$work/huge.csv"
refuse huge.csv "huge.csv:2: TaxableReturn \"1e300\" is not above -100 and at most 1,000 percent"
sed '51s/.*/1e300\r/' "$plan" >"$work/huge.plan"
message=$("$cli" forecast "$work/huge.plan" 2>&1 >/dev/null)
[ $? -eq 2 ] || fail "a plan with a rate of 1e300 must exit 2"
printf '%s\n' "$message" | grep -qF "line 51 of" || fail "huge plan message lacks the line: $message"

# Within the range amounts can still outgrow 64 bits: the output says so, the status stays 0.
rates "$years" 1000 >"$work/steep.csv"
message=$("$cli" forecast "$plan" --rates "$work/steep.csv" 2>&1 >/dev/null) || fail "steep rates exited $?"
printf '%s\n' "$message" | grep -qF "reached the largest figure" || fail "saturation not told: '$message'"
message=$("$cli" forecast "$plan" 2>&1 >/dev/null)
[ -z "$message" ] || fail "the plan's own forecast printed '$message'"
echo "Year,Rate" >"$work/header.csv"
refuse header.csv "header.csv:1: expected the header $header"
refuse absent.csv "absent.csv"

"$cli" forecast "$plan" --rates >/dev/null 2>&1
[ $? -eq 1 ] || fail "--rates without a file must be a usage error"
"$cli" --help | grep -qF -- "--rates FILE" || fail "--help does not show --rates"

# A named pipe is refused at once instead of waiting for a writer.
mkfifo "$work/pipe.csv"
message=$(timeout 10 "$cli" forecast "$plan" --rates "$work/pipe.csv" 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] || fail "a pipe as the rate file must exit 2, got $status"
case "$message" in *"named pipe"*) ;; *) fail "pipe message: $message" ;; esac

finish "forecast rates"
