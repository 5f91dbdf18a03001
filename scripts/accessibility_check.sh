#!/usr/bin/env bash
# Starts Zorvik on Xvfb with a session bus and the AT-SPI registry, then lets
# scripts/accessibility_check.py read its accessibility tree from outside.
# Needs: xvfb dbus-x11 at-spi2-core python3-pyatspi. Usage: [ZORVIK_BINARY=...] bash scripts/accessibility_check.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
binary=${ZORVIK_BINARY:-build/zorvik}
for need in Xvfb:xvfb dbus-launch:dbus-x11 /usr/libexec/at-spi-bus-launcher:at-spi2-core; do
    command -v "${need%%:*}" >/dev/null || { echo "accessibility: install ${need##*:}" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "accessibility: install python3-pyatspi" >&2; exit 1; }

source scripts/display.sh
start_display 1280x1024
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" >/dev/null 2>&1 &
pids+=($!)
sleep 2
/usr/bin/python3 scripts/accessibility_check.py
