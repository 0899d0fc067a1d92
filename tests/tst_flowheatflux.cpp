// The uniform-flux plate in Flow Conditions, driven as a user drives it: the window asks for the
// heat flux where other cases take the surface temperature, and answers with the surface excess
// temperature Ts - T_inf of each correlation.

#include "externalflow.h"
#include "flowconditions.h"
#include "guitest.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <cmath>

namespace {

template <typename T>
T *named(QWidget *window, const QString &accessibleName)
{
    for (T *w : window->findChildren<T *>())
        if (w->accessibleName() == accessibleName)
            return w;
    return nullptr;
}

int columnHeaded(QTableWidget *table, const QString &start)
{
    for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c) && table->horizontalHeaderItem(c)->text().startsWith(start))
            return c;
    return -1;
}

} // namespace

class FlowHeatFlux : public QObject
{
    Q_OBJECT

private slots:
    void askedForWhereTheCaseNeedsIt();
};

void FlowHeatFlux::askedForWhereTheCaseNeedsIt()
{
    ExternalFlow calculator;
    FlowConditions::attachTo(calculator);
    calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));
    QTest::keyClick(&calculator, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto *window = calculator.findChild<FlowConditions *>();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QLineEdit *flux = named<QLineEdit>(window, "Heat flux");
    QLineEdit *surface = named<QLineEdit>(window, "Surface temperature");
    QVERIFY(flux && surface);
    QVERIFY(guitest::choose(named<QComboBox>(window, "Geometry"), "Flat Plate"));
    QVERIFY(guitest::choose(named<QComboBox>(window, "Heat flow condition"), "Uniform Temp"));
    QVERIFY(surface->isVisible());
    QVERIFY(!flux->isVisible());

    QVERIFY(guitest::choose(named<QComboBox>(window, "Heat flow condition"), "Uniform Flux"));
    QVERIFY(guitest::choose(named<QComboBox>(window, "Flow condition"), "Laminar"));
    QVERIFY(flux->isVisible());
    QVERIFY(!surface->isVisible());

    // Air at 5 m/s along 0.5 m from 20 °C, 500 W/m², 1 atm (the pressure's default).
    guitest::typeInto(named<QLineEdit>(window, "Velocity"), "5");
    guitest::typeInto(named<QLineEdit>(window, "Length"), "0.5");
    guitest::typeInto(named<QLineEdit>(window, "Free-stream temperature"), "20");
    guitest::typeInto(flux, "500");

    auto *table = window->findChild<QTableWidget *>("ResultsTable");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    const int excess = columnHeaded(table, QStringLiteral("Ts − T∞"));
    const int q = columnHeaded(table, QStringLiteral("q″"));
    const int h = columnHeaded(table, QStringLiteral("h"));
    QVERIFY(excess >= 0 && q >= 0 && h >= 0);
    QVERIFY(!table->isColumnHidden(excess));
    for (int r = 0; r < 2; ++r) {
        // The flux is the one given, and the excess temperature is what that flux needs: q'' / h.
        QCOMPARE(table->item(r, q)->text(), QStringLiteral("500"));
        const double dT = table->item(r, excess)->text().toDouble();
        const double hr = table->item(r, h)->text().toDouble();
        QVERIFY2(dT > 0.0 && std::abs(dT * hr / 500.0 - 1.0) < 2e-5, qPrintable(table->item(r, excess)->text()));
    }
    // The local value at the trailing edge runs hotter than the plate's average (Nu_x = 2/3 of the
    // laminar average for a uniform flux: 0.453 against 0.680).
    const double local = table->item(0, excess)->text().toDouble();
    const double average = table->item(1, excess)->text().toDouble();
    QVERIFY2(std::abs(local / average - 0.680 / 0.453) < 1e-3, qPrintable(QString::number(local / average)));
}

QTEST_MAIN(FlowHeatFlux)
#include "tst_flowheatflux.moc"
