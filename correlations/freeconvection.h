#pragma once

// Free convection from the bodies of the forced-flow cases, and its combination with the forced
// value, to judge whether buoyancy matters: Ra = Gr Pr with the properties at the film
// temperature, and for buoyancy across the flow Nu^4 = Nu_F^4 + Nu_N^4 (an estimate).

#include <string>
#include <string_view>
#include <vector>

namespace nusselt {

// Horizontal cylinder, Churchill & Chu (1975): Nu = {0.60 + 0.387 Ra^1/6 / [1 + (0.559/Pr)^9/16]^8/27}^2,
// for Ra <= 10^12 (any Pr).
double churchillChuCylinder(double rayleigh, double prandtl);
// Sphere, Churchill (1983): Nu = 2 + 0.589 Ra^1/4 / [1 + (0.469/Pr)^9/16]^4/9, for Ra <= 10^11, Pr >= 0.7.
double churchillSphere(double rayleigh, double prandtl);
// Mixed convection with buoyancy across the flow: (Nu_F^n + Nu_N^n)^(1/n), n = 4 for cylinders and
// spheres.
double combinedNusselt(double forced, double natural);

// Forced convection alone holds while Ri = Gr / Re^2 stays below about this; free convection
// dominates above about 10.
inline constexpr double forcedConvectionRichardsonMax = 0.1;

enum class FreeBody { Cylinder, Sphere };

// The free-convection Nusselt number of a body and where it comes from.
struct FreeConvection {
    std::string_view name; // "Churchill-Chu", "Churchill (sphere)"
    double rayleigh = 0.0;
    double prandtl = 0.0;
    double nusselt = 0.0;
    std::vector<std::string> outsideRange; // "Ra = 2·10¹² above the Churchill-Chu range ≤ 10¹²"
};

FreeConvection freeConvection(FreeBody body, double rayleigh, double prandtl);

} // namespace nusselt
