#!/usr/bin/env bash
# Every command that forecasts takes --deflation: "hold" is the default and
# changes nothing; "follow" is taken everywhere, said on stderr, and reaches
# the trials (the history's deflation years 1930-1932 and 1938 give the
# replay other figures).
# Arguments: the CLI binary, the source folder.
set -uo pipefail
export QT_QPA_PLATFORM=offscreen
cli=$(realpath "$1") src="$2"
source "$(dirname "$0")/support/checks.sh"
source "$(dirname "$0")/support/forecasting_commands.sh"

for command in "${commands[@]}"; do
  # shellcheck disable=SC2086
  "$cli" $command --deflation follow >/dev/null 2>follow.err || fail "$command --deflation follow exited $?"
  grep -q 'Deflation: spending follows prices down (--deflation follow)' follow.err ||
    fail "$command does not say that spending follows prices down"
done
rm -f graph.png
named_in_printouts --deflation follow "Deflation: spending follows prices down"

replay="simulate Double.plan --model historical --threads 1"
# shellcheck disable=SC2086
run $replay >default
# shellcheck disable=SC2086
run $replay --deflation hold >hold
# shellcheck disable=SC2086
run $replay --deflation follow >follow
cmp -s default hold || fail "--deflation hold is not the default"
cmp -s default follow && fail "--deflation follow did not reach the history's trials"
"$cli" simulate Double.plan --deflation fall >/dev/null 2>err && fail "--deflation fall was taken"
grep -q -- '--deflation takes hold or follow' err || fail "a wrong --deflation word is not named"
finish deflation
