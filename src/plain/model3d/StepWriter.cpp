// SPDX-License-Identifier: GPL-3.0-or-later
#include <APIHeaderSection_MakeHeader.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepData_Protocol.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopoDS_Shape.hxx>
#include <XSControl_WorkSession.hxx>

#include <algorithm>
#include <sstream>
#include <string>

#include "core/Translation.h"
#include "model3d/KernelMessages.h"
#include "model3d/ModelError.h"
#include "model3d/ModelFile.h"
#include "model3d/ModelWriter.h"

namespace kelvarin {

namespace {

[[noreturn]] void stepFailed(const std::filesystem::path& path, const std::string& reason) {
    throw saveFailure(path, reason);
}

// STEP files are plain ASCII, and strict readers refuse anything else; a file name in another
// script goes into the header as a plain one.
std::string headerName(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f;
    });
    return plain ? name : "propeller" + path.extension().string();
}

}  // namespace

void writeStep(const PropellerSolid& solid, const std::filesystem::path& path) {
    try {
        silenceKernelMessages();
        STEPControl_Writer writer;
        // The writer's settings are process-wide, and exist once a writer has been made; set
        // them before every file.
        Interface_Static::SetCVal("write.step.schema", "AP214IS");
        Interface_Static::SetCVal("write.step.unit", "MM");
        Interface_Static::SetCVal("write.step.product.name", "Propeller");
        if (writer.Transfer(solid.shape(), STEPControl_ManifoldSolidBrep) != IFSelect_RetDone) {
            stepFailed(path, translatedText("kelvarin::StepWriter",
                                            "геометрическое ядро не смогло перевести тело в STEP"));
        }
        // The header names the file as the user chose it, not the temporary one.
        APIHeaderSection_MakeHeader header(writer.Model());
        header.SetName(new TCollection_HAsciiString(headerName(path).c_str()));
        header.SetOriginatingSystem(new TCollection_HAsciiString("Kelvarin"));

        // Made in memory and written as the STL is, so that a full disk or a failed flush is
        // named the same way; the kernel's own file writer says only that it failed.
        const Handle(StepData_StepModel) model = writer.Model();
        const Handle(StepData_Protocol) protocol =
            Handle(StepData_Protocol)::DownCast(writer.WS()->Protocol());
        std::ostringstream text;
        bool printed = false;
        if (!model.IsNull() && !protocol.IsNull()) {
            StepData_StepWriter stepWriter(model);
            stepWriter.SendModel(protocol);
            printed = stepWriter.Print(text);
        }
        if (!printed || !text) {
            stepFailed(path, translatedText("kelvarin::StepWriter", "запись STEP не удалась"));
        }
        writeModelBytes(path, text.view());
    } catch (const Standard_Failure& failure) {
        stepFailed(path, withArguments(translatedText("kelvarin::StepWriter",
                                                      "ошибка геометрического ядра: %1"),
                                       {failure.GetMessageString()}));
    }
}

}  // namespace kelvarin
