#!/usr/bin/env bash
# Takes the README's picture of the main window, frame included, on a display
# of its own (Xvfb with openbox): docs/screenshot-main.png.
#
#   scripts/screenshot.sh        the window at its normal size
#   scripts/screenshot.sh 2x     also docs/screenshot-main-2x.png, drawn at
#                                twice the size (QT_SCALE_FACTOR=2)
#   scripts/screenshot.sh small  only docs/screenshot-small-screen.png: the whole
#                                of a 1280x800 screen with the window drawn at
#                                twice the size, taller than the screen; its
#                                title bar must stay on the screen
#   ZORVIK_BINARY=path ...       another build of the program (default build/zorvik)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${ZORVIK_BINARY:-$root/build/zorvik}"
out="$root/docs"

missing=()
for tool in Xvfb:xvfb openbox:openbox xwininfo:x11-utils xprop:x11-utils /usr/bin/import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if ((${#missing[@]})); then
    echo "missing tools; install them with: apt-get install ${missing[*]}" >&2
    exit 1
fi
[[ -x "$program" ]] || { echo "no program at $program: build it first (see README)" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
screen_size=1600x1200
[[ "${1:-}" == small ]] && screen_size=1280x800
start_display "$screen_size"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb

# openbox frames the program's window in windows of its own; the outermost,
# the child of the root window, is the frame.
frame_of() {  # client window id -> frame window id
    local window="$1" root parent
    root="$(xwininfo -root | awk '/Window id:/ { print $4 }')"
    while parent="$(xwininfo -tree -id "$window" | awk '/Parent window id:/ { print $4 }')" &&
        [[ "$parent" != "$root" ]]; do
        window="$parent"
    done
    echo "$window"
}

shoot() {  # target file, extra environment
    local target="$1" pid client frame place
    shift
    env "$@" "$program" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    for _ in $(seq 200); do
        xwininfo -name "Zorvik1.0" 2>/dev/null | grep -q 'IsViewable' && break
        sleep 0.05
    done
    # Let the window take its final size inside the frame and draw a frame of
    # each picture.
    sleep 1.5
    client="$(xwininfo -name "Zorvik1.0" | awk '/Window id:/ { print $4 }')"
    frame="$(frame_of "$client")"
    if [[ -n "${whole_screen:-}" ]]; then
        /usr/bin/import -window root "$target"
    else
        /usr/bin/import -window "$frame" "$target"
    fi
    place="$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h " frame at " x "," y }')"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$target: $(/usr/bin/identify -format '%wx%h' "$target"), $place"
}

mkdir -p "$out"
if [[ "${1:-}" == small ]]; then
    whole_screen=1
    shoot "$out/screenshot-small-screen.png" QT_SCALE_FACTOR=2
    exit 0
fi
shoot "$out/screenshot-main.png"
if [[ "${1:-}" == 2x ]]; then
    shoot "$out/screenshot-main-2x.png" QT_SCALE_FACTOR=2
fi
