#include "banks.h"

#include <array>
#include <cmath>
#include <iterator>

namespace nusselt {
namespace {

bool staggered(Arrangement a)
{
    return a == Arrangement::Staggered;
}

// Zukauskas' row correction at 1, 2, 3, 4, 5, 7, 10, 13, 16 and 20 rows.
constexpr std::array<double, 10> zukauskasRows{1, 2, 3, 4, 5, 7, 10, 13, 16, 20};
constexpr std::array<double, 10> zukauskasAligned{0.70, 0.80, 0.86, 0.90, 0.92, 0.95, 0.97, 0.98, 0.99, 1.0};
constexpr std::array<double, 10> zukauskasStaggered{0.64, 0.76, 0.84, 0.89, 0.92, 0.95, 0.97, 0.98, 0.99, 1.0};

// Grimison's table: rows S_L/D, columns S_T/D = 1.25, 1.5, 2, 3; a cell {C1, m}, {0, 0} where
// the table has none.
constexpr std::array<double, 4> grimisonColumns{1.25, 1.5, 2.0, 3.0};
struct GrimisonRow {
    double slOverD;
    std::array<PowerLaw, 4> cells;
};
constexpr PowerLaw none{0.0, 0.0};
constexpr GrimisonRow grimisonAligned[] = {
    {1.25, {{{0.348, 0.592}, {0.275, 0.608}, {0.100, 0.704}, {0.0633, 0.752}}}},
    {1.5, {{{0.367, 0.586}, {0.250, 0.620}, {0.101, 0.702}, {0.0678, 0.744}}}},
    {2.0, {{{0.418, 0.570}, {0.299, 0.602}, {0.229, 0.632}, {0.198, 0.648}}}},
    {3.0, {{{0.290, 0.601}, {0.357, 0.584}, {0.374, 0.581}, {0.286, 0.608}}}},
};
constexpr GrimisonRow grimisonStaggered[] = {
    {0.6, {{none, none, none, {0.213, 0.636}}}},
    {0.9, {{none, none, {0.446, 0.571}, {0.401, 0.581}}}},
    {1.0, {{none, {0.497, 0.558}, none, none}}},
    {1.125, {{none, none, {0.478, 0.565}, {0.518, 0.560}}}},
    {1.25, {{{0.518, 0.556}, {0.505, 0.554}, {0.519, 0.556}, {0.522, 0.562}}}},
    {1.5, {{{0.451, 0.568}, {0.460, 0.562}, {0.452, 0.568}, {0.488, 0.568}}}},
    {2.0, {{{0.404, 0.572}, {0.416, 0.568}, {0.482, 0.556}, {0.449, 0.570}}}},
    {3.0, {{{0.310, 0.592}, {0.356, 0.580}, {0.440, 0.562}, {0.428, 0.574}}}},
};
constexpr std::array<double, 9> grimisonAlignedRows{0.64, 0.80, 0.87, 0.90, 0.92, 0.94, 0.96, 0.98, 0.99};
constexpr std::array<double, 9> grimisonStaggeredRows{0.68, 0.75, 0.83, 0.89, 0.92, 0.95, 0.97, 0.98, 0.99};

// Where x falls among ascending grid values: the cell [i, i + 1] and the fraction across it (an
// exact grid value is its own point, fraction 0); nothing outside the grid.
struct Bracket {
    std::size_t i;
    double t;
};
std::optional<Bracket> bracket(const double *grid, std::size_t n, double x)
{
    if (!(x >= grid[0]) || !(x <= grid[n - 1]))
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (x < grid[i + 1])
            return Bracket{i, (x - grid[i]) / (grid[i + 1] - grid[i])};
    return Bracket{n - 1, 0.0};
}

// Section tables: Sparrow, Abraham & Tong (2004), then Jakob (1949).
constexpr SectionRow newerSquare[] = {{5000, 60000, 0.158, 0.66}};
constexpr SectionRow newerSquareCorner[] = {{6000, 60000, 0.304, 0.59}};
constexpr SectionRow newerHexagon[] = {{5200, 20400, 0.164, 0.638}, {20400, 105000, 0.039, 0.78}};
constexpr SectionRow newerHexagonCorner[] = {{4500, 90700, 0.150, 0.638}};
constexpr SectionRow newerPlateFront[] = {{10000, 50000, 0.667, 0.500}};
constexpr SectionRow newerPlateBack[] = {{7000, 80000, 0.191, 0.667}};
constexpr SectionRow olderSquare[] = {{5000, 100000, 0.102, 0.675}};
constexpr SectionRow olderSquareCorner[] = {{5000, 100000, 0.246, 0.588}};
constexpr SectionRow olderHexagon[] = {{5000, 19500, 0.160, 0.638}, {19500, 100000, 0.0385, 0.782}};
constexpr SectionRow olderHexagonCorner[] = {{5000, 100000, 0.153, 0.638}};
constexpr SectionRow olderPlate[] = {{4000, 15000, 0.228, 0.731}};

template <std::size_t N>
SectionTable tableOf(const SectionRow (&rows)[N])
{
    return {rows, N};
}

} // namespace

double maximumVelocity(Arrangement arrangement, double v, double d, double st, double sl)
{
    if (staggered(arrangement)) {
        const double sd = std::sqrt(sl * sl + 0.25 * st * st);
        if (2.0 * (sd - d) < st - d)
            return v * st / (2.0 * (sd - d));
    }
    return v * st / (st - d);
}

std::optional<PowerLaw> zukauskasBankCoefficients(Arrangement arrangement, double re, double stOverSl)
{
    const bool s = staggered(arrangement);
    if (!(re >= 10.0) || !(re <= 2.0e6))
        return std::nullopt;
    if (re <= 100.0)
        return s ? PowerLaw{0.90, 0.40} : PowerLaw{0.80, 0.40};
    if (re <= 1000.0) // as a single cylinder
        return PowerLaw{0.51, 0.5};
    if (re <= 2.0e5) {
        if (!s)
            return PowerLaw{0.27, 0.63};
        return stOverSl < 2.0 ? PowerLaw{0.35 * std::pow(stOverSl, 0.2), 0.60} : PowerLaw{0.40, 0.60};
    }
    return s ? PowerLaw{0.022, 0.84} : PowerLaw{0.021, 0.84};
}

double zukauskasRowFactor(Arrangement arrangement, double rows)
{
    const auto &factors = staggered(arrangement) ? zukauskasStaggered : zukauskasAligned;
    const std::optional<Bracket> b = bracket(zukauskasRows.data(), zukauskasRows.size(), rows);
    if (!b)
        return rows > zukauskasRows.back() ? 1.0 : factors.front();
    if (b->t == 0.0)
        return factors[b->i];
    return factors[b->i] + b->t * (factors[b->i + 1] - factors[b->i]);
}

std::optional<double> zukauskasBank(Arrangement arrangement, double re, double pr, double prSurface, double stOverD,
                                    double slOverD, double rows)
{
    const std::optional<PowerLaw> c = zukauskasBankCoefficients(arrangement, re, stOverD / slOverD);
    if (!c || !(prSurface > 0.0) || !(rows >= 1.0))
        return std::nullopt;
    return zukauskasRowFactor(arrangement, rows) * c->c * std::pow(re, c->m) * std::pow(pr, 0.36)
         * std::pow(pr / prSurface, 0.25);
}

std::optional<PowerLaw> grimisonCoefficients(Arrangement arrangement, double slOverD, double stOverD)
{
    const GrimisonRow *rows = staggered(arrangement) ? grimisonStaggered : grimisonAligned;
    const std::size_t n = staggered(arrangement) ? std::size(grimisonStaggered) : std::size(grimisonAligned);
    std::array<double, std::size(grimisonStaggered)> rowValues{};
    for (std::size_t i = 0; i < n; ++i)
        rowValues[i] = rows[i].slOverD;
    const std::optional<Bracket> r = bracket(rowValues.data(), n, slOverD);
    const std::optional<Bracket> c = bracket(grimisonColumns.data(), grimisonColumns.size(), stOverD);
    if (!r || !c)
        return std::nullopt;
    // The corners that carry weight; a missing one means the pitches are outside the table.
    PowerLaw sum{0.0, 0.0};
    for (std::size_t dr = 0; dr < 2; ++dr)
        for (std::size_t dc = 0; dc < 2; ++dc) {
            const double w = (dr ? r->t : 1.0 - r->t) * (dc ? c->t : 1.0 - c->t);
            if (w == 0.0)
                continue;
            const PowerLaw &cell = rows[r->i + dr].cells[c->i + dc];
            if (cell.c == 0.0)
                return std::nullopt;
            sum.c += w * cell.c;
            sum.m += w * cell.m;
        }
    return sum;
}

double grimisonRowFactor(Arrangement arrangement, double rows)
{
    if (rows >= 10.0)
        return 1.0;
    const auto &factors = staggered(arrangement) ? grimisonStaggeredRows : grimisonAlignedRows;
    const double whole = std::floor(rows);
    return factors[static_cast<std::size_t>(whole < 1.0 ? 0.0 : whole - 1.0)];
}

std::optional<double> grimison(Arrangement arrangement, double re, double pr, double stOverD, double slOverD,
                               double rows)
{
    const std::optional<PowerLaw> c = grimisonCoefficients(arrangement, slOverD, stOverD);
    if (!c || !(rows >= 1.0))
        return std::nullopt;
    return 1.13 * c->c * std::pow(re, c->m) * std::pow(pr, 1.0 / 3.0) * grimisonRowFactor(arrangement, rows);
}

SectionTable sectionTable(Section section, bool newer, bool backFace)
{
    switch (section) {
    case Section::Square: return newer ? tableOf(newerSquare) : tableOf(olderSquare);
    case Section::SquareCorner: return newer ? tableOf(newerSquareCorner) : tableOf(olderSquareCorner);
    case Section::Hexagon: return newer ? tableOf(newerHexagon) : tableOf(olderHexagon);
    case Section::HexagonCorner: return newer ? tableOf(newerHexagonCorner) : tableOf(olderHexagonCorner);
    case Section::Plate:
        if (!newer)
            return tableOf(olderPlate);
        return backFace ? tableOf(newerPlateBack) : tableOf(newerPlateFront);
    case Section::None: break;
    }
    return {};
}

std::optional<double> nonCircular(const SectionTable &table, double re, double pr)
{
    if (table.count == 0)
        return std::nullopt;
    const SectionRow *row = table.begin();
    while (row + 1 != table.end() && re > row->reMax)
        ++row;
    return row->c * std::pow(re, row->m) * std::pow(pr, 1.0 / 3.0);
}

double perimeterPerWidth(Section section)
{
    switch (section) {
    case Section::Square: return 4.0;                        // four sides D
    case Section::SquareCorner: return 2.0 * std::sqrt(2.0); // sides D/√2
    case Section::Hexagon: return 2.0 * std::sqrt(3.0);      // across flats D: sides D/√3
    case Section::HexagonCorner: return 3.0;                 // corner to corner D: sides D/2
    case Section::Plate: return 2.0;                         // both faces
    case Section::None: break;
    }
    return 0.0;
}

} // namespace nusselt
