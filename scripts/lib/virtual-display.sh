# Sourced by the scripts and tests that run the real program on a virtual X server of its own.

# start_virtual_display WORKDIR [SCREEN]: starts Xvfb on a free display number, exports DISPLAY
# for the program (on the X platform, whatever the caller's QT_QPA_PLATFORM), sets xvfb_pid.
start_virtual_display() {
  local work=$1 screen=${2:-1280x1024x24}
  exec 3>"$work/displayfd"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
  if [ ! -s "$work/displayfd" ]; then
    echo "FAIL: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$work/displayfd")"
  unset QT_QPA_PLATFORM
}

# wait_for_program_window TRIES: waits up to TRIES × 50 ms for the program's visible main window
# and prints its id, or nothing when it did not appear.
wait_for_program_window() {
  local tries=$1 found=
  for _ in $(seq "$tries"); do
    found=$(xdotool search --onlyvisible --name "^Simulation Ventaro Nubilo Aeris400\$" 2>/dev/null | head -n1 || true)
    [ -n "$found" ] && break
    sleep 0.05
  done
  echo "$found"
}
