// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EnginePowerCurve.h"

#include <cmath>

#include "core/NumberFormat.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

std::string shown(double value) {
    return std::isfinite(value) ? formatGeneral(value, 7, 0) : std::string("?");
}

}  // namespace

EnginePowerCurveProblem enginePowerCurveProblem(const EnginePowerCurve& curve) {
    if (curve.empty()) {
        return {};
    }
    if (curve.size() < 2 || curve.size() > kCurveMaxPoints) {
        return {withArguments(translatedText("kelvarin::EnginePowerCurve",
                                             "В кривой мощности двигателя должно быть от 2 до %1 "
                                             "точек, а их %2."),
                              {std::to_string(kCurveMaxPoints), std::to_string(curve.size())}),
                std::nullopt};
    }
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const EnginePowerPoint& p = curve[i];
        const std::string number = std::to_string(i + 1);
        if (!std::isfinite(p.rpm) || p.rpm < kCurveMinRpm || p.rpm > kCurveMaxRpm) {
            return {withArguments(translatedText("kelvarin::EnginePowerCurve",
                                                 "Кривая мощности, точка %1: обороты должны быть "
                                                 "от %2 до %3 об/мин, задано: %4."),
                                  {number, shown(kCurveMinRpm), shown(kCurveMaxRpm), shown(p.rpm)}),
                    i};
        }
        if (i > 0 && !(p.rpm > curve[i - 1].rpm)) {
            return {withArguments(
                        translatedText("kelvarin::EnginePowerCurve",
                                       "Кривая мощности, точка %1: обороты (%2 об/мин) должны быть "
                                       "больше, чем в предыдущей точке (%3 об/мин)."),
                        {number, shown(p.rpm), shown(curve[i - 1].rpm)}),
                    i};
        }
        if (!std::isfinite(p.powerHp) || p.powerHp <= 0 || p.powerHp > kCurveMaxPowerHp) {
            return {withArguments(translatedText("kelvarin::EnginePowerCurve",
                                                 "Кривая мощности, точка %1: мощность должна быть "
                                                 "больше 0 и не больше %2 л.с., задано: %3 л.с."),
                                  {number, shown(kCurveMaxPowerHp), shown(p.powerHp)}),
                    i};
        }
    }
    return {};
}

}  // namespace kelvarin
