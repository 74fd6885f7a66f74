// SPDX-License-Identifier: GPL-3.0-or-later
#include "PerformanceCurves.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "InflowSolver.h"
#include "ModelConstants.h"
#include "PerformanceError.h"
#include "TextNumbers.h"
#include "core/Translation.h"

namespace kelvarin {

SpeedRange parseSpeedRange(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = text.find(':', start);
        parts.push_back(
            text.substr(start, colon == std::string_view::npos ? colon : colon - start));
        if (colon == std::string_view::npos) {
            break;
        }
        start = colon + 1;
    }
    const std::string shown(text.substr(0, 40));
    if (parts.size() != 3) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PerformanceCurves",
                           "Диапазон скоростей «%1» нужно задать как начало:конец:шаг в км/ч, "
                           "например 0:100:5."),
            {shown}));
    }
    double values[3] = {};
    const char* const names[3] = {
        textToTranslate("kelvarin::PerformanceCurves",
                        "Диапазон скоростей «%1»: начало — не число."),
        textToTranslate("kelvarin::PerformanceCurves",
                        "Диапазон скоростей «%1»: конец — не число."),
        textToTranslate("kelvarin::PerformanceCurves", "Диапазон скоростей «%1»: шаг — не число."),
    };
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> v = parseNumber(parts[static_cast<std::size_t>(i)]);
        if (!v) {
            throw PerformanceError(
                withArguments(translatedText("kelvarin::PerformanceCurves", names[i]), {shown}));
        }
        values[i] = *v;
    }
    return {values[0], values[1], values[2]};
}

std::vector<double> speedsOf(const SpeedRange& range) {
    checkSpeed(range.fromKmh);
    checkSpeed(range.toKmh);
    if (range.toKmh < range.fromKmh) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PerformanceCurves",
                           "Конечная скорость диапазона (%1 км/ч) меньше начальной (%2 км/ч)."),
            {russianNumber(range.toKmh, 1), russianNumber(range.fromKmh, 1)}));
    }
    if (!std::isfinite(range.stepKmh) || range.stepKmh <= 0 ||
        (range.toKmh - range.fromKmh) / range.stepKmh > kMaxSweepPoints - 1) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PerformanceCurves",
                           "Шаг скорости должен быть больше 0 и давать не больше %1 точек, "
                           "задано: %2 км/ч."),
            {std::to_string(kMaxSweepPoints), russianNumber(range.stepKmh, 3)}));
    }
    std::vector<double> speeds;
    for (int i = 0;; ++i) {
        const double v = range.fromKmh + i * range.stepKmh;
        // A last step that falls short by rounding alone still ends on the given top speed.
        if (v >= range.toKmh - 1e-9 * std::max(1.0, range.toKmh)) {
            speeds.push_back(range.toKmh);
            break;
        }
        speeds.push_back(v);
    }
    return speeds;
}

std::vector<OperatingPoint> speedSweep(const PropellerAnalysis& analysis, double rpm,
                                       const std::vector<double>& speedsKmh) {
    std::vector<OperatingPoint> points;
    points.reserve(speedsKmh.size());
    for (double v : speedsKmh) {
        points.push_back(analysis.operatingPoint(v, rpm));
    }
    return points;
}

std::vector<OperatingPoint> rpmSweep(const PropellerAnalysis& analysis, double speedKmh,
                                     double fromRpm, double toRpm, int count) {
    checkRpm(fromRpm);
    checkRpm(toRpm);
    count = std::clamp(count, 2, kMaxSweepPoints);
    std::vector<OperatingPoint> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double rpm = fromRpm + (toRpm - fromRpm) * i / (count - 1);
        points.push_back(analysis.operatingPoint(speedKmh, rpm));
    }
    return points;
}

std::optional<double> rpmAbsorbing(const PropellerAnalysis& analysis, double speedKmh,
                                   double powerKw, double lowRpm, double highRpm) {
    checkRpm(lowRpm);
    checkRpm(highRpm);
    if (!std::isfinite(powerKw) || powerKw <= 0 || highRpm <= lowRpm) {
        return std::nullopt;
    }
    // Power grows roughly as the cube of the rpm: scan on a geometric ladder for the first rise
    // through the engine's power, then close in; a point without solution breaks the ladder.
    constexpr int kSteps = 16;
    const auto excess = [&](double rpm) {
        const OperatingPoint p = analysis.operatingPoint(speedKmh, rpm);
        return p.converged ? p.powerKw - powerKw : std::nan("");
    };
    const double ratio = std::pow(highRpm / lowRpm, 1.0 / kSteps);
    double lo = lowRpm;
    double fLo = excess(lo);
    for (int i = 1; i <= kSteps; ++i) {
        const double hi = i == kSteps ? highRpm : lowRpm * std::pow(ratio, i);
        const double fHi = excess(hi);
        if (std::isfinite(fLo) && std::isfinite(fHi) && fLo < 0 && fHi >= 0) {
            return bracketedRoot(excess, lo, hi, 0.5, 200);
        }
        lo = hi;
        fLo = fHi;
    }
    return std::nullopt;
}

void checkEngineAndFlight(const EngineAndFlight& input) {
    if (!std::isfinite(input.enginePowerHp) || input.enginePowerHp <= 0 ||
        input.enginePowerHp > 5000) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::PerformanceCurves",
                           "Мощность двигателя должна быть больше 0 и не больше 5000 л.с., "
                           "задано: %1 л.с."),
            {russianNumber(input.enginePowerHp, 1)}));
    }
    checkRpm(input.rpm);
    checkSpeed(input.designSpeedKmh);
    checkSpeed(input.maxSpeedKmh);
    if (std::max(input.designSpeedKmh, input.maxSpeedKmh) <= 0) {
        throw PerformanceError(translatedText("kelvarin::PerformanceCurves",
                                              "Для кривых тяги по скорости нужна максимальная или "
                                              "расчетная скорость больше 0 км/ч."));
    }
}

PerformanceSummary summarize(const PropellerAnalysis& analysis, const EngineAndFlight& input) {
    checkEngineAndFlight(input);
    PerformanceSummary s;
    s.enginePowerKw = input.enginePowerHp * kMetricHorsepowerW / 1000.0;
    s.atRest = analysis.operatingPoint(0, input.rpm);

    const double topSpeed = std::max(input.maxSpeedKmh, input.designSpeedKmh);
    std::vector<double> speeds(kSpeedCurvePoints);
    for (int i = 0; i < kSpeedCurvePoints; ++i) {
        speeds[static_cast<std::size_t>(i)] = topSpeed * i / (kSpeedCurvePoints - 1);
    }
    s.bySpeed = speedSweep(analysis, input.rpm, speeds);

    const double lowRpm = std::max(kMinRpm, 0.25 * input.rpm);
    const double searchTop = std::min(kMaxRpm, 3.0 * input.rpm);
    s.balanceSearchFromRpm = lowRpm;
    s.balanceSearchToRpm = searchTop;
    s.balanceRpmAtRest = rpmAbsorbing(analysis, 0, s.enginePowerKw, lowRpm, searchTop);
    s.balanceRpmAtDesignSpeed =
        rpmAbsorbing(analysis, input.designSpeedKmh, s.enginePowerKw, lowRpm, searchTop);
    double topRpm = 1.3 * input.rpm;
    for (const auto& balance : {s.balanceRpmAtRest, s.balanceRpmAtDesignSpeed}) {
        if (balance) {
            topRpm = std::max(topRpm, 1.15 * *balance);
        }
    }
    topRpm = std::min(topRpm, kMaxRpm);
    s.powerAtRest = rpmSweep(analysis, 0, lowRpm, topRpm, kPowerCurvePoints);
    s.powerAtDesignSpeed =
        rpmSweep(analysis, input.designSpeedKmh, lowRpm, topRpm, kPowerCurvePoints);
    return s;
}

}  // namespace kelvarin
