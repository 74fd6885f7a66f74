// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <BRepTools.hxx>
#include <TopoDS_Shape.hxx>

#include <filesystem>
#include <string>

#include "model3d/ModelSummary.h"
#include "model3d/ModelWriter.h"
#include "model3d/PropellerSolid.h"
#include "model3d/SolidMesh.h"
#include "plain/model3d/StartDesign.h"

namespace {

using namespace kelvarin;

std::filesystem::path scratchFile(const char* extension) {
    return std::filesystem::temp_directory_path() /
           ("kelvarin-bench-" + std::to_string(::getpid()) + extension);
}

void BM_BuildSolid(benchmark::State& state) {
    const PropellerShape shape = kelvarin::testing::startShape();
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildPropellerSolid(shape));
    }
}
BENCHMARK(BM_BuildSolid)->Unit(benchmark::kMillisecond);

// What the preview waits for before its first frame: the solid built and meshed at the
// preview's deviation, for the start design (1,517 m) and for the largest propeller (10 m).
void BM_PreviewMesh(benchmark::State& state) {
    const PropellerShape shape = state.range(0) == 0
                                     ? kelvarin::testing::startShape()
                                     : shapeFromDesign(kelvarin::testing::startDesign("1000", "4"));
    std::size_t triangles = 0;
    for (auto _ : state) {
        const TriangleMesh mesh =
            meshOf(buildPropellerSolid(shape), previewDeviationMm(shape.diameterMm));
        triangles = mesh.triangles.size();
    }
    state.counters["triangles"] = static_cast<double>(triangles);
}
BENCHMARK(BM_PreviewMesh)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the preview's info waits for beside the view: the blank and the volume with its centre.
void BM_SolidMeasures(benchmark::State& state) {
    const PropellerSolid solid = buildPropellerSolid(kelvarin::testing::startShape());
    for (auto _ : state) {
        benchmark::DoNotOptimize(measuresOf(solid));
    }
}
BENCHMARK(BM_SolidMeasures)->Unit(benchmark::kMillisecond);

void BM_WriteStep(benchmark::State& state) {
    const PropellerSolid solid = buildPropellerSolid(kelvarin::testing::startShape());
    const std::filesystem::path path = scratchFile(".step");
    for (auto _ : state) {
        writeStep(solid, path);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteStep)->Unit(benchmark::kMillisecond);

// Meshing from scratch each time: the solid keeps its last mesh, so it is cleared untimed.
void BM_MeshAndWriteStl(benchmark::State& state) {
    const PropellerSolid solid = buildPropellerSolid(kelvarin::testing::startShape());
    const std::filesystem::path path = scratchFile(".stl");
    std::size_t triangles = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BRepTools::Clean(solid.shape());
        state.ResumeTiming();
        const TriangleMesh mesh = meshOf(solid);
        writeStl(mesh, path);
        triangles = mesh.triangles.size();
    }
    state.counters["triangles"] = static_cast<double>(triangles);
    std::filesystem::remove(path);
}
BENCHMARK(BM_MeshAndWriteStl)->Unit(benchmark::kMillisecond);

}  // namespace
