#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, checks the formatting, runs each fuzzer briefly
# (KELVARIN_FUZZ_SECONDS, 20 by default; 0 skips), builds with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test through ctest on Qt's offscreen platform, runs
# clang-tidy when KELVARIN_TIDY=1 (scripts/tidy.sh, a quarter of an hour on two cores), then
# builds the Release programs with warnings as errors, for what only the optimiser warns about.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# First, as it takes seconds: every source as the project's .clang-format has it.
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 clang-format --dry-run --Werror
fuzz_seconds="${KELVARIN_FUZZ_SECONDS:-20}"
if [ "$fuzz_seconds" != "0" ]; then
    scripts/fuzz.sh "$fuzz_seconds"
fi
cmake --preset asan
cmake --build --preset asan
QT_QPA_PLATFORM=offscreen ctest --preset asan
if [ "${KELVARIN_TIDY:-0}" != "0" ]; then
    scripts/tidy.sh
fi
cmake --preset release-strict
cmake --build --preset release-strict
