#include "sweep.h"

#include "curves.h"

#include <algorithm>
#include <cmath>

namespace nusselt::physics {
namespace {

bool sameTerm(const Term &a, const Term &b)
{
    return a.correlation == b.correlation && a.kind == b.kind;
}

bool sameTerms(const Terms &a, const Terms &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameTerm);
}

// The column of a term, or the number of columns when the sweep never met it.
std::size_t columnOf(const std::vector<SweepColumn> &columns, const Term &term)
{
    return static_cast<std::size_t>(std::find_if(columns.begin(), columns.end(),
                                                 [&](const SweepColumn &c) { return sameTerm(c.term, term); })
                                    - columns.begin());
}

} // namespace

std::string_view nameOf(SweepInput input)
{
    switch (input) {
    case SweepInput::Reynolds: return "Re";
    case SweepInput::Prandtl: return "Pr";
    case SweepInput::Velocity: return "Velocity";
    case SweepInput::Length: return "Length";
    case SweepInput::FreeStreamTemperature: return "Free-stream temperature";
    case SweepInput::SurfaceTemperature: return "Surface temperature";
    case SweepInput::HeatFlux: return "Heat flux";
    case SweepInput::Pressure: return "Pressure";
    }
    return {};
}

std::vector<SweepInput> sweepInputs(const Problem &problem, bool physical)
{
    if (!physical)
        return {SweepInput::Reynolds, SweepInput::Prandtl};
    std::vector<SweepInput> in{SweepInput::Velocity, SweepInput::Length, SweepInput::FreeStreamTemperature,
                               takesHeatFlux(problem.selection) ? SweepInput::HeatFlux : SweepInput::SurfaceTemperature};
    if (problem.fluid != FluidChoice::Custom && problem.fluid != FluidChoice::Table)
        in.push_back(SweepInput::Pressure);
    return in;
}

Sweep::Sweep(const Selection &s, const Inputs &in, SweepInput input, std::vector<double> steps)
    : swept(input), selection(s), inputs(in), values(std::move(steps))
{
    if (input != SweepInput::Prandtl) {
        addColumns(termsOf(s, pointOf(in).prandtl));
        return;
    }
    for (double pr : values)
        addColumns(termsOf(s, pr));
}

Sweep::Sweep(const Problem &p, SweepInput input, std::vector<double> steps)
    : swept(input), isPhysical(true), selection(p.selection), problem(p), values(std::move(steps))
{
    // Only the laminar plate's relation depends on Pr, and only there is each step evaluated to
    // learn its columns.
    const bool metal = isLiquidMetal(p.fluid);
    const Terms below = termsOf(selection, std::nextafter(laminarPlateMinPrandtl, 0.0), metal);
    const Terms above = termsOf(selection, laminarPlateMinPrandtl, metal);
    if (sameTerms(below, above)) {
        addColumns(above);
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        if (const std::optional<double> pr = evaluate(problemAt(i)).prandtl)
            addColumns(termsOf(selection, *pr, metal));
    if (cols.empty())
        addColumns(above);
}

void Sweep::addColumns(const Terms &terms)
{
    const std::size_t before = cols.size();
    for (const Term &t : terms)
        if (columnOf(cols, t) == cols.size())
            cols.push_back(SweepColumn{t, {}});
    if (cols.size() == before)
        return;
    std::vector<Term> all;
    for (const SweepColumn &c : cols)
        all.push_back(c.term);
    const std::vector<std::string> labels = labelsOf(all);
    for (std::size_t i = 0; i < cols.size(); ++i)
        cols[i].label = labels[i];
}

Problem Sweep::problemAt(std::size_t index) const
{
    Problem varied = problem;
    const double v = values[index];
    switch (swept) {
    case SweepInput::Velocity: varied.velocity = v; break;
    case SweepInput::Length: varied.length = v; break;
    case SweepInput::FreeStreamTemperature: varied.freeStreamTemperature = v; break;
    case SweepInput::SurfaceTemperature: varied.surfaceTemperature = v; break;
    case SweepInput::HeatFlux: varied.heatFlux = v; break;
    case SweepInput::Pressure: varied.pressure = v; break;
    case SweepInput::Reynolds:
    case SweepInput::Prandtl: break; // not inputs of a physical problem
    }
    return varied;
}

SweepRow Sweep::row(std::size_t index) const
{
    SweepRow row{values[index], std::vector<SweepCell>(cols.size()), {}};
    if (!isPhysical) {
        Inputs varied = inputs;
        (swept == SweepInput::Prandtl ? varied.prandtl : varied.reynolds) = row.value;
        for (const Operating &o : operatingPoints(selection, varied))
            if (const std::size_t c = columnOf(cols, o.term); c < cols.size())
                row.cells[c] = SweepCell{{}, {}, o.nusselt, {}, {}, {}, {}, o.outside};
        return row;
    }
    const Evaluation e = evaluate(problemAt(index));
    if (!e.messages.empty())
        row.refusal = e.messages.front().text;
    for (const Result &r : e.results)
        if (const std::size_t c = columnOf(cols, r.term); c < cols.size())
            row.cells[c] = SweepCell{r.reynolds, r.prandtl, r.nusselt, r.heatTransferCoefficient, r.heatFlux,
                                     r.heatRate, r.temperatureDifference, r.outsideRange};
    return row;
}

bool Sweep::fixedProperties() const
{
    return isPhysical && problem.fluid == FluidChoice::Custom
        && (swept == SweepInput::FreeStreamTemperature || swept == SweepInput::SurfaceTemperature
            || swept == SweepInput::HeatFlux || swept == SweepInput::Pressure);
}

} // namespace nusselt::physics
