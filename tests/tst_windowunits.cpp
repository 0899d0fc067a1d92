// The Units choice of Flow Conditions as a user meets it: SI or US picked from its popup sets
// every unit selector at once, the texts typed are written over in the new units and the fluid
// properties are shown in the units of US heat-transfer textbooks; a selector changed by hand
// afterwards stays until the choice is made again. Expected values: python3-iapws for the air
// properties (iapws.humidAir.Air at 350.45 K, 101325 Pa), converted with the exact factors
// 1 ft = 0.3048 m, 1 lbm = 0.45359237 kg, 1 Btu = 1055.05585262 J, 1 °F of difference = 5/9 K.

#include "flowwindowtest.h"

#include <QTableWidget>

#include <cmath>

namespace {

constexpr double kFoot = 0.3048;
constexpr double kPound = 0.45359237;
constexpr double kBtu = 1055.05585262;
constexpr double kRankine = 5.0 / 9.0;
constexpr double kHour = 3600.0;

// The property tables hold 0.2 % of the reference formulations.
constexpr double kTolerance = 0.002;

} // namespace

class WindowUnits : public FlowWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }
    void init() { start(); }
    void cleanup() { finish(); }

    void choiceSetsEverySelector_data();
    void choiceSetsEverySelector();
    void typedTextsFollow_data();
    void typedTextsFollow();
    void propertiesInTheChosenSystem_data();
    void propertiesInTheChosenSystem();
    void selectorChangedByHandStaysUntilChosenAgain();
    void sphereRateKeepsItsSystem_data();
    void sphereRateKeepsItsSystem();

private:
    // The textbook's cylinder in air typed in SI: 10 m/s, D = 12.7 mm, 26.2 °C, surface 128.4 °C.
    void cylinderInAir()
    {
        pick({"Cylinder"});
        window = openWithShortcut();
        QVERIFY(window);
        for (const QString t : {"Velocity=10", "Length=0.0127", "FreeStreamTemperature=26.2", "SurfaceTemperature=128.4"})
            type(t.section('=', 0, 0), t.section('=', 1));
    }
    QComboBox *selector(const QString &name) { return window->findChild<QComboBox *>(name); }
    // A property of the first column (at T_f), by the start of its row caption.
    QTableWidgetItem *property(const QString &caption)
    {
        auto *table = window->findChild<QTableWidget *>("PropertiesTable");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->verticalHeaderItem(r)->text().startsWith(caption))
                return table->item(r, 0);
        return nullptr;
    }
    QString propertyCaption(const QString &caption)
    {
        auto *table = window->findChild<QTableWidget *>("PropertiesTable");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->verticalHeaderItem(r)->text().startsWith(caption))
                return table->verticalHeaderItem(r)->text();
        return {};
    }
};

void WindowUnits::choiceSetsEverySelector_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("si");
    QTest::addColumn<QString>("us");
    QTest::newRow("velocity") << "VelocityUnit" << "m/s" << "ft/s";
    QTest::newRow("length") << "LengthUnit" << "m" << "ft";
    QTest::newRow("x") << "DistanceUnit" << "m" << "ft";
    QTest::newRow("xi") << "HeatStartUnit" << "m" << "ft";
    QTest::newRow("T_inf") << "FreeStreamTemperatureUnit" << "°C" << "°F";
    QTest::newRow("T_s") << "SurfaceTemperatureUnit" << "°C" << "°F";
    QTest::newRow("pressure") << "PressureUnit" << "kPa" << "psi";
    QTest::newRow("heat flux typed") << "HeatFluxInputUnit" << "W/m²" << "Btu/(h·ft²)";
    QTest::newRow("h") << "HeatTransferCoefficientUnit" << "W/(m²·K)" << "Btu/(h·ft²·°F)";
    QTest::newRow("q''") << "HeatFluxUnit" << "W/m²" << "Btu/(h·ft²)";
    QTest::newRow("q'") << "HeatRateUnit" << "W/m" << "Btu/(h·ft)";
}

void WindowUnits::choiceSetsEverySelector()
{
    QFETCH(QString, name);
    QFETCH(QString, si);
    QFETCH(QString, us);
    // A case that shows x and xi; the flux plate's q'' is hidden but set all the same.
    pick({"Flat Plate", "Unheated Starting Length", "Laminar"});
    window = openWithShortcut();
    QVERIFY(window);
    QCOMPARE(box("Units")->currentText(), QStringLiteral("SI"));
    QCOMPARE(selector(name)->currentText(), si);
    QVERIFY(guitest::choose(box("Units"), "US"));
    QCOMPARE(selector(name)->currentText(), us);
    QVERIFY(guitest::choose(box("Units"), "SI"));
    QCOMPARE(selector(name)->currentText(), si);
}

void WindowUnits::typedTextsFollow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("us"); // the typed SI value by the exact factors
    QTest::newRow("velocity") << "Velocity" << 10 / kFoot;
    QTest::newRow("diameter") << "Length" << 0.0127 / kFoot;
    QTest::newRow("T_inf") << "FreeStreamTemperature" << 26.2 * 1.8 + 32;
    QTest::newRow("T_s") << "SurfaceTemperature" << 128.4 * 1.8 + 32;
    QTest::newRow("pressure") << "Pressure" << 101325 / (kPound * 9.80665 / (0.0254 * 0.0254));
}

void WindowUnits::typedTextsFollow()
{
    QFETCH(QString, field);
    QFETCH(double, us);
    cylinderInAir();
    const QString typed = edit(field)->text();
    QVERIFY(guitest::choose(box("Units"), "US"));
    const double shown = edit(field)->text().toDouble();
    QVERIFY2(std::abs(shown / us - 1) < 1e-9, qPrintable(edit(field)->text()));
    // Back in SI the text is the one typed: no digit lost on the way.
    QVERIFY(guitest::choose(box("Units"), "SI"));
    QCOMPARE(edit(field)->text(), typed);
}

void WindowUnits::propertiesInTheChosenSystem_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("usUnit");
    QTest::addColumn<double>("si"); // python3-iapws, at T_f = 350.45 K and 1 atm
    QTest::addColumn<double>("factor"); // one US unit in SI
    QTest::newRow("density") << "Density ρ" << "lbm/ft³" << 1.0072283967947722 << kPound / (kFoot * kFoot * kFoot);
    QTest::newRow("viscosity") << "Dynamic viscosity μ" << "lbm/(ft·h)" << 2.0887441585071537e-05
                               << kPound / (kFoot * kHour);
    QTest::newRow("kinematic viscosity") << "Kinematic viscosity ν" << "ft²/h" << 2.0737542400055522e-05
                                         << kFoot * kFoot / kHour;
    QTest::newRow("conductivity") << "Thermal conductivity k" << "Btu/(h·ft·°F)" << 0.030035045801638426
                                  << kBtu / kHour / kFoot / kRankine;
    QTest::newRow("specific heat") << "Specific heat c_p" << "Btu/(lbm·°F)" << 1009.245586700004
                                   << kBtu / kPound / kRankine;
    QTest::newRow("Prandtl") << "Prandtl number Pr" << "–" << 0.7018653601000213 << 1.0;
}

void WindowUnits::propertiesInTheChosenSystem()
{
    QFETCH(QString, caption);
    QFETCH(QString, usUnit);
    QFETCH(double, si);
    QFETCH(double, factor);
    cylinderInAir();
    QVERIFY(guitest::choose(box("Units"), "US"));
    QCOMPARE(propertyCaption(caption), QStringLiteral("%1 (%2)").arg(caption, usUnit));
    QTableWidgetItem *item = property(caption);
    QVERIFY(item);
    const double shown = item->data(Qt::UserRole).toDouble();
    QVERIFY2(std::abs(shown / (si / factor) - 1) < kTolerance, qPrintable(item->text()));
    QVERIFY(guitest::choose(box("Units"), "SI"));
    QVERIFY2(std::abs(property(caption)->data(Qt::UserRole).toDouble() / si - 1) < kTolerance,
             qPrintable(property(caption)->text()));
}

void WindowUnits::selectorChangedByHandStaysUntilChosenAgain()
{
    cylinderInAir();
    const int r = row("Hilpert");
    const double hSI = value(r, "h");
    QVERIFY(guitest::choose(box("Units"), "US"));
    // 1 Btu/(h·ft²·°F) = 5.678263 W/(m²·K).
    QVERIFY(std::abs(value(r, "h") * kBtu / kHour / (kFoot * kFoot) / kRankine / hSI - 1) < 1e-9);

    // By hand: the velocity in mph, h in W/(m²·K); typing elsewhere keeps them.
    QVERIFY(guitest::choose(unit("Velocity"), "mph"));
    QVERIFY(guitest::choose(selector("HeatTransferCoefficientUnit"), "W/(m²·K)"));
    type("SurfaceTemperature", "263.12");
    QCOMPARE(unit("Velocity")->currentText(), QStringLiteral("mph"));
    QVERIFY(std::abs(edit("Velocity")->text().toDouble() / (10 / 0.44704) - 1) < 1e-9);
    QCOMPARE(selector("HeatTransferCoefficientUnit")->currentText(), QStringLiteral("W/(m²·K)"));
    QCOMPARE(unit("Length")->currentText(), QStringLiteral("ft"));
    QCOMPARE(box("Units")->currentText(), QStringLiteral("US"));
    QVERIFY(std::abs(value(r, "h") / hSI - 1) < 1e-9);

    // US chosen again sets them again.
    QVERIFY(guitest::choose(box("Units"), "US"));
    QCOMPARE(unit("Velocity")->currentText(), QStringLiteral("ft/s"));
    QCOMPARE(selector("HeatTransferCoefficientUnit")->currentText(), QStringLiteral("Btu/(h·ft²·°F)"));
    QVERIFY(guitest::choose(box("Units"), "SI"));
    QCOMPARE(edit("Velocity")->text(), QStringLiteral("10"));
    QCOMPARE(unit("Velocity")->currentText(), QStringLiteral("m/s"));
    QVERIFY(std::abs(value(r, "h") / hSI - 1) < 1e-9);
}

void WindowUnits::sphereRateKeepsItsSystem_data()
{
    QTest::addColumn<QString>("how"); // "Units=..." or a heat-rate unit picked by hand
    QTest::addColumn<QString>("sphere");
    QTest::addColumn<QString>("cylinder");
    QTest::newRow("SI") << "Units=SI" << "W" << "W/m";
    QTest::newRow("US") << "Units=US" << "Btu/h" << "Btu/(h·ft)";
    QTest::newRow("Btu by hand") << "HeatRateUnit=Btu/(h·ft)" << "Btu/h" << "Btu/(h·ft)";
}

void WindowUnits::sphereRateKeepsItsSystem()
{
    QFETCH(QString, how);
    QFETCH(QString, sphere);
    QFETCH(QString, cylinder);
    cylinderInAir();
    QComboBox *by = how.startsWith("Units=") ? box("Units") : selector(how.section('=', 0, 0));
    QVERIFY(guitest::choose(by, how.section('=', 1)));
    pickInWindow({"Geometry=Sphere", "Sphere=Drops"});
    QCOMPARE(selector("HeatRateUnit")->currentText(), sphere);
    QVERIFY(cell(row("Ranz-Marshall"), "q").isEmpty() == false);
    pickInWindow({"Geometry=Cylinder"});
    QCOMPARE(selector("HeatRateUnit")->currentText(), cylinder);
}

NUSSELT_GUI_TEST_MAIN(WindowUnits)
#include "tst_windowunits.moc"
