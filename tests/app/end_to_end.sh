#!/usr/bin/env bash
# Runs the real program on Xvfb under a window manager and operates it as a user would:
# checks where the window opens, its titles, a click on the stage button and a slider key,
# then closes it with Alt+F4 and ends a second run with SIGTERM.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtual-display.sh"
program=$1
work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }

# No display at all: one clear line and status 1, no abort.
set +e
DISPLAY=:1999 QT_QPA_PLATFORM= "$program" 2>"$work/nodisplay.err"
status=$?
set -e
[ "$status" -eq 1 ] || fail "without a display the program exited with $status, expected 1"
[ "$(wc -l <"$work/nodisplay.err")" -eq 1 ] || fail "without a display it printed: $(cat "$work/nodisplay.err")"
grep -qi "display" "$work/nodisplay.err" || fail "the message does not name the display: $(cat "$work/nodisplay.err")"

start_virtual_display "$work" 1280x1024x24
openbox >/dev/null 2>&1 &
wm_pid=$!
cleanup() {
  kill "${app_pid:-}" 2>/dev/null || true
  kill "$wm_pid" "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 0.5

caption="Simulation Ventaro Nubilo Aeris400"
start_program() {
  "$program" &
  app_pid=$!
  window=$(wait_for_program_window 100)
  [ -n "$window" ] || fail "the window did not appear"
  sleep 0.7 # let the window manager frame it and the first paint land
}

pixel() { # pixel X Y (screen coordinates) as "r,g,b"
  import -window root "$work/shot.png"
  convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
near() { # near "r,g,b" r g b
  IFS=, read -r r g b <<<"$1"
  [ $(( (r-$2)*(r-$2) + (g-$3)*(g-$3) + (b-$4)*(b-$4) )) -le 1200 ]
}

start_program

# Titles: the caption in the title bar; the program's file name as icon title and class.
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption is '$(xdotool getwindowname "$window")'"
xprop -id "$window" _NET_WM_ICON_NAME | grep -q '"aeris400"' || fail "icon title: $(xprop -id "$window" _NET_WM_ICON_NAME)"
xprop -id "$window" WM_CLASS | grep -q '"aeris400"' || fail "class: $(xprop -id "$window" WM_CLASS)"

# The outer frame at its stored place and size: the client rectangle plus the frame extents
# that the window manager reports.
client=$(xwininfo -id "$window")
cx=$(awk '/Absolute upper-left X/ {print $4}' <<<"$client")
cy=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$client")
cw=$(awk '/Width:/ {print $2}' <<<"$client")
ch=$(awk '/Height:/ {print $2}' <<<"$client")
read -r el er et eb < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
fx=$((cx - el))
fy=$((cy - et))
outer_w=$((cw + el + er))
outer_h=$((ch + et + eb))
echo "frame at ($fx, $fy), outer ${outer_w}x${outer_h}, client ${cw}x${ch} at ($cx, $cy)"
[ "$fx,$fy" = "308,128" ] || fail "outer top-left is ($fx, $fy), expected (308, 128)"
[ "$outer_w" -eq 1075 ] || fail "outer width $outer_w, expected 1075"
[ "$outer_h" -eq 812 ] || fail "outer height $outer_h, expected 812"

# Start state: stage 1 (first switch lamp lit, second grey), board stage lamp green.
near "$(pixel $((cx + 893)) $((cy + 149)))" 0 255 0 || fail "AbLED2 is not lit at start"
near "$(pixel $((cx + 915)) $((cy + 149)))" 128 128 128 || fail "AbLED3 is not grey at start"

# A click on the stage button: stage 2, the second lamp lights and the board lamp turns orange.
xdotool mousemove --sync $((cx + 965)) $((cy + 152)) click 1
sleep 0.3
near "$(pixel $((cx + 915)) $((cy + 149)))" 0 255 0 || fail "AbLED3 did not light after a click"
near "$(pixel $((cx + 536)) $((cy + 74)))" 255 159 0 || fail "AbLED1 did not turn orange after a click"

# Home on the focused CO2 slider: 2000 ppm, the board's CO2 lamp turns red.
xdotool key Home
sleep 0.3
near "$(pixel $((cx + 571)) $((cy + 73)))" 255 0 0 || fail "AbLED7 did not turn red after Home"

# Alt+F4 closes the window and the program ends with status 0.
xdotool windowactivate --sync "$window" key alt+F4
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
set +e
wait "$app_pid"
status=$?
set -e
[ "$status" -eq 0 ] || fail "closing the window ended the program with status $status"

# SIGTERM ends it cleanly too.
start_program
kill -TERM "$app_pid"
set +e
wait "$app_pid"
status=$?
set -e
app_pid=
[ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status"
echo "end-to-end: all checks passed"
