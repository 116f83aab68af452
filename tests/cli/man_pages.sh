#!/usr/bin/env bash
# The man pages built from the programs' --help render without warnings, name
# every command and option the help names, and document the exit codes the
# tool really returns.
set -euo pipefail
cli="$1"
build_dir=$(dirname "$cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v man >/dev/null || fail "man missing (scripts/deps.sh installs man-db)"

render() { LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -l "$1" 2>"$work/warnings" | col -b; }
# Options as they appear in text: "-h", "--format", after a blank or a bracket.
options() { grep -oE -- '(^|[][ ,])--?[a-z]([a-z-]*[a-z])?' | sed 's/^[][ ,]*//' | sort -u; }

for program in prevora prevora-cli; do
  page="$build_dir/man/$program.1"
  [ -f "$page" ] || fail "$page was not built"
  [ ! "$build_dir/$program" -nt "$page" ] || fail "$page is older than $program"
  text=$(render "$page")
  [ ! -s "$work/warnings" ] || fail "$program.1 renders with warnings: $(cat "$work/warnings")"
  for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" "SEE ALSO"; do
    grep -qx "$section" <<<"$text" || fail "$program.1 lacks $section"
  done
  help=$("$build_dir/$program" --help)
  help_options=$(options <<<"$help")
  [ -n "$help_options" ] || fail "no options found in $program --help"
  [ "$help_options" = "$(options <<<"$text")" ] || fail "$program.1 and $program --help name different options"
done

cli_text=$(render "$build_dir/man/prevora-cli.1")
commands=$("$cli" --help | sed -nE 's/^ +prevora-cli ([a-z-]+).*/\1/p')
[ -n "$commands" ] || fail "no commands found in prevora-cli --help"
for command in $commands; do
  grep -qE "^ +prevora-cli $command( |$)" <<<"$cli_text" || fail "prevora-cli.1 lacks the $command command"
done

# The exit codes the page documents are the ones --help gives, once, and the
# ones the tool returns.
documented=$(sed -n '/^EXIT STATUS$/,/^[A-Z]/p' <<<"$cli_text" | grep -oE '^ +[0-9]+ ' | tr -d ' ' | paste -sd,)
[ "$documented" = "0,1,2,3" ] || fail "prevora-cli.1 documents exit codes $documented"
[ "$(grep -cx 'EXIT STATUS' <<<"$cli_text")" -eq 1 ] || fail "prevora-cli.1 has more than one EXIT STATUS section"
in_help=$("$cli" --help | sed -n '/^Exit status:$/,/^$/p' | grep -oE '^  [0-9]+ ' | tr -d ' ' | paste -sd,)
[ "$in_help" = "$documented" ] || fail "prevora-cli --help gives exit codes '$in_help', the page $documented"
status=0
"$cli" no-such-command 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "an unknown command exits with $status, the page says 1"
status=0
"$cli" check "$work/missing.plan" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unreadable plan exits with $status, the page says 2"
sed -e '21s/.*/0/' -e '27s/.*/0/' -e '33s/.*/0/' -e '34s/.*/0/' "$(dirname "$0")/../../resources/Double.plan" \
  >"$work/broke.plan"
status=0
"$cli" solve "$work/broke.plan" --lever spending >/dev/null || status=$?
[ "$status" -eq 3 ] || fail "a solve without an answer exits with $status, the page says 3"
echo "man pages: ok"
