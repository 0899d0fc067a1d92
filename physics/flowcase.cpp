#include "flowcase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace nusselt::physics {
namespace {

constexpr double pi = 3.14159265358979323846;

// What a case's correlations need, as the catalog lists them: properties at the film
// temperature, or at T_inf together with one surface value at T_s (Zhukauskas: Pr_s, Whitaker:
// mu_s). A case not chosen yet shows Re and Pr at the film temperature.
struct Needs {
    bool film = false;
    bool freeStream = false;
    bool viscosityRatio = false; // mu_s rather than Pr_s
    Field surfaceField() const { return viscosityRatio ? Field::SurfaceViscosity : Field::SurfacePrandtl; }
};

Needs needsOf(const Selection &s)
{
    // The Prandtl number only picks between two film-temperature plate correlations.
    const Terms terms = termsOf(s, laminarPlateMinPrandtl);
    Needs n;
    n.film = terms.empty();
    for (const Term &t : terms) {
        (referenceOf(t.correlation) == Reference::Film ? n.film : n.freeStream) = true;
        n.viscosityRatio = n.viscosityRatio || t.correlation == Correlation::Whitaker;
    }
    return n;
}

Fluid fluidOf(const Problem &p) { return p.fluid == FluidChoice::Air ? Fluid::Air : Fluid::Water; }

struct Checker {
    std::vector<Message> &messages;

    void say(Field field, std::string text) { messages.push_back({field, std::move(text)}); }

    // A finite number, or a message beside the field.
    bool entered(Field field, const std::optional<double> &value, std::string_view what)
    {
        if (value && std::isfinite(*value))
            return true;
        say(field, "Enter " + std::string(what) + " as a number");
        return false;
    }

    // A positive finite number, or a message beside the field.
    bool positive(Field field, const std::optional<double> &value, std::string_view what)
    {
        if (!entered(field, value, "the " + std::string(what)))
            return false;
        if (*value <= 0.0) {
            std::string s(what);
            if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
                s[0] = static_cast<char>(s[0] - 'a' + 'A');
            say(field, s + " must be greater than zero");
            return false;
        }
        return true;
    }
};

// An absolute temperature that the chosen fluid has properties at, or a message that says why
// not. For air and water at a pressure in range, the properties there.
bool checkTemperature(Checker &check, const Problem &p, bool pressureOk, Field field, std::optional<State> &state)
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
    if (p.fluid == FluidChoice::Custom || !pressureOk)
        return true; // the pressure field says what is wrong; the temperature may be fine
    const Fluid fluid = fluidOf(p);
    const double pressure = *p.pressure;
    const PropertyResult r = properties(fluid, *t, pressure);
    switch (r.issue) {
    case Issue::None:
        state = r.state;
        return true;
    case Issue::Boils:
        check.say(field, "Water boils at " + quoted(r.limit, p.temperatureUnit, 1) + " at "
                             + quoted(pressure, p.pressureUnit, -1) + ": lower " + symbol + " or raise the pressure");
        return false;
    case Issue::Freezes:
        check.say(field, "Water freezes at " + quoted(r.limit, p.temperatureUnit, 2) + ": raise " + symbol);
        return false;
    case Issue::TemperatureBelowRange:
    case Issue::TemperatureAboveRange:
        check.say(field, "Air properties are known from " + quoted(minTemperature(fluid), p.temperatureUnit, 2)
                             + " to " + quoted(maxTemperature(fluid, pressure), p.temperatureUnit, 2) + ": "
                             + (r.issue == Issue::TemperatureBelowRange ? "raise " : "lower ") + symbol);
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
    if (!check.entered(Field::Pressure, p.pressure, "the pressure"))
        return false;
    const Fluid fluid = fluidOf(p);
    if (*p.pressure < minPressure(fluid) || *p.pressure > maxPressure(fluid)) {
        check.say(Field::Pressure, "The pressure must lie between " + quoted(minPressure(fluid), p.pressureUnit, -1)
                                       + " and " + quoted(maxPressure(fluid), p.pressureUnit, -1));
        return false;
    }
    return true;
}

// x and xi of the unheated starting length: a local value on the heated part of the plate.
bool checkDistances(Checker &check, const Problem &p, bool lengthOk)
{
    const bool ok = check.positive(Field::Distance, p.distance, "distance x");
    if (!check.entered(Field::HeatStart, p.heatStart, "the distance ξ to the start of heating"))
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

// The inputs every case has, each checked beside its field.
struct Checked {
    bool flow = false; // velocity and length
    bool pressure = false;
    bool temperatures = false;
    bool distances = false;
    std::optional<State> atFreeStream, atSurface; // air and water: where the temperatures were checked
};

Checked checkInputs(Checker &check, const Problem &p)
{
    Checked c;
    const bool velocity = check.positive(Field::Velocity, p.velocity, "velocity");
    const bool length = check.positive(Field::Length, p.length,
                                       p.selection.isPlate() ? "plate length L" : "diameter D");
    c.flow = velocity && length;
    c.pressure = checkPressure(check, p);
    const bool tInf = checkTemperature(check, p, c.pressure, Field::FreeStreamTemperature, c.atFreeStream);
    c.temperatures = checkTemperature(check, p, c.pressure, Field::SurfaceTemperature, c.atSurface) && tInf;
    c.distances = !needsDistances(p.selection) || checkDistances(check, p, length);
    return c;
}

// The four properties typed for one temperature, in the order the window asks for them.
struct TypedSet {
    Role role;
    std::string_view at;
    TypedProperties CustomFluid::*typed;
    std::array<Field, 4> fields;
};
constexpr TypedSet typedSets[] = {
    {Role::Film, "T_f", &CustomFluid::film,
     {Field::FilmDensity, Field::FilmViscosity, Field::FilmConductivity, Field::FilmSpecificHeat}},
    {Role::FreeStream, "T∞", &CustomFluid::freeStream,
     {Field::FreeStreamDensity, Field::FreeStreamViscosity, Field::FreeStreamConductivity,
      Field::FreeStreamSpecificHeat}},
};

std::optional<State> typedState(Checker &check, const TypedProperties &t, const TypedSet &set)
{
    const std::string at = " at " + std::string(set.at);
    bool ok = check.positive(set.fields[0], t.density, "density" + at);
    ok = check.positive(set.fields[1], t.dynamicViscosity, "viscosity" + at) && ok;
    ok = check.positive(set.fields[2], t.thermalConductivity, "thermal conductivity" + at) && ok;
    ok = check.positive(set.fields[3], t.specificHeat, "specific heat" + at) && ok;
    if (!ok)
        return std::nullopt;
    State s;
    s.density = *t.density;
    s.dynamicViscosity = *t.dynamicViscosity;
    s.thermalConductivity = *t.thermalConductivity;
    s.specificHeat = *t.specificHeat;
    completeState(s);
    return s;
}

// A fluid of one's own: what the case needs, as typed, each missing value refused beside its field.
bool typedProperties(Checker &check, const Problem &p, const Needs &needs, bool temperaturesOk, Evaluation &e)
{
    bool ok = temperaturesOk;
    for (const TypedSet &set : typedSets) {
        const bool film = set.role == Role::Film;
        if (!(film ? needs.film : needs.freeStream))
            continue;
        std::optional<State> s = typedState(check, p.custom.*set.typed, set);
        if (!s || !temperaturesOk) {
            ok = false;
            continue;
        }
        s->temperature = film ? *e.filmTemperature : *p.freeStreamTemperature;
        (film ? e.film : e.freeStream) = PropertiesUsed{set.role, s->temperature, *s, true};
    }
    if (!needs.freeStream)
        return ok;
    const bool mu = needs.viscosityRatio;
    const std::optional<double> &typed = mu ? p.custom.viscositySurface : p.custom.prandtlSurface;
    if (!check.positive(needs.surfaceField(), typed, mu ? "viscosity at Ts" : "Prandtl number at Ts")
        || !temperaturesOk)
        return false;
    State s;
    s.temperature = *p.surfaceTemperature;
    (mu ? s.dynamicViscosity : s.prandtl) = *typed;
    e.surface = PropertiesUsed{Role::Surface, s.temperature, s, true};
    return ok;
}

// The properties at each temperature the case needs, each taken once.
bool takeProperties(Checker &check, const Problem &p, const Needs &needs, const Checked &c, Evaluation &e)
{
    if (p.fluid == FluidChoice::Custom)
        return typedProperties(check, p, needs, c.temperatures, e);
    if (!c.temperatures || !c.pressure)
        return false;
    if (needs.freeStream) {
        e.freeStream = PropertiesUsed{Role::FreeStream, *p.freeStreamTemperature, *c.atFreeStream};
        e.surface = PropertiesUsed{Role::Surface, *p.surfaceTemperature, *c.atSurface};
    }
    if (!needs.film)
        return true;
    // Between two temperatures with properties, the film temperature has them too.
    const PropertyResult r = properties(fluidOf(p), *e.filmTemperature, *p.pressure);
    if (r.ok())
        e.film = PropertiesUsed{Role::Film, *e.filmTemperature, r.state};
    return r.ok();
}

double reynoldsOf(const Problem &p, const State &s)
{
    return *p.velocity * *p.length / s.kinematicViscosity;
}

// One correlation of the case: its own Re and Pr, Nu through the catalog, h, q'' and q.
Result resultOf(const Term &term, const Problem &p, const Evaluation &e, const Inputs &in)
{
    Result r;
    r.term = term;
    r.name = nameOf(term.correlation);
    r.reference = referenceOf(term.correlation);
    const State &used = (r.reference == Reference::Film ? e.film : e.freeStream)->state;
    r.reynolds = reynoldsOf(p, used);
    r.prandtl = used.prandtl;
    // The calculator's point, with this correlation's own Re and Pr.
    r.point = pointOf(in);
    r.point.reynolds = r.reynolds;
    r.point.prandtl = r.prandtl;
    r.nusselt = nusseltAt(term, r.point);
    r.outsideRange = outsideRange(term.correlation, r.point);
    if (!r.nusselt)
        return r;

    const Selection &sel = p.selection;
    const double length = *p.length;
    // Local values of the unheated plate belong to x; all others to L or D.
    const bool atX = term.kind == Kind::Local && needsDistances(sel);
    const double h = *r.nusselt * used.thermalConductivity / (atX ? *p.distance : length);
    r.heatTransferCoefficient = h;
    r.heatFlux = h * (*p.surfaceTemperature - *p.freeStreamTemperature);
    if (term.kind == Kind::Local)
        return r;
    r.rateKind = sel.isSphere() ? RateKind::Total : RateKind::PerLength;
    if (sel.isSphere())
        r.heatRate = *r.heatFlux * pi * length * length;
    else if (sel.isCylinder())
        r.heatRate = *r.heatFlux * pi * length;
    else // per metre of plate width, over the heated part of the plate
        r.heatRate = *r.heatFlux * (needsDistances(sel) ? length - *p.heatStart : length);
    return r;
}

// What to choose next while the case has no correlations yet.
std::string_view hintFor(const Selection &s)
{
    if (s.geometry == Geometry::None || !termsOf(s, laminarPlateMinPrandtl).empty())
        return {};
    if (s.isSphere())
        return "Choose Regular Sphere or Drops";
    if (s.heat == HeatCondition::None)
        return "Choose the heat flow condition";
    if (s.heat != HeatCondition::UniformTemperature)
        return "Choose laminar or turbulent flow";
    return s.flow == FlowCondition::None ? "Choose the flow condition" : "Choose the fluid type";
}

} // namespace

std::vector<Field> customFieldsNeeded(const Selection &s)
{
    const Needs needs = needsOf(s);
    std::vector<Field> fields;
    for (const TypedSet &set : typedSets)
        if (set.role == Role::Film ? needs.film : needs.freeStream)
            fields.insert(fields.end(), set.fields.begin(), set.fields.end());
    if (needs.freeStream)
        fields.push_back(needs.surfaceField());
    return fields;
}

std::string_view fieldName(Field f)
{
    static constexpr std::string_view names[] = {
        "Fluid", "Velocity", "Length", "Free-stream temperature", "Surface temperature", "Pressure",
        "Distance x", "Heat start ξ", "Heat flux", "ρ at T_f", "μ at T_f", "k at T_f", "c_p at T_f", "ρ at T∞",
        "μ at T∞", "k at T∞", "c_p at T∞", "Pr_s at Ts", "μ_s at Ts"};
    static_assert(std::size(names) == static_cast<std::size_t>(Field::SurfaceViscosity) + 1);
    return names[static_cast<std::size_t>(f)];
}

std::string quoted(double si, const Unit &unit, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, decimals >= 0 ? "%.*f" : "%.*g", decimals >= 0 ? decimals : 6,
                  fromSI(unit, si));
    std::string s(buf);
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1); // no "-0.00 °C" for a rounded zero
    return s + " " + std::string(unit.symbol);
}

std::string quotedLimit(double si, const Unit &unit, Limit limit, int decimals)
{
    const double v = fromSI(unit, si);
    // Six significant digits, or the decimals asked for.
    const int digits = decimals >= 0 || v == 0.0
        ? std::max(decimals, 0)
        : 5 - static_cast<int>(std::floor(std::log10(std::abs(v))));
    const double scale = std::pow(10.0, digits);
    double x = v * scale;
    // A limit that is round in this unit stays as it is (200 K is -73.15 °C, not -73.14 rounded
    // up from -73.149999999999977); any other is rounded towards the allowed side.
    const double nearest = std::round(x);
    if (std::abs(x - nearest) <= 1e-9 * std::max(1.0, std::abs(x)))
        x = nearest;
    else
        x = limit == Limit::Upper ? std::floor(x) : std::ceil(x);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", std::max(digits, 0), x / scale);
    std::string s(buf);
    if (decimals < 0 && s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
    }
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1);
    return s + " " + std::string(unit.symbol);
}

Evaluation evaluate(const Problem &p)
{
    Evaluation e;
    const Selection &sel = p.selection;
    e.caseHint = hintFor(sel);
    const Needs needs = needsOf(sel);
    Checker check{e.messages};
    const Checked c = checkInputs(check, p);
    if (c.temperatures)
        e.filmTemperature = 0.5 * (*p.freeStreamTemperature + *p.surfaceTemperature);
    const bool propertiesOk = takeProperties(check, p, needs, c, e);

    // The numbers the calculator works with: film values, or T_inf ones for a case without any.
    if (const std::optional<PropertiesUsed> &main = needs.film ? e.film : e.freeStream) {
        e.prandtl = main->state.prandtl;
        if (c.flow)
            e.reynolds = reynoldsOf(p, main->state);
    }
    if (e.surface && !needs.viscosityRatio)
        e.prandtlSurface = e.surface->state.prandtl;
    if (e.surface && e.freeStream && needs.viscosityRatio)
        e.viscosityRatio = e.freeStream->state.dynamicViscosity / e.surface->state.dynamicViscosity;

    if (!e.messages.empty() || !propertiesOk || !c.flow || !c.distances)
        return e;

    // What "Use in Calculator" writes.
    Inputs in;
    in.reynolds = e.reynolds;
    in.prandtl = e.prandtl;
    in.prandtlSurface = e.prandtlSurface;
    if (e.viscosityRatio) {
        in.mu = e.freeStream->state.dynamicViscosity;
        in.muSurface = e.surface->state.dynamicViscosity;
    }
    if (needsDistances(sel)) {
        in.plateLength = p.length;
        in.distance = p.distance;
        in.heatStart = p.heatStart;
    }
    e.noHeatFlow = *p.surfaceTemperature == *p.freeStreamTemperature;
    for (const Term &term : termsOf(sel, *e.prandtl))
        e.results.push_back(resultOf(term, p, e, in));
    e.calculatorInputs = in;
    e.calculatorOutcome = calculate(sel, in);
    return e;
}

} // namespace nusselt::physics
