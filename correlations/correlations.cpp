#include "correlations.h"

#include <cmath>

namespace nusselt {
namespace {

constexpr double oneThird = 1.0 / 3.0;
constexpr double twoThirds = 2.0 / 3.0;

// Reynolds ranges are closed above, so a value on a row boundary belongs to the lower row.
struct PowerRow {
    double reUpTo; // Re of this row satisfies previous reUpTo < Re <= reUpTo
    double c;
    double m;
};

// Hilpert (1933) as tabulated by Incropera & DeWitt, Nu = C Re^m Pr^1/3, 0.4 <= Re <= 4e5.
constexpr double hilpertLowest = 0.4;
constexpr PowerRow hilpertRows[] = {
    {4.0, 0.989, 0.33},
    {40.0, 0.911, 0.385},
    {4000.0, 0.683, 0.466},
    {40000.0, 0.193, 0.618},
    {400000.0, 0.027, 0.805},
};

// Zhukauskas (1972), Nu = C Re^m Pr^n (Pr/Prs)^1/4, Re <= 2e6; the first row has no lower bound.
constexpr PowerRow zhukauskasRows[] = {
    {40.0, 0.75, 0.4},
    {1000.0, 0.51, 0.5},
    {200000.0, 0.26, 0.6},
    {2000000.0, 0.076, 0.7},
};

template <std::size_t N>
const PowerRow *rowFor(const PowerRow (&rows)[N], double re)
{
    for (const PowerRow &row : rows) {
        if (re <= row.reUpTo)
            return &row;
    }
    return nullptr;
}

// [1 - (xi/x)^a]^b, the unheated-starting-length factor.
double unheatedBracket(double ratio, double a, double b)
{
    return std::pow(1.0 - std::pow(ratio, a), b);
}

} // namespace

double laminarPlateLocal(double re, double pr)
{
    return 0.332 * std::pow(re, 0.5) * std::pow(pr, oneThird);
}

double churchillOzoePlateLocal(double re, double pr)
{
    const double numerator = 0.3387 * std::pow(re, 0.5) * std::pow(pr, oneThird);
    return numerator / std::pow(1.0 + std::pow(0.0468 / pr, twoThirds), 0.25);
}

double laminarPlateAverage(double re, double pr)
{
    return 2.0 * laminarPlateLocal(re, pr);
}

double churchillOzoePlateAverage(double re, double pr)
{
    return 2.0 * churchillOzoePlateLocal(re, pr);
}

double liquidMetalPlateLocal(double pe)
{
    return 0.565 * std::pow(pe, 0.5);
}

double turbulentPlateLocal(double re, double pr)
{
    return 0.0296 * std::pow(re, 0.8) * std::pow(pr, oneThird);
}

double turbulentPlateAverage(double re, double pr)
{
    return 0.037 * std::pow(re, 0.8) * std::pow(pr, oneThird);
}

double mixedPlateAverage(double re, double pr)
{
    // 871 = 0.037 Re_c^4/5 - 0.664 Re_c^1/2 for a transition at Re_c = 500,000.
    return (0.037 * std::pow(re, 0.8) - 871.0) * std::pow(pr, oneThird);
}

double laminarFluxLocal(double re, double pr)
{
    return 0.453 * std::pow(re, 0.5) * std::pow(pr, oneThird);
}

double laminarFluxAverage(double re, double pr)
{
    // Averaged through the mean surface-to-fluid temperature difference: 1.5 times the local
    // coefficient (0.68 as published).
    return 0.68 * std::pow(re, 0.5) * std::pow(pr, oneThird);
}

double turbulentFluxLocal(double re, double pr)
{
    return 0.0308 * std::pow(re, 0.8) * std::pow(pr, oneThird);
}

double turbulentFluxAverage(double re, double pr)
{
    // Same averaging as the laminar 0.68: for Nu_x ~ x^0.8 the mean temperature difference
    // gives 1 / (1 - 1/6) = 1.2 times the local coefficient, 1.2 * 0.0308.
    return 0.03696 * std::pow(re, 0.8) * std::pow(pr, oneThird);
}

double laminarUnheatedLocal(double reL, double pr, double plateLength, double x, double xi)
{
    return laminarPlateLocal(reL * x / plateLength, pr) / unheatedBracket(xi / x, 0.75, oneThird);
}

double laminarUnheatedAverage(double reL, double pr, double plateLength, double xi)
{
    return 0.664 * std::pow(reL, 0.5) * std::pow(pr, oneThird) * (plateLength / (plateLength - xi))
        * unheatedBracket(xi / plateLength, 0.75, twoThirds);
}

double turbulentUnheatedLocal(double reL, double pr, double plateLength, double x, double xi)
{
    return turbulentPlateLocal(reL * x / plateLength, pr) / unheatedBracket(xi / x, 0.9, 1.0 / 9.0);
}

double turbulentUnheatedAverage(double reL, double pr, double plateLength, double xi)
{
    return turbulentPlateAverage(reL, pr) * (plateLength / (plateLength - xi))
        * unheatedBracket(xi / plateLength, 0.9, 8.0 / 9.0);
}

double cylinderStagnation(double re, double pr)
{
    return 1.15 * std::pow(re, 0.5) * std::pow(pr, oneThird);
}

std::optional<double> hilpert(double re, double pr)
{
    if (re < hilpertLowest)
        return std::nullopt;
    const PowerRow *row = rowFor(hilpertRows, re);
    if (!row)
        return std::nullopt;
    return row->c * std::pow(re, row->m) * std::pow(pr, oneThird);
}

double churchillBernstein(double re, double pr)
{
    const double front = 0.62 * std::pow(re, 0.5) * std::pow(pr, oneThird)
        / std::pow(1.0 + std::pow(0.4 / pr, twoThirds), 0.25);
    return 0.3 + front * std::pow(1.0 + std::pow(re / 282000.0, 0.625), 0.8);
}

std::optional<double> zhukauskas(double re, double pr, double prSurface)
{
    const PowerRow *row = rowFor(zhukauskasRows, re);
    if (!row)
        return std::nullopt;
    const double n = pr <= 10.0 ? 0.37 : 0.36;
    return row->c * std::pow(re, row->m) * std::pow(pr, n) * std::pow(pr / prSurface, 0.25);
}

double whitakerSphere(double re, double pr, double mu, double muSurface)
{
    return 2.0 + (0.4 * std::pow(re, 0.5) + 0.06 * std::pow(re, twoThirds)) * std::pow(pr, 0.4)
        * std::pow(mu / muSurface, 0.25);
}

double ranzMarshallDrop(double re, double pr)
{
    return 2.0 + 0.6 * std::pow(re, 0.5) * std::pow(pr, oneThird);
}

double ishiguroCylinder(double pe)
{
    return 1.125 * std::pow(pe, 0.413);
}

double witteSphere(double pe)
{
    return 2.0 + 0.386 * std::pow(pe, 0.5);
}

} // namespace nusselt
