#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
# The test build fails on any compiler warning and keeps assert() active.
#
#   bash scripts/test.sh [--sanitize] [ctest options...]
#
# --sanitize builds in build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer and fails if any test, test discovery or
# simulator process they start writes a sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

sanitize=0
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=1
  shift
fi

bash scripts/bootstrap.sh

options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRM_WERROR=ON -DVRM_ASSERTS=ON)
build=build
if [ "$sanitize" -eq 1 ]; then
  build=build-sanitize
  options+=(-DVRM_SANITIZE=ON)
  # Reports go to files, one per process, so that a report from a child
  # process (the simulator) or from test discovery cannot pass unnoticed.
  reports="$root/$build/sanitizer-reports"
  rm -rf "$reports"
  mkdir -p "$reports"
  export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
  export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
  show_reports() {
    local status=$?
    if [ -n "$(ls -A "$reports")" ]; then
      echo "test: sanitizer reports in $reports:" >&2
      for report in "$reports"/*; do
        echo "==== $report" >&2
        cat "$report" >&2
      done
      status=1
    fi
    exit "$status"
  }
  trap show_reports EXIT
fi

cmake -S . -B "$build" "${options[@]}"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure "$@"
