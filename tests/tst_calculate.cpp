// Pressing "Calculate Nusselt #" as a user does: pick the case in the combo boxes, type the numbers,
// click, and read what the window shows, the warning boxes it raises and what reaches stdout.

#include "guitest.h"

#include <QMetaObject>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// Short names for the fields a table row types into or reads.
QString fieldName(const QString &key)
{
    static const QHash<QString, QString> names{
        {"Re", "ReynoldsEdit"},      {"Pr", "PrandtlEdit"},       {"Prs", "PrandtlSurfaceEdit"},
        {"L", "PlateLengthEdit"},    {"x", "LeadingEdgeEdit"},    {"xi", "HeatStartEdit"},
        {"Nu", "NusseltEdit"},       {"Avg", "AverageNusseltEdit"}, {"Note", "NoteEdit"},
        {"Zh", "ZhukauskasEdit"},
    };
    return names.value(key);
}

// Qt's own diagnostics go to stderr in the program; under QtTest they would land on stdout.
void toStderr(QtMsgType, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Runs an action with file descriptor 1 sent to a temporary file; returns what was written there.
template <typename Action>
QByteArray captureStdout(Action action)
{
    const QtMessageHandler previous = qInstallMessageHandler(toStderr);
    std::fflush(stdout);
    FILE *sink = std::tmpfile();
    const int saved = dup(1);
    dup2(fileno(sink), 1);
    action();
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
    qInstallMessageHandler(previous);
    std::rewind(sink);
    QByteArray written;
    char buffer[256];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, sink)) > 0)
        written.append(buffer, static_cast<qsizetype>(n));
    std::fclose(sink);
    return written;
}

struct Press {
    QList<guitest::Box> boxes;
    QByteArray out;
};

} // namespace

class Calculate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void results_data();
    void results();
    void refusals_data();
    void refusals();
    void nothingHappens_data();
    void nothingHappens();
    void zhukauskasLineOnStdout();
    void returnsZeroThroughMetaCall();
    void returnKeyPressesCalculate();

private:
    QLineEdit *field(const QString &key);
    // Plays a row's steps: "Key=text" types into a field, "press" clicks and expects no box,
    // anything else is a combo item to choose.
    bool play(const QStringList &steps);
    Press press();

    std::unique_ptr<guitest::ModalWatchdog> watchdog;
    QStringList unexpectedBoxes;
    std::unique_ptr<ExternalFlow> dialog;
};

void Calculate::initTestCase()
{
    watchdog = std::make_unique<guitest::ModalWatchdog>();
}

void Calculate::init()
{
    dialog = std::make_unique<ExternalFlow>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
}

void Calculate::cleanup()
{
    dialog.reset();
    const QStringList unexpected = std::exchange(unexpectedBoxes, {}) + watchdog->take();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral("; "))));
}

QLineEdit *Calculate::field(const QString &key)
{
    return dialog->findChild<QLineEdit *>(fieldName(key));
}

bool Calculate::play(const QStringList &steps)
{
    ExternalFlowTestAccess access(*dialog);
    auto &ui = access.ui();
    const QList<QComboBox *> combos{ui.GeometryCombo, ui.UniformTempCombo, ui.TurbulantCombo,
                                    ui.LiquidMetalCombo, ui.SphereCombo};
    for (const QString &step : steps) {
        if (step == QLatin1String("press")) {
            const Press p = press();
            if (!p.boxes.isEmpty()) {
                qWarning("setup press raised %s", qPrintable(p.boxes.first().text));
                return false;
            }
            continue;
        }
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        if (eq > 0 && field(step.left(eq))) {
            guitest::typeInto(field(step.left(eq)), step.mid(eq + 1));
            continue;
        }
        QComboBox *owner = nullptr;
        for (QComboBox *combo : combos) {
            if (combo->findText(step) >= 0)
                owner = combo;
        }
        if (!owner || !guitest::choose(owner, step)) {
            qWarning("cannot choose %s", qPrintable(step));
            return false;
        }
    }
    return true;
}

Press Calculate::press()
{
    ExternalFlowTestAccess access(*dialog);
    QPushButton *button = access.ui().Calculate;
    Press p;
    // The watchdog stands down while the press's own boxes are caught, so that it cannot take one
    // of them first.
    unexpectedBoxes += watchdog->take();
    watchdog.reset();
    p.out = captureStdout([&] { p.boxes = guitest::click(button); });
    watchdog = std::make_unique<guitest::ModalWatchdog>();
    return p;
}

// Each case from its combo boxes to the shown numbers; no box and nothing on stdout.
void Calculate::results_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected"); // "Key=text" as the field reads afterwards

    const QStringList tempLaminar{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"};
    QTest::newRow("lam") << tempLaminar + QStringList{"Re=10000", "Pr=1"}
                         << QStringList{"Nu=33.2", "Avg=66.4", "Note="};
    QTest::newRow("lam Pr=0.6") << tempLaminar + QStringList{"Re=10000", "Pr=0.6"}
                                << QStringList{"Nu=28.002", "Avg=56.0039", "Note="};
    QTest::newRow("lam Churchill-Ozoe") << tempLaminar + QStringList{"Re=20000", "Pr=0.01"}
                                        << QStringList{"Nu=7.39227", "Avg=14.7845", "Note="};
    QTest::newRow("lam Re=0") << tempLaminar + QStringList{"Re=0", "Pr=0.7"} << QStringList{"Nu=0", "Avg=0"};
    QTest::newRow("lam blanks around") << tempLaminar + QStringList{"Re= 10000 ", "Pr=1"}
                                       << QStringList{"Nu=33.2", "Avg=66.4"};
    // The average field is cleared even when an earlier press filled it.
    QTest::newRow("metal") << QStringList{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid", "Re=10000", "Pr=1", "press",
                                          "Liquid Metal", "Re=10000", "Pr=0.01"}
                           << QStringList{"Nu=5.65", "Avg=", "Note="};
    QTest::newRow("turb") << QStringList{"Flat Plate", "Uniform Temp", "Turbulant", "Re=1000000", "Pr=1"}
                          << QStringList{"Nu=1867.63", "Avg=2334.54", "Note=This is valid only if L >> x_c"};
    // 0.0296 (1e10)^0.8 = 2.96e6 and 0.037 (1e10)^0.8 = 3.7e6: large results read in exponent
    // form with a lower-case e, as typed numbers are.
    QTest::newRow("turb Re=1e10") << QStringList{"Flat Plate", "Uniform Temp", "Turbulant", "Re=1e10", "Pr=1"}
                                  << QStringList{"Nu=2.96e+06", "Avg=3.7e+06"};
    QTest::newRow("mixed") << QStringList{"Flat Plate", "Uniform Temp", "Mixed Flow", "Re=1000000", "Pr=1"}
                           << QStringList{"Nu=", "Avg=1463.54", "Note=Valid if Recritical = 500,000"};
    QTest::newRow("mixed Pr=60") << QStringList{"Flat Plate", "Uniform Temp", "Mixed Flow", "Re=1000000", "Pr=60"}
                                 << QStringList{"Nu=", "Avg=5729.57", "Note=Valid if Recritical = 500,000"};
    QTest::newRow("mixed Re=500000") << QStringList{"Flat Plate", "Uniform Temp", "Mixed Flow", "Re=500000", "Pr=1"}
                                     << QStringList{"Avg=469.842", "Note=Valid if Recritical = 500,000"};
    QTest::newRow("flux lam") << QStringList{"Flat Plate", "Uniform Flux", "Laminar", "Re=10000", "Pr=1"}
                              << QStringList{"Nu=45.3", "Avg=68", "Note="};
    QTest::newRow("flux lam Pr=0.01") << QStringList{"Flat Plate", "Uniform Flux", "Laminar", "Re=10000", "Pr=0.01"}
                                      << QStringList{"Nu=9.75959", "Avg=14.6502", "Note="};
    QTest::newRow("flux turb") << QStringList{"Flat Plate", "Uniform Flux", "Turbulant", "Re=1000000", "Pr=1"}
                               << QStringList{"Nu=1943.35", "Avg=2332.02", "Note="};
    const QStringList unheated{"Flat Plate", "Unheated Starting Length"};
    QTest::newRow("unheated lam") << unheated + QStringList{"Laminar", "Re=100000", "Pr=0.7", "L=1", "x=0.5", "xi=0.2"}
                                  << QStringList{"Nu=83.2139", "Avg=183.891", "Note="};
    QTest::newRow("unheated lam xi=0") << unheated + QStringList{"Laminar", "Re=100000", "Pr=0.7", "L=1", "x=0.5", "xi=0"}
                                       << QStringList{"Nu=65.9157", "Avg=186.438"};
    QTest::newRow("unheated lam L=2") << unheated + QStringList{"Laminar", "Re=50000", "Pr=5", "L=2", "x=1", "xi=0.5"}
                                      << QStringList{"Nu=121.284", "Avg=253.087"};
    QTest::newRow("unheated turb") << unheated + QStringList{"Turbulant", "Re=1000000", "Pr=0.7", "L=1", "x=0.5", "xi=0.2"}
                                   << QStringList{"Nu=1015.49", "Avg=2042.23", "Note="};
    QTest::newRow("unheated turb xi=0") << unheated + QStringList{"Turbulant", "Re=1000000", "Pr=0.7", "L=1", "x=0.5", "xi=0"}
                                        << QStringList{"Nu=952.431", "Avg=2072.85"};
    QTest::newRow("unheated lam x=L") << unheated + QStringList{"Laminar", "Re=100000", "Pr=0.7", "L=1", "x=1", "xi=0"}
                                      << QStringList{"Nu=93.2189", "Avg=186.438"};
    QTest::newRow("cylinder") << QStringList{"Cylinder", "Re=10000", "Pr=0.7", "Prs=0.7"}
                              << QStringList{"Nu=102.109 at stagnation", "Avg=50.807 Hilpert",
                                             "Note=53.3278 Churchill", "Zh=57.2347 Zhukauskas"};
    QTest::newRow("cylinder Re=100") << QStringList{"Cylinder", "Re=100", "Pr=5", "Prs=3"}
                                     << QStringList{"Nu=19.6647 at stagnation", "Avg=9.98644 Hilpert",
                                                    "Note=10.5166 Churchill", "Zh=10.5112 Zhukauskas"};
    // Below the Hilpert range the earlier Hilpert number must not stay beside the new results.
    QTest::newRow("cylinder below Hilpert") << QStringList{"Cylinder", "Re=10000", "Pr=0.7", "Prs=0.7", "press",
                                                           "Re=0.3"}
                                            << QStringList{"Nu=0.559274 at stagnation", "Avg=Hilpert Failed",
                                                           "Note=0.564545 Churchill", "Zh=0.406065 Zhukauskas"};
    QTest::newRow("cylinder after plate choices") << QStringList{"Flat Plate", "Uniform Flux", "Mixed Flow", "Cylinder", "Re=100",
                                                                 "Pr=5", "Prs=3"}
                                                  << QStringList{"Nu=19.6647 at stagnation", "Avg=9.98644 Hilpert",
                                                                 "Note=10.5166 Churchill", "Zh=10.5112 Zhukauskas"};
    QTest::newRow("sphere") << QStringList{"Sphere", "Regular Sphere", "Re=1000", "Pr=0.7", "Nu=1.8e-5", "Zh=1.5e-5"}
                            << QStringList{"Avg=18.9236", "Nu=1.8e-5", "Zh=1.5e-5", "Note=Set Mu,Mus and Calculate"};
    QTest::newRow("sphere mu=mus") << QStringList{"Sphere", "Regular Sphere", "Re=1000", "Pr=0.7", "Nu=2", "Zh=2"}
                                   << QStringList{"Avg=18.1695"};
    QTest::newRow("drops") << QStringList{"Sphere", "Drops", "Re=100", "Pr=7"}
                           << QStringList{"Avg=13.4776", "Nu=", "Zh=", "Note=Calculate"};
    QTest::newRow("drops Re=0") << QStringList{"Sphere", "Drops", "Re=0", "Pr=0.7"} << QStringList{"Avg=2"};
}

void Calculate::results()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QVERIFY(play(steps));
    const Press p = press();
    QCOMPARE(p.boxes.size(), 0);
    QCOMPARE(p.out, QByteArray());
    for (const QString &e : expected) {
        const qsizetype eq = e.indexOf(QLatin1Char('='));
        QCOMPARE(field(e.left(eq))->text(), e.mid(eq + 1));
    }
}

// Each refusal: exactly one box as the engine words it, then the note; the numbers of the
// earlier press stay in the two result fields.
void Calculate::refusals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("note");

    const QString notEntered = "Values not entered";
    const QString notMet = "Conditions not met";
    const QString failed = "Calculation Failed";
    const QString enterRePr = "Enter Reynolds and Prandtl number";
    const QString checkRePr = "Check Reynolds and Prandtl numbers";
    const QString chooseFlow = "Choose Laminar or Turbulant Flow";
    const QStringList lamDone{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid", "Re=10000", "Pr=1", "press"};

    QTest::newRow("prompts left in place") << QStringList{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"}
                                           << notEntered << enterRePr;
    const char *const notNumbers[] = {"", "abc", "10,000", "   ", "inf", "nan", "1e400", "-inf", "1e5x"};
    for (const char *text : notNumbers) {
        QTest::addRow("Re \"%s\"", text) << lamDone + QStringList{QStringLiteral("Re=") + text} << notEntered
                                         << enterRePr;
        QTest::addRow("Pr \"%s\"", text) << lamDone + QStringList{QStringLiteral("Pr=") + text} << notEntered
                                         << enterRePr;
    }
    QTest::newRow("Re prompt, cylinder") << QStringList{"Cylinder", "Pr=0.7", "Prs=0.7"} << notEntered << enterRePr;
    QTest::newRow("Re<0") << lamDone + QStringList{"Re=-1"} << notMet << checkRePr;
    QTest::newRow("Pr=0") << lamDone + QStringList{"Pr=0"} << notMet << checkRePr;
    QTest::newRow("Pr<0, cylinder") << QStringList{"Cylinder", "Re=100", "Pr=5", "Prs=3", "press", "Pr=-5"} << notMet
                                    << checkRePr;
    QTest::newRow("Pe=100 regular") << lamDone + QStringList{"Pr=0.01"} << notMet << checkRePr;
    QTest::newRow("Pe=10 metal") << QStringList{"Flat Plate", "Uniform Temp", "Laminar", "Liquid Metal", "Re=10000", "Pr=0.01",
                                                "press", "Re=1000"}
                                 << notMet << checkRePr;
    // Uniform Flux enables the button for laminar flow; coming back to Uniform Temp leaves it on
    // with no fluid type chosen.
    QTest::newRow("lam no fluid") << QStringList{"Flat Plate", "Uniform Flux", "Laminar", "Re=10000", "Pr=1", "press",
                                                 "Uniform Temp"}
                                  << notMet << checkRePr;
    QTest::newRow("temp no flow") << QStringList{"Cylinder", "Re=10000", "Pr=1", "Prs=1", "press", "Flat Plate",
                                                 "Uniform Temp"}
                                  << failed << "Check 0.6<Pr<60";
    QTest::newRow("mixed Pr=61") << QStringList{"Flat Plate", "Uniform Temp", "Mixed Flow", "Re=1000000", "Pr=1", "press", "Pr=61"}
                                 << failed << "Check 0.6<Pr<60";
    QTest::newRow("mixed Pr=0.5") << QStringList{"Flat Plate", "Uniform Temp", "Mixed Flow", "Re=1000000", "Pr=1", "press", "Pr=0.5"}
                                  << failed << "Check 0.6<Pr<60";
    QTest::newRow("mixed Re=100000") << QStringList{"Flat Plate", "Uniform Temp", "Mixed Flow", "Re=1000000", "Pr=1", "press",
                                                    "Re=100000"}
                                     << notMet << "Mixed Flow needs Re >= 500,000";
    QTest::newRow("flux mixed") << QStringList{"Flat Plate", "Uniform Flux", "Laminar", "Re=10000", "Pr=1", "press", "Mixed Flow"}
                                << failed << chooseFlow;
    const QStringList unheatedDone{"Flat Plate", "Unheated Starting Length", "Laminar", "Re=100000", "Pr=0.7", "L=1", "x=0.5",
                                   "xi=0.2", "press"};
    QTest::newRow("unheated mixed") << unheatedDone + QStringList{"Mixed Flow"} << failed << chooseFlow;
    QTest::newRow("unheated mixed, prompts") << QStringList{"Flat Plate", "Unheated Starting Length", "Mixed Flow", "Re=1000",
                                                            "Pr=1"}
                                             << failed << chooseFlow;
    QTest::newRow("unheated prompts") << QStringList{"Flat Plate", "Uniform Flux", "Laminar", "Re=100000", "Pr=0.7", "press",
                                                     "Unheated Starting Length", "Laminar"}
                                      << notEntered << "Enter Plate Length and Distances";
    QTest::newRow("unheated xi empty") << unheatedDone + QStringList{"xi="} << notEntered
                                       << "Enter Plate Length and Distances";
    QTest::newRow("unheated L=0") << unheatedDone + QStringList{"L=0"} << notMet << "Check Plate Length and Distances";
    QTest::newRow("unheated x=0") << unheatedDone + QStringList{"x=0"} << notMet << "Check Plate Length and Distances";
    QTest::newRow("unheated xi<0") << unheatedDone + QStringList{"xi=-0.1"} << notMet
                                   << "Check Plate Length and Distances";
    QTest::newRow("unheated xi=x") << unheatedDone + QStringList{"xi=0.5"} << notMet
                                   << "Check Plate Length and Distances";
    QTest::newRow("unheated xi=L") << unheatedDone + QStringList{"x=2", "xi=1"} << notMet
                                   << "Check Plate Length and Distances";
    const QStringList cylinderDone{"Cylinder", "Re=10000", "Pr=0.7", "Prs=0.7", "press"};
    const QString enterPrs = "Enter Prandtl number at surface temperature";
    QTest::newRow("cylinder Prs never typed") << QStringList{"Cylinder", "Re=10000", "Pr=0.7"} << notEntered
                                              << enterPrs;
    QTest::newRow("cylinder Prs empty") << cylinderDone + QStringList{"Prs="} << notEntered << enterPrs;
    QTest::newRow("cylinder Prs abc") << cylinderDone + QStringList{"Prs=abc"} << notEntered << enterPrs;
    QTest::newRow("cylinder Prs=0") << cylinderDone + QStringList{"Prs=0"} << notEntered << enterPrs;
    QTest::newRow("cylinder Prs=inf") << cylinderDone + QStringList{"Prs=inf"} << notEntered << enterPrs;
    const QString setMu = "Set Mu,Mus and Calculate";
    // The result field is the mu input here, so "kept" means the earlier average only.
    QTest::newRow("sphere prompts") << QStringList{"Sphere", "Drops", "Re=1000", "Pr=0.7", "press", "Regular Sphere"}
                                    << notEntered << setMu;
    QTest::newRow("sphere mus prompt") << QStringList{"Sphere", "Drops", "Re=1000", "Pr=0.7", "press",
                                                      "Regular Sphere", "Nu=1.8e-5"}
                                       << notEntered << setMu;
    QTest::newRow("sphere mu=0") << QStringList{"Sphere", "Regular Sphere", "Re=1000", "Pr=0.7", "Nu=1", "Zh=1",
                                                "press", "Nu=0"}
                                 << notEntered << setMu;
    QTest::newRow("sphere mus<0") << QStringList{"Sphere", "Regular Sphere", "Re=1000", "Pr=0.7", "Nu=1", "Zh=1",
                                                 "press", "Zh=-1"}
                                  << notEntered << setMu;
}

void Calculate::refusals()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, box);
    QFETCH(QString, note);
    QVERIFY(play(steps));
    const QString localBefore = field("Nu")->text();
    const QString averageBefore = field("Avg")->text();
    const QString zhukauskasBefore = field("Zh")->text();
    const Press p = press();
    QCOMPARE(p.boxes.size(), 1);
    QCOMPARE(p.boxes[0].title, QStringLiteral("Warning"));
    QCOMPARE(p.boxes[0].text, box);
    // Ok alone. The static warning given NoButton as its default makes its accept button (Ok) the
    // default itself, so a default, if any, can only be that Ok.
    QCOMPARE(p.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(p.out, QByteArray());
    QCOMPARE(field("Note")->text(), note);
    QCOMPARE(field("Nu")->text(), localBefore);
    QCOMPARE(field("Avg")->text(), averageBefore);
    QCOMPARE(field("Zh")->text(), zhukauskasBefore);
}

// States where no branch applies: the press changes no field and raises no box.
void Calculate::nothingHappens_data()
{
    QTest::addColumn<QStringList>("steps");
    // Cylinder turns the button on; going back to Flat Plate leaves it on with no heat condition.
    QTest::newRow("plate, no heat condition") << QStringList{"Cylinder", "Re=100", "Pr=5", "Prs=3", "press",
                                                             "Flat Plate", "Re=10000", "Pr=1"};
    QTest::newRow("sphere, no kind") << QStringList{"Cylinder", "Re=100", "Pr=5", "Prs=3", "press", "Sphere",
                                                    "Re=10000", "Pr=1"};
}

void Calculate::nothingHappens()
{
    QFETCH(QStringList, steps);
    QVERIFY(play(steps));
    QVERIFY(ExternalFlowTestAccess(*dialog).ui().Calculate->isEnabled());
    const QStringList keys{"Nu", "Avg", "Note", "Zh"};
    QStringList before;
    for (const QString &k : keys)
        before << field(k)->text();
    const Press p = press();
    QCOMPARE(p.boxes.size(), 0);
    QCOMPARE(p.out, QByteArray());
    QStringList after;
    for (const QString &k : keys)
        after << field(k)->text();
    QCOMPARE(after, before);
}

// The one line the program prints, once per press above the Zhukauskas range and never otherwise.
void Calculate::zhukauskasLineOnStdout()
{
    QVERIFY(play({"Cylinder", "Re=10000", "Pr=0.7", "Prs=0.7", "press", "Re=3000000"}));
    Press p = press();
    QCOMPARE(p.boxes.size(), 0);
    QCOMPARE(p.out, QByteArray("Zhukauskas Failed\n"));
    QCOMPARE(field("Nu")->text(), QStringLiteral("1768.58 at stagnation"));
    QCOMPARE(field("Avg")->text(), QStringLiteral("Hilpert Failed"));
    QCOMPARE(field("Note")->text(), QStringLiteral("3215.96 Churchill"));
    QCOMPARE(field("Zh")->text(), QStringLiteral("Zhukauskas Failed"));

    p = press();
    QCOMPARE(p.out, QByteArray("Zhukauskas Failed\n"));

    QVERIFY(play({"Re=2000000"}));
    p = press();
    QCOMPARE(p.out, QByteArray());
    QVERIFY(field("Zh")->text().endsWith(QLatin1String(" Zhukauskas")));
    QVERIFY(!field("Zh")->text().startsWith(QLatin1String("Zhukauskas")));

    // A refused press above the range prints nothing.
    QVERIFY(play({"Re=3000000", "Prs="}));
    p = press();
    QCOMPARE(p.boxes.size(), 1);
    QCOMPARE(p.out, QByteArray());
}

void Calculate::returnsZeroThroughMetaCall()
{
    // Invokes the slot by name as the meta-object does; checks it answers 0 with that many boxes.
    const auto invokeGivesZero = [this](qsizetype boxesExpected) {
        unexpectedBoxes += watchdog->take();
        watchdog.reset();
        int r = -1;
        bool ok = false;
        const auto boxes = guitest::catchBoxes([&] {
            ok = QMetaObject::invokeMethod(dialog.get(), "on_Calculate_clicked", Qt::DirectConnection,
                                           Q_RETURN_ARG(int, r));
        });
        watchdog = std::make_unique<guitest::ModalWatchdog>();
        return ok && r == 0 && boxes.size() == boxesExpected;
    };
    // The state right after start: no branch, button off; the slot still answers.
    QVERIFY(play({"Re=10000", "Pr=1"}));
    QVERIFY(invokeGivesZero(0));
    QCOMPARE(field("Note")->text(), QStringLiteral("Choose Geometry"));
    QVERIFY(play({"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid", "Pr="}));
    QVERIFY(invokeGivesZero(1));
    QCOMPARE(field("Note")->text(), QStringLiteral("Enter Reynolds and Prandtl number"));
    QVERIFY(play({"Pr=1"}));
    QVERIFY(invokeGivesZero(0));
    QCOMPARE(field("Nu")->text(), QStringLiteral("33.2"));
}

// Keyboard users: Return in a number field presses "Calculate Nusselt #" once it is available
// (the dialog's default button), and a refusal's box closes with Return too.
void Calculate::returnKeyPressesCalculate()
{
    ExternalFlowTestAccess access(*dialog);
    auto &ui = access.ui();
    QVERIFY(play({"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid", "Re=10000", "Pr=1"}));
    QList<guitest::Box> boxes = guitest::catchBoxes([&] { QTest::keyClick(ui.PrandtlEdit, Qt::Key_Return); });
    QVERIFY(boxes.isEmpty());
    QCOMPARE(ui.NusseltEdit->text(), QStringLiteral("33.2"));
    QCOMPARE(ui.AverageNusseltEdit->text(), QStringLiteral("66.4"));

    guitest::typeInto(ui.ReynoldsEdit, QString());
    bool closedWithReturn = false;
    QTimer::singleShot(0, [&closedWithReturn] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QTest::keyClick(box, Qt::Key_Return);
        closedWithReturn = !box->isVisible();
    });
    QTest::keyClick(ui.ReynoldsEdit, Qt::Key_Return);
    QVERIFY(closedWithReturn);
    QCOMPARE(ui.NoteEdit->text(), QStringLiteral("Enter Reynolds and Prandtl number"));
    QCOMPARE(ui.NusseltEdit->text(), QStringLiteral("33.2"));
}

NUSSELT_GUI_TEST_MAIN(Calculate)
#include "tst_calculate.moc"
