// SPDX-License-Identifier: GPL-3.0-or-later
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/Translation.h"
#include "model3d/ModelError.h"
#include "model3d/ModelFile.h"
#include "model3d/ModelWriter.h"

namespace kelvarin {

namespace {

static_assert(std::endian::native == std::endian::little, "binary STL is little-endian");
static_assert(sizeof(float) == 4);

// Anything but "solid" at the start, which would make readers take the file for text.
constexpr char kHeader[80] = "Kelvarin propeller, binary STL, millimetres";
constexpr std::size_t kFacetBytes = 50;

void put(std::vector<unsigned char>& bytes, std::size_t& at, const void* data, std::size_t n) {
    std::memcpy(bytes.data() + at, data, n);
    at += n;
}

// The facet's own normal from its corners (readers trust it over the vertex normals).
std::array<float, 3> facetNormal(const std::array<float, 3>& a, const std::array<float, 3>& b,
                                 const std::array<float, 3>& c) {
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                         u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length == 0) {
        return {0, 0, 0};
    }
    return {static_cast<float>(n[0] / length), static_cast<float>(n[1] / length),
            static_cast<float>(n[2] / length)};
}

std::vector<unsigned char> stlBytes(const TriangleMesh& mesh) {
    const auto count = static_cast<std::uint32_t>(mesh.triangles.size());
    std::vector<unsigned char> bytes(sizeof kHeader + sizeof count + count * kFacetBytes);
    std::size_t at = 0;
    put(bytes, at, kHeader, sizeof kHeader);
    put(bytes, at, &count, sizeof count);
    const std::uint16_t attributes = 0;
    for (const auto& t : mesh.triangles) {
        const auto& a = mesh.vertices[t[0]].position;
        const auto& b = mesh.vertices[t[1]].position;
        const auto& c = mesh.vertices[t[2]].position;
        const std::array<float, 3> n = facetNormal(a, b, c);
        put(bytes, at, n.data(), 12);
        put(bytes, at, a.data(), 12);
        put(bytes, at, b.data(), 12);
        put(bytes, at, c.data(), 12);
        put(bytes, at, &attributes, sizeof attributes);
    }
    return bytes;
}

}  // namespace

void writeStl(const TriangleMesh& mesh, const std::filesystem::path& path) {
    if (mesh.triangles.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw saveFailure(path, translatedText("kelvarin::StlWriter",
                                               "слишком много треугольников для формата STL"));
    }
    const std::vector<unsigned char> bytes = stlBytes(mesh);
    writeModelBytes(path,
                    std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace kelvarin
