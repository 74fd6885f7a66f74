// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/TemplateExport.h"

#include <algorithm>
#include <cctype>

#include "atomicfile/FileReplacement.h"
#include "atomicfile/FileWriteError.h"
#include "core/Translation.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {

namespace {

// The reason, in the chosen language, after the words that say nothing was saved.
Failure notSaved(const std::string& reason) {
    return Failure(withArguments(
        translatedText("kelvarin::TemplateExport", "Шаблоны не сохранены: %1"), {reason}));
}

// The file's name, after the last slash.
std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The extension of the file's name, lower case, without the dot; empty where there is none
// (a name that starts with its only dot is a hidden file's, not an extension).
std::string extensionOf(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) {
        return {};
    }
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

std::optional<TemplateFormat> templateFormatOf(std::string_view path) {
    const std::string extension = extensionOf(path);
    if (extension == "pdf") {
        return TemplateFormat::Pdf;
    }
    if (extension == "svg") {
        return TemplateFormat::Svg;
    }
    if (extension == "dxf") {
        return TemplateFormat::Dxf;
    }
    return std::nullopt;
}

std::vector<std::string> exportTemplates(const PropellerDesign& design,
                                         const TemplateExportOptions& options,
                                         const std::string& path) {
    const std::string name(fileNameOf(path));
    const std::optional<TemplateFormat> format = templateFormatOf(path);
    if (!format) {
        const std::string extension = extensionOf(path);
        throw notSaved(
            extension.empty()
                ? withArguments(translatedText("kelvarin::TemplateExport",
                                               "у имени файла «%1» нет расширения; укажите "
                                               ".pdf, .svg или .dxf"),
                                {name})
                : withArguments(translatedText("kelvarin::TemplateExport",
                                               "расширение «.%1» у файла «%2» не подходит; "
                                               "укажите .pdf, .svg или .dxf"),
                                {extension, name}));
    }
    if (!hasTemplates(design)) {
        throw notSaved(
            translatedText("kelvarin::TemplateExport", "расчёт ещё не выполнен, нажмите «Расчет»"));
    }
    std::string bytes;
    std::vector<std::string> leftOut;
    try {
        switch (*format) {
            case TemplateFormat::Pdf:
                bytes = templatesPdf(design, options, &leftOut);
                break;
            case TemplateFormat::Svg:
                bytes = templatesSvg(design, options);
                break;
            case TemplateFormat::Dxf:
                bytes = templatesDxf(design, options);
                break;
        }
    } catch (const TemplateLayoutError& e) {
        throw notSaved(e.what());
    } catch (const ArithmeticError&) {
        throw notSaved(
            translatedText("kelvarin::TemplateExport", "сечения слишком велики для построения"));
    }
    // FileWriteError already names the file and the reason.
    if (replaceFile(path, bytes) == Replacement::NotRegularFile) {
        throw notSaved(withArguments(
            translatedText("kelvarin::TemplateExport",
                           "«%1» — не обычный файл, а канал или устройство; выберите другое имя"),
            {path}));
    }
    return leftOut;
}

}  // namespace kelvarin
