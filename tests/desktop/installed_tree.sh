# Checks shared by the install and package tests; sourced, not run.
# check_installed_tree <prefix> <desktop id> <window class> <icon.ico the program shows> <icon sizes...>

fail() { echo "FAIL: $*" >&2; exit 1; }

desktop_key() { # desktop_key <file> <key>: the value of key in the [Desktop Entry] group
  sed -n '/^\[Desktop Entry\]/,/^\[/p' "$1" | sed -n "s/^$2=//p" | head -n1
}

check_installed_tree() {
  local prefix=$1 id=$2 wm_class=$3 ico=$4
  shift 4
  local work
  work=$(mktemp -d)

  [ -x "$prefix/bin/aeris400" ] || fail "bin/aeris400 is missing or not executable"

  local entry="$prefix/share/applications/$id.desktop"
  [ -f "$entry" ] || fail "no desktop entry $entry"
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
  local exec_line
  exec_line=$(desktop_key "$entry" Exec)
  [ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line does not name the installed program"
  [ "$(desktop_key "$entry" Icon)" = "$id" ] || fail "Icon is not the theme icon $id"
  [ "$(desktop_key "$entry" StartupWMClass)" = "$wm_class" ] ||
    fail "StartupWMClass is '$(desktop_key "$entry" StartupWMClass)', the window class is '$wm_class'"
  [ -n "$(desktop_key "$entry" 'Comment')" ] || fail "no English Comment"
  [ -n "$(desktop_key "$entry" 'Comment\[de\]')" ] || fail "no German Comment"
  [ -n "$(desktop_key "$entry" Categories)" ] || fail "no Categories"

  local metainfo="$prefix/share/metainfo/$id.metainfo.xml"
  [ -f "$metainfo" ] || fail "no metainfo $metainfo"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
  grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo has another id than $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

  # Every theme icon is the window icon, pixel for pixel, enlarged by whole blocks.
  convert "$ico" -alpha on "PNG32:$work/window-icon.png"
  local size png differing
  for size in "$@"; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || fail "no ${size}x${size} theme icon"
    [ "$(identify -format '%m %wx%h' "$png")" = "PNG ${size}x${size}" ] ||
      fail "$png is $(identify -format '%m %wx%h' "$png")"
    convert "$work/window-icon.png" -filter point -resize "${size}x${size}" "PNG32:$work/expected.png"
    differing=$(compare -metric AE "$work/expected.png" "$png" null: 2>&1 || true)
    [ "$differing" = "0" ] || fail "the ${size}x${size} icon differs from the window icon in $differing pixels"
  done
  rm -rf "$work"
}
