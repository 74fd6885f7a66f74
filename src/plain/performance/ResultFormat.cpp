// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultFormat.h"

#include <array>
#include <cstddef>

#include "ModelConstants.h"
#include "TextNumbers.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

struct Column {
    const char* key;    // CSV and JSON
    const char* title;  // text table, first line; marked for the catalogue, shown translated
    const char* unit;   // text table, second line; likewise
    int decimals;
    double OperatingPoint::*value;
};

constexpr std::array<Column, 11> kColumns{{
    {"speed_kmh", textToTranslate("kelvarin::ResultFormat", "Скорость"),
     textToTranslate("kelvarin::ResultFormat", "км/ч"), 1, &OperatingPoint::speedKmh},
    {"rpm", textToTranslate("kelvarin::ResultFormat", "Обороты"),
     textToTranslate("kelvarin::ResultFormat", "об/мин"), 0, &OperatingPoint::rpm},
    {"thrust_n", textToTranslate("kelvarin::ResultFormat", "Тяга"),
     textToTranslate("kelvarin::ResultFormat", "Н"), 1, &OperatingPoint::thrustN},
    {"thrust_kgf", textToTranslate("kelvarin::ResultFormat", "Тяга"),
     textToTranslate("kelvarin::ResultFormat", "кгс"), 2, &OperatingPoint::thrustKgf},
    {"power_kw", textToTranslate("kelvarin::ResultFormat", "Мощность"),
     textToTranslate("kelvarin::ResultFormat", "кВт"), 3, &OperatingPoint::powerKw},
    {"power_hp", textToTranslate("kelvarin::ResultFormat", "Мощность"),
     textToTranslate("kelvarin::ResultFormat", "л.с."), 3, &OperatingPoint::powerHp},
    {"torque_nm", textToTranslate("kelvarin::ResultFormat", "Момент"),
     textToTranslate("kelvarin::ResultFormat", "Н·м"), 2, &OperatingPoint::torqueNm},
    {"efficiency", textToTranslate("kelvarin::ResultFormat", "КПД"), "", 4,
     &OperatingPoint::efficiency},
    {"advance_ratio", "J", "", 4, &OperatingPoint::advanceRatio},
    {"thrust_coefficient", "CT", "", 5, &OperatingPoint::thrustCoefficient},
    {"power_coefficient", "CP", "", 5, &OperatingPoint::powerCoefficient},
}};
constexpr std::size_t kAlwaysShown = 2;  // speed and rpm, even for a point without solution

// Characters on screen of a UTF-8 text.
std::size_t width(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) {
        n += (c & 0xC0) != 0x80;
    }
    return n;
}

std::string padLeft(const std::string& text, std::size_t to) {
    const std::size_t w = width(text);
    return w >= to ? text : std::string(to - w, ' ') + text;
}

// A column's title or unit in the user's language; the empty unit stays empty.
std::string shownText(const char* text) {
    return *text == '\0' ? std::string() : translatedText("kelvarin::ResultFormat", text);
}

std::string airLine(const AirState& air) {
    return withArguments(
               translatedText("kelvarin::ResultFormat",
                              "Воздух: высота %1 м, температура %2 °C, плотность %3 кг/м³"),
               {pointNumber(air.altitudeM, 0), pointNumber(air.temperatureK - kZeroCelsiusK, 1),
                pointNumber(air.densityKgM3, 4)}) +
           "\n";
}

// The balance with the engine, or where it was looked for in vain.
std::string balanceText(const std::optional<double>& rpm, const PerformanceSummary& summary) {
    return rpm ? withArguments(translatedText("kelvarin::ResultFormat", "при %1 об/мин"),
                               {pointNumber(*rpm, 0)})
               : withArguments(
                     translatedText("kelvarin::ResultFormat", "не достигается от %1 до %2 об/мин"),
                     {pointNumber(summary.balanceSearchFromRpm, 0),
                      pointNumber(summary.balanceSearchToRpm, 0)});
}

std::string engineLines(const EngineAndFlight& engine, const PerformanceSummary& summary) {
    std::string out =
        withArguments(translatedText("kelvarin::ResultFormat",
                                     "Двигатель: %1 л.с. при %2 об/мин; скорость расчетная "
                                     "%3 км/ч, максимальная %4 км/ч"),
                      {pointNumber(engine.enginePowerHp, 1), pointNumber(engine.rpm, 0),
                       pointNumber(engine.designSpeedKmh, 0), pointNumber(engine.maxSpeedKmh, 0)});
    out += '\n';
    const OperatingPoint& rest = summary.atRest;
    if (rest.converged) {
        out += withArguments(
            translatedText("kelvarin::ResultFormat",
                           "Статическая тяга при %1 об/мин: %2 кгс (%3 Н), винт поглощает "
                           "%4 л.с."),
            {pointNumber(engine.rpm, 0), pointNumber(rest.thrustKgf, 1),
             pointNumber(rest.thrustN, 0), pointNumber(rest.powerHp, 1)});
    } else {
        out += withArguments(translatedText("kelvarin::ResultFormat",
                                            "Статическую тягу при %1 об/мин рассчитать не удалось"),
                             {pointNumber(engine.rpm, 0)});
    }
    out += '\n';
    out += withArguments(
        translatedText("kelvarin::ResultFormat",
                       "Мощность двигателя %1 л.с. винт поглощает: на месте — %2; при %3 "
                       "км/ч — %4"),
        {pointNumber(engine.enginePowerHp, 1), balanceText(summary.balanceRpmAtRest, summary),
         pointNumber(engine.designSpeedKmh, 0),
         balanceText(summary.balanceRpmAtDesignSpeed, summary)});
    out += '\n';
    return out;
}

std::string optionalNumber(const std::optional<double>& value, int decimals) {
    return value ? pointNumber(*value, decimals) : "null";
}

std::string engineJson(const EngineAndFlight& engine, const PerformanceSummary& summary) {
    const OperatingPoint& rest = summary.atRest;
    const auto atRest = [&rest](double value, int decimals) {
        return rest.converged ? pointNumber(value, decimals) : std::string("null");
    };
    return "  \"engine\": {\"power_hp\": " + pointNumber(engine.enginePowerHp, 2) +
           ", \"rpm\": " + pointNumber(engine.rpm, 0) +
           ", \"design_speed_kmh\": " + pointNumber(engine.designSpeedKmh, 1) +
           ", \"max_speed_kmh\": " + pointNumber(engine.maxSpeedKmh, 1) +
           ", \"static_thrust_n\": " + atRest(rest.thrustN, 1) +
           ", \"static_thrust_kgf\": " + atRest(rest.thrustKgf, 2) +
           ", \"static_power_hp\": " + atRest(rest.powerHp, 3) +
           ", \"balance_rpm_at_rest\": " + optionalNumber(summary.balanceRpmAtRest, 0) +
           ", \"balance_rpm_at_design_speed\": " +
           optionalNumber(summary.balanceRpmAtDesignSpeed, 0) + "},\n";
}

std::string text(const std::vector<OperatingPoint>& points, const AirState& air) {
    constexpr std::size_t kWidth = 11;
    std::string out = airLine(air);
    std::string titles;
    std::string units;
    for (const Column& c : kColumns) {
        titles += padLeft(shownText(c.title), kWidth);
        units += padLeft(shownText(c.unit), kWidth);
    }
    out += titles + "\n" + units + "\n";
    for (const OperatingPoint& p : points) {
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            if (!p.converged && i == kAlwaysShown) {
                out += padLeft(translatedText("kelvarin::ResultFormat", "нет решения"), 14);
                break;
            }
            out += padLeft(pointNumber(p.*kColumns[i].value, kColumns[i].decimals), kWidth);
        }
        out += "\n";
    }
    return out;
}

std::string csv(const std::vector<OperatingPoint>& points) {
    std::string out;
    for (const Column& c : kColumns) {
        out += c.key;
        out += ',';
    }
    out += "converged\n";
    for (const OperatingPoint& p : points) {
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            if (p.converged || i < kAlwaysShown) {
                out += pointNumber(p.*kColumns[i].value, kColumns[i].decimals);
            }
            out += ',';
        }
        out += p.converged ? "1\n" : "0\n";
    }
    return out;
}

std::string json(const std::vector<OperatingPoint>& points, const AirState& air) {
    std::string out = "{\n  \"air\": {\"altitude_m\": " + pointNumber(air.altitudeM, 1) +
                      ", \"temperature_c\": " + pointNumber(air.temperatureK - kZeroCelsiusK, 2) +
                      ", \"pressure_pa\": " + pointNumber(air.pressurePa, 1) +
                      ", \"density_kg_m3\": " + pointNumber(air.densityKgM3, 5) + "},\n";
    out += "  \"points\": [";
    for (std::size_t n = 0; n < points.size(); ++n) {
        const OperatingPoint& p = points[n];
        out += n == 0 ? "\n    {" : ",\n    {";
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            out += "\"";
            out += kColumns[i].key;
            out += "\": ";
            out += p.converged || i < kAlwaysShown
                       ? pointNumber(p.*kColumns[i].value, kColumns[i].decimals)
                       : "null";
            out += ", ";
        }
        out += p.converged ? "\"converged\": true}" : "\"converged\": false}";
    }
    out += points.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

}  // namespace

std::optional<ResultFormat> parseResultFormat(std::string_view name) {
    if (name == "text") {
        return ResultFormat::Text;
    }
    if (name == "csv") {
        return ResultFormat::Csv;
    }
    if (name == "json") {
        return ResultFormat::Json;
    }
    return std::nullopt;
}

std::string formatResults(const std::vector<OperatingPoint>& points, const AirState& air,
                          ResultFormat format, const EngineAndFlight& engine,
                          const PerformanceSummary& summary) {
    std::string out = formatResults(points, air, format);
    switch (format) {
        case ResultFormat::Csv:
            return out;
        case ResultFormat::Json:
            // After the air's line, the first of the object.
            return out.insert(out.find('\n', 2) + 1, engineJson(engine, summary));
        case ResultFormat::Text:
            break;
    }
    return engineLines(engine, summary) + out;
}

std::string formatResults(const std::vector<OperatingPoint>& points, const AirState& air,
                          ResultFormat format) {
    switch (format) {
        case ResultFormat::Csv:
            return csv(points);
        case ResultFormat::Json:
            return json(points, air);
        case ResultFormat::Text:
            break;
    }
    return text(points, air);
}

}  // namespace kelvarin
