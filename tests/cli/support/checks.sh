# Sourced by the end-to-end scripts once they have set `cli` and `src`: a
# scratch folder `work` removed on exit, `fail` that counts what went wrong,
# and `finish NAME` that fails the script if anything failed (status 1, as a
# count could wrap to 0) or says all passed.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

finish() {
  [ "$failures" -eq 0 ] || exit 1
  echo "$1: all checks passed"
}
