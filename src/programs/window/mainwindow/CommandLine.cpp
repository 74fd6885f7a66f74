// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/CommandLine.h"

#include <QCommandLineParser>

#include "core/ProgramInfo.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

// Asked for before Qt starts, so through the catalogue the plain layers use.
QString text(const std::string& translated) {
    return QString::fromStdString(translated);
}

QString helpText() {
    return text(translatedText(
        "kelvarin::CommandLine",
        "Использование: kelvarin [параметры] [ПРОЕКТ.kelvarin]\n"
        "\n"
        "Расчет параметров воздушного винта: по мощности двигателя, частоте вращения винта\n"
        "и скоростям полета программа находит диаметр и шаг винта, размеры сечений лопасти,\n"
        "рисует профили сечений и печатает шаблоны для их вырезания. Отчет о расчете\n"
        "записывается в файл Date.html текущего каталога.\n"
        "\n"
        "Файл проекта (.kelvarin), если он указан, открывается и сразу рассчитывается.\n"
        "Без окна считает и пишет отчеты kelvarin-cli (kelvarin-cli --help).\n"
        "\n"
        "Параметры:\n"
        "  -h, --help     показать эту справку и выйти\n"
        "  -v, --version  показать версию программы и выйти\n"
        "\n"
        "Понимаются и стандартные параметры Qt, например -platform и -style.\n"
        "Подробнее: man kelvarin\n"));
}

QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString Refusal(const QCommandLineParser& parser) {
    QStringList unknown;
    for (const QString& name : parser.unknownOptionNames()) {
        unknown << text(translatedText("kelvarin::CommandLine", "«%1»")).arg(Dashed(name));
    }
    QString reason;
    if (!unknown.isEmpty()) {
        reason = (unknown.size() == 1
                      ? text(translatedText("kelvarin::CommandLine", "неизвестный параметр %1"))
                      : text(translatedText("kelvarin::CommandLine", "неизвестные параметры %1")))
                     .arg(unknown.join(QStringLiteral(", ")));
    } else if (parser.positionalArguments().size() > 1) {
        reason = text(translatedText("kelvarin::CommandLine",
                                     "программа открывает один файл проекта, а указано %1 («%2»)"))
                     .arg(parser.positionalArguments().size())
                     .arg(parser.positionalArguments().join(
                         text(translatedText("kelvarin::CommandLine", "», «"))));
    } else {
        reason = text(translatedText("kelvarin::CommandLine", "параметры не разобраны (%1)"))
                     .arg(parser.errorText());
    }
    return text(translatedText("kelvarin::CommandLine",
                               "kelvarin: %1.\nСписок параметров: kelvarin --help\n"))
        .arg(reason);
}

}  // namespace

CommandLineRequest readCommandLine(const QStringList& arguments, bool qtOptionsRemoved) {
    using Action = CommandLineRequest::Action;
    QCommandLineParser parser;
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        return {Action::ShowHelp, helpText(), {}};
    }
    if (parser.isSet(version)) {
        return {Action::ShowVersion,
                QStringLiteral("Kelvarin %1\n").arg(QLatin1String(kProgramVersion)),
                {}};
    }
    if (qtOptionsRemoved && (!parsed || parser.positionalArguments().size() > 1)) {
        return {Action::Refuse, Refusal(parser), {}};
    }
    CommandLineRequest run;
    if (qtOptionsRemoved && !parser.positionalArguments().isEmpty()) {
        run.designFile = parser.positionalArguments().constFirst();
    }
    return run;
}

}  // namespace kelvarin
