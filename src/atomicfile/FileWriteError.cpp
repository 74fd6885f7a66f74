// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile/FileWriteError.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace kelvarin {

std::string fileErrorReason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return "на диске не хватает места";
        case EDQUOT:
            return "превышена дисковая квота";
        case EACCES:
            return "нет прав на запись";
        case EPERM:
            return "операция запрещена системой";
        case EROFS:
            return "диск доступен только для чтения";
        case EISDIR:
            return "на месте файла находится папка";
        case ENOENT:
            return "папка не найдена";
        case ENOTDIR:
            return "часть пути не является папкой";
        case ELOOP:
            return "слишком много символических ссылок подряд";
        case ENAMETOOLONG:
            return "слишком длинное имя файла";
        case EIO:
            return "ошибка ввода-вывода";
        case EMFILE:
        case ENFILE:
            return "открыто слишком много файлов";
        case EFBIG:
            return "файл слишком велик";
        case EBUSY:
        case ETXTBSY:
            return "файл занят";
        case EEXIST:
            return "файл с таким именем уже существует";
        case ENOMEM:
            return "недостаточно памяти";
        default: {
            char buffer[256];
            return ::strerror_r(errorNumber, buffer, sizeof buffer);  // the GNU form
        }
    }
}

FileWriteError::FileWriteError(std::string path, int errorNumber, std::string reason)
    : Failure("Не удалось записать файл «" + path + "»: " + reason),
      path_(std::move(path)),
      errorNumber_(errorNumber),
      reason_(std::move(reason)) {}

}  // namespace kelvarin
