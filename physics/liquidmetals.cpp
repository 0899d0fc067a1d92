#include "liquidmetals.h"

#include <cmath>

namespace nusselt::physics::liquidmetals {
namespace {

constexpr double celsiusZero = 273.15;
constexpr double calorie = 4.1868; // J (international table calorie)

// Fink & Leibowitz (1995), ANL/RE-95/2: liquid sodium from its melting point to 1100 K.
State sodium(double T)
{
    State s;
    const double f = 1.0 - T / 2503.7;
    s.density = 219.0 + 275.32 * f + 511.58 * std::sqrt(f);
    s.specificHeat = 1658.2 - 0.84790 * T + 4.4541e-4 * T * T - 2.9926e6 / (T * T);
    s.thermalConductivity = 124.67 - 0.11381 * T + 5.5226e-5 * T * T - 1.1842e-8 * T * T * T;
    s.dynamicViscosity = std::exp(-6.4406 - 0.3958 * std::log(T) + 556.835 / T);
    return s;
}

// OECD/NEA handbook on lead and lead-bismuth eutectic (2015), recommended correlations.
State lead(double T)
{
    State s;
    s.density = 11441.0 - 1.2795 * T;
    s.specificHeat = 176.2 - 4.923e-2 * T + 1.544e-5 * T * T - 1.524e6 / (T * T);
    s.thermalConductivity = 9.2 + 0.011 * T;
    s.dynamicViscosity = 4.55e-4 * std::exp(1069.0 / T);
    return s;
}

State leadBismuth(double T)
{
    State s;
    s.density = 11065.0 - 1.293 * T;
    s.specificHeat = 164.8 - 3.94e-2 * T + 1.25e-5 * T * T - 4.56e5 / (T * T);
    s.thermalConductivity = 3.284 + 1.617e-2 * T - 2.305e-6 * T * T;
    s.dynamicViscosity = 4.94e-4 * std::exp(754.1 / T);
    return s;
}

// NaK handbook: the eutectic-near alloy of 22 % sodium and 78 % potassium by mass, its density
// from those of the two metals (additive volumes), in the handbook's units (t in °C, g/cm³,
// W/(cm K), cal/(g K), cP), converted to SI at the end.
State nak(double T)
{
    const double t = T - celsiusZero;
    const double rhoNa = 0.9453 - 2.2473e-4 * t;
    const double rhoK = 0.8415 - 2.172e-4 * t - 2.7e-8 * t * t + 4.77e-12 * t * t * t;
    const double rho = 1.0 / (0.78 / rhoK + 0.22 / rhoNa);
    const double mu = t < 400.0 ? 0.116 * std::cbrt(rho) * std::exp(688.0 * rho / T)
                                : 0.082 * std::cbrt(rho) * std::exp(979.0 * rho / T);
    State s;
    s.density = rho * 1e3;
    s.thermalConductivity = (0.214 + 2.07e-4 * t - 2.2e-7 * t * t) * 100.0;
    s.specificHeat = (0.2320 - 8.82e-5 * t + 8.23e-8 * t * t) * calorie * 1e3;
    s.dynamicViscosity = mu * 1e-3;
    return s;
}

} // namespace

Range rangeOf(Fluid metal)
{
    switch (metal) {
    case Fluid::Sodium: return {371.0, 1100.0};
    case Fluid::NaK: return {150.0 + celsiusZero, 680.0 + celsiusZero};
    case Fluid::Lead: return {600.0, 1800.0};
    case Fluid::LeadBismuth: return {400.0, 1100.0};
    default: return {0.0, 0.0};
    }
}

State at(Fluid metal, double T, double P)
{
    State s;
    switch (metal) {
    case Fluid::Sodium: s = sodium(T); break;
    case Fluid::NaK: s = nak(T); break;
    case Fluid::Lead: s = lead(T); break;
    case Fluid::LeadBismuth: s = leadBismuth(T); break;
    default: break;
    }
    s.temperature = T;
    s.pressure = P;
    completeState(s);
    return s;
}

} // namespace nusselt::physics::liquidmetals
