#include "properties.h"

#include "liquidmetals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nusselt::physics {

namespace {

// Node layouts of the generated tables.
// Air and steam: compressibility factor P/(rho R T), Pa s, W/(m K), J/(kg K), m/s.
struct GasNode {
    double z, mu, k, cp, w;
};
using AirNode = GasNode;
using SteamNode = GasNode;
struct WaterNode {
    double psat;               // Pa
    double rho, mu, k, cp;     // saturated liquid
    double dRho, dMu, dK, dCp; // d/dP in the compressed liquid, per Pa
};

#include "tables/air_table.inc"
#include "tables/steam_table.inc"
#include "tables/water_table.inc"

constexpr double airMinTemperature = 200.0;
constexpr double airMaxTemperature = 1500.0;
constexpr double waterTriplePoint = 273.16; // K
constexpr double pressureMin = 1.0e4;
constexpr double pressureMax = 1.0e6;

static_assert(airTemperatureFirst == airMinTemperature
              && airTemperatureFirst + (airTemperatureCount - 1) * airTemperatureStep == airMaxTemperature,
              "the air table spans the air range exactly");
static_assert(airPressureFirst == pressureMin
              && airPressureFirst + (airPressureCount - 1) * airPressureStep == pressureMax,
              "the air table spans the pressure range exactly");
static_assert(waterTemperatureFirst == waterTriplePoint
              && waterTemperatureFirst + (waterTemperatureCount - 1) * waterTemperatureStep > 453.1,
              "the water table reaches past the boiling point at 10 bar (453.03 K)");
static_assert(steamLogPressureCount > 4 && steamThetaCount > 4, "the steam table has a cubic's nodes");

// Four-point Lagrange cubic on a uniform grid: the four nodes first..first+3 and their weights.
// The stencil is centred on the interval holding x and shifted inwards at the ends of the table,
// so nothing is ever extrapolated; the error is of fourth order in the node spacing.
struct Stencil {
    int first;
    double w[4];
};

Stencil stencil(double x, double origin, double step, int count)
{
    const double s = (x - origin) / step;
    int i = static_cast<int>(std::floor(s)) - 1;
    if (i < 0)
        i = 0;
    if (i > count - 4)
        i = count - 4;
    const double t = s - i; // nodes at t = 0, 1, 2, 3
    const double a = t, b = t - 1, c = t - 2, d = t - 3;
    return {i, {-b * c * d / 6, a * c * d / 2, -a * b * d / 2, a * b * c / 6}};
}

double saturationTemperature(double pressurePa)
{
    const Stencil s = stencil(std::log(pressurePa), saturationLogPressureFirst,
                              saturationLogPressureStep, saturationCount);
    double inverse = 0;
    for (int n = 0; n < 4; ++n)
        inverse += s.w[n] * saturationInverseTemperature[s.first + n];
    return 1.0 / inverse;
}

// A gas on a table of nodes, temperature coordinate first, interpolated bicubically at the
// stencils t and p. Z rather than rho: it stays within 3 % of one over air's whole range, where rho
// spans a factor of 750, so a cubic follows it far more closely.
State gas(double T, double P, const GasNode *nodes, int pressureCount, const Stencil &t, const Stencil &p,
          double gasConstant)
{
    GasNode sum{0, 0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        const GasNode *row = nodes + (t.first + i) * pressureCount + p.first;
        for (int j = 0; j < 4; ++j) {
            const double w = t.w[i] * p.w[j];
            sum.z += w * row[j].z;
            sum.mu += w * row[j].mu;
            sum.k += w * row[j].k;
            sum.cp += w * row[j].cp;
            sum.w += w * row[j].w;
        }
    }
    State st;
    st.temperature = T;
    st.pressure = P;
    st.density = P / (sum.z * gasConstant * T);
    st.dynamicViscosity = sum.mu;
    st.thermalConductivity = sum.k;
    st.specificHeat = sum.cp;
    st.speedOfSound = sum.w;
    completeState(st);
    return st;
}

State air(double T, double P)
{
    return gas(T, P, airNodes, airPressureCount,
               stencil(T, airTemperatureFirst, airTemperatureStep, airTemperatureCount),
               stencil(P, airPressureFirst, airPressureStep, airPressureCount), airGasConstant);
}

State water(double T, double P)
{
    const Stencil t = stencil(T, waterTemperatureFirst, waterTemperatureStep, waterTemperatureCount);
    WaterNode sum{0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        const WaterNode &n = waterNodes[t.first + i];
        const double w = t.w[i];
        sum.psat += w * n.psat;
        sum.rho += w * n.rho;
        sum.mu += w * n.mu;
        sum.k += w * n.k;
        sum.cp += w * n.cp;
        sum.dRho += w * n.dRho;
        sum.dMu += w * n.dMu;
        sum.dK += w * n.dK;
        sum.dCp += w * n.dCp;
    }
    // At T = Tsat(P) the two interpolations (Psat along T, Tsat along ln P) may disagree by a
    // fraction of a pascal; the state is then saturated liquid, never "below" saturation.
    const double compression = P > sum.psat ? P - sum.psat : 0.0;
    State st;
    st.temperature = T;
    st.pressure = P;
    st.density = sum.rho + compression * sum.dRho;
    st.dynamicViscosity = sum.mu + compression * sum.dMu;
    st.thermalConductivity = sum.k + compression * sum.dK;
    st.specificHeat = sum.cp + compression * sum.dCp;
    completeState(st);
    return st;
}

// Superheated steam between saturation and steamTemperatureMax, on the table's grid of
// u = sqrt((T - Tsat) / (Tmax - Tsat)) and ln P; the boiling temperature is the one of liquid water.
State steam(double T, double P, double saturation)
{
    const double u = std::sqrt(std::max(0.0, (T - saturation) / (steamTemperatureMax - saturation)));
    return gas(T, P, steamNodes, steamLogPressureCount, stencil(u, 0.0, 1.0 / (steamThetaCount - 1), steamThetaCount),
               stencil(std::log(P), steamLogPressureFirst, steamLogPressureStep, steamLogPressureCount),
               steamGasConstant);
}

PropertyResult refused(Issue issue, double limit)
{
    PropertyResult r;
    r.issue = issue;
    r.limit = limit;
    return r;
}

} // namespace

void completeState(State &st)
{
    st.kinematicViscosity = st.dynamicViscosity / st.density;
    st.prandtl = st.specificHeat * st.dynamicViscosity / st.thermalConductivity;
}

PropertyResult properties(Fluid fluid, double temperatureK, double pressurePa)
{
    const double T = temperatureK, P = pressurePa;
    if (!std::isfinite(T) || !std::isfinite(P))
        return refused(Issue::NotFinite, 0);
    if (T < 0)
        return refused(Issue::BelowAbsoluteZero, 0);
    if (P < pressureMin)
        return refused(Issue::PressureBelowRange, pressureMin);
    if (P > pressureMax)
        return refused(Issue::PressureAboveRange, pressureMax);

    PropertyResult r;
    switch (fluid) {
    case Fluid::Air:
        if (T < airMinTemperature)
            return refused(Issue::TemperatureBelowRange, airMinTemperature);
        if (T > airMaxTemperature)
            return refused(Issue::TemperatureAboveRange, airMaxTemperature);
        r.state = air(T, P);
        return r;
    case Fluid::Water: {
        if (T < waterTriplePoint)
            return refused(Issue::Freezes, waterTriplePoint);
        const double boiling = saturationTemperature(P);
        if (T > boiling)
            return refused(Issue::Boils, boiling);
        r.state = water(T, P);
        return r;
    }
    case Fluid::Steam: {
        const double boiling = saturationTemperature(P);
        if (T < boiling)
            return refused(Issue::Condenses, boiling);
        if (T > steamTemperatureMax)
            return refused(Issue::TemperatureAboveRange, steamTemperatureMax);
        r.state = steam(T, P, boiling);
        return r;
    }
    case Fluid::Sodium:
    case Fluid::NaK:
    case Fluid::Lead:
    case Fluid::LeadBismuth: {
        const liquidmetals::Range range = liquidmetals::rangeOf(fluid);
        if (T < range.min)
            return refused(Issue::TemperatureBelowRange, range.min);
        if (T > range.max)
            return refused(Issue::TemperatureAboveRange, range.max);
        r.state = liquidmetals::at(fluid, T, P);
        return r;
    }
    }
    return refused(Issue::NotFinite, 0);
}

double minTemperature(Fluid fluid)
{
    switch (fluid) {
    case Fluid::Air: return airMinTemperature;
    case Fluid::Water: return waterTriplePoint;
    case Fluid::Steam: return saturationTemperature(pressureMin);
    default: return liquidmetals::rangeOf(fluid).min;
    }
}

double minTemperature(Fluid fluid, double pressurePa)
{
    return fluid == Fluid::Steam ? waterBoilingTemperature(pressurePa) : minTemperature(fluid);
}

double maxTemperature(Fluid fluid, double pressurePa)
{
    switch (fluid) {
    case Fluid::Air: return airMaxTemperature;
    case Fluid::Water: return waterBoilingTemperature(pressurePa);
    case Fluid::Steam: return steamTemperatureMax;
    default: return liquidmetals::rangeOf(fluid).max;
    }
}

std::string_view fluidName(Fluid fluid)
{
    static constexpr std::string_view names[] = {"Air", "Water", "Steam", "Sodium", "NaK", "Lead", "Lead-bismuth"};
    return names[static_cast<int>(fluid)];
}

std::string_view fluidWord(Fluid fluid)
{
    static constexpr std::string_view words[] = {"air", "water", "steam", "sodium", "nak", "lead", "lead-bismuth"};
    return words[static_cast<int>(fluid)];
}

std::string_view fluidSource(Fluid fluid)
{
    static constexpr std::string_view sources[] = {
        "Lemmon et al. (2000), transport Lemmon & Jacobsen (2004)",
        "IAPWS-95, viscosity IAPWS 2008, thermal conductivity IAPWS 2011",
        "IAPWS-95, viscosity IAPWS 2008, thermal conductivity IAPWS 2011",
        "Fink & Leibowitz (1995), ANL/RE-95/2",
        "NaK handbook (22 % Na, 78 % K by mass)",
        "OECD/NEA lead and lead-bismuth eutectic handbook (2015)",
        "OECD/NEA lead and lead-bismuth eutectic handbook (2015)"};
    return sources[static_cast<int>(fluid)];
}

bool isLiquidMetal(Fluid fluid)
{
    return fluid == Fluid::Sodium || fluid == Fluid::NaK || fluid == Fluid::Lead || fluid == Fluid::LeadBismuth;
}

std::optional<Uncertainty> uncertaintyOf(Fluid fluid)
{
    // As the handbook states them for its recommended correlations.
    if (fluid == Fluid::Lead)
        return Uncertainty{0.01, 0.05, 0.15, 0.05};
    if (fluid == Fluid::LeadBismuth)
        return Uncertainty{0.008, 0.07, 0.15, 0.08};
    return std::nullopt;
}

std::string uncertaintyText(Fluid fluid)
{
    const std::optional<Uncertainty> u = uncertaintyOf(fluid);
    if (!u)
        return {};
    const auto part = [](const char *symbol, double v) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%s ±%g %%", symbol, v * 100.0);
        return std::string(buf);
    };
    return part("ρ", u->density) + ", " + part("c_p", u->specificHeat) + ", "
        + part("k", u->thermalConductivity) + ", " + part("μ", u->dynamicViscosity);
}

double minPressure(Fluid)
{
    return pressureMin;
}

double maxPressure(Fluid)
{
    return pressureMax;
}

double waterBoilingTemperature(double pressurePa)
{
    if (!(pressurePa >= pressureMin && pressurePa <= pressureMax))
        return std::nan("");
    return saturationTemperature(pressurePa);
}

} // namespace nusselt::physics
