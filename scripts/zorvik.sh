#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   bash scripts/zorvik.sh run    install what is missing, build, start Zorvik
#   bash scripts/zorvik.sh test   install what is missing, build, run every test
# Installs need root; as another user the script asks sudo for them.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev fonts-wqy-microhei fonts-dejavu-core)
test_packages=(clang libclang-rt-14-dev libbenchmark-dev locales)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {  # build <folder> [cmake options...]
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
    cmake --build "$folder"
}

# The number reader must not care about the process locale; its test switches
# to one whose decimal point is ",".
ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
run)
    install_missing "${build_packages[@]}"
    build build -DBUILD_TESTING=OFF -DZORVIK_BENCHMARKS=OFF
    exec ./build/zorvik
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    ensure_comma_locale
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
    echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DZORVIK_SANITIZE=ON -DZORVIK_BENCHMARKS=OFF
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
    echo "== build and tests"
    build build
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: bash scripts/zorvik.sh run|test" >&2
    exit 2
    ;;
esac
