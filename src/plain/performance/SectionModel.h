// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// Lift and drag coefficients of a section.
struct SectionCoefficients {
    double lift = 0;
    double drag = 0;
};

// What the polar of one section depends on besides the flow: its shape, fixed per blade element.
struct SectionShape {
    double thicknessRatio = 0;
    double zeroLiftAngleRad = 0;  // from the chord line, negative for a cambered section
    double idealLift = 0;         // lift coefficient at the centre of the drag bucket
    double rotationalGain = 0;    // share of the lift lost to stall that rotation wins back, 0..1
};

// The flat-bottomed section of the given thickness ratio on a blade turning about an axis at
// `chordOverRadius` chords (0 for a section at rest).
SectionShape flatBottomedSection(double thicknessRatio, double chordOverRadius);

// A section of the flat-bottomed family's mean line scaled to `camberRatio` (greatest height of
// the mean line above the chord line over the chord), of any thickness ratio.
SectionShape camberedSection(double thicknessRatio, double camberRatio, double chordOverRadius);

// The polar of a section at one Reynolds number (on the chord) and Mach number: linear lift from
// the zero-lift angle with the Prandtl-Glauert factor, a drag polar whose bucket grows as the
// Reynolds number falls, stall at a maximum lift that falls with the Reynolds number, and the
// Viterna-Corrigan post-stall curves, continuous at stall, beyond it up to 90 degrees; a flat
// plate past 90 degrees. Built once per blade element and operating point, asked many times.
class SectionPolar {
public:
    SectionPolar(const SectionShape& shape, double reynolds, double mach);

    // At an angle of attack from the chord line, radians, any value (taken modulo a turn).
    // Every result is finite for finite inputs.
    SectionCoefficients at(double alphaRad) const;

private:
    struct PostStall {
        double alpha = 0;  // stall angle, 0..pi/2 from the chord line's side it stalls on
        double a1 = 0;
        double a2 = 0;
        double b2 = 0;
        bool valid = false;
    };
    SectionCoefficients postStall(const PostStall& p, double alpha) const;

    double zeroLiftAngle_ = 0;
    double idealLift_ = 0;
    double rotationalGain_ = 0;
    double slope_ = 0;
    double minDrag_ = 0;
    double dragRise_ = 0;  // k in cd = cd_min + k (cl - cl_ideal)^2
    double maxDrag_ = 0;
    double stallHigh_ = 0;
    double stallLow_ = 0;
    PostStall upper_;
    PostStall lower_;
};

}  // namespace kelvarin
