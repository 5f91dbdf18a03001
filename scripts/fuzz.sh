#!/usr/bin/env bash
# Fuzzes ToNumber under AddressSanitizer and UndefinedBehaviorSanitizer for a
# bounded time: scripts/fuzz.sh [seconds, default 60]. Exits non-zero when the
# fuzzer finds a crash, a sanitizer report or a broken invariant; the input
# that did it is left in the build folder (build-fuzz) as crash-*, timeout-*
# or oom-*. The target is built by the "fuzz" preset (clang).
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
build="$root/build-fuzz"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

corpus="$build/corpus/to_number"
mkdir -p "$corpus"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
"$build/tests/fuzz/fuzz_to_number" \
    -max_total_time="$seconds" -max_len=20000 -timeout=10 \
    -dict="$root/tests/fuzz/to_number.dict" \
    -artifact_prefix="$build/" \
    "$corpus" "$root/tests/fuzz/seeds"
