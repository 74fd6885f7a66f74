#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, ASan, UBSan) and runs each for a bounded time:
#   scripts/fuzz.sh [seconds-per-target, default 60]
# The seed corpora in fuzz/corpus are read, never written; findings go to build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/findings
status=0
for bin in build/fuzz/fuzz/fuzz_*; do
    name="${bin##*/fuzz_}"
    work="$(mktemp -d)"
    log="build/fuzz/findings/$name.log"
    # The longest input each may grow to: room for long texts and many edits, and for the
    # geometry file a line beyond the reader's limit of 4096 bytes. libFuzzer lengthens its
    # inputs only slowly by default (-len_control=100); a short run would never leave the
    # seeds' length.
    case "$name" in
        number_format | text_to_number) max_len=256 ;;
        calculation_run) max_len=1024 ;;
        outlines) max_len=2048 ;;
        performance) max_len=4096 ;;
        *) max_len=8192 ;;
    esac
    # The two that remember what they have already checked (fuzz/SeenBefore.h) grow that memory
    # on almost every new input, which libFuzzer takes for a possible leak and answers with a
    # stop-the-world leak check each time: eight times slower. Leaks are LeakSanitizer's job in
    # the asan test run.
    leaks=1
    case "$name" in
        calculation_run | outlines) leaks=0 ;;
    esac
    # One allocation above 256 MB is a finding: no input may ask for that much.
    if "$bin" -max_total_time="$seconds" -max_len="$max_len" -len_control=10 -detect_leaks="$leaks" \
        -malloc_limit_mb=256 -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="build/fuzz/findings/$name-" \
        "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
        runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
        speed="$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
        cov="$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)"
        echo "fuzz $name: ${runs:-?} runs in ${seconds} s (${speed:-?}/s), ${cov:-cov: ?}, no findings"
    else
        echo "fuzz $name: FAILED, see $log"
        tail -n 40 "$log"
        status=1
    fi
    rm -rf "$work"
done
exit "$status"
