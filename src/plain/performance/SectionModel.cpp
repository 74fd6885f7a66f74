// SPDX-License-Identifier: GPL-3.0-or-later
#include "SectionModel.h"

#include <algorithm>
#include <cmath>

#include "ModelConstants.h"

namespace kelvarin {

SectionShape flatBottomedSection(double thicknessRatio, double chordOverRadius) {
    return camberedSection(thicknessRatio, kFlatBottomCamberPerThickness * thicknessRatio,
                           chordOverRadius);
}

SectionShape camberedSection(double thicknessRatio, double camberRatio, double chordOverRadius) {
    SectionShape shape;
    shape.rotationalGain = std::min(1.0, kRotationalLiftFactor * chordOverRadius * chordOverRadius);
    shape.thicknessRatio = thicknessRatio;
    shape.zeroLiftAngleRad = kZeroLiftViscousFactor * kZeroLiftAnglePerCamber * camberRatio;
    shape.idealLift = kLiftSlopePerRad * kZeroLiftViscousFactor *
                      (kIdealAnglePerCamber - kZeroLiftAnglePerCamber) * camberRatio;
    return shape;
}

namespace {

double minimumDrag(double thicknessRatio, double reynolds) {
    const double re = std::max(reynolds, kMinReynolds);
    const double formFactor = 1.0 + 2.0 * thicknessRatio + 60.0 * std::pow(thicknessRatio, 4);
    const double turbulent =
        2.0 * kTurbulentFrictionFactor *
        std::pow(std::max(re, kLaminarBubbleReynolds), kTurbulentFrictionExponent) * formFactor;
    if (re >= kLaminarBubbleReynolds) {
        return turbulent;
    }
    return turbulent * std::pow(re / kLaminarBubbleReynolds, kLaminarBubbleExponent);
}

double maximumLift(double reynolds) {
    const double decades = std::log10(std::max(reynolds, kMinReynolds) / 1.0e6);
    return std::clamp(kMaxLiftAtMillion + kMaxLiftPerDecade * decades, kMaxLiftFloor,
                      kMaxLiftCeiling);
}

}  // namespace

SectionPolar::SectionPolar(const SectionShape& shape, double reynolds, double mach)
    : zeroLiftAngle_(shape.zeroLiftAngleRad),
      idealLift_(shape.idealLift),
      rotationalGain_(shape.rotationalGain),
      maxDrag_(kPostStallMaxDrag) {
    const double m = std::clamp(std::isfinite(mach) ? mach : 0.0, 0.0, kMaxCorrectedMach);
    slope_ = kLiftSlopePerRad / std::sqrt(1.0 - m * m);
    // Below its critical Reynolds number a section loses camber to laminar separation.
    const double re = std::isfinite(reynolds) ? std::max(reynolds, kMinReynolds) : kMinReynolds;
    if (re < kCriticalReynolds) {
        const double kept = std::sqrt(re / kCriticalReynolds);
        zeroLiftAngle_ *= kept;
        idealLift_ *= kept;
    }
    minDrag_ = minimumDrag(shape.thicknessRatio, std::isfinite(reynolds) ? reynolds : 0.0);
    dragRise_ = kDragRisePerLiftSquared * minDrag_ /
                minimumDrag(shape.thicknessRatio, kDragRiseReferenceReynolds);
    const double maxLift = maximumLift(std::isfinite(reynolds) ? reynolds : 0.0);
    const double minLift = -kNegativeStallLiftRatio * maxLift;
    // Stall angles at least a few degrees either side of the chord line, so that the post-stall
    // curves (which divide by the sine of the angle) stay finite even for a section cambered
    // beyond sense.
    constexpr double kLeastStallAngle = 0.05;
    stallHigh_ = std::max(zeroLiftAngle_ + maxLift / slope_, kLeastStallAngle);
    stallLow_ = std::min(zeroLiftAngle_ + minLift / slope_, -kLeastStallAngle);

    // Viterna-Corrigan from the stall point to 90 degrees, continuous with the attached polar;
    // the lower side mirrored.
    const auto attachedDrag = [&](double lift) {
        const double off = lift - idealLift_;
        return minDrag_ + dragRise_ * off * off;
    };
    const auto fit = [&](double stallAlpha, double stallLift, double stallDrag) {
        PostStall p;
        if (stallAlpha >= kPi / 2) {
            return p;
        }
        const double ss = std::sin(stallAlpha);
        const double cs = std::cos(stallAlpha);
        p.alpha = stallAlpha;
        p.a1 = maxDrag_ / 2.0;
        p.a2 = (stallLift - maxDrag_ * ss * cs) * ss / (cs * cs);
        p.b2 = (stallDrag - maxDrag_ * ss * ss) / cs;
        p.valid = true;
        return p;
    };
    const double highLift = slope_ * (stallHigh_ - zeroLiftAngle_);
    const double lowLift = slope_ * (stallLow_ - zeroLiftAngle_);
    upper_ = fit(stallHigh_, highLift, attachedDrag(highLift));
    lower_ = fit(-stallLow_, -lowLift, attachedDrag(lowLift));
}

SectionCoefficients SectionPolar::postStall(const PostStall& p, double alpha) const {
    const double s = std::sin(alpha);
    const double c = std::cos(alpha);
    return {p.a1 * 2.0 * s * c + p.a2 * c * c / s, maxDrag_ * s * s + p.b2 * c};
}

SectionCoefficients SectionPolar::at(double alphaRad) const {
    double alpha = std::remainder(alphaRad, 2.0 * kPi);  // into [-pi, pi]
    if (!std::isfinite(alpha)) {
        alpha = 0;
    }
    if (alpha >= stallLow_ && alpha <= stallHigh_) {
        const double lift = slope_ * (alpha - zeroLiftAngle_);
        const double off = lift - idealLift_;
        return {lift, minDrag_ + dragRise_ * off * off};
    }
    const double halfPi = kPi / 2.0;
    if (alpha > stallHigh_ && alpha <= halfPi && upper_.valid) {
        SectionCoefficients k = postStall(upper_, alpha);
        const double attached = slope_ * (alpha - zeroLiftAngle_);
        const double fade = (halfPi - alpha) / (halfPi - stallHigh_);
        k.lift += rotationalGain_ * fade * (attached - k.lift);
        return k;
    }
    if (alpha < stallLow_ && alpha >= -halfPi && lower_.valid) {
        const SectionCoefficients mirrored = postStall(lower_, -alpha);
        return {-mirrored.lift, mirrored.drag};
    }
    // Past 90 degrees either way (the flow comes from the trailing edge), or a stall angle that an
    // extreme shape pushed out of range: a flat plate.
    const double s = std::sin(alpha);
    return {maxDrag_ * s * std::cos(alpha), std::max(maxDrag_ * s * s, minDrag_)};
}

}  // namespace kelvarin
