#!/usr/bin/env bash
# Fuzzes ToNumber under AddressSanitizer and UndefinedBehaviorSanitizer for a
# bounded time: scripts/fuzz.sh [seconds, default 60]. Exits non-zero when the
# fuzzer finds a crash, a sanitizer report or a broken invariant; the input
# that did it is left in the build folder (build-fuzz) as crash-*, timeout-*
# or oom-*.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZORVIK_FUZZ_BUILD_DIR:-$root/build-fuzz}"

fuzz="$root/tests/fuzz"
# Only the fuzz folder is configured: it builds the services it needs itself.
cmake -S "$fuzz" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER="${ZORVIK_FUZZ_CXX:-clang++}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_to_number

corpus="$build/corpus/to_number"
mkdir -p "$corpus"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
"$build/fuzz_to_number" \
    -max_total_time="$seconds" -max_len=20000 -timeout=10 \
    -dict="$fuzz/to_number.dict" \
    -artifact_prefix="$build/" \
    "$corpus" "$fuzz/seeds"
