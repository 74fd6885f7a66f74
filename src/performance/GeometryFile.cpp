// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometryFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include "PerformanceError.h"
#include "TextNumbers.h"
#include "translation/Translation.h"

namespace kelvarin::performance {

namespace {

constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr std::size_t kMaxLineBytes = 4096;
constexpr std::size_t kMaxStations = 1000;

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    const bool semicolons = line.find(';') != std::string_view::npos;
    const bool commas = !semicolons && line.find(',') != std::string_view::npos;
    const auto isSeparator = [&](char c) {
        if (semicolons) {
            return c == ';';
        }
        if (commas) {
            return c == ',';
        }
        return c == ' ' || c == '\t';
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || isSeparator(line[i])) {
            std::string_view field = line.substr(start, i - start);
            while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) {
                field.remove_prefix(1);
            }
            while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) {
                field.remove_suffix(1);
            }
            // Runs of spaces separate one gap, not empty fields.
            if (!field.empty() || commas || semicolons) {
                fields.push_back(field);
            }
            start = i + 1;
        }
    }
    return fields;
}

// The field, cut short, for a message to quote; cut between characters, so that a field in
// Cyrillic leaves the message readable UTF-8.
std::string shown(std::string_view field) {
    constexpr std::size_t kShownBytes = 40;
    if (field.size() <= kShownBytes) {
        return std::string(field);
    }
    std::size_t end = kShownBytes;
    while (end > 0 && (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80) {
        --end;
    }
    return std::string(field.substr(0, end)) + "…";
}

}  // namespace

std::optional<AngleDatum> parseAngleDatum(std::string_view name) {
    if (name == "chord") {
        return AngleDatum::ChordLine;
    }
    if (name == "face") {
        return AngleDatum::FlatFace;
    }
    return std::nullopt;
}

PropellerGeometry readGeometry(std::istream& in, const std::string& fileName,
                               const GeometryFileOptions& options) {
    const std::string where =
        withArguments(translatedText("kelvarin::GeometryFile", "Файл геометрии «%1»"), {fileName});
    PropellerGeometry geometry;
    geometry.diameterM = options.diameterM;
    geometry.bladeCount = options.bladeCount;

    // What a field that is no number is taken for, by its column.
    static const char* const kNotANumber[5] = {
        textToTranslate("kelvarin::GeometryFile",
                        "%1относительный радиус «%2» — не число (дробную часть отделяйте "
                        "точкой, а при разделителе «;» можно и запятой)."),
        textToTranslate("kelvarin::GeometryFile",
                        "%1относительная хорда «%2» — не число (дробную часть отделяйте "
                        "точкой, а при разделителе «;» можно и запятой)."),
        textToTranslate("kelvarin::GeometryFile",
                        "%1угол установки «%2» — не число (дробную часть отделяйте "
                        "точкой, а при разделителе «;» можно и запятой)."),
        textToTranslate("kelvarin::GeometryFile",
                        "%1относительная толщина «%2» — не число (дробную часть отделяйте "
                        "точкой, а при разделителе «;» можно и запятой)."),
        textToTranslate("kelvarin::GeometryFile",
                        "%1относительная кривизна «%2» — не число (дробную часть "
                        "отделяйте точкой, а при разделителе «;» можно и запятой)."),
    };
    std::string line;
    int lineNumber = 0;
    bool headerAllowed = true;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string at =
            withArguments(translatedText("kelvarin::GeometryFile", "%1, строка %2: "),
                          {where, std::to_string(lineNumber)});
        if (line.size() > kMaxLineBytes) {
            throw PerformanceError(at + withArguments(translatedText("kelvarin::GeometryFile",
                                                                     "строка длиннее %1 символов."),
                                                      {std::to_string(kMaxLineBytes)}));
        }
        std::string_view text(line);
        if (lineNumber == 1 && text.substr(0, 3) == "\xEF\xBB\xBF") {
            text.remove_prefix(3);  // a byte order mark from a spreadsheet
        }
        while (!text.empty() &&
               (text.back() == '\r' || text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
        }
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
            text.remove_prefix(1);
        }
        if (text.empty() || text.front() == '#') {
            continue;
        }
        const std::vector<std::string_view> fields = splitFields(text);
        std::vector<double> values;
        std::optional<std::size_t> bad;
        for (std::size_t i = 0; i < fields.size() && i < 5; ++i) {
            const std::optional<double> v = parseNumber(fields[i]);
            if (!v) {
                bad = i;
                break;
            }
            values.push_back(*v);
        }
        if (bad && headerAllowed && values.empty()) {
            headerAllowed = false;  // column names
            continue;
        }
        headerAllowed = false;
        if (bad) {
            throw PerformanceError(
                withArguments(translatedText("kelvarin::GeometryFile", kNotANumber[*bad]),
                              {at, shown(fields[*bad])}));
        }
        if (fields.size() != 4 && fields.size() != 5) {
            throw PerformanceError(
                at + withArguments(
                         translatedText(
                             "kelvarin::GeometryFile",
                             "нужно 4 числа через запятую (относительный радиус, относительная "
                             "хорда, угол установки в градусах, относительная толщина; пятым "
                             "числом можно указать относительную кривизну), а найдено %1."),
                         {std::to_string(fields.size())}));
        }
        if (geometry.stations.size() >= kMaxStations) {
            throw PerformanceError(
                at + withArguments(translatedText("kelvarin::GeometryFile", "станций больше %1."),
                                   {std::to_string(kMaxStations)}));
        }
        BladeStation station{values[0], values[1], values[2], values[3]};
        if (values.size() == 5) {
            station.camberRatio = values[4];
        }
        if (options.angleDatum == AngleDatum::FlatFace) {
            station = fromFlatFace(station);
        }
        const double previous =
            geometry.stations.empty() ? 0.0 : geometry.stations.back().radiusFraction;
        const std::string fault = stationFault(station, previous);
        if (!fault.empty()) {
            throw PerformanceError(at + fault);
        }
        geometry.stations.push_back(station);
    }
    if (in.bad()) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::GeometryFile", "%1: не удалось дочитать файл."), {where}));
    }
    if (geometry.stations.empty()) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::GeometryFile",
                           "%1: нет ни одной станции (строки «r/R, c/R, угол, t/c»)."),
            {where}));
    }
    try {
        validateGeometry(geometry);
    } catch (const PerformanceError& e) {
        throw PerformanceError(where + ": " + e.what());
    }
    return geometry;
}

PropellerGeometry readGeometryFile(const std::string& path, const GeometryFileOptions& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int error = errno;  // before the catalogue is asked
        throw PerformanceError(withArguments(
            translatedText("kelvarin::GeometryFile", "Не удалось открыть файл геометрии «%1»: %2."),
            {path, std::strerror(error)}));
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > static_cast<std::streamoff>(kMaxFileBytes)) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::GeometryFile",
                           "Файл геометрии «%1» больше мегабайта: это не таблица станций лопасти."),
            {path}));
    }
    return readGeometry(in, path, options);
}

}  // namespace kelvarin::performance
