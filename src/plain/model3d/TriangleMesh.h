// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kelvarin {

// A point of the surface, millimetres, with the outward unit normal of the surface there.
struct MeshVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
};

// A closed triangulated surface. Each face of the solid keeps its own vertices, so normals
// stay sharp across the edges between faces; where two faces meet, their vertices on the
// common edge have identical positions. Triangles index `vertices` and run counter-clockwise
// when seen from outside.
struct TriangleMesh {
    std::vector<MeshVertex> vertices;
    std::vector<std::array<std::uint32_t, 3>> triangles;
};

}  // namespace kelvarin
