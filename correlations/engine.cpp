#include "engine.h"

#include "correlations.h"

#include <cmath>

namespace nusselt {
namespace {

// Each case fills in the one Outcome that calculate() returns, so that nothing is copied.
void refuse(Outcome &o, std::string_view boxText, std::string_view note)
{
    o = Outcome{};
    o.boxText = boxText;
    o.note = Shown::message(note);
}

constexpr std::string_view checkReynoldsPrandtl = "Check Reynolds and Prandtl numbers";
constexpr std::string_view chooseLaminarOrTurbulant = "Choose Laminar or Turbulant Flow";

bool finite(const Reading &r)
{
    return r && std::isfinite(*r);
}

bool positive(const Reading &r)
{
    return finite(r) && *r > 0.0;
}

// Smallest Re for the mixed boundary layer: its 871 assumes transition at Re_c = 500,000, and
// below that the relation drops under the laminar value and turns negative.
constexpr double mixedCriticalReynolds = 500000.0;

void uniformTemperature(const Selection &s, double re, double pr, double pe, Outcome &o)
{
    switch (s.flowCondition) {
    case 1: // Laminar
        if (s.fluidType == 1) {
            if (pr >= 0.6) {
                o.local = Shown::number(laminarPlateLocal(re, pr));
                o.average = Shown::number(laminarPlateAverage(re, pr));
            } else if (pe > 100.0) {
                o.local = Shown::number(churchillOzoePlateLocal(re, pr));
                o.average = Shown::number(churchillOzoePlateAverage(re, pr));
            } else {
                return refuse(o, text::conditionsNotMet, checkReynoldsPrandtl);
            }
            o.note = Shown::clear();
            return;
        }
        if (s.fluidType == 2) {
            if (!(pe >= 100.0))
                return refuse(o, text::conditionsNotMet, checkReynoldsPrandtl);
            o.local = Shown::number(liquidMetalPlateLocal(pe));
            o.average = Shown::clear();
            o.note = Shown::clear();
            return;
        }
        return refuse(o, text::conditionsNotMet, checkReynoldsPrandtl);
    case 2: // Turbulant
        o.local = Shown::number(turbulentPlateLocal(re, pr));
        o.average = Shown::number(turbulentPlateAverage(re, pr));
        o.note = Shown::message("This is valid only if L >> x_c");
        return;
    case 3: // Mixed Flow
        if (!(pr >= 0.6 && pr <= 60.0))
            return refuse(o, text::calculationFailed, "Check 0.6<Pr<60");
        if (re < mixedCriticalReynolds)
            return refuse(o, text::conditionsNotMet, "Mixed Flow needs Re >= 500,000");
        o.average = Shown::number(mixedPlateAverage(re, pr));
        o.note = Shown::message("Valid if Recritical = 500,000");
        o.local = Shown::clear();
        return;
    default:
        return refuse(o, text::calculationFailed, "Check 0.6<Pr<60");
    }
}

void uniformFlux(const Selection &s, double re, double pr, Outcome &o)
{
    if (s.flowCondition == 1) {
        o.local = Shown::number(laminarFluxLocal(re, pr));
        o.average = Shown::number(laminarFluxAverage(re, pr));
    } else if (s.flowCondition == 2) {
        o.local = Shown::number(turbulentFluxLocal(re, pr));
        o.average = Shown::number(turbulentFluxAverage(re, pr));
    } else {
        return refuse(o, text::calculationFailed, chooseLaminarOrTurbulant);
    }
    o.note = Shown::clear();
}

void unheatedStartingLength(const Selection &s, const Inputs &in, double re, double pr, Outcome &o)
{
    if (s.flowCondition != 1 && s.flowCondition != 2)
        return refuse(o, text::calculationFailed, chooseLaminarOrTurbulant);
    if (!finite(in.plateLength) || !finite(in.distance) || !finite(in.heatStart))
        return refuse(o, text::valuesNotEntered, "Enter Plate Length and Distances");
    const double length = *in.plateLength;
    const double x = *in.distance;
    const double xi = *in.heatStart;
    // The heated section must start on the plate, ahead of the point x where the local value is
    // taken; otherwise the brackets vanish or go negative.
    if (length <= 0.0 || x <= 0.0 || xi < 0.0 || xi >= x || xi >= length)
        return refuse(o, text::conditionsNotMet, "Check Plate Length and Distances");

    if (s.flowCondition == 1) {
        o.local = Shown::number(laminarUnheatedLocal(re, pr, length, x, xi));
        o.average = Shown::number(laminarUnheatedAverage(re, pr, length, xi));
    } else {
        o.local = Shown::number(turbulentUnheatedLocal(re, pr, length, x, xi));
        o.average = Shown::number(turbulentUnheatedAverage(re, pr, length, xi));
    }
    o.note = Shown::clear();
}

void cylinder(const Inputs &in, double re, double pr, Outcome &o)
{
    if (!positive(in.prandtlSurface))
        return refuse(o, text::valuesNotEntered, "Enter Prandtl number at surface temperature");
    o.local = Shown::number(cylinderStagnation(re, pr), " at stagnation");
    // Out of range, say so where the number would stand rather than leave an older number there.
    if (const auto h = hilpert(re, pr))
        o.average = Shown::number(*h, " Hilpert");
    else
        o.average = Shown::message("Hilpert Failed");
    o.note = Shown::number(churchillBernstein(re, pr), " Churchill");
    if (const auto z = zhukauskas(re, pr, *in.prandtlSurface)) {
        o.zhukauskas = Shown::number(*z, " Zhukauskas");
    } else {
        o.zhukauskas = Shown::message("Zhukauskas Failed");
        o.zhukauskasFailedLine = true;
    }
}

void sphere(const Selection &s, const Inputs &in, double re, double pr, Outcome &o)
{
    if (s.sphereType == 1) {
        if (!positive(in.mu) || !positive(in.muSurface))
            return refuse(o, text::valuesNotEntered, "Set Mu,Mus and Calculate");
        o.average = Shown::number(whitakerSphere(re, pr, *in.mu, *in.muSurface));
    } else if (s.sphereType == 2) {
        o.average = Shown::number(ranzMarshallDrop(re, pr));
    }
}

bool showsOnlyFiniteNumbers(const Outcome &o)
{
    for (const Shown *f : {&o.local, &o.average, &o.note, &o.zhukauskas}) {
        if (f->kind == Shown::Kind::Number && !std::isfinite(f->value))
            return false;
    }
    return true;
}

void dispatch(const Selection &s, const Inputs &in, double re, double pr, Outcome &o)
{
    const double pe = re * pr;
    switch (s.geometryType) {
    case 1:
        switch (s.heatCondition) {
        case 1: return uniformTemperature(s, re, pr, pe, o);
        case 2: return uniformFlux(s, re, pr, o);
        case 3: return unheatedStartingLength(s, in, re, pr, o);
        default: return; // no heat flow condition yet: nothing to do
        }
    case 2: return cylinder(in, re, pr, o);
    case 3: return sphere(s, in, re, pr, o);
    default: return;
    }
}

} // namespace

Outcome calculate(const Selection &selection, const Inputs &inputs)
{
    Outcome o;
    if (!finite(inputs.reynolds) || !finite(inputs.prandtl)) {
        refuse(o, text::valuesNotEntered, "Enter Reynolds and Prandtl number");
        return o;
    }
    const double re = *inputs.reynolds;
    const double pr = *inputs.prandtl;
    if (re < 0.0 || pr <= 0.0) {
        refuse(o, text::conditionsNotMet, checkReynoldsPrandtl);
        return o;
    }
    dispatch(selection, inputs, re, pr, o);
    // Only absurd magnitudes (near the double range) overflow a correlation; never show "inf".
    if (!showsOnlyFiniteNumbers(o))
        refuse(o, text::conditionsNotMet, checkReynoldsPrandtl);
    return o;
}

} // namespace nusselt
