// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ModelFile.h"

#include "atomicfile/FileReplacement.h"
#include "atomicfile/FileWriteError.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

void checkName(const std::filesystem::path& path) {
    if (path.empty() || !path.has_filename()) {
        throw saveFailure(path, translatedText("kelvarin::ModelFile", "не указано имя файла"));
    }
}

// A pipe or a device would take the model in place, but a pipe without a reader would hang the
// program; a model goes to a regular file only.
template <typename Replace>
void replaceModelFile(const std::filesystem::path& path, Replace replace) {
    checkName(path);
    Replacement replacement = Replacement::Replaced;
    try {
        replacement = replace();
    } catch (const FileWriteError& e) {
        throw saveFailure(path, e.reason());
    }
    if (replacement == Replacement::NotRegularFile) {
        throw saveFailure(path, translatedText("kelvarin::ModelFile",
                                               "это не обычный файл, а канал или устройство"));
    }
}

}  // namespace

ModelError saveFailure(const std::filesystem::path& path, const std::string& reason) {
    return ModelError(withArguments(
        translatedText("kelvarin::ModelFile", "Не удалось сохранить модель в файл «%1»: %2."),
        {path.string(), reason}));
}

void writeModelBytes(const std::filesystem::path& path, std::string_view bytes) {
    replaceModelFile(path, [&] { return replaceFile(path.string(), bytes); });
}

}  // namespace kelvarin
