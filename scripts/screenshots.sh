#!/usr/bin/env bash
# Builds the screenshot tool and writes every picture of the README into
# docs/images, headless: under xvfb-run (the X11 look) where it is installed,
# otherwise on the offscreen platform. The program runs in a temporary home
# folder, so the pictures show the default values and never the developer's
# own ones.
#   scripts/screenshots.sh [build folder]   (default: build-run, preset "run")
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-run}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  [ "$build" = build-run ] || { echo "$build is no configured build folder" >&2; exit 1; }
  cmake --preset run >/dev/null
fi
cmake --build "$build" --target screenshot -j"$(nproc)" >/dev/null

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/.runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/.runtime"
export LANG=C.UTF-8 LC_ALL=C.UTF-8

if command -v xvfb-run >/dev/null; then
  run=(xvfb-run -a -s "-screen 0 1280x1024x24")
else
  run=(env QT_QPA_PLATFORM=offscreen)
fi
out=docs/images

shot() { # <window> <picture> [control settings…]
  local window="$1" picture="$2"
  shift 2
  "${run[@]}" "$build/screenshot" "$window" "$out/$picture" "$@"
  echo "$out/$picture"
}

# One essay's settings in the error index mode (Form14.Button14 switches to
# it once): words, errors, expression, the first two part tasks.
essay() { # <words> <errors> <expression>
  settings=("Form14.Edit1=$1" "Form14.Edit2=$2" "Form14.Edit17=$3" Form14.Edit12=12 Form14.Edit13=9)
}

shot Form1 form1.png
shot Form2 form2.png Punktezahl=20
shot Form3 form3.png Form2.Punktezahl=20 Form2.Button1=click
shot Form21 form21.png Punktezahl=90
shot Form8 form8.png Punktezahl=40
shot Form10 form10.png Punktezahl=60
essay 250 5 10
shot Form14 form14.png Button14=click r10=check "${settings[@]}" CheckBox1=check
shot Form16 form16.png
# Four students through the final grade and the name window.
students=()
add() { # <name> <words> <errors> <expression>
  essay "$2" "$3" "$4"
  students+=("${settings[@]}" Form14.Button3=click "Form18.Edit1=$1" Form18.Button1=click)
}
add "Anna Bauer" 250 5 10
add "Ayşe Doğan" 300 9 12
add "Ben Claasen" 280 14 8
add "Jürgen Müller" 310 4 13
shot Form17 form17.png Form14.Button14=click Form14.r10=check Form14.CheckBox1=check "${students[@]}"
shot EigenerSchluessel ownkey.png Vorlage=1 Punktezahl=40
# A class test of four students against the eight-band key for 40 points.
classtest=()
row=0
for student in "Anna Bauer;34" "Ayşe Doğan;27,5" "Ben Claasen;19" "Jürgen Müller;31"; do
  classtest+=("Klassenarbeit.Ergebnisse=$row;0;${student%;*}" "Klassenarbeit.Ergebnisse=$row;1;${student#*;}")
  row=$((row + 1))
done
shot Klassenarbeit classtest.png Form2.Punktezahl=40 Form3.ActionKlassenarbeit=trigger \
  Klassenarbeit.Klasse=8b "${classtest[@]}"
