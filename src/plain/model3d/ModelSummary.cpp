// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ModelSummary.h"

#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopoDS_Shape.hxx>

#include <future>

#include "model3d/BladeStrength.h"
#include "model3d/Wood.h"

namespace kelvarin {

namespace {

// The relative error the volume is integrated to.
constexpr double kVolumeTolerance = 1e-6;

}  // namespace

SolidMeasures measuresOf(const PropellerSolid& solid) {
    // The volume and the blank take about as long each; the volume is worked out beside.
    std::future<GProp_GProps> volume = std::async(std::launch::async, [&solid] {
        GProp_GProps properties;
        // Adaptive integration: the fillet's faces fool the fixed Gauss points by a few tenths
        // of a percent.
        BRepGProp::VolumeProperties(solid.shape(), properties, kVolumeTolerance);
        return properties;
    });
    SolidMeasures measures;
    Bnd_Box box;
    BRepBndLib::AddOptimal(solid.shape(), box, Standard_False, Standard_False);
    double xMin = 0, yMin = 0, zMin = 0, xMax = 0, yMax = 0, zMax = 0;
    box.Get(xMin, yMin, zMin, xMax, yMax, zMax);
    measures.lengthMm = xMax - xMin;
    measures.widthMm = yMax - yMin;
    measures.depthMm = zMax - zMin;

    const GProp_GProps properties = volume.get();
    measures.volumeMm3 = properties.Mass();
    const gp_Pnt centre = properties.CentreOfMass();
    measures.centreOfMassMm = {centre.X(), centre.Y(), centre.Z()};
    return measures;
}

ModelInfo summaryOf(const SolidMeasures& measures, const PropellerShape& shape,
                    const ModelOptions& options, const BladeLoad& load) {
    ModelInfo info;
    info.lengthMm = measures.lengthMm;
    info.widthMm = measures.widthMm;
    info.depthMm = measures.depthMm;
    info.volumeMm3 = measures.volumeMm3;
    info.centreOfMassMm = measures.centreOfMassMm;
    const WoodProperties wood = woodNamed(options.wood).value_or(kWoods.front());
    info.densityKgM3 = options.densityKgM3 > 0 ? options.densityKgM3 : wood.densityKgM3;
    info.massKg = massKgOf(info.volumeMm3, info.densityKgM3);
    info.strengthMPa = wood.strengthMPa;
    info.stations =
        bladeStrength(shape, options.trailingEdgeMm, info.densityKgM3, wood.strengthMPa, load);
    info.rootLimitRpm = rootLimitRpm(info.stations, load.rpm, kRecommendedSafetyFactor);
    return info;
}

ModelInfo summaryOf(const PropellerSolid& solid, const PropellerShape& shape,
                    const ModelOptions& options, const BladeLoad& load) {
    return summaryOf(measuresOf(solid), shape, options, load);
}

}  // namespace kelvarin
