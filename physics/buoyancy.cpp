#include "buoyancy.h"

#include "flowinputs.h"
#include "freeconvection.h"

#include <algorithm>
#include <cmath>

namespace nusselt::physics {
namespace {

// What buoyancy needs from the fluid at the film temperature.
struct FilmFacts {
    double kinematicViscosity; // m²/s
    double beta;               // 1/K, its magnitude
    double prandtl;
};

double surfaceTemperatureOf(const Problem &p, const Evaluation &e)
{
    return takesHeatFlux(p.selection) ? *e.surfaceTemperature : *p.surfaceTemperature;
}

// A typed fluid tells beta only through its two densities: -(1/rho_f) (rho_f - rho_inf) / (T_f - T_inf).
// With Ts = T_inf there is no temperature difference and Gr is 0 whatever beta is.
std::optional<FilmFacts> typedFacts(const Problem &p, const Evaluation &e, std::string &why)
{
    if (!e.film) {
        why = "No Grashof number: a fluid of one's own tells β only through its densities at T_f and T∞, "
              "and this case takes none at T_f";
        return std::nullopt;
    }
    const State &film = e.film->state;
    const double dT = *e.filmTemperature - *p.freeStreamTemperature;
    FilmFacts f{film.kinematicViscosity, 0.0, film.prandtl};
    if (dT == 0.0)
        return f;
    // Only where the case takes properties at T∞ (the cylinder): a density left in a field the case
    // does not ask for is not an input.
    if (!e.freeStream) {
        why = "No Grashof number: a fluid of one's own tells β only through its densities at T_f and T∞, "
              "and this case takes none at T∞";
        return std::nullopt;
    }
    const double rhoInf = e.freeStream->state.density;
    f.beta = std::abs((film.density - rhoInf) / (dT * film.density));
    return f;
}

std::optional<FilmFacts> filmFacts(const Problem &p, const Evaluation &e, std::string &why)
{
    if (p.fluid == FluidChoice::Custom)
        return typedFacts(p, e, why);
    const double tf = *e.filmTemperature;
    if (p.fluid == FluidChoice::Table) {
        // A property table: beta from its density's slope over 1 K about T_f (inside the table).
        const PropertyResult at = p.table ? p.table->at(tf, 0.0) : PropertyResult{};
        if (!p.table || !at.ok()) {
            why = "No Grashof number: the fluid has no properties at the film temperature";
            return std::nullopt;
        }
        const double lo = std::max(p.table->minTemperature(), tf - 0.5);
        const double hi = std::min(p.table->maxTemperature(), tf + 0.5);
        const double slope = (p.table->at(hi, 0.0).state.density - p.table->at(lo, 0.0).state.density) / (hi - lo);
        return FilmFacts{at.state.kinematicViscosity, std::abs(slope / at.state.density), at.state.prandtl};
    }
    const Fluid fluid = fluidOf(p);
    State film;
    if (e.film) {
        film = e.film->state;
    } else {
        const PropertyResult r = properties(fluid, tf, *p.pressure);
        if (!r.ok()) {
            why = "No Grashof number: the fluid has no properties at the film temperature";
            return std::nullopt;
        }
        film = r.state;
    }
    const std::optional<double> beta = expansionCoefficient(fluid, tf, *p.pressure);
    if (!beta) {
        why = "No Grashof number: the fluid has no properties at the film temperature";
        return std::nullopt;
    }
    return FilmFacts{film.kinematicViscosity, std::abs(*beta), film.prandtl};
}

} // namespace

bool isGas(Fluid fluid)
{
    switch (fluid) {
    case Fluid::Air:
    case Fluid::Steam:
        return true;
    case Fluid::Water:
    case Fluid::Sodium:
    case Fluid::NaK:
    case Fluid::Lead:
    case Fluid::LeadBismuth:
        return false;
    }
    return false;
}

std::optional<double> expansionCoefficient(Fluid fluid, double t, double pressure)
{
    const PropertyResult at = properties(fluid, t, pressure);
    if (!at.ok() || !(t > 0.0))
        return std::nullopt;
    if (isGas(fluid))
        return 1.0 / t;
    // The tables are cubics between nodes 1 K apart: a central difference over 1 K follows the
    // formulation's slope to within 3e-5 of it, and never leaves the liquid. Within expansionStep
    // of freezing or boiling the three-point one-sided difference, of the same (second) order, over
    // T, T -+ expansionStep and T -+ 2 expansionStep.
    const double h = expansionStep;
    const auto rho = [&](double temperature) -> std::optional<double> {
        const PropertyResult r = properties(fluid, temperature, pressure);
        return r.ok() ? std::optional<double>(r.state.density) : std::nullopt;
    };
    const double rho0 = at.state.density;
    const std::optional<double> below = rho(t - h), above = rho(t + h);
    double slope = 0.0;
    if (below && above) {
        slope = (*above - *below) / (2.0 * h);
    } else if (above) {
        const std::optional<double> above2 = rho(t + 2.0 * h);
        if (!above2)
            return std::nullopt;
        slope = (-3.0 * rho0 + 4.0 * *above - *above2) / (2.0 * h);
    } else if (below) {
        const std::optional<double> below2 = rho(t - 2.0 * h);
        if (!below2)
            return std::nullopt;
        slope = (3.0 * rho0 - 4.0 * *below + *below2) / (2.0 * h);
    } else {
        return std::nullopt;
    }
    return -slope / rho0;
}

void addGrashof(const Problem &p, Evaluation &e)
{
    if (!e.filmTemperature || !p.length || !p.velocity)
        return;
    const std::optional<FilmFacts> f = filmFacts(p, e, e.buoyancyNote);
    if (!f)
        return;
    const double dT = std::abs(surfaceTemperatureOf(p, e) - *p.freeStreamTemperature);
    const double length = *p.length;
    const double nu = f->kinematicViscosity;
    e.grashof = standardGravity * f->beta * dT * length * length * length / (nu * nu);
    // Re with the same film viscosity (the regular sphere's own Re is at T_inf).
    const double reynolds = *p.velocity * length / nu;
    if (reynolds > 0.0)
        e.richardson = *e.grashof / (reynolds * reynolds);
}

void addFreeConvection(const Problem &p, Evaluation &e)
{
    const Selection &s = p.selection;
    if (!e.grashof || !(s.isCylinder() || s.isSphere()))
        return;
    std::string why;
    const std::optional<FilmFacts> f = filmFacts(p, e, why);
    if (!f)
        return;
    const FreeBody body = s.isCylinder() ? FreeBody::Cylinder : FreeBody::Sphere;
    const FreeConvection free = freeConvection(body, *e.grashof * f->prandtl, f->prandtl);
    if (!std::isfinite(free.nusselt))
        return;
    for (Result &r : e.results)
        if (r.term.kind == Kind::Average && r.nusselt)
            r.combinedNusselt = combinedNusselt(*r.nusselt, free.nusselt);
    e.freeConvection = free;
}

} // namespace nusselt::physics
