#!/usr/bin/env bash
# Installs what is missing, builds the benchmark optimised (preset "bench")
# and prints one line per figure (medians of several runs).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)"
exec ./build-bench/bench/zensomat_bench "$@"
