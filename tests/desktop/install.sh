#!/usr/bin/env bash
# `cmake --install` of the build tree into a scratch prefix gives the program, a valid desktop
# entry and metainfo, and the theme icons.
# install.sh <build dir> <desktop id> <window class> <icon.ico> <icon sizes...>
set -euo pipefail
source "$(dirname "$0")/installed_tree.sh"
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
check_installed_tree "$prefix" "${@:2}"
echo "installed tree in order"
