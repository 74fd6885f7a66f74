// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ModelSummary.h"

#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopoDS_Shape.hxx>

#include "model3d/BladeStrength.h"
#include "model3d/Wood.h"

namespace kelvarin {

namespace {

// The relative error the volume is integrated to.
constexpr double kVolumeTolerance = 1e-6;

}  // namespace

ModelInfo summaryOf(const PropellerSolid& solid, const PropellerShape& shape,
                    const ModelOptions& options, const BladeLoad& load) {
    ModelInfo info;
    Bnd_Box box;
    BRepBndLib::AddOptimal(solid.shape(), box, Standard_False, Standard_False);
    double xMin = 0, yMin = 0, zMin = 0, xMax = 0, yMax = 0, zMax = 0;
    box.Get(xMin, yMin, zMin, xMax, yMax, zMax);
    info.lengthMm = xMax - xMin;
    info.widthMm = yMax - yMin;
    info.depthMm = zMax - zMin;

    GProp_GProps properties;
    // Adaptive integration: the fillet's faces fool the fixed Gauss points by a few tenths
    // of a percent.
    BRepGProp::VolumeProperties(solid.shape(), properties, kVolumeTolerance);
    info.volumeMm3 = properties.Mass();
    const gp_Pnt centre = properties.CentreOfMass();
    info.centreOfMassMm = {centre.X(), centre.Y(), centre.Z()};

    const WoodProperties wood = woodNamed(options.wood).value_or(kWoods.front());
    info.densityKgM3 = options.densityKgM3 > 0 ? options.densityKgM3 : wood.densityKgM3;
    info.massKg = massKgOf(info.volumeMm3, info.densityKgM3);
    info.strengthMPa = wood.strengthMPa;
    info.stations =
        bladeStrength(shape, options.trailingEdgeMm, info.densityKgM3, wood.strengthMPa, load);
    info.rootLimitRpm = rootLimitRpm(info.stations, load.rpm, kRecommendedSafetyFactor);
    return info;
}

}  // namespace kelvarin
