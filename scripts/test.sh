#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
# The test build fails on any compiler warning and keeps assert() active.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/bootstrap.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRM_WERROR=ON -DVRM_ASSERTS=ON
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure "$@"
