#pragma once

// Nusselt-number correlations for forced convection in external flow, as plain functions of
// doubles. Each relation is written once, here; the decisions about which one applies and
// whether its inputs are in range live in engine.cpp.
//
// Conventions: Re and Pr are the Reynolds and Prandtl numbers of the case, Pe = Re * Pr.
// Powers use std::pow with exponents such as 1.0 / 3.0 (no sqrt or cbrt), and products are
// formed in the order the textbooks write them: coefficient, then Re term, then Pr term.

#include <optional>

namespace nusselt {

// Flat plate in parallel flow, isothermal surface.
double laminarPlateLocal(double re, double pr);          // 0.332 Re^1/2 Pr^1/3, Pr >= 0.6
double churchillOzoePlateLocal(double re, double pr);    // all Pr, used for Pr < 0.6, Pe > 100
// The average over a laminar plate is twice the local value at its end (Nu_x ~ x^1/2).
double laminarPlateAverage(double re, double pr);        // 2 * 0.332 ...
double churchillOzoePlateAverage(double re, double pr);  // 2 * Churchill-Ozoe
double liquidMetalPlateLocal(double pe);                 // 0.565 Pe^1/2, Pe >= 100
double turbulentPlateLocal(double re, double pr);        // 0.0296 Re^4/5 Pr^1/3
double turbulentPlateAverage(double re, double pr);      // 0.037 Re^4/5 Pr^1/3
double mixedPlateAverage(double re, double pr);          // (0.037 Re^4/5 - 871) Pr^1/3, Re_c = 5e5

// Flat plate at uniform surface heat flux.
double laminarFluxLocal(double re, double pr);           // 0.453 Re^1/2 Pr^1/3
double laminarFluxAverage(double re, double pr);         // 0.68 Re^1/2 Pr^1/3 = 1.5 * 0.453 ...
double turbulentFluxLocal(double re, double pr);         // 0.0308 Re^4/5 Pr^1/3
double turbulentFluxAverage(double re, double pr);       // 0.03696 Re^4/5 Pr^1/3 = 1.2 * local

// Flat plate heated from xi behind the leading edge. reL is based on the plate length L; the
// local value at x uses Re_x = reL * x / L, the average over L uses reL.
double laminarUnheatedLocal(double reL, double pr, double plateLength, double x, double xi);
double laminarUnheatedAverage(double reL, double pr, double plateLength, double xi);
double turbulentUnheatedLocal(double reL, double pr, double plateLength, double x, double xi);
double turbulentUnheatedAverage(double reL, double pr, double plateLength, double xi);

// Circular cylinder in cross flow.
double cylinderStagnation(double re, double pr);         // 1.15 Re^1/2 Pr^1/3
std::optional<double> hilpert(double re, double pr);     // empty outside 0.4 <= Re <= 4e5
double churchillBernstein(double re, double pr);         // every Re Pr > 0.2
std::optional<double> zhukauskas(double re, double pr, double prSurface); // empty for Re > 2e6

// Sphere.
double whitakerSphere(double re, double pr, double mu, double muSurface);
double ranzMarshallDrop(double re, double pr);           // 2 + 0.6 Re^1/2 Pr^1/3

// Liquid metals (Pr << 1), in the Peclet number Pe = Re Pr.
double ishiguroCylinder(double pe);                      // 1.125 Pe^0.413 (Ishiguro et al. 1979)
double witteSphere(double pe);                           // 2 + 0.386 Pe^1/2 (Witte 1968)

} // namespace nusselt
