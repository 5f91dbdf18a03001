# Sourced by the scripts that need a screen: start_display WIDTHxHEIGHT starts
# Xvfb on a display number nobody uses, and openbox on it when installed,
# exports DISPLAY, sets `wm` to the window manager's name (or "none"), and
# stops both when the script exits. Scripts add their own processes to `pids`.

pids=()
stop_display() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap stop_display EXIT

start_display() {  # screen size, e.g. 1280x1024
    local display="" n
    for n in $(seq 90 150); do
        if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=":$n"; break; fi
    done
    [[ -n "$display" ]] || { echo "no free display number between :90 and :150" >&2; exit 1; }
    Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY="$display"
    for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
    wm="none"
    command -v openbox >/dev/null || return 0
    openbox >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    wm="openbox"
}
