#!/usr/bin/env bash
# How true the real timers run: a whole race at the hardest setting with no
# answers, on Xvfb, end to end. Usage: bash scripts/race_timing.sh [runs] [build-dir]
set -euo pipefail
runs=${1:-1}
build=${2:-build}
cd "$(dirname "${BASH_SOURCE[0]}")/.."
for tool in Xvfb; do
    command -v "$tool" >/dev/null || { echo "race_timing: $tool missing (apt-get install xvfb)" >&2; exit 1; }
done
[ -x "$build/bench/race_timing" ] || { echo "race_timing: build $build first" >&2; exit 1; }
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
if command -v openbox >/dev/null; then DISPLAY=$display openbox >/dev/null 2>&1 & fi
sleep 0.5
for ((i = 1; i <= runs; i++)); do
    DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/bench/race_timing"
done
