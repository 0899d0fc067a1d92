#include "flowinputs.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace nusselt::physics {
namespace {

// A number as a message quotes an input: six significant digits, a plain exponent ("1e307 m/s").
std::string shown(double si, const Unit &unit)
{
    std::string s = quoted(si, unit, -1);
    if (const std::size_t e = s.find("e+"); e != std::string::npos)
        s.erase(e + 1, s.find_first_not_of("+0", e + 1) - e - 1);
    if (s.back() == ' ')
        s.pop_back(); // a number without a unit
    return s;
}

// Beyond these an input states no engineering problem, and what follows from it would overflow
// or mean nothing (Re = 6·10³⁰²): it is refused as too large (or, for a viscosity, too small).
// With them every number that follows stays finite, for air and water and for typed fluids alike.
struct Plausible {
    Field field;
    double min; // SI; 0: any positive value
    double max;
    std::string_view symbol; // SI, for typed properties, which have no unit choice
};
constexpr double speedOfLight = 299792458.0; // m/s
constexpr Plausible plausible[] = {
    {Field::Velocity, 0.0, speedOfLight, {}},
    {Field::Length, 0.0, 1.0e8, {}}, // m: a hundred thousand kilometres, beyond any body in a flow
    {Field::Distance, 0.0, 1.0e8, {}},
    {Field::HeatStart, 0.0, 1.0e8, {}},
    {Field::FreeStreamTemperature, 0.0, 1.0e6, {}}, // K
    {Field::SurfaceTemperature, 0.0, 1.0e6, {}},
    {Field::HeatFlux, 0.0, 1.0e9, {}}, // W/m², either sign: fifteen times the Sun's surface
    {Field::FilmDensity, 0.0, 1.0e5, "kg/m³"},
    {Field::FreeStreamDensity, 0.0, 1.0e5, "kg/m³"},
    {Field::FilmViscosity, 1.0e-7, 1.0e6, "Pa·s"},
    {Field::FreeStreamViscosity, 1.0e-7, 1.0e6, "Pa·s"},
    {Field::SurfaceViscosity, 1.0e-7, 1.0e6, "Pa·s"},
    {Field::FilmConductivity, 0.0, 1.0e5, "W/(m·K)"},
    {Field::FreeStreamConductivity, 0.0, 1.0e5, "W/(m·K)"},
    {Field::FilmSpecificHeat, 0.0, 1.0e6, "J/(kg·K)"},
    {Field::FreeStreamSpecificHeat, 0.0, 1.0e6, "J/(kg·K)"},
    {Field::SurfacePrandtl, 0.0, 1.0e9, ""},
    {Field::TransversePitch, 0.0, 1.0e8, {}},
    {Field::LongitudinalPitch, 0.0, 1.0e8, {}},
    {Field::Rows, 0.0, 1.0e6, ""},
    {Field::TubesPerRow, 0.0, 1.0e6, ""},
};

} // namespace

Unit Checker::unitOf(Field field) const
{
    switch (field) {
    case Field::Velocity:
        return problem.velocityUnit;
    case Field::Length:
    case Field::Distance:
    case Field::HeatStart:
    case Field::TransversePitch:
    case Field::LongitudinalPitch:
        return problem.lengthUnit;
    case Field::FreeStreamTemperature:
    case Field::SurfaceTemperature:
        return problem.temperatureUnit;
    case Field::HeatFlux:
        return problem.heatFluxUnit;
    default:
        if (field == Field::Pressure)
            return problem.pressureUnit;
        for (const Plausible &b : plausible)
            if (b.field == field)
                return Unit{Quantity::Pressure, b.symbol, 1.0, 0.0}; // SI: any quantity converts alike
        return problem.pressureUnit;
    }
}

bool Checker::inBounds(Field field, double value)
{
    const auto b = std::find_if(std::begin(plausible), std::end(plausible),
                                [&](const Plausible &x) { return x.field == field; });
    const double max = b == std::end(plausible) ? std::numeric_limits<double>::max() : b->max;
    if (!(std::abs(value) <= max)) {
        say(field, shown(value, unitOf(field)) + " is too large");
        return false;
    }
    if (b != std::end(plausible) && value > 0.0 && value < b->min) {
        say(field, shown(value, unitOf(field)) + " is too small");
        return false;
    }
    return true;
}

std::string refusal(const PropertyResult &r, const Problem &p, const std::string &where, std::string_view input)
{
    const Unit &tu = p.temperatureUnit;
    const bool hot = r.issue == Issue::Boils || r.issue == Issue::TemperatureAboveRange;
    const Fluid fluid = fluidOf(p);
    const std::string name = p.table ? p.table->name() : std::string(fluidName(fluid));
    const double lowest = p.table ? p.table->minTemperature() : minTemperature(fluid, *p.pressure);
    const double highest = p.table ? p.table->maxTemperature() : maxTemperature(fluid, *p.pressure);
    const std::string change = std::string(hot ? "lower " : "raise ") + std::string(input);
    switch (r.issue) {
    case Issue::Boils:
        return "Water boils at " + quotedLimit(r.limit, tu, Limit::Upper, 2) + " at "
            + quoted(*p.pressure, p.pressureUnit, -1) + where + ": " + change + " or raise the pressure";
    case Issue::Freezes:
        return "Water freezes at " + quotedLimit(r.limit, tu, Limit::Lower, 2) + where + ": " + change;
    case Issue::Condenses:
        return "Steam condenses at " + quotedLimit(r.limit, tu, Limit::Lower, 2) + " at "
            + quoted(*p.pressure, p.pressureUnit, -1) + where + ": " + change + " or lower the pressure";
    case Issue::TemperatureBelowRange:
    case Issue::TemperatureAboveRange:
        return name + " properties are known from " + quotedLimit(lowest, tu, Limit::Lower, 2) + " to "
            + quotedLimit(highest, tu, Limit::Upper, 2) + where + ": " + change;
    default:
        return "No properties at " + where;
    }
}

namespace {

// An absolute temperature of the problem, or a message that says why not. Air and water are
// checked where a property is taken at the temperature (`taken`: their properties there, else
// empty) and water also where it would not be liquid.
bool checkTemperature(Checker &check, const Problem &p, bool pressureOk, Field field, bool taken,
                      std::optional<State> &state)
{
    const bool freeStream = field == Field::FreeStreamTemperature;
    const std::optional<double> &t = freeStream ? p.freeStreamTemperature : p.surfaceTemperature;
    const std::string symbol = freeStream ? "T∞" : "Ts";
    if (!check.entered(field, t, symbol))
        return false;
    if (*t < 0.0) {
        check.say(field, quoted(*t, p.temperatureUnit, 2) + " is below absolute zero ("
                             + quoted(0.0, p.temperatureUnit, 2) + ")");
        return false;
    }
    if (!check.inBounds(field, *t))
        return false;
    if (p.fluid == FluidChoice::Custom || !pressureOk || (p.fluid == FluidChoice::Air && !taken)
        || (p.fluid == FluidChoice::Table && !p.table))
        return true; // the pressure field says what is wrong; the temperature may be fine
    const PropertyResult r = propertiesAt(p, *t);
    if (r.ok()) {
        if (taken)
            state = r.state;
        return true;
    }
    check.say(field, refusal(r, p, "", symbol));
    return false;
}

bool checkPressure(Checker &check, const Problem &p)
{
    if (p.fluid == FluidChoice::Custom || p.fluid == FluidChoice::Table)
        return true; // typed or tabulated properties carry their own pressure
    if (!check.entered(Field::Pressure, p.pressure, "the pressure") || !check.inBounds(Field::Pressure, *p.pressure))
        return false;
    const Fluid fluid = fluidOf(p);
    if (*p.pressure < minPressure(fluid) || *p.pressure > maxPressure(fluid)) {
        check.say(Field::Pressure, "The pressure must lie between "
                                       + quotedLimit(minPressure(fluid), p.pressureUnit, Limit::Lower, -1) + " and "
                                       + quotedLimit(maxPressure(fluid), p.pressureUnit, Limit::Upper, -1));
        return false;
    }
    return true;
}

// x and xi of the unheated starting length: a local value on the heated part of the plate.
bool checkDistances(Checker &check, const Problem &p, bool lengthOk)
{
    const bool ok = check.positive(Field::Distance, p.distance, "distance x");
    if (!check.entered(Field::HeatStart, p.heatStart, "the distance ξ to the start of heating")
        || !check.inBounds(Field::HeatStart, *p.heatStart))
        return false;
    if (*p.heatStart < 0.0) {
        check.say(Field::HeatStart, "ξ cannot be negative: heating starts on the plate");
        return false;
    }
    if (ok && *p.heatStart >= *p.distance) {
        check.say(Field::HeatStart, "ξ must be smaller than x: the local value is taken on the heated part");
        return false;
    }
    if (ok && lengthOk && *p.distance > *p.length) {
        check.say(Field::Distance, "x lies beyond the end of the plate (x > L)");
        return false;
    }
    return ok;
}

} // namespace

PropertyResult propertiesAt(const Problem &p, double T)
{
    if (p.fluid == FluidChoice::Table && p.table)
        return p.table->at(T, p.pressure.value_or(si::atmosphere));
    return properties(fluidOf(p), T, *p.pressure);
}

Checked checkInputs(Checker &check, const Problem &p, bool surfacePropertyTaken)
{
    Checked c;
    if (p.fluid == FluidChoice::Table && !p.table)
        check.say(Field::Fluid, "Choose a file of the fluid's properties");
    c.velocity = check.positive(Field::Velocity, p.velocity, "velocity");
    const bool length = check.positive(Field::Length, p.length,
                                       p.selection.isPlate() ? "plate length L" : "diameter D");
    c.flow = c.velocity && length;
    c.pressure = checkPressure(check, p);
    // Air's speed of sound is taken at T_inf (the Mach number), whatever the case.
    const bool tInf = checkTemperature(check, p, c.pressure, Field::FreeStreamTemperature, true, c.atFreeStream);
    const bool surface = takesHeatFlux(p.selection)
        ? check.entered(Field::HeatFlux, p.heatFlux, "the heat flux q''")
            && check.inBounds(Field::HeatFlux, *p.heatFlux)
        : checkTemperature(check, p, c.pressure, Field::SurfaceTemperature, surfacePropertyTaken, c.atSurface);
    c.temperatures = surface && tInf;
    c.distances = !needsDistances(p.selection) || checkDistances(check, p, length);
    return c;
}

} // namespace nusselt::physics
