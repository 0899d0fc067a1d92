// Fluid properties against published values of the reference formulations, and what is refused
// where. Values are typed as published, and each is checked to half a unit of its last digit.

#include "properties.h"

#include <QObject>
#include <QtTest>

#include <cmath>
#include <limits>

using nusselt::physics::Fluid;
using nusselt::physics::Issue;
using nusselt::physics::State;

Q_DECLARE_METATYPE(Fluid)
Q_DECLARE_METATYPE(Issue)

namespace {

const double atm = 101325.0;
const double notANumber = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

// "1.1770" -> 0.00005, "8.5374e-4" -> 0.00005e-4: the tolerance the printed digits allow.
double halfUnitOfLastDigit(const QString &published)
{
    const QString mantissa = published.section(QLatin1Char('e'), 0, 0);
    const int exponent = published.contains(QLatin1Char('e'))
        ? published.section(QLatin1Char('e'), 1).toInt() : 0;
    const int decimals = mantissa.contains(QLatin1Char('.'))
        ? int(mantissa.size() - mantissa.indexOf(QLatin1Char('.')) - 1) : 0;
    return 0.5 * std::pow(10.0, exponent - decimals);
}

void compareToPublished(const char *what, double value, const QString &published)
{
    if (published.isEmpty())
        return;
    const double expected = published.toDouble();
    const double tolerance = halfUnitOfLastDigit(published);
    if (!(std::fabs(value - expected) <= tolerance))
        QFAIL(qPrintable(QStringLiteral("%1 = %2, published %3 (+-%4)")
                             .arg(QLatin1String(what)).arg(value, 0, 'g', 10)
                             .arg(published).arg(tolerance)));
}

QString name(Issue issue)
{
    switch (issue) {
    case Issue::None: return QStringLiteral("None");
    case Issue::NotFinite: return QStringLiteral("NotFinite");
    case Issue::BelowAbsoluteZero: return QStringLiteral("BelowAbsoluteZero");
    case Issue::TemperatureBelowRange: return QStringLiteral("TemperatureBelowRange");
    case Issue::TemperatureAboveRange: return QStringLiteral("TemperatureAboveRange");
    case Issue::PressureBelowRange: return QStringLiteral("PressureBelowRange");
    case Issue::PressureAboveRange: return QStringLiteral("PressureAboveRange");
    case Issue::Boils: return QStringLiteral("Boils");
    case Issue::Freezes: return QStringLiteral("Freezes");
    case Issue::Condenses: return QStringLiteral("Condenses");
    }
    return QStringLiteral("?");
}

} // namespace

class TestProperties : public QObject
{
    Q_OBJECT

private slots:
    void publishedStates_data();
    void publishedStates();
    void refusals_data();
    void refusals();
    void boilingPoints_data();
    void boilingPoints();
    void rangeFacts();
};

// Published property values of the formulations; an empty cell is not checked. Rows at the
// edges of the range show that the bounds themselves are accepted.
void TestProperties::publishedStates_data()
{
    QTest::addColumn<Fluid>("fluid");
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("P");
    QTest::addColumn<QString>("rho");
    QTest::addColumn<QString>("mu");
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("cp");
    QTest::addColumn<QString>("Pr");

    QTest::newRow("air 300 K 1 atm")
        << Fluid::Air << 300.0 << atm << "1.1770" << "1.8537e-5" << "0.026384" << "1006.4" << "0.70706";
    QTest::newRow("water 300 K 1 atm")
        << Fluid::Water << 300.0 << atm << "996.56" << "8.5374e-4" << "0.60950" << "4180.6" << "5.8559";
    // Corners of the air range: cold and dense, hot and thin.
    QTest::newRow("air 200 K 10 bar")
        << Fluid::Air << 200.0 << 1e6 << "17.835" << "1.3513e-5" << "0.019003" << "1048.2" << "0.74532";
    QTest::newRow("air 200 K 0.1 bar")
        << Fluid::Air << 200.0 << 1e4 << "0.17423" << "1.3318e-5" << "0.018458" << "1002.8" << "0.72357";
    QTest::newRow("air 1500 K 10 bar")
        << Fluid::Air << 1500.0 << 1e6 << "2.3172" << "5.6357e-5" << "0.091830" << "1211.3" << "0.74340";
    // Water at its triple-point temperature, and saturated liquid at the boiling point.
    QTest::newRow("water 273.16 K 0.1 bar")
        << Fluid::Water << 273.16 << 1e4 << "999.80" << "1.7913e-3" << "0.55561" << "4219.9" << "13.605";
    QTest::newRow("water 273.16 K 10 bar")
        << Fluid::Water << 273.16 << 1e6 << "1000.30" << "1.7891e-3" << "0.55636" << "4215.0" << "13.554";
    QTest::newRow("water boiling at 0.1 bar")
        << Fluid::Water << nusselt::physics::waterBoilingTemperature(1e4) << 1e4
        << "989.83" << "5.8733e-4" << "0.63571" << "4180.5" << "3.8624";
    QTest::newRow("water boiling at 1 atm")
        << Fluid::Water << nusselt::physics::waterBoilingTemperature(atm) << atm
        << "958.37" << "2.8166e-4" << "0.67720" << "4215.6" << "1.7533";
    QTest::newRow("water boiling at 10 bar")
        << Fluid::Water << nusselt::physics::waterBoilingTemperature(1e6) << 1e6
        << "887.13" << "1.5049e-4" << "0.67133" << "4404.5" << "0.98733";
}

void TestProperties::publishedStates()
{
    QFETCH(Fluid, fluid);
    QFETCH(double, T);
    QFETCH(double, P);
    QFETCH(QString, rho);
    QFETCH(QString, mu);
    QFETCH(QString, k);
    QFETCH(QString, cp);
    QFETCH(QString, Pr);

    const auto r = nusselt::physics::properties(fluid, T, P);
    QCOMPARE(name(r.issue), name(Issue::None));
    const State &s = r.state;
    QCOMPARE(s.temperature, T);
    QCOMPARE(s.pressure, P);
    compareToPublished("rho", s.density, rho);
    compareToPublished("mu", s.dynamicViscosity, mu);
    compareToPublished("k", s.thermalConductivity, k);
    compareToPublished("cp", s.specificHeat, cp);
    compareToPublished("Pr", s.prandtl, Pr);
    // nu is defined as mu/rho; check it against the published pair, to the digits they allow.
    const double nuPublished = mu.toDouble() / rho.toDouble();
    QVERIFY2(std::fabs(s.kinematicViscosity / nuPublished - 1) < 2e-4,
             qPrintable(QString::number(s.kinematicViscosity, 'g', 8)));
}

// What is refused, why, and the bound that was crossed (NaN: no bound is checked).
void TestProperties::refusals_data()
{
    QTest::addColumn<Fluid>("fluid");
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("P");
    QTest::addColumn<Issue>("issue");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("limitTolerance");

    QTest::newRow("NaN temperature") << Fluid::Air << notANumber << atm << Issue::NotFinite << notANumber << 0.0;
    QTest::newRow("NaN pressure") << Fluid::Water << 300.0 << notANumber << Issue::NotFinite << notANumber << 0.0;
    QTest::newRow("infinite temperature") << Fluid::Water << inf << atm << Issue::NotFinite << notANumber << 0.0;
    QTest::newRow("air -1 K") << Fluid::Air << -1.0 << atm << Issue::BelowAbsoluteZero << 0.0 << 0.0;
    QTest::newRow("water -1 K") << Fluid::Water << -1.0 << atm << Issue::BelowAbsoluteZero << 0.0 << 0.0;
    QTest::newRow("-1 K before the pressure")
        << Fluid::Air << -1.0 << 5e3 << Issue::BelowAbsoluteZero << 0.0 << 0.0;
    QTest::newRow("air 150 K") << Fluid::Air << 150.0 << atm << Issue::TemperatureBelowRange << 200.0 << 0.0;
    QTest::newRow("air 1600 K") << Fluid::Air << 1600.0 << atm << Issue::TemperatureAboveRange << 1500.0 << 0.0;
    QTest::newRow("air just below 200 K")
        << Fluid::Air << 199.999 << atm << Issue::TemperatureBelowRange << 200.0 << 0.0;
    QTest::newRow("water 272 K") << Fluid::Water << 272.0 << atm << Issue::Freezes << 273.16 << 0.0;
    QTest::newRow("water 0 K") << Fluid::Water << 0.0 << atm << Issue::Freezes << 273.16 << 0.0;
    // 100 degrees Celsius is above the boiling point at 1 atm on the ITS-90 scale (99.974 C).
    QTest::newRow("water 101 C at 1 atm") << Fluid::Water << 374.15 << atm << Issue::Boils << 373.124 << 0.001;
    QTest::newRow("water 100 C at 1 atm") << Fluid::Water << 373.15 << atm << Issue::Boils << 373.124 << 0.001;
    QTest::newRow("water 50 C at 0.1 bar") << Fluid::Water << 323.15 << 1e4 << Issue::Boils << 318.956 << 0.001;
    QTest::newRow("air 0.05 bar") << Fluid::Air << 300.0 << 5e3 << Issue::PressureBelowRange << 1e4 << 0.0;
    QTest::newRow("water 0.05 bar") << Fluid::Water << 300.0 << 5e3 << Issue::PressureBelowRange << 1e4 << 0.0;
    QTest::newRow("air 11 bar") << Fluid::Air << 300.0 << 11e5 << Issue::PressureAboveRange << 1e6 << 0.0;
    QTest::newRow("water 11 bar") << Fluid::Water << 300.0 << 11e5 << Issue::PressureAboveRange << 1e6 << 0.0;
    QTest::newRow("pressure before air temperature")
        << Fluid::Air << 150.0 << 11e5 << Issue::PressureAboveRange << 1e6 << 0.0;
    QTest::newRow("pressure before boiling")
        << Fluid::Water << 400.0 << 5e3 << Issue::PressureBelowRange << 1e4 << 0.0;
    QTest::newRow("zero pressure") << Fluid::Air << 300.0 << 0.0 << Issue::PressureBelowRange << 1e4 << 0.0;
}

void TestProperties::refusals()
{
    QFETCH(Fluid, fluid);
    QFETCH(double, T);
    QFETCH(double, P);
    QFETCH(Issue, issue);
    QFETCH(double, limit);
    QFETCH(double, limitTolerance);

    const auto r = nusselt::physics::properties(fluid, T, P);
    QCOMPARE(name(r.issue), name(issue));
    QVERIFY(!r.ok());
    if (!std::isnan(limit))
        QVERIFY2(std::fabs(r.limit - limit) <= limitTolerance,
                 qPrintable(QString::number(r.limit, 'g', 10)));
}

// Saturation temperatures of published steam tables (IAPWS-95 phase equilibrium), in kelvin.
void TestProperties::boilingPoints_data()
{
    QTest::addColumn<double>("P");
    QTest::addColumn<double>("Tsat");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("10 kPa") << 1e4 << 318.956 << 0.0005;        // 45.81 C
    QTest::newRow("1 atm") << atm << 373.124 << 0.0005;         // 99.974 C
    QTest::newRow("200 kPa") << 2e5 << 393.360 << 0.0005;       // 120.21 C
    QTest::newRow("500 kPa") << 5e5 << 424.981 << 0.0005;       // 151.83 C
    QTest::newRow("1 MPa") << 1e6 << 453.028 << 0.0005;         // 179.88 C
    QTest::newRow("below range") << 9999.0 << notANumber << 0.0;
    QTest::newRow("above range") << 1.000001e6 << notANumber << 0.0;
}

void TestProperties::boilingPoints()
{
    QFETCH(double, P);
    QFETCH(double, Tsat);
    QFETCH(double, tolerance);

    const double t = nusselt::physics::waterBoilingTemperature(P);
    if (std::isnan(Tsat)) {
        QVERIFY(std::isnan(t));
        return;
    }
    QVERIFY2(std::fabs(t - Tsat) <= tolerance, qPrintable(QString::number(t, 'g', 10)));
    QCOMPARE(nusselt::physics::maxTemperature(Fluid::Water, P), t);
    // Exactly at the boiling point: liquid. A microkelvin above: boils, at that same bound.
    QVERIFY(nusselt::physics::properties(Fluid::Water, t, P).ok());
    const auto above = nusselt::physics::properties(Fluid::Water, t + 1e-6, P);
    QCOMPARE(name(above.issue), name(Issue::Boils));
    QCOMPARE(above.limit, t);
}

void TestProperties::rangeFacts()
{
    using namespace nusselt::physics;
    QCOMPARE(minTemperature(Fluid::Air), 200.0);
    QCOMPARE(maxTemperature(Fluid::Air, 1e4), 1500.0);
    QCOMPARE(maxTemperature(Fluid::Air, 1e6), 1500.0);
    QCOMPARE(minTemperature(Fluid::Water), 273.16);
    for (Fluid f : {Fluid::Air, Fluid::Water}) {
        QCOMPARE(minPressure(f), 1e4);
        QCOMPARE(maxPressure(f), 1e6);
        // Every corner the range facts name is itself accepted.
        for (double P : {minPressure(f), maxPressure(f)}) {
            QVERIFY(properties(f, minTemperature(f), P).ok());
            QVERIFY(properties(f, maxTemperature(f, P), P).ok());
        }
    }
}

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
