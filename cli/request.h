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
};
inline constexpr std::size_t keyCount = 19;

// Column names of a batch file; options are these with "--" and dashes for underscores.
inline constexpr std::array<std::string_view, keyCount> keyNames{
    "geometry", "heat", "flow", "fluid_type", "sphere", "re", "pr", "prs", "mu",
    "mus", "length", "x", "xi", "fluid", "velocity", "t_inf", "t_surface", "pressure",
    "heat_flux"};

std::optional<Key> keyNamed(std::string_view name);
std::string optionName(Key key); // "--fluid-type"

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


} // namespace nusselt::cli
