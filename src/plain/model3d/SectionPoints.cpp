// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/SectionPoints.h"

#include <algorithm>

namespace kelvarin {

namespace {

constexpr std::size_t kLast = 12;  // the trailing edge's point of the profile

}  // namespace

OutlinePoints outlinePoints(const SectionProfileMm& profile, double trailingEdgeMm) {
    // Raised heights of the upper surface: from the last point already thick enough the
    // added thickness grows in proportion to the way along the chord, reaching the trailing
    // edge's whole thickness there; the max() guards a surface that is thinner in between.
    std::array<double, 13> upper = profile.upperMm;
    std::size_t start = 0;
    for (std::size_t j = 0; j < kLast; ++j) {
        if (profile.upperMm[j] - profile.lowerMm[j] >= trailingEdgeMm) {
            start = j;
        }
    }
    const double startU = profile.chordMm[start];
    const double lengthU = profile.chordMm[kLast] - startU;
    for (std::size_t j = start + 1; j <= kLast; ++j) {
        const double thickness = profile.upperMm[j] - profile.lowerMm[j];
        const double share = lengthU > 0 ? (profile.chordMm[j] - startU) / lengthU : 1;
        upper[j] =
            profile.lowerMm[j] + std::max(thickness + trailingEdgeMm * share, trailingEdgeMm);
    }

    OutlinePoints points{};
    std::size_t k = 0;
    points[k++] = {profile.chordMm[kLast] + trailingEdgeMm / 2,
                   profile.lowerMm[kLast] + trailingEdgeMm / 2};
    for (std::size_t j = kLast + 1; j-- > 0;) {
        points[k++] = {profile.chordMm[j], upper[j]};
    }
    for (std::size_t j = 1; j <= kLast; ++j) {
        points[k++] = {profile.chordMm[j], profile.lowerMm[j]};
    }
    return points;
}

double greatestThicknessMm(const SectionProfileMm& profile) {
    double greatest = 0;
    for (std::size_t j = 0; j <= kLast; ++j) {
        greatest = std::max(greatest, profile.upperMm[j] - profile.lowerMm[j]);
    }
    return greatest;
}

SectionProfileMm shrunkProfile(const SectionProfileMm& profile, double chordScale,
                               double heightScale) {
    const double middle = (profile.chordMm.front() + profile.chordMm.back()) / 2;
    SectionProfileMm shrunk;
    for (std::size_t j = 0; j <= kLast; ++j) {
        shrunk.chordMm[j] = middle + (profile.chordMm[j] - middle) * chordScale;
        shrunk.upperMm[j] = profile.upperMm[j] * heightScale;
        shrunk.lowerMm[j] = profile.lowerMm[j] * heightScale;
    }
    return shrunk;
}

}  // namespace kelvarin
