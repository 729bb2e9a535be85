#!/usr/bin/env bash
# Makes the Debian package from the build tree with cpack, unpacks it into a scratch root and
# checks its files and declared dependencies; then starts the unpacked program on a display of its
# own, checks that its window class is the one the desktop entry names, and ends it.
# package.sh <build dir> <desktop id> <window class> <icon.ico> <icon sizes...>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtual-display.sh"
source "$(dirname "$0")/installed_tree.sh"
build=$1 id=$2 wm_class=$3
work=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/dist" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/dist/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = aeris400 ] || fail "package name is $(dpkg-deb -f "$deb" Package)"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libxcb1; do
  [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || fail "Depends lacks $lib: $depends"
done

dpkg -x "$deb" "$work/root"
check_installed_tree "$work/root/usr" "$id" "$wm_class" "${@:4}"
unexpected=$(cd "$work/root" && find . -type f ! -path './usr/bin/aeris400' ! -path './usr/share/applications/*' \
  ! -path './usr/share/metainfo/*' ! -path './usr/share/icons/hicolor/*')
[ -z "$unexpected" ] || fail "the package holds more than the program and its desktop files: $unexpected"

# The unpacked program on an X server of its own. No window manager: the window maps at once, and
# SIGTERM ends the program the same orderly way as closing its window.
start_virtual_display "$work" 1280x1024x24

"$work/root/usr/bin/aeris400" 2>"$work/app.err" &
app_pid=$!
window=
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name "^Simulation Ventaro Nubilo Aeris400\$" 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the installed program ended early: $(cat "$work/app.err")"
  sleep 0.05
done
[ -n "$window" ] || fail "the installed program's window did not appear"

class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "\(.*\)", "\(.*\)"$/\2/p')
[ "$class" = "$wm_class" ] || fail "the window class is '$class', the desktop entry says '$wm_class'"

kill -TERM "$app_pid"
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app_pid" 2>/dev/null && fail "the installed program did not end on SIGTERM"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the installed program exited with $status: $(cat "$work/app.err")"
echo "package $(basename "$deb") installs and runs"
