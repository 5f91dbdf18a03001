#!/usr/bin/env bash
# Measures Zorvik against a bare Qt window of the same size, each the median
# of five runs on a display of its own (Xvfb, with openbox when installed):
# the time from process start to the window mapped, the resident memory
# once it is shown, and the CPU it uses over 20 s idle (the three pictures
# animating). Prints a Markdown table. Takes about four minutes.
#
#   scripts/measure_startup.sh        builds the "bench" preset first
#   ZORVIK_MEASURE_RUNS=n, ZORVIK_IDLE_SECONDS=s   fewer runs or a shorter
#                                     idle spell, for a quick look
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
runs="${ZORVIK_MEASURE_RUNS:-5}"
idle_seconds="${ZORVIK_IDLE_SECONDS:-20}"

missing=()
for tool in Xvfb:xvfb xwininfo:x11-utils xprop:x11-utils; do
    command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if ((${#missing[@]})); then
    echo "missing tools; install them with: apt-get install ${missing[*]}" >&2
    exit 1
fi
command -v openbox >/dev/null ||
    echo "openbox is not installed (apt-get install openbox): measuring without a window manager" >&2

(cd "$root" && cmake --preset bench >/dev/null && cmake --build --preset bench --target zorvik bare_window >/dev/null)

# A display of its own, with a window manager when there is one.
source "$root/scripts/display.sh"
start_display 1280x1024
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
ticks_per_second="$(getconf CLK_TCK)"

cpu_ticks() {  # utime + stime of a process, in clock ticks
    local stat
    stat="$(<"/proc/$1/stat")"
    stat="${stat##*) }"
    awk '{ print $12 + $13 }' <<<"$stat"
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One run: start, wait for the window to be mapped, then look at the process.
measure() {  # program, window title -> "ms MiB percent"
    local program="$1" title="$2" start mapped pid rss before after
    start="$(date +%s%N)"
    "$program" >/dev/null 2>&1 &
    pid=$!
    until xwininfo -name "$title" 2>/dev/null | grep -q 'IsViewable'; do
        kill -0 "$pid" 2>/dev/null || { echo "$program ended before showing its window" >&2; exit 1; }
        sleep 0.002
    done
    mapped="$(date +%s%N)"
    sleep 1
    rss="$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")"
    before="$(cpu_ticks "$pid")"
    sleep "$idle_seconds"
    after="$(cpu_ticks "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v ms="$(((mapped - start) / 1000000))" -v kb="$rss" -v t="$((after - before))" \
        -v hz="$ticks_per_second" -v s="$idle_seconds" \
        'BEGIN { printf "%d %.1f %.2f\n", ms, kb / 1024, 100 * t / hz / s }'
}

declare -A result
for subject in zorvik bare_window; do
    if [[ $subject == zorvik ]]; then program="$build/zorvik" title="Zorvik1.0"
    else program="$build/bench/bare_window" title="bare_window"; fi
    times=() memory=() cpu=()
    for _ in $(seq "$runs"); do
        read -r ms mib percent < <(measure "$program" "$title")
        times+=("$ms") memory+=("$mib") cpu+=("$percent")
    done
    result[$subject.time]="$(median "${times[@]}")"
    result[$subject.memory]="$(median "${memory[@]}")"
    result[$subject.cpu]="$(median "${cpu[@]}")"
done

echo "Xvfb $DISPLAY, window manager: $wm, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), $(nproc) CPUs;" \
    "median of $runs runs"
echo
echo "| Measure | Zorvik | bare Qt window |"
echo "|---|---:|---:|"
echo "| start to window mapped (ms) | ${result[zorvik.time]} | ${result[bare_window.time]} |"
echo "| resident memory once shown (MiB) | ${result[zorvik.memory]} | ${result[bare_window.memory]} |"
echo "| CPU over ${idle_seconds} s idle (% of one core) | ${result[zorvik.cpu]} | ${result[bare_window.cpu]} |"
