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
      [--history-start YEAR [--history FILE]] [--past-inflation recorded|plan] [--tax-rules law|curve]"
expect "$forecast_usage" forecast "$plan" --format xml
expect "$forecast_usage" forecast "$plan" --format
expect "$forecast_usage" forecast "$plan" -x
expect "$forecast_usage" forecast "$plan" "$plan"

explain_usage="Usage: prevora-cli explain PLAN --year YEAR --field NAME [--current-dollars] [--depth N] [--format text|json]
      [--rates FILE | --history-start YEAR [--history FILE]] [--past-inflation recorded|plan]
      [--tax-rules law|curve]"
expect "prevora-cli: --format takes text or json
$explain_usage" explain "$plan" --year 2040 --field NetWorth --format xml
expect "prevora-cli: a plan, --year and --field are required
$explain_usage" explain "$plan" --field NetWorth

check_usage="Usage: prevora-cli check PLAN [--format text|json]"
expect "$check_usage" check "$plan" --format yaml
expect "$check_usage" check "$plan" --format
expect "$check_usage" check "$plan" "$plan"
expect "$check_usage" check

graph_usage="Usage: prevora-cli graph PLAN --out FILE.png|FILE.bmp [--size WxH] [--current-dollars] [--curves LIST]
      [--past-inflation recorded|plan] [--tax-rules law|curve]"
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
      [--tax-rules law|curve]" print-graph "$plan"
expect "prevora-cli: --past-inflation takes recorded or plan" print-plan "$plan" --pdf "$work/p.pdf" --past-inflation guessed
expect "prevora-cli: --tax-rules takes law or curve" print-plan "$plan" --pdf "$work/p.pdf" --tax-rules guessed
[ -z "$(ls "$work")" ] || [ "$(ls "$work")" = "$(printf 'err\nout')" ] || fail "a refused command wrote a file"

if command -v ldd >/dev/null; then
  ! ldd "$cli" | grep -q 'Qt6Widgets\|Qt6PrintSupport' || fail "prevora-cli links Qt Widgets or PrintSupport"
fi
echo "usage: all passed"
