#!/usr/bin/env bash
# An interrupt during a long run at a terminal ends the progress line with a
# line end, so what the shell writes next starts on a line of its own.
# Arguments: the CLI binary, the source folder.
set -u
cli="$1"
src="$2"
source "$(dirname "$0")/support/checks.sh"

if ! command -v script >/dev/null; then
  echo "progress: no terminal to run in, skipped"
  exit 0
fi
# A shell with job control, so the run in the background takes the interrupt.
script -qec "bash -mc '\"$cli\" simulate \"$src/resources/Double.plan\" --trials 100000 --threads 1 >/dev/null &
  sleep 2; kill -INT %1; wait'" "$work/terminal" >/dev/null
grep -aq 'Simulating: ' "$work/terminal" || fail "no progress line was shown"
grep -aq 'Interrupt' "$work/terminal" || fail "the run was not interrupted"
! grep -a 'Interrupt' "$work/terminal" | grep -q 'Simulating' || fail "the progress line was left without a line end"
finish "progress"
