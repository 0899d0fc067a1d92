// The physical problem: properties at each correlation's reference temperature, h and heat rates
// against worked examples recomputed by hand from the reference formulations (python3-iapws) and
// the published correlation constants; units against their exact definitions; refusals beside
// the field that caused them.

#include "casefile.h"
#include "flowcase.h"

#include <QTest>

#include <cmath>

using namespace nusselt;
using namespace nusselt::physics;

namespace {

constexpr double celsius = 273.15;

Selection cylinder() { return selectionFromCodes(2, 0, 0, 0, 0); }
Selection regularSphere() { return selectionFromCodes(3, 0, 0, 0, 1); }
Selection drops() { return selectionFromCodes(3, 0, 0, 0, 2); }
Selection laminarPlate() { return selectionFromCodes(1, 1, 1, 1, 0); }
Selection unheatedLaminar() { return selectionFromCodes(1, 3, 1, 0, 0); }

Problem problem(Selection s, FluidChoice fluid, double v, double length, double tInfC, double tSC)
{
    Problem p;
    p.selection = s;
    p.fluid = fluid;
    p.velocity = v;
    p.length = length;
    p.freeStreamTemperature = tInfC + celsius;
    p.surfaceTemperature = tSC + celsius;
    return p;
}

// The cylinder of D = 12.7 mm in air at 10 m/s, 26.2 °C, surface at 128.4 °C, 1 atm.
Problem cylinderExample()
{
    return problem(cylinder(), FluidChoice::Air, 10.0, 0.0127, 26.2, 128.4);
}

const Result *find(const Evaluation &e, std::string_view name, Kind kind)
{
    for (const Result &r : e.results) {
        if (r.name == name && r.term.kind == kind)
            return &r;
    }
    return nullptr;
}

bool near(double actual, double expected, double relative)
{
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

QString messagesOf(const Evaluation &e)
{
    QStringList list;
    for (const Message &m : e.messages)
        list << QString::fromStdString(std::string(fieldName(m.field)) + ": " + m.text);
    return list.join(QLatin1String(" | "));
}

} // namespace

class TestFlowCase : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void referenceTemperatures();
    void calculatorGetsTheFilmValues();
    void unitDefinitions_data();
    void unitDefinitions();
    void temperatureDifferenceIsNotATemperature();
    void sameCaseInUsUnits();
    void refusals_data();
    void refusals();
    void equalTemperaturesGiveNoHeatFlow();
    void rangeSentences_data();
    void rangeSentences();
    void customFluidAsksForWhatTheCaseNeeds_data();
    void customFluidAsksForWhatTheCaseNeeds();
    void customFluidWorkedExample();
    void caseFileTexts_data();
    void caseFileTexts();
    void caseHints_data();
    void caseHints();
};

// Expected values: Re, Nu and h recomputed with /usr/bin/python3 + iapws (Air, IAPWS95 at
// 0.101325 MPa) and the published constants, independent of this program. Tolerance 0.3 %:
// the properties are within 0.2 % of the formulations and Nu goes as Re^0.6 Pr^0.37 at most.
void TestFlowCase::workedExamples_data()
{
    QTest::addColumn<int>("example");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("reynolds");
    QTest::addColumn<double>("nusselt");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("heatRate"); // W/m or W; 0: none (local)
    QTest::addColumn<QString>("outside");  // the range sentence, if any

    const int local = int(Kind::Local), average = int(Kind::Average);
    // Cylinder in air: textbook answers with table properties are about 88, 96 and 105 W/(m²·K).
    QTest::newRow("cylinder stagnation") << 0 << "Stagnation point" << local << 6124.1587 << 79.97827 << 189.14589 << 0.0 << QString();
    QTest::newRow("cylinder Hilpert") << 0 << "Hilpert" << average << 6124.1587 << 37.558071 << 88.823494 << 362.187 << QString();
    QTest::newRow("cylinder Churchill-Bernstein") << 0 << "Churchill-Bernstein" << average << 6124.1587 << 40.871343 << 96.659264 << 394.13770 << QString();
    QTest::newRow("cylinder Zhukauskas at T_inf") << 0 << "Zhukauskas" << average << 8094.8777 << 50.756979 << 105.25551 << 429.19 << QString();
    // Sphere of 10 mm in water at 0.5 m/s, 20 °C, surface 60 °C: Whitaker at T_inf, mu_s at T_s.
    QTest::newRow("sphere Whitaker") << 1 << "Whitaker" << average << 4983.0820 << 122.67155 << 7335.9102 << 92.185766 << QString();
    // Plate of 0.5 m in air at 2 m/s, 20 °C, surface 60 °C: laminar, film properties. So slow a
    // flow along so long a plate is mixed convection: Ri = g (1/T_f) dT L / V^2
    // = 9.80665 / 313.15 * 40 * 0.5 / 2^2 = 0.1566.
    const QString mixed = "Ri = 0.157 above 0.1: mixed convection";
    QTest::newRow("plate local") << 2 << "Laminar plate" << local << 58827.848 << 71.684344 << 3.9217465 << 0.0 << mixed;
    QTest::newRow("plate average") << 2 << "Laminar plate" << average << 58827.848 << 143.36869 << 7.8434930 << 156.86986 << mixed;
    // Water drop of 2 mm falling at 3 m/s through air at 25 °C, surface 15 °C (it is heated).
    QTest::newRow("drop Ranz-Marshall") << 3 << "Ranz-Marshall" << average << 396.98883 << 12.654730 << 163.71321 << -0.0205727
        << "Re = 397 above the Ranz-Marshall range ≤ 200";
}

void TestFlowCase::workedExamples()
{
    QFETCH(int, example);
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(double, reynolds);
    QFETCH(double, nusselt);
    QFETCH(double, h);
    QFETCH(double, heatRate);
    QFETCH(QString, outside);

    const Problem problems[] = {
        cylinderExample(),
        problem(regularSphere(), FluidChoice::Water, 0.5, 0.01, 20.0, 60.0),
        problem(laminarPlate(), FluidChoice::Air, 2.0, 0.5, 20.0, 60.0),
        problem(drops(), FluidChoice::Air, 3.0, 0.002, 25.0, 15.0),
    };
    const Evaluation e = evaluate(problems[example]);
    QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
    const Result *r = find(e, name.toStdString(), Kind(kind));
    QVERIFY(r);
    QVERIFY2(near(r->reynolds, reynolds, 0.002), qPrintable(QString::number(r->reynolds)));
    QVERIFY(r->nusselt);
    QVERIFY2(near(*r->nusselt, nusselt, 0.003), qPrintable(QString::number(*r->nusselt)));
    QVERIFY2(near(*r->heatTransferCoefficient, h, 0.003), qPrintable(QString::number(*r->heatTransferCoefficient)));
    if (heatRate == 0.0) {
        QVERIFY(!r->heatRate);
        QCOMPARE(int(r->rateKind), int(RateKind::None));
    } else {
        QVERIFY(r->heatRate);
        QVERIFY2(near(*r->heatRate, heatRate, 0.003), qPrintable(QString::number(*r->heatRate)));
    }
    QCOMPARE(r->outsideRange.empty() ? QString() : QString::fromStdString(r->outsideRange.front()), outside);
}

void TestFlowCase::referenceTemperatures()
{
    // Film temperature of the cylinder example: (26.2 + 128.4) / 2 = 77.3 °C.
    const Evaluation cyl = evaluate(cylinderExample());
    QVERIFY(cyl.filmTemperature);
    QVERIFY(near(*cyl.filmTemperature, 77.3 + celsius, 1e-12));
    QVERIFY(cyl.film && cyl.freeStream && cyl.surface);
    QVERIFY(near(cyl.film->temperature, 350.45, 1e-12));
    QVERIFY(near(cyl.freeStream->temperature, 299.35, 1e-12));
    QVERIFY(near(cyl.surface->temperature, 401.55, 1e-12));
    // Pr_s of air at 128.4 °C (iapws: 0.698872), and each correlation's own Pr.
    QVERIFY(cyl.prandtlSurface && near(*cyl.prandtlSurface, 0.6988724, 0.002));
    QVERIFY(near(find(cyl, "Hilpert", Kind::Average)->prandtl, 0.7018654, 0.002));
    QVERIFY(near(find(cyl, "Zhukauskas", Kind::Average)->prandtl, 0.7071462, 0.002));
    QCOMPARE(int(find(cyl, "Zhukauskas", Kind::Average)->reference), int(Reference::FreeStream));
    QCOMPARE(int(find(cyl, "Churchill-Bernstein", Kind::Average)->reference), int(Reference::Film));

    // The regular sphere takes everything at T_inf; mu/mu_s of water 20 °C / 60 °C = 2.149.
    const Evaluation sph = evaluate(problem(regularSphere(), FluidChoice::Water, 0.5, 0.01, 20.0, 60.0));
    QVERIFY(!sph.film);
    QVERIFY(sph.viscosityRatio && near(*sph.viscosityRatio, 2.1491862, 0.003));
    QVERIFY(sph.reynolds && near(*sph.reynolds, 4983.0820, 0.002));
}

void TestFlowCase::calculatorGetsTheFilmValues()
{
    // "Use in Calculator" writes the film Re and Pr (and Pr_s): the calculator's numbers are then
    // the film-temperature correlations' numbers, bit for bit; its Zhukauskas uses film values.
    const Evaluation e = evaluate(cylinderExample());
    QVERIFY(e.calculatorInputs);
    QCOMPARE(*e.calculatorInputs->reynolds, *e.reynolds);
    QCOMPARE(*e.calculatorInputs->prandtl, *e.prandtl);
    QCOMPARE(*e.calculatorInputs->prandtlSurface, *e.prandtlSurface);
    const Outcome &o = e.calculatorOutcome;
    QVERIFY(!o.refused());
    QCOMPARE(o.local.value, *find(e, "Stagnation point", Kind::Local)->nusselt);
    QCOMPARE(o.average.value, *find(e, "Hilpert", Kind::Average)->nusselt);
    QCOMPARE(o.note.value, *find(e, "Churchill-Bernstein", Kind::Average)->nusselt);
    QVERIFY(o.zhukauskas.value != *find(e, "Zhukauskas", Kind::Average)->nusselt);

    // The regular sphere: T_inf values with mu and mu_s where the calculator reads them.
    const Evaluation s = evaluate(problem(regularSphere(), FluidChoice::Water, 0.5, 0.01, 20.0, 60.0));
    QVERIFY(s.calculatorInputs && s.calculatorInputs->mu && s.calculatorInputs->muSurface);
    QVERIFY(near(*s.calculatorInputs->mu / *s.calculatorInputs->muSurface, 2.1491862, 0.003));
    QCOMPARE(s.calculatorOutcome.average.value, *find(s, "Whitaker", Kind::Average)->nusselt);

    // The unheated starting length: L, x and xi go along (metres).
    Problem u = problem(unheatedLaminar(), FluidChoice::Air, 2.0, 0.5, 20.0, 60.0);
    u.distance = 0.4;
    u.heatStart = 0.1;
    const Evaluation ue = evaluate(u);
    QVERIFY2(ue.calculatorInputs, qPrintable(messagesOf(ue)));
    QCOMPARE(*ue.calculatorInputs->plateLength, 0.5);
    QCOMPARE(*ue.calculatorInputs->distance, 0.4);
    QCOMPARE(*ue.calculatorInputs->heatStart, 0.1);
    QCOMPARE(ue.calculatorOutcome.local.value, *find(ue, "Laminar, unheated start", Kind::Local)->nusselt);
    // Local h belongs to x (Nu_x k / x); the heat rate to the heated part L - xi.
    const Result *loc = find(ue, "Laminar, unheated start", Kind::Local);
    const Result *avg = find(ue, "Laminar, unheated start", Kind::Average);
    QVERIFY(near(*loc->heatTransferCoefficient * 0.4, *loc->nusselt * ue.film->state.thermalConductivity, 1e-12));
    QVERIFY(near(*avg->heatRate, *avg->heatTransferCoefficient * 40.0 * 0.4, 1e-12));
}

void TestFlowCase::unitDefinitions_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("si");

    // Exact definitions and published conversion factors (NIST SP 811).
    QTest::newRow("ft/s") << int(Quantity::Velocity) << "ft/s" << 1.0 << 0.3048;
    QTest::newRow("in") << int(Quantity::Length) << "in" << 0.5 << 0.0127;
    QTest::newRow("mm") << int(Quantity::Length) << "mm" << 12.7 << 0.0127;
    QTest::newRow("ft") << int(Quantity::Length) << "ft" << 1.0 << 0.3048;
    QTest::newRow("°C") << int(Quantity::Temperature) << "°C" << 26.2 << 299.35;
    QTest::newRow("C") << int(Quantity::Temperature) << "C" << 100.0 << 373.15;
    QTest::newRow("°F boiling") << int(Quantity::Temperature) << "°F" << 212.0 << 373.15;
    QTest::newRow("F zero") << int(Quantity::Temperature) << "F" << 0.0 << 255.37222222222222;
    QTest::newRow("K") << int(Quantity::Temperature) << "K" << 300.0 << 300.0;
    QTest::newRow("kPa") << int(Quantity::Pressure) << "kPa" << 101.325 << 101325.0;
    QTest::newRow("atm") << int(Quantity::Pressure) << "atm" << 1.0 << 101325.0;
    QTest::newRow("bar") << int(Quantity::Pressure) << "bar" << 1.0 << 100000.0;
    QTest::newRow("psi") << int(Quantity::Pressure) << "psi" << 14.7 << 101352.93221;
    QTest::newRow("Btu/(h·ft²·°F)") << int(Quantity::HeatTransferCoefficient) << "Btu/(h·ft²·°F)" << 1.0 << 5.678263;
    QTest::newRow("Btu/(h·ft²)") << int(Quantity::HeatFlux) << "Btu/(h·ft²)" << 1.0 << 3.154591;
    QTest::newRow("Btu/(h·ft)") << int(Quantity::HeatRatePerLength) << "Btu/(h·ft)" << 1.0 << 0.9615193;
    QTest::newRow("Btu/h") << int(Quantity::HeatRate) << "Btu/h" << 1.0 << 0.2930711;
}

void TestFlowCase::unitDefinitions()
{
    QFETCH(int, quantity);
    QFETCH(QString, symbol);
    QFETCH(double, value);
    QFETCH(double, si);
    const std::optional<Unit> unit = findUnit(Quantity(quantity), symbol.toStdString());
    QVERIFY(unit);
    QVERIFY2(near(toSI(*unit, value), si, 2e-7), qPrintable(QString::number(toSI(*unit, value), 'g', 12)));
    QVERIFY(near(fromSI(*unit, toSI(*unit, value)), value, 1e-14));
}

void TestFlowCase::temperatureDifferenceIsNotATemperature()
{
    const Unit f = *findUnit(Quantity::TemperatureDifference, "°F");
    QCOMPARE(fromSI(f, 10.0), 18.0);
    const Unit c = *findUnit(Quantity::TemperatureDifference, "°C");
    QCOMPARE(fromSI(c, 10.0), 10.0);
    // The defaults are SI and the selectors offer the US units.
    QCOMPARE(defaultUnit(Quantity::Velocity).symbol, std::string_view("m/s"));
    QCOMPARE(defaultUnit(Quantity::Length).symbol, std::string_view("m"));
    QCOMPARE(defaultUnit(Quantity::Temperature).symbol, std::string_view("°C"));
    QCOMPARE(defaultUnit(Quantity::Pressure).symbol, std::string_view("kPa"));
    QCOMPARE(defaultUnit(Quantity::HeatTransferCoefficient).symbol, std::string_view("W/(m²·K)"));
    QVERIFY(!findUnit(Quantity::Temperature, "c")); // symbols are case-sensitive
    QVERIFY(!findUnit(Quantity::Length, "m/s"));
}

void TestFlowCase::sameCaseInUsUnits()
{
    // The cylinder example typed in ft/s, in, °F and psi: the same h to 1e-9.
    const auto us = [](Quantity q, const char *symbol, double si) {
        const Unit u = *findUnit(q, symbol);
        return toSI(u, fromSI(u, si));
    };
    const Problem a = cylinderExample();
    Problem b = a;
    b.velocity = us(Quantity::Velocity, "ft/s", *a.velocity);
    b.length = us(Quantity::Length, "in", *a.length);
    b.freeStreamTemperature = us(Quantity::Temperature, "°F", *a.freeStreamTemperature);
    b.surfaceTemperature = us(Quantity::Temperature, "°F", *a.surfaceTemperature);
    b.pressure = us(Quantity::Pressure, "psi", *a.pressure);
    const Evaluation ea = evaluate(a), eb = evaluate(b);
    QCOMPARE(ea.results.size(), std::size_t(4));
    QCOMPARE(eb.results.size(), ea.results.size());
    for (std::size_t i = 0; i < ea.results.size(); ++i)
        QVERIFY(near(*eb.results[i].heatTransferCoefficient, *ea.results[i].heatTransferCoefficient, 1e-9));
}

void TestFlowCase::refusals_data()
{
    QTest::addColumn<int>("fluid");
    QTest::addColumn<double>("velocity");
    QTest::addColumn<double>("tInf");
    QTest::addColumn<double>("tSurface");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message");

    const int air = int(FluidChoice::Air), water = int(FluidChoice::Water);
    const double nan = std::nan("");
    // IAPWS-95 boiling points (python3-iapws): 373.1242960 K (99.9743 °C) at 101.325 kPa and
    // 354.4668932 K (81.3169 °C) at 50 kPa, rounded down so that the sentence stays true.
    QTest::newRow("water boils at Ts") << water << 1.0 << 20.0 << 101.0 << 101325.0 << int(Field::SurfaceTemperature)
                                       << "Water boils at 99.97 °C at 101.325 kPa: lower Ts or raise the pressure";
    QTest::newRow("water boils at T_inf, 50 kPa") << water << 1.0 << 90.0 << 20.0 << 50000.0 << int(Field::FreeStreamTemperature)
                                       << "Water boils at 81.31 °C at 50 kPa: lower T∞ or raise the pressure";
    QTest::newRow("water frozen") << water << 1.0 << -5.0 << 20.0 << 101325.0 << int(Field::FreeStreamTemperature)
                                  << "Water freezes at 0.01 °C: raise T∞";
    QTest::newRow("below absolute zero") << air << 1.0 << -300.0 << 20.0 << 101325.0 << int(Field::FreeStreamTemperature)
                                         << "-300.00 °C is below absolute zero (-273.15 °C)";
    QTest::newRow("air too hot") << air << 1.0 << 20.0 << 1300.0 << 101325.0 << int(Field::SurfaceTemperature)
                                 << "Air properties are known from -73.15 °C to 1226.85 °C: lower Ts";
    QTest::newRow("air too cold") << air << 1.0 << -100.0 << 20.0 << 101325.0 << int(Field::FreeStreamTemperature)
                                  << "Air properties are known from -73.15 °C to 1226.85 °C: raise T∞";
    QTest::newRow("pressure too high") << air << 1.0 << 20.0 << 60.0 << 2.0e6 << int(Field::Pressure)
                                       << "The pressure must lie between 10 kPa and 1000 kPa";
    QTest::newRow("pressure not a number") << air << 1.0 << 20.0 << 60.0 << nan << int(Field::Pressure)
                                           << "Enter the pressure as a number";
    QTest::newRow("negative velocity") << air << -1.0 << 20.0 << 60.0 << 101325.0 << int(Field::Velocity)
                                       << "Velocity must be greater than zero";
    QTest::newRow("velocity not a number") << air << nan << 20.0 << 60.0 << 101325.0 << int(Field::Velocity)
                                           << "Enter the velocity as a number";
    QTest::newRow("T_s not a number") << air << 1.0 << 20.0 << nan << 101325.0 << int(Field::SurfaceTemperature)
                                      << "Enter Ts as a number";
}

void TestFlowCase::refusals()
{
    QFETCH(int, fluid);
    QFETCH(double, velocity);
    QFETCH(double, tInf);
    QFETCH(double, tSurface);
    QFETCH(double, pressure);
    QFETCH(int, field);
    QFETCH(QString, message);

    Problem p = problem(cylinder(), FluidChoice(fluid), velocity, 0.0127, tInf, tSurface);
    p.pressure = pressure;
    if (std::isnan(velocity))
        p.velocity.reset();
    if (std::isnan(tSurface))
        p.surfaceTemperature.reset();
    if (std::isnan(pressure))
        p.pressure.reset();
    const Evaluation e = evaluate(p);
    QCOMPARE(e.messages.size(), std::size_t(1));
    QCOMPARE(int(e.messages[0].field), field);
    QCOMPARE(QString::fromStdString(e.messages[0].text), message);
    // Nothing that depends on a refused input is shown, and the calculator gets nothing.
    QVERIFY(e.results.empty());
    QVERIFY(!e.calculatorInputs);
}

void TestFlowCase::equalTemperaturesGiveNoHeatFlow()
{
    const Evaluation e = evaluate(problem(laminarPlate(), FluidChoice::Air, 2.0, 0.5, 40.0, 40.0));
    QVERIFY(e.messages.empty());
    QVERIFY(e.noHeatFlow);
    const Result *r = find(e, "Laminar plate", Kind::Average);
    QVERIFY(r && *r->heatTransferCoefficient > 7.0);
    QCOMPARE(*r->heatFlux, 0.0);
    QCOMPARE(*r->heatRate, 0.0);
}

void TestFlowCase::rangeSentences_data()
{
    QTest::addColumn<int>("correlation");
    QTest::addColumn<double>("reynolds");
    QTest::addColumn<double>("prandtl");
    QTest::addColumn<QStringList>("sentences");

    QTest::newRow("Whitaker Re high") << int(Correlation::Whitaker) << 91000.0 << 1.0
        << QStringList{"Re = 9.1·10⁴ above the Whitaker range 3.5 to 7.6·10⁴"};
    QTest::newRow("Hilpert Re and Pr low") << int(Correlation::Hilpert) << 0.2 << 0.5
        << QStringList{"Re = 0.2 below the Hilpert range 0.4 to 4·10⁵", "Pr = 0.5 below the Hilpert range ≥ 0.7"};
    QTest::newRow("Zhukauskas Re high") << int(Correlation::Zhukauskas) << 1.5e6 << 0.7
        << QStringList{"Re = 1.5·10⁶ above the Zhukauskas range 1 to 10⁶"};
    QTest::newRow("laminar plate past transition") << int(Correlation::LaminarPlate) << 6e5 << 0.7
        << QStringList{"Re = 6·10⁵ above the Laminar plate range ≤ 5·10⁵"};
    QTest::newRow("turbulent plate oil") << int(Correlation::TurbulentPlate) << 1e6 << 1081.0
        << QStringList{"Pr = 1081 above the Turbulent plate range 0.6 to 60"};
    QTest::newRow("Churchill-Bernstein Pe") << int(Correlation::ChurchillBernstein) << 0.1 << 0.7
        << QStringList{"Pe = 0.07 below the Churchill-Bernstein range ≥ 0.2"};
    QTest::newRow("inside") << int(Correlation::Hilpert) << 6124.0 << 0.70 << QStringList{};
}

void TestFlowCase::rangeSentences()
{
    QFETCH(int, correlation);
    QFETCH(double, reynolds);
    QFETCH(double, prandtl);
    QFETCH(QStringList, sentences);
    Point p;
    p.reynolds = reynolds;
    p.prandtl = prandtl;
    p.viscosity = 2.0;
    p.viscositySurface = 1.0;
    p.prandtlSurface = prandtl;
    QStringList got;
    for (const std::string &s : outsideRange(Correlation(correlation), p))
        got << QString::fromStdString(s);
    QCOMPARE(got, sentences);
}

void TestFlowCase::customFluidAsksForWhatTheCaseNeeds_data()
{
    QTest::addColumn<int>("geometry");
    QTest::addColumn<int>("sphere");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("last");
    QTest::newRow("plate: film only") << 1 << 0 << 4 << int(Field::FilmSpecificHeat);
    QTest::newRow("cylinder: film, T_inf and Pr_s") << 2 << 0 << 9 << int(Field::SurfacePrandtl);
    QTest::newRow("sphere: T_inf and mu_s") << 3 << 1 << 5 << int(Field::SurfaceViscosity);
    QTest::newRow("drops: film only") << 3 << 2 << 4 << int(Field::FilmSpecificHeat);
}

void TestFlowCase::customFluidAsksForWhatTheCaseNeeds()
{
    QFETCH(int, geometry);
    QFETCH(int, sphere);
    QFETCH(int, count);
    QFETCH(int, last);
    const std::vector<Field> fields = customFieldsNeeded(selectionFromCodes(geometry, 0, 0, 0, sphere));
    QCOMPARE(int(fields.size()), count);
    QCOMPARE(int(fields.back()), last);
    // Each needed field left empty is refused beside itself.
    Problem p = problem(selectionFromCodes(geometry, 1, 2, 0, sphere), FluidChoice::Custom, 1.0, 0.1, 20.0, 60.0);
    const Evaluation e = evaluate(p);
    QCOMPARE(int(e.messages.size()), count);
    for (std::size_t i = 0; i < fields.size(); ++i)
        QCOMPARE(int(e.messages[i].field), int(fields[i]));
}

void TestFlowCase::customFluidWorkedExample()
{
    // Engine oil over a 1 m plate at 0.1 m/s, T_inf 100 °C, surface 20 °C, properties at the film
    // temperature 333 K from a property table: rho 864, nu 86.1e-6, k 0.140, Pr 1081. By hand:
    // Re_L = 1161.4, Nu_L = 0.664 Re^1/2 Pr^1/3 = 232.24, h = 32.51 W/(m²·K), q' = -2601 W/m.
    Problem p = problem(laminarPlate(), FluidChoice::Custom, 0.1, 1.0, 100.0, 20.0);
    p.custom.film.density = 864.0;
    p.custom.film.dynamicViscosity = 86.1e-6 * 864.0;
    p.custom.film.thermalConductivity = 0.140;
    p.custom.film.specificHeat = 1081.0 * 0.140 / (86.1e-6 * 864.0);
    const Evaluation e = evaluate(p);
    QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
    const Result *r = find(e, "Laminar plate", Kind::Average);
    QVERIFY(r);
    QVERIFY(near(r->reynolds, 1161.4402, 1e-7));
    QVERIFY(near(*r->nusselt, 232.24252, 1e-7));
    QVERIFY(near(*r->heatTransferCoefficient, 32.513953, 1e-7));
    QVERIFY(near(*r->heatRate, -2601.1162, 1e-7));
}

// A case file's texts are read as the window reads its fields: blanks around a number ignored;
// "infinity", a doubled sign or a decimal comma are no number, refused beside their field.
void TestFlowCase::caseFileTexts_data()
{
    QTest::addColumn<int>("slot"); // velocity (m/s), length (mm), T_inf (°C), film density, Pr_s
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message"); // empty: read, as si
    QTest::addColumn<double>("si");

    const int v = int(Field::Velocity), t = int(Field::FreeStreamTemperature), rho = int(Field::FilmDensity),
              prs = int(Field::SurfacePrandtl), length = int(Field::Length);
    QTest::newRow("velocity infinity") << 0 << "infinity" << v << "Enter the velocity as a number" << 0.0;
    QTest::newRow("velocity +-5") << 0 << "+-5" << v << "Enter the velocity as a number" << 0.0;
    QTest::newRow("velocity 1,5") << 0 << "1,5" << v << "Enter the velocity as a number" << 0.0;
    QTest::newRow("velocity blanks") << 0 << " 12.5 " << v << "" << 12.5;
    QTest::newRow("length blanks, mm") << 1 << " 12.5 " << length << "" << 0.0125;
    QTest::newRow("length 1,5") << 1 << "1,5" << length << "Enter the diameter D as a number" << 0.0;
    QTest::newRow("T_inf infinity") << 2 << "infinity" << t << "Enter T∞ as a number" << 0.0;
    QTest::newRow("T_inf tab and blank") << 2 << "\\t12.5 " << t << "" << 285.65;
    QTest::newRow("density 1,5") << 3 << "1,5" << rho << "Enter the density at T_f as a number" << 0.0;
    QTest::newRow("density infinity") << 3 << "infinity" << rho << "Enter the density at T_f as a number" << 0.0;
    QTest::newRow("Pr_s +-5") << 4 << "+-5" << prs << "Enter the Prandtl number at Ts as a number" << 0.0;
    QTest::newRow("Pr_s blanks") << 4 << " 12.5 " << prs << "" << 12.5;
}

void TestFlowCase::caseFileTexts()
{
    QFETCH(int, slot);
    QFETCH(QString, text);
    QFETCH(int, field);
    QFETCH(QString, message);
    QFETCH(double, si);

    QStringList texts{"10", "12.7", "20", "1.16", "0.7"};
    texts[slot] = text;
    const QString json = QString::fromUtf8(R"({"format": "nusselt-case", "version": 1,
        "case": {"geometry": "cylinder"}, "fluid": "custom",
        "inputs": {"velocity": {"text": "%1", "unit": "m/s"}, "length": {"text": "%2", "unit": "mm"},
                   "t_inf": {"text": "%3", "unit": "°C"}, "t_surface": {"text": "60", "unit": "°C"}},
        "custom": {"film": {"density": "%4", "viscosity": "1.9e-5", "conductivity": "0.027",
                            "specific_heat": "1007"},
                   "free_stream": {"density": "1.2", "viscosity": "1.8e-5", "conductivity": "0.025",
                                   "specific_heat": "1007"},
                   "surface_prandtl": "%5"}})")
                             .arg(texts[0], texts[1], texts[2], texts[3], texts[4]);
    std::string error;
    const std::optional<CaseFile> c = fromJson(json.toStdString(), error);
    QVERIFY2(c, error.c_str());
    const std::optional<Problem> p = toProblem(*c, error);
    QVERIFY2(p, error.c_str());
    const std::optional<double> read[] = {p->velocity, p->length, p->freeStreamTemperature,
                                          p->custom.film.density, p->custom.prandtlSurface};
    const Evaluation e = evaluate(*p);
    if (message.isEmpty()) {
        QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
        QVERIFY(read[slot]);
        QVERIFY(near(*read[slot], si, 1e-15));
        QCOMPARE(e.results.size(), std::size_t(4));
    } else {
        QVERIFY(!read[slot]); // no number at all, not an infinite or negative one
        QCOMPARE(messagesOf(e), QString::fromStdString(std::string(fieldName(Field(field)))) + ": " + message);
        QVERIFY(e.results.empty());
    }
}

// What the window says to choose next, for every state of the choices on the way to a case (the
// calculator's five codes): nothing once the case has correlations, nor before a geometry.
void TestFlowCase::caseHints_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("hasResults");
    QTest::addColumn<bool>("calculatorRefuses");

    QTest::newRow("no geometry") << QList<int>{0, 0, 0, 0, 0} << "" << false << false;
    QTest::newRow("plate") << QList<int>{1, 0, 0, 0, 0} << "Choose the heat flow condition" << false << false;
    QTest::newRow("uniform temperature") << QList<int>{1, 1, 0, 0, 0} << "Choose the flow condition" << false << true;
    QTest::newRow("laminar, no fluid type") << QList<int>{1, 1, 1, 0, 0} << "Choose the fluid type" << false << true;
    QTest::newRow("laminar, liquid metal") << QList<int>{1, 1, 1, 2, 0} << "" << true << false;
    QTest::newRow("mixed") << QList<int>{1, 1, 3, 0, 0} << "" << true << true; // Re < 5·10⁵
    QTest::newRow("uniform flux") << QList<int>{1, 2, 0, 0, 0} << "Choose laminar or turbulent flow" << false << true;
    QTest::newRow("uniform flux, mixed") << QList<int>{1, 2, 3, 0, 0} << "Choose laminar or turbulent flow" << false << true;
    QTest::newRow("unheated, mixed") << QList<int>{1, 3, 3, 0, 0} << "Choose laminar or turbulent flow" << false << false;
    QTest::newRow("sphere") << QList<int>{3, 0, 0, 0, 0} << "Choose Regular Sphere or Drops" << false << false;
    QTest::newRow("drops") << QList<int>{3, 0, 0, 0, 2} << "" << true << false;
    QTest::newRow("cylinder") << QList<int>{2, 0, 0, 0, 0} << "" << true << false;
}

void TestFlowCase::caseHints()
{
    QFETCH(QList<int>, codes);
    QFETCH(QString, hint);
    QFETCH(bool, hasResults);
    QFETCH(bool, calculatorRefuses);
    Problem p = problem(selectionFromCodes(codes[0], codes[1], codes[2], codes[3], codes[4]),
                        FluidChoice::Air, 2.0, 0.5, 20.0, 60.0);
    p.heatFlux = 500.0; // the uniform-flux plate's input; the others take Ts
    const Evaluation e = evaluate(p);
    QCOMPARE(QString::fromUtf8(e.caseHint.data(), qsizetype(e.caseHint.size())), hint);
    QCOMPARE(!e.results.empty(), hasResults);
    QCOMPARE(e.calculatorOutcome.refused(), calculatorRefuses);
}

QTEST_GUILESS_MAIN(TestFlowCase)
#include "tst_flowcase.moc"
