// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

#include "cli/CalcOutput.h"
#include "core/CalculationRun.h"
#include "core/SanityLine.h"

extern char** environ;

namespace {

using namespace kelvarin;

constexpr int kBatchSize = 10'000;

// Ten thousand different designs in the calculated mode: powers 5 to 54 hp, speeds 1500 to
// 3490 rev/min, as a batch over a range of engines would have them.
std::vector<FieldTexts> batch() {
    std::vector<FieldTexts> designs;
    designs.reserve(kBatchSize);
    for (int i = 0; i < kBatchSize; ++i) {
        FieldTexts texts = startTexts();
        texts[fieldIndex(InputField::Power)] = std::to_string(5 + i % 50);
        texts[fieldIndex(InputField::PropellerSpeed)] = std::to_string(1500 + 10 * (i / 50));
        designs.push_back(texts);
    }
    return designs;
}

// What a batch through the library costs: each design calculated (sizing, the eleven
// stations, the nine section profiles) and its sanity figures taken.
void BM_BatchOfDesigns(benchmark::State& state) {
    const std::vector<FieldTexts> designs = batch();
    for (auto _ : state) {
        for (const FieldTexts& texts : designs) {
            const CalculationOutcome outcome = runCalculation(texts, InputMode::Calculated);
            benchmark::DoNotOptimize(sanityFigures(outcome.design, outcome.engine));
        }
    }
    state.SetItemsProcessed(state.iterations() * kBatchSize);
}
BENCHMARK(BM_BatchOfDesigns)->Unit(benchmark::kMillisecond);

// The same batch with each design's CSV rows made, as `calc --format csv` prints them.
void BM_BatchOfDesignsToCsv(benchmark::State& state) {
    const std::vector<FieldTexts> designs = batch();
    for (auto _ : state) {
        for (const FieldTexts& texts : designs) {
            const CalculationOutcome outcome = runCalculation(texts, InputMode::Calculated);
            benchmark::DoNotOptimize(calcCsv(outcome, InputMode::Calculated));
        }
    }
    state.SetItemsProcessed(state.iterations() * kBatchSize);
}
BENCHMARK(BM_BatchOfDesignsToCsv)->Unit(benchmark::kMillisecond);

// `kelvarin-cli calc` with the start figures as a whole process, from spawning it to its exit,
// its output thrown away.
void BM_CalcAsAProcess(benchmark::State& state, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KELVARIN_CLI);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("kelvarin-cli calc did not finish cleanly");
            break;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK_CAPTURE(BM_CalcAsAProcess, text,
                  {"calc", "--power", "14", "--rpm", "2300", "--vmax", "50", "--vdesign", "40"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalcAsAProcess, json,
                  {"calc", "--power", "14", "--rpm", "2300", "--vmax", "50", "--vdesign", "40",
                   "--format", "json"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
