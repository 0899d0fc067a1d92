#pragma once

// The correlations of a case as a list of results: which Nusselt numbers the case has, what each
// is called, whether it is local or average, at which temperature its fluid properties belong,
// its published validity range and its value at a point. The calculator's own fields come from
// engine.h; the Flow Conditions window, the plot and the command line list results from here.
// Both evaluate through correlations.h, so each formula exists once.

#include "engine.h"

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt {

enum class Correlation {
    LaminarPlate,       // 0.332 Re^1/2 Pr^1/3
    ChurchillOzoePlate, // laminar plate, any Pr
    LiquidMetalPlate,   // 0.565 Pe^1/2
    TurbulentPlate,     // 0.0296 / 0.037 Re^4/5 Pr^1/3
    MixedPlate,         // (0.037 Re^4/5 - 871) Pr^1/3
    LaminarFlux,        // 0.453 / 0.68 Re^1/2 Pr^1/3
    TurbulentFlux,      // 0.0308 / 0.03696 Re^4/5 Pr^1/3
    LaminarUnheated,
    TurbulentUnheated,
    CylinderStagnation, // 1.15 Re^1/2 Pr^1/3
    Hilpert,
    ChurchillBernstein,
    Zhukauskas,
    Whitaker,
    RanzMarshall,
    ZukauskasBank,       // tube bank: C2 C1 Re_max^m Pr^0.36 (Pr/Pr_s)^1/4
    Grimison,            // tube bank in a gas: 1.13 C1 Re_max^m Pr^1/3 C2
    SparrowSection,      // non-circular cylinder, newer tabulation (a plate's front face)
    SparrowPlateBack,    // thin plate across the flow, its back face
    JakobSection,        // non-circular cylinder, older tabulation
    Ishiguro,           // liquid-metal cylinder, 1.125 Pe^0.413
    Witte,              // liquid-metal sphere, 2 + 0.386 Pe^1/2
};

enum class Kind { Local, Average };

// The temperature at which a correlation takes its fluid properties (the textbook conventions):
// the film temperature (T_inf + T_s)/2, or the free-stream temperature with the surface values
// (Pr_s, mu_s) taken at T_s; a tube bank's Zukauskas relation takes them at the mean of its inlet
// and outlet temperatures (Pr_s at T_s).
enum class Reference { Film, FreeStream, BankMean };

struct Term {
    Correlation correlation;
    Kind kind;
};

// The Nusselt numbers of a case in the order of the calculator's fields (at most four), and a
// liquid metal's own correlation after them.
struct Terms {
    std::array<Term, 5> items{};
    std::size_t count = 0;

    const Term *begin() const { return items.data(); }
    const Term *end() const { return items.data() + count; }
    bool empty() const { return count == 0; }
};

// The terms of the selected case; empty while the selection does not name a case the calculator
// evaluates (no heat flow condition yet, uniform flux with mixed flow, no fluid type ...). The
// Prandtl number chooses between the 0.332 relation (Pr >= 0.6) and Churchill-Ozoe, as the
// calculator does. With `liquidMetal` (a physical problem whose fluid is one) a cylinder also has
// Ishiguro et al.'s correlation and a sphere of either kind Witte's; the calculator has neither.
Terms termsOf(const Selection &selection, double prandtl, bool liquidMetal = false);

// Where a correlation is evaluated. Lengths only for the unheated starting length (any one unit).
struct Point {
    double reynolds = 0.0;
    double prandtl = 0.0;
    double prandtlSurface = 0.0; // Zhukauskas
    double viscosity = 0.0;      // Whitaker: mu at the free-stream temperature
    double viscositySurface = 0.0;
    double plateLength = 0.0;    // unheated starting length: L, x and xi
    double distance = 0.0;
    double heatStart = 0.0;
    double mach = 0.0;           // V/a of a gas at T_inf; 0 when unknown or for a liquid
    double grashof = 0.0;        // of the physical case (freeconvection.h); 0 when unknown
    // Tube banks (Re is Re_max): the arrangement, the pitches over D and the number of rows.
    Arrangement arrangement = Arrangement::None;
    double transversePitch = 0.0; // S_T / D
    double longitudinalPitch = 0.0; // S_L / D
    double rows = 0.0;
    Section section = Section::None; // non-circular cylinders
};

// The point the calculator evaluates for the given field readings (missing readings read 0).
Point pointOf(const Inputs &inputs);

// The plate's critical Reynolds number: the plate correlations are stated laminar below it and
// turbulent above it, and the mixed boundary layer's 871 assumes transition there.
inline constexpr double plateTransitionReynolds = 5.0e5;
// The laminar plate's 0.332 relation holds from this Prandtl number on; below it Churchill-Ozoe.
inline constexpr double laminarPlateMinPrandtl = 0.6;
// Every correlation assumes a constant density: above this Mach number the flow is compressible
// and outsideRange() says so ("Ma = 1.15 above 0.3: compressible flow").
inline constexpr double incompressibleMachMax = 0.3;

// Whether L, x and xi describe a plate heated from xi on, with x on the heated part: otherwise
// the unheated-start brackets vanish or turn negative.
bool unheatedLengthsValid(const Point &point);

// The term's value as its correlation gives it, which may overflow to infinity; nothing where the
// correlation has none (see nusseltAt). Callers that show numbers use nusseltAt.
std::optional<double> correlationValue(const Term &term, const Point &point);

// The term's Nusselt number, or nothing where the correlation has none: Hilpert and Zhukauskas
// outside their tables, the mixed boundary layer below its transition Reynolds number, an
// unheated plate whose lengths do not describe one, non-positive viscosities or Pr_s, a
// non-finite result.
std::optional<double> nusseltAt(const Term &term, const Point &point);

// "Hilpert", "Churchill-Bernstein", ...: the name a result carries everywhere.
std::string_view nameOf(Correlation correlation);
std::string_view kindName(Kind kind); // "local", "average"
Reference referenceOf(Correlation correlation);

// Published validity range. An absent bound is +-infinity.
struct ValidityRange {
    double reynoldsMin;
    double reynoldsMax;
    double prandtlMin;
    double prandtlMax;
    double pecletMin;         // Re Pr
    double viscosityRatioMin; // mu / mu_s (Whitaker)
    double viscosityRatioMax;
    double pecletMax = std::numeric_limits<double>::infinity();
};
ValidityRange rangeOf(Correlation correlation);

// The bounds the point violates, each as a sentence that says which and by how much, e.g.
// "Re = 9.1·10⁴ above the Whitaker range 3.5 to 7.6·10⁴", and last a compressible flow
// ("Ma = 1.15 above 0.3: compressible flow"), then free convection that is not negligible, with
// Ri = Gr / Re^2 at the point's Re ("Ri = 0.8 above 0.1: mixed convection"). Empty inside the range.
std::vector<std::string> outsideRange(Correlation correlation, const Point &point);

// Appends the sentence for a value outside lo..hi of a correlation's range, if it is
// ("Ra = 2·10¹² above the Churchill-Chu range ≤ 10¹²").
void appendOutside(std::vector<std::string> &out, std::string_view symbol, double value, double lo,
                   double hi, std::string_view name);

// A number for people: up to three (or `digits`) significant digits, powers of ten as ·10ⁿ
// ("9.1·10⁴", "0.71").
std::string roundedNumber(double value, int digits = 3);

} // namespace nusselt
