// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every constant of the performance models, each with the published source it comes from. The
// analysis reads them from here only, so a change of model is a change of this one file.

namespace kelvarin {

inline constexpr double kPi = 3.14159265358979323846;

// --- Air --------------------------------------------------------------------------------------
// ICAO, Manual of the ICAO Standard Atmosphere, Doc 7488/3 (1993); the same figures as the U.S.
// Standard Atmosphere 1976 below 32 km. Only the troposphere is modelled.
inline constexpr double kSeaLevelTemperatureK = 288.15;
inline constexpr double kSeaLevelPressurePa = 101325.0;
inline constexpr double kLapseRateKPerM = 0.0065;
inline constexpr double kAirGasConstant = 287.05287;  // J/(kg K)
inline constexpr double kStandardGravity = 9.80665;   // m/s^2, also the kilogram-force (CGPM 1901)
inline constexpr double kAirHeatCapacityRatio = 1.4;
inline constexpr double kZeroCelsiusK = 273.15;

// Sutherland's law of viscosity, constants for air from F. M. White, Viscous Fluid Flow,
// 3rd ed., McGraw-Hill 2006, Table 1-2.
inline constexpr double kSutherlandReferenceViscosityPaS = 1.716e-5;
inline constexpr double kSutherlandReferenceTemperatureK = 273.0;
inline constexpr double kSutherlandConstantK = 111.0;

// Metric horsepower (л.с.), 75 kgf m/s: DIN 66036; the unit the engine power is given in.
inline constexpr double kMetricHorsepowerW = 75.0 * kStandardGravity;

// --- The flat-bottomed section ----------------------------------------------------------------
// The blade tables' section: its leading edge lies 3.0/10 of the maximum thickness above the flat
// bottom, so the chord line (leading to trailing edge) stands atan(0.3 t/c) nose-up of the face.
inline constexpr double kLeadingEdgeHeightPerThickness = 0.3;

// Thin-aerofoil theory (H. Glauert, The Elements of Aerofoil and Airscrew Theory, Cambridge 1926;
// I. H. Abbott and A. E. von Doenhoff, Theory of Wing Sections, Dover 1959, ch. 4) integrated
// exactly over the section's 13-point mean line, whose camber scales with the thickness: the
// zero-lift angle and the ideal angle of attack from the chord line, radians per unit thickness
// ratio. The ideal lift coefficient, 2 pi (ideal - zero-lift), centres the drag bucket.
inline constexpr double kZeroLiftAnglePerThickness = -0.642204;
inline constexpr double kIdealAnglePerThickness = 0.067652;
// The same mean line's greatest height above its chord line, per unit thickness ratio: a
// flat-bottomed section of thickness t has the camber 0.314 t (Clark Y, 11.7 %: 3.7 %). Scaled to
// any camber, the mean line keeps its shape, so the two angles above go with the camber:
// -2.045 rad per unit camber ratio, close to the circular arc's -2.
inline constexpr double kFlatBottomCamberPerThickness = 0.314;
inline constexpr double kZeroLiftAnglePerCamber =
    kZeroLiftAnglePerThickness / kFlatBottomCamberPerThickness;
inline constexpr double kIdealAnglePerCamber =
    kIdealAnglePerThickness / kFlatBottomCamberPerThickness;
// A section given only by its thickness, its angle measured to the chord line, is taken for what
// propellers carry: the flat-bottomed section's camber, but never less than 3 %. A thinned
// flat-bottomed family loses its camber with its thickness; the sections of real propellers keep
// theirs as they thin: a NACA four-digit section carries its camber in its name at every
// thickness, NACA 4412 and 4409 4 %, 6409 6 % (E. N. Jacobs, K. E. Ward and R. M. Pinkerton, The
// characteristics of 78 related airfoil sections from tests in the variable-density wind tunnel,
// NACA Report 460, 1933). Three per cent, the lower end of that range, as more over-predicts the
// thin electric propellers of the UIUC propeller database (J. B. Brandt and M. S. Selig,
// Propeller performance data at low Reynolds numbers, AIAA 2011-1255).
inline constexpr double kLeastDefaultCamberRatio = 0.03;

// Measured section lift-curve slopes lie at 0.9 to 1.0 of the thin-aerofoil 2 pi, and measured
// zero-lift angles of cambered sections short of thin-aerofoil theory's, the more so the thicker
// and the more rear-loaded the section, as the boundary layer takes off part of the camber
// (Abbott and von Doenhoff 1959, ch. 7 and Appendix IV). The factor 0.9 puts the zero-thrust
// advance ratios of the flat-bottomed Clark Y propeller 5868-9 of NACA Reports 640 and 650 (E. P.
// Hartman and D. Biermann, 1938; D. Biermann and E. P. Hartman, 1939) in place at every blade angle
// from 15 to 40 degrees, and those of the thin cambered propellers of the UIUC database with them.
inline constexpr double kLiftSlopePerRad = 0.9 * 2.0 * kPi;
inline constexpr double kZeroLiftViscousFactor = 0.9;

// Below a critical Reynolds number the laminar boundary layer leaves the upper surface before it
// can turn turbulent and the section loses much of its camber's lift: F. W. Schmitz, Aerodynamik
// des Flugmodells, 1942; P. B. S. Lissaman, Low-Reynolds-number airfoils, Annu. Rev. Fluid Mech.
// 15 (1983) 223-239, who puts it between 5e4 and 1e5 for the sections of model aircraft. Taken
// as 8e4 for every thickness, and below it the zero-lift angle and ideal lift scaled by
// sqrt(R / R_crit), the laminar boundary layer's law of thickness: the thin (4 to 10 %) cambered
// sections of the small propellers of the UIUC database, measured at two or more speeds, lose
// lift below it as the thick ones do (J. B. Brandt and M. S. Selig, AIAA 2011-1255).
inline constexpr double kCriticalReynolds = 8.0e4;

// Compressibility: the Prandtl-Glauert factor 1/sqrt(1 - M^2) on lift (H. Glauert, The effect of
// compressibility on the lift of an aerofoil, Proc. R. Soc. Lond. A 118 (1928) 113-119), held at
// the Mach number where the rule stops being trustworthy.
inline constexpr double kMaxCorrectedMach = 0.7;

// Maximum lift falls with the Reynolds number (E. N. Jacobs and A. Sherman, Airfoil section
// characteristics as affected by variations of the Reynolds number, NACA Report 586, 1937):
// taken as 1.35 at 1e6 and 0.15 less per decade below, held between 1.1 and 1.6. Cambered
// sections of model aircraft keep a maximum lift of 1.1 to 1.3 down to R = 6e4 (M. S. Selig et
// al., Summary of Low-Speed Airfoil Data, vol. 1, 1995: E387, SD7037), and the static thrust of
// the small propellers of the UIUC database, whose inner blades stall at rest, asks for the same.
inline constexpr double kMaxLiftAtMillion = 1.35;
inline constexpr double kMaxLiftPerDecade = 0.15;
inline constexpr double kMaxLiftFloor = 1.1;
inline constexpr double kMaxLiftCeiling = 1.6;
// A cambered section stalls on its lower side at a smaller lift than on its upper side (Abbott
// and von Doenhoff 1959, Appendix IV: about half in magnitude for sections of 4 % camber).
inline constexpr double kNegativeStallLiftRatio = 0.6;

// Post-stall: the curves of L. A. Viterna and R. D. Corrigan, Fixed pitch rotor performance of
// large horizontal axis wind turbines, NASA CP-2230 (1982) 69-85, from the stall point to 90
// degrees, with the drag across the stream of a flat plate in two-dimensional flow (S. F. Hoerner,
// Fluid-Dynamic Drag, published by the author, 1965, ch. III: 1.98); the blade's ends are Prandtl's
// factor's business.
inline constexpr double kPostStallMaxDrag = 2.0;
// Stall delay on a turning blade: the lift lost to stall is won back in the share 3 (c/r)^2
// (H. Snel, R. Houwink, J. Bosschers, Sectional prediction of lift coefficients on rotating wind
// turbine blades in stall, ECN-C--93-052, 1994), faded out linearly to 90 degrees, where the flow
// crosses the blade.
inline constexpr double kRotationalLiftFactor = 3.0;

// Profile drag at the bottom of the bucket: both faces of a flat plate with a turbulent boundary
// layer, Prandtl's Cf = 0.074 Re^-1/5 (H. Schlichting, Boundary-Layer Theory, 7th ed.,
// McGraw-Hill 1979, ch. XXI), times the section form factor 1 + 2 t/c + 60 (t/c)^4 (Hoerner
// 1965, ch. VI). Below the Reynolds number where laminar separation bubbles take over (about 2e5
// for sections of this kind; M. S. Selig et al., Summary of Low-Speed Airfoil Data, vol. 1,
// 1995) the drag grows as Re^-1/2.
inline constexpr double kTurbulentFrictionFactor = 0.074;
inline constexpr double kTurbulentFrictionExponent = -0.2;
inline constexpr double kLaminarBubbleReynolds = 2.0e5;
inline constexpr double kLaminarBubbleExponent = -0.5;
inline constexpr double kMinReynolds = 1.0e3;
// The rise of profile drag away from the bucket's centre, cd - cd_min = k (cl - cl_ideal)^2,
// 0.01 on the smooth polars of cambered sections of 12 % thickness at R = 3e6 and about twice that
// with standard roughness (Abbott and von Doenhoff 1959, Appendix IV); a propeller's blade is
// never aerodynamically smooth, and the power coefficients of the Clark Y propeller of NACA
// Report 640 ask for the rough value. At other Reynolds numbers the whole polar scales as its
// minimum does (M. Drela, QPROP Formulation, MIT 2006: cd = (cd0 + cd2 (cl - cl0)^2)
// (Re/Re_ref)^f), so k grows with the bucket's drag to some 0.05 at R = 7e4: the upper-side cd2
// of the sample section of QPROP's distribution (Graupner CAM 6x3: 0.050 at 70 000).
inline constexpr double kDragRisePerLiftSquared = 0.02;
inline constexpr double kDragRiseReferenceReynolds = 3.0e6;

// --- Blade element momentum theory ------------------------------------------------------------
// Prandtl's tip and hub loss factors as given by H. Glauert, Airplane Propellers, in W. F. Durand
// (ed.), Aerodynamic Theory, vol. IV, div. L, 1935; the momentum balance on annuli solved by
// bracketing the inflow angle after S. A. Ning, A simple solution method for the blade element
// momentum equations with guaranteed convergence, Wind Energy 17 (2014) 1327-1345. Twenty
// elements crowded towards the tip give thrust and power within 0.1 % of a hundred.
inline constexpr int kBladeElementCount = 20;
inline constexpr double kInflowAngleTolerance = 1e-10;  // rad
inline constexpr int kInflowAngleMaxIterations = 100;
inline constexpr int kBracketScanSteps = 12;

}  // namespace kelvarin
