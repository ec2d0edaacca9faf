#!/usr/bin/env bash
# Installs the Debian packages that building and testing vesk notes 4 needs,
# and only those that are missing.
set -euo pipefail

packages=(
    build-essential
    cmake
    pkg-config
    libexpat1-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    clang
    libclang-rt-dev
    # Qt 6 for the user interface and the platform layer
    qt6-base-dev
    qt6-svg-dev
    qt6-multimedia-dev
    libgl-dev
    # Qt Multimedia plays files through GStreamer: decoders and the sound server's sink
    gstreamer1.0-plugins-base
    gstreamer1.0-plugins-good
    gstreamer1.0-pulseaudio
    # global hot keys grab keys on the X server directly
    libxcb1-dev
    libxcb-keysyms1-dev
    x11proto-dev
    # end-to-end runs: a virtual display, a window manager, a tray and a scripted user
    xvfb
    xauth
    openbox
    trayer
    xdotool
    x11-utils
    # the Debian package (dpkg-shlibdeps finds the binaries with file) and
    # the checks of the installed desktop entry, metainfo and manual page
    dpkg-dev
    file
    desktop-file-utils
    appstream
    groff-base
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
