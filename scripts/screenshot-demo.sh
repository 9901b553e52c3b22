#!/usr/bin/env bash
# Starts the tool on a virtual screen, saves a picture of its window and one of its "Options"
# dialog, and ends it again.
# Usage: scripts/screenshot-demo.sh TOOL-EXECUTABLE WINDOW.png OPTIONS.png
set -euo pipefail

title="Varnhold Mod Manager"

if [ "${1:-}" != "--on-virtual-screen" ]; then
    tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    output=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
    options_output=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
    exec xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -noreset" \
        "$0" --on-virtual-screen "$tool" "$output" "$options_output"
fi

tool=$2
output=$3
options_output=$4
rm -f "$output" "$options_output"
unset QT_QPA_PLATFORM # a preset offscreen platform would draw nothing on the screen

# The tool keeps its files beside its executable; run it from there like a user would.
(cd "$(dirname "$tool")" && exec "$tool") &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window_shown() { xwininfo -root -tree 2>/dev/null | grep -q "\"$1\""; }

wait_for_window() { # title
    for _ in $(seq 1 100); do
        if window_shown "$1" || ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if ! window_shown "$1"; then
        echo "The tool did not show its window \"$1\"." >&2
        exit 1
    fi
}

wait_for_window "$title"
# Tick two mods, as a player would, so the picture shows a selection and its command line.
window=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
for row in 1 9; do
    xdotool mousemove --window "$window" 42 $((44 + 19 * row)) click 1
    sleep 0.2
done
sleep 1 # let the last paint finish
import -window "$title" "$output"

# Open the last page, "Other Settings", from its title at the bottom of the tool box, and
# press "Change Varnhold Paths" at the top of that page.
xdotool mousemove --window "$window" 60 409 click 1
sleep 0.5
xdotool mousemove --window "$window" 139 186 click 1
wait_for_window "Options"
sleep 1
import -window "Options" "$options_output"

kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT
