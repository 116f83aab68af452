# Sourced by the scripts that check a rule every command that forecasts takes:
# the sample plan and its edited copy in the scratch folder, the commands on
# them, and `run`, a command's output without its timing (a picture by its
# digest).
cp "$src/resources/Double.plan" "$src/tests/data/double_compare.plan" "$work/"
cd "$work" || exit 1

commands=(
  "forecast Double.plan"
  "explain Double.plan --year 2030 --field IncomeTaxes"
  "diff Double.plan double_compare.plan"
  "simulate Double.plan --trials 200 --threads 1"
  "simulate Double.plan --model historical --threads 1"
  "simulate Double.plan --model bootstrap --trials 200 --threads 1"
  "solve Double.plan --lever spending"
  "solve Double.plan --lever retire-age --odds 80 --trials 200 --threads 1"
  "frontier Double.plan --lever retire-age --from 60 --to 62 --solve spending"
  "sensitivity Double.plan"
  "graph Double.plan --out graph.png"
)

run() {
  "$cli" "$@" 2>/dev/null | grep -v '^Forecasts run: '
  [ ! -f graph.png ] || { sha256sum <graph.png; rm -f graph.png; }
}

# named_in_printouts OPTION VALUE NOTE: with `OPTION VALUE` every printed page
# carries NOTE at its foot; by default no page names the rule.
named_in_printouts() {
  local option=$1 value=$2 note=$3 printout pages
  for printout in print-plan print-graph; do
    "$cli" "$printout" Double.plan --pdf default.pdf && "$cli" "$printout" Double.plan --pdf chosen.pdf "$option" "$value" 2>/dev/null ||
      fail "$printout exited $?"
    pages=$(pdftotext chosen.pdf - | tr -d '\f' | grep -c "$note")
    [ "$pages" -eq "$(pdfinfo chosen.pdf | awk '/^Pages:/ {print $2}')" ] || fail "$printout $option $value names it on $pages pages"
    ! pdftotext default.pdf - | grep -q "$note" || fail "$printout by default names $note"
  done
}
