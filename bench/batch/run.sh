#!/usr/bin/env bash
# The batch mode's figure: N formulas (10 000 by default) through one
# `tavlix-formel --batch` process against N separate calls, in one run, on
# the same formulas; both must give the same results. Prints wall-clock and
# CPU seconds (user + system) of each way and the ratio.
#
#   bash bench/batch/run.sh [N] [tavlix-formel]
set -euo pipefail
n=${1:-10000}
tf=${2:-build/src/cli/tavlix-formel}
[ -x "$tf" ] || { echo "no $tf: build first" >&2; exit 2; }
tid=/usr/bin/time
[ -x "$tid" ] || { echo "needs GNU time (/usr/bin/time)" >&2; exit 2; }
mappe=$(mktemp -d)
trap 'rm -rf "$mappe"' EXIT

# Formulas of a few keys each: sums, products, powers, functions.
awk -v n="$n" 'BEGIN { srand(20); for (i = 0; i < n; i++) {
  a = int(rand() * 1000); b = int(rand() * 100) + 1; c = int(rand() * 9) + 1
  k = i % 4
  if (k == 0) printf "%d+%d*%d=\n", a, b, c
  else if (k == 1) printf "%d/%d-%d=\n", a, b, c
  else if (k == 2) printf "%d^%d=\n", c, c
  else printf "%ds+%dc=\n", a, b } }' >"$mappe/formler.txt"

"$tid" -f "%e %U %S" -o "$mappe/batch.tid" "$tf" --batch <"$mappe/formler.txt" >"$mappe/batch.txt"
"$tid" -f "%e %U %S" -o "$mappe/enkelt.tid" bash -c '
  while IFS= read -r f; do "$1" -- "$f"; done <"$2"' _ "$tf" "$mappe/formler.txt" >"$mappe/enkelt.txt"

cmp -s "$mappe/batch.txt" "$mappe/enkelt.txt" || { echo "the two ways differ" >&2; exit 1; }
read -r bv bu bs <"$mappe/batch.tid"
read -r ev eu es <"$mappe/enkelt.tid"
awk -v n="$n" -v bv="$bv" -v bu="$bu" -v bs="$bs" -v ev="$ev" -v eu="$eu" -v es="$es" 'BEGIN {
  bc = bu + bs; ec = eu + es
  printf "%d formulas, same results both ways\n", n
  printf "%-26s %10s %10s %14s\n", "", "wall s", "CPU s", "CPU ms/formula"
  printf "%-26s %10.2f %10.2f %14.3f\n", "one --batch process", bv, bc, 1000 * bc / n
  printf "%-26s %10.2f %10.2f %14.3f\n", "separate calls", ev, ec, 1000 * ec / n
  printf "separate / batch: %.0fx wall, %.0fx CPU\n", ev / (bv > 0 ? bv : 0.01), ec / (bc > 0 ? bc : 0.01) }'
