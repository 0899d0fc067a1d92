#pragma once

// Tube banks and non-circular cylinders in a physical problem, the parts of evaluate()
// (flowcase.cpp) that only they have:
//   - the bank's inputs checked beside their fields (pitches wider than the tubes, whole numbers
//     of rows and tubes);
//   - Re_max from the maximum velocity between the tubes;
//   - Zukauskas' properties at the mean of the inlet and outlet temperatures: from the inlet
//     temperature on, each step takes them at the last mean, finds h and the outlet temperature
//     (Ts - T_o) = (Ts - T_i) exp[-π D N_L h / (ρ V S_T c_p)] (ρ, c_p at the inlet), until the
//     mean moves by less than surfaceTemperatureTolerance;
//   - each result's heat flux h ΔT_lm and heat rate per metre of tube length: N_L N_T h π D ΔT_lm
//     for the whole bank with N_T, h π D ΔT_lm for one (average) tube without it;
//   - a non-circular section's heat rate per metre: q'' times its perimeter.

#include "flowcase.h"
#include "flowinputs.h"

namespace nusselt::physics {

// The velocity the case's Reynolds number is based on: V_max for a tube bank, V otherwise.
double flowVelocity(const Problem &problem);

// The bank's inputs, each refused beside its field; true when all are usable (always for
// other cases).
bool checkBank(Checker &check, const Problem &problem);

// The geometry a correlation of the case needs besides Re and Pr.
void describeGeometry(const Problem &problem, Point &point);

// Iterates the mean temperature and replaces e.freeStream by the properties there (its role
// BankMean), keeping those at the inlet temperature in e.inlet; sets V_max, T_o and ΔT_lm.
bool solveBank(Checker &check, const Problem &problem, Evaluation &e);

// Heat flux and heat rate of a result of a tube bank or a non-circular cylinder with its h.
void bankOrSectionRates(const Problem &problem, const Evaluation &e, Result &result);

} // namespace nusselt::physics
