#!/usr/bin/env bash
# Builds the Debian package in the build folder given, unpacks it into a
# scratch folder and checks that the program, its icon and a valid desktop
# entry are in it.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb="$(ls "$scratch"/out/zensomat_*.deb)"
dpkg-deb -x "$deb" "$scratch/root"

test -x "$scratch/root/usr/bin/zensomat"
test -s "$scratch/root/usr/share/icons/hicolor/scalable/apps/zensomat.svg"
desktop-file-validate "$scratch/root/usr/share/applications/zensomat.desktop"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6'
dpkg-deb -f "$deb" Depends | grep -q 'qt6-qpa-plugins'
echo "package ok: $(basename "$deb")"
