#!/usr/bin/env bash
# Each command answers a command line it cannot take in its own words and
# with status 1, before it reads any plan; and the tool links no widgets.
set -euo pipefail
cli="$1"
source_dir="$2"
plan="$source_dir/resources/Double.plan"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# expect STDERR ARGS...: status 1, nothing on stdout, exactly STDERR on stderr.
expect() {
  local want="$1"; shift
  local status=0
  "$cli" "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 1 ] || fail "$* exited with $status, expected 1"
  [ ! -s "$work/out" ] || fail "$* wrote to stdout"
  [ "$(cat "$work/err")" = "$want" ] || fail "$* said: $(cat "$work/err")"
}

forecast_usage="Usage: prevora-cli forecast PLAN [--current-dollars] [--all-fields] [--format text|tsv|csv|json] [--rates FILE]
      [--history-start YEAR [--history FILE] [--start-at first-year|retirement]]
      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]
      [--home-equity-limit floor|first-design]
      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]
      [--convert DOLLARS] [--fill-ages FROM-TO]"
expect "prevora-cli: --format takes text, tsv, csv or json
$forecast_usage" forecast "$plan" --format xml
expect "prevora-cli: --format needs a value
$forecast_usage" forecast "$plan" --format
expect "prevora-cli: unexpected argument '-x'
$forecast_usage" forecast "$plan" -x
expect "prevora-cli: unexpected argument '$plan'
$forecast_usage" forecast "$plan" "$plan"
expect "prevora-cli: --rates needs a file
$forecast_usage" forecast "$plan" --rates ""
expect "prevora-cli: --start-at needs --history-start YEAR
$forecast_usage" forecast "$plan" --start-at retirement
expect "prevora-cli: --start-at takes first-year or retirement
$forecast_usage" forecast "$plan" --history-start 1966 --start-at 2040
# An echoed argument is cut short and shows control bytes escaped.
expect "prevora-cli: unexpected argument '-\\x1B[2J$(printf 'x%.0s' $(seq 1 95))...'
$forecast_usage" forecast "$plan" "-$(printf '\033')[2J$(printf 'x%.0s' $(seq 1 200))"

explain_usage="Usage: prevora-cli explain PLAN --year YEAR --field NAME [--current-dollars] [--depth N] [--format text|json]
      [--rates FILE | --history-start YEAR [--history FILE] [--start-at first-year|retirement]]
      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]
      [--home-equity-limit floor|first-design]
      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]
      [--convert DOLLARS] [--fill-ages FROM-TO]"
expect "prevora-cli: --format takes text or json
$explain_usage" explain "$plan" --year 2040 --field NetWorth --format xml
expect "prevora-cli: a plan, --year and --field are required
$explain_usage" explain "$plan" --field NetWorth

check_usage="Usage: prevora-cli check PLAN [--format text|json]"
expect "prevora-cli: --format takes text or json
$check_usage" check "$plan" --format yaml
expect "prevora-cli: --format needs a value
$check_usage" check "$plan" --format
expect "prevora-cli: unexpected argument '$plan'
$check_usage" check "$plan" "$plan"
expect "prevora-cli: a plan is required
$check_usage" check

diff_first="Usage: prevora-cli diff BASE.plan OTHER.plan [--current-dollars] [--metric NAME] [--attribution sequential|shapley] [--format text|json|csv]"
for case in "two plans are required|$plan" "--format takes text, json or csv|$plan $plan --format xml" \
  "--attribution takes sequential or shapley|$plan $plan --attribution random" "--rates needs a value|$plan $plan --rates" \
  "unexpected argument '--bogus'|$plan $plan --bogus"; do
  # shellcheck disable=SC2086
  "$cli" diff ${case#*|} >/dev/null 2>"$work/err" && fail "diff ${case#*|} was taken"
  [ "$(head -2 "$work/err")" = "prevora-cli: ${case%%|*}
$diff_first" ] || fail "diff ${case#*|} said: $(cat "$work/err")"
done

graph_usage="Usage: prevora-cli graph PLAN --out FILE.png|FILE.bmp [--size WxH] [--current-dollars] [--curves LIST]
      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]
      [--home-equity-limit floor|first-design]
      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]
      [--convert DOLLARS] [--fill-ages FROM-TO]"
expect "prevora-cli: unexpected argument '--bogus'
$graph_usage" graph "$plan" --bogus
expect "prevora-cli: --size takes WIDTHxHEIGHT in pixels, e.g. 506x574, each from 1 to 16384
$graph_usage" graph "$plan" --out "$work/g.png" --size 16385x10
expect "prevora-cli: a plan and --out are required
$graph_usage" graph "$plan"
expect "prevora-cli: the output file must end in .png or .bmp: $work/g.gif
$graph_usage" graph "$plan" --out "$work/g.gif"

expect "prevora-cli: unexpected argument '--curves'" print-plan "$plan" --pdf "$work/p.pdf" --curves 1
expect "prevora-cli: --curves takes curve numbers 1 to 8 separated by commas" \
  print-graph "$plan" --pdf "$work/p.pdf" --curves 1,,2
expect "Usage: prevora-cli print-graph PLAN --pdf OUT.pdf [--current-dollars] [--curves LIST] [--past-inflation recorded|plan]
      [--tax-rules law|curve] [--deflation hold|follow]
      [--home-equity-limit floor|first-design]
      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]
      [--convert DOLLARS] [--fill-ages FROM-TO]" print-graph "$plan"
expect "prevora-cli: --past-inflation takes recorded or plan" print-plan "$plan" --pdf "$work/p.pdf" --past-inflation guessed
expect "prevora-cli: --tax-rules takes law or curve" print-plan "$plan" --pdf "$work/p.pdf" --tax-rules guessed
expect "prevora-cli: --home-equity-limit takes floor or first-design" print-plan "$plan" --pdf "$work/p.pdf" --home-equity-limit none
# The strategy inputs take what a plan file may hold, on every command that forecasts.
order="--withdrawal-order takes taxable, deferred and roth, each once, joined by commas"
ages="--fill-ages takes the first person's ages FROM-TO, whole numbers, FROM not after TO (63-72)"
for case in "$order|--withdrawal-order|taxable,roth" "$order|--withdrawal-order|roth,roth,taxable" \
  "--fill-bracket takes 0, 10, 12, 22, 24 or 32|--fill-bracket|15" "--fill-into takes taxable or roth|--fill-into|Roth" \
  "--convert takes whole dollars a year, 0 or more|--convert|-5" "--convert takes whole dollars a year, 0 or more|--convert|1e4" \
  "$ages|--fill-ages|72-63" "$ages|--fill-ages|63"; do
  IFS='|' read -r reason option value <<<"$case"
  expect "prevora-cli: $reason, not \"$value\"
$forecast_usage" forecast "$plan" "$option" "$value"
  for command in explain graph print-plan print-graph diff simulate solve frontier sensitivity report strategies; do
    status=0
    "$cli" "$command" "$plan" "$option" "$value" >/dev/null 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && grep -qF -- "$reason, not \"$value\"" "$work/err" ||
      fail "$command $option $value exited $status: $(cat "$work/err")"
  done
done

[ -z "$(ls "$work")" ] || [ "$(ls "$work")" = "$(printf 'err\nout')" ] || fail "a refused command wrote a file"

if command -v ldd >/dev/null; then
  ! ldd "$cli" | grep -q 'Qt6Widgets\|Qt6PrintSupport' || fail "prevora-cli links Qt Widgets or PrintSupport"
fi
echo "usage: all passed"
