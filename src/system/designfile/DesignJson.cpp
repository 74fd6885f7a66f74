// SPDX-License-Identifier: GPL-3.0-or-later
#include "designfile/DesignJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <array>
#include <cmath>

#include "core/DecimalSeparator.h"
#include "core/MessageText.h"
#include "core/ProgramInfo.h"
#include "core/Translation.h"
#include "designfile/FieldTextRule.h"
#include "model3d/ModelOptionsCheck.h"

namespace kelvarin {

namespace {

// The keys of the six texts, in the order of InputField, with the unit each text is in.
constexpr std::array<QLatin1String, kInputFieldCount> kFieldKeys = {
    QLatin1String("diameterCm"), QLatin1String("pitchM"),      QLatin1String("powerHp"),
    QLatin1String("speedRpm"),   QLatin1String("maxSpeedKmh"), QLatin1String("designSpeedKmh")};

constexpr qsizetype kMaxProgramVersionLength = 64;

// Thrown inside the reader with the Russian reason; never leaves it.
struct Refusal {
    QString reason;
};

QString typeName(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Null:
            return QStringLiteral("null");
        case QJsonValue::Bool:
            return QString::fromStdString(
                translatedText("kelvarin::DesignJson", "логическое значение"));
        case QJsonValue::Double:
            return QString::fromStdString(translatedText("kelvarin::DesignJson", "число"));
        case QJsonValue::String:
            return QString::fromStdString(translatedText("kelvarin::DesignJson", "текст"));
        case QJsonValue::Array:
            return QString::fromStdString(translatedText("kelvarin::DesignJson", "массив"));
        case QJsonValue::Object:
            return QString::fromStdString(translatedText("kelvarin::DesignJson", "объект"));
        case QJsonValue::Undefined:
            break;
    }
    return QString::fromStdString(translatedText("kelvarin::DesignJson", "ничего"));
}

// `where` names the value as the file has it: «mode.manual».
[[noreturn]] void refuseType(const QString& where, const QString& expected,
                             const QJsonValue& found) {
    const QString reason =
        found.isUndefined() ? QString::fromStdString(
                                  translatedText("kelvarin::DesignJson", "нет значения «%1» (%2)"))
                                  .arg(where, expected)
                            : QString::fromStdString(
                                  translatedText("kelvarin::DesignJson",
                                                 "значение «%1» должно быть: %2, а записано: %3"))
                                  .arg(where, expected, typeName(found));
    throw Refusal{reason};
}

QJsonObject objectAt(const QJsonObject& parent, QLatin1String key, const QString& where) {
    const QJsonValue value = parent.value(key);
    if (!value.isObject()) {
        refuseType(where, QString::fromStdString(translatedText("kelvarin::DesignJson", "объект")),
                   value);
    }
    return value.toObject();
}

bool boolAt(const QJsonObject& parent, QLatin1String key, const QString& where,
            std::optional<bool> fallback = std::nullopt) {
    const QJsonValue value = parent.value(key);
    if (value.isUndefined() && fallback) {
        return *fallback;
    }
    if (!value.isBool()) {
        refuseType(where,
                   QString::fromStdString(translatedText("kelvarin::DesignJson",
                                                         "логическое значение (true или false)")),
                   value);
    }
    return value.toBool();
}

// A whole number within [low, high]; a fraction or a number outside is refused by name.
int wholeNumberAt(const QJsonValue& value, const QString& where, int low, int high) {
    if (!value.isDouble()) {
        refuseType(where,
                   QString::fromStdString(translatedText("kelvarin::DesignJson", "целое число")),
                   value);
    }
    const double number = value.toDouble();
    if (std::floor(number) != number || number < low || number > high) {
        throw Refusal{QString::fromStdString(
                          translatedText("kelvarin::DesignJson",
                                         "значение «%1» должно быть целым числом от %2 до %3, а "
                                         "записано %4"))
                          .arg(where)
                          .arg(low)
                          .arg(high)
                          .arg(number)};
    }
    return static_cast<int>(number);
}

double numberAt(const QJsonObject& parent, QLatin1String key, const QString& where,
                double fallback) {
    const QJsonValue value = parent.value(key);
    if (value.isUndefined()) {
        return fallback;
    }
    if (!value.isDouble()) {
        refuseType(where, QString::fromStdString(translatedText("kelvarin::DesignJson", "число")),
                   value);
    }
    return value.toDouble();
}

// The solid's options, each member optional: one left out keeps its default.
ModelOptions readModel(const QJsonObject& root) {
    ModelOptions options;
    if (!root.contains(QLatin1String("model"))) {
        return options;
    }
    const QJsonObject model = objectAt(root, QLatin1String("model"), QStringLiteral("model"));
    HubOptions& hub = options.hub;
    if (model.contains(QLatin1String("hub"))) {
        const QJsonObject h = objectAt(model, QLatin1String("hub"), QStringLiteral("model.hub"));
        const auto at = [&](const char* key, double fallback) {
            return numberAt(h, QLatin1String(key),
                            QStringLiteral("model.hub.") + QLatin1String(key), fallback);
        };
        hub.diameterMm = at("diameterMm", hub.diameterMm);
        hub.thicknessMm = at("thicknessMm", hub.thicknessMm);
        hub.boreMm = at("boreMm", hub.boreMm);
        hub.boltCircleMm = at("boltCircleMm", hub.boltCircleMm);
        hub.holeMm = at("holeMm", hub.holeMm);
        hub.filletMm = at("filletMm", hub.filletMm);
        if (h.contains(QLatin1String("holes"))) {
            hub.holeCount =
                wholeNumberAt(h.value(QLatin1String("holes")), QStringLiteral("model.hub.holes"),
                              kMinHoleCount, kMaxHoleCount);
        }
    }
    options.trailingEdgeMm =
        numberAt(model, QLatin1String("trailingEdgeMm"), QStringLiteral("model.trailingEdgeMm"),
                 options.trailingEdgeMm);
    options.densityKgM3 = numberAt(model, QLatin1String("densityKgM3"),
                                   QStringLiteral("model.densityKgM3"), options.densityKgM3);
    const QJsonValue wood = model.value(QLatin1String("wood"));
    if (!wood.isUndefined()) {
        if (!wood.isString()) {
            refuseType(QStringLiteral("model.wood"),
                       QString::fromStdString(translatedText("kelvarin::DesignJson", "текст")),
                       wood);
        }
        options.wood = wood.toString().toStdString();
    }
    if (const std::string problem = modelOptionsProblem(options); !problem.empty()) {
        throw Refusal{QStringLiteral("model: ") + QString::fromStdString(problem)};
    }
    return options;
}

// Only what differs from the defaults, so that a design without a model of its own keeps
// the bytes it always had.
QJsonObject modelJson(const ModelOptions& options) {
    const ModelOptions defaults;
    QJsonObject hub;
    const auto put = [](QJsonObject& to, const char* key, double value, double fallback) {
        if (value != fallback) {
            to.insert(QLatin1String(key), value);
        }
    };
    put(hub, "diameterMm", options.hub.diameterMm, defaults.hub.diameterMm);
    put(hub, "thicknessMm", options.hub.thicknessMm, defaults.hub.thicknessMm);
    put(hub, "boreMm", options.hub.boreMm, defaults.hub.boreMm);
    put(hub, "boltCircleMm", options.hub.boltCircleMm, defaults.hub.boltCircleMm);
    put(hub, "holes", options.hub.holeCount, defaults.hub.holeCount);
    put(hub, "holeMm", options.hub.holeMm, defaults.hub.holeMm);
    put(hub, "filletMm", options.hub.filletMm, defaults.hub.filletMm);
    QJsonObject model;
    if (!hub.isEmpty()) {
        model.insert(QLatin1String("hub"), hub);
    }
    put(model, "trailingEdgeMm", options.trailingEdgeMm, defaults.trailingEdgeMm);
    put(model, "densityKgM3", options.densityKgM3, defaults.densityKgM3);
    if (options.wood != defaults.wood) {
        model.insert(QLatin1String("wood"), QString::fromStdString(options.wood));
    }
    return model;
}

QString parseProblem(const QByteArray& bytes, const QJsonParseError& error) {
    // Nothing but spaces after the error: the text stops before the design is closed.
    if (bytes.mid(error.offset).trimmed().isEmpty() &&
        error.error != QJsonParseError::GarbageAtEnd) {
        return QString::fromStdString(
            translatedText("kelvarin::DesignJson",
                           "файл оборван: данные кончаются раньше, чем закрыт проект "
                           "(возможно, он записан не до конца)"));
    }
    const qsizetype line = bytes.left(error.offset).count('\n') + 1;
    return QString::fromStdString(
               translatedText("kelvarin::DesignJson",
                              "это не JSON или он испорчен: ошибка в строке %1 (позиция %2)"))
        .arg(line)
        .arg(error.offset);
}

void readFormat(const QJsonObject& root, DesignReading& reading) {
    const QJsonValue format = root.value(QLatin1String("format"));
    if (format.toString() != QLatin1String(kDesignFormatName)) {
        throw Refusal{QString::fromStdString(
                          translatedText("kelvarin::DesignJson",
                                         "это не проект Kelvarin: нет метки «\"format\": \"%1\"»"))
                          .arg(QLatin1String(kDesignFormatName))};
    }
    const int version = wholeNumberAt(root.value(QLatin1String("formatVersion")),
                                      QStringLiteral("formatVersion"), 1, 1'000'000);
    if (version > kDesignFormatVersion) {
        throw Refusal{
            QString::fromStdString(
                translatedText("kelvarin::DesignJson",
                               "проект записан более новой версией Kelvarin в формате %1, "
                               "а эта версия читает формат до %2 включительно; обновите "
                               "программу"))
                .arg(version)
                .arg(kDesignFormatVersion)};
    }
    const QJsonValue program = root.value(QLatin1String("programVersion"));
    if (!program.isUndefined()) {
        if (!program.isString()) {
            refuseType(QStringLiteral("programVersion"),
                       QString::fromStdString(translatedText("kelvarin::DesignJson", "текст")),
                       program);
        }
        // Characters as the user counts them, not UTF-16 units.
        const QString version = program.toString();
        if (version.toUcs4().size() > kMaxProgramVersionLength) {
            throw Refusal{
                QString::fromStdString(translatedText("kelvarin::DesignJson",
                                                      "значение «%1» длиннее %2 символов: «%3»; "
                                                      "сократите его или удалите"))
                    .arg(QStringLiteral("programVersion"))
                    .arg(kMaxProgramVersionLength)
                    .arg(QString::fromStdString(shownText(version.toStdString())))};
        }
        reading.programVersion = version;
    }
}

void readFields(const QJsonObject& root, DesignDocument& document) {
    const QJsonObject fields = objectAt(root, QLatin1String("fields"), QStringLiteral("fields"));
    const char separator = decimalSeparator();
    for (InputField field : kInputFields) {
        const QLatin1String key = kFieldKeys[fieldIndex(field)];
        const QString where = QStringLiteral("fields.%1").arg(key);
        const QJsonValue value = fields.value(key);
        if (!value.isString()) {
            refuseType(where,
                       QString::fromStdString(
                           translatedText("kelvarin::DesignJson", "текст поля «%1» в кавычках"))
                           .arg(QString::fromUtf8(fieldName(field))),
                       value);
        }
        const std::string text = value.toString().toStdString();
        const std::string problem = fieldTextProblem(text, '.');
        if (!problem.empty()) {
            throw Refusal{
                QString::fromStdString(translatedText("kelvarin::DesignJson", "поле «%1» (%2): %3"))
                    .arg(QString::fromUtf8(fieldName(field)), where,
                         QString::fromStdString(problem))};
        }
        document.fieldTexts[fieldIndex(field)] = withSeparator(text, '.', separator);
    }
}

// The line of the file on which the `index`-th object (from 0) of the array under `key` opens,
// or of the key itself for an index past them: a JSON reader keeps no positions, so the bytes
// are walked once more, strings skipped.
qsizetype lineOfArrayItem(const QByteArray& bytes, const QByteArray& key, qsizetype index) {
    const qsizetype keyAt = bytes.indexOf(key);
    if (keyAt < 0) {
        return 0;
    }
    qsizetype itemAt = keyAt;
    int depth = 0;
    qsizetype seen = -1;
    bool inString = false;
    for (qsizetype i = bytes.indexOf('[', keyAt); i >= 0 && i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            ++depth;
            if (depth == 2 && ++seen == index) {
                itemAt = i;
                break;
            }
        } else if (c == ']' || c == '}') {
            if (--depth == 0) {
                break;
            }
        }
    }
    return bytes.left(itemAt).count('\n') + 1;
}

void readBladeAngles(const QJsonObject& root, DesignDocument& document) {
    const QJsonValue value = root.value(QLatin1String("bladeAngles"));
    if (value.isUndefined()) {
        return;  // written before the rules existed: the first rule
    }
    const std::optional<BladeAngleRule> rule =
        value.isString() ? bladeAngleRuleFromKey(value.toString().toStdString()) : std::nullopt;
    if (!rule) {
        refuseType(QStringLiteral("bladeAngles"),
                   QString::fromStdString(translatedText("kelvarin::DesignJson",
                                                         "\"rule\", \"pitch\" или \"engine\"")),
                   value.isString() ? QJsonValue() : value);
    }
    document.bladeAngleRule = *rule;
}

void readEngineCurve(const QByteArray& bytes, const QJsonObject& root, DesignDocument& document) {
    if (!root.contains(QLatin1String("engine"))) {
        return;
    }
    const QJsonObject engine = objectAt(root, QLatin1String("engine"), QStringLiteral("engine"));
    const QJsonValue curveValue = engine.value(QLatin1String("powerCurve"));
    if (curveValue.isUndefined()) {
        return;
    }
    const QByteArray key = QByteArrayLiteral("\"powerCurve\"");
    const auto refuseAtLine = [&](qsizetype index, const QString& reason) {
        throw Refusal{
            QString::fromStdString(
                translatedText("kelvarin::DesignJson", "строка %1, кривая мощности двигателя: %2"))
                .arg(lineOfArrayItem(bytes, key, index))
                .arg(reason)};
    };
    if (!curveValue.isArray()) {
        refuseAtLine(0, QString::fromStdString(translatedText(
                            "kelvarin::DesignJson",
                            "нужен массив точек {\"rpm\": обороты, \"powerHp\": мощность}")));
    }
    EnginePowerCurve curve;
    const QJsonArray points = curveValue.toArray();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QJsonObject point = points.at(i).toObject();
        const QJsonValue rpm = point.value(QLatin1String("rpm"));
        const QJsonValue power = point.value(QLatin1String("powerHp"));
        if (!points.at(i).isObject() || !rpm.isDouble() || !power.isDouble()) {
            refuseAtLine(
                i, QString::fromStdString(translatedText("kelvarin::DesignJson",
                                                         "точка %1 должна быть {\"rpm\": число, "
                                                         "\"powerHp\": число}"))
                       .arg(i + 1));
        }
        curve.push_back({rpm.toDouble(), power.toDouble()});
    }
    const EnginePowerCurveProblem problem = enginePowerCurveProblem(curve);
    if (!problem.text.empty()) {
        // The point at fault, else the end of the curve (too few or too many points).
        refuseAtLine(
            problem.pointIndex ? static_cast<qsizetype>(*problem.pointIndex) : points.size(),
            QString::fromStdString(problem.text));
    }
    document.enginePowerCurve = std::move(curve);
}

}  // namespace

DesignReading readDesignJson(const QByteArray& bytes) {
    DesignReading reading;
    try {
        if (bytes.size() > kMaxDesignFileBytes) {
            throw Refusal{QString::fromStdString(
                              translatedText("kelvarin::DesignJson",
                                             "файл слишком велик для проекта: %1 байт, а проект "
                                             "занимает не больше %2 байт"))
                              .arg(bytes.size())
                              .arg(kMaxDesignFileBytes)};
        }
        if (bytes.trimmed().isEmpty()) {
            throw Refusal{
                QString::fromStdString(translatedText("kelvarin::DesignJson", "файл пуст"))};
        }
        QJsonParseError error{};
        const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError) {
            throw Refusal{parseProblem(bytes, error)};
        }
        if (!json.isObject()) {
            throw Refusal{QString::fromStdString(translatedText(
                "kelvarin::DesignJson", "это не проект Kelvarin: в файле JSON нет объекта"))};
        }
        const QJsonObject root = json.object();
        readFormat(root, reading);

        DesignDocument document;
        readFields(root, document);
        const QJsonObject mode = objectAt(root, QLatin1String("mode"), QStringLiteral("mode"));
        document.byDiameterChecked =
            boolAt(mode, QLatin1String("byDiameter"), QStringLiteral("mode.byDiameter"));
        document.manualChecked =
            boolAt(mode, QLatin1String("manual"), QStringLiteral("mode.manual"));
        // The view may be left out of a design written by hand: it then opens as at start.
        if (root.contains(QLatin1String("view"))) {
            const QJsonObject view = objectAt(root, QLatin1String("view"), QStringLiteral("view"));
            document.view.turned =
                boolAt(view, QLatin1String("turned"), QStringLiteral("view.turned"), false);
            document.view.controlMarks = boolAt(view, QLatin1String("controlMarks"),
                                                QStringLiteral("view.controlMarks"), false);
            const QJsonValue section = view.value(QLatin1String("section"));
            if (!section.isUndefined()) {
                document.section = wholeNumberAt(section, QStringLiteral("view.section"),
                                                 kFirstSection, kLastSection);
            }
        }
        readBladeAngles(root, document);
        readEngineCurve(bytes, root, document);
        document.model = readModel(root);
        reading.document = std::move(document);
    } catch (const Refusal& refusal) {
        reading.problem = refusal.reason;
        reading.document.reset();
    }
    return reading;
}

QString designTextsProblem(const DesignDocument& document) {
    const char separator = decimalSeparator();
    for (InputField field : kInputFields) {
        const std::string problem =
            fieldTextProblem(document.fieldTexts[fieldIndex(field)], separator);
        if (!problem.empty()) {
            return QString::fromStdString(translatedText("kelvarin::DesignJson", "поле «%1»: %2"))
                .arg(QString::fromUtf8(fieldName(field)), QString::fromStdString(problem));
        }
    }
    return {};
}

QByteArray designJson(const DesignDocument& document) {
    const char separator = decimalSeparator();
    QJsonObject fields;
    for (InputField field : kInputFields) {
        fields.insert(kFieldKeys[fieldIndex(field)],
                      QString::fromStdString(
                          withSeparator(document.fieldTexts[fieldIndex(field)], separator, '.')));
    }
    const QJsonObject mode{{QLatin1String("byDiameter"), document.byDiameterChecked},
                           {QLatin1String("manual"), document.manualChecked}};
    const QJsonObject view{{QLatin1String("turned"), document.view.turned},
                           {QLatin1String("controlMarks"), document.view.controlMarks},
                           {QLatin1String("section"), document.section}};
    const bool defaultAngles = document.bladeAngleRule == BladeAngleRule::Rule;
    const bool defaultEngine = document.enginePowerCurve.empty();
    const QJsonObject model = modelJson(document.model);
    // A file whose blade an older program would carve wrongly says it is newer; the solid's
    // options only add to a part, and a default design keeps the first version byte for byte.
    const bool firstVersion = defaultAngles && defaultEngine;
    QJsonObject root{{QLatin1String("format"), QLatin1String(kDesignFormatName)},
                     {QLatin1String("formatVersion"),
                      firstVersion ? kFirstDesignFormatVersion : kDesignFormatVersion},
                     {QLatin1String("programVersion"), QLatin1String(kProgramVersion)},
                     {QLatin1String("fields"), fields},
                     {QLatin1String("mode"), mode},
                     {QLatin1String("view"), view}};
    if (!model.isEmpty()) {
        root.insert(QLatin1String("model"), model);
    }
    if (!defaultAngles) {
        root.insert(QLatin1String("bladeAngles"),
                    QLatin1String(bladeAngleRuleKey(document.bladeAngleRule).data()));
    }
    if (!defaultEngine) {
        QJsonArray curve;
        for (const EnginePowerPoint& p : document.enginePowerCurve) {
            curve.append(
                QJsonObject{{QLatin1String("rpm"), p.rpm}, {QLatin1String("powerHp"), p.powerHp}});
        }
        root.insert(QLatin1String("engine"), QJsonObject{{QLatin1String("powerCurve"), curve}});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace kelvarin
