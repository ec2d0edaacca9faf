#!/usr/bin/env bash
# The Debian package given holds the whole installation under /usr, depends
# on the libraries the program links, and the program unpacked from it into a
# temporary root finds its own files there.
source "$(dirname "$0")/installed.sh"
deb=${1:?Debian package}
require_tools dpkg-deb

INSTALL_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vesk-deb.XXXXXX")
trap 'stop_program; rm -rf "$INSTALL_DIR"' EXIT
[ "$(dpkg-deb -f "$deb" Package)" = vesknotes ] || fail "the package is not named vesknotes"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libexpat1 libqt6widgets6 libqt6multimedia6 libxcb1; do
    [[ "$depends" =~ (^|, )$library( |,|$) ]] || fail "the package does not depend on $library"
done
dpkg-deb -x "$deb" "$INSTALL_DIR/root" || fail "the package could not be unpacked"
check_installed_files "$INSTALL_DIR/root/usr"
start_installed_program "$INSTALL_DIR/root/usr"
echo "$(basename "$deb"): unpacked, complete, and the program found its files there"
