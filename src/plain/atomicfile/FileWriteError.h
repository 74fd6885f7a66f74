// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/Failure.h"

namespace kelvarin {

// What the system's error number means for a file being written, in Russian and without a full
// stop ("на диске не хватает места"); numbers without a phrase of their own get the system's
// text, in the language of the user's locale where the system has it.
std::string fileErrorReason(int errorNumber);

// A file that could not be written. The file it names kept what it held before.
class FileWriteError : public Failure {
public:
    // `reason` as fileErrorReason gives it, or a more exact phrase for the step that failed.
    FileWriteError(std::string path, int errorNumber, std::string reason);

    const std::string& path() const { return path_; }
    int errorNumber() const { return errorNumber_; }
    const std::string& reason() const { return reason_; }

private:
    std::string path_;
    int errorNumber_;
    std::string reason_;
};

}  // namespace kelvarin
