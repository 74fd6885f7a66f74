#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds a Release of Kelvarin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target kelvarin
exec build/release/kelvarin "$@"
