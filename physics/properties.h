#pragma once

// Properties of the two fluids of the calculator, air and liquid water, from the reference
// formulations: dry air after Lemmon et al. (2000) with the Lemmon & Jacobsen (2004) transport
// properties, water after IAPWS-95 with the IAPWS 2008 viscosity and IAPWS 2011 thermal
// conductivity. Tables generated from those (physics/tables/generate.py) are interpolated here,
// within 0.2 % of the formulations everywhere in range (in practice within about 1e-5).
// No allocation, no exceptions, no global state: callers may evaluate thousands of states a frame.

namespace nusselt::physics {

enum class Fluid { Air, Water };

struct State {                  // SI units throughout
    double temperature = 0;     // K
    double pressure = 0;        // Pa
    double density = 0;         // kg/m^3
    double dynamicViscosity = 0;// Pa s
    double kinematicViscosity = 0; // m^2/s (= mu/rho)
    double thermalConductivity = 0;// W/(m K)
    double specificHeat = 0;    // J/(kg K), isobaric
    double prandtl = 0;         // cp mu / k
    double speedOfSound = 0;    // m/s; air only (0 for water and typed fluids): the Mach number
};

// Why a state was refused; `limit` is the violated bound (K for temperatures, Pa for pressures).
enum class Issue { None, NotFinite, BelowAbsoluteZero, TemperatureBelowRange, TemperatureAboveRange,
                   PressureBelowRange, PressureAboveRange, Boils, Freezes };
struct PropertyResult {
    Issue issue = Issue::None;
    double limit = 0;
    State state;                // valid only when issue == Issue::None
    bool ok() const { return issue == Issue::None; }
};

// Checks, in this order: a non-finite T or P (NotFinite), T < 0 K (BelowAbsoluteZero, limit 0),
// P outside minPressure..maxPressure, then the temperature range of the fluid: air outside
// 200..1500 K; water below its triple point (Freezes, limit 273.16 K) or above the boiling point
// at P (Boils, limit Tsat(P)). The bounds themselves are inside; water at exactly Tsat(P) is
// saturated liquid.
PropertyResult properties(Fluid fluid, double temperatureK, double pressurePa);

// Sets what follows from density, viscosity, conductivity and specific heat: the kinematic
// viscosity mu/rho and the Prandtl number cp mu/k.
void completeState(State &state);

// Range facts, for messages and plots. Air: 200..1500 K at any pressure of the range. Water:
// liquid from the triple point 273.16 K up to its boiling point at the pressure. Both fluids:
// 1e4..1e6 Pa (0.1..10 bar).
double minTemperature(Fluid fluid);
double maxTemperature(Fluid fluid, double pressurePa); // water: waterBoilingTemperature(pressurePa)
double minPressure(Fluid fluid);
double maxPressure(Fluid fluid);

// Saturation temperature of water in K (IAPWS-95 phase equilibrium) for 1e4..1e6 Pa; NaN for a
// pressure outside that range or not finite.
double waterBoilingTemperature(double pressurePa);

} // namespace nusselt::physics
