// The case and the numbers between the two windows, as a user carries them: the case chosen in
// Flow Conditions' own boxes or in the calculator, shown in both; "Use in Calculator" and then
// "Calculate Nusselt #"; a case saved and opened again. Expected values come from the calculator's
// own flow of choices, the published correlations and what was typed, not from the window.

#include "flowwindowtest.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

class FlowChoice : public FlowWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }
    void init() { start(); }
    void cleanup() { finish(); }

    void useInCalculatorGivesTheCalculatorsNumbers_data();
    void useInCalculatorGivesTheCalculatorsNumbers();
    void caseFileGivesBackWhatWasEntered_data();
    void caseFileGivesBackWhatWasEntered();
    void caseBoxesAndTheirItems_data();
    void caseBoxesAndTheirItems();
    void boxesOpenInTheOrderOfChoosing_data();
    void boxesOpenInTheOrderOfChoosing();
    void choiceInTheWindowGoesToTheCalculator_data();
    void choiceInTheWindowGoesToTheCalculator();
    void choiceInTheCalculatorShowsInTheWindow_data();
    void choiceInTheCalculatorShowsInTheWindow();
    void caseBoxesByKeyboard();
    void setSelectionAsAUserChooses_data();
    void setSelectionAsAUserChooses();
};

void FlowChoice::useInCalculatorGivesTheCalculatorsNumbers_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("typed");    // "Field=text", in the window
    QTest::addColumn<QStringList>("expected"); // "CalculatorField|correlation|kind|suffix"
    QTest::newRow("cylinder") << QStringList{"Cylinder"}
                              << QStringList{"Velocity=10", "Length=0.0127", "FreeStreamTemperature=26.2",
                                             "SurfaceTemperature=128.4"}
                              << QStringList{"NusseltEdit|Stagnation point|local| at stagnation",
                                             "AverageNusseltEdit|Hilpert|average| Hilpert",
                                             "NoteEdit|Churchill-Bernstein|average| Churchill"};
    QTest::newRow("laminar plate") << QStringList{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"}
                                   << QStringList{"Velocity=2", "Length=0.5", "FreeStreamTemperature=20",
                                                  "SurfaceTemperature=60"}
                                   << QStringList{"NusseltEdit|Laminar plate|local|",
                                                  "AverageNusseltEdit|Laminar plate|average|"};
    QTest::newRow("unheated start") << QStringList{"Flat Plate", "Unheated Starting Length", "Laminar"}
                                    << QStringList{"Velocity=2", "Length=0.5", "FreeStreamTemperature=20",
                                                   "SurfaceTemperature=60", "Distance=0.3", "HeatStart=0.1"}
                                    << QStringList{"NusseltEdit|Laminar, unheated start|local|",
                                                   "AverageNusseltEdit|Laminar, unheated start|average|"};
    QTest::newRow("regular sphere") << QStringList{"Sphere", "Regular Sphere"}
                                    << QStringList{"Velocity=3", "Length=0.02", "FreeStreamTemperature=20",
                                                   "SurfaceTemperature=80"}
                                    << QStringList{"AverageNusseltEdit|Whitaker|average|"};
    QTest::newRow("drops") << QStringList{"Sphere", "Drops"}
                           << QStringList{"Velocity=3", "Length=0.002", "FreeStreamTemperature=20",
                                          "SurfaceTemperature=80"}
                           << QStringList{"AverageNusseltEdit|Ranz-Marshall|average|"};
    // "Box=item": chosen in the window's own boxes instead.
    QTest::newRow("turbulent plate, chosen in the window")
        << QStringList{"Heat flow condition=Uniform Temp", "Flow condition=Turbulent"}
        << QStringList{"Velocity=20", "Length=1", "FreeStreamTemperature=20", "SurfaceTemperature=60"}
        << QStringList{"NusseltEdit|Turbulent plate|local|", "AverageNusseltEdit|Turbulent plate|average|"};
    QTest::newRow("drops, chosen in the window")
        << QStringList{"Geometry=Sphere", "Sphere=Drops"}
        << QStringList{"Velocity=3", "Length=0.002", "FreeStreamTemperature=20", "SurfaceTemperature=80"}
        << QStringList{"AverageNusseltEdit|Ranz-Marshall|average|"};
}

void FlowChoice::useInCalculatorGivesTheCalculatorsNumbers()
{
    QFETCH(QStringList, choices);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    const bool inWindow = choices.first().contains('=');
    if (!inWindow)
        pick(choices);
    window = openWithShortcut();
    QVERIFY(window);
    if (inWindow)
        pickInWindow(choices);
    if (QTest::currentTestFailed())
        return;
    const QList<int> selection = ExternalFlowTestAccess(*dialog).selection();
    for (const QString &t : typed)
        type(t.section('=', 0, 0), t.section('=', 1));

    // Action: "Use in Calculator", then "Calculate Nusselt #" in the calculator.
    QVERIFY(guitest::click(window->findChild<QPushButton *>("UseInCalculator")).isEmpty());
    QCOMPARE(ExternalFlowTestAccess(*dialog).selection(), selection);
    const QList<guitest::Box> boxes = guitest::click(ExternalFlowTestAccess(*dialog).ui().Calculate);
    QVERIFY2(boxes.isEmpty(), boxes.isEmpty() ? "" : qPrintable(boxes.first().text));

    // Expected: the calculator shows the very Nusselt numbers of the window's correlations.
    for (const QString &e : expected) {
        const QStringList p = e.split('|');
        const int r = row(p[1], p[2]);
        QVERIFY2(r >= 0, qPrintable(e));
        QCOMPARE(dialog->findChild<QLineEdit *>(p[0])->text(), cell(r, "Nu") + p[3]);
    }
}

void FlowChoice::caseFileGivesBackWhatWasEntered_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("fluid");
    QTest::addColumn<QStringList>("units"); // "Field=unit", chosen before typing
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("cylinder, mm and °F")
        << QStringList{"Cylinder"} << "Air" << QStringList{"Length=mm", "FreeStreamTemperature=°F", "SurfaceTemperature=°F"}
        << QStringList{"Velocity=10", "Length=12.7", "FreeStreamTemperature=79.16", "SurfaceTemperature=263.12"};
    QTest::newRow("unheated plate in water")
        << QStringList{"Flat Plate", "Unheated Starting Length", "Laminar"} << "Water" << QStringList{"Pressure=bar"}
        << QStringList{"Velocity=0.5", "Length=0.5", "FreeStreamTemperature=20", "SurfaceTemperature=60",
                       "Pressure=2", "Distance=0.3", "HeatStart=0.1"};
    QTest::newRow("turbulent plate in psi")
        << QStringList{"Flat Plate", "Uniform Temp", "Turbulant"} << "Air" << QStringList{"Pressure=psi"}
        << QStringList{"Velocity=20", "Length=1", "FreeStreamTemperature=20", "SurfaceTemperature=60", "Pressure=14.7"};
    QTest::newRow("sphere in a fluid of my own")
        << QStringList{"Sphere", "Regular Sphere"} << "Fluid of my own" << QStringList{}
        << QStringList{"Velocity=0.2", "Length=0.01", "FreeStreamTemperature=20", "SurfaceTemperature=40",
                       "FreeStreamDensity=998", "FreeStreamViscosity=1.0e-3", "FreeStreamConductivity=0.6",
                       "FreeStreamSpecificHeat=4182", "SurfaceViscosity=6.5e-4"};
}

void FlowChoice::caseFileGivesBackWhatWasEntered()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, fluid);
    QFETCH(QStringList, units);
    QFETCH(QStringList, typed);
    QTemporaryDir dir;
    const QString path = dir.filePath("case.json");

    pick(choices);
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(window->findChild<QComboBox *>("FluidCombo"), fluid));
    for (const QString &u : units)
        QVERIFY(guitest::choose(unit(u.section('=', 0, 0)), u.section('=', 1)));
    for (const QString &t : typed)
        type(t.section('=', 0, 0), t.section('=', 1));
    const auto entered = [this] {
        QStringList all;
        for (QLineEdit *e : window->findChildren<QLineEdit *>())
            if (!e->isReadOnly())
                all << e->objectName() + "=" + e->text();
        for (QComboBox *c : window->findChildren<QComboBox *>())
            all << c->objectName() + "=" + c->currentText();
        for (int r = 0; r < results()->rowCount(); ++r)
            all << cell(r, "Nu");
        return all;
    };
    const QStringList before = entered();
    const QList<int> selection = ExternalFlowTestAccess(*dialog).selection();
    // The watchdog would close the file dialog before it is answered: it rests meanwhile.
    watchdog.reset();
    const bool saved = answerFileDialog(path, [this] { QTest::mouseClick(window->findChild<QPushButton *>("SaveCase"), Qt::LeftButton); });
    watchdog = std::make_unique<guitest::ModalWatchdog>();
    QVERIFY(saved);
    QVERIFY(QFile::exists(path));

    // A fresh calculator, nothing chosen: opening the case chooses its items and fills the fields.
    finish();
    start();
    window = openWithShortcut();
    QVERIFY(window);
    watchdog.reset();
    const bool opened = answerFileDialog(path, [this] { QTest::mouseClick(window->findChild<QPushButton *>("OpenCase"), Qt::LeftButton); });
    watchdog = std::make_unique<guitest::ModalWatchdog>();
    QVERIFY(opened);
    QCOMPARE(ExternalFlowTestAccess(*dialog).selection(), selection);
    QCOMPARE(entered(), before);
}

// The window's own case boxes: named for screen readers, items from the choices' tables in their
// order, the flow condition spelled correctly (the calculator keeps its own spelling).
void FlowChoice::caseBoxesAndTheirItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("calculatorCombo");
    QTest::addColumn<QStringList>("calculatorItems");
    // The window also offers the geometries the calculator lacks.
    QTest::newRow("geometry") << "Geometry"
                              << QStringList{"Flat Plate", "Cylinder", "Sphere", "Tube Bank", "Non-circular Cylinder"}
                              << "GeometryCombo" << QStringList{"Flat Plate", "Cylinder", "Sphere"};
    QTest::newRow("heat") << "Heat flow condition" << QStringList{"Uniform Temp", "Uniform Flux", "Unheated Starting Length"}
                          << "UniformTempCombo" << QStringList{"Uniform Temp", "Uniform Flux", "Unheated Starting Length"};
    QTest::newRow("flow") << "Flow condition" << QStringList{"Turbulent", "Laminar", "Mixed Flow"} << "TurbulantCombo"
                          << QStringList{"Turbulant", "Laminar", "Mixed Flow"};
    QTest::newRow("fluid type") << "Fluid type" << QStringList{"Regular Fluid", "Liquid Metal"} << "LiquidMetalCombo"
                                << QStringList{"Regular Fluid", "Liquid Metal"};
    QTest::newRow("sphere") << "Sphere" << QStringList{"Regular Sphere", "Drops"} << "SphereCombo"
                            << QStringList{"Regular Sphere", "Drops"};
}

void FlowChoice::caseBoxesAndTheirItems()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(QString, calculatorCombo);
    QFETCH(QStringList, calculatorItems);
    window = openWithShortcut();
    QVERIFY(window);
    const auto itemsOf = [](QComboBox *c) {
        QStringList all;
        for (int i = 0; i < c->count(); ++i)
            all << c->itemText(i);
        return all;
    };
    QComboBox *b = box(name);
    QVERIFY(b);
    QCOMPARE(itemsOf(b), items);
    QCOMPARE(itemsOf(dialog->findChild<QComboBox *>(calculatorCombo)), calculatorItems);
    // What a screen reader announces: the box's name, and its item as the value.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(b);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Value), b->currentText());
}

// Each box opens when its turn comes in the calculator's order of choosing; the others stay shut.
void FlowChoice::boxesOpenInTheOrderOfChoosing_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("states");
    QTest::newRow("start") << QStringList{} << "Flat Plate | - | (-) | (-) | (-)";
    QTest::newRow("uniform temperature")
        << QStringList{"Heat flow condition=Uniform Temp"} << "Flat Plate | Uniform Temp | - | (-) | (-)";
    QTest::newRow("laminar asks the fluid type")
        << QStringList{"Heat flow condition=Uniform Temp", "Flow condition=Laminar"}
        << "Flat Plate | Uniform Temp | Laminar | - | (-)";
    QTest::newRow("turbulent does not")
        << QStringList{"Heat flow condition=Uniform Temp", "Flow condition=Laminar", "Fluid type=Liquid Metal",
                       "Flow condition=Turbulent"}
        << "Flat Plate | Uniform Temp | Turbulent | (Liquid Metal) | (-)";
    QTest::newRow("uniform flux does not")
        << QStringList{"Heat flow condition=Uniform Temp", "Flow condition=Laminar", "Heat flow condition=Uniform Flux"}
        << "Flat Plate | Uniform Flux | Laminar | (-) | (-)";
    QTest::newRow("cylinder") << QStringList{"Heat flow condition=Unheated Starting Length", "Geometry=Cylinder"}
                              << "Cylinder | (Unheated Starting Length) | (-) | (-) | (-)";
    QTest::newRow("sphere") << QStringList{"Geometry=Sphere"} << "Sphere | (-) | (-) | (-) | -";
    QTest::newRow("drops, then a plate again")
        << QStringList{"Geometry=Sphere", "Sphere=Drops", "Geometry=Flat Plate"} << "Flat Plate | - | (-) | (-) | (Drops)";
}

void FlowChoice::boxesOpenInTheOrderOfChoosing()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, states);
    window = openWithShortcut();
    QVERIFY(window);
    pickInWindow(choices);
    QCOMPARE(boxStates(), states);
    // A shut box does not open for the keyboard: nothing in it can be chosen.
    for (QComboBox *b : window->findChild<QWidget *>("CaseGroup")->findChildren<QComboBox *>()) {
        if (!b->isEnabled())
            QVERIFY(!guitest::choose(b, b->itemText(b->count() - 1)));
    }
    QCOMPARE(boxStates(), states);
}

// A choice in the window is made in the calculator as a user would make it there: its codes,
// its own item texts and its prompt follow, and nothing comes back to the window as a new choice.
void FlowChoice::choiceInTheWindowGoesToTheCalculator_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("shown"); // the calculator's five combo boxes
    QTest::addColumn<QString>("note");
    QTest::newRow("sphere") << QStringList{"Geometry=Sphere"} << QList<int>{3, 0, 0, 0, 0}
                            << "Sphere|Uniform Temp|Turbulant|Regular Fluid|Regular Sphere"
                            << "Choose Regular Sphere or Drops";
    QTest::newRow("drops") << QStringList{"Geometry=Sphere", "Sphere=Drops"} << QList<int>{3, 0, 0, 0, 2}
                           << "Sphere|Uniform Temp|Turbulant|Regular Fluid|Drops" << "Calculate";
    QTest::newRow("cylinder") << QStringList{"Geometry=Cylinder"} << QList<int>{2, 0, 0, 0, 0}
                              << "Cylinder|Uniform Temp|Turbulant|Regular Fluid|Regular Sphere"
                              << "Enter Prandtl number at surface temperature";
    QTest::newRow("turbulent flux") << QStringList{"Heat flow condition=Uniform Flux", "Flow condition=Turbulent"}
                                    << QList<int>{1, 2, 2, 0, 0}
                                    << "Flat Plate|Uniform Flux|Turbulant|Regular Fluid|Regular Sphere"
                                    << "Calculate Nusselt #";
    QTest::newRow("laminar liquid metal")
        << QStringList{"Heat flow condition=Uniform Temp", "Flow condition=Laminar", "Fluid type=Liquid Metal"}
        << QList<int>{1, 1, 1, 2, 0} << "Flat Plate|Uniform Temp|Laminar|Liquid Metal|Regular Sphere"
        << "Calculate Nusselt #";
    QTest::newRow("plate after sphere") << QStringList{"Geometry=Sphere", "Sphere=Regular Sphere", "Geometry=Flat Plate",
                                                       "Heat flow condition=Unheated Starting Length"}
                                        << QList<int>{1, 3, 0, 0, 1}
                                        << "Flat Plate|Unheated Starting Length|Turbulant|Regular Fluid|Regular Sphere"
                                        << "Choose Heat Flow Condition";
}

void FlowChoice::choiceInTheWindowGoesToTheCalculator()
{
    QFETCH(QStringList, choices);
    QFETCH(QList<int>, codes);
    QFETCH(QString, shown);
    QFETCH(QString, note);
    window = openWithShortcut();
    QVERIFY(window);
    QSignalSpy announced(dialog.get(), &ExternalFlow::selectionChanged);
    pickInWindow(choices);
    QCOMPARE(announced.count(), choices.size());
    ExternalFlowTestAccess access(*dialog);
    QCOMPARE(access.selection(), codes);
    auto &ui = access.ui();
    QStringList items;
    for (QComboBox *c : {ui.GeometryCombo, ui.UniformTempCombo, ui.TurbulantCombo, ui.LiquidMetalCombo, ui.SphereCombo})
        items << c->currentText();
    QCOMPARE(items.join('|'), shown);
    QCOMPARE(ui.NoteEdit->text(), note);
    // The window's problem is the case both windows show.
    QCOMPARE(window->selection(), dialog->selection());
    QCOMPARE(window->problem().selection, dialog->selection());
}

// A choice in the calculator shows in the window's boxes, in the window's words.
void FlowChoice::choiceInTheCalculatorShowsInTheWindow_data()
{
    QTest::addColumn<QStringList>("choices"); // calculator items
    QTest::addColumn<QString>("states");
    QTest::addColumn<QString>("lengthLabel");
    QTest::newRow("sphere") << QStringList{"Sphere"} << "Sphere | (-) | (-) | (-) | -" << "&Diameter D";
    QTest::newRow("regular sphere") << QStringList{"Sphere", "Regular Sphere"}
                                    << "Sphere | (-) | (-) | (-) | Regular Sphere" << "&Diameter D";
    QTest::newRow("turbulant is turbulent") << QStringList{"Flat Plate", "Uniform Temp", "Turbulant"}
                                            << "Flat Plate | Uniform Temp | Turbulent | (-) | (-)" << "Plate le&ngth L";
    QTest::newRow("laminar, regular fluid") << QStringList{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"}
                                            << "Flat Plate | Uniform Temp | Laminar | Regular Fluid | (-)"
                                            << "Plate le&ngth L";
    QTest::newRow("cylinder after a plate") << QStringList{"Flat Plate", "Uniform Flux", "Mixed Flow", "Cylinder"}
                                            << "Cylinder | (Uniform Flux) | (Mixed Flow) | (-) | (-)" << "&Diameter D";
}

void FlowChoice::choiceInTheCalculatorShowsInTheWindow()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, states);
    QFETCH(QString, lengthLabel);
    window = openWithShortcut();
    QVERIFY(window);
    QSignalSpy announced(dialog.get(), &ExternalFlow::selectionChanged);
    pick(choices);
    // One announcement per choice: the window sent nothing back.
    QCOMPARE(announced.count(), choices.size());
    QCOMPARE(boxStates(), states);
    QCOMPARE(window->findChild<QLabel *>("LengthLabel")->text(), lengthLabel);
    QCOMPARE(window->selection(), dialog->selection());
}

// The boxes by keyboard: Alt and a letter of their caption's, shared with nothing else in the
// window; Tab from one box to the next; F4, the arrows and Return choose.
void FlowChoice::caseBoxesByKeyboard()
{
    window = openWithShortcut();
    QVERIFY(window);
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QMap<QChar, QStringList> mnemonics;
    const QRegularExpression mnemonic("&([^&])");
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QString text;
        if (auto *l = qobject_cast<QLabel *>(w))
            text = l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            text = b->text();
        const QRegularExpressionMatch m = mnemonic.match(text);
        if (m.hasMatch())
            mnemonics[m.captured(1).at(0).toLower()] << w->objectName();
    }
    const QList<QPair<QChar, QString>> keys = {{'g', "Geometry"}, {'a', "Heat flow condition"}, {'f', "Flow condition"},
                                               {'y', "Fluid type"}, {'e', "Sphere"}};
    for (const auto &[key, name] : keys) {
        QCOMPARE(mnemonics.value(key).size(), 1);
        // Alt+letter puts the focus on the box (the shut ones first opened by earlier choices).
        if (!box(name)->isEnabled())
            continue;
        QTest::keyClick(window, Qt::Key(Qt::Key_A + (key.unicode() - 'a')), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), box(name));
    }
    // From the geometry box Tab reaches the next open box, then the fluid.
    box("Geometry")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box("Heat flow condition"));
    QVERIFY(guitest::choose(box("Heat flow condition"), "Uniform Temp"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box("Flow condition"));
    QVERIFY(guitest::choose(box("Flow condition"), "Turbulent"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box("Units"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->findChild<QComboBox *>("FluidCombo"));
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), box("Flow condition"));
    QCOMPARE(ExternalFlowTestAccess(*dialog).selection(), (QList<int>{1, 1, 2, 0, 0}));
}

// setSelection, the calculator's side of keeping the windows in step, leaves the calculator as a
// user leaves it who chooses there the items that differ, from the first one on; each user choice
// announces itself once, and so does each setSelection that chose something.
void FlowChoice::setSelectionAsAUserChooses_data()
{
    QTest::addColumn<QStringList>("prior"); // calculator items, chosen first
    QTest::addColumn<QList<int>>("wanted");
    QTest::addColumn<QStringList>("user"); // what a user chooses instead, from the same prior
    const QStringList laminar{"Flat Plate", "Uniform Temp", "Laminar"};
    const QStringList regular = laminar + QStringList{"Regular Fluid"};
    const QStringList turbulent{"Flat Plate", "Uniform Temp", "Turbulant"};
    QTest::newRow("cylinder at start") << QStringList() << QList<int>{2, 0, 0, 0, 0} << QStringList{"Cylinder"};
    // At start the heat flow box opens only once "Flat Plate" is chosen, though it is shown.
    QTest::newRow("laminar plate at start") << QStringList() << QList<int>{1, 1, 1, 1, 0} << regular;
    QTest::newRow("plate again after cylinder") << regular + QStringList{"Cylinder"} << QList<int>{1, 1, 1, 1, 0} << regular;
    QTest::newRow("drops after laminar plate") << laminar << QList<int>{3, 1, 1, 0, 2} << QStringList{"Sphere", "Drops"};
    QTest::newRow("only the fluid type") << regular << QList<int>{1, 1, 1, 2, 0} << QStringList{"Liquid Metal"};
    QTest::newRow("unheated, turbulent after cylinder")
        << QStringList{"Cylinder"} << QList<int>{1, 3, 2, 0, 0}
        << QStringList{"Flat Plate", "Unheated Starting Length", "Turbulant"};
    QTest::newRow("flux keeps its flow") << turbulent << QList<int>{1, 2, 2, 0, 0} << QStringList{"Uniform Flux", "Turbulant"};
    QTest::newRow("nothing differs") << turbulent << QList<int>{1, 1, 2, 0, 0} << QStringList();
    // A code of 0 chooses nothing: the earlier choices stand, as for a user.
    QTest::newRow("cylinder with nothing else") << regular << QList<int>{2, 0, 0, 0, 0} << QStringList{"Cylinder"};
    QTest::newRow("sphere, no kind yet") << QStringList{"Sphere", "Regular Sphere", "Flat Plate"}
                                         << QList<int>{3, 0, 0, 0, 0} << QStringList{"Sphere"};
    // The fluid type is not asked for turbulent flow.
    QTest::newRow("fluid type not asked") << QStringList() << QList<int>{1, 1, 2, 2, 0} << turbulent;
    // The flow box opens again only after a heat flow condition.
    QTest::newRow("flow after plate, cylinder, plate") << regular + QStringList{"Cylinder", "Flat Plate"}
                                                       << QList<int>{1, 1, 2, 1, 0}
                                                       << QStringList{"Uniform Temp", "Turbulant"};
    // A geometry the calculator does not offer changes nothing.
    QTest::newRow("unknown geometry") << laminar << QList<int>{4, 1, 1, 1, 0} << QStringList();
}

void FlowChoice::setSelectionAsAUserChooses()
{
    QFETCH(QStringList, prior);
    QFETCH(QList<int>, wanted);
    QFETCH(QStringList, user);

    pick(prior);
    guitest::markLineEdits(*dialog);
    QSignalSpy userAnnounced(dialog.get(), &ExternalFlow::selectionChanged);
    pick(user);
    const QMap<QString, QString> byUser = guitest::snapshot(*dialog);
    QCOMPARE(userAnnounced.count(), user.size());
    if (!user.isEmpty())
        QCOMPARE(userAnnounced.last().first().value<nusselt::Selection>(), dialog->selection());

    finish();
    start();
    pick(prior);
    guitest::markLineEdits(*dialog);
    QSignalSpy announced(dialog.get(), &ExternalFlow::selectionChanged);
    const auto selection = nusselt::selectionFromCodes(wanted[0], wanted[1], wanted[2], wanted[3], wanted[4]);
    QCOMPARE(ExternalFlow::offers(selection), wanted[0] <= 3);
    dialog->setSelection(selection);
    QCOMPARE(guitest::lines(guitest::snapshot(*dialog)), guitest::lines(byUser));
    QCOMPARE(announced.count(), user.isEmpty() ? 0 : 1);
    if (!user.isEmpty())
        QCOMPARE(announced.first().first().value<nusselt::Selection>(), dialog->selection());
}

NUSSELT_GUI_TEST_MAIN(FlowChoice)
#include "tst_flowchoice.moc"
