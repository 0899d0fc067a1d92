#include "engine.h"

#include "correlations.h"

#include <cmath>

namespace nusselt {
namespace {

Outcome refuse(const char *boxText, const char *note)
{
    Outcome o;
    o.boxText = boxText;
    o.note = Shown::message(note);
    return o;
}

const char *const checkReynoldsPrandtl = "Check Reynolds and Prandtl numbers";
const char *const chooseLaminarOrTurbulant = "Choose Laminar or Turbulant Flow";

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

Outcome uniformTemperature(const Selection &s, double re, double pr, double pe)
{
    Outcome o;
    switch (s.flowCondition) {
    case 1: // Laminar
        if (s.fluidType == 1) {
            double local;
            if (pr >= 0.6)
                local = laminarPlateLocal(re, pr);
            else if (pe > 100.0)
                local = churchillOzoePlateLocal(re, pr);
            else
                return refuse(text::conditionsNotMet, checkReynoldsPrandtl);
            o.local = Shown::number(local);
            o.average = Shown::number(2.0 * local);
            o.note = Shown::clear();
            return o;
        }
        if (s.fluidType == 2) {
            if (!(pe >= 100.0))
                return refuse(text::conditionsNotMet, checkReynoldsPrandtl);
            o.local = Shown::number(liquidMetalPlateLocal(pe));
            o.average = Shown::clear();
            o.note = Shown::clear();
            return o;
        }
        return refuse(text::conditionsNotMet, checkReynoldsPrandtl);
    case 2: // Turbulant
        o.local = Shown::number(turbulentPlateLocal(re, pr));
        o.average = Shown::number(turbulentPlateAverage(re, pr));
        o.note = Shown::message("This is valid only if L >> x_c");
        return o;
    case 3: // Mixed Flow
        if (!(pr >= 0.6 && pr <= 60.0))
            return refuse(text::calculationFailed, "Check 0.6<Pr<60");
        if (re < mixedCriticalReynolds)
            return refuse(text::conditionsNotMet, "Mixed Flow needs Re >= 500,000");
        o.average = Shown::number(mixedPlateAverage(re, pr));
        o.note = Shown::message("Valid if Recritical = 500,000");
        o.local = Shown::clear();
        return o;
    default:
        return refuse(text::calculationFailed, "Check 0.6<Pr<60");
    }
}

Outcome uniformFlux(const Selection &s, double re, double pr)
{
    Outcome o;
    if (s.flowCondition == 1) {
        o.local = Shown::number(laminarFluxLocal(re, pr));
        o.average = Shown::number(laminarFluxAverage(re, pr));
    } else if (s.flowCondition == 2) {
        o.local = Shown::number(turbulentFluxLocal(re, pr));
        o.average = Shown::number(turbulentFluxAverage(re, pr));
    } else {
        return refuse(text::calculationFailed, chooseLaminarOrTurbulant);
    }
    o.note = Shown::clear();
    return o;
}

Outcome unheatedStartingLength(const Selection &s, const Inputs &in, double re, double pr)
{
    if (s.flowCondition != 1 && s.flowCondition != 2)
        return refuse(text::calculationFailed, chooseLaminarOrTurbulant);
    if (!finite(in.plateLength) || !finite(in.distance) || !finite(in.heatStart))
        return refuse(text::valuesNotEntered, "Enter Plate Length and Distances");
    const double length = *in.plateLength;
    const double x = *in.distance;
    const double xi = *in.heatStart;
    // The heated section must start on the plate, ahead of the point x where the local value is
    // taken; otherwise the brackets vanish or go negative.
    if (length <= 0.0 || x <= 0.0 || xi < 0.0 || xi >= x || xi >= length)
        return refuse(text::conditionsNotMet, "Check Plate Length and Distances");

    Outcome o;
    if (s.flowCondition == 1) {
        o.local = Shown::number(laminarUnheatedLocal(re, pr, length, x, xi));
        o.average = Shown::number(laminarUnheatedAverage(re, pr, length, xi));
    } else {
        o.local = Shown::number(turbulentUnheatedLocal(re, pr, length, x, xi));
        o.average = Shown::number(turbulentUnheatedAverage(re, pr, length, xi));
    }
    o.note = Shown::clear();
    return o;
}

Outcome cylinder(const Inputs &in, double re, double pr)
{
    if (!positive(in.prandtlSurface))
        return refuse(text::valuesNotEntered, "Enter Prandtl number at surface temperature");
    Outcome o;
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
    return o;
}

Outcome sphere(const Selection &s, const Inputs &in, double re, double pr)
{
    Outcome o;
    if (s.sphereType == 1) {
        if (!positive(in.mu) || !positive(in.muSurface))
            return refuse(text::valuesNotEntered, "Set Mu,Mus and Calculate");
        o.average = Shown::number(whitakerSphere(re, pr, *in.mu, *in.muSurface));
    } else if (s.sphereType == 2) {
        o.average = Shown::number(ranzMarshallDrop(re, pr));
    }
    return o;
}

bool showsOnlyFiniteNumbers(const Outcome &o)
{
    for (const Shown *f : {&o.local, &o.average, &o.note, &o.zhukauskas}) {
        if (f->kind == Shown::Kind::Number && !std::isfinite(f->value))
            return false;
    }
    return true;
}

Outcome dispatch(const Selection &s, const Inputs &in, double re, double pr)
{
    const double pe = re * pr;
    switch (s.geometryType) {
    case 1:
        switch (s.heatCondition) {
        case 1: return uniformTemperature(s, re, pr, pe);
        case 2: return uniformFlux(s, re, pr);
        case 3: return unheatedStartingLength(s, in, re, pr);
        default: return {};
        }
    case 2: return cylinder(in, re, pr);
    case 3: return sphere(s, in, re, pr);
    default: return {};
    }
}

} // namespace

Outcome calculate(const Selection &selection, const Inputs &inputs)
{
    if (!finite(inputs.reynolds) || !finite(inputs.prandtl))
        return refuse(text::valuesNotEntered, "Enter Reynolds and Prandtl number");
    const double re = *inputs.reynolds;
    const double pr = *inputs.prandtl;
    if (re < 0.0 || pr <= 0.0)
        return refuse(text::conditionsNotMet, checkReynoldsPrandtl);

    Outcome o = dispatch(selection, inputs, re, pr);
    // Only absurd magnitudes (near the double range) overflow a correlation; never show "inf".
    if (!showsOnlyFiniteNumbers(o))
        return refuse(text::conditionsNotMet, checkReynoldsPrandtl);
    return o;
}

} // namespace nusselt
