#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   bash scripts/zorvik.sh run    install what is missing, build, start Zorvik
#   bash scripts/zorvik.sh test   install what is missing, build, run every test
# Installs need root; as another user the script asks sudo for them. The
# builds are the presets of CMakePresets.json.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
source scripts/packages.sh

build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev fonts-wqy-microhei fonts-dejavu-core)
test_packages=(clang clang-format git libclang-rt-14-dev locales)

# The number reader must not care about the process locale; its test switches
# to one whose decimal point is ",".
ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

# The sources follow .clang-format; a difference is shown and fails the run.
check_format() {
    local unformatted=()
    while IFS= read -r -d '' file; do
        clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
    done < <(git ls-files -z -- '*.cpp' '*.h')
    [ ${#unformatted[@]} -eq 0 ] && return 0
    for file in "${unformatted[@]}"; do
        diff -u "$file" <(clang-format "$file") || true
    done
    echo "not formatted as .clang-format says (clang-format -i fixes it): ${unformatted[*]}" >&2
    return 1
}

case "${1:-}" in
run)
    install_missing "${build_packages[@]}"
    cmake --preset release >/dev/null
    cmake --build --preset release
    exec ./build-release/zorvik
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    ensure_comma_locale
    echo "== formatting"
    check_format
    # The fuzzer talks a lot: its log stays in build-fuzz/, and the test
    # runs come last so their summaries close the output.
    echo "== fuzzing the number reader for ${ZORVIK_FUZZ_SECONDS:-60} s"
    mkdir -p build-fuzz
    if ! bash scripts/fuzz.sh "${ZORVIK_FUZZ_SECONDS:-60}" >build-fuzz/fuzz.log 2>&1; then
        tail -n 40 build-fuzz/fuzz.log
        echo "fuzzing found a problem; the whole log is build-fuzz/fuzz.log" >&2
        exit 1
    fi
    grep -E '^Done [0-9]+ runs' build-fuzz/fuzz.log || true
    echo "== the Debian package, its metadata and the licences"
    bash scripts/check_package.sh
    echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    ctest --preset asan
    echo "== build and tests"
    cmake --preset default >/dev/null
    cmake --build --preset default
    ctest --preset default
    ;;
*)
    echo "usage: bash scripts/zorvik.sh run|test" >&2
    exit 2
    ;;
esac
