#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, makes the Debian package from the Release build (building what is not
# built yet) and installs it: as root directly, as a user through sudo.
#   scripts/package.sh [--no-install]
set -euo pipefail
cd "$(dirname "$0")/.."
install=1
case "${1:-}" in
    "") ;;
    --no-install) install=0 ;;
    *)
        echo "usage: scripts/package.sh [--no-install]" >&2
        exit 2
        ;;
esac
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
# Only the package made now, not one of an older version left in the folder.
rm -f build/release/kelvarin_*.deb
(cd build/release && cpack -G DEB)
deb="$(echo build/release/kelvarin_*.deb)"
echo "Package: $deb"
if [ "$install" -eq 0 ]; then
    exit 0
fi
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
# apt-get takes a file only as a path, and installs the packages it depends on.
"${sudo_cmd[@]}" apt-get install -y "./$deb"
