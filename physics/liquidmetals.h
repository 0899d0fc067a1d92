#pragma once

// The liquid metals' published correlation sets, for properties.cpp: each property a formula in
// the temperature alone, valid over the set's temperature range.

#include "properties.h"

namespace nusselt::physics::liquidmetals {

struct Range {
    double min, max; // K
};
Range rangeOf(Fluid metal);

// The state at T (K) and P (Pa; kept in the state, the properties do not depend on it) inside
// rangeOf(metal).
State at(Fluid metal, double temperatureK, double pressurePa);

} // namespace nusselt::physics::liquidmetals
