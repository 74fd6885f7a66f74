// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

#include "PerformanceError.h"
#include "TextNumbers.h"
#include "core/MessageText.h"
#include "core/Translation.h"

namespace kelvarin {

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

// Why a geometry file does not open, worded as the design reader and the writers word it.
std::string openReason(int error) {
    switch (error) {
        case ENOENT:
            return translatedText("kelvarin::GeometryFile", "такого файла нет");
        case EACCES:
            return translatedText("kelvarin::GeometryFile", "нет права читать файл");
        case EISDIR:
            return translatedText("kelvarin::GeometryFile", "это каталог, а не файл");
        case ELOOP:
            return translatedText("kelvarin::GeometryFile",
                                  "слишком много символических ссылок подряд");
        default:
            return std::strerror(error);
    }
}

[[noreturn]] void refuseFile(const std::string& path, const std::string& reason) {
    throw PerformanceError(withArguments(
        translatedText("kelvarin::GeometryFile", "Не удалось открыть файл геометрии «%1»: %2."),
        {path, reason}));
}

bool isStandardInput(const struct stat& info) {
    struct stat input {};
    return ::fstat(STDIN_FILENO, &input) == 0 && input.st_dev == info.st_dev &&
           input.st_ino == info.st_ino;
}

// At most one byte past the limit of a regular file or of standard input ("-", or a name of
// it such as /dev/stdin); a folder, a pipe someone else writes to, a device are refused without
// waiting on them.
std::string geometryFileBytes(const std::string& path) {
    const bool standardInput = path == "-";
    int fd = STDIN_FILENO;
    if (!standardInput) {
        do {
            // O_NONBLOCK: a pipe without a writer opens at once instead of waiting for one.
            fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            const int error = errno;  // before the catalogue is asked
            refuseFile(path, openReason(error));
        }
    }
    struct Closer {
        int fd;
        bool own;
        ~Closer() {
            if (own) {
                ::close(fd);
            }
        }
    } closer{fd, !standardInput};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        refuseFile(path, openReason(error));
    }
    if (S_ISDIR(info.st_mode)) {
        refuseFile(path, openReason(EISDIR));
    }
    if (!standardInput && !S_ISREG(info.st_mode) && !isStandardInput(info)) {
        refuseFile(path, translatedText("kelvarin::GeometryFile",
                                        "это не обычный файл, а канал или устройство"));
    }
    if (!standardInput) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0) {
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        }
    }
    std::string bytes(kMaxFileBytes + 1, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw PerformanceError(withArguments(
                translatedText("kelvarin::GeometryFile", "%1: не удалось дочитать файл."),
                {withArguments(translatedText("kelvarin::GeometryFile", "Файл геометрии «%1»"),
                               {path})}));
        }
        if (got == 0) {
            break;
        }
        size += static_cast<std::size_t>(got);
    }
    if (size > kMaxFileBytes) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::GeometryFile",
                           "Файл геометрии «%1» больше мегабайта: это не таблица станций лопасти."),
            {path}));
    }
    bytes.resize(size);
    return bytes;
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
                              {at, shownText(fields[*bad])}));
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
    std::istringstream in(geometryFileBytes(path));
    return readGeometry(in, path, options);
}

}  // namespace kelvarin
