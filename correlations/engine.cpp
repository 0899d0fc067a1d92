#include "engine.h"

#include "catalog.h"

#include <cmath>
#include <optional>

namespace nusselt {
namespace {

// Which correlations a case has is the catalog's to say (termsOf); here is what the calculator
// adds: the inputs it refuses, and where and how each of the catalog's numbers is shown.

struct Refusal {
    std::string_view boxText;
    std::string_view note;
};

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

std::optional<Refusal> uniformTemperatureRefusal(const Selection &s, double re, double pr)
{
    const double pe = re * pr;
    switch (s.flow) {
    case FlowCondition::Laminar:
        if (s.fluidType == FluidType::Regular) {
            // Churchill-Ozoe below the laminar relation's Prandtl numbers, for Pe > 100 only.
            if (pr >= laminarPlateMinPrandtl || pe > 100.0)
                return std::nullopt;
        } else if (s.fluidType == FluidType::LiquidMetal) {
            if (pe >= 100.0)
                return std::nullopt;
        }
        return Refusal{text::conditionsNotMet, checkReynoldsPrandtl};
    case FlowCondition::Turbulent:
        return std::nullopt;
    case FlowCondition::Mixed:
        if (!(pr >= 0.6 && pr <= 60.0))
            return Refusal{text::calculationFailed, "Check 0.6<Pr<60"};
        // Below the transition the relation drops under the laminar value and turns negative.
        if (re < plateTransitionReynolds)
            return Refusal{text::conditionsNotMet, "Mixed Flow needs Re >= 500,000"};
        return std::nullopt;
    default:
        return Refusal{text::calculationFailed, "Check 0.6<Pr<60"};
    }
}

// What the case refuses before anything is evaluated; nothing when its inputs are complete.
std::optional<Refusal> refusalOf(const Selection &s, const Inputs &in, double re, double pr)
{
    const bool laminarOrTurbulent = s.flow == FlowCondition::Laminar || s.flow == FlowCondition::Turbulent;
    if (s.isPlate()) {
        switch (s.heat) {
        case HeatCondition::UniformTemperature:
            return uniformTemperatureRefusal(s, re, pr);
        case HeatCondition::UniformFlux:
            if (!laminarOrTurbulent)
                return Refusal{text::calculationFailed, chooseLaminarOrTurbulant};
            return std::nullopt;
        case HeatCondition::UnheatedStartingLength:
            if (!laminarOrTurbulent)
                return Refusal{text::calculationFailed, chooseLaminarOrTurbulant};
            if (!finite(in.plateLength) || !finite(in.distance) || !finite(in.heatStart))
                return Refusal{text::valuesNotEntered, "Enter Plate Length and Distances"};
            if (!unheatedLengthsValid(pointOf(in)))
                return Refusal{text::conditionsNotMet, "Check Plate Length and Distances"};
            return std::nullopt;
        default:
            return std::nullopt; // no heat flow condition yet: nothing to do
        }
    }
    if (s.isCylinder() && !positive(in.prandtlSurface))
        return Refusal{text::valuesNotEntered, "Enter Prandtl number at surface temperature"};
    if (s.isRegularSphere() && (!positive(in.mu) || !positive(in.muSurface)))
        return Refusal{text::valuesNotEntered, "Set Mu,Mus and Calculate"};
    return std::nullopt;
}

// Where the calculator shows a correlation's number: the field, the words after the number, the
// text shown instead where the correlation has no value, and (plate) the note beside it.
struct Placement {
    Shown Outcome::*field;
    std::string_view suffix;
    std::string_view failed;
    Shown note = Shown::clear();
};

Placement placementOf(const Term &term)
{
    switch (term.correlation) {
    case Correlation::CylinderStagnation: return {&Outcome::local, " at stagnation", {}};
    case Correlation::Hilpert: return {&Outcome::average, " Hilpert", "Hilpert Failed"};
    case Correlation::ChurchillBernstein: return {&Outcome::note, " Churchill", {}};
    case Correlation::Zhukauskas: return {&Outcome::zhukauskas, " Zhukauskas", "Zhukauskas Failed"};
    case Correlation::TurbulentPlate:
        return {term.kind == Kind::Local ? &Outcome::local : &Outcome::average, {}, {},
                Shown::message("This is valid only if L >> x_c")};
    case Correlation::MixedPlate:
        return {&Outcome::average, {}, {}, Shown::message("Valid if Recritical = 500,000")};
    default:
        return {term.kind == Kind::Local ? &Outcome::local : &Outcome::average, {}, {}};
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

void refuse(Outcome &o, std::string_view boxText, std::string_view note)
{
    o = Outcome{};
    o.boxText = boxText;
    o.note = Shown::message(note);
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
    if (const auto refusal = refusalOf(selection, inputs, re, pr)) {
        refuse(o, refusal->boxText, refusal->note);
        return o;
    }
    const Terms terms = termsOf(selection, pr);
    // A plate case writes both Nusselt fields and the note: what it has no number for is cleared.
    if (selection.isPlate() && !terms.empty()) {
        o.local = Shown::clear();
        o.average = Shown::clear();
        o.note = Shown::clear();
    }
    const Point point = pointOf(inputs);
    for (const Term &term : terms) {
        const Placement place = placementOf(term);
        if (selection.isPlate())
            o.note = place.note;
        if (const auto nu = correlationValue(term, point)) {
            o.*place.field = Shown::number(*nu, place.suffix);
        } else if (!place.failed.empty()) {
            // Out of range, say so where the number would stand rather than leave an older one there.
            o.*place.field = Shown::message(place.failed);
            if (term.correlation == Correlation::Zhukauskas)
                o.zhukauskasFailedLine = true;
        } else {
            refuse(o, text::conditionsNotMet, checkReynoldsPrandtl);
            return o;
        }
    }
    // Only absurd magnitudes (near the double range) overflow a correlation; never show "inf".
    if (!showsOnlyFiniteNumbers(o))
        refuse(o, text::conditionsNotMet, checkReynoldsPrandtl);
    return o;
}

} // namespace nusselt
