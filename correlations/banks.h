#pragma once

// Tube banks in cross flow and non-circular cylinders in a gas: the published tables and the
// relations built on them, as plain functions of doubles (the catalog decides what applies).
//
// Tube banks: Re_max is based on the tube diameter D and the maximum velocity between the tubes;
// pitches enter as ratios to D.
//   Zukauskas (1972): Nu = C2 C1 Re_max^m Pr^0.36 (Pr/Pr_s)^1/4, 10 <= Re_max <= 2·10^6, C2 the
//   row correction below 20 rows (linear in the number of rows between tabulated ones).
//   Grimison (1937): Nu = 1.13 C1 Re_max^m Pr^1/3 · C2, C1 and m from its pitch table
//   (interpolated linearly in both pitches between cells, never beyond the table), C2 below 10 rows.
// Non-circular cylinders: Nu = C Re^m Pr^1/3 with C and m per section and Reynolds range, from
// Sparrow, Abraham & Tong (2004) and from Jakob (1949).

#include "choices.h"

#include <cstddef>
#include <optional>

namespace nusselt {

// The velocity between the tubes: through the transverse gap S_T - D, or for a staggered bank
// through the diagonal gaps when 2 (S_D - D) < S_T - D, S_D = [S_L² + (S_T/2)²]^1/2.
double maximumVelocity(Arrangement arrangement, double velocity, double diameter, double transversePitch,
                       double longitudinalPitch);

struct PowerLaw {
    double c;
    double m;
};

// Zukauskas' C1 and m at Re_max (S_T/S_L picks the staggered coefficient of 10³ to 2·10⁵); nothing
// outside 10 to 2·10⁶. A value on the boundary between two rows belongs to the lower row.
std::optional<PowerLaw> zukauskasBankCoefficients(Arrangement arrangement, double reMax, double stOverSl);
// Zukauskas' row correction C2 for rows >= 1 (1 from 20 rows on).
double zukauskasRowFactor(Arrangement arrangement, double rows);
std::optional<double> zukauskasBank(Arrangement arrangement, double reMax, double pr, double prSurface,
                                    double stOverD, double slOverD, double rows);

// Grimison's C1 and m at S_L/D and S_T/D; nothing outside the table or next to a missing cell.
std::optional<PowerLaw> grimisonCoefficients(Arrangement arrangement, double slOverD, double stOverD);
// Grimison's row factor C2 for rows >= 1 (1 from 10 rows on; between 1 and 9 the next lower row's).
double grimisonRowFactor(Arrangement arrangement, double rows);
std::optional<double> grimison(Arrangement arrangement, double reMax, double pr, double stOverD, double slOverD,
                               double rows);

// One row of a non-circular section's table: C and m from reMin to reMax.
struct SectionRow {
    double reMin;
    double reMax;
    double c;
    double m;
};
struct SectionTable {
    const SectionRow *rows = nullptr;
    std::size_t count = 0;
    const SectionRow *begin() const { return rows; }
    const SectionRow *end() const { return rows + count; }
};
// The tabulation of a section: the newer one (Sparrow, Abraham & Tong; for the plate its front
// face, and `backFace` its back face) or the older one (Jakob). Empty for Section::None.
SectionTable sectionTable(Section section, bool newer, bool backFace = false);
// C Re^m Pr^1/3 with the row that holds Re (below the table its first row, above its last).
std::optional<double> nonCircular(const SectionTable &table, double re, double pr);

// The perimeter of a section per unit of the length D in its Reynolds number: a square's side and a
// hexagon's width across flats with a face to the flow, the width corner to corner with a corner
// to the flow, a thin plate's width across the flow (both its faces heated).
double perimeterPerWidth(Section section);

} // namespace nusselt
