#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer, with the
# random-input tests at their CI size (500 scripts of 2,000 commands and a session of
# 1,000 rounds). Any sanitizer report fails the run; the figures are printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${SANITIZE_BUILD:-build-sanitize}
JOBS=${JOBS:-2}
began=$(date +%s)

# Assertions stay on (no NDEBUG), and the standard library checks its own indices:
# an index past a table's end inside the game object is no ASan report by itself.
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHEXBRAWL_SANITIZE=ON ${CMAKE_FLAGS:-} \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g" -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >/dev/null
cmake --build "$BUILD" -j"$JOBS"
built=$(date +%s)

reports="$PWD/$BUILD/sanitizer-reports"
figures="$PWD/$BUILD/monkey-figures.txt"
rm -rf "$reports" "$figures"
mkdir -p "$reports"
# Every report goes to a file of its own, from any process the tests start.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
# Leaks of libraries not ours, named one by one in scripts/lsan.supp.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
export HEXBRAWL_MONKEY_FIGURES="$figures"

# One run for all: the long entries (-C long) start first, the rest fill in. Left
# out: the short versions of the long entries, and the check of the package's
# dependencies, which a sanitizer build changes on purpose (it links their runtimes).
status=0
(cd "$BUILD" && ctest -C long --output-on-failure -j"$JOBS" \
    -E '^(Monkey\.(RandomScriptsKeepEveryRule|LongSessionOfFourWizards)|packaging\.dependencies)$') || status=1
ended=$(date +%s)

count=$(find "$reports" -type f | wc -l)
if [ "$count" -ne 0 ]; then
    for f in "$reports"/*; do
        echo "=== $f"
        cat "$f"
    done
    status=1
fi

echo
echo "== sanitize: figures"
if [ -s "$figures" ]; then
    awk -F'[:,] *' '/^monkey figures/ {
            for (i = 2; i <= NF; i++) { split($i, w, " "); sum[w[2]] += w[1] }
        }
        END {
            if (sum["scripts"])
                printf "monkey: %d scripts, %d commands, %d ticks, %d matches, %d rounds ended, %d states parsed, %d computer periods\n",
                       sum["scripts"], sum["commands"], sum["ticks"], sum["matches"], sum["rounds"], sum["states"], sum["computer"]
        }' "$figures"
    grep '^long session' "$figures" | sed 's/^long session figures:/long session:/'
else
    echo "monkey: no figures (the long run did not finish)"
fi
echo "sanitizer reports: $count"
echo "time: build $((built - began)) s, tests $((ended - built)) s, total $((ended - began)) s on $JOBS cores"
exit $status
