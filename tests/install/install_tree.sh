#!/usr/bin/env bash
# `cmake --install` of the build tree given into a temporary prefix puts every
# file in place, and the program started from there finds its own files.
source "$(dirname "$0")/installed.sh"
build=${1:?build folder}
require_tools

INSTALL_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vesk-install.XXXXXX")
trap 'stop_program; rm -rf "$INSTALL_DIR"' EXIT
# Not the prefix it was configured for: the installation must not depend on it.
prefix=$INSTALL_DIR/opt/vesk
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
check_installed_files "$prefix"
start_installed_program "$prefix"
echo "installed into $prefix; the program found its files there"
