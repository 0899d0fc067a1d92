#pragma once

// One case as the command line and the batch file state it: texts per option, checked against the
// case they choose and turned into what the calculator (dimensionless numbers) or the Flow
// Conditions code (a physical problem) takes. The options, a CSV row and the checks are the same
// for both, so that a row answers exactly as the same options would.

#include "casefile.h"
#include "engine.h"
#include "flowcase.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nusselt::cli {

enum class Key {
    Geometry,
    Heat,
    Flow,
    FluidType,
    Sphere,
    Arrangement, // tube bank
    Section,     // non-circular cylinder
    Re,
    Pr,
    Prs,
    Mu,
    Mus,
    Length,
    X,
    Xi,
    Fluid,
    Velocity,
    TInf,
    TSurface,
    Pressure,
    HeatFlux,
    // A fluid of one's own (--fluid custom): its properties at the film temperature, those at the
    // free-stream temperature where the case takes some there, and the one surface value it needs.
    Density,
    Viscosity,
    Conductivity,
    SpecificHeat,
    DensityInf,
    ViscosityInf,
    ConductivityInf,
    SpecificHeatInf,
    SurfacePrandtl,
    SurfaceViscosity,
    // A tube bank's pitches and numbers of tubes.
    TransversePitch,
    LongitudinalPitch,
    Rows,
    TubesPerRow,
};
inline constexpr std::size_t keyCount = 35;

// Column names of a batch file; options are these with "--" and dashes for underscores.
inline constexpr std::array<std::string_view, keyCount> keyNames{
    "geometry", "heat", "flow", "fluid_type", "sphere", "arrangement", "section", "re", "pr", "prs", "mu",
    "mus", "length", "x", "xi", "fluid", "velocity", "t_inf", "t_surface", "pressure",
    "heat_flux", "density", "viscosity", "conductivity", "specific_heat", "density_inf",
    "viscosity_inf", "conductivity_inf", "specific_heat_inf", "surface_prandtl", "surface_viscosity",
    "transverse_pitch", "longitudinal_pitch", "rows", "tubes_per_row"};

// Whether the key states a physical problem (a fluid, its properties or an input with a unit).
bool isPhysical(Key key);

std::optional<Key> keyNamed(std::string_view name);
std::string optionName(Key key); // "--fluid-type"
// Where a key lives in a case file ("inputs.velocity.text", "custom.film.density"); empty for the
// dimensionless inputs, which case files do not hold.
std::string_view caseFileKey(Key key);

// The texts given, per option; nothing for an option not given (an empty batch cell).
using Given = std::array<std::optional<std::string_view>, keyCount>;

enum class Mode { Dimensionless, Physical };

struct Request {
    Mode mode = Mode::Dimensionless;
    Selection selection;
    Inputs inputs;            // dimensionless mode
    physics::Problem problem; // physical mode only (buildRequest leaves it as it was otherwise)
};

// What is wrong with the options: a usage error (unknown choice, an option the case does not use,
// a missing choice) or an invalid value (a physical quantity that does not read).
struct Fault {
    enum class Kind { Usage, Invalid } kind = Kind::Usage;
    std::string message; // names the option, e.g. "--heat: \"hot\" is not one of temperature, flux, unheated"
};

// Checks the options against the case they choose and fills request. Returns a problem instead
// when they do not describe a case; allocates only then.
std::optional<Fault> buildRequest(const Given &given, Request &request);

// A case file, read as the options it stands for, with the same defaults and checks: its keys are
// the options (case.heat is --heat, inputs.velocity is --velocity with its text and unit written
// together, custom.film.density is --density, custom.free_stream.density --density-inf), and
// messages name the keys. Two differences: a case file always states a physical problem, and an
// input or property that its case does not use is left aside, since the window keeps every field
// whatever the case.
std::optional<Fault> buildRequest(const physics::CaseFile &caseFile, Request &request);


} // namespace nusselt::cli
