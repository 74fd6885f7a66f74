// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputmodule/SystemPrinter.h"

#include "core/Failure.h"
#include "core/Translation.h"
#include "drawing/PrinterResolution.h"
#include "outputmodule/OutputModuleLoader.h"

namespace kelvarin {

SystemPrinter::SystemPrinter() = default;

SystemPrinter::~SystemPrinter() = default;

DefaultPrinterSteps& SystemPrinter::steps() {
    if (!steps_) {
        steps_ = outputModule().newDefaultPrinter();
    }
    return *steps_;
}

std::int32_t SystemPrinter::resolutionDpi() {
    try {
        return steps().resolutionDpi();
    } catch (const Failure&) {
        return kFallbackResolutionDpi;
    }
}

PrinterGeometry SystemPrinter::geometry() {
    PrinterGeometry geometry;
    throwOutputFailure(steps().geometry(geometry));
    return geometry;
}

std::string SystemPrinter::destinationName() {
    try {
        return steps().destinationName();
    } catch (const Failure&) {
        return {};
    }
}

void SystemPrinter::beginDocument(std::string_view name) {
    throwOutputFailure(steps().beginDocument(name));
}

void SystemPrinter::newPage() {
    throwOutputFailure(steps().newPage());
}

void SystemPrinter::endDocument() {
    throwOutputFailure(steps().endDocument());
}

Canvas& SystemPrinter::pageCanvas() {
    OutputFailure failure;
    Canvas* canvas = steps().pageCanvas(failure);
    throwOutputFailure(failure);
    if (canvas == nullptr) {
        throw Failure(translatedText("kelvarin::QtPrinter", "Печать не начата"));
    }
    return *canvas;
}

}  // namespace kelvarin
