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
