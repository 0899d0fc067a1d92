// Fluids from the user's own property tables: what a file may look like and where a faulty one is
// refused, interpolation that never overshoots, units of the header converted by their exact
// definitions, kept fluids in the data folder, and a constant-property table answering exactly as
// the same properties typed as a fluid of one's own.

#include "flowcase.h"
#include "fluidstore.h"
#include "propertytable.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

using namespace nusselt;
using namespace nusselt::physics;

namespace {

constexpr double celsius = 273.15;
const char *const header = "T [C], rho [kg/m3], mu [Pa s], k [W/(m K)], cp [J/(kg K)]\n";

std::shared_ptr<const PropertyTable> table(const std::string &text)
{
    TableRead r = readPropertyTable(text, "test");
    if (!r.table)
        qWarning("%s", r.where().c_str());
    return r.table ? std::make_shared<const PropertyTable>(*r.table) : nullptr;
}

} // namespace

class FluidTables : public QObject
{
    Q_OBJECT

private slots:
    void malformedFiles_data();
    void malformedFiles();
    void headerUnitsAndOrder();
    void neverOvershoots();
    void refusedOutsideTheTable();
    void constantTableIsTheTypedFluid_data();
    void constantTableIsTheTypedFluid();
    void keptInTheDataFolder();
    void grashofFromTheTablesDensity();
};

void FluidTables::malformedFiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("says");

    const QString h = QString::fromUtf8(header);
    QTest::newRow("empty") << "" << 0 << 0 << "empty";
    QTest::newRow("one row") << h + "20, 998, 1e-3, 0.6, 4180\n" << 0 << 0 << "at least two rows";
    QTest::newRow("unknown column") << "T [C], rho [kg/m3], nu [m2/s], k [W/mK], cp [J/kgK]\n" << 1 << 3 << "\"nu\" is not one of";
    QTest::newRow("column twice") << "T [C], rho [kg/m3], rho [kg/m3], k [W/mK], cp [J/kgK]\n" << 1 << 3 << "rho is given twice";
    QTest::newRow("column missing") << "T [C], rho [kg/m3], k [W/mK], cp [J/kgK]\n20,1,1,1\n" << 1 << 0 << "no column mu";
    QTest::newRow("no unit") << "T, rho [kg/m3], mu [Pa s], k [W/mK], cp [J/kgK]\n" << 1 << 1 << "T needs its unit";
    QTest::newRow("unit of another quantity") << "T [C], rho [kg/m3], mu [m/s], k [W/mK], cp [J/kgK]\n" << 1 << 3 << "is no unit of viscosity";
    QTest::newRow("unclosed bracket") << "T [C, rho [kg/m3], mu [Pa s], k [W/mK], cp [J/kgK]\n" << 1 << 1 << "in brackets";
    QTest::newRow("Pr with a unit") << "T [C], rho [kg/m3], mu [Pa s], k [W/mK], cp [J/kgK], Pr [K]\n" << 1 << 6 << "Pr has no unit";
    QTest::newRow("not a number") << h + "20, 998, 1e-3, 0.6, 4180\n40, 992, 6.5e-4, 0.63, 4l79\n" << 3 << 5 << "\"4l79\" is not a number";
    QTest::newRow("short row") << h + "20, 998, 1e-3, 0.6, 4180\n40, 992, 6.5e-4\n" << 3 << 4 << "3 cells, the header 5";
    QTest::newRow("long row") << h + "20, 998, 1e-3, 0.6, 4180, 7\n" << 2 << 6 << "6 cells, the header 5";
    QTest::newRow("negative viscosity") << h + "20, 998, -1e-3, 0.6, 4180\n" << 2 << 3 << "viscosity must be greater than zero";
    QTest::newRow("below absolute zero") << h + "-300, 998, 1e-3, 0.6, 4180\n" << 2 << 1 << "temperature must be greater than zero";
    QTest::newRow("temperatures not increasing")
        << h + "20, 998, 1e-3, 0.6, 4180\n20, 992, 6.5e-4, 0.63, 4179\n" << 3 << 1 << "must increase";
    // Pr = cp mu / k = 4180 * 1e-3 / 0.6 = 6.967: 7.0 is within 2 %, 7.5 is not.
    QTest::newRow("Prandtl number off")
        << "T [C], rho [kg/m3], mu [Pa s], k [W/mK], cp [J/kgK], Pr\n20, 998, 1e-3, 0.6, 4180, 7.5\n" << 2 << 6 << "Pr differs";
    // A blank line still counts: the fault is on the fourth line of the file.
    QTest::newRow("line after a blank one") << h + "20, 998, 1e-3, 0.6, 4180\n\n40, x, 6.5e-4, 0.63, 4179\n" << 4 << 2 << "not a number";
    QTest::newRow("unclosed quote") << h + "20, 998, 1e-3, 0.6, \"4180\n" << 2 << 1 << "";
}

void FluidTables::malformedFiles()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, says);
    const TableRead r = readPropertyTable(text.toStdString(), "test");
    QVERIFY(!r.table);
    QCOMPARE(int(r.line), line);
    QCOMPARE(int(r.column), column);
    QVERIFY2(QString::fromStdString(r.error).contains(says), r.error.c_str());
    QVERIFY(QString::fromStdString(r.where()).startsWith(line ? QStringLiteral("line %1").arg(line) : QString()));
}

// Columns in any order, US units, a tabulated Pr close enough, a CRLF file: values in SI by the
// units' exact definitions (°F, the pound 0.45359237 kg, the foot 0.3048 m, the hour, the
// International Table Btu 1055.05585262 J).
void FluidTables::headerUnitsAndOrder()
{
    const auto t = table("cp [Btu/(lbm F)], Pr, k [Btu/(h ft F)], T [F], mu [lbm/(ft h)], rho [lbm/ft3]\r\n"
                         "1, 6.95, 0.35, 68, 2.42, 62.3\r\n"
                         "1, 6.95, 0.35, 104, 2.42, 62.3\r\n");
    QVERIFY(t);
    QCOMPARE(t->minTemperature(), 293.15);
    QCOMPARE(t->maxTemperature(), 313.15);
    const PropertyResult r = t->at(300.0, 101325.0);
    QVERIFY(r.ok());
    const double lb = 0.45359237, ft = 0.3048, h = 3600.0, btu = 1055.05585262, rankine = 5.0 / 9.0;
    QVERIFY(std::abs(r.state.density / (62.3 * lb / (ft * ft * ft)) - 1) < 1e-12);
    QVERIFY(std::abs(r.state.dynamicViscosity / (2.42 * lb / (ft * h)) - 1) < 1e-12);
    QVERIFY(std::abs(r.state.thermalConductivity / (0.35 * btu / (h * ft * rankine)) - 1) < 1e-12);
    QVERIFY(std::abs(r.state.specificHeat / (btu / (lb * rankine)) - 1) < 1e-12);
}

// A step in the data (Fritsch & Carlson's point): every value between the neighbouring rows,
// monotone where the rows are; linear data reproduced exactly, the rows themselves too.
void FluidTables::neverOvershoots()
{
    const auto t = table(std::string(header) + "0, 1, 1, 1, 1\n10, 1, 1, 1, 1\n20, 1, 1, 1, 1\n30, 2, 1, 1, 1\n"
                         "40, 2, 1, 1, 1\n50, 2, 1, 1, 1\n60, 3, 1, 1, 1\n");
    QVERIFY(t);
    double last = 0.0;
    for (double tc = 0.0; tc <= 60.0; tc += 0.25) {
        const double rho = t->at(tc + celsius, 1e5).state.density;
        QVERIFY2(rho >= last - 1e-12, qPrintable(QString::number(tc)));
        QVERIFY2(rho >= 1.0 && rho <= 3.0, qPrintable(QString::number(tc)));
        if (tc <= 20.0)
            QCOMPARE(rho, 1.0); // flat rows stay flat
        last = rho;
    }
    // k = 0.5 + 0.01 t: a straight line through the rows, unevenly spaced.
    const auto line = table(std::string(header) + "0, 1, 1, 0.5, 1\n5, 1, 1, 0.55, 1\n25, 1, 1, 0.75, 1\n80, 1, 1, 1.3, 1\n");
    QVERIFY(line);
    for (const double tc : {0.0, 2.5, 5.0, 17.0, 25.0, 60.5, 80.0})
        QVERIFY(std::abs(line->at(tc + celsius, 1e5).state.thermalConductivity - (0.5 + 0.01 * tc)) < 1e-12);
}

void FluidTables::refusedOutsideTheTable()
{
    const auto t = table(std::string(header) + "20, 998, 1e-3, 0.6, 4180\n80, 972, 3.5e-4, 0.67, 4197\n");
    QVERIFY(t);
    const PropertyResult below = t->at(19.99 + celsius, 1e5);
    QCOMPARE(int(below.issue), int(Issue::TemperatureBelowRange));
    QCOMPARE(below.limit, 20 + celsius);
    const PropertyResult above = t->at(80.01 + celsius, 1e5);
    QCOMPARE(int(above.issue), int(Issue::TemperatureAboveRange));
    QCOMPARE(above.limit, 80 + celsius);
    QVERIFY(t->at(80 + celsius, 1e5).ok());

    // In a problem the refusal stands beside the temperature that leaves the table.
    Problem p;
    p.selection = selectionFromCodes(2, 0, 0, 0, 0);
    p.fluid = FluidChoice::Table;
    p.table = t;
    p.velocity = 1.0;
    p.length = 0.01;
    p.freeStreamTemperature = 30 + celsius;
    p.surfaceTemperature = 90 + celsius;
    const Evaluation e = evaluate(p);
    QVERIFY(e.results.empty());
    QCOMPARE(e.messages.size(), std::size_t{1});
    QCOMPARE(int(e.messages[0].field), int(Field::SurfaceTemperature));
    QCOMPARE(QString::fromStdString(e.messages[0].text),
             QStringLiteral("test properties are known from 20.00 °C to 80.00 °C: lower Ts"));
}

void FluidTables::constantTableIsTheTypedFluid_data()
{
    QTest::addColumn<int>("geometry");
    QTest::addColumn<int>("heat");
    QTest::addColumn<int>("flow");
    QTest::addColumn<int>("sphere");
    QTest::newRow("laminar plate") << 1 << 1 << 1 << 0;
    QTest::newRow("turbulent plate") << 1 << 1 << 2 << 0;
    QTest::newRow("uniform-flux plate") << 1 << 2 << 1 << 0;
    QTest::newRow("cylinder") << 2 << 0 << 0 << 0;
    QTest::newRow("regular sphere") << 3 << 0 << 0 << 1;
    QTest::newRow("drops") << 3 << 0 << 0 << 2;
}

void FluidTables::constantTableIsTheTypedFluid()
{
    QFETCH(int, geometry);
    QFETCH(int, heat);
    QFETCH(int, flow);
    QFETCH(int, sphere);
    const double rho = 870.0, mu = 0.21, k = 0.144, cp = 1950.0;
    Problem typed;
    typed.selection = selectionFromCodes(geometry, heat, flow, geometry == 1 ? 1 : 0, sphere);
    typed.velocity = 2.0;
    typed.length = 0.05;
    typed.freeStreamTemperature = 20 + celsius;
    typed.surfaceTemperature = 60 + celsius;
    typed.heatFlux = 2000.0;
    typed.distance = 0.04;
    typed.heatStart = 0.01;
    Problem fromTable = typed;
    typed.fluid = FluidChoice::Custom;
    for (TypedProperties *t : {&typed.custom.film, &typed.custom.freeStream})
        *t = TypedProperties{rho, mu, k, cp};
    typed.custom.prandtlSurface = cp * mu / k;
    typed.custom.viscositySurface = mu;
    fromTable.fluid = FluidChoice::Table;
    fromTable.table = table(std::string(header) + "-10, 870, 0.21, 0.144, 1950\n40, 870, 0.21, 0.144, 1950\n"
                                                  "150, 870, 0.21, 0.144, 1950\n");
    QVERIFY(fromTable.table);

    const Evaluation a = evaluate(typed), b = evaluate(fromTable);
    QVERIFY(a.messages.empty());
    QVERIFY(b.messages.empty());
    QVERIFY(!a.results.empty());
    QCOMPARE(b.results.size(), a.results.size());
    for (std::size_t i = 0; i < a.results.size(); ++i) {
        QCOMPARE(b.results[i].name, a.results[i].name);
        QCOMPARE(b.results[i].nusselt, a.results[i].nusselt);
        QCOMPARE(b.results[i].heatTransferCoefficient, a.results[i].heatTransferCoefficient);
        QCOMPARE(b.results[i].heatFlux, a.results[i].heatFlux);
        QCOMPARE(b.results[i].heatRate, a.results[i].heatRate);
        QCOMPARE(b.results[i].temperatureDifference, a.results[i].temperatureDifference);
    }
    QCOMPARE(b.surfaceTemperature, a.surfaceTemperature);
}

// Kept under $XDG_DATA_HOME/nusselt-calculator/fluids, listed by name, found again; a relative
// XDG_DATA_HOME is ignored for $HOME/.local/share.
void FluidTables::keptInTheDataFolder()
{
    QTemporaryDir data, home;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    qputenv("HOME", home.path().toUtf8());
    QCOMPARE(QString::fromStdString(keptFluidFolder()), data.path() + "/nusselt-calculator/fluids");
    QVERIFY(keptFluids().empty());
    const std::string text = std::string(header) + "20, 998, 1e-3, 0.6, 4180\n80, 972, 3.5e-4, 0.67, 4197\n";
    for (const char *name : {"water-like", "engine oil"}) {
        TableRead r = readPropertyTable(text, name);
        QVERIFY(r.table);
        QVERIFY(keepFluid(*r.table, text).empty());
    }
    QCOMPARE(keptFluids(), (std::vector<std::string>{"engine oil", "water-like"}));
    const std::optional<std::string> file = keptFluidFile("engine oil");
    QVERIFY(file);
    QCOMPARE(QString::fromStdString(*file), data.path() + "/nusselt-calculator/fluids/engine oil.csv");
    std::string why;
    const std::optional<TableLookup> found = lookUpTable("engine oil", why);
    QVERIFY(found && found->read.table);
    QCOMPARE(found->read.table->name(), std::string("engine oil"));
    QVERIFY(!keptFluidFile("../engine oil"));
    QVERIFY(!lookUpTable("brine", why));

    qputenv("XDG_DATA_HOME", "relative/path");
    QCOMPARE(QString::fromStdString(keptFluidFolder()), home.path() + "/.local/share/nusselt-calculator/fluids");
}

// A liquid from a table: beta from the slope of its density. rho = 1000 - 0.5 t (°C), mu 1e-3 Pa s:
// at T_f = 40 °C rho = 980, beta = 0.5 / 980, nu = 1e-3 / 980; Gr = g beta (Ts - T_inf) D^3 / nu^2.
void FluidTables::grashofFromTheTablesDensity()
{
    Problem p;
    p.selection = selectionFromCodes(2, 0, 0, 0, 0);
    p.fluid = FluidChoice::Table;
    p.table = table(std::string(header) + "0, 1000, 1e-3, 0.6, 4180\n60, 970, 1e-3, 0.6, 4180\n100, 950, 1e-3, 0.6, 4180\n");
    QVERIFY(p.table);
    p.velocity = 0.05;
    p.length = 0.05;
    p.freeStreamTemperature = 20 + celsius;
    p.surfaceTemperature = 60 + celsius;
    const Evaluation e = evaluate(p);
    QVERIFY(e.grashof);
    const double nu = 1e-3 / 980.0;
    const double expected = 9.80665 * (0.5 / 980.0) * 40.0 * 0.05 * 0.05 * 0.05 / (nu * nu);
    QVERIFY2(std::abs(*e.grashof / expected - 1) < 1e-9, qPrintable(QString::number(*e.grashof, 'g', 12)));
}

QTEST_GUILESS_MAIN(FluidTables)
#include "tst_fluidtables.moc"
