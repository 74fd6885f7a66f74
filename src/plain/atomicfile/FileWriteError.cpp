// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile/FileWriteError.h"
#include "core/Translation.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace kelvarin {

std::string fileErrorReason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return translatedText("kelvarin::FileWriteError", "на диске не хватает места");
        case EDQUOT:
            return translatedText("kelvarin::FileWriteError", "превышена дисковая квота");
        case EACCES:
            return translatedText("kelvarin::FileWriteError", "нет прав на запись");
        case EPERM:
            return translatedText("kelvarin::FileWriteError", "операция запрещена системой");
        case EROFS:
            return translatedText("kelvarin::FileWriteError", "диск доступен только для чтения");
        case EISDIR:
            return translatedText("kelvarin::FileWriteError", "на месте файла находится папка");
        case ENOENT:
            return translatedText("kelvarin::FileWriteError", "папка не найдена");
        case ENOTDIR:
            return translatedText("kelvarin::FileWriteError", "часть пути не является папкой");
        case ELOOP:
            return translatedText("kelvarin::FileWriteError",
                                  "слишком много символических ссылок подряд");
        case ENAMETOOLONG:
            return translatedText("kelvarin::FileWriteError", "слишком длинное имя файла");
        case EIO:
            return translatedText("kelvarin::FileWriteError", "ошибка ввода-вывода");
        case EMFILE:
        case ENFILE:
            return translatedText("kelvarin::FileWriteError", "открыто слишком много файлов");
        case EFBIG:
            return translatedText("kelvarin::FileWriteError", "файл слишком велик");
        case EBUSY:
        case ETXTBSY:
            return translatedText("kelvarin::FileWriteError", "файл занят");
        case EEXIST:
            return translatedText("kelvarin::FileWriteError", "файл с таким именем уже существует");
        case ENOMEM:
            return translatedText("kelvarin::FileWriteError", "недостаточно памяти");
        default: {
            char buffer[256];
            return ::strerror_r(errorNumber, buffer, sizeof buffer);  // the GNU form
        }
    }
}

FileWriteError::FileWriteError(std::string path, int errorNumber, std::string reason)
    : Failure(withArguments(
          translatedText("kelvarin::FileWriteError", "Не удалось записать файл «%1»: %2"),
          {path, reason})),
      path_(std::move(path)),
      errorNumber_(errorNumber),
      reason_(std::move(reason)) {}

}  // namespace kelvarin
