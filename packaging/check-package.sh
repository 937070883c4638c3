#!/usr/bin/env bash
# Builds the Debian package in the build folder given, unpacks it into a
# scratch folder and checks what goes in it: the program stripped and without
# a library path of its own, its icon, a valid desktop entry, the copyright
# and the changelog; then lintian finds no error and no warning. The only
# warning the package does not meet is overridden, with its reason, in the
# overrides file it ships (packaging/lintian-overrides).
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb="$(ls "$scratch"/out/zensomat_*.deb)"
dpkg-deb -x "$deb" "$scratch/root"

program="$scratch/root/usr/bin/zensomat"
test -x "$program"
if readelf -S --wide "$program" | grep -Eq '\.(symtab|debug_[a-z]+) '; then
  echo "the packaged program carries symbols or debug information" >&2
  exit 1
fi
if readelf -d "$program" | grep -Eq '\((RPATH|RUNPATH)\)'; then
  echo "the packaged program carries a library path:" >&2
  readelf -d "$program" | grep -E 'RPATH|RUNPATH' >&2
  exit 1
fi
test -s "$scratch/root/usr/share/icons/hicolor/scalable/apps/zensomat.svg"
desktop-file-validate "$scratch/root/usr/share/applications/zensomat.desktop"
doc="$scratch/root/usr/share/doc/zensomat"
head -n1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$'
zcat "$doc/changelog.gz" | head -n1 | grep -q "^zensomat ($(dpkg-deb -f "$deb" Version))"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6'
dpkg-deb -f "$deb" Depends | grep -q 'qt6-qpa-plugins'

command -v lintian >/dev/null || { echo "lintian is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
rc=0
report="$(lintian --fail-on error,warning "$deb" 2>&1)" || rc=$?
if [ "$rc" -ne 0 ]; then
  echo "lintian finds errors or warnings:" >&2
  echo "$report" >&2
  exit 1
fi
echo "package ok: $(basename "$deb")"
