// Flow Conditions answers whether buoyancy matters, as a user sees it: Gr and Ri beside Re and Pr,
// the mixed-convection warning in every correlation's validity cell once Ri passes 0.1, the
// free-convection Nu and the combined estimate for the cylinder and the sphere, and a plain word
// instead of Gr for a typed fluid that cannot tell it. Hand values (python3-iapws air at
// T_f = 323.15 K: nu 1.79730e-5, Pr 0.704385): D = 50 mm, 20 -> 80 °C, Gr = 9.80665 / 323.15 * 60
// * 0.05^3 / nu^2 = 7.0459e5; at 0.1 m/s Ri = 9.1041, at 1 m/s 0.091041; Ra = Gr Pr = 4.9630e5 and
// Churchill-Chu gives Nu = 11.9505.

#include "flowwindowtest.h"

#include <QLineEdit>
#include <QTableWidget>

#include <cmath>

namespace {

bool close(double actual, double expected, double relative)
{
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

} // namespace

class WindowBuoyancy : public FlowWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }
    void init() { start(); }
    void cleanup() { finish(); }

    void slowCylinderIsMixedConvection();
    void fasterFlowIsForcedConvection();
    void plateHasNoFreeConvectionBody();
    void typedFluidSaysWhyThereIsNoGrashof();

private:
    void enterCylinder(const QString &velocity);
    QString summary(const QString &name) { return window->findChild<QLineEdit *>(name + "Value")->text(); }
    bool summaryShown(const QString &name) { return window->findChild<QLineEdit *>(name + "Value")->isVisible(); }
    int column(const QString &caption)
    {
        for (int c = 0; c < results()->columnCount(); ++c)
            if (results()->horizontalHeaderItem(c)->text() == caption)
                return c;
        return -1;
    }
};

void WindowBuoyancy::enterCylinder(const QString &velocity)
{
    pick({"Cylinder"});
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(window->findChild<QComboBox *>("FluidCombo"), "Air"));
    QVERIFY(guitest::choose(unit("Length"), "mm"));
    type("Velocity", velocity);
    type("Length", "50");
    type("FreeStreamTemperature", "20");
    type("SurfaceTemperature", "80");
}

void WindowBuoyancy::slowCylinderIsMixedConvection()
{
    enterCylinder("0.1");
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(close(summary("Grashof").toDouble(), 7.0459e5, 2e-4), qPrintable(summary("Grashof")));
    QVERIFY2(close(summary("Richardson").toDouble(), 9.1041, 2e-4), qPrintable(summary("Richardson")));
    QVERIFY(summaryShown("FreeConvection"));
    QVERIFY2(summary("FreeConvection").startsWith("11.95 (Churchill-Chu, Ra = 4.963e+05)"),
             qPrintable(summary("FreeConvection")));

    const int mixed = column("Mixed-convection Nu (estimate)");
    QVERIFY(mixed >= 0);
    QVERIFY(!results()->isColumnHidden(mixed));
    QCOMPARE(results()->rowCount(), 4);
    for (const QString name : {"Stagnation point", "Hilpert", "Churchill-Bernstein", "Zhukauskas"}) {
        const int r = row(name);
        QVERIFY2(cell(r, "Validity").contains("Ri = 9.1 above 0.1: mixed convection"), qPrintable(cell(r, "Validity")));
        QTableWidgetItem *item = results()->item(r, mixed);
        if (name == QLatin1String("Stagnation point")) { // a local value: nothing to combine
            QCOMPARE(item->text(), QString());
            continue;
        }
        // (Nu^4 + 11.9505^4)^1/4 with the Nu the row shows.
        const double nu = value(r, "Nu");
        const double expected = std::pow(std::pow(nu, 4) + std::pow(11.950496, 4), 0.25);
        QVERIFY2(close(item->data(Qt::UserRole).toDouble(), expected, 1e-4), qPrintable(item->text()));
    }
}

void WindowBuoyancy::fasterFlowIsForcedConvection()
{
    enterCylinder("0.1");
    if (QTest::currentTestFailed())
        return;
    // The user types a velocity ten times higher: Ri falls a hundredfold, below 0.1.
    type("Velocity", "1");
    QVERIFY2(close(summary("Richardson").toDouble(), 0.091041, 2e-4), qPrintable(summary("Richardson")));
    QVERIFY2(close(summary("Grashof").toDouble(), 7.0459e5, 2e-4), qPrintable(summary("Grashof")));
    for (int r = 0; r < results()->rowCount(); ++r)
        QVERIFY2(!cell(r, "Validity").contains("Ri ="), qPrintable(cell(r, "Validity")));
}

void WindowBuoyancy::plateHasNoFreeConvectionBody()
{
    pick({"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"});
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(window->findChild<QComboBox *>("FluidCombo"), "Air"));
    type("Velocity", "1");
    type("Length", "0.5");
    type("FreeStreamTemperature", "20");
    type("SurfaceTemperature", "100");
    // Hand: T_f 333.15 K, nu 1.89681e-5: Gr = 9.80665 / 333.15 * 80 * 0.125 / nu^2 = 8.1815e8, Ri 1.1774.
    QVERIFY2(close(summary("Grashof").toDouble(), 8.1815e8, 2e-4), qPrintable(summary("Grashof")));
    QVERIFY2(close(summary("Richardson").toDouble(), 1.1774, 2e-4), qPrintable(summary("Richardson")));
    QVERIFY(!summaryShown("FreeConvection"));
    QVERIFY(results()->isColumnHidden(column("Mixed-convection Nu (estimate)")));
    QVERIFY(cell(row("Laminar plate", "average"), "Validity").contains("Ri = 1.18 above 0.1: mixed convection"));
}

void WindowBuoyancy::typedFluidSaysWhyThereIsNoGrashof()
{
    // Drops take only film properties: without a density at T∞ a typed fluid has no beta.
    pick({"Sphere", "Drops"});
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(window->findChild<QComboBox *>("FluidCombo"), "Fluid of my own"));
    type("Velocity", "0.5");
    type("Length", "0.002");
    type("FreeStreamTemperature", "20");
    type("SurfaceTemperature", "40");
    type("FilmDensity", "1.2");
    type("FilmViscosity", "1.8e-5");
    type("FilmConductivity", "0.026");
    type("FilmSpecificHeat", "1006");
    QCOMPARE(results()->rowCount(), 1);
    QVERIFY(value(row("Ranz-Marshall"), "Nu") > 2.0);
    QLineEdit *gr = window->findChild<QLineEdit *>("GrashofValue");
    QCOMPARE(gr->text(), QString());
    QVERIFY2(gr->placeholderText().endsWith("densities at T_f and T∞, and this case takes none at T∞"),
             qPrintable(gr->placeholderText()));
    QCOMPARE(summary("Richardson"), QString());
    QCOMPARE(summary("FreeConvection"), QString());
}

NUSSELT_GUI_TEST_MAIN(WindowBuoyancy)
#include "tst_windowbuoyancy.moc"
