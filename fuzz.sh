#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for SECONDS each (default 60).
# A read that takes more than 2 seconds or 256 MB counts as a finding, as a
# crash or a broken property does. New inputs collect in build-fuzz/corpus,
# findings in build-fuzz/findings; the seeds in fuzz/corpus stay as they are.
#   ./fuzz.sh [SECONDS] [TARGET...]     targets: fixedpoint ownvalues settings
#                                       htmlexport classtest table_html table_docx table_odt
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fixedpoint ownvalues settings htmlexport classtest table_html table_docx table_odt)

# One build at a time, so that two passes may run side by side.
mkdir -p build-fuzz
(
  flock 9
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz >/dev/null
) 9>build-fuzz/.build-lock

dictionary() {
  case "$1" in
    fixedpoint | ownvalues | classtest) echo number ;;
    table_html) echo html ;;
    table_docx | table_odt) echo xml ;;
    *) echo "$1" ;;
  esac
}

# AddressSanitizer keeps freed memory (256 MB by default) and every allocation's
# stack to find late uses; that alone would pass the 256 MB limit, which is
# meant for what the readers themselves hold.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:quarantine_size_mb=16:malloc_context_size=8"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
failed=()
for target in "${targets[@]}"; do
  work="build-fuzz/corpus/$target"
  log="build-fuzz/logs/$target.log"
  mkdir -p "$work" build-fuzz/findings build-fuzz/logs
  status=0
  "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=256 -timeout=2 \
    -dict="fuzz/dict/$(dictionary "$target").dict" -artifact_prefix="build-fuzz/findings/$target-" \
    -print_final_stats=1 "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  if [ "$status" -eq 0 ]; then
    echo "$target: ${runs:-?} inputs in ${seconds} s, nothing found"
  else
    echo "$target: FINDING after ${runs:-?} inputs, see $log and build-fuzz/findings/" >&2
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "Findings in: ${failed[*]}" >&2; exit 1; }
