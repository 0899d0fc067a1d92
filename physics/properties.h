#pragma once

// Properties of the tabulated fluids. Air, liquid water and steam from the reference
// formulations: dry air after Lemmon et al. (2000) with the Lemmon & Jacobsen (2004) transport
// properties, water and steam after IAPWS-95 with the IAPWS 2008 viscosity and IAPWS 2011 thermal
// conductivity. Tables generated from those (physics/tables/generate.py) are interpolated here,
// within 0.2 % of the formulations everywhere in range (in practice within about 1e-5).
// The liquid metals from their published correlation sets (liquidmetals.cpp): sodium after Fink &
// Leibowitz (1995), lead and lead-bismuth eutectic after the OECD/NEA handbook (2015), NaK (22 %
// Na, 78 % K by mass) after the NaK handbook; their properties do not depend on the pressure.
// No allocation, no exceptions, no global state: callers may evaluate thousands of states a frame.

#include <optional>
#include <string>
#include <string_view>

namespace nusselt::physics {

enum class Fluid { Air, Water, Steam, Sodium, NaK, Lead, LeadBismuth };
inline constexpr Fluid allFluids[] = {Fluid::Air,    Fluid::Water, Fluid::Steam,      Fluid::Sodium,
                                      Fluid::NaK,    Fluid::Lead,  Fluid::LeadBismuth};

// "Air", "Water", "Steam", "Sodium", "NaK", "Lead", "Lead-bismuth": a fluid as sentences name it.
std::string_view fluidName(Fluid fluid);
// The word of the command line and case files: "air", "water", "steam", "sodium", "nak", "lead",
// "lead-bismuth".
std::string_view fluidWord(Fluid fluid);
// Where the properties come from, as the README's fluid table cites it.
std::string_view fluidSource(Fluid fluid);
bool isLiquidMetal(Fluid fluid);

// The stated uncertainty of a correlation set, relative (0.008 for ±0.8 %), per property; empty
// for the reference formulations (far below the 0.2 % of the tables) and where the source set
// gives none. uncertaintyText: "ρ ±0.8 %, c_p ±7 %, k ±15 %, μ ±8 %", or empty.
struct Uncertainty {
    double density, specificHeat, thermalConductivity, dynamicViscosity;
};
std::optional<Uncertainty> uncertaintyOf(Fluid fluid);
std::string uncertaintyText(Fluid fluid);

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
                   PressureBelowRange, PressureAboveRange, Boils, Freezes, Condenses };
struct PropertyResult {
    Issue issue = Issue::None;
    double limit = 0;
    State state;                // valid only when issue == Issue::None
    bool ok() const { return issue == Issue::None; }
};

// Checks, in this order: a non-finite T or P (NotFinite), T < 0 K (BelowAbsoluteZero, limit 0),
// P outside minPressure..maxPressure, then the temperature range of the fluid: air outside
// 200..1500 K; water below its triple point (Freezes, limit 273.16 K) or above the boiling point
// at P (Boils, limit Tsat(P)); steam below the boiling point at P (Condenses, limit Tsat(P)) or
// above 1073.15 K; a liquid metal outside the range of its correlations (sodium 371..1100 K, NaK
// 423.15..953.15 K, lead 600..1800 K, lead-bismuth 400..1100 K). The bounds themselves are inside;
// water at exactly Tsat(P) is saturated liquid, steam saturated vapour.
PropertyResult properties(Fluid fluid, double temperatureK, double pressurePa);

// Sets what follows from density, viscosity, conductivity and specific heat: the kinematic
// viscosity mu/rho and the Prandtl number cp mu/k.
void completeState(State &state);

// Range facts, for messages and plots. Air: 200..1500 K at any pressure of the range. Water:
// liquid from the triple point 273.16 K up to its boiling point at the pressure; steam from there
// to 1073.15 K. Every fluid: 1e4..1e6 Pa (0.1..10 bar). minTemperature without a pressure is the
// lowest at any pressure of the range.
double minTemperature(Fluid fluid);
double minTemperature(Fluid fluid, double pressurePa); // steam: waterBoilingTemperature(pressurePa)
double maxTemperature(Fluid fluid, double pressurePa); // water: waterBoilingTemperature(pressurePa)
double minPressure(Fluid fluid);
double maxPressure(Fluid fluid);

// Saturation temperature of water in K (IAPWS-95 phase equilibrium) for 1e4..1e6 Pa; NaN for a
// pressure outside that range or not finite.
double waterBoilingTemperature(double pressurePa);

} // namespace nusselt::physics
