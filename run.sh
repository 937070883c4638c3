#!/usr/bin/env bash
# Installs what is missing, builds and starts the program (preset "run").
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset run >/dev/null
cmake --build --preset run -j"$(nproc)"
exec ./build-run/zensomat "$@"
