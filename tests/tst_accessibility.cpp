// Keyboard and screen-reader access: Tab walks the fields in the order they appear on the form,
// passing over what the current choices leave disabled, and everything that can take focus tells
// a screen reader what it is, also the fields that have no caption of their own.

#include "guitest.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>

namespace {

// Creation order of the form's focusable widgets; no explicit tab order is set, so Tab follows it.
const QStringList kCreationOrder = {
    "ReynoldsEdit", "PrandtlEdit", "GeometryCombo", "GeometryEdit", "UniformTempCombo",
    "UniformTempEdit", "TurbulantCombo", "TurbulantEdit", "LiquidMetalCombo", "LiquidMetalEdit",
    "Calculate", "NusseltEdit", "AverageNusseltEdit", "NoteEdit", "PrandtlSurfaceEdit",
    "PlateLengthEdit", "LeadingEdgeEdit", "HeatStartEdit", "SphereCombo", "SphereEdit",
    "ZhukauskasEdit"};

QString focusName()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

// Presses the key on whatever has focus until focus is back on the starting widget (or gives up
// after more presses than there are widgets) and returns the names visited, start included.
QStringList walk(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QStringList seen{focusName()};
    for (int i = 0; i <= kCreationOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        if (focusName() == seen.first())
            return seen;
        seen.append(focusName());
    }
    seen.append(QStringLiteral("<no wrap>"));
    return seen;
}

// What assistive technology reads: the texts of the widget's accessibility interface.
QString accessibleText(QWidget *w, QAccessible::Text t)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(t) : QString();
}

} // namespace

class Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void tabFollowsCreationOrder_data()
    {
        QTest::addColumn<QStringList>("choices"); // "Combo=Item" in the order a user picks them
        QTest::addColumn<QStringList>("disabled");
        QTest::newRow("start") << QStringList{}
                               << QStringList{"UniformTempCombo", "TurbulantCombo",
                                              "LiquidMetalCombo", "Calculate", "PrandtlSurfaceEdit",
                                              "PlateLengthEdit", "LeadingEdgeEdit", "HeatStartEdit",
                                              "SphereCombo"};
        QTest::newRow("cylinder then unheated starting length")
            << QStringList{"GeometryCombo=Cylinder", "GeometryCombo=Flat Plate",
                           "UniformTempCombo=Unheated Starting Length"}
            << QStringList{"LiquidMetalCombo", "SphereCombo"};
        QTest::newRow("laminar plate at uniform temperature")
            << QStringList{"GeometryCombo=Flat Plate", "UniformTempCombo=Uniform Temp",
                           "TurbulantCombo=Laminar"}
            << QStringList{"Calculate", "PrandtlSurfaceEdit", "PlateLengthEdit",
                           "LeadingEdgeEdit", "HeatStartEdit", "SphereCombo"};
        QTest::newRow("sphere") << QStringList{"GeometryCombo=Sphere"}
                                << QStringList{"UniformTempCombo", "TurbulantCombo",
                                               "LiquidMetalCombo", "Calculate",
                                               "PrandtlSurfaceEdit", "PlateLengthEdit",
                                               "LeadingEdgeEdit", "HeatStartEdit"};
    }

    void tabFollowsCreationOrder()
    {
        QFETCH(QStringList, choices);
        QFETCH(QStringList, disabled);
        ExternalFlow d;
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        for (const QString &choice : choices) {
            const QStringList parts = choice.split('=');
            auto *combo = d.findChild<QComboBox *>(parts[0]);
            QVERIFY2(combo && guitest::choose(combo, parts[1]), qPrintable(choice));
        }

        QStringList expected = kCreationOrder;
        for (const QString &name : disabled)
            expected.removeOne(name);

        d.findChild<QWidget *>("ReynoldsEdit")->setFocus(Qt::TabFocusReason);
        QCOMPARE(focusName(), QStringLiteral("ReynoldsEdit"));
        QCOMPARE(walk(Qt::Key_Tab), expected);

        // Shift+Tab goes the same way back.
        QStringList backwards(expected.rbegin(), expected.rend() - 1);
        backwards.prepend(expected.first());
        QCOMPARE(walk(Qt::Key_Backtab, Qt::ShiftModifier), backwards);
    }

    void everyFocusableWidgetIsNamed()
    {
        ExternalFlow d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        QStringList focusable;
        QSet<QString> names;
        for (QWidget *w : d.findChildren<QWidget *>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty())
                continue; // inner parts of a widget (the combo's popup view) are not ours
            focusable.append(w->objectName());
            const QByteArray what = w->objectName().toUtf8();
            QVERIFY2(!accessibleText(w, QAccessible::Name).trimmed().isEmpty(), what);
            QVERIFY2(!w->accessibleName().trimmed().isEmpty(), what);
            QVERIFY2(!names.contains(w->accessibleName()), what);
            names.insert(w->accessibleName());
            // What a screen reader announces is the name set for it, also for the combo boxes,
            // which Qt on X11 would otherwise name by their current item.
            QCOMPARE(accessibleText(w, QAccessible::Name), w->accessibleName());
            if (auto *combo = qobject_cast<QComboBox *>(w)) {
                QVERIFY2(!accessibleText(w, QAccessible::Description).isEmpty(), what);
                QCOMPARE(accessibleText(w, QAccessible::Value), combo->currentText());
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
                QCOMPARE(iface->role(), QAccessible::ComboBox);
                QCOMPARE(iface->childCount(), 1); // the item list, for walking the choices
                QCOMPARE(iface->child(0)->object(), combo->view());
            }
        }
        focusable.sort();
        QStringList all = kCreationOrder;
        all.sort();
        QCOMPARE(focusable, all);

        // The names are for screen readers only: what sighted users read stays as it was.
        const QList<QPair<const char *, QString>> visible = {
            {"label_4", "Reynolds #"},
            {"label_6", "Prandtl #"},
            {"label_3", "Nusselt #"},
            {"label_7", "Average\nNusselt #"},
            {"label_8", "Note:"},
            {"label_14", "Prandtl at Surface Temp"},
            {"label_10", "Plate Length"},
            {"label_13", "Distance From Leading Edge"},
            {"label_11", " Distance From Leading Edge to"},
            {"label_12", "Where Heating Starts"},
        };
        for (const auto &[label, text] : visible)
            QCOMPARE(d.findChild<QLabel *>(label)->text(), text);
        QCOMPARE(d.findChild<QPushButton *>("Calculate")->text(), QStringLiteral("Calculate Nusselt #"));
        QCOMPARE(d.findChild<QLineEdit *>("GeometryEdit")->text(), QStringLiteral("Geometry"));
        QCOMPARE(d.findChild<QLineEdit *>("UniformTempEdit")->text(),
                 QStringLiteral("Heat Flow Condition"));
        QCOMPARE(d.findChild<QLineEdit *>("TurbulantEdit")->text(), QStringLiteral("Flow Condition"));
        QCOMPARE(d.findChild<QLineEdit *>("LiquidMetalEdit")->text(), QStringLiteral("Fluid Type"));
        QCOMPARE(d.findChild<QLineEdit *>("SphereEdit")->text(), QString());
    }
};

NUSSELT_GUI_TEST_MAIN(Accessibility)
#include "tst_accessibility.moc"
