// The edges of the physical problem: the uniform-flux plate posed with its heat flux, the Mach
// number, temperatures refused only where a property is taken (or a liquid would not be one),
// limits in messages that stay true, absurd inputs, units typed with their numbers, and the exact
// boundaries of the correlations. Expected values come from python3-iapws (/usr/bin/python3, Air
// and IAPWS95 at 0.101325 MPa), the exact definitions of the units and hand calculations written
// out beside them; never from this program.

#include "casefile.h"
#include "flowcase.h"
#include "units.h"

#include <QTest>

#include <cmath>

using namespace nusselt;
using namespace nusselt::physics;

namespace {

constexpr double celsius = 273.15;

Selection plate(int heat, int flow) { return selectionFromCodes(1, heat, flow, heat == 1 ? 1 : 0, 0); }
Selection cylinder() { return selectionFromCodes(2, 0, 0, 0, 0); }
Selection regularSphere() { return selectionFromCodes(3, 0, 0, 0, 1); }

Problem problem(Selection s, FluidChoice fluid, double v, double length, double tInfK, double tSK)
{
    Problem p;
    p.selection = s;
    p.fluid = fluid;
    p.velocity = v;
    p.length = length;
    p.freeStreamTemperature = tInfK;
    p.surfaceTemperature = tSK;
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
        list << QString::fromStdString(std::string(fieldName(m.field)) + ": " + m.text);
    return list.join(QLatin1String(" | "));
}

const Result *find(const Evaluation &e, Kind kind)
{
    for (const Result &r : e.results)
        if (r.term.kind == kind)
            return &r;
    return nullptr;
}

// A typed fluid with air-like properties at the film temperature.
void typeAirLike(Problem &p)
{
    p.custom.film = {1.16, 1.86e-5, 0.0263, 1007.0};
}

} // namespace

class TestFlowLimits : public QObject
{
    Q_OBJECT

private slots:
    void typedUnits_data();
    void typedUnits();
    void uniformFlux_data();
    void uniformFlux();
    void heatFluxInACaseFile();
    void uniformFluxRefusals_data();
    void uniformFluxRefusals();
    void mach_data();
    void mach();
    void propertiesOnlyWhereTaken_data();
    void propertiesOnlyWhereTaken();
    void limitsStayTrue_data();
    void limitsStayTrue();
    void absurdInputs_data();
    void absurdInputs();
    void largestInputsStayFinite();
    void exactBoundaries_data();
    void exactBoundaries();
};

// Unit definitions: cm = 0.01 m; km/h = 1000/3600 m/s; mph = 1609.344 m / 3600 s = 0.44704 m/s;
// kn = 1852 m / 3600 s; °F: K = (F + 459.67)·5/9; Btu/(h·ft²) = 1055.05585262 J / 3600 s / 0.3048² m².
void TestFlowLimits::typedUnits_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("si");      // NaN: no number
    QTest::addColumn<QString>("unit");   // symbol found; empty: none
    QTest::addColumn<QString>("written"); // the unit as written

    const int v = int(Quantity::Velocity), l = int(Quantity::Length), t = int(Quantity::Temperature),
              q = int(Quantity::HeatFlux);
    const double none = std::nan("");
    QTest::newRow("1.27cm") << l << "1.27cm" << 0.0127 << "cm" << "cm";
    QTest::newRow("12.7mm") << l << "12.7mm" << 0.0127 << "mm" << "mm";
    QTest::newRow("5m") << l << "5m" << 5.0 << "m" << "m";
    QTest::newRow("36km/h") << v << "36km/h" << 10.0 << "km/h" << "km/h";
    QTest::newRow("22.37mph") << v << "22.37mph" << 10.0002848 << "mph" << "mph";
    QTest::newRow("10 kn") << v << " 10 kn " << 5.144444444444445 << "kn" << "kn";
    QTest::newRow("79.2degF") << t << "79.2degF" << 299.3722222222222 << "°F" << "degF";
    QTest::newRow("79.2F") << t << "79.2F" << 299.3722222222222 << "°F" << "F";
    QTest::newRow("-40degC") << t << "-40degC" << 233.15 << "°C" << "degC";
    QTest::newRow("300 K") << t << "300 K" << 300.0 << "K" << "K";
    QTest::newRow("500W/m2") << q << "500W/m2" << 500.0 << "W/m²" << "W/m2";
    QTest::newRow("0.5kW/m2") << q << "0.5kW/m2" << 500.0 << "kW/m²" << "kW/m2";
    QTest::newRow("Btu/(h.ft2)") << q << "1Btu/(h.ft2)" << 3.1545907450630484 << "Btu/(h·ft²)" << "Btu/(h.ft2)";
    QTest::newRow("unknown unit") << l << "5furlongs" << none << "" << "furlongs";
    QTest::newRow("overflowing number") << v << "1e400m/s" << none << "m/s" << "m/s";
    QTest::newRow("no number") << v << "fast" << none << "" << "fast";
    QTest::newRow("no unit") << v << "36" << none << "" << "";
}

void TestFlowLimits::typedUnits()
{
    QFETCH(int, quantity);
    QFETCH(QString, text);
    QFETCH(double, si);
    QFETCH(QString, unit);
    QFETCH(QString, written);
    const std::string typed = text.toStdString();
    const TypedQuantity r = readTyped(Quantity(quantity), typed);
    QCOMPARE(QString::fromUtf8(r.unitText.data(), qsizetype(r.unitText.size())), written);
    QCOMPARE(r.unit ? QString::fromUtf8(r.unit->symbol.data(), qsizetype(r.unit->symbol.size())) : QString(), unit);
    if (std::isnan(si)) {
        QVERIFY(!r.value || !r.unit);
        if (written.isEmpty()) // a bare number is read, its unit left to the caller
            QCOMPARE(*r.value, 36.0);
        return;
    }
    QVERIFY(r.value && r.unit);
    QVERIFY2(near(toSI(*r.unit, *r.value), si, 1e-12), qPrintable(QString::number(toSI(*r.unit, *r.value), 'g', 17)));
}

// Uniform flux: Ts - T_inf = q'' L / (Nu k), with the average Nu for the plate's average and
// Nu_x at x = L for the trailing edge (laminar 0.68 and 0.453, turbulent 0.03696 and 0.0308 times
// Re^m Pr^1/3), every property at the film temperature of the average Ts. Reference: the same
// fixed point solved with python3-iapws to 1e-9 K:
//     ts = tinf; repeat: tf = (tinf + ts)/2; a = Air(T=tf, P=0.101325) (or IAPWS95);
//     Re = V L rho/mu; Pr = cp mu/k; ts = tinf + q L / (C Re^m Pr^(1/3) k)
void TestFlowLimits::uniformFlux_data()
{
    QTest::addColumn<int>("fluid");
    QTest::addColumn<int>("flow");
    QTest::addColumn<double>("velocity");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("heatFlux");
    QTest::addColumn<double>("surface");     // the average Ts, K
    QTest::addColumn<double>("excessEdge");  // Ts - T_inf at x = L, K
    QTest::addColumn<double>("excessAverage");
    QTest::addColumn<double>("reynolds");

    const int air = int(FluidChoice::Air), water = int(FluidChoice::Water), laminar = 1, turbulent = 2;
    // The issue's plate: air at 5 m/s over 0.5 m at 20 °C; 500 W/m² heat it to about 59 °C.
    QTest::newRow("air, laminar, heated") << air << laminar << 5.0 << 0.5 << 500.0 << 332.5159316589653
                                          << 59.092347744142224 << 39.365931658965344 << 147334.36500464636;
    QTest::newRow("air, laminar, cooled") << air << laminar << 5.0 << 0.5 << -300.0 << 269.6904902317244
                                          << -35.21515815105384 << -23.45950976827557 << 177953.4687490894;
    QTest::newRow("water, laminar") << water << laminar << 0.5 << 0.3 << 20000.0 << 312.0860685891224
                                    << 28.42500362164072 << 18.936068589122424 << 185247.2384791627;
    QTest::newRow("air, turbulent") << air << turbulent << 30.0 << 2.0 << 2000.0 << 318.469184877116
                                    << 30.38302185253919 << 25.319184877115998 << 3681662.0411614235;
    // Typed properties hold at any temperature: one step, by hand. Re = 5·0.5·1.16/1.86e-5,
    // Pr = 1007·1.86e-5/0.0263, Ts - T_inf = 500·0.5 / (0.68 Re^1/2 Pr^1/3 · 0.0263).
    QTest::newRow("typed fluid") << int(FluidChoice::Custom) << laminar << 5.0 << 0.5 << 500.0 << 332.79337298430636
                                 << 59.50881595878221 << 39.643372984306374 << 155913.97849462365;
}

void TestFlowLimits::uniformFlux()
{
    QFETCH(int, fluid);
    QFETCH(int, flow);
    QFETCH(double, velocity);
    QFETCH(double, length);
    QFETCH(double, heatFlux);
    QFETCH(double, surface);
    QFETCH(double, excessEdge);
    QFETCH(double, excessAverage);
    QFETCH(double, reynolds);

    const double tInf = 20.0 + celsius;
    Problem p = problem(plate(2, flow), FluidChoice(fluid), velocity, length, tInf, 0.0);
    p.surfaceTemperature.reset(); // not an input of this case
    typeAirLike(p);
    p.heatFlux = heatFlux;
    const Evaluation e = evaluate(p);
    QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
    // The properties are within 1e-5 of the formulations; the iteration stops within 1e-6 K.
    QVERIFY(e.surfaceTemperature && std::abs(*e.surfaceTemperature - surface) < 2e-3);
    QVERIFY(std::abs(*e.filmTemperature - 0.5 * (tInf + surface)) < 1e-3);
    QVERIFY(near(*e.reynolds, reynolds, 1e-4));
    const Result *edge = find(e, Kind::Local), *average = find(e, Kind::Average);
    QVERIFY(edge && average);
    QVERIFY2(near(*edge->temperatureDifference, excessEdge, 1e-4), qPrintable(QString::number(*edge->temperatureDifference)));
    QVERIFY(near(*average->temperatureDifference, excessAverage, 1e-4));
    // The flux is uniform: both results carry the given q'', and the plate passes q'' L per metre.
    QCOMPARE(*edge->heatFlux, heatFlux);
    QCOMPARE(*average->heatFlux, heatFlux);
    QVERIFY(near(*average->heatRate, heatFlux * length, 1e-15));
    QVERIFY(!e.noHeatFlow);
}

// A case file states the uniform-flux plate with its heat flux, in the unit written beside it,
// and a refusal quotes it in that unit.
void TestFlowLimits::heatFluxInACaseFile()
{
    const char *json = R"({"format": "nusselt-case", "version": 1, "fluid": "air",
        "case": {"geometry": "plate", "heat": "flux", "flow": "laminar"},
        "inputs": {"velocity": {"text": "5", "unit": "m/s"}, "length": {"text": "50", "unit": "cm"},
                   "t_inf": {"text": "20", "unit": "°C"}, "pressure": {"text": "1", "unit": "atm"},
                   "heat_flux": {"text": "%1", "unit": "kW/m²"}}})";
    std::string error;
    const std::optional<CaseFile> c = fromJson(QString::fromUtf8(json).arg("0.5").toStdString(), error);
    QVERIFY2(c, error.c_str());
    const std::optional<Problem> p = toProblem(*c, error);
    QVERIFY2(p, error.c_str());
    QCOMPARE(*p->heatFlux, 500.0);
    const Evaluation e = evaluate(*p);
    QVERIFY2(e.surfaceTemperature && std::abs(*e.surfaceTemperature - 332.5159) < 2e-3, qPrintable(messagesOf(e)));
    Problem absurd = *toProblem(*fromJson(QString::fromUtf8(json).arg("2e6").toStdString(), error), error);
    QCOMPARE(messagesOf(evaluate(absurd)), "Heat flux: 2e6 kW/m² is too large");
}

void TestFlowLimits::uniformFluxRefusals_data()
{
    QTest::addColumn<int>("fluid");
    QTest::addColumn<double>("tInf"); // K
    QTest::addColumn<double>("heatFlux"); // NaN: not entered
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");

    const int air = int(FluidChoice::Air), water = int(FluidChoice::Water), custom = int(FluidChoice::Custom);
    // Water at 20 °C, 0.5 m/s over 0.3 m: 20 kW/m² raise the trailing edge by 28.4 K; 200 kW/m²
    // by ten times that, far beyond its boiling point of 99.97 °C at 1 atm (IAPWS-95: 373.1243 K).
    QTest::newRow("water boils at the trailing edge") << water << 293.15 << 2.0e5
        << "Heat flux: Water boils at 99.97 °C at 101.325 kPa, and the " << ": lower q'' or raise the pressure";
    QTest::newRow("water cooled below freezing") << water << 275.15 << -2.0e3
        << "Heat flux: Water freezes at 0.01 °C, and the trailing edge would reach " << ": raise q''";
    QTest::newRow("air film too hot") << air << 293.15 << 1.0e6
        << "Heat flux: Air properties are known from -73.15 °C to 1226.85 °C, and the film temperature would reach "
        << ": lower q''";
    QTest::newRow("typed fluid below absolute zero") << custom << 10.0 << -1.0e5
        << "Heat flux: The surface would fall below absolute zero: raise q''" << "";
    QTest::newRow("not entered") << air << 293.15 << std::nan("") << "Heat flux: Enter the heat flux q'' as a number" << "";
}

void TestFlowLimits::uniformFluxRefusals()
{
    QFETCH(int, fluid);
    QFETCH(double, tInf);
    QFETCH(double, heatFlux);
    QFETCH(QString, start);
    QFETCH(QString, end);

    Problem p = problem(plate(2, 1), FluidChoice(fluid), 0.5, 0.3, tInf, 0.0);
    p.surfaceTemperature.reset();
    typeAirLike(p);
    if (!std::isnan(heatFlux))
        p.heatFlux = heatFlux;
    const Evaluation e = evaluate(p);
    const QString got = messagesOf(e);
    QVERIFY2(got.startsWith(start) && got.endsWith(end) && e.messages.size() == 1, qPrintable(got));
    QVERIFY(e.results.empty());
    QVERIFY(!e.surfaceTemperature);
}

// The speed of sound in air from python3-iapws: Air(T=293.15, P=0.101325).w = 343.34388968666906
// m/s, so 400 m/s is Mach 1.16501. Water has no Mach number here.
void TestFlowLimits::mach_data()
{
    QTest::addColumn<int>("fluid");
    QTest::addColumn<double>("velocity");
    QTest::addColumn<double>("mach"); // NaN: none
    QTest::addColumn<QString>("sentence");

    QTest::newRow("air, supersonic") << int(FluidChoice::Air) << 400.0 << 400.0 / 343.34388968666906
                                     << "Ma = 1.17 above 0.3: compressible flow";
    QTest::newRow("air, 100 m/s") << int(FluidChoice::Air) << 100.0 << 100.0 / 343.34388968666906 << "";
    QTest::newRow("water") << int(FluidChoice::Water) << 400.0 << std::nan("") << "";
}

void TestFlowLimits::mach()
{
    QFETCH(int, fluid);
    QFETCH(double, velocity);
    QFETCH(double, mach);
    QFETCH(QString, sentence);
    const Evaluation e = evaluate(problem(cylinder(), FluidChoice(fluid), velocity, 0.0127, 293.15, 333.15));
    QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
    QCOMPARE(e.mach.has_value(), !std::isnan(mach));
    if (e.mach)
        QVERIFY(near(*e.mach, mach, 1e-5));
    QCOMPARE(e.results.size(), std::size_t(4));
    for (const Result &r : e.results) {
        const bool said = !r.outsideRange.empty() && r.outsideRange.back() == sentence.toStdString();
        QVERIFY2(said == !sentence.isEmpty(), r.name.data());
    }
}

// A temperature is refused only where a property is taken at it (air: its range, 200 to 1500 K,
// -73.15 to 1226.85 °C), or where water would not be liquid there. A plate takes its properties
// at the film temperature only; the cylinder takes Pr_s and the sphere mu_s at Ts; air's speed
// of sound is taken at T_inf in every case.
void TestFlowLimits::propertiesOnlyWhereTaken_data()
{
    QTest::addColumn<int>("geometry"); // 0 plate, 1 cylinder, 2 sphere
    QTest::addColumn<int>("fluid");
    QTest::addColumn<double>("tInf"); // K
    QTest::addColumn<double>("tSurface");
    QTest::addColumn<QString>("message"); // empty: evaluated
    QTest::addColumn<double>("film");

    const int air = int(FluidChoice::Air), water = int(FluidChoice::Water), custom = int(FluidChoice::Custom);
    QTest::newRow("air plate, Ts 1700 K: only T_f = 1000 K is used") << 0 << air << 300.0 << 1700.0 << "" << 1000.0;
    QTest::newRow("air plate, Ts 50 K, T_f = 250 K") << 0 << air << 450.0 << 50.0 << "" << 250.0;
    QTest::newRow("air cylinder, Ts 1700 K: Pr_s at Ts") << 1 << air << 300.0 << 1700.0
        << "Surface temperature: Air properties are known from -73.15 °C to 1226.85 °C: lower Ts" << 0.0;
    QTest::newRow("air sphere, Ts 1700 K: mu_s at Ts") << 2 << air << 300.0 << 1700.0
        << "Surface temperature: Air properties are known from -73.15 °C to 1226.85 °C: lower Ts" << 0.0;
    QTest::newRow("air plate, film 1550 K") << 0 << air << 1400.0 << 1700.0
        << "Surface temperature: Air properties are known from -73.15 °C to 1226.85 °C, and the film "
           "temperature is 1276.85 °C: lower Ts" << 0.0;
    QTest::newRow("air plate, film 175 K") << 0 << air << 300.0 << 50.0
        << "Surface temperature: Air properties are known from -73.15 °C to 1226.85 °C, and the film "
           "temperature is -98.15 °C: raise Ts" << 0.0;
    QTest::newRow("air plate, T_inf 150 K: speed of sound") << 0 << air << 150.0 << 400.0
        << "Free-stream temperature: Air properties are known from -73.15 °C to 1226.85 °C: raise T∞" << 0.0;
    QTest::newRow("water plate, Ts 101 °C boils") << 0 << water << 293.15 << 374.15
        << "Surface temperature: Water boils at 99.97 °C at 101.325 kPa: lower Ts or raise the pressure" << 0.0;
    QTest::newRow("water plate, Ts -5 °C freezes") << 0 << water << 293.15 << 268.15
        << "Surface temperature: Water freezes at 0.01 °C: raise Ts" << 0.0;
    // Absolute zero itself is a temperature; only below it is none.
    QTest::newRow("typed fluid, T_inf 0 K") << 0 << custom << 0.0 << 300.0 << "" << 150.0;
    QTest::newRow("air, T_inf 0 K: below its range") << 0 << air << 0.0 << 300.0
        << "Free-stream temperature: Air properties are known from -73.15 °C to 1226.85 °C: raise T∞" << 0.0;
    QTest::newRow("water, T_inf 0 K: frozen") << 0 << water << 0.0 << 300.0
        << "Free-stream temperature: Water freezes at 0.01 °C: raise T∞" << 0.0;
}

void TestFlowLimits::propertiesOnlyWhereTaken()
{
    QFETCH(int, geometry);
    QFETCH(int, fluid);
    QFETCH(double, tInf);
    QFETCH(double, tSurface);
    QFETCH(QString, message);
    QFETCH(double, film);
    const Selection s[] = {plate(1, 1), cylinder(), regularSphere()};
    Problem p = problem(s[geometry], FluidChoice(fluid), 1.0, 0.1, tInf, tSurface);
    typeAirLike(p);
    const Evaluation e = evaluate(p);
    QCOMPARE(messagesOf(e), message);
    QCOMPARE(e.results.empty(), !message.isEmpty());
    if (message.isEmpty()) {
        QCOMPARE(*e.filmTemperature, film);
        QCOMPARE(e.film->temperature, film);
    }
}

// The bound a message quotes is rounded towards the allowed side. Boiling points from IAPWS-95
// (python3-iapws, IAPWS95(P, x=0).T): 373.1242960 K at 101.325 kPa = 99.9743 °C = 211.9537 °F.
// The triple point 273.16 K = 0.01 °C = 32.018 °F. Air's 200 and 1500 K are -99.67 and 2240.33 °F.
// 10 kPa and 1000 kPa are 1.45037738 and 145.037738 psi (psi = 6894.757293168 Pa), and 0.0986923267
// and 9.86923267 atm.
void TestFlowLimits::limitsStayTrue_data()
{
    QTest::addColumn<int>("fluid");
    QTest::addColumn<QString>("temperatureUnit");
    QTest::addColumn<QString>("pressureUnit");
    QTest::addColumn<double>("tInf"); // in temperatureUnit
    QTest::addColumn<double>("tSurface");
    QTest::addColumn<double>("pressure"); // Pa
    QTest::addColumn<QString>("message");

    const int air = int(FluidChoice::Air), water = int(FluidChoice::Water);
    QTest::newRow("boils, °C") << water << "°C" << "kPa" << 20.0 << 99.99 << 101325.0
        << "Surface temperature: Water boils at 99.97 °C at 101.325 kPa: lower Ts or raise the pressure";
    QTest::newRow("boils, °F") << water << "°F" << "kPa" << 68.0 << 211.96 << 101325.0
        << "Surface temperature: Water boils at 211.95 °F at 101.325 kPa: lower Ts or raise the pressure";
    QTest::newRow("freezes, °F") << water << "°F" << "kPa" << 32.01 << 68.0 << 101325.0
        << "Free-stream temperature: Water freezes at 32.02 °F: raise T∞";
    QTest::newRow("air range, °F") << air << "°F" << "kPa" << -100.0 << 68.0 << 101325.0
        << "Free-stream temperature: Air properties are known from -99.67 °F to 2240.33 °F: raise T∞";
    QTest::newRow("air range, K") << air << "K" << "kPa" << 1501.0 << 300.0 << 101325.0
        << "Free-stream temperature: Air properties are known from 200.00 K to 1500.00 K: lower T∞";
    QTest::newRow("pressure, psi") << air << "°C" << "psi" << 20.0 << 60.0 << 2.0e6
        << "Pressure: The pressure must lie between 1.45038 psi and 145.037 psi";
    QTest::newRow("pressure, atm") << air << "°C" << "atm" << 20.0 << 60.0 << 5.0e3
        << "Pressure: The pressure must lie between 0.0986924 atm and 9.86923 atm";
    QTest::newRow("pressure, kPa") << air << "°C" << "kPa" << 20.0 << 60.0 << 5.0e3
        << "Pressure: The pressure must lie between 10 kPa and 1000 kPa";
}

void TestFlowLimits::limitsStayTrue()
{
    QFETCH(int, fluid);
    QFETCH(QString, temperatureUnit);
    QFETCH(QString, pressureUnit);
    QFETCH(double, tInf);
    QFETCH(double, tSurface);
    QFETCH(double, pressure);
    QFETCH(QString, message);
    const Unit tu = *findUnit(Quantity::Temperature, temperatureUnit.toStdString());
    Problem p = problem(cylinder(), FluidChoice(fluid), 1.0, 0.01, toSI(tu, tInf), toSI(tu, tSurface));
    p.pressure = pressure;
    p.temperatureUnit = tu;
    p.pressureUnit = *findUnit(Quantity::Pressure, pressureUnit.toStdString());
    QCOMPARE(messagesOf(evaluate(p)), message);
}

// Inputs that are numbers but no engineering problem are refused as what they are.
void TestFlowLimits::absurdInputs_data()
{
    QTest::addColumn<int>("what"); // 0 velocity, 1 length, 2 T_inf, 3 film density, 4 film viscosity, 5 q''
    QTest::addColumn<QString>("unit"); // the input's unit, for velocity and length
    QTest::addColumn<double>("value"); // SI
    QTest::addColumn<QString>("message");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("velocity 1e307 m/s") << 0 << "m/s" << 1e307 << "Velocity: 1e307 m/s is too large";
    QTest::newRow("velocity in km/h") << 0 << "km/h" << 1e307 << "Velocity: 3.6e307 km/h is too large";
    QTest::newRow("velocity infinite") << 0 << "m/s" << inf << "Velocity: inf m/s is too large";
    QTest::newRow("velocity faster than light") << 0 << "m/s" << 3.0e8 << "Velocity: 3e8 m/s is too large";
    QTest::newRow("length 1e12 m") << 1 << "m" << 1e12 << "Length: 1e12 m is too large";
    QTest::newRow("length in cm") << 1 << "cm" << 1e12 << "Length: 1e14 cm is too large";
    QTest::newRow("T_inf 1e300 K") << 2 << "" << 1e300 << "Free-stream temperature: 1e300 °C is too large";
    QTest::newRow("density 1e300") << 3 << "" << 1e300 << "ρ at T_f: 1e300 kg/m³ is too large";
    QTest::newRow("viscosity 1e-300") << 4 << "" << 1e-300 << "μ at T_f: 1e-300 Pa·s is too small";
    QTest::newRow("heat flux 1e307") << 5 << "" << 1e307 << "Heat flux: 1e307 W/m² is too large";
    QTest::newRow("heat flux -1e307") << 5 << "" << -1e307 << "Heat flux: -1e307 W/m² is too large";
}

void TestFlowLimits::absurdInputs()
{
    QFETCH(int, what);
    QFETCH(QString, unit);
    QFETCH(double, value);
    QFETCH(QString, message);
    Problem p = problem(plate(what == 5 ? 2 : 1, 1), FluidChoice::Custom, 1.0, 0.1, 300.0, 320.0);
    typeAirLike(p);
    p.heatFlux = 100.0;
    switch (what) {
    case 0:
        p.velocity = value;
        p.velocityUnit = *findUnit(Quantity::Velocity, unit.toStdString());
        break;
    case 1:
        p.length = value;
        p.lengthUnit = *findUnit(Quantity::Length, unit.toStdString());
        break;
    case 2:
        p.freeStreamTemperature = value;
        break;
    case 3:
        p.custom.film.density = value;
        break;
    case 4:
        p.custom.film.dynamicViscosity = value;
        break;
    default:
        p.heatFlux = value;
    }
    const Evaluation e = evaluate(p);
    QCOMPARE(messagesOf(e), message);
    QVERIFY(e.results.empty());
}

// At the largest inputs allowed every number that follows is finite: no Re = 6·10³⁰².
void TestFlowLimits::largestInputsStayFinite()
{
    for (const FluidChoice fluid : {FluidChoice::Water, FluidChoice::Custom}) {
        Problem p = problem(cylinder(), fluid, 299792458.0, 1.0e8, 293.15, 353.15);
        p.custom.film = {1.0e5, 1.0e-7, 1.0e5, 1.0e6};
        p.custom.freeStream = p.custom.film;
        p.custom.prandtlSurface = 1.0e9;
        const Evaluation e = evaluate(p);
        QVERIFY2(e.messages.empty(), qPrintable(messagesOf(e)));
        QVERIFY(std::isfinite(*e.reynolds) && *e.reynolds > 1e20);
        for (const Result &r : e.results) {
            for (const std::optional<double> &x : {r.nusselt, r.heatTransferCoefficient, r.heatFlux})
                QVERIFY2(!x || std::isfinite(*x), r.name.data());
        }
    }
}

// Boundaries that belong to the inside. By hand: the laminar unheated plate at x = L = 0.5,
// xi = 0.1, Re_L = 1e5, Pr = 0.7: Nu_x = 0.332·1e5^1/2·0.7^1/3 / (1 - 0.2^3/4)^1/3 = 104.94115;
// the laminar plate at exactly Pr = 0.6 is the 0.332 relation, 0.332·100·0.6^1/3 = 28.001964
// (Churchill-Ozoe would give 27.394298); Whitaker holds for 1 <= mu/mu_s <= 3.2 inclusive.
void TestFlowLimits::exactBoundaries_data()
{
    QTest::addColumn<int>("correlation");
    QTest::addColumn<double>("reynolds");
    QTest::addColumn<double>("prandtl");
    QTest::addColumn<double>("distance");  // x; L = 0.5, xi = 0.1 (unheated plates)
    QTest::addColumn<double>("viscosity"); // mu, with mu_s = 1 (Whitaker)
    QTest::addColumn<double>("mach");
    QTest::addColumn<double>("nusselt");   // NaN: none
    QTest::addColumn<QString>("sentence");

    const double none = std::nan("");
    const int unheated = int(Correlation::LaminarUnheated), whitaker = int(Correlation::Whitaker);
    QTest::newRow("x = L") << unheated << 1e5 << 0.7 << 0.5 << 1.0 << 0.0 << 104.9411527744639 << "";
    QTest::newRow("xi = x") << unheated << 1e5 << 0.7 << 0.1 << 1.0 << 0.0 << none << "";
    QTest::newRow("Pr = 0.6") << int(Correlation::LaminarPlate) << 1e4 << 0.6 << 0.0 << 1.0 << 0.0 << 28.001964488018075 << "";
    QTest::newRow("mu/mu_s = 3.2") << whitaker << 1000.0 << 1.0 << 0.0 << 3.2 << 0.0 << none << "";
    QTest::newRow("mu/mu_s above 3.2") << whitaker << 1000.0 << 1.0 << 0.0 << 3.2000001 << 0.0 << none
                                       << "μ/μs = 3.2000001 above the Whitaker range 1 to 3.2";
    QTest::newRow("mu/mu_s = 1") << whitaker << 1000.0 << 1.0 << 0.0 << 1.0 << 0.0 << none << "";
    QTest::newRow("mu/mu_s below 1") << whitaker << 1000.0 << 1.0 << 0.0 << 0.999 << 0.0 << none
                                     << "μ/μs = 0.999 below the Whitaker range 1 to 3.2";
    // A value beyond a bound keeps the digits that tell it from the bound.
    QTest::newRow("Ma = 0.3") << whitaker << 1000.0 << 1.0 << 0.0 << 1.0 << 0.3 << none << "";
    QTest::newRow("Ma just above 0.3") << whitaker << 1000.0 << 1.0 << 0.0 << 1.0 << 0.3004 << none
                                       << "Ma = 0.3004 above 0.3: compressible flow";
    QTest::newRow("Re just past transition") << int(Correlation::LaminarPlate) << 500001.0 << 0.7 << 0.0 << 1.0 << 0.0
                                             << 0.332 * std::sqrt(500001.0) * std::cbrt(0.7)
                                             << "Re = 5.00001·10⁵ above the Laminar plate range ≤ 5·10⁵";
}

void TestFlowLimits::exactBoundaries()
{
    QFETCH(int, correlation);
    QFETCH(double, reynolds);
    QFETCH(double, prandtl);
    QFETCH(double, distance);
    QFETCH(double, viscosity);
    QFETCH(double, mach);
    QFETCH(double, nusselt);
    QFETCH(QString, sentence);
    Point p;
    p.mach = mach;
    p.reynolds = reynolds;
    p.prandtl = prandtl;
    p.plateLength = 0.5;
    p.distance = distance;
    p.heatStart = 0.1;
    p.viscosity = viscosity;
    p.viscositySurface = 1.0;
    const Correlation c = Correlation(correlation);
    const std::vector<std::string> outside = outsideRange(c, p);
    QCOMPARE(outside.empty() ? QString() : QString::fromStdString(outside.front()), sentence);
    if (c == Correlation::Whitaker)
        return;
    const std::optional<double> nu = nusseltAt(Term{c, Kind::Local}, p);
    QCOMPARE(nu.has_value(), !std::isnan(nusselt));
    if (nu)
        QVERIFY2(near(*nu, nusselt, 1e-13), qPrintable(QString::number(*nu, 'g', 17)));
    if (c == Correlation::LaminarPlate) // the calculator's choice between the two laminar relations
        QCOMPARE(int(termsOf(plate(1, 1), prandtl).begin()->correlation), correlation);
    if (c != Correlation::LaminarUnheated)
        return;
    // The physical problem draws the same line: x = L is on the plate, xi = x is not heated yet.
    Problem physical = problem(plate(3, 1), FluidChoice::Air, 1.0, 0.5, 293.15, 333.15);
    physical.distance = distance;
    physical.heatStart = 0.1;
    const Evaluation e = evaluate(physical);
    QCOMPARE(messagesOf(e), nu ? QString() : "Heat start ξ: ξ must be smaller than x: the local value is taken on the heated part");
}

QTEST_GUILESS_MAIN(TestFlowLimits)
#include "tst_flowlimits.moc"
