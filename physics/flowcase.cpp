#include "flowcase.h"

#include "buoyancy.h"
#include "flowinputs.h"
#include "tubebank.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

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

Needs needsOf(const Selection &s, bool liquidMetal = false)
{
    // The Prandtl number only picks between two film-temperature plate correlations.
    const Terms terms = termsOf(s, laminarPlateMinPrandtl, liquidMetal);
    Needs n;
    n.film = terms.empty();
    for (const Term &t : terms) {
        (referenceOf(t.correlation) == Reference::Film ? n.film : n.freeStream) = true;
        n.viscosityRatio = n.viscosityRatio || t.correlation == Correlation::Whitaker;
    }
    return n;
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

// What follows from four typed properties, when all four are there.
std::optional<State> stateOf(const TypedProperties &t)
{
    if (!t.density || !t.dynamicViscosity || !t.thermalConductivity || !t.specificHeat)
        return std::nullopt;
    State s;
    s.density = *t.density;
    s.dynamicViscosity = *t.dynamicViscosity;
    s.thermalConductivity = *t.thermalConductivity;
    s.specificHeat = *t.specificHeat;
    completeState(s);
    return s;
}

std::optional<State> typedState(Checker &check, const TypedProperties &t, const TypedSet &set)
{
    const std::string at = " at " + std::string(set.at);
    bool ok = check.positive(set.fields[0], t.density, "density" + at);
    ok = check.positive(set.fields[1], t.dynamicViscosity, "viscosity" + at) && ok;
    ok = check.positive(set.fields[2], t.thermalConductivity, "thermal conductivity" + at) && ok;
    ok = check.positive(set.fields[3], t.specificHeat, "specific heat" + at) && ok;
    if (!ok)
        return std::nullopt;
    return stateOf(t);
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
        return typedProperties(check, p, needs, e.filmTemperature.has_value(), e);
    if (!c.temperatures || !c.pressure || !e.filmTemperature)
        return false;
    if (needs.freeStream) {
        e.freeStream = PropertiesUsed{Role::FreeStream, *p.freeStreamTemperature, *c.atFreeStream};
        e.surface = PropertiesUsed{Role::Surface, *p.surfaceTemperature, *c.atSurface};
    }
    if (!needs.film)
        return true;
    const double tf = *e.filmTemperature;
    const PropertyResult r = propertiesAt(p, tf);
    if (r.ok()) {
        e.film = PropertiesUsed{Role::Film, tf, r.state};
        return true;
    }
    // Ts itself need not have properties when none is taken there, but its film temperature must.
    check.say(Field::SurfaceTemperature,
              refusal(r, p, ", and the film temperature is " + quoted(tf, p.temperatureUnit, 2), "Ts"));
    return false;
}

double reynoldsOf(const Problem &p, const State &s)
{
    return flowVelocity(p) * *p.length / s.kinematicViscosity;
}

// The uniform-flux plate's term of a kind (local at x = L, or the average).
Term fluxTerm(const Selection &s, Kind kind)
{
    for (const Term &t : termsOf(s, laminarPlateMinPrandtl))
        if (t.kind == kind)
            return t;
    return Term{Correlation::LaminarFlux, kind};
}

// Ts - T_inf = q'' / h for a plate term, with the fluid state s at the film temperature.
double excess(const Problem &p, const Term &term, const State &s)
{
    Point point;
    point.reynolds = reynoldsOf(p, s);
    point.prandtl = s.prandtl;
    const std::optional<double> nu = nusseltAt(term, point);
    return nu ? *p.heatFlux * *p.length / (*nu * s.thermalConductivity) : std::nan("");
}

// The uniform-flux plate's average surface temperature: q'' = h (Ts - T_inf) with h from the
// average Nusselt number at the film temperature of that same Ts. From Ts = T_inf on, each
// step takes the properties at the last film temperature, until Ts moves by less than
// surfaceTemperatureTolerance. A liquid is also refused where its trailing edge, the plate's
// hottest (or coldest) point, would boil (or freeze).
bool solveSurface(Checker &check, const Problem &p, Evaluation &e)
{
    const bool typed = p.fluid == FluidChoice::Custom;
    const std::optional<State> typedFilm = stateOf(p.custom.film);
    if (typed && !typedFilm)
        return false; // the typed properties say what is missing
    const Unit &tu = p.temperatureUnit;
    const double tInf = *p.freeStreamTemperature;
    double ts = tInf;
    State film;
    // Properties change slowly with temperature: a handful of steps settle (a hundred never do
    // only for a flux that no plate survives).
    constexpr int maxSteps = 100;
    for (int step = 1;; ++step) {
        const double tf = 0.5 * (tInf + ts);
        if (typed) {
            film = *typedFilm;
        } else {
            const PropertyResult r = propertiesAt(p, tf);
            if (!r.ok()) {
                check.say(Field::HeatFlux,
                          refusal(r, p, ", and the film temperature would reach " + quoted(tf, tu, 2), "q''"));
                return false;
            }
            film = r.state;
        }
        const double next = tInf + excess(p, fluxTerm(p.selection, Kind::Average), film);
        if (!std::isfinite(next))
            return false;
        const bool settled = std::abs(next - ts) < surfaceTemperatureTolerance;
        ts = next;
        if (settled)
            break;
        if (step == maxSteps) {
            check.say(Field::HeatFlux, "The surface temperature does not settle: lower q''");
            return false;
        }
    }
    const double edge = tInf + excess(p, fluxTerm(p.selection, Kind::Local), film);
    if (std::min(ts, edge) < 0.0) {
        check.say(Field::HeatFlux, "The surface would fall below absolute zero: raise q''");
        return false;
    }
    if (p.fluid == FluidChoice::Water) {
        const PropertyResult r = properties(Fluid::Water, edge, *p.pressure);
        if (r.issue == Issue::Boils || r.issue == Issue::Freezes) {
            check.say(Field::HeatFlux,
                      refusal(r, p, ", and the trailing edge would reach " + quoted(edge, tu, 2), "q''"));
            return false;
        }
    }
    e.surfaceTemperature = ts;
    e.filmTemperature = 0.5 * (tInf + ts);
    return true;
}

// One correlation of the case: its own Re and Pr, Nu through the catalog, h, q'' and q (or, for
// the uniform-flux plate, Ts - T_inf).
Result resultOf(const Term &term, const Problem &p, const Evaluation &e, const Inputs &in)
{
    Result r;
    r.term = term;
    r.name = nameOf(term.correlation);
    r.reference = referenceOf(term.correlation);
    const State &used = (r.reference == Reference::Film ? e.film : e.freeStream)->state;
    r.reynolds = reynoldsOf(p, used);
    r.prandtl = used.prandtl;
    // The calculator's point, with this correlation's own Re and Pr, and the flow's Mach number.
    r.point = pointOf(in);
    describeGeometry(p, r.point);
    r.point.reynolds = r.reynolds;
    r.point.prandtl = r.prandtl;
    r.point.mach = e.mach.value_or(0.0);
    // Gr with this correlation's own viscosity, Ri Re^2: Ri = g beta dT L / V^2 does not depend on
    // the viscosity, so every correlation's sentence quotes the case's Ri.
    if (e.richardson)
        r.point.grashof = *e.richardson * r.reynolds * r.reynolds;
    r.nusselt = nusseltAt(term, r.point);
    r.outsideRange = outsideRange(term.correlation, r.point);
    if (!r.nusselt)
        return r;

    const Selection &sel = p.selection;
    const double length = *p.length;
    // Local values of the unheated plate belong to x; all others to L (the trailing edge) or D.
    const bool atX = term.kind == Kind::Local && needsDistances(sel);
    const double h = *r.nusselt * used.thermalConductivity / (atX ? *p.distance : length);
    r.heatTransferCoefficient = h;
    if (sel.isTubeBank() || sel.isNonCircular()) {
        bankOrSectionRates(p, e, r);
        return r;
    }
    if (takesHeatFlux(sel)) {
        r.heatFlux = *p.heatFlux;
        r.temperatureDifference = *p.heatFlux / h;
    } else {
        r.heatFlux = h * (*p.surfaceTemperature - *p.freeStreamTemperature);
    }
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
    if (s.isTubeBank())
        return "Choose aligned or staggered tubes";
    if (s.isNonCircular())
        return "Choose the section";
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
            for (const Field f : set.fields)
                fields.push_back(f);
    if (needs.freeStream)
        fields.push_back(needs.surfaceField());
    return fields;
}

std::string_view fieldName(Field f)
{
    static constexpr std::string_view names[] = {
        "Fluid", "Velocity", "Length", "Free-stream temperature", "Surface temperature", "Pressure",
        "Distance x", "Heat start ξ", "Heat flux", "ρ at T_f", "μ at T_f", "k at T_f", "c_p at T_f", "ρ at T∞",
        "μ at T∞", "k at T∞", "c_p at T∞", "Pr_s at Ts", "μ_s at Ts",
        "Transverse pitch S_T", "Longitudinal pitch S_L", "Rows N_L", "Tubes per row N_T"};
    static_assert(std::size(names) == static_cast<std::size_t>(Field::TubesPerRow) + 1);
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
    const Needs needs = needsOf(sel, isLiquidMetal(p.fluid));
    Checker check{p, e.messages};
    const Checked c = checkInputs(check, p, needs.freeStream);
    const bool bankOk = checkBank(check, p);
    const bool flux = takesHeatFlux(sel);
    if (c.temperatures && (c.pressure || p.fluid == FluidChoice::Custom)) {
        if (!flux)
            e.filmTemperature = 0.5 * (*p.freeStreamTemperature + *p.surfaceTemperature);
        else if (termsOf(sel, laminarPlateMinPrandtl).empty())
            e.filmTemperature = *p.freeStreamTemperature; // no flow condition yet: no surface temperature either
        else if (c.flow)
            solveSurface(check, p, e);
    }
    // A gas's speed of sound at T_inf: every correlation assumes an incompressible flow.
    if ((p.fluid == FluidChoice::Air || p.fluid == FluidChoice::Steam) && c.velocity && c.atFreeStream)
        e.mach = *p.velocity / c.atFreeStream->speedOfSound;
    bool propertiesOk = takeProperties(check, p, needs, c, e);
    // A tube bank's Zukauskas properties belong to the mean of its inlet and outlet temperatures.
    if (propertiesOk && bankOk && c.flow && e.freeStream && e.surface && sel.isTubeBank())
        propertiesOk = solveBank(check, p, e);

    // The numbers the calculator works with: film values, or T_inf ones for a case without any.
    // A tube bank's are Zukauskas' (Re_max at the bank's mean temperature).
    if (const std::optional<PropertiesUsed> &main = needs.film && !sel.isTubeBank() ? e.film : e.freeStream) {
        e.prandtl = main->state.prandtl;
        if (c.flow)
            e.reynolds = reynoldsOf(p, main->state);
    }
    if (e.surface && !needs.viscosityRatio)
        e.prandtlSurface = e.surface->state.prandtl;
    if (e.surface && e.freeStream && needs.viscosityRatio)
        e.viscosityRatio = e.freeStream->state.dynamicViscosity / e.surface->state.dynamicViscosity;

    if (!e.messages.empty() || !propertiesOk || !c.flow || !c.distances || !bankOk)
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
    e.noHeatFlow = flux ? *p.heatFlux == 0.0 : *p.surfaceTemperature == *p.freeStreamTemperature;
    addGrashof(p, e);
    for (const Term &term : termsOf(sel, *e.prandtl, isLiquidMetal(p.fluid)))
        e.results.push_back(resultOf(term, p, e, in));
    addFreeConvection(p, e);
    // The calculator has no tube bank and no non-circular section.
    if (sel.isTubeBank() || sel.isNonCircular())
        return e;
    e.calculatorInputs = in;
    e.calculatorOutcome = calculate(sel, in);
    return e;
}

} // namespace nusselt::physics
