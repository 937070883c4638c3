#!/usr/bin/env bash
# Installs what is missing, builds the benchmark optimised (preset "bench")
# and prints one line per figure (medians of several runs), on the offscreen
# platform; then, where xvfb-run is installed, the keystroke once more on X11.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ./build-bench/bench/zensomat_bench "$@"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a env QT_QPA_PLATFORM=xcb ./build-bench/bench/zensomat_bench --keystroke
else
  echo "keystroke on X11: skipped, xvfb-run is not installed"
fi
