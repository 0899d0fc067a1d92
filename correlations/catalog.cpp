#include "catalog.h"

#include "banks.h"
#include "correlations.h"
#include "freeconvection.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace nusselt {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

constexpr double plateTransition = plateTransitionReynolds;

struct Entry {
    std::string_view name;
    Reference reference;
    ValidityRange range;
};

// Published validity ranges: Incropera & DeWitt ch. 7 for the plate (laminar below the
// transition, turbulent 0.6 <= Pr <= 60 up to Re = 10^8); Hilpert's table 0.4 to 4·10^5, Pr >= 0.7;
// Churchill & Bernstein Re Pr >= 0.2; Zhukauskas 1 to 10^6, 0.7 <= Pr <= 500; Whitaker 3.5 to
// 7.6·10^4, 0.71 <= Pr <= 380, 1 <= mu/mu_s <= 3.2; Ranz & Marshall's drops Re up to 200, Pr up to 250;
// Zukauskas' tube bank 10 <= Re_max <= 2·10^6, 0.7 <= Pr <= 500; Grimison 2000 <= Re_max <= 40,000,
// Pr >= 0.7; the non-circular sections Pr >= 0.7 and their own Reynolds ranges (sectionRange: here
// the span of every section's).
// The liquid metals': Ishiguro et al. (1979) 1 <= Re Pr <= 100; Witte (1968) 3.6·10^4 <= Re <= 1.5·10^5;
// neither states a Prandtl range beyond that of the liquid metals it was measured in.
const Entry &entry(Correlation c)
{
    static const Entry entries[] = {
        {"Laminar plate", Reference::Film, {0.0, plateTransition, 0.6, inf, 0.0, 0.0, inf}},
        {"Churchill-Ozoe", Reference::Film, {0.0, plateTransition, 0.0, inf, 100.0, 0.0, inf}},
        {"Liquid metal plate", Reference::Film, {0.0, plateTransition, 0.0, 0.05, 100.0, 0.0, inf}},
        {"Turbulent plate", Reference::Film, {plateTransition, 1.0e8, 0.6, 60.0, 0.0, 0.0, inf}},
        {"Mixed boundary layer", Reference::Film, {plateTransition, 1.0e8, 0.6, 60.0, 0.0, 0.0, inf}},
        {"Laminar, uniform flux", Reference::Film, {0.0, plateTransition, 0.6, inf, 0.0, 0.0, inf}},
        {"Turbulent, uniform flux", Reference::Film, {plateTransition, 1.0e8, 0.6, 60.0, 0.0, 0.0, inf}},
        {"Laminar, unheated start", Reference::Film, {0.0, plateTransition, 0.6, inf, 0.0, 0.0, inf}},
        {"Turbulent, unheated start", Reference::Film, {plateTransition, 1.0e8, 0.6, 60.0, 0.0, 0.0, inf}},
        {"Stagnation point", Reference::Film, {0.0, inf, 0.6, inf, 0.0, 0.0, inf}},
        {"Hilpert", Reference::Film, {0.4, 4.0e5, 0.7, inf, 0.0, 0.0, inf}},
        {"Churchill-Bernstein", Reference::Film, {0.0, inf, 0.0, inf, 0.2, 0.0, inf}},
        {"Zhukauskas", Reference::FreeStream, {1.0, 1.0e6, 0.7, 500.0, 0.0, 0.0, inf}},
        {"Whitaker", Reference::FreeStream, {3.5, 7.6e4, 0.71, 380.0, 0.0, 1.0, 3.2}},
        {"Ranz-Marshall", Reference::Film, {0.0, 200.0, 0.0, 250.0, 0.0, 0.0, inf}},
        {"Zukauskas tube bank", Reference::BankMean, {10.0, 2.0e6, 0.7, 500.0, 0.0, 0.0, inf}},
        {"Grimison", Reference::Film, {2000.0, 4.0e4, 0.7, inf, 0.0, 0.0, inf}},
        {"Sparrow-Abraham-Tong", Reference::Film, {4500.0, 1.05e5, 0.7, inf, 0.0, 0.0, inf}},
        {"Sparrow-Abraham-Tong back face", Reference::Film, {7000.0, 8.0e4, 0.7, inf, 0.0, 0.0, inf}},
        {"Jakob", Reference::Film, {4000.0, 1.0e5, 0.7, inf, 0.0, 0.0, inf}},
        {"Ishiguro", Reference::Film, {0.0, inf, 0.0, inf, 1.0, 0.0, inf, 100.0}},
        {"Witte", Reference::Film, {3.6e4, 1.5e5, 0.0, inf, 0.0, 0.0, inf}},
    };
    return entries[static_cast<int>(c)];
}

void add(Terms &terms, Correlation c, Kind k)
{
    terms.items[terms.count++] = Term{c, k};
}

// The table of a non-circular correlation at the point's section.
SectionTable sectionTableOf(Correlation c, const Point &p)
{
    return sectionTable(p.section, c != Correlation::JakobSection, c == Correlation::SparrowPlateBack);
}

bool isSectionCorrelation(Correlation c)
{
    return c == Correlation::SparrowSection || c == Correlation::SparrowPlateBack || c == Correlation::JakobSection;
}

} // namespace

bool unheatedLengthsValid(const Point &p)
{
    return std::isfinite(p.plateLength) && std::isfinite(p.distance) && std::isfinite(p.heatStart)
        && p.plateLength > 0.0 && p.distance > 0.0 && p.heatStart >= 0.0 && p.heatStart < p.distance
        && p.heatStart < p.plateLength;
}

std::optional<double> correlationValue(const Term &t, const Point &p)
{
    const double re = p.reynolds;
    const double pr = p.prandtl;
    const bool local = t.kind == Kind::Local;
    switch (t.correlation) {
    case Correlation::LaminarPlate:
        return local ? laminarPlateLocal(re, pr) : laminarPlateAverage(re, pr);
    case Correlation::ChurchillOzoePlate:
        return local ? churchillOzoePlateLocal(re, pr) : churchillOzoePlateAverage(re, pr);
    case Correlation::LiquidMetalPlate:
        if (!local)
            return std::nullopt;
        return liquidMetalPlateLocal(re * pr);
    case Correlation::TurbulentPlate:
        return local ? turbulentPlateLocal(re, pr) : turbulentPlateAverage(re, pr);
    case Correlation::MixedPlate:
        // Below the transition the relation falls under the laminar value and turns negative.
        if (local || re < plateTransition)
            return std::nullopt;
        return mixedPlateAverage(re, pr);
    case Correlation::LaminarFlux:
        return local ? laminarFluxLocal(re, pr) : laminarFluxAverage(re, pr);
    case Correlation::TurbulentFlux:
        return local ? turbulentFluxLocal(re, pr) : turbulentFluxAverage(re, pr);
    case Correlation::LaminarUnheated:
        if (!unheatedLengthsValid(p))
            return std::nullopt;
        return local ? laminarUnheatedLocal(re, pr, p.plateLength, p.distance, p.heatStart)
                     : laminarUnheatedAverage(re, pr, p.plateLength, p.heatStart);
    case Correlation::TurbulentUnheated:
        if (!unheatedLengthsValid(p))
            return std::nullopt;
        return local ? turbulentUnheatedLocal(re, pr, p.plateLength, p.distance, p.heatStart)
                     : turbulentUnheatedAverage(re, pr, p.plateLength, p.heatStart);
    case Correlation::CylinderStagnation:
        return cylinderStagnation(re, pr);
    case Correlation::Hilpert:
        return hilpert(re, pr);
    case Correlation::ChurchillBernstein:
        return churchillBernstein(re, pr);
    case Correlation::Zhukauskas:
        if (!(p.prandtlSurface > 0.0))
            return std::nullopt;
        return zhukauskas(re, pr, p.prandtlSurface);
    case Correlation::Whitaker:
        if (!(p.viscosity > 0.0) || !(p.viscositySurface > 0.0))
            return std::nullopt;
        return whitakerSphere(re, pr, p.viscosity, p.viscositySurface);
    case Correlation::RanzMarshall:
        return ranzMarshallDrop(re, pr);
    case Correlation::ZukauskasBank:
        return zukauskasBank(p.arrangement, re, pr, p.prandtlSurface, p.transversePitch, p.longitudinalPitch, p.rows);
    case Correlation::Grimison:
        return grimison(p.arrangement, re, pr, p.transversePitch, p.longitudinalPitch, p.rows);
    case Correlation::SparrowSection:
    case Correlation::SparrowPlateBack:
    case Correlation::JakobSection:
        return nonCircular(sectionTableOf(t.correlation, p), re, pr);
    case Correlation::Ishiguro:
        return ishiguroCylinder(re * pr);
    case Correlation::Witte:
        return witteSphere(re * pr);
    }
    return std::nullopt;
}

namespace {

const char *const superscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};

std::string exponentText(int e)
{
    std::string s = e < 0 ? "⁻" : "";
    const std::string digits = std::to_string(e < 0 ? -e : e);
    for (char d : digits)
        s += superscripts[d - '0'];
    return s;
}

// "a to b", "≥ a" or "≤ b" for one quantity.
std::string bounds(double lo, double hi)
{
    if (lo > 0.0 && std::isfinite(hi))
        return roundedNumber(lo) + " to " + roundedNumber(hi);
    if (std::isfinite(hi))
        return "≤ " + roundedNumber(hi);
    return "≥ " + roundedNumber(lo);
}

// A value beyond a bound, with the digits that tell it from the bound ("Re = 500001 above ...
// ≤ 5·10⁵" rather than "Re = 5·10⁵ above ... ≤ 5·10⁵").
std::string beyond(double v, double bound)
{
    const std::string boundText = roundedNumber(bound);
    std::string text = roundedNumber(v);
    for (int digits = 4; text == boundText && digits <= 17; ++digits)
        text = roundedNumber(v, digits);
    return text;
}

void check(std::vector<std::string> &out, std::string_view symbol, double v, double lo, double hi,
           std::string_view name)
{
    if (!std::isfinite(v))
        return;
    const char *side = nullptr;
    if (v < lo)
        side = " below ";
    else if (v > hi)
        side = " above ";
    if (!side)
        return;
    std::string s(symbol);
    s += " = ";
    s += beyond(v, v < lo ? lo : hi);
    s += side;
    s += "the ";
    s += name;
    s += " range ";
    s += bounds(lo, hi);
    out.push_back(std::move(s));
}

} // namespace

Terms termsOf(const Selection &s, double prandtl, bool liquidMetal)
{
    Terms t;
    if (s.isPlate()) {
        const bool flux = s.heat == HeatCondition::UniformFlux;
        const bool laminar = s.flow == FlowCondition::Laminar;
        const bool turbulent = s.flow == FlowCondition::Turbulent;
        if (s.heat == HeatCondition::UniformTemperature) {
            if (laminar && s.fluidType == FluidType::Regular) {
                const Correlation c = prandtl >= laminarPlateMinPrandtl ? Correlation::LaminarPlate
                                                                        : Correlation::ChurchillOzoePlate;
                add(t, c, Kind::Local);
                add(t, c, Kind::Average);
            } else if (laminar && s.fluidType == FluidType::LiquidMetal) {
                add(t, Correlation::LiquidMetalPlate, Kind::Local);
            } else if (turbulent) {
                add(t, Correlation::TurbulentPlate, Kind::Local);
                add(t, Correlation::TurbulentPlate, Kind::Average);
            } else if (s.flow == FlowCondition::Mixed) {
                add(t, Correlation::MixedPlate, Kind::Average);
            }
        } else if (flux || s.heat == HeatCondition::UnheatedStartingLength) {
            if (laminar) {
                add(t, flux ? Correlation::LaminarFlux : Correlation::LaminarUnheated, Kind::Local);
                add(t, flux ? Correlation::LaminarFlux : Correlation::LaminarUnheated, Kind::Average);
            } else if (turbulent) {
                add(t, flux ? Correlation::TurbulentFlux : Correlation::TurbulentUnheated, Kind::Local);
                add(t, flux ? Correlation::TurbulentFlux : Correlation::TurbulentUnheated, Kind::Average);
            }
        }
    } else if (s.isCylinder()) {
        // In the order of the calculator's fields: local, average, note, the field below.
        add(t, Correlation::CylinderStagnation, Kind::Local);
        add(t, Correlation::Hilpert, Kind::Average);
        add(t, Correlation::ChurchillBernstein, Kind::Average);
        add(t, Correlation::Zhukauskas, Kind::Average);
        if (liquidMetal)
            add(t, Correlation::Ishiguro, Kind::Average);
    } else if (s.isSphere()) {
        if (s.sphere == SphereType::Regular)
            add(t, Correlation::Whitaker, Kind::Average);
        else if (s.sphere == SphereType::Drops)
            add(t, Correlation::RanzMarshall, Kind::Average);
        if (liquidMetal && !t.empty())
            add(t, Correlation::Witte, Kind::Average);
    } else if (s.isTubeBank() && s.arrangement != Arrangement::None) {
        add(t, Correlation::ZukauskasBank, Kind::Average);
        add(t, Correlation::Grimison, Kind::Average);
    } else if (s.isNonCircular() && s.section != Section::None) {
        // The newer tabulation first: the one used; the older one beside it.
        add(t, Correlation::SparrowSection, Kind::Average);
        if (s.section == Section::Plate)
            add(t, Correlation::SparrowPlateBack, Kind::Average);
        add(t, Correlation::JakobSection, Kind::Average);
    }
    return t;
}

Point pointOf(const Inputs &in)
{
    const auto read = [](const Reading &r) { return r ? *r : 0.0; };
    Point p;
    p.reynolds = read(in.reynolds);
    p.prandtl = read(in.prandtl);
    p.prandtlSurface = read(in.prandtlSurface);
    p.viscosity = read(in.mu);
    p.viscositySurface = read(in.muSurface);
    p.plateLength = read(in.plateLength);
    p.distance = read(in.distance);
    p.heatStart = read(in.heatStart);
    return p;
}

std::optional<double> nusseltAt(const Term &term, const Point &point)
{
    if (!std::isfinite(point.reynolds) || !std::isfinite(point.prandtl) || point.reynolds < 0.0
        || point.prandtl <= 0.0)
        return std::nullopt;
    const std::optional<double> nu = correlationValue(term, point);
    if (!nu || !std::isfinite(*nu))
        return std::nullopt;
    return nu;
}

std::string_view nameOf(Correlation c)
{
    return entry(c).name;
}

std::string_view kindName(Kind k)
{
    return k == Kind::Local ? "local" : "average";
}

Reference referenceOf(Correlation c)
{
    return entry(c).reference;
}

ValidityRange rangeOf(Correlation c)
{
    return entry(c).range;
}

std::vector<std::string> outsideRange(Correlation c, const Point &p)
{
    const Entry &e = entry(c);
    ValidityRange r = e.range;
    if (isSectionCorrelation(c)) {
        const SectionTable table = sectionTableOf(c, p);
        if (table.count > 0) {
            r.reynoldsMin = table.begin()->reMin;
            r.reynoldsMax = (table.end() - 1)->reMax;
        }
    }
    std::vector<std::string> out;
    check(out, "Re", p.reynolds, r.reynoldsMin, r.reynoldsMax, e.name);
    check(out, "Pr", p.prandtl, r.prandtlMin, r.prandtlMax, e.name);
    check(out, "Pe", p.reynolds * p.prandtl, r.pecletMin, r.pecletMax, e.name);
    if (c == Correlation::Whitaker && p.viscositySurface > 0.0)
        check(out, "μ/μs", p.viscosity / p.viscositySurface, r.viscosityRatioMin, r.viscosityRatioMax,
              e.name);
    if (c == Correlation::Grimison && p.transversePitch > 0.0
        && !grimisonCoefficients(p.arrangement, p.longitudinalPitch, p.transversePitch))
        out.push_back("S_L/D = " + roundedNumber(p.longitudinalPitch) + ", S_T/D = " + roundedNumber(p.transversePitch)
                      + " outside the Grimison pitch table");
    if (p.mach > incompressibleMachMax)
        out.push_back("Ma = " + beyond(p.mach, incompressibleMachMax) + " above "
                      + roundedNumber(incompressibleMachMax) + ": compressible flow");
    if (p.grashof > 0.0 && p.reynolds > 0.0) {
        const double ri = p.grashof / (p.reynolds * p.reynolds);
        if (std::isfinite(ri) && ri > forcedConvectionRichardsonMax)
            out.push_back("Ri = " + beyond(ri, forcedConvectionRichardsonMax) + " above "
                          + roundedNumber(forcedConvectionRichardsonMax) + ": mixed convection");
    }
    return out;
}

void appendOutside(std::vector<std::string> &out, std::string_view symbol, double value, double lo,
                   double hi, std::string_view name)
{
    check(out, symbol, value, lo, hi, name);
}

std::string roundedNumber(double v, int digits)
{
    if (!std::isfinite(v))
        return v > 0 ? "∞" : (v < 0 ? "-∞" : "?");
    if (v == 0.0)
        return "0";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v); // d.dd...e±x
    std::string text(buf);
    const std::size_t ePos = text.find('e');
    std::string mantissa = text.substr(0, ePos);
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    // Drop trailing zeros of the mantissa.
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    if (exponent >= -2 && exponent <= 3) {
        std::snprintf(buf, sizeof buf, "%.*f", std::max(digits - 1 - exponent, 0), v);
        std::string plain(buf);
        if (plain.find('.') != std::string::npos) {
            while (plain.back() == '0')
                plain.pop_back();
            if (plain.back() == '.')
                plain.pop_back();
        }
        return plain;
    }
    if (mantissa == "1")
        return "10" + exponentText(exponent);
    if (mantissa == "-1")
        return "-10" + exponentText(exponent);
    return mantissa + "·10" + exponentText(exponent);
}

} // namespace nusselt
