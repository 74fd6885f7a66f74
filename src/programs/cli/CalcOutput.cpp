// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CalcOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "core/BladePitch.h"
#include "core/BladeTables.h"
#include "core/DecimalSeparator.h"
#include "core/NumberFormat.h"
#include "core/SanityLine.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

// Station 1 shares its radius with station 2; the report leaves it out, and so does the tool.
constexpr int kFirstListedStation = 2;
constexpr long double kCentimetresPerMetre = 100.0L;

std::string_view modeName(InputMode mode) {
    switch (mode) {
        case InputMode::Calculated:
            return "calculated";
        case InputMode::ByDiameter:
            return "byDiameter";
        case InputMode::Manual:
            return "manual";
    }
    return "calculated";
}

std::string modeCaption(InputMode mode) {
    switch (mode) {
        case InputMode::Calculated:
            return translatedText("kelvarin::CalcOutput",
                                  "Расчет диаметра и шага по мощности и скоростям");
        case InputMode::ByDiameter:
            return translatedText("kelvarin::CalcOutput", "Расчет по диаметру винта");
        case InputMode::Manual:
            return translatedText("kelvarin::CalcOutput", "Диаметр и шаг заданы вручную");
    }
    return {};
}

// The shortest text that reads back as the same double, with a point.
std::string exact(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// Characters, not bytes, so that Cyrillic pads as it shows.
std::size_t shownWidth(std::string_view text) {
    std::size_t width = 0;
    for (char c : text) {
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return width;
}

std::string padLeft(const std::string& text, std::size_t width) {
    const std::size_t shown = shownWidth(text);
    return shown >= width ? text : std::string(width - shown, ' ') + text;
}

std::string padRight(const std::string& text, std::size_t width) {
    const std::size_t shown = shownWidth(text);
    return shown >= width ? text : text + std::string(width - shown, ' ');
}

struct StationColumn {
    const char* heading;  // marked for the catalogue; shown translated
    long double (*value)(const PropellerDesign&, std::size_t index);
};

// The report's five station tables, as columns.
const StationColumn kStationColumns[] = {
    {textToTranslate("kelvarin::CalcOutput", "Радиус, см"),
     [](const PropellerDesign& d, std::size_t i) {
         return static_cast<long double>(kRelativeRadius[i]) * d.sizing.diameterCm / 2.0L;
     }},
    {textToTranslate("kelvarin::CalcOutput", "Bl, см"),
     [](const PropellerDesign& d, std::size_t i) {
         return d.stations.bladeWidthM[i] * kCentimetresPerMetre;
     }},
    {textToTranslate("kelvarin::CalcOutput", "Угол, град"),
     [](const PropellerDesign& d, std::size_t i) {
         return static_cast<long double>(d.stations.bladeAngleDeg[i]);
     }},
    {textToTranslate("kelvarin::CalcOutput", "Bl/cos, см"),
     [](const PropellerDesign& d, std::size_t i) {
         return d.stations.chordM[i] * kCentimetresPerMetre;
     }},
    {textToTranslate("kelvarin::CalcOutput", "hc, см"),
     [](const PropellerDesign& d, std::size_t i) {
         return d.stations.axialDepthM[i] * kCentimetresPerMetre;
     }},
};

// The blade's pitch beside the field's, and the rule that gave it.
std::string bladePitchLine(const PropellerDesign& d) {
    return bladeAngleRuleCaption(d.angles.rule) + "\n" +
           withArguments(translatedText("kelvarin::CalcOutput",
                                        "Шаг лопасти на 0,75 R: %1 м (шаг винта в поле %2 м)"),
                         {formatFixed(bladePitchM(d), 3, 2), formatFixed(d.sizing.pitchM, 3, 2)});
}

std::optional<SanityFigures> figures(const CalculationOutcome& outcome) {
    return sanityFigures(outcome.design, outcome.engine);
}

}  // namespace

std::string calcText(const CalculationOutcome& outcome, InputMode mode, bool bladePitch) {
    const auto text = [&](InputField f) { return outcome.fieldTexts[fieldIndex(f)]; };
    struct Line {
        std::string label;
        InputField field;
        std::string unit;
    };
    std::vector<Line> lines = {
        {translatedText("kelvarin::CalcOutput", "Диаметр винта"), InputField::Diameter,
         translatedText("kelvarin::CalcOutput", "см")},
        {translatedText("kelvarin::CalcOutput", "Шаг винта"), InputField::Pitch,
         translatedText("kelvarin::CalcOutput", "м")},
        {translatedText("kelvarin::CalcOutput", "Мощность двигателя"), InputField::Power,
         translatedText("kelvarin::CalcOutput", "л/с")},
        {translatedText("kelvarin::CalcOutput", "Частота вращения винта"),
         InputField::PropellerSpeed, translatedText("kelvarin::CalcOutput", "об/мин")},
        {translatedText("kelvarin::CalcOutput", "Скорость максимальная"), InputField::MaxSpeed,
         translatedText("kelvarin::CalcOutput", "км/ч")},
        {translatedText("kelvarin::CalcOutput", "Скорость расчетная"), InputField::DesignSpeed,
         translatedText("kelvarin::CalcOutput", "км/ч")},
    };
    // The values line up one space after the longest label of all six, in whatever language
    // and whichever lines the mode shows.
    std::size_t labelWidth = 0;
    for (const Line& line : lines) {
        labelWidth = std::max(labelWidth, shownWidth(line.label) + 1);
    }
    if (mode == InputMode::Manual) {
        lines.resize(2);
    }
    std::string out = modeCaption(mode) + "\n";
    for (const Line& line : lines) {
        out += padRight(line.label, labelWidth) + text(line.field) + " " + line.unit + "\n";
    }
    // Appended piece by piece: GCC 12 warns wrongly at -O3 (-Wrestrict) of a literal plus a
    // temporary string.
    out += '\n';
    out += padLeft(translatedText("kelvarin::CalcOutput", "Сечение"), 7);
    out += "   r/R";
    for (const StationColumn& column : kStationColumns) {
        out += padLeft(translatedText("kelvarin::CalcOutput", column.heading), 12);
    }
    if (bladePitch) {
        out += padLeft(translatedText("kelvarin::CalcOutput", "Шаг, м"), 12);
    }
    out += "\n";
    for (int k = kFirstListedStation; k <= kLastStation; ++k) {
        const std::size_t i = stationIndex(k);
        out += padLeft(std::to_string(k), 7) + padLeft(formatGeneral(kRelativeRadius[i], 15, 0), 6);
        for (const StationColumn& column : kStationColumns) {
            out += padLeft(formatFixedExtended(column.value(outcome.design, i), 4, 1), 12);
        }
        if (bladePitch) {
            out += padLeft(formatFixed(stationPitchM(outcome.design, i), 4, 2), 12);
        }
        out += "\n";
    }
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) of a literal plus a temporary.
    if (bladePitch) {
        out += '\n';
        out += bladePitchLine(outcome.design);
        out += '\n';
    }
    const std::optional<SanityFigures> sanity = figures(outcome);
    out += '\n';
    out += sanityLineText(sanity);
    out += '\n';
    if (sanity && tipTooFast(*sanity)) {
        out += withArguments(translatedText("kelvarin::CalcOutput", "Внимание: %1"),
                             {sanityExplanation(sanity)});
        out += '\n';
    }
    return out;
}

std::string calcCsv(const CalculationOutcome& outcome, InputMode mode, bool bladePitch) {
    const PropellerDesign& d = outcome.design;
    const std::optional<SanityFigures> sanity = figures(outcome);
    // The design's own columns, the same on every row.
    std::string design = ",";
    design += modeName(mode);
    for (double value : {d.sizing.diameterCm, d.sizing.pitchM}) {
        design += ',';
        design += exact(value);
    }
    // The manual mode reads none of the four inputs, so it has nothing to say of them.
    for (double value :
         {d.inputs.powerHp, d.inputs.speedRpm, d.inputs.maxSpeedKmh, d.inputs.designSpeedKmh}) {
        design += ',';
        design += mode != InputMode::Manual ? exact(value) : std::string();
    }
    for (double value : sanity
                            ? std::array{sanity->tipSpeedMs, sanity->tipMach, sanity->advanceRatio}
                            : std::array<double, 3>{}) {
        design += ',';
        design += sanity ? exact(value) : std::string();
    }
    if (bladePitch) {
        design += ',';
        design += bladeAngleRuleKey(d.angles.rule);
        design += ',';
        design += exact(bladePitchM(d));
    }
    design += "\r\n";

    std::string out =
        "station,relative_radius,radius_cm,blade_width_m,blade_angle_deg,chord_m,axial_depth_m,"
        "mode,diameter_cm,pitch_m,power_hp,speed_rpm,max_speed_kmh,design_speed_kmh,"
        "tip_speed_ms,tip_mach,advance_ratio";
    out += bladePitch ? ",station_pitch_m,blade_angles,blade_pitch_m\r\n" : "\r\n";
    for (int k = kFirstListedStation; k <= kLastStation; ++k) {
        const std::size_t i = stationIndex(k);
        out += std::to_string(k);
        for (double value : {kRelativeRadius[i], kRelativeRadius[i] * d.sizing.diameterCm / 2,
                             d.stations.bladeWidthM[i], d.stations.bladeAngleDeg[i],
                             d.stations.chordM[i], d.stations.axialDepthM[i]}) {
            out += ',';
            out += exact(value);
        }
        if (bladePitch) {
            out += ',';
            out += exact(stationPitchM(d, i));
        }
        out += design;
    }
    return out;
}

std::string calcJson(const CalculationOutcome& outcome, InputMode mode, bool bladePitch) {
    const PropellerDesign& d = outcome.design;
    QJsonObject root;
    root.insert(QLatin1String("mode"), QLatin1String(modeName(mode).data()));
    root.insert(QLatin1String("sizing"),
                QJsonObject{{QLatin1String("diameterCm"), d.sizing.diameterCm},
                            {QLatin1String("pitchM"), d.sizing.pitchM}});
    if (mode != InputMode::Manual) {
        root.insert(QLatin1String("inputs"),
                    QJsonObject{{QLatin1String("powerHp"), d.inputs.powerHp},
                                {QLatin1String("speedRpm"), d.inputs.speedRpm},
                                {QLatin1String("maxSpeedKmh"), d.inputs.maxSpeedKmh},
                                {QLatin1String("designSpeedKmh"), d.inputs.designSpeedKmh}});
    }
    QJsonArray stations;
    for (int k = kFirstListedStation; k <= kLastStation; ++k) {
        const std::size_t i = stationIndex(k);
        QJsonObject station{
            {QLatin1String("station"), k},
            {QLatin1String("relativeRadius"), kRelativeRadius[i]},
            {QLatin1String("radiusCm"), kRelativeRadius[i] * d.sizing.diameterCm / 2},
            {QLatin1String("bladeWidthM"), d.stations.bladeWidthM[i]},
            {QLatin1String("bladeAngleDeg"), d.stations.bladeAngleDeg[i]},
            {QLatin1String("chordM"), d.stations.chordM[i]},
            {QLatin1String("axialDepthM"), d.stations.axialDepthM[i]}};
        if (bladePitch) {
            station.insert(QLatin1String("pitchM"), stationPitchM(d, i));
        }
        stations.append(station);
    }
    root.insert(QLatin1String("stations"), stations);
    if (bladePitch) {
        root.insert(QLatin1String("bladeAngles"),
                    QJsonObject{{QLatin1String("rule"),
                                 QLatin1String(bladeAngleRuleKey(d.angles.rule).data())},
                                {QLatin1String("bladePitchM"), bladePitchM(d)},
                                {QLatin1String("helixPitchM"), d.helixPitchM}});
    }
    QJsonArray sections;
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        const SectionProfile& p = d.profiles[stationIndex(n)];
        QJsonArray points;
        for (std::size_t j = 0; j < kProfilePointCount; ++j) {
            points.append(QJsonObject{{QLatin1String("xMm"), p.xMm[j]},
                                      {QLatin1String("upperMm"), p.upperMm[j]},
                                      {QLatin1String("lowerMm"), p.lowerMm[j]}});
        }
        sections.append(
            QJsonObject{{QLatin1String("section"), n}, {QLatin1String("points"), points}});
    }
    root.insert(QLatin1String("sections"), sections);
    const std::optional<SanityFigures> sanity = figures(outcome);
    root.insert(QLatin1String("sanity"),
                sanity
                    ? QJsonValue(QJsonObject{{QLatin1String("tipSpeedMs"), sanity->tipSpeedMs},
                                             {QLatin1String("tipMach"), sanity->tipMach},
                                             {QLatin1String("advanceRatio"), sanity->advanceRatio},
                                             {QLatin1String("tipTooFast"), tipTooFast(*sanity)}})
                    : QJsonValue(QJsonValue::Null));
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace kelvarin
