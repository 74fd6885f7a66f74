// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <new>

#include "core/Translation.h"
#include "drawing/Printer.h"
#include "outputmodule/OutputModule.h"

namespace kelvarin {

// Runs a step inside the module and hands back whatever it throws as text, so that no exception
// crosses into the program.
template <typename Step>
OutputFailure attemptInModule(Step step) {
    try {
        step();
        return {};
    } catch (const PrinterMissing& e) {
        return {e.what(), true};
    } catch (const std::bad_alloc&) {
        return {translatedText("kelvarin::FailureMessages", "Недостаточно памяти"), false};
    } catch (const std::exception& e) {
        return {e.what(), false};
    } catch (...) {
        return {translatedText("kelvarin::FailureMessages", "Непредвиденная ошибка"), false};
    }
}

}  // namespace kelvarin
