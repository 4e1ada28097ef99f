#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The habits CI holds the code to: every C++ file formatted by .clang-format, the
# whole tree built with Clang and warnings as errors, and the checks of .clang-tidy
# clean on the game's core.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS=${JOBS:-2}
BUILD=${CLANG_BUILD:-build-clang}
scripts/install-deps.sh habits

echo "habits: formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "habits: building with Clang, warnings as errors"
mkdir -p "$BUILD"
CXX=clang++ cmake -S . -B "$BUILD" -DHEXBRAWL_WERROR=ON -DHEXBRAWL_BENCH=ON ${CMAKE_FLAGS:-} \
    >"$BUILD/configure.log" 2>&1 || { cat "$BUILD/configure.log"; exit 1; }
cmake --build "$BUILD" -j"$JOBS"

echo "habits: clang-tidy on game/"
run-clang-tidy -p "$BUILD" -quiet -j "$JOBS" "$PWD/game/" >"$BUILD/clang-tidy.log" 2>&1 ||
    { cat "$BUILD/clang-tidy.log"; echo "habits: clang-tidy found faults (above)" >&2; exit 1; }
echo "habits: all kept"
