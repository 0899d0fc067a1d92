#pragma once

// The cases the curve and sweep tests share: the textbook's cylinder in cross flow of air
// (Incropera & DeWitt: D = 12.7 mm, 10 m/s, T∞ = 26.2 °C, Ts = 128.4 °C) and others stated the
// same way, and the reference properties of air at their temperatures.

#include "flowcase.h"

#include <QMetaType>

Q_DECLARE_METATYPE(nusselt::physics::Problem)

namespace textbook {

using namespace nusselt;
using namespace nusselt::physics;

inline const Selection cylinder = selectionFromCodes(2, 0, 0, 0, 0);
inline const Selection laminarPlate = selectionFromCodes(1, 1, 1, 1, 0);
inline const Selection mixedPlate = selectionFromCodes(1, 1, 3, 1, 0);

// Air at 1 atm from the reference formulation (python3-iapws 1.5.2, humidAir.Air): kinematic
// viscosity at T∞ = 299.35 K, and ν, k and Pr at the film temperature 350.45 K.
namespace air {
constexpr double nu299 = 1.568893373250393e-05;
constexpr double nuFilm350 = 2.0737542400055522e-05, kFilm350 = 0.030035045801638426, prFilm350 = 0.7018653601000213;
} // namespace air

inline Inputs dimensionless(double re, double pr, double prs = 0.0)
{
    Inputs in;
    in.reynolds = re;
    in.prandtl = pr;
    if (prs > 0.0)
        in.prandtlSurface = prs;
    return in;
}

// A problem in air at 1 atm; temperatures in kelvin.
inline Problem inAir(const Selection &s, double velocity, double length, double tInf, double tSurface)
{
    Problem p;
    p.selection = s;
    p.velocity = velocity;
    p.length = length;
    p.freeStreamTemperature = tInf;
    p.surfaceTemperature = tSurface;
    return p;
}

inline Problem cylinderInAir()
{
    return inAir(cylinder, 10.0, 0.0127, 299.35, 401.55);
}

} // namespace textbook
