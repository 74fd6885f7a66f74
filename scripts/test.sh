#!/usr/bin/env bash
# Sets up what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test through ctest on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset asan
cmake --build --preset asan
QT_QPA_PLATFORM=offscreen ctest --preset asan
