#pragma once

// A forced-convection problem as an engineer states it (fluid, velocity, size, temperatures,
// pressure) turned into what the correlations need and back into heat transfer:
//
//   Problem --properties at each correlation's reference temperature--> Re, Pr, Pr_s, mu/mu_s
//           --catalog.h (the calculator's correlations)--> Nu --> h = Nu k / length, q'' = h dT, q
//
// The uniform-flux plate runs the other way: given q'', Ts - T_inf = q'' / h, with the film
// temperature iterated until the average Ts settles.
//
// The Flow Conditions window and the command line both evaluate problems here, so that their
// numbers, ranges and refusals are the same. Everything is SI; units.h converts for people.

#include "catalog.h"
#include "engine.h"
#include "fluidchoice.h"
#include "freeconvection.h"
#include "properties.h"
#include "propertytable.h"
#include "units.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt::physics {

// What a user types for a fluid of their own at one temperature.
struct TypedProperties {
    std::optional<double> density;             // kg/m³
    std::optional<double> dynamicViscosity;    // Pa·s
    std::optional<double> thermalConductivity; // W/(m·K)
    std::optional<double> specificHeat;        // J/(kg·K)
};

struct CustomFluid {
    TypedProperties film;       // at the film temperature
    TypedProperties freeStream; // at the free-stream temperature (Zhukauskas, Whitaker)
    std::optional<double> prandtlSurface;   // at T_s (cylinder, Zhukauskas)
    std::optional<double> viscositySurface; // at T_s, Pa·s (regular sphere, Whitaker)
};

// Every input a problem can have; messages are tied to the one that caused them.
enum class Field {
    Fluid,
    Velocity,
    Length,
    FreeStreamTemperature,
    SurfaceTemperature,
    Pressure,
    Distance,  // x, unheated starting length
    HeatStart, // xi
    HeatFlux,  // q'', uniform-flux plate (instead of the surface temperature)
    FilmDensity,
    FilmViscosity,
    FilmConductivity,
    FilmSpecificHeat,
    FreeStreamDensity,
    FreeStreamViscosity,
    FreeStreamConductivity,
    FreeStreamSpecificHeat,
    SurfacePrandtl,
    SurfaceViscosity,
    TransversePitch, // tube bank: S_T, S_L, N_L and (optional) N_T
    LongitudinalPitch,
    Rows,
    TubesPerRow,
};

struct Problem {
    Selection selection;
    FluidChoice fluid = FluidChoice::Air;
    CustomFluid custom;
    std::shared_ptr<const PropertyTable> table; // FluidChoice::Table
    // Empty: not entered or not a number. SI units.
    std::optional<double> velocity;              // m/s
    std::optional<double> length;                // m: plate length L, or diameter D
    std::optional<double> freeStreamTemperature; // K
    std::optional<double> surfaceTemperature;    // K; not an input of the uniform-flux plate
    std::optional<double> pressure = si::atmosphere; // Pa
    std::optional<double> distance;              // m: x (unheated starting length)
    std::optional<double> heatStart;             // m: xi
    std::optional<double> heatFlux;              // W/m²: the uniform-flux plate's q'' (takesHeatFlux)
    // A tube bank (length is the tube diameter D): pitches in m, rows N_L, tubes per row N_T
    // (optional: without it the heat rate is that of one tube per metre of its length).
    std::optional<double> transversePitch;
    std::optional<double> longitudinalPitch;
    std::optional<double> rows;
    std::optional<double> tubesPerRow;
    // Units that messages use when they quote an input: temperatures, pressure, velocity, lengths
    // and heat flux each in the unit chosen for them.
    Unit temperatureUnit = defaultUnit(Quantity::Temperature);
    Unit pressureUnit = defaultUnit(Quantity::Pressure);
    Unit velocityUnit = defaultUnit(Quantity::Velocity);
    Unit lengthUnit = defaultUnit(Quantity::Length);
    Unit heatFluxUnit = defaultUnit(Quantity::HeatFlux);
};

// The uniform-flux plate is posed with its heat flux q'' and answers with the surface
// temperature; every other case takes the surface temperature Ts and answers with q''.
inline bool takesHeatFlux(const Selection &selection)
{
    return selection.isPlate() && selection.heat == HeatCondition::UniformFlux;
}
inline bool takesSurfaceTemperature(const Selection &selection) { return !takesHeatFlux(selection); }

// The uniform-flux plate's average surface temperature is iterated until it changes by less than this (K).
inline constexpr double surfaceTemperatureTolerance = 1e-6;

// Whether the case needs the length inputs x and xi (unheated starting length).
inline bool needsDistances(const Selection &selection) { return selection.hasUnheatedStart(); }
// The fields of a fluid of one's own that the selected case needs: exactly those are asked for.
std::vector<Field> customFieldsNeeded(const Selection &selection);
// Label of a field for messages and the window ("Surface temperature", "ρ at T_f", ...).
std::string_view fieldName(Field field);

struct Message {
    Field field;
    std::string text;
};

enum class Role { Film, FreeStream, Surface, BankMean };

struct PropertiesUsed {
    Role role;
    double temperature; // K, where they were taken
    State state;        // for a typed fluid: what was typed, and what follows from it
    bool typed = false;
};

enum class RateKind { None, PerLength, Total }; // none for local values; W/m for plate and cylinder; W for a sphere

struct Result {
    Term term;
    std::string_view name;
    Reference reference;
    double reynolds = 0.0; // at the correlation's own reference temperature
    double prandtl = 0.0;
    Point point; // where the correlation was evaluated: plots and sweeps vary Re about it
    std::optional<double> nusselt;
    std::optional<double> heatTransferCoefficient; // W/(m²·K): Nu k / (L, x or D)
    std::optional<double> heatFlux;                // W/m², h (T_s - T_inf); the given q'' (takesHeatFlux)
    std::optional<double> heatRate;                // W/m or W, see rateKind
    // Uniform-flux plate: Ts - T_inf = q'' / h, local at the trailing edge x = L, or the plate's average.
    std::optional<double> temperatureDifference;   // K
    RateKind rateKind = RateKind::None;
    std::vector<std::string> outsideRange;
    // Average results of the cylinder and the sphere: (Nu^4 + Nu_free^4)^1/4 for buoyancy across
    // the flow, an estimate (buoyancy.h).
    std::optional<double> combinedNusselt;
};

struct Evaluation {
    // Refused inputs, each beside its field; whatever depends on one of them is left empty.
    std::vector<Message> messages;
    std::optional<double> filmTemperature; // K
    // Uniform-flux plate: the average surface temperature, iterated with the film properties
    // until it moves by less than surfaceTemperatureTolerance; the film temperature is its mean with T_inf.
    std::optional<double> surfaceTemperature; // K
    std::optional<double> mach;           // V/a with a at T_inf: air only (empty for water, a typed fluid)
    std::optional<PropertiesUsed> film, freeStream, surface;
    std::optional<double> reynolds;       // at the film temperature (the regular sphere: at T_inf)
    std::optional<double> prandtl;        // likewise
    std::optional<double> prandtlSurface; // cylinder
    std::optional<double> viscosityRatio; // regular sphere, mu_inf / mu_s
    // Buoyancy (buoyancy.h), once the case is answered: Gr at the film temperature with |Ts - T_inf|
    // and the length L or D, and Ri = Gr / Re^2; when the fluid cannot tell Gr, buoyancyNote says why.
    std::optional<double> grashof;
    std::optional<double> richardson;
    std::string buoyancyNote;
    std::optional<FreeConvection> freeConvection; // cylinder and sphere
    std::vector<Result> results;
    // What "Use in Calculator" writes (the calculator's dimensionless inputs; its unheated
    // lengths in metres), and what the calculator then answers. Empty while any input is refused.
    std::optional<Inputs> calculatorInputs;
    Outcome calculatorOutcome;
    // No case chosen yet in the calculator, or one it does not evaluate: say what to choose.
    std::string_view caseHint;
    bool noHeatFlow = false; // T_s = T_inf: h is shown, q'' and q are 0
    // A tube bank: V_max, and from Zukauskas' h the outlet temperature, the log-mean temperature
    // difference and the mean temperature its properties were taken at (iterated, see tubebank.h).
    std::optional<double> maximumVelocity;      // m/s
    std::optional<double> outletTemperature;    // K
    std::optional<double> logMeanTemperatureDifference; // K
    std::optional<PropertiesUsed> inlet;        // at T_inf, the inlet: ρ and c_p of the energy balance
};

Evaluation evaluate(const Problem &problem);

// A temperature, pressure or any SI value in a unit, as messages write it ("100.0 °C", "101.325 kPa");
// decimals < 0: six significant digits.
std::string quoted(double si, const Unit &unit, int decimals);

// A limit as a message states it, rounded towards the side that is allowed so that the sentence
// stays true: an upper limit down ("Water boils at 99.97 °C"), a lower one up ("freezes at 32.02 °F").
enum class Limit { Upper, Lower };
std::string quotedLimit(double si, const Unit &unit, Limit limit, int decimals);

} // namespace nusselt::physics
