#include "freeconvection.h"

#include "catalog.h"

#include <cmath>
#include <limits>

namespace nusselt {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct FreeEntry {
    std::string_view name;
    double rayleighMax;
    double prandtlMin;
};

// Churchill & Chu (1975), horizontal cylinder: Ra <= 10^12; Churchill (1983), sphere:
// Ra <= 10^11, Pr >= 0.7.
constexpr FreeEntry cylinderEntry{"Churchill-Chu", 1.0e12, 0.0};
constexpr FreeEntry sphereEntry{"Churchill (sphere)", 1.0e11, 0.7};

} // namespace

double churchillChuCylinder(double ra, double pr)
{
    const double root = 0.60 + 0.387 * std::pow(ra, 1.0 / 6.0)
        / std::pow(1.0 + std::pow(0.559 / pr, 9.0 / 16.0), 8.0 / 27.0);
    return root * root;
}

double churchillSphere(double ra, double pr)
{
    return 2.0 + 0.589 * std::pow(ra, 0.25) / std::pow(1.0 + std::pow(0.469 / pr, 9.0 / 16.0), 4.0 / 9.0);
}

double combinedNusselt(double forced, double natural)
{
    return std::pow(std::pow(forced, 4.0) + std::pow(natural, 4.0), 0.25);
}

FreeConvection freeConvection(FreeBody body, double ra, double pr)
{
    const FreeEntry &e = body == FreeBody::Cylinder ? cylinderEntry : sphereEntry;
    FreeConvection f;
    f.name = e.name;
    f.rayleigh = ra;
    f.prandtl = pr;
    f.nusselt = body == FreeBody::Cylinder ? churchillChuCylinder(ra, pr) : churchillSphere(ra, pr);
    appendOutside(f.outsideRange, "Ra", ra, 0.0, e.rayleighMax, e.name);
    appendOutside(f.outsideRange, "Pr", pr, e.prandtlMin, inf, e.name);
    return f;
}

} // namespace nusselt
