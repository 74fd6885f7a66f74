// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis against every published data set in tests/plain/performance/data: mean CT and CP
// errors per set over its unstalled range, the held-back sets apart. Run it before and after a
// change of model to see what the change did where; with -v, every point measured and analysed.
#include <cstdio>
#include <cstring>
#include <exception>

#include "ValidationData.h"

int main(int argc, char** argv) {
    const bool verbose = argc > 1 && std::strcmp(argv[1], "-v") == 0;
    const int folderArgument = verbose ? 2 : 1;
    using namespace kelvarin;
    try {
        const auto sets = readValidationSets(argc > folderArgument ? argv[folderArgument]
                                                                   : KELVARIN_VALIDATION_DATA);
        int within = 0;
        for (const bool heldBack : {false, true}) {
            std::printf("%s\n%-36s %6s %8s %8s\n", heldBack ? "\nheld back" : "tuned on", "set",
                        "points", "CT err", "CP err");
            for (const ValidationSet& set : sets) {
                if (set.heldBack != heldBack) {
                    continue;
                }
                const SetErrors e = errorsOf(set);
                within += e.thrust < 0.1 && e.power < 0.1;
                std::printf("%-36s %6d %7.1f%% %7.1f%%\n", set.name.c_str(), e.points,
                            100 * e.thrust, 100 * e.power);
                if (!verbose) {
                    continue;
                }
                const PropellerAnalysis analysis(set.geometry, airAt(0));
                for (const MeasuredPoint& p : set.points) {
                    const OperatingPoint o = analysedAt(analysis, p);
                    std::printf("  %c J %5.3f rpm %5.0f  CT %6.4f / %6.4f  CP %6.4f / %6.4f\n",
                                isUnstalled(set, p) ? ' ' : 'x', p.advanceRatio, p.rpm,
                                p.thrustCoefficient, o.thrustCoefficient,
                                p.powerCoefficient.value_or(0), o.powerCoefficient);
                }
            }
        }
        std::printf("\n%d of %zu sets within 10 %%\n", within, sets.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
