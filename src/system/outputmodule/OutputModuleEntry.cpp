// SPDX-License-Identifier: GPL-3.0-or-later
// The module itself: the template files of export, the default printer of printsystem and the
// print dialogs behind the plain interface of OutputModule.h.
#include "export/TemplateExport.h"
#include "outputmodule/ModuleFailures.h"
#include "outputmodule/OutputModule.h"
#include "outputmodule/PrintDialogs.h"
#include "printsystem/CupsPrintSystem.h"
#include "printsystem/QtPrinter.h"

namespace kelvarin {

namespace {

class DefaultPrinter : public DefaultPrinterSteps {
public:
    std::int32_t resolutionDpi() override { return printer_.resolutionDpi(); }
    OutputFailure geometry(PrinterGeometry& geometry) override {
        return attemptInModule([&] { geometry = printer_.geometry(); });
    }
    std::string destinationName() override {
        std::string name;
        attemptInModule([&] { name = printer_.destinationName(); });
        return name;
    }
    OutputFailure beginDocument(std::string_view name) override {
        return attemptInModule([&] { printer_.beginDocument(name); });
    }
    OutputFailure newPage() override {
        return attemptInModule([&] { printer_.newPage(); });
    }
    OutputFailure endDocument() override {
        return attemptInModule([&] { printer_.endDocument(); });
    }
    Canvas* pageCanvas(OutputFailure& failure) override {
        Canvas* canvas = nullptr;
        failure = attemptInModule([&] { canvas = &printer_.pageCanvas(); });
        return canvas;
    }

private:
    CupsPrintSystem system_;
    QtPrinter printer_{system_};
};

OutputFailure exportTemplateFile(const PropellerDesign& design,
                                 const TemplateExportOptions& options, const std::string& path,
                                 std::vector<std::string>& leftOut) {
    return attemptInModule([&] { leftOut = exportTemplates(design, options, path); });
}

std::unique_ptr<DefaultPrinterSteps> newDefaultPrinter() {
    return std::make_unique<DefaultPrinter>();
}

const OutputModuleApi kApi{kOutputModuleVersion, &followProgram,        &exportTemplateFile,
                           &newDefaultPrinter,   &printWithPrintDialog, &previewInPrintDialog};

}  // namespace

}  // namespace kelvarin

extern "C" __attribute__((visibility("default"))) const kelvarin::OutputModuleApi*
kelvarinOutputModule() {
    return &kelvarin::kApi;
}
