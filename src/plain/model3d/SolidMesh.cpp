// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/SolidMesh.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Poly_Triangulation.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Pnt2d.hxx>
#include <gp_Vec.hxx>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/Translation.h"
#include "model3d/ModelError.h"

namespace kelvarin {

namespace {

// Coarse enough in angle that the chordal deviation alone decides on the broad faces.
constexpr double kAngularDeviationRad = 0.5;

std::array<float, 3> asFloats(const gp_XYZ& p) {
    return {static_cast<float>(p.X()), static_cast<float>(p.Y()), static_cast<float>(p.Z())};
}

using Triangle = std::array<std::size_t, 3>;

// Where the surface's two directions run closer to parallel than this (the sine of the angle
// between them), it has no normal of its own there.
constexpr double kSingularNormal = 1e-6;

// A triangle thinner than this share of its longest side is a sliver: its normal, worked out
// from its corners in single precision as an STL reader does, points anywhere.
constexpr double kSliverShare = 1e-4;
// Flipping one sliver may leave another beside it; a few rounds see to all the mesher leaves.
constexpr int kSliverRounds = 8;

gp_XYZ normalOf(const std::vector<gp_XYZ>& points, const Triangle& t) {
    return (points[t[1]] - points[t[0]]).Crossed(points[t[2]] - points[t[0]]);
}

// The triangle's height over its longest side, as a share of that side; and that side's
// first corner, the side running from it to the next.
std::pair<double, std::size_t> thinness(const std::vector<gp_XYZ>& points, const Triangle& t) {
    std::size_t longest = 0;
    double longestSquared = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const double d = (points[t[(i + 1) % 3]] - points[t[i]]).SquareModulus();
        if (d > longestSquared) {
            longestSquared = d;
            longest = i;
        }
    }
    if (longestSquared == 0) {
        return {0, 0};
    }
    return {normalOf(points, t).Modulus() / longestSquared, longest};
}

// The mesher leaves slivers where a face's seam is a straight line, as the root's is: three
// corners on one line. Each is mended by flipping its long side with the triangle beyond it,
// where that gives two triangles facing the same way as that one, both better than before.
// The face's outline is untouched, so the mesh stays watertight.
void flipSlivers(const std::vector<gp_XYZ>& points, std::vector<Triangle>& triangles) {
    for (int round = 0; round < kSliverRounds; ++round) {
        std::map<std::pair<std::size_t, std::size_t>, std::size_t> byDirectedSide;
        for (std::size_t i = 0; i < triangles.size(); ++i) {
            for (std::size_t k = 0; k < 3; ++k) {
                byDirectedSide[{triangles[i][k], triangles[i][(k + 1) % 3]}] = i;
            }
        }
        std::vector<bool> touched(triangles.size(), false);
        bool flipped = false;
        for (std::size_t i = 0; i < triangles.size(); ++i) {
            const auto [share, side] = thinness(points, triangles[i]);
            if (touched[i] || share >= kSliverShare) {
                continue;
            }
            const std::size_t a = triangles[i][side];
            const std::size_t c = triangles[i][(side + 1) % 3];
            const std::size_t b = triangles[i][(side + 2) % 3];
            const auto beyond = byDirectedSide.find({c, a});
            if (beyond == byDirectedSide.end() || touched[beyond->second]) {
                continue;  // on the face's outline, or already changed in this round
            }
            const std::size_t j = beyond->second;
            const Triangle& other = triangles[j];
            std::size_t d = other[0];
            for (std::size_t v : other) {
                if (v != a && v != c) {
                    d = v;
                }
            }
            const Triangle first{a, d, b};
            const Triangle second{d, c, b};
            const gp_XYZ facing = normalOf(points, other);
            const double worst = std::min(share, thinness(points, other).first);
            if (normalOf(points, first).Dot(facing) <= 0 ||
                normalOf(points, second).Dot(facing) <= 0 ||
                std::min(thinness(points, first).first, thinness(points, second).first) <= worst) {
                continue;
            }
            triangles[i] = first;
            triangles[j] = second;
            touched[i] = touched[j] = true;
            flipped = true;
        }
        if (!flipped) {
            return;
        }
    }
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

    // A seam's points come twice, once for each side; taken once, the face is whole across
    // it: a sliver along it can be flipped with the triangle beyond, and the shading does not
    // break there.
    std::vector<gp_XYZ> points;
    std::vector<std::size_t> pointOfNode(static_cast<std::size_t>(t->NbNodes()));
    std::map<std::array<double, 3>, std::size_t> seen;
    for (int i = 1; i <= t->NbNodes(); ++i) {
        const gp_XYZ p = t->Node(i).Transformed(trsf).XYZ();
        const auto [at, added] = seen.try_emplace({p.X(), p.Y(), p.Z()}, points.size());
        if (added) {
            points.push_back(p);
        }
        pointOfNode[static_cast<std::size_t>(i - 1)] = at->second;
    }
    std::vector<Triangle> triangles;
    triangles.reserve(static_cast<std::size_t>(t->NbTriangles()));
    for (int i = 1; i <= t->NbTriangles(); ++i) {
        int a = 0, b = 0, c = 0;
        t->Triangle(i).Get(a, b, c);
        if (reversed) {
            std::swap(b, c);
        }
        triangles.push_back({pointOfNode[static_cast<std::size_t>(a - 1)],
                             pointOfNode[static_cast<std::size_t>(b - 1)],
                             pointOfNode[static_cast<std::size_t>(c - 1)]});
    }
    flipSlivers(points, triangles);

    std::vector<gp_XYZ> normals(points.size(), gp_XYZ(0, 0, 0));
    for (const Triangle& triangle : triangles) {
        const gp_XYZ n = normalOf(points, triangle);
        for (std::size_t v : triangle) {
            normals[v] += n;
        }
        mesh.triangles.push_back({first + static_cast<std::uint32_t>(triangle[0]),
                                  first + static_cast<std::uint32_t>(triangle[1]),
                                  first + static_cast<std::uint32_t>(triangle[2])});
    }
    // The surface's own normal where it has one: the triangles' average shades a long thin
    // fan, as on the straight root, in streaks.
    if (t->HasUVNodes()) {
        const BRepAdaptor_Surface surface(face);
        for (int i = 1; i <= t->NbNodes(); ++i) {
            const gp_Pnt2d uv = t->UVNode(i);
            gp_Pnt p;
            gp_Vec du, dv;
            surface.D1(uv.X(), uv.Y(), p, du, dv);
            const gp_Vec n = du.Crossed(dv);
            if (n.Magnitude() > kSingularNormal * du.Magnitude() * dv.Magnitude()) {
                normals[pointOfNode[static_cast<std::size_t>(i - 1)]] = (reversed ? -n : n).XYZ();
            }
        }
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
