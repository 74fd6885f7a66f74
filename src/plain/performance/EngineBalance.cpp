// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineBalance.h"

#include <algorithm>
#include <cmath>

#include "InflowSolver.h"
#include "ModelConstants.h"
#include "TextNumbers.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

constexpr double kSearchFromRated = 0.05;
constexpr double kSearchToRated = 4.0;
constexpr double kBracketFactor = 1.25;
constexpr double kRpmTolerance = 0.5;
constexpr int kMaxBrentIterations = 100;

double toKw(double hp) {
    return hp * kMetricHorsepowerW / 1000.0;
}

}  // namespace

double enginePowerKw(const EngineAndFlight& engine, double rpm) {
    const EnginePowerCurve& curve = engine.powerCurve;
    if (curve.size() < 2) {
        return toKw(engine.enginePowerHp) * std::min(1.0, rpm / engine.rpm);
    }
    if (rpm <= curve.front().rpm) {
        return toKw(curve.front().powerHp) * rpm / curve.front().rpm;
    }
    for (std::size_t i = 1; i < curve.size(); ++i) {
        if (rpm <= curve[i].rpm) {
            const EnginePowerPoint& a = curve[i - 1];
            const EnginePowerPoint& b = curve[i];
            return toKw(a.powerHp + (b.powerHp - a.powerHp) * (rpm - a.rpm) / (b.rpm - a.rpm));
        }
    }
    return toKw(curve.back().powerHp);
}

BalancedPoint balancedPoint(const PropellerAnalysis& analysis, const EngineAndFlight& engine,
                            double speedKmh) {
    checkEngineAndFlight(engine);
    checkSpeed(speedKmh);
    BalancedPoint b;
    b.speedKmh = speedKmh;
    b.searchFromRpm = std::max(kMinRpm, kSearchFromRated * engine.rpm);
    b.searchToRpm = std::min(kMaxRpm, kSearchToRated * engine.rpm);
    const auto excess = [&](double rpm) {
        const OperatingPoint p = analysis.operatingPoint(speedKmh, rpm);
        return p.converged ? p.powerKw - enginePowerKw(engine, rpm) : std::nan("");
    };
    // Out from the rated rpm, where a sound propeller balances, until the excess changes sign.
    double lo = engine.rpm;
    double hi = engine.rpm;
    double f = excess(engine.rpm);
    if (!std::isfinite(f)) {
        return b;
    }
    const bool heavy = f > 0;
    while (true) {
        double& moving = heavy ? lo : hi;
        (heavy ? hi : lo) = moving;
        const double next = heavy ? std::max(b.searchFromRpm, moving / kBracketFactor)
                                  : std::min(b.searchToRpm, moving * kBracketFactor);
        if (next == moving) {
            b.outcome = heavy ? BalancedPoint::Outcome::TooHeavy : BalancedPoint::Outcome::TooLight;
            return b;
        }
        moving = next;
        f = excess(moving);
        if (!std::isfinite(f)) {
            return b;
        }
        if ((f > 0) != heavy) {
            break;
        }
    }
    const std::optional<double> rpm =
        bracketedRoot(excess, lo, hi, kRpmTolerance, kMaxBrentIterations);
    if (!rpm) {
        return b;
    }
    b.point = analysis.operatingPoint(speedKmh, *rpm);
    if (!b.point.converged) {
        return b;
    }
    b.outcome = BalancedPoint::Outcome::Found;
    const double tipSpeed = *rpm / 60.0 * kPi * analysis.geometry().diameterM;
    b.tipMach = tipSpeed / analysis.air().speedOfSoundMS;
    return b;
}

std::vector<OperatingPoint> balancedSweep(const PropellerAnalysis& analysis,
                                          const EngineAndFlight& engine,
                                          const std::vector<double>& speedsKmh) {
    std::vector<OperatingPoint> points;
    points.reserve(speedsKmh.size());
    for (double v : speedsKmh) {
        const BalancedPoint b = balancedPoint(analysis, engine, v);
        OperatingPoint p = b.point;
        if (!b.found()) {
            p = OperatingPoint{};
            p.speedKmh = v;
            p.rpm = engine.rpm;
        }
        points.push_back(p);
    }
    return points;
}

std::string rpmVerdict(const EngineAndFlight& engine, const BalancedPoint& balance) {
    const std::string rated = russianNumber(engine.rpm, 0);
    switch (balance.outcome) {
        case BalancedPoint::Outcome::TooHeavy:
            return withArguments(
                translatedText("kelvarin::EngineBalance",
                               "Винт слишком тяжел для двигателя: он поглощает больше мощности "
                               "двигателя уже при %1 об/мин, а номинальные обороты %2 об/мин."),
                {russianNumber(balance.searchFromRpm, 0), rated});
        case BalancedPoint::Outcome::TooLight:
            return withArguments(
                translatedText("kelvarin::EngineBalance",
                               "Винт слишком легок для двигателя: даже при %1 об/мин он "
                               "поглощает меньше мощности двигателя; номинальные обороты %2 "
                               "об/мин."),
                {russianNumber(balance.searchToRpm, 0), rated});
        case BalancedPoint::Outcome::NoSolution:
            return translatedText("kelvarin::EngineBalance",
                                  "Обороты равновесия винта с двигателем найти не удалось: расчет "
                                  "не сходится.");
        case BalancedPoint::Outcome::Found:
            break;
    }
    const double rpm = balance.point.rpm;
    const double percent = std::abs(rpm - engine.rpm) / engine.rpm * 100.0;
    if (percent <= kRatedRpmMarginPercent) {
        return withArguments(translatedText("kelvarin::EngineBalance",
                                            "Двигатель выходит на номинальные обороты: %1 об/мин "
                                            "при номинальных %2 об/мин."),
                             {russianNumber(rpm, 0), rated});
    }
    if (rpm < engine.rpm) {
        return withArguments(
            translatedText("kelvarin::EngineBalance",
                           "Двигатель не наберет номинальных оборотов: винт тяжел, обороты "
                           "только %1 об/мин — на %2 об/мин (%3 %) меньше номинальных %4 об/мин."),
            {russianNumber(rpm, 0), russianNumber(engine.rpm - rpm, 0), russianNumber(percent, 0),
             rated});
    }
    return withArguments(
        translatedText("kelvarin::EngineBalance",
                       "Двигатель раскрутится выше номинальных оборотов: винт легок, обороты "
                       "%1 об/мин — на %2 об/мин (%3 %) больше номинальных %4 об/мин."),
        {russianNumber(rpm, 0), russianNumber(rpm - engine.rpm, 0), russianNumber(percent, 0),
         rated});
}

EngineBalances engineBalances(const PropellerAnalysis& analysis, const EngineAndFlight& engine) {
    return {balancedPoint(analysis, engine, 0),
            balancedPoint(analysis, engine, engine.designSpeedKmh)};
}

std::string balanceLines(const EngineAndFlight& engine, const EngineBalances& balances) {
    std::string out;
    for (const BalancedPoint* b : {&balances.atRest, &balances.atDesignSpeed}) {
        const std::string where =
            b->speedKmh == 0
                ? translatedText("kelvarin::EngineBalance", "на месте")
                : withArguments(translatedText("kelvarin::EngineBalance", "при %1 км/ч"),
                                {pointNumber(b->speedKmh, 0)});
        if (b->found()) {
            const OperatingPoint& p = b->point;
            out += withArguments(
                translatedText("kelvarin::EngineBalance",
                               "С двигателем %1: тяга %2 кгс при %3 об/мин, мощность %4 л.с., "
                               "КПД %5, число Маха конца лопасти %6"),
                {where, pointNumber(p.thrustKgf, 1), pointNumber(p.rpm, 0),
                 pointNumber(p.powerHp, 1), pointNumber(p.efficiency, 2),
                 pointNumber(b->tipMach, 2)});
        } else {
            out += withArguments(translatedText("kelvarin::EngineBalance", "С двигателем %1: %2"),
                                 {where, rpmVerdict(engine, *b)});
        }
        out += '\n';
    }
    if (balances.atRest.found()) {
        out += rpmVerdict(engine, balances.atRest) + '\n';
    }
    return out;
}

}  // namespace kelvarin
