#!/usr/bin/env bash
# Installs the build into a folder and checks the installed layout:
#   tjek-installation.sh <cmake> <build folder> <prefix>
# Then runs the installed install-data into an empty home and checks that the
# data folder is laid down from the installed template.
set -euo pipefail
cmake=$1 build=$2 prefix=$3
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
fejl=0
for f in bin/tavlix bin/tavlix-formel \
         share/applications/dk.tavlix.Tavlix.desktop \
         share/icons/hicolor/scalable/apps/dk.tavlix.Tavlix.svg \
         share/metainfo/dk.tavlix.Tavlix.metainfo.xml \
         share/man/man1/tavlix-formel.1 \
         share/tavlix/install-data \
         share/tavlix/Tavlixmappe/Egenskaber share/tavlix/Tavlixmappe/Formler \
         share/tavlix/Tavlixmappe/Struktur; do
  [ -e "$prefix/$f" ] || { echo "mangler: $f"; fejl=1; }
done
if find "$prefix/share/tavlix" -name .gitkeep | grep -q .; then
  echo "pladsholdere installeret"; fejl=1
fi
# The installed tool runs.
[ "$("$prefix/bin/tavlix-formel" '2+3*4=')" = 14 ] || { echo "tavlix-formel regner forkert"; fejl=1; }
# install-data from the installed copy: takes the installed template, keeps a user's file.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Tavlixmappe/Egenskaber"
echo brugerens > "$home/Tavlixmappe/Egenskaber/mainform.txt"
touch "$prefix/share/tavlix/Tavlixmappe/Formler/fra-installationen.txt"
"$prefix/share/tavlix/install-data" "$home/Tavlixmappe" >/dev/null
[ -e "$home/Tavlixmappe/Formler/fra-installationen.txt" ] || { echo "install-data brugte ikke den installerede skabelon"; fejl=1; }
[ -d "$home/Tavlixmappe/Struktur" ] || { echo "install-data lagde ikke Struktur"; fejl=1; }
[ "$(cat "$home/Tavlixmappe/Egenskaber/mainform.txt")" = brugerens ] || { echo "install-data overskrev en fil"; fejl=1; }
exit $fejl
