// Alt+letter keys of Flow Conditions as a user meets them: for every case that changes the
// window's captions, no letter leads to two places, shown or hidden; and a few keys pressed put the
// focus where their caption says. The calculator's own form is only checked, never changed.

#include "flowwindowtest.h"

#include <QTableWidget>

class WindowKeys : public FlowWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }
    void init() { start(); }
    void cleanup() { finish(); }

    void eachKeyLeadsToOnePlace_data();
    void eachKeyLeadsToOnePlace();
    void keysMoveTheFocus_data();
    void keysMoveTheFocus();
};

void WindowKeys::eachKeyLeadsToOnePlace_data()
{
    QTest::addColumn<QStringList>("choices"); // in the calculator
    QTest::addColumn<QString>("fluid");
    QTest::addColumn<QString>("lengthCaption");
    QTest::newRow("nothing chosen") << QStringList{} << "Air" << "Plate le&ngth L";
    QTest::newRow("plate, uniform temperature") << QStringList{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"}
                                                << "Water" << "Plate le&ngth L";
    QTest::newRow("plate, uniform flux") << QStringList{"Flat Plate", "Uniform Flux", "Turbulant"} << "Air"
                                         << "Plate le&ngth L";
    QTest::newRow("unheated start") << QStringList{"Flat Plate", "Unheated Starting Length", "Laminar"}
                                    << "Fluid of my own" << "Plate le&ngth L";
    QTest::newRow("cylinder, my own fluid") << QStringList{"Cylinder"} << "Fluid of my own" << "&Diameter D";
    QTest::newRow("regular sphere, my own fluid") << QStringList{"Sphere", "Regular Sphere"} << "Fluid of my own"
                                                  << "&Diameter D";
}

void WindowKeys::eachKeyLeadsToOnePlace()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, fluid);
    QFETCH(QString, lengthCaption);
    pick(choices);
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(window->findChild<QComboBox *>("FluidCombo"), fluid));
    QCOMPARE(window->findChild<QLabel *>("LengthLabel")->text(), lengthCaption);
    QCOMPARE(guitest::repeatedMnemonics(window, guitest::Hidden::Too), QStringList());
    // The calculator keeps its form as it was: whatever keys it has lead to one place each.
    QCOMPARE(guitest::repeatedMnemonics(dialog.get(), guitest::Hidden::Too), QStringList());
}

void WindowKeys::keysMoveTheFocus_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("focus");
    const QStringList plate{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"};
    QTest::newRow("Alt+U units") << plate << QChar('U') << "UnitSystemChoice";
    QTest::newRow("Alt+L fluid") << plate << QChar('L') << "FluidCombo";
    QTest::newRow("Alt+V velocity") << plate << QChar('V') << "VelocityEdit";
    QTest::newRow("Alt+N plate length") << plate << QChar('N') << "LengthEdit";
    QTest::newRow("Alt+D diameter") << QStringList{"Cylinder"} << QChar('D') << "LengthEdit";
    QTest::newRow("Alt+T free stream") << plate << QChar('T') << "FreeStreamTemperatureEdit";
    QTest::newRow("Alt+M surface") << plate << QChar('M') << "SurfaceTemperatureEdit";
    QTest::newRow("Alt+R pressure") << plate << QChar('R') << "PressureEdit";
    QTest::newRow("Alt+Q heat flux") << QStringList{"Flat Plate", "Uniform Flux", "Laminar"} << QChar('Q')
                                     << "HeatFluxInputEdit";
    QTest::newRow("Alt+X distance") << QStringList{"Flat Plate", "Unheated Starting Length", "Laminar"} << QChar('X')
                                    << "DistanceEdit";
    QTest::newRow("Alt+H unheated length") << QStringList{"Flat Plate", "Unheated Starting Length", "Laminar"}
                                           << QChar('H') << "HeatStartEdit";
    QTest::newRow("Alt+I results") << plate << QChar('I') << "ResultsTable";
}

void WindowKeys::keysMoveTheFocus()
{
    QFETCH(QStringList, choices);
    QFETCH(QChar, key);
    QFETCH(QString, focus);
    pick(choices);
    window = openWithShortcut();
    QVERIFY(window);
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->findChild<QPushButton *>("CloseButton")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window, Qt::Key(Qt::Key_A + (key.unicode() - 'A')), Qt::AltModifier);
    QWidget *now = QApplication::focusWidget();
    QCOMPARE(now ? now->objectName() : QStringLiteral("<none>"), focus);
}

NUSSELT_GUI_TEST_MAIN(WindowKeys)
#include "tst_windowkeys.moc"
