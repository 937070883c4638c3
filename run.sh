#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENSOMAT_BUILD_TESTS=OFF >/dev/null
cmake --build build-run --target zensomat -j"$(nproc)"
exec ./build-run/zensomat "$@"
