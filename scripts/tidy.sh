#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the project's .clang-tidy over every source of the programs, libraries,
# tests and benchmarks, as the asan preset compiles them (configuring it when needed), two at a
# time or KELVARIN_TIDY_JOBS. Any finding fails; `scripts/tidy.sh REGEX` checks only the files
# whose path matches it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ ! -f build/asan/compile_commands.json ]; then
    cmake --preset asan >/dev/null
fi
# The project's own files, not the build tree's generated ones, as run-clang-tidy's regular
# expression; the folder's path quoted for it.
root="$(pwd -P | sed 's/[][\.*^$+?(){}|]/\\&/g')"
files="${1:-^$root/(src|tests|bench)/}"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy-14 -p build/asan -quiet -j "${KELVARIN_TIDY_JOBS:-2}" "$files" >"$log" 2>&1 || status=$?
# The findings alone: no colours, no command lines, no count of what was looked at in the
# system's headers.
sed 's/\x1b\[[0-9;]*m//g' "$log" |
    grep -v '^clang-tidy-14 \|^[0-9]* warnings\? generated\.$\|^Suppressed [0-9]* warnings\|^Use -header-filter' ||
    true
exit "$status"
