// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the module of the templates' output offers the program that loads it: the files (PDF,
// SVG, DXF), the system's default printer, and printing through the print and preview dialogs.
// Qt PrintSupport, Qt Svg, dxflib and CUPS (which alone brings some twenty libraries) cost a
// start-up dearly, so the window loads them only when it first prints, saves the templates or
// draws a section at the printer's resolution (OutputModuleLoader.h, SystemPrinter.h).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/PropellerDesign.h"
#include "core/SectionOptions.h"
#include "drawing/Printer.h"
#include "moduleloader/ProgramHooks.h"
#include "templates/TemplateFiles.h"
#include "templates/TemplatePrint.h"

class QWidget;

namespace kelvarin {

// Raised whenever the interface below changes, so that an old module is refused, not misused.
inline constexpr int kOutputModuleVersion = 1;

// What stopped a step of the module, in the program's language; empty where nothing did.
struct OutputFailure {
    std::string text;
    bool printerMissing = false;  // there is no default printer (PrinterMissing)
};

// The system's default printer (printsystem/QtPrinter.h over CUPS) step by step, as the
// drawing's Printer has it, each failure handed back instead of thrown.
class DefaultPrinterSteps {
public:
    virtual ~DefaultPrinterSteps() = default;

    virtual std::int32_t resolutionDpi() = 0;
    virtual OutputFailure geometry(PrinterGeometry& geometry) = 0;
    virtual std::string destinationName() = 0;
    virtual OutputFailure beginDocument(std::string_view name) = 0;
    virtual OutputFailure newPage() = 0;
    virtual OutputFailure endDocument() = 0;
    // Null, with the failure, outside a document.
    virtual Canvas* pageCanvas(OutputFailure& failure) = 0;
};

// A print job of the templates, on whichever printer is chosen.
struct TemplateJob {
    SectionOptions view;
    std::string date;
    std::string name;  // the document's name (templateJobName)
    double lineWidthMm = kDefaultTemplateLineMm;
};

// What printing through the print dialog came to.
struct DialogPrinting {
    bool accepted = false;     // false: the user cancelled, and nothing else is set
    PrintedTemplates printed;  // sheets: those really sent, in the dialog's range
    std::string destination;   // the printer's name, or the file's
    bool toFile = false;
    OutputFailure failure;
};

// What the print preview came to.
struct PreviewShown {
    OutputFailure layoutFailure;       // nothing could be laid out: no preview was shown
    OutputFailure printFailure;        // the preview (or its Print button) failed to draw
    std::vector<std::string> leftOut;  // why each template left out was
};

// The interface: no exception leaves the module.
struct OutputModuleApi {
    int version = kOutputModuleVersion;
    // Handed over once, right after loading.
    void (*followProgram)(const ProgramHooks& hooks) = nullptr;
    // export/TemplateExport.h's exportTemplates: the file written, what was left out in
    // `leftOut`.
    OutputFailure (*exportTemplates)(const PropellerDesign& design,
                                     const TemplateExportOptions& options, const std::string& path,
                                     std::vector<std::string>& leftOut) = nullptr;
    std::unique_ptr<DefaultPrinterSteps> (*newDefaultPrinter)() = nullptr;
    // The print dialog, modal over `parent`, then the job on the printer chosen in it.
    DialogPrinting (*printWithDialog)(QWidget* parent, const PropellerDesign& design,
                                      const TemplateJob& job) = nullptr;
    // The print preview, modal over `parent`, of the job on the default printer.
    PreviewShown (*previewWithDialog)(QWidget* parent, const PropellerDesign& design,
                                      const TemplateJob& job) = nullptr;
};

// The module's file and the one function the loader looks up in it, which returns the
// interface.
inline constexpr char kOutputModuleFile[] = "kelvarin-output.so";
inline constexpr char kOutputModuleEntry[] = "kelvarinOutputModule";
using OutputModuleEntry = const OutputModuleApi* (*)();

}  // namespace kelvarin
