// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/PropellerSolid.h"

#include <BRepBuilderAPI_Transform.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <ShapeAnalysis_FreeBounds.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Ax2.hxx>
#include <gp_Trsf.hxx>

#include <exception>
#include <string>

#include "core/Translation.h"
#include "model3d/BladeSolid.h"
#include "model3d/KernelMessages.h"
#include "model3d/ModelError.h"
#include "model3d/ModelOptionsCheck.h"
#include "model3d/ShapeCheck.h"

namespace kelvarin {

namespace {

[[noreturn]] void kernelFailed(const std::string& detail) {
    throw ModelError(withArguments(
        translatedText("kelvarin::PropellerSolid",
                       "Модель винта не построена: геометрическое ядро не смогло построить "
                       "тело (%1)."),
        {detail}));
}

TopoDS_Shape mirroredAcrossXZ(const TopoDS_Shape& shape) {
    gp_Trsf mirror;
    mirror.SetMirror(gp_Ax2(gp::Origin(), gp::DY()));
    return BRepBuilderAPI_Transform(shape, mirror, Standard_True).Shape();
}

// The one solid of the result, or a failure when the fuse left anything else.
TopoDS_Shape onlySolid(const TopoDS_Shape& shape) {
    TopoDS_Shape solid;
    int count = 0;
    for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) {
        solid = e.Current();
        ++count;
    }
    if (count != 1) {
        kernelFailed(withArguments(
            translatedText("kelvarin::PropellerSolid", "вместо одного тела получено %1"),
            {std::to_string(count)}));
    }
    return solid;
}

void requireValidAndClosed(const TopoDS_Shape& solid) {
    if (!BRepCheck_Analyzer(solid).IsValid()) {
        kernelFailed(translatedText("kelvarin::PropellerSolid", "тело получилось некорректным"));
    }
    ShapeAnalysis_FreeBounds bounds(solid);
    // Free edges, bounding a single face, would be holes in the surface.
    if (TopExp_Explorer(bounds.GetClosedWires(), TopAbs_EDGE).More() ||
        TopExp_Explorer(bounds.GetOpenWires(), TopAbs_EDGE).More()) {
        kernelFailed(translatedText("kelvarin::PropellerSolid", "поверхность тела не замкнута"));
    }
}

}  // namespace

PropellerSolid::PropellerSolid(const TopoDS_Shape& shape)
    : shape_(std::make_unique<TopoDS_Shape>(shape)) {}
PropellerSolid::PropellerSolid(PropellerSolid&&) noexcept = default;
PropellerSolid& PropellerSolid::operator=(PropellerSolid&&) noexcept = default;
PropellerSolid::~PropellerSolid() = default;

PropellerSolid buildPropellerSolid(const PropellerShape& shape, Handedness handedness,
                                   const ModelOptions& options) {
    checkShape(shape);
    if (const std::string problem = modelOptionsProblem(options); !problem.empty()) {
        throw ModelError(withArguments(
            translatedText("kelvarin::ShapeCheck", "Модель винта не построена: %1."), {problem}));
    }
    silenceKernelMessages();
    try {
        TopoDS_Shape solid = onlySolid(propellerSolid(shape, options));
        if (handedness == Handedness::Left) {
            solid = mirroredAcrossXZ(solid);
        }
        requireValidAndClosed(solid);
        return PropellerSolid(solid);
    } catch (const Standard_Failure& failure) {
        kernelFailed(failure.GetMessageString());
    } catch (const ModelError&) {
        throw;
    } catch (const std::exception& failure) {
        kernelFailed(failure.what());
    }
}

}  // namespace kelvarin
