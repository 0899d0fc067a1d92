#include "flowcase.h"

#include <cmath>
#include <cstdio>

namespace nusselt::physics {
namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double triplePoint = 273.16; // K, water's lowest liquid temperature here


// Zhukauskas and Whitaker take their properties at T_inf and a surface value at T_s.
bool needsFreeStream(const Selection &s) { return s.isCylinder() || s.isRegularSphere(); }
// The regular sphere is the one case without a film-temperature correlation.
bool needsFilm(const Selection &s) { return !s.isRegularSphere(); }

std::string_view lengthName(const Selection &s)
{
    return s.isPlate() ? "plate length L" : "diameter D";
}

std::string_view temperatureSymbol(Field f)
{
    return f == Field::FreeStreamTemperature ? "T∞" : "Ts";
}

class Checker {
public:
    explicit Checker(std::vector<Message> &out) : messages(out) {}

    // A positive finite number, or a message beside the field.
    bool positive(Field field, const std::optional<double> &value, std::string_view what)
    {
        if (!value || !std::isfinite(*value)) {
            say(field, "Enter the " + std::string(what) + " as a number");
            return false;
        }
        if (*value <= 0.0) {
            say(field, capitalised(what) + " must be greater than zero");
            return false;
        }
        return true;
    }

    void say(Field field, std::string text) { messages.push_back({field, std::move(text)}); }

    static std::string capitalised(std::string_view what)
    {
        std::string s(what);
        if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
            s[0] = static_cast<char>(s[0] - 'a' + 'A');
        return s;
    }

private:
    std::vector<Message> &messages;
};

// An absolute temperature that the chosen fluid has properties at, or a message that says why not.
bool checkTemperature(Checker &check, const Problem &p, Field field, const std::optional<double> &t)
{
    const std::string_view symbol = temperatureSymbol(field);
    if (!t || !std::isfinite(*t)) {
        check.say(field, "Enter " + std::string(symbol) + " as a number");
        return false;
    }
    if (*t < 0.0) {
        check.say(field, quoted(*t, p.temperatureUnit, 2) + " is below absolute zero ("
                             + quoted(0.0, p.temperatureUnit, 2) + ")");
        return false;
    }
    if (p.fluid == FluidChoice::Custom || !p.pressure || !std::isfinite(*p.pressure))
        return true;
    const Fluid fluid = p.fluid == FluidChoice::Air ? Fluid::Air : Fluid::Water;
    const double pressure = *p.pressure;
    if (pressure < minPressure(fluid) || pressure > maxPressure(fluid))
        return true; // the pressure field says what is wrong; the temperature may be fine
    const PropertyResult r = properties(fluid, *t, pressure);
    const std::string s(symbol);
    switch (r.issue) {
    case Issue::None:
        return true;
    case Issue::Boils:
        check.say(field, "Water boils at " + quoted(r.limit, p.temperatureUnit, 1) + " at "
                             + quoted(pressure, p.pressureUnit, -1) + ": lower " + s + " or raise the pressure");
        return false;
    case Issue::Freezes:
        check.say(field, "Water freezes at " + quoted(triplePoint, p.temperatureUnit, 2) + ": raise " + s);
        return false;
    case Issue::TemperatureBelowRange:
    case Issue::TemperatureAboveRange:
        check.say(field, "Air properties are known from " + quoted(minTemperature(fluid), p.temperatureUnit, 2)
                             + " to " + quoted(maxTemperature(fluid, pressure), p.temperatureUnit, 2) + ": "
                             + (r.issue == Issue::TemperatureBelowRange ? "raise " : "lower ") + s);
        return false;
    default:
        check.say(field, "No properties at " + quoted(*t, p.temperatureUnit, 2));
        return false;
    }
}

bool checkPressure(Checker &check, const Problem &p)
{
    if (p.fluid == FluidChoice::Custom)
        return true; // typed properties carry their own pressure
    if (!p.pressure || !std::isfinite(*p.pressure)) {
        check.say(Field::Pressure, "Enter the pressure as a number");
        return false;
    }
    const Fluid fluid = p.fluid == FluidChoice::Air ? Fluid::Air : Fluid::Water;
    if (*p.pressure < minPressure(fluid) || *p.pressure > maxPressure(fluid)) {
        check.say(Field::Pressure, "The pressure must lie between " + quoted(minPressure(fluid), p.pressureUnit, -1)
                                       + " and " + quoted(maxPressure(fluid), p.pressureUnit, -1));
        return false;
    }
    return true;
}

struct TypedFields {
    Field density, viscosity, conductivity, specificHeat;
    std::string_view where;
};

constexpr TypedFields filmFields{Field::FilmDensity, Field::FilmViscosity, Field::FilmConductivity,
                                 Field::FilmSpecificHeat, "T_f"};
constexpr TypedFields freeStreamFields{Field::FreeStreamDensity, Field::FreeStreamViscosity,
                                       Field::FreeStreamConductivity, Field::FreeStreamSpecificHeat, "T∞"};

std::optional<State> typedState(Checker &check, const TypedProperties &t, const TypedFields &f)
{
    const std::string at = std::string(" at ") + std::string(f.where);
    bool ok = check.positive(f.density, t.density, "density" + at);
    ok = check.positive(f.viscosity, t.dynamicViscosity, "viscosity" + at) && ok;
    ok = check.positive(f.conductivity, t.thermalConductivity, "thermal conductivity" + at) && ok;
    ok = check.positive(f.specificHeat, t.specificHeat, "specific heat" + at) && ok;
    if (!ok)
        return std::nullopt;
    State s;
    s.density = *t.density;
    s.dynamicViscosity = *t.dynamicViscosity;
    s.thermalConductivity = *t.thermalConductivity;
    s.specificHeat = *t.specificHeat;
    s.kinematicViscosity = s.dynamicViscosity / s.density;
    s.prandtl = s.specificHeat * s.dynamicViscosity / s.thermalConductivity;
    return s;
}

std::string_view hintFor(const Selection &s)
{
    if (s.isPlate()) {
        if (s.heat == HeatCondition::None)
            return "Choose the heat flow condition";
        if (s.heat == HeatCondition::UniformTemperature) {
            if (s.flow == FlowCondition::None)
                return "Choose the flow condition";
            if (s.flow == FlowCondition::Laminar && s.fluidType == FluidType::None)
                return "Choose the fluid type";
            return {};
        }
        if (s.flow != FlowCondition::Laminar && s.flow != FlowCondition::Turbulent)
            return "Choose laminar or turbulent flow";
        return {};
    }
    if (s.isSphere() && s.sphere == SphereType::None)
        return "Choose Regular Sphere or Drops";
    return {};
}

} // namespace

bool needsDistances(const Selection &s)
{
    return s.hasUnheatedStart();
}

std::vector<Field> customFieldsNeeded(const Selection &s)
{
    std::vector<Field> fields;
    if (needsFilm(s))
        fields.insert(fields.end(), {Field::FilmDensity, Field::FilmViscosity, Field::FilmConductivity,
                                     Field::FilmSpecificHeat});
    if (needsFreeStream(s))
        fields.insert(fields.end(), {Field::FreeStreamDensity, Field::FreeStreamViscosity,
                                     Field::FreeStreamConductivity, Field::FreeStreamSpecificHeat});
    if (s.isCylinder())
        fields.push_back(Field::SurfacePrandtl);
    if (s.isRegularSphere())
        fields.push_back(Field::SurfaceViscosity);
    return fields;
}

std::string_view fieldName(Field f)
{
    switch (f) {
    case Field::Fluid: return "Fluid";
    case Field::Velocity: return "Velocity";
    case Field::Length: return "Length";
    case Field::FreeStreamTemperature: return "Free-stream temperature";
    case Field::SurfaceTemperature: return "Surface temperature";
    case Field::Pressure: return "Pressure";
    case Field::Distance: return "Distance x";
    case Field::HeatStart: return "Heat start ξ";
    case Field::FilmDensity: return "ρ at T_f";
    case Field::FilmViscosity: return "μ at T_f";
    case Field::FilmConductivity: return "k at T_f";
    case Field::FilmSpecificHeat: return "c_p at T_f";
    case Field::FreeStreamDensity: return "ρ at T∞";
    case Field::FreeStreamViscosity: return "μ at T∞";
    case Field::FreeStreamConductivity: return "k at T∞";
    case Field::FreeStreamSpecificHeat: return "c_p at T∞";
    case Field::SurfacePrandtl: return "Pr_s at Ts";
    case Field::SurfaceViscosity: return "μ_s at Ts";
    }
    return {};
}

std::string quoted(double si, const Unit &unit, int decimals)
{
    const double v = fromSI(unit, si);
    char buf[64];
    if (decimals >= 0)
        std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    else
        std::snprintf(buf, sizeof buf, "%g", v);
    std::string s(buf);
    if (s == "-0" || s.rfind("-0.", 0) == 0) { // no "-0.00 °C" for a rounded zero
        bool zero = true;
        for (char c : s.substr(1))
            zero = zero && (c == '0' || c == '.');
        if (zero)
            s.erase(0, 1);
    }
    return s + " " + std::string(unit.symbol);
}

Evaluation evaluate(const Problem &p)
{
    Evaluation e;
    Checker check(e.messages);
    const Selection &sel = p.selection;
    e.caseHint = hintFor(sel);

    const bool velocityOk = check.positive(Field::Velocity, p.velocity, "velocity");
    const bool lengthOk = check.positive(Field::Length, p.length, lengthName(sel));
    const bool pressureOk = checkPressure(check, p);
    const bool tInfOk = checkTemperature(check, p, Field::FreeStreamTemperature, p.freeStreamTemperature);
    const bool tSurfOk = checkTemperature(check, p, Field::SurfaceTemperature, p.surfaceTemperature);

    bool distancesOk = true;
    if (needsDistances(sel)) {
        distancesOk = check.positive(Field::Distance, p.distance, "distance x");
        if (!p.heatStart || !std::isfinite(*p.heatStart)) {
            check.say(Field::HeatStart, "Enter the distance ξ to the start of heating as a number");
            distancesOk = false;
        } else if (*p.heatStart < 0.0) {
            check.say(Field::HeatStart, "ξ cannot be negative: heating starts on the plate");
            distancesOk = false;
        } else if (distancesOk && *p.heatStart >= *p.distance) {
            check.say(Field::HeatStart, "ξ must be smaller than x: the local value is taken on the heated part");
            distancesOk = false;
        }
        if (distancesOk && lengthOk && *p.distance > *p.length) {
            check.say(Field::Distance, "x lies beyond the end of the plate (x > L)");
            distancesOk = false;
        }
    }

    // Properties at each temperature the case needs.
    const bool temperaturesOk = tInfOk && tSurfOk;
    if (temperaturesOk)
        e.filmTemperature = 0.5 * (*p.freeStreamTemperature + *p.surfaceTemperature);

    bool propertiesOk = temperaturesOk && pressureOk;
    if (p.fluid == FluidChoice::Custom) {
        if (needsFilm(sel)) {
            if (auto s = typedState(check, p.custom.film, filmFields); s && e.filmTemperature) {
                s->temperature = *e.filmTemperature;
                e.film = PropertiesUsed{Role::Film, *e.filmTemperature, *s, true};
            } else {
                propertiesOk = false;
            }
        }
        if (needsFreeStream(sel)) {
            if (auto s = typedState(check, p.custom.freeStream, freeStreamFields); s && temperaturesOk) {
                s->temperature = *p.freeStreamTemperature;
                e.freeStream = PropertiesUsed{Role::FreeStream, *p.freeStreamTemperature, *s, true};
            } else {
                propertiesOk = false;
            }
        }
        // The one surface value the case needs: Pr_s for the cylinder, mu_s for the regular sphere.
        const bool cylinderCase = sel.isCylinder();
        if (cylinderCase || sel.isRegularSphere()) {
            const Field field = cylinderCase ? Field::SurfacePrandtl : Field::SurfaceViscosity;
            const std::optional<double> &typed =
                cylinderCase ? p.custom.prandtlSurface : p.custom.viscositySurface;
            if (check.positive(field, typed, cylinderCase ? "Prandtl number at Ts" : "viscosity at Ts")
                && temperaturesOk) {
                State s;
                s.temperature = *p.surfaceTemperature;
                (cylinderCase ? s.prandtl : s.dynamicViscosity) = *typed;
                e.surface = PropertiesUsed{Role::Surface, *p.surfaceTemperature, s, true};
            } else {
                propertiesOk = false;
            }
        }
    } else if (propertiesOk) {
        const Fluid fluid = p.fluid == FluidChoice::Air ? Fluid::Air : Fluid::Water;
        const double pressure = *p.pressure;
        const auto at = [&](Role role, double t) -> std::optional<PropertiesUsed> {
            const PropertyResult r = properties(fluid, t, pressure);
            if (!r.ok())
                return std::nullopt;
            return PropertiesUsed{role, t, r.state, false};
        };
        // Between two temperatures with properties, the film temperature has them too.
        if (needsFilm(sel))
            e.film = at(Role::Film, *e.filmTemperature);
        if (needsFreeStream(sel)) {
            e.freeStream = at(Role::FreeStream, *p.freeStreamTemperature);
            e.surface = at(Role::Surface, *p.surfaceTemperature);
        }
        propertiesOk = (!needsFilm(sel) || e.film) && (!needsFreeStream(sel) || (e.freeStream && e.surface));
    }

    const bool flowOk = velocityOk && lengthOk;
    const auto reynoldsAt = [&](const std::optional<PropertiesUsed> &u) -> std::optional<double> {
        if (!u || !flowOk)
            return std::nullopt;
        return *p.velocity * *p.length / u->state.kinematicViscosity;
    };

    // The numbers the calculator works with: film values, or T_inf values for the regular sphere.
    const std::optional<PropertiesUsed> &main = sel.isRegularSphere() ? e.freeStream : e.film;
    e.reynolds = reynoldsAt(main);
    if (main)
        e.prandtl = main->state.prandtl;
    if (sel.isCylinder() && e.surface)
        e.prandtlSurface = e.surface->state.prandtl;
    if (sel.isRegularSphere() && e.freeStream && e.surface)
        e.viscosityRatio = e.freeStream->state.dynamicViscosity / e.surface->state.dynamicViscosity;

    if (!e.messages.empty() || !propertiesOk || !flowOk || !distancesOk)
        return e;

    e.noHeatFlow = *p.surfaceTemperature == *p.freeStreamTemperature;
    const double deltaT = *p.surfaceTemperature - *p.freeStreamTemperature;
    const double length = *p.length;

    // What "Use in Calculator" writes: film values (T_inf ones for the regular sphere).
    Inputs in;
    in.reynolds = e.reynolds;
    in.prandtl = e.prandtl;
    if (sel.isCylinder())
        in.prandtlSurface = e.prandtlSurface;
    if (sel.isRegularSphere()) {
        in.mu = e.freeStream->state.dynamicViscosity;
        in.muSurface = e.surface->state.dynamicViscosity;
    }
    if (needsDistances(sel)) {
        in.plateLength = length;
        in.distance = *p.distance;
        in.heatStart = *p.heatStart;
    }

    for (const Term &term : termsOf(sel, e.prandtl ? *e.prandtl : 0.0)) {
        Result r;
        r.term = term;
        r.name = nameOf(term.correlation);
        r.reference = referenceOf(term.correlation);
        const PropertiesUsed &used = r.reference == Reference::Film ? *e.film : *e.freeStream;
        r.reynolds = *reynoldsAt(r.reference == Reference::Film ? e.film : e.freeStream);
        r.prandtl = used.state.prandtl;

        // The calculator's point, with this correlation's own Re and Pr.
        r.point = pointOf(in);
        r.point.reynolds = r.reynolds;
        r.point.prandtl = r.prandtl;
        r.nusselt = nusseltAt(term, r.point);
        r.outsideRange = outsideRange(term.correlation, r.point);

        if (r.nusselt) {
            // Local values of the unheated plate belong to x; all others to L or D.
            const bool atX = term.kind == Kind::Local && needsDistances(sel);
            const double scale = atX ? *p.distance : length;
            const double h = *r.nusselt * used.state.thermalConductivity / scale;
            r.heatTransferCoefficient = h;
            r.heatFlux = h * deltaT;
            if (term.kind == Kind::Average) {
                if (sel.isSphere()) {
                    r.rateKind = RateKind::Total;
                    r.heatRate = *r.heatFlux * pi * length * length;
                } else if (sel.isCylinder()) {
                    r.rateKind = RateKind::PerLength;
                    r.heatRate = *r.heatFlux * pi * length;
                } else {
                    // Per metre of plate width, over the heated part of the plate.
                    r.rateKind = RateKind::PerLength;
                    const double heated = needsDistances(sel) ? length - *p.heatStart : length;
                    r.heatRate = *r.heatFlux * heated;
                }
            }
        }
        e.results.push_back(std::move(r));
    }

    e.calculatorInputs = in;
    e.calculatorOutcome = calculate(sel, in);
    return e;
}

} // namespace nusselt::physics
