// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/SolidMesh.h"

#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Poly_Triangulation.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>

#include <cmath>
#include <string>

#include "core/Translation.h"
#include "model3d/ModelError.h"

namespace kelvarin {

namespace {

// Coarse enough in angle that the chordal deviation alone decides on the broad faces.
constexpr double kAngularDeviationRad = 0.5;

std::array<float, 3> asFloats(const gp_XYZ& p) {
    return {static_cast<float>(p.X()), static_cast<float>(p.Y()), static_cast<float>(p.Z())};
}

// Appends one face's triangles, turned outward, with normals averaged over the triangles
// around each vertex, weighted by their areas.
void appendFace(const TopoDS_Face& face, TriangleMesh& mesh) {
    TopLoc_Location location;
    const Handle(Poly_Triangulation) t = BRep_Tool::Triangulation(face, location);
    if (t.IsNull()) {
        throw ModelError(translatedText(
            "kelvarin::SolidMesh",
            "Модель винта не сохранена: не удалось разбить поверхность на треугольники."));
    }
    const gp_Trsf trsf = location.Transformation();
    const bool reversed = face.Orientation() == TopAbs_REVERSED;
    const auto first = static_cast<std::uint32_t>(mesh.vertices.size());

    std::vector<gp_XYZ> points(static_cast<std::size_t>(t->NbNodes()));
    std::vector<gp_XYZ> normals(points.size(), gp_XYZ(0, 0, 0));
    for (int i = 1; i <= t->NbNodes(); ++i) {
        points[static_cast<std::size_t>(i - 1)] = t->Node(i).Transformed(trsf).XYZ();
    }
    for (int i = 1; i <= t->NbTriangles(); ++i) {
        int a = 0, b = 0, c = 0;
        t->Triangle(i).Get(a, b, c);
        if (reversed) {
            std::swap(b, c);
        }
        const auto ia = static_cast<std::size_t>(a - 1);
        const auto ib = static_cast<std::size_t>(b - 1);
        const auto ic = static_cast<std::size_t>(c - 1);
        const gp_XYZ n = (points[ib] - points[ia]).Crossed(points[ic] - points[ia]);
        normals[ia] += n;
        normals[ib] += n;
        normals[ic] += n;
        mesh.triangles.push_back({first + static_cast<std::uint32_t>(ia),
                                  first + static_cast<std::uint32_t>(ib),
                                  first + static_cast<std::uint32_t>(ic)});
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double length = normals[i].Modulus();
        const gp_XYZ n = length > 0 ? normals[i] / length : gp_XYZ(0, 0, 0);
        mesh.vertices.push_back({asFloats(points[i]), asFloats(n)});
    }
}

}  // namespace

TriangleMesh meshOf(const PropellerSolid& solid, double chordalDeviationMm) {
    try {
        const BRepMesh_IncrementalMesh mesher(solid.shape(), chordalDeviationMm, Standard_False,
                                              kAngularDeviationRad, Standard_True);
        if (!mesher.IsDone()) {
            throw ModelError(translatedText(
                "kelvarin::SolidMesh",
                "Модель винта не сохранена: не удалось разбить поверхность на треугольники."));
        }
        TriangleMesh mesh;
        for (TopExp_Explorer e(solid.shape(), TopAbs_FACE); e.More(); e.Next()) {
            appendFace(TopoDS::Face(e.Current()), mesh);
        }
        return mesh;
    } catch (const Standard_Failure& failure) {
        throw ModelError(withArguments(
            translatedText("kelvarin::SolidMesh",
                           "Модель винта не сохранена: не удалось разбить поверхность на "
                           "треугольники (%1)."),
            {failure.GetMessageString()}));
    }
}

}  // namespace kelvarin
