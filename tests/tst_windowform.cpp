// What a fresh Flow Conditions window shows and where, as a user meets it: no refusal before a
// field is typed in, one line above the results saying what is still to enter, every refusal once
// results that need the whole problem are asked for, and "Use in Calculator" only for a complete
// problem. And the window on the screen it opens on (tst_windowform_1280x680: a 1280×680 screen
// with window frames): inside the screen's available area, its buttons in view, the inputs and the
// results scrolling rather than pushing the buttons out.

#include "flowwindowtest.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

class WindowForm : public FlowWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::quietOffscreenNotices(); }
    void init() { start(); }
    void cleanup() { finish(); }

    void freshWindowSaysWhatIsMissing_data();
    void freshWindowSaysWhatIsMissing();
    void typingShowsThatFieldsRefusal();
    void askingForResultsShowsEveryRefusal_data();
    void askingForResultsShowsEveryRefusal();
    void opensWithinTheScreen_data();
    void opensWithinTheScreen();

private:
    // The refusals shown under fields, by field.
    QStringList shownMessages()
    {
        QStringList shown;
        for (QLabel *l : window->findChildren<QLabel *>()) {
            const QString name = l->objectName();
            if (!name.endsWith("Message"))
                continue;
            const QString field = name.chopped(7);
            if (l->isVisible() && edit(field))
                shown << field;
        }
        shown.sort();
        return shown;
    }
    QLabel *missing() { return window->findChild<QLabel *>("MissingLabel"); }
    QPushButton *useInCalculator() { return window->findChild<QPushButton *>("UseInCalculator"); }
};

void WindowForm::freshWindowSaysWhatIsMissing_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("fluid");
    QTest::addColumn<QString>("says");
    QTest::newRow("plate") << QStringList{"Flat Plate", "Uniform Temp", "Turbulant"} << "Air"
                           << "Still to enter: Velocity V, Plate length L, Free-stream temperature T∞ and Surface "
                              "temperature Ts.";
    QTest::newRow("cylinder") << QStringList{"Cylinder"} << "Water"
                              << "Still to enter: Velocity V, Diameter D, Free-stream temperature T∞ and Surface "
                                 "temperature Ts.";
    QTest::newRow("uniform flux") << QStringList{"Flat Plate", "Uniform Flux", "Laminar"} << "Air"
                                  << "Still to enter: Velocity V, Plate length L, Free-stream temperature T∞ and Heat "
                                     "flux q″.";
    QTest::newRow("unheated start") << QStringList{"Flat Plate", "Unheated Starting Length", "Laminar"} << "Air"
                                    << "Still to enter: Velocity V, Plate length L, Free-stream temperature T∞, Surface "
                                       "temperature Ts, Distance from the leading edge x and Unheated length ξ.";
    QTest::newRow("sphere in my own fluid")
        << QStringList{"Sphere", "Regular Sphere"} << "Fluid of my own"
        << "Still to enter: Velocity V, Diameter D, Free-stream temperature T∞, Surface temperature Ts, ρ at T∞, "
           "μ at T∞, k at T∞, c_p at T∞ and μ_s at Ts.";
}

void WindowForm::freshWindowSaysWhatIsMissing()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, fluid);
    QFETCH(QString, says);
    pick(choices);
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(guitest::choose(window->findChild<QComboBox *>("FluidCombo"), fluid));
    QCOMPARE(shownMessages(), QStringList());
    QVERIFY(missing()->isVisible());
    QCOMPARE(missing()->text(), says);
    QVERIFY(!useInCalculator()->isEnabled());
    for (QLineEdit *e : window->findChildren<QLineEdit *>())
        QCOMPARE(e->accessibleDescription(), QString());
}

void WindowForm::typingShowsThatFieldsRefusal()
{
    pick({"Cylinder"});
    window = openWithShortcut();
    QVERIFY(window);
    type("Velocity", "fast");
    QCOMPARE(shownMessages(), QStringList{"Velocity"});
    QCOMPARE(missing()->text(), QStringLiteral("Still to enter: Diameter D, Free-stream temperature T∞ and Surface "
                                               "temperature Ts."));
    QVERIFY(!useInCalculator()->isEnabled());

    for (const QString t : {"Velocity=10", "Length=0.0127", "FreeStreamTemperature=26.2"})
        type(t.section('=', 0, 0), t.section('=', 1));
    QCOMPARE(shownMessages(), QStringList());
    QCOMPARE(missing()->text(), QStringLiteral("Still to enter: Surface temperature Ts."));
    QVERIFY(!useInCalculator()->isEnabled());
    type("SurfaceTemperature", "128.4");
    QVERIFY(!missing()->isVisible());
    QVERIFY(useInCalculator()->isEnabled());

    // A field emptied by the user is refused there, not listed as missing.
    type("Length", "");
    QCOMPARE(shownMessages(), QStringList{"Length"});
    QVERIFY(!missing()->isVisible());
    QVERIFY(!useInCalculator()->isEnabled());
}

void WindowForm::askingForResultsShowsEveryRefusal_data()
{
    QTest::addColumn<QString>("asked");
    QTest::newRow("Save Case…") << "SaveCase";
    QTest::newRow("Alt+P, Plot…") << "Alt+P";
    QTest::newRow("Sweep…") << "SweepButton";
}

void WindowForm::askingForResultsShowsEveryRefusal()
{
    QFETCH(QString, asked);
    pick({"Flat Plate", "Unheated Starting Length", "Laminar"});
    window = openWithShortcut();
    QVERIFY(window);
    type("Velocity", "10");
    QTemporaryDir dir;
    const QString path = dir.filePath("incomplete.json");
    // The watchdog would close the file dialog and the plot: it rests meanwhile.
    watchdog.reset();
    if (asked == "SaveCase") {
        QVERIFY(answerFileDialog(path, [this] { QTest::mouseClick(window->findChild<QPushButton *>("SaveCase"), Qt::LeftButton); }));
        QVERIFY(QFile::exists(path)); // an incomplete case is saved all the same
    } else if (asked == "Alt+P") {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
        // The key clicks the button as a user sees it pressed: a moment later.
        QTRY_VERIFY(window->findChild<QDialog *>("PlotWindow"));
    } else {
        QTest::mouseClick(window->findChild<QPushButton *>(asked), Qt::LeftButton);
    }
    watchdog = std::make_unique<guitest::ModalWatchdog>();
    QCOMPARE(shownMessages(), (QStringList{"Distance", "FreeStreamTemperature", "HeatStart", "Length", "SurfaceTemperature"}));
    QVERIFY(!missing()->isVisible());
    QVERIFY(!useInCalculator()->isEnabled());
}

void WindowForm::opensWithinTheScreen_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("fluid");
    QTest::addColumn<QString>("lastInput");
    QTest::addColumn<bool>("scrolls"); // the inputs higher than any screen of the tests
    QTest::newRow("cylinder in air") << QStringList{"Cylinder"} << "Air" << "SurfaceTemperatureEdit" << false;
    // Nine typed properties.
    QTest::newRow("cylinder in my own fluid") << QStringList{"Cylinder"} << "Fluid of my own"
                                              << "SurfacePrandtlEdit" << true;
    QTest::newRow("unheated plate in my own fluid") << QStringList{"Flat Plate", "Unheated Starting Length", "Laminar"}
                                                    << "Fluid of my own" << "FilmSpecificHeatEdit" << false;
}

void WindowForm::opensWithinTheScreen()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, fluid);
    QFETCH(QString, lastInput);
    QFETCH(bool, scrolls);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // Inputs and results side by side need 1280×680 at least (the platform's own screen is 800 wide).
    if (area.width() < 1280 || area.height() < 680)
        QSKIP("a screen smaller than 1280×680");
    pick(choices);
    window = openWithShortcut();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(guitest::choose(window->findChild<QComboBox *>("FluidCombo"), fluid));
    for (const QString t : {"Velocity=10", "Length=0.0127", "FreeStreamTemperature=26.2", "SurfaceTemperature=128.4"})
        type(t.section('=', 0, 0), t.section('=', 1));
    QTest::qWait(50); // the layouts settle

    const QRect frame = window->frameGeometry();
    QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6").arg(frame.x()).arg(frame.y())
                                                  .arg(frame.width()).arg(frame.height())
                                                  .arg(area.width()).arg(area.height())));
    auto *inputs = window->findChild<QScrollArea *>("InputsScroll");
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // Fields inside the inputs' scroll area may be scrolled out of view; nothing else may.
        if (!w->isVisible() || inputs->isAncestorOf(w)
            || !(qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)))
            continue;
        const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
        QVERIFY2(window->rect().contains(at), qPrintable(w->objectName()));
    }
    // Whatever the inputs' height, each input can be scrolled to, the buttons staying in view.
    if (scrolls)
        QVERIFY(inputs->verticalScrollBar()->isVisible());
    // Nothing of the inputs is cut off at the side (they never scroll sideways).
    const int paneWidth = inputs->widget()->width(), needed = inputs->widget()->minimumSizeHint().width();
    QVERIFY2(paneWidth <= inputs->viewport()->width() && paneWidth >= needed,
             qPrintable(QStringLiteral("%1 in %2").arg(needed).arg(inputs->viewport()->width())));
    auto *last = window->findChild<QLineEdit *>(lastInput);
    QVERIFY(last && last->isVisible());
    inputs->ensureWidgetVisible(last);
    const QRect lastAt(last->mapTo(inputs->viewport(), QPoint(0, 0)), last->size());
    QVERIFY(inputs->viewport()->rect().contains(lastAt));
    // The results table keeps within the window: a lower window scrolls it.
    auto *table = results();
    window->resize(window->width(), window->minimumSizeHint().height());
    QTest::qWait(50);
    QVERIFY(window->minimumSizeHint().height() <= area.height());
    const QRect tableAt(table->mapTo(window, QPoint(0, 0)), table->size());
    QVERIFY(window->rect().contains(tableAt));
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        const QRect at(b->mapTo(window, QPoint(0, 0)), b->size());
        QVERIFY2(window->rect().contains(at), qPrintable(b->objectName()));
    }
}

NUSSELT_GUI_TEST_MAIN(WindowForm)
#include "tst_windowform.moc"
