#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Kelvarin need,
# only those that are missing. Safe to run any number of times.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-charts-dev qt6-tools-dev qt6-l10n-tools
    libcups2-dev
    libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
    cups printer-driver-cups-pdf
    qt6-svg-dev libdxflib-dev python3 python3-ezdxf
    fonts-dejavu-core
    xvfb xauth
    fp-utils xchm xdg-utils
    desktop-file-utils appstream shared-mime-info qt6-translations-l10n
    dpkg-dev file
    clang-format clang-tidy-14
    clang-14 libclang-rt-14-dev
    libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
    libocct-data-exchange-dev libtbb-dev admesh
    libqt6opengl6-dev libgl-dev libgl1-mesa-dri
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
