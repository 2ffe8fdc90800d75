#!/usr/bin/env bash
# Builds everything and runs every test: once as the project ships (warnings
# are errors), once under AddressSanitizer and UndefinedBehaviorSanitizer;
# then builds the Windows DLL and runs its checks (scripts/build-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
# A compiler cache, when the machine has one, makes rebuilds of unchanged files free.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQZV_WERROR=ON "${launcher[@]}"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZV_WERROR=ON -DQZV_SANITIZE=ON "${launcher[@]}"
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

scripts/build-windows.sh
