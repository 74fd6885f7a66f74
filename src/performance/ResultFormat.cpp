// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultFormat.h"

#include <array>
#include <cstddef>

#include "ModelConstants.h"
#include "TextNumbers.h"

namespace kelvarin::performance {

namespace {

struct Column {
    const char* key;    // CSV and JSON
    const char* title;  // text table, first line
    const char* unit;   // text table, second line
    int decimals;
    double OperatingPoint::*value;
};

constexpr std::array<Column, 11> kColumns{{
    {"speed_kmh", "Скорость", "км/ч", 1, &OperatingPoint::speedKmh},
    {"rpm", "Обороты", "об/мин", 0, &OperatingPoint::rpm},
    {"thrust_n", "Тяга", "Н", 1, &OperatingPoint::thrustN},
    {"thrust_kgf", "Тяга", "кгс", 2, &OperatingPoint::thrustKgf},
    {"power_kw", "Мощность", "кВт", 3, &OperatingPoint::powerKw},
    {"power_hp", "Мощность", "л.с.", 3, &OperatingPoint::powerHp},
    {"torque_nm", "Момент", "Н·м", 2, &OperatingPoint::torqueNm},
    {"efficiency", "КПД", "", 4, &OperatingPoint::efficiency},
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

std::string airLine(const AirState& air) {
    return "Воздух: высота " + pointNumber(air.altitudeM, 0) + " м, температура " +
           pointNumber(air.temperatureK - kZeroCelsiusK, 1) + " °C, плотность " +
           pointNumber(air.densityKgM3, 4) + " кг/м³\n";
}

// The balance with the engine, or where it was looked for in vain.
std::string balanceText(const std::optional<double>& rpm, const PerformanceSummary& summary) {
    return rpm ? "при " + pointNumber(*rpm, 0) + " об/мин"
               : "не достигается от " + pointNumber(summary.balanceSearchFromRpm, 0) + " до " +
                     pointNumber(summary.balanceSearchToRpm, 0) + " об/мин";
}

std::string engineLines(const EngineAndFlight& engine, const PerformanceSummary& summary) {
    std::string out = "Двигатель: " + pointNumber(engine.enginePowerHp, 1) + " л.с. при " +
                      pointNumber(engine.rpm, 0) + " об/мин; скорость расчетная " +
                      pointNumber(engine.designSpeedKmh, 0) + " км/ч, максимальная " +
                      pointNumber(engine.maxSpeedKmh, 0) + " км/ч\n";
    const OperatingPoint& rest = summary.atRest;
    if (rest.converged) {
        out += "Статическая тяга при " + pointNumber(engine.rpm, 0) +
               " об/мин: " + pointNumber(rest.thrustKgf, 1) + " кгс (" +
               pointNumber(rest.thrustN, 0) + " Н), винт поглощает " +
               pointNumber(rest.powerHp, 1) + " л.с.\n";
    } else {
        out += "Статическую тягу при " + pointNumber(engine.rpm, 0) +
               " об/мин рассчитать не удалось\n";
    }
    out += "Мощность двигателя " + pointNumber(engine.enginePowerHp, 1) +
           " л.с. винт поглощает: на месте — " + balanceText(summary.balanceRpmAtRest, summary) +
           "; при " + pointNumber(engine.designSpeedKmh, 0) + " км/ч — " +
           balanceText(summary.balanceRpmAtDesignSpeed, summary) + "\n";
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
        titles += padLeft(c.title, kWidth);
        units += padLeft(c.unit, kWidth);
    }
    out += titles + "\n" + units + "\n";
    for (const OperatingPoint& p : points) {
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            if (!p.converged && i == kAlwaysShown) {
                out += "   нет решения";
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

}  // namespace kelvarin::performance
