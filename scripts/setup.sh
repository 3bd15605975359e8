#!/usr/bin/env bash
# Installs, with apt-get, every Debian package that building, running and
# testing Zevora need. Packages already installed are skipped, so a second
# run costs nothing and needs no network.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libqscintilla2-qt6-dev
    qt6-multimedia-dev libqt6multimedia6
    fonts-dejavu-core
    xdg-utils
    desktop-file-utils appstream libglib2.0-bin
    cups printer-driver-cups-pdf poppler-utils
    imagemagick libimage-exiftool-perl
    libenchant-2-dev hunspell-en-us
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
