#!/usr/bin/env bash
# How true the real timers run: a whole race at the hardest setting with no
# answers, on Xvfb, end to end. Usage: bash scripts/race_timing.sh [runs]
# after building the "bench" preset (cmake --preset bench && cmake --build --preset bench).
set -euo pipefail
runs=${1:-1}
build=build-bench
cd "$(dirname "${BASH_SOURCE[0]}")/.."
for tool in Xvfb; do
    command -v "$tool" >/dev/null || { echo "race_timing: $tool missing (apt-get install xvfb)" >&2; exit 1; }
done
[ -x "$build/bench/race_timing" ] || { echo "race_timing: build the bench preset first" >&2; exit 1; }
source scripts/display.sh
start_display 1280x1024
for ((i = 1; i <= runs; i++)); do
    QT_QPA_PLATFORM=xcb "$build/bench/race_timing"
done
