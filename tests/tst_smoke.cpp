#include "guitest.h"

class Smoke : public QObject
{
    Q_OBJECT
private slots:
    void choosingAndWarning()
    {
        ExternalFlow d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        ExternalFlowTestAccess a(d);
        QVERIFY(guitest::choose(a.ui().GeometryCombo, "Flat Plate"));
        QCOMPARE(a.ui().GeometryEdit->text(), QStringLiteral("Flat Plate"));
        QVERIFY(!guitest::choose(a.ui().TurbulantCombo, "Laminar"));
        QVERIFY(guitest::choose(a.ui().UniformTempCombo, "Uniform Flux"));
        QVERIFY(guitest::choose(a.ui().TurbulantCombo, "Mixed Flow"));
        QVERIFY(guitest::choose(a.ui().TurbulantCombo, "Laminar"));
        QCOMPARE(a.selection(), (QList<int>{1, 2, 1, 0, 0}));
        guitest::typeInto(a.ui().ReynoldsEdit, "10000");
        guitest::typeInto(a.ui().PrandtlEdit, "1");
        QVERIFY(guitest::click(a.ui().Calculate).isEmpty());
        QCOMPARE(a.ui().NusseltEdit->text(), QStringLiteral("45.3"));
        guitest::typeInto(a.ui().PrandtlEdit, "");
        const auto boxes = guitest::click(a.ui().Calculate);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes[0].text, QStringLiteral("Values not entered"));
        QCOMPARE(a.ui().NoteEdit->text(), QStringLiteral("Enter Reynolds and Prandtl number"));
    }
};

QTEST_MAIN(Smoke)
#include "tst_smoke.moc"
