#pragma once

// Does buoyancy matter? The Grashof number of a physical case at its film temperature,
//
//   Gr = g beta |Ts - T_inf| L^3 / nu^2,  L the plate length or the diameter,
//
// the Richardson number Ri = Gr / Re^2 with Re at the film temperature too (free convection is
// negligible below about 0.1 and dominates above about 10), and for the cylinder and the sphere
// the free-convection Nusselt number with its combination with each forced value
// (freeconvection.h). evaluate() calls these.

#include "flowcase.h"
#include "properties.h"

#include <optional>

namespace nusselt::physics {

// Standard gravity, m/s².
inline constexpr double standardGravity = 9.80665;

// Whether a fluid is a gas (beta = 1/T, the ideal gas) rather than a liquid (beta from the
// temperature derivative of its density).
bool isGas(Fluid fluid);

// Half the span of the central difference that gives a liquid's beta, K.
inline constexpr double expansionStep = 0.5;

// The volumetric expansion coefficient beta = -(1/rho) d rho/dT at T and P, 1/K: 1/T for a gas; for
// a liquid a central difference of the formulation's density over T +- expansionStep, a one-sided
// three-point one within expansionStep of the ends of its range. Empty where the fluid has no
// properties at T.
std::optional<double> expansionCoefficient(Fluid fluid, double temperature, double pressure);

// Sets the Grashof and Richardson numbers of an evaluation whose film temperature and (for a
// typed fluid) typed properties are known, or says in buoyancyNote why there are none.
void addGrashof(const Problem &problem, Evaluation &evaluation);

// For the cylinder and the sphere with a Grashof number: the free-convection Nusselt number, and
// each average forced result combined with it.
void addFreeConvection(const Problem &problem, Evaluation &evaluation);

} // namespace nusselt::physics
