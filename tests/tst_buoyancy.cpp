// Does buoyancy matter? The Grashof and Richardson numbers of physical cases against hand
// calculations from the reference formulations (python3-iapws: beta = 1/T_f for air, IAPWS-95's
// own isobaric expansion coefficient alfav for water, nu = mu/rho at the film temperature); the
// mixed-convection sentence at and around Ri = 0.1; the free-convection correlations against hand
// calculations written out step by step; the combined Nusselt number.

#include "buoyancy.h"
#include "catalog.h"
#include "flowcase.h"
#include "freeconvection.h"

#include <QTest>

#include <cmath>

using namespace nusselt;
using namespace nusselt::physics;

namespace {

constexpr double celsius = 273.15;

Selection cylinder() { return selectionFromCodes(2, 0, 0, 0, 0); }
Selection regularSphere() { return selectionFromCodes(3, 0, 0, 0, 1); }
Selection laminarPlate() { return selectionFromCodes(1, 1, 1, 1, 0); }
Selection laminarFluxPlate() { return selectionFromCodes(1, 2, 1, 0, 0); }

Problem problem(Selection s, FluidChoice fluid, double v, double length, double tInfC, double tSC, double pressure)
{
    Problem p;
    p.selection = s;
    p.fluid = fluid;
    p.velocity = v;
    p.length = length;
    p.freeStreamTemperature = tInfC + celsius;
    p.surfaceTemperature = tSC + celsius;
    p.pressure = pressure;
    return p;
}

// The oil of the command line's custom cylinder: rho 860 kg/m³ at T_f = 50 °C, 880 at T∞ = 20 °C.
Problem customCylinder()
{
    Problem p = problem(cylinder(), FluidChoice::Custom, 2.0, 0.025, 20.0, 80.0, 0.0);
    p.pressure.reset();
    p.custom.film = {860.0, 0.0125, 0.14, 2000.0};
    p.custom.freeStream = {880.0, 0.03, 0.145, 1900.0};
    p.custom.prandtlSurface = 120.0;
    return p;
}

bool near(double actual, double expected, double relative)
{
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

QString messagesOf(const Evaluation &e)
{
    QStringList list;
    for (const Message &m : e.messages)
        list << QString::fromStdString(m.text);
    return list.join(QLatin1String(" | "));
}

} // namespace

class TestBuoyancy : public QObject
{
    Q_OBJECT

private slots:
    void grashofAndRichardson_data();
    void grashofAndRichardson();
    void uniformFluxPlateUsesItsIteratedSurface();
    void liquidExpansionCoefficient_data();
    void liquidExpansionCoefficient();
    void typedFluid();
    void richardsonSentence_data();
    void richardsonSentence();
    void freeConvectionHandCalculations_data();
    void freeConvectionHandCalculations();
    void freeConvectionRanges_data();
    void freeConvectionRanges();
    void combinedNusselt_data();
    void combinedNusselt();
};

// Hand calculations, /usr/bin/python3 with iapws 1.5: Gr = 9.80665 beta |Ts - T_inf| L^3 / nu^2 at
// T_f = (T_inf + Ts)/2, beta = 1/T_f (air) or IAPWS95(T=T_f, P).alfav (water), nu = mu/rho;
// Ri = Gr / (V L / nu)^2.
void TestBuoyancy::grashofAndRichardson_data()
{
    QTest::addColumn<int>("example");
    QTest::addColumn<double>("grashof");
    QTest::addColumn<double>("richardson");

    // Air, cylinder D = 50 mm at 0.1 m/s, 20 -> 80 °C: T_f 323.15 K, beta 3.0945e-3, nu 1.79730e-5.
    QTest::newRow("air cylinder, buoyancy dominates") << 0 << 704587.8169339923 << 9.104115735726442;
    // Air, plate L = 0.5 m at 1 m/s, 20 -> 100 °C: T_f 333.15 K, nu 1.89681e-5.
    QTest::newRow("air plate, mixed") << 1 << 818153976.4642315 << 1.1774455950772924;
    // Air cooling a plate (Ts below T_inf), L = 1 m at 2 m/s, 30 -> -20 °C: |dT| = 50 K.
    QTest::newRow("air plate, cooled") << 2 << 9314494372.252258 << 0.4407087003415424;
    // Water, sphere D = 50 mm at 0.01 m/s, 20 -> 60 °C: T_f 313.15 K, alfav 3.85479e-4, nu 6.57849e-7.
    QTest::newRow("water sphere") << 3 << 43675620.227621965 << 75.60521700982221;
    // Water at 2 bar, cylinder D = 20 mm at 0.05 m/s, 15 -> 45 °C: alfav 3.03456e-4.
    QTest::newRow("water cylinder at 2 bar") << 4 << 1114095.8386678854 << 0.7142124542596592;
    // Water close to boiling, plate L = 0.3 m at 0.2 m/s, 90 -> 99 °C: T_f 367.65 K, alfav 7.21019e-4.
    QTest::newRow("water plate near boiling") << 5 << 17828265568.97265 << 0.47727798809495553;
}

void TestBuoyancy::grashofAndRichardson()
{
    QFETCH(int, example);
    QFETCH(double, grashof);
    QFETCH(double, richardson);
    const double atm = 101325.0;
    const Problem problems[] = {
        problem(cylinder(), FluidChoice::Air, 0.1, 0.05, 20.0, 80.0, atm),
        problem(laminarPlate(), FluidChoice::Air, 1.0, 0.5, 20.0, 100.0, atm),
        problem(laminarPlate(), FluidChoice::Air, 2.0, 1.0, 30.0, -20.0, atm),
        problem(regularSphere(), FluidChoice::Water, 0.01, 0.05, 20.0, 60.0, atm),
        problem(cylinder(), FluidChoice::Water, 0.05, 0.02, 15.0, 45.0, 2.0e5),
        problem(laminarPlate(), FluidChoice::Water, 0.2, 0.3, 90.0, 99.0, atm),
    };
    const Evaluation e = evaluate(problems[example]);
    QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
    QVERIFY(e.grashof);
    QVERIFY(e.richardson);
    // Air's properties are within 1e-5 of the formulation; water's beta is a difference of them.
    QVERIFY2(near(*e.grashof, grashof, 2e-4), qPrintable(QString::number(*e.grashof, 'g', 10)));
    QVERIFY2(near(*e.richardson, richardson, 2e-4), qPrintable(QString::number(*e.richardson, 'g', 10)));
    QVERIFY(e.buoyancyNote.empty());
}

// The uniform-flux plate has no Ts input: Gr takes the iterated average surface temperature.
// Hand iteration (python3-iapws air): q'' = 100 W/m², L = 0.5 m, V = 0.5 m/s, T_inf = 20 °C,
// Nu = 0.68 Re^1/2 Pr^1/3 at T_f until Ts settles at 318.0088 K; Gr = 9.80665 / T_f * dT L^3 / nu^2.
void TestBuoyancy::uniformFluxPlateUsesItsIteratedSurface()
{
    Problem p = problem(laminarFluxPlate(), FluidChoice::Air, 0.5, 0.5, 20.0, 0.0, 101325.0);
    p.surfaceTemperature.reset();
    p.heatFlux = 100.0;
    const Evaluation e = evaluate(p);
    QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
    QVERIFY(e.surfaceTemperature);
    QVERIFY(std::abs(*e.surfaceTemperature - 318.0088016995735) < 1e-3);
    QVERIFY(e.grashof && e.richardson);
    QVERIFY2(near(*e.grashof, 376474853.2352505, 2e-4), qPrintable(QString::number(*e.grashof, 'g', 10)));
    QVERIFY2(near(*e.richardson, 1.5955366559996496, 2e-4), qPrintable(QString::number(*e.richardson, 'g', 10)));
}

// IAPWS95(T, P).alfav from python3-iapws; near 4 °C beta passes through zero, so the bound is
// absolute, 1e-7 1/K (3e-4 of beta at 300 K). At the triple point and within 0.5 K of boiling the
// difference is one-sided.
void TestBuoyancy::liquidExpansionCoefficient_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("alfav");
    QTest::newRow("5 °C, near the density maximum") << 278.15 << 101325.0 << 1.6041845919232896e-05;
    QTest::newRow("300 K") << 300.0 << 101325.0 << 0.0002748050320877644;
    QTest::newRow("340 K at 5 bar") << 340.0 << 5.0e5 << 0.0005649612519293459;
    QTest::newRow("372 K, 1 K below boiling") << 372.0 << 101325.0 << 0.0007444456607553148;
    QTest::newRow("373 K, within 0.5 K of boiling: one-sided") << 373.0 << 101325.0 << 0.0007498145454572175;
    QTest::newRow("450 K at 10 bar") << 450.0 << 1.0e6 << 0.0011991833487968928;
    QTest::newRow("triple point, one-sided") << 273.16 << 101325.0 << -6.757732216880179e-05;
}

void TestBuoyancy::liquidExpansionCoefficient()
{
    QFETCH(double, temperature);
    QFETCH(double, pressure);
    QFETCH(double, alfav);
    const double tolerance = 1e-7;
    QVERIFY(!isGas(Fluid::Water));
    const std::optional<double> beta = expansionCoefficient(Fluid::Water, temperature, pressure);
    QVERIFY(beta);
    QVERIFY2(std::abs(*beta - alfav) <= tolerance, qPrintable(QString::number(*beta, 'g', 10)));
    // Air is a gas: 1/T exactly. Neither has a beta where it has no properties.
    QVERIFY(isGas(Fluid::Air));
    QCOMPARE(*expansionCoefficient(Fluid::Air, 400.0, pressure), 1.0 / 400.0);
    QVERIFY(!expansionCoefficient(Fluid::Water, 380.0, 101325.0));
    QVERIFY(!expansionCoefficient(Fluid::Air, 150.0, 101325.0));
}

// A fluid of one's own: beta from its two typed densities, -(1/rho_f)(rho_f - rho_inf)/(T_f - T_inf)
// = (880 - 860) / (30 * 860) = 7.7519e-4 1/K; nu_f = 0.0125 / 860. Gr = 9.80665 * 7.7519e-4 * 60
// * 0.025^3 / nu_f^2 = 33734.876. Without a density at T∞ there is no Gr, and the evaluation says so;
// with Ts = T∞ there is no temperature difference and Gr is 0.
void TestBuoyancy::typedFluid()
{
    const Evaluation e = evaluate(customCylinder());
    QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
    QVERIFY(e.grashof);
    QVERIFY2(near(*e.grashof, 33734.876, 1e-9), qPrintable(QString::number(*e.grashof, 'g', 10)));
    QVERIFY(near(*e.richardson, 0.0028507703488372094, 1e-9));

    Problem plate = customCylinder();
    plate.selection = laminarPlate();
    plate.custom.prandtlSurface.reset(); // its density at T∞ stays typed, but a plate does not take it
    const Evaluation noInf = evaluate(plate);
    QVERIFY2(noInf.messages.empty(), qPrintable(messagesOf(noInf)));
    QVERIFY(!noInf.results.empty());
    QVERIFY(!noInf.grashof);
    QVERIFY(!noInf.richardson);
    QVERIFY(QString::fromStdString(noInf.buoyancyNote).endsWith("takes none at T∞"));

    // The regular sphere takes everything at T∞: no film density either.
    Problem sphere = customCylinder();
    sphere.selection = regularSphere();
    sphere.custom.film = {};
    sphere.custom.prandtlSurface.reset();
    sphere.custom.viscositySurface = 0.02;
    const Evaluation noFilm = evaluate(sphere);
    QVERIFY2(noFilm.messages.empty(), qPrintable(messagesOf(noFilm)));
    QVERIFY(!noFilm.results.empty() && !noFilm.grashof && !noFilm.freeConvection);
    QVERIFY(QString::fromStdString(noFilm.buoyancyNote).endsWith("takes none at T_f"));

    Problem same = plate;
    same.surfaceTemperature = same.freeStreamTemperature;
    const Evaluation equal = evaluate(same);
    QVERIFY(equal.grashof);
    QCOMPARE(*equal.grashof, 0.0);
    QCOMPARE(*equal.richardson, 0.0);
}

// Ri = Gr / Re^2 at the point: exactly 0.1 is still forced convection; the number is rounded as
// the other range sentences round theirs, with the digits that tell it from 0.1.
void TestBuoyancy::richardsonSentence_data()
{
    QTest::addColumn<double>("grashof");
    QTest::addColumn<double>("reynolds");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("0.08") << 800.0 << 100.0 << QString();
    QTest::newRow("exactly 0.1") << 1000.0 << 100.0 << QString();
    QTest::newRow("just above 0.1") << 1000.3 << 100.0 << "Ri = 0.10003 above 0.1: mixed convection";
    QTest::newRow("0.10005, four digits tell") << 1000.5 << 100.0 << "Ri = 0.1001 above 0.1: mixed convection";
    QTest::newRow("0.8") << 8000.0 << 100.0 << "Ri = 0.8 above 0.1: mixed convection";
    QTest::newRow("12345") << 1.2345e8 << 100.0 << "Ri = 1.23·10⁴ above 0.1: mixed convection";
    QTest::newRow("no Gr known") << 0.0 << 100.0 << QString();
}

void TestBuoyancy::richardsonSentence()
{
    QFETCH(double, grashof);
    QFETCH(double, reynolds);
    QFETCH(QString, sentence);
    Point p;
    p.reynolds = reynolds;
    p.prandtl = 0.7;
    p.grashof = grashof;
    // Churchill-Bernstein has no Re or Pr bounds at Pe 70: only the Ri sentence can appear.
    const std::vector<std::string> said = outsideRange(Correlation::ChurchillBernstein, p);
    QCOMPARE(said.size(), sentence.isEmpty() ? std::size_t(0) : std::size_t(1));
    if (!sentence.isEmpty())
        QCOMPARE(QString::fromStdString(said.front()), sentence);
}

// Written out by hand. Churchill & Chu: a = Ra^1/6, b = (0.559/Pr)^9/16, c = (1 + b)^8/27,
// Nu = (0.60 + 0.387 a / c)^2. Churchill (sphere): a = Ra^1/4, b = (0.469/Pr)^9/16,
// c = (1 + b)^4/9, Nu = 2 + 0.589 a / c.
void TestBuoyancy::freeConvectionHandCalculations_data()
{
    QTest::addColumn<int>("body");
    QTest::addColumn<double>("rayleigh");
    QTest::addColumn<double>("prandtl");
    QTest::addColumn<double>("nusselt");
    const int cyl = int(FreeBody::Cylinder), sph = int(FreeBody::Sphere);
    // The textbook steam pipe, D = 0.1 m at 165 °C in a room at 23 °C, table air at 367 K
    // (nu 22.8e-6, alpha 32.8e-6, Pr 0.697): Ra = 9.8 / 367 * 142 * 0.1^3 / (nu alpha) = 5.0704e6;
    // a = 13.10710, b = 0.883285, c = 1.206303, 0.60 + 0.387 a / c = 4.804951, Nu = 23.0876.
    QTest::newRow("cylinder, steam pipe in a room") << cyl << 5070370.150137758 << 0.697 << 23.087558846318004;
    // Ra 1e4, Pr 0.7: a = 4.641589, b = 0.881153, c = 1.205899, root 2.089590, Nu = 4.36639.
    QTest::newRow("cylinder, Ra 1e4 in air") << cyl << 1e4 << 0.7 << 4.366386507381124;
    // Ra 1e9, Pr 7: a = 31.62278, b = 0.241297, c = 1.066142, root 12.07879, Nu = 145.897.
    QTest::newRow("cylinder, Ra 1e9 in water") << cyl << 1e9 << 7.0 << 145.89707529927531;
    // Ra 0.01: a = 0.464159, root 0.748959, Nu = 0.560940 (conduction-like limit, no floor of 2).
    QTest::newRow("cylinder, Ra 0.01") << cyl << 0.01 << 0.7 << 0.5609395886731684;
    // Ra 1e6, Pr 0.7: a = 31.62278, b = 0.798302, c = 1.297993, Nu = 2 + 0.589 a / c = 16.3497.
    QTest::newRow("sphere, Ra 1e6 in air") << sph << 1e6 << 0.7 << 16.349707339313284;
    // Ra 1e9, Pr 7: a = 177.8279, b = 0.218609, c = 1.091847, Nu = 97.9298.
    QTest::newRow("sphere, Ra 1e9 in water") << sph << 1e9 << 7.0 << 97.92977463258192;
    // No buoyancy: conduction into still fluid, Nu = 2.
    QTest::newRow("sphere, Ra 0") << sph << 0.0 << 0.7 << 2.0;
}

void TestBuoyancy::freeConvectionHandCalculations()
{
    QFETCH(int, body);
    QFETCH(double, rayleigh);
    QFETCH(double, prandtl);
    QFETCH(double, nusselt);
    const FreeConvection f = freeConvection(FreeBody(body), rayleigh, prandtl);
    QVERIFY2(near(f.nusselt, nusselt, 1e-12), qPrintable(QString::number(f.nusselt, 'g', 17)));
    QCOMPARE(f.rayleigh, rayleigh);
    QVERIFY(f.outsideRange.empty());
}

// Churchill & Chu: Ra <= 10^12; Churchill (1983): Ra <= 10^11 and Pr >= 0.7.
void TestBuoyancy::freeConvectionRanges_data()
{
    QTest::addColumn<int>("body");
    QTest::addColumn<double>("rayleigh");
    QTest::addColumn<double>("prandtl");
    QTest::addColumn<QStringList>("sentences");
    const int cyl = int(FreeBody::Cylinder), sph = int(FreeBody::Sphere);
    QTest::newRow("cylinder at 1e12") << cyl << 1e12 << 0.7 << QStringList();
    QTest::newRow("cylinder above") << cyl << 2e12 << 0.01
                                    << QStringList{"Ra = 2·10¹² above the Churchill-Chu range ≤ 10¹²"};
    QTest::newRow("sphere at the bounds") << sph << 1e11 << 0.7 << QStringList();
    QTest::newRow("sphere above, liquid metal")
        << sph << 3e11 << 0.02
        << QStringList{"Ra = 3·10¹¹ above the Churchill (sphere) range ≤ 10¹¹",
                       "Pr = 0.02 below the Churchill (sphere) range ≥ 0.7"};
}

void TestBuoyancy::freeConvectionRanges()
{
    QFETCH(int, body);
    QFETCH(double, rayleigh);
    QFETCH(double, prandtl);
    QFETCH(QStringList, sentences);
    QStringList said;
    for (const std::string &s : freeConvection(FreeBody(body), rayleigh, prandtl).outsideRange)
        said << QString::fromStdString(s);
    QCOMPARE(said, sentences);
}

// (Nu_F^4 + Nu_N^4)^1/4: (81 + 256)^1/4 = 337^1/4 = 4.28457; (2.56e6 + 1e4)^1/4 = 40.0390; equal
// parts: 2^1/4 * 10 = 11.8921; no free convection leaves the forced value.
void TestBuoyancy::combinedNusselt_data()
{
    QTest::addColumn<double>("forced");
    QTest::addColumn<double>("natural");
    QTest::addColumn<double>("combined");
    QTest::newRow("3 and 4") << 3.0 << 4.0 << 4.284572294953817;
    QTest::newRow("forced dominates") << 40.0 << 10.0 << 40.039005409577044;
    QTest::newRow("equal") << 10.0 << 10.0 << 11.89207115002721;
    QTest::newRow("no buoyancy") << 25.0 << 0.0 << 25.0;
}

void TestBuoyancy::combinedNusselt()
{
    QFETCH(double, forced);
    QFETCH(double, natural);
    QFETCH(double, combined);
    QVERIFY(near(nusselt::combinedNusselt(forced, natural), combined, 1e-12));
}

QTEST_APPLESS_MAIN(TestBuoyancy)
#include "tst_buoyancy.moc"
