#!/usr/bin/env bash
# Checks an installed Tavlix as a new user meets it:
#   tjek-installation.sh --install <cmake> <build folder>   stages `cmake --install` (DESTDIR)
#   tjek-installation.sh --tree <root>                      checks a staged tree (a .deb unpacked)
# The tree holds the configured prefix (/usr for Debian) below <root>. From
# there, with an empty home: the pieces lie where they belong, the first start
# lays down the data folder, a date difference is computed with the installed
# helper (also 20 at once), both run-time modules load (a print to PDF; a help
# page in the web view where the machine has a display server to run it on),
# every tavlix-formel mode runs once, and tavlix-graf draws and intersects.
# (No "find | head" or "| grep -q": with pipefail the early reader's
# SIGPIPE to find would fail the pipeline at random.)
set -euo pipefail
fejl=0
fail() { echo "FEJL: $*"; fejl=1; }

arbejde=$(mktemp -d)
trap 'rm -rf "$arbejde"' EXIT
case "${1:-}" in
  --install)
    cmake=$2 build=$3
    # Outside the build folder, so the program cannot fall back on the build.
    rod="$arbejde/rod"
    DESTDIR="$rod" "$cmake" --install "$build" >/dev/null
    ;;
  --tree) rod=$2 ;;
  *) echo "brug: $0 --install CMAKE BUILD | --tree ROD" >&2; exit 2 ;;
esac

bin=$(dirname "$(find "$rod" -path '*/bin/tavlix-formel' -type f -print -quit)")
[ -d "$bin" ] || { echo "FEJL: ingen bin/tavlix-formel under $rod"; exit 1; }
prefix=$(dirname "$bin")
echo "installation: $prefix"

# Where the pieces lie.
for f in bin/tavlix bin/tavlix-formel bin/tavlix-graf libexec/tavlix/datediff \
         share/applications/dk.tavlix.Tavlix.desktop \
         share/icons/hicolor/scalable/apps/dk.tavlix.Tavlix.svg \
         share/metainfo/dk.tavlix.Tavlix.metainfo.xml \
         share/bash-completion/completions/tavlix-formel \
         share/bash-completion/completions/tavlix-graf \
         share/doc/tavlix/copyright share/tavlix/install-data \
         share/tavlix/Tavlixmappe/Egenskaber share/tavlix/Tavlixmappe/Formler \
         share/tavlix/Tavlixmappe/Struktur; do
  [ -e "$prefix/$f" ] || fail "mangler: $f"
done
ls "$prefix"/share/man/man1/tavlix-formel.1* >/dev/null 2>&1 || fail "mangler: manualsiden tavlix-formel.1"
tryk=$(find "$prefix" -name 'libtavlix_tryk.so' -print -quit)
[ -n "$tryk" ] || fail "mangler: udskriftsmodulet libtavlix_tryk.so"
if [ -n "$(find "$prefix/share/tavlix" -name .gitkeep -print -quit)" ]; then fail "pladsholdere installeret"; fi
if [ -n "$(find "$prefix/share/tavlix/Tavlixmappe" -type f -perm -u+x -print -quit)" ]; then
  fail "et program i datamappens skabelon"
fi
# The bash completion loads and completes.
bash -c "source '$prefix/share/bash-completion/completions/tavlix-formel'
  COMP_WORDS=(tavlix-formel --qua); COMP_CWORD=1; _tavlix_formel
  [ \"\${COMPREPLY[*]}\" = --quadratic ]" || fail "bash-fuldførelsen af tavlix-formel"

# An empty home: the first start lays down the data folder.
export HOME="$arbejde/hjem"
mkdir -p "$HOME"
unset TAVLIX_WEBSIDE
side=""
selvtest=(env QT_QPA_PLATFORM=offscreen "$bin/tavlix")
# The web view needs a display server; under the sanitizers (scripts/sanitize
# sets ASAN_OPTIONS) the huge uninstrumented engine is left to the plain run.
if [ -z "${ASAN_OPTIONS:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
  selvtest=(xvfb-run -a -s "-screen 0 1024x768x24" "$bin/tavlix")
  side=$(find "$prefix/share/tavlix/Tavlixmappe/Struktur" -name '*.html' -print -quit)
  side="$HOME/Tavlixmappe/Struktur/${side#*/Tavlixmappe/Struktur/}"
fi
if ! "${selvtest[@]}" --self-test "$arbejde/udskrift.pdf" ${side:+"$side"} >"$arbejde/selvtest.txt" 2>&1; then
  cat "$arbejde/selvtest.txt"
  fail "tavlix --self-test"
fi
grep -E '^(start|datoer|udskrift|webside):' "$arbejde/selvtest.txt" || true
[ -d "$HOME/Tavlixmappe/Egenskaber" ] || fail "første start lagde ikke datamappen"
[ -e "$HOME/Tavlixmappe/datediff/datediff" ] && fail "et program i brugerens datamappe"
grep -q "^datoer: 1 år, 1 måned samt 1 dag. 397 dage ialt. ($prefix/libexec/tavlix/datediff)" \
  "$arbejde/selvtest.txt" || fail "datoberegningen brugte ikke den installerede hjælper"
head -c 5 "$arbejde/udskrift.pdf" 2>/dev/null | grep -q '%PDF-' || fail "ingen PDF fra udskriftsmodulet"

# Every tavlix-formel mode once, from the installed tree.
tf="$bin/tavlix-formel"
tjek() { # forventet, argumenter...
  local forventet=$1; shift
  local ud
  ud=$("$tf" "$@" 2>&1 | tr '\n' '|') || true
  [ "$ud" = "$forventet" ] || fail "tavlix-formel $*: '$ud', ventede '$forventet'"
}
tjek '14|' '2+3*4='
tjek 'Areal af et rektangel|Længde|Længde = 4|Bredde|Bredde = 2,5|Areal = 10|Udført||' \
  --program "$HOME/Tavlixmappe/Formler/Areal af rektangel.txt" --input 4 --input 2.5
tjek '1x^2 - 3x + 2 = 0|D = 1|x = 2|x = 1||' --quadratic 1 -3 2
tjek '2x + 3y = 7|1x - 1y = 1|x = 2|y = 1||' --equations + 2 3 7 + 1 -1 1
tjek 'n=3|Sum: 6|Gennemsnit: 2|Standardafvigelse: 1|' --statistics 1 2 3
tjek 'Kvadratmeter: 10117,141056|' --convert 2.5 Acre
tjek '255|' --base ff Hex Dec
tjek '1 år, 1 måned samt 1 dag.|397 dage ialt.|' --datediff 1-1-2019 2-2-2020
tjek 'Der blev fundet 2 tal, der går op i tallet.|3|5|' --prime 15
[ "$(printf '2+3=\n--prime 10\n' | "$tf" --batch)" = "$(printf '5\nfejl 1: Et lige tal kan ikke være et primtal!')" ] \
  || fail "tavlix-formel --batch"
# Twenty date runs at once on one data folder: each its own answer.
for i in $(seq 1 20); do
  "$tf" --datediff 1-1-2000 "$i-1-2001" >"$arbejde/dato$i.txt" 2>&1 &
done
wait
for i in $(seq 1 20); do
  dage=$((365 + 1 + i - 1))
  grep -q "^$dage dage ialt.$" "$arbejde/dato$i.txt" || fail "samtidig datoberegning $i: $(cat "$arbejde/dato$i.txt")"
done
if [ -n "$(find "$HOME/Tavlixmappe/datediff" -type f -print -quit)" ]; then fail "resultatfiler blev liggende"; fi

# tavlix-graf: an intersection and a picture.
[ "$("$bin/tavlix-graf" --curve "+ 1 1 2" --curve "+ 1 -1 0" --intersect 1 2)" = "x1 = 1
y1 = 1" ] || fail "tavlix-graf --intersect"
"$bin/tavlix-graf" --curve "a 1 0 -1" --out "$arbejde/graf.png" || fail "tavlix-graf --out"
[ -s "$arbejde/graf.png" ] || fail "tavlix-graf tegnede ikke"

[ $fejl = 0 ] && echo "installationen er i orden"
exit $fejl
