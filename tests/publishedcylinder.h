#pragma once

// The cylinder correlations as published (Incropera & DeWitt, 6th ed., eqs. 7.52-7.57 and
// tables 7.2, 7.4), written out independently of the program: the oracle of the plot and sweep
// tests.

#include <cmath>

namespace published {

inline double hilpert(double re, double pr)
{
    struct Band { double upTo, c, m; };
    const Band bands[] = {{4, 0.989, 0.330}, {40, 0.911, 0.385}, {4000, 0.683, 0.466},
                          {40000, 0.193, 0.618}, {400000, 0.027, 0.805}};
    for (const Band &b : bands)
        if (re <= b.upTo)
            return b.c * std::pow(re, b.m) * std::cbrt(pr);
    return NAN;
}

inline double zhukauskas(double re, double pr, double prs)
{
    struct Band { double upTo, c, m; };
    const Band bands[] = {{40, 0.75, 0.4}, {1000, 0.51, 0.5}, {2e5, 0.26, 0.6}, {1e6, 0.076, 0.7}};
    const double n = pr <= 10 ? 0.37 : 0.36;
    for (const Band &b : bands)
        if (re <= b.upTo)
            return b.c * std::pow(re, b.m) * std::pow(pr, n) * std::pow(pr / prs, 0.25);
    return NAN;
}

inline double churchillBernstein(double re, double pr)
{
    return 0.3 + 0.62 * std::sqrt(re) * std::cbrt(pr) / std::pow(1 + std::pow(0.4 / pr, 2.0 / 3.0), 0.25)
        * std::pow(1 + std::pow(re / 282000, 5.0 / 8.0), 4.0 / 5.0);
}

} // namespace published
