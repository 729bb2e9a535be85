#!/usr/bin/env bash
# Starts the program where there is no display (one line, status 1), then ends it on Xvfb under a
# window manager in every way a user or the system can: SIGINT, SIGTERM at the fastest fan pace,
# two SIGINTs at once, SIGINT while a mouse button is held on the stage button, the title bar's
# close button, the window menu's Close, and a task bar's Close while the window is minimised.
# Each must end the program at once, with status 0 and nothing on stderr.
#
# usage: shutdown.sh PROGRAM CLOSE_REQUEST_TOOL
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtual-display.sh"
program=$1
close_request=$2
work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }

# A runtime directory of our own, so that Qt has nothing to say about a missing one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# Without a usable display the program says so in one line and ends with status 1: no abort, no
# core, no window-system noise.
no_display() { # no_display WHAT ENV-ASSIGNMENTS...
  local what=$1 status
  shift
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >"$work/nd.out" 2>"$work/nd.err"
  status=$?
  set -e
  [ "$status" -eq 1 ] || fail "$what: status $status, expected 1; stderr: $(cat "$work/nd.err")"
  [ ! -s "$work/nd.out" ] || fail "$what: wrote to stdout: $(cat "$work/nd.out")"
  [ "$(wc -l <"$work/nd.err")" -eq 1 ] || fail "$what: stderr is not one line: $(cat "$work/nd.err")"
  grep -qi display "$work/nd.err" || fail "$what: the line does not name the display: $(cat "$work/nd.err")"
  echo "$what: status 1, $(cat "$work/nd.err")"
}
no_display "DISPLAY unset"
no_display "DISPLAY empty" DISPLAY=
no_display "no X server at DISPLAY" DISPLAY=:1999
no_display "the X platform asked for by name" DISPLAY=:1999 QT_QPA_PLATFORM=xcb

start_virtual_display "$work" 1440x1000x24
openbox >/dev/null 2>&1 &
wm_pid=$!
cleanup() {
  [ -z "${app_pid:-}" ] || kill -KILL "$app_pid" 2>/dev/null || true
  kill "$wm_pid" "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 0.5

start_program() {
  "$program" 2>"$work/stderr" &
  app_pid=$!
  window=$(wait_for_program_window 200)
  [ -n "$window" ] || fail "the window did not appear"
  sleep 0.7 # framed, painted, and both timers ticking
  client=$(xwininfo -id "$window")
  cx=$(awk '/Absolute upper-left X/ {print $4}' <<<"$client")
  cy=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$client")
  cw=$(awk '/Width:/ {print $2}' <<<"$client")
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# ends_cleanly WHAT: the program must end within a moment of the request, with status 0 and a
# silent stderr.
ends_cleanly() {
  local what=$1 asked status
  asked=$(now_ms)
  for _ in $(seq 300); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.01; done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "$what: the program still runs 3 s later"
  fi
  set +e
  wait "$app_pid"
  status=$?
  set -e
  app_pid=
  [ "$status" -eq 0 ] || fail "$what: exit status $status; stderr: $(cat "$work/stderr")"
  [ ! -s "$work/stderr" ] || fail "$what: the program wrote to stderr: $(cat "$work/stderr")"
  echo "$what: ended with status 0 after $(($(now_ms) - asked)) ms"
}

start_program
kill -INT "$app_pid"
ends_cleanly "SIGINT"

start_program
xdotool windowactivate --sync "$window" key Home # CO2 to the top: the fans turn every 15 ms
sleep 0.5
kill -TERM "$app_pid"
ends_cleanly "SIGTERM at the fastest pace"

start_program
kill -INT "$app_pid"
kill -INT "$app_pid" 2>/dev/null || true
ends_cleanly "two SIGINTs at once"

start_program
xdotool mousemove --sync $((cx + 965)) $((cy + 152)) mousedown 1
sleep 0.2
kill -INT "$app_pid"
ends_cleanly "SIGINT with a button held on the stage button"
xdotool mouseup 1

# The frame's extents tell where the title bar and its close button lie.
start_program
read -r left right top _ < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
[ "${top:-0}" -gt 0 ] || fail "the window manager reports no title bar"
xdotool mousemove --sync $((cx + cw + right - 10)) $((cy - top / 2)) click 1
ends_cleanly "the close button"

start_program
xdotool windowactivate --sync "$window" key alt+space
sleep 0.3
xdotool key Up Return # the window menu's last entry is Close
ends_cleanly "the window menu's Close"

start_program
xdotool windowminimize --sync "$window"
sleep 0.3
"$close_request" "$window"
ends_cleanly "a task bar's Close while minimised"

echo "shutdown: all checks passed"
