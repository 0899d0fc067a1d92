// The sweep window as a user reaches it from the plot: Alt+W, its fields typed, its table read as
// a screen reader reads it, Copy and Save CSV… read back as a spreadsheet would. Expected values
// are the published correlations written out here, the reference properties and the command
// line's batch answers.

#include "plottest.h"
#include "publishedcylinder.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

using namespace nusselt;
using plottest::cylinderAt;
using plottest::cylinderInAir;

namespace {

// A cell of the table as a screen reader reads it: its text, or another role.
QVariant cell(QTableView *table, int row, int column, int role = Qt::DisplayRole)
{
    return table->model()->index(row, column).data(role);
}

// Opens the sweep window as a user does from the plot, with Alt+W.
QDialog *openSweep(QWidget &host)
{
    QApplication::setActiveWindow(&host);
    if (!QTest::qWaitForWindowActive(&host))
        return nullptr;
    // A button's Alt key clicks it as a short animation: the window opens after it.
    QTest::keyClick(&host, Qt::Key_W, Qt::AltModifier);
    QDialog *sweep = nullptr;
    if (!QTest::qWaitFor([&] {
            sweep = host.findChild<QDialog *>(QStringLiteral("SweepWindow"));
            return sweep && sweep->isVisible();
        }))
        return nullptr;
    QApplication::setActiveWindow(sweep);
    return QTest::qWaitForWindowActive(sweep) ? sweep : nullptr;
}

// Replaces the number of steps as a user types it.
void typeSteps(QDialog *sweep, const QString &count)
{
    auto *steps = sweep->findChild<QSpinBox *>(QStringLiteral("SweepSteps"));
    steps->setFocus();
    QTest::keyClick(steps, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(steps, count);
}

// Types a start or end and confirms it with Return.
void typeEnd(QDialog *sweep, const char *field, const QString &text)
{
    auto *edit = sweep->findChild<QLineEdit *>(QLatin1String(field));
    guitest::typeInto(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList headerOf(QTableView *table)
{
    QStringList header;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        header << table->model()->headerData(c, Qt::Horizontal).toString();
    return header;
}

} // namespace

class SweepWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sweepTableAgreesWithTheCommandLineAndCopies();
    void sweepReadsNumbersAsEveryWindowDoes_data();
    void sweepReadsNumbersAsEveryWindowDoes();
    void everyAltKeyLeadsToOnePlace_data();
    void everyAltKeyLeadsToOnePlace();
    void savedCsvOfAPhysicalSweepSaysWhyExactly();
    void stepsBeyondTheBoundAreRefusedWithAMessage_data();
    void stepsBeyondTheBoundAreRefusedWithAMessage();
    void typedFluidSweepSaysItsPropertiesAreFixed_data();
    void typedFluidSweepSaysItsPropertiesAreFixed();
    void uniformFluxSweepStepsHeatFluxAndShowsTheSurfaceExcess();
    void cleanup();

private:
    QWidget host;
    plot::PlotPanel *panel = nullptr;
    guitest::ModalWatchdog *watchdog = nullptr;
};

void SweepWindowTest::initTestCase()
{
    panel = plottest::loadInto(host);
    QVERIFY(panel);
}

void SweepWindowTest::cleanup()
{
    // Each test opens the sweep afresh, as a user who closed it.
    if (auto *sweep = host.findChild<QDialog *>(QStringLiteral("SweepWindow")))
        sweep->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (watchdog) {
        QCOMPARE(watchdog->take(), QStringList());
        delete std::exchange(watchdog, nullptr);
    }
}

void SweepWindowTest::sweepTableAgreesWithTheCommandLineAndCopies()
{
    watchdog = new guitest::ModalWatchdog;
    panel->setInputs(cylinderAt(6000));
    QTest::mouseClick(panel->widget()->findChild<QPushButton *>(QStringLiteral("PlotSweep")), Qt::LeftButton);
    QDialog *sweep = panel->widget()->findChild<QDialog *>(QStringLiteral("SweepWindow"));
    QVERIFY(sweep);
    QTRY_VERIFY(sweep->isVisible());
    QVERIFY(!sweep->isModal());

    // Re from 0.1 to 10^7 in 9 logarithmic steps: one per decade.
    auto *from = sweep->findChild<QLineEdit *>(QStringLiteral("SweepFrom"));
    auto *to = sweep->findChild<QLineEdit *>(QStringLiteral("SweepTo"));
    auto *steps = sweep->findChild<QSpinBox *>(QStringLiteral("SweepSteps"));
    guitest::typeInto(from, QStringLiteral("0.1"));
    QTest::keyClick(from, Qt::Key_Return);
    guitest::typeInto(to, QStringLiteral("1e7"));
    QTest::keyClick(to, Qt::Key_Return);
    steps->setFocus();
    QTest::keyClick(steps, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(steps, QStringLiteral("9"));
    QVERIFY(guitest::choose(sweep->findChild<QComboBox *>(QStringLiteral("SweepScale")), QStringLiteral("Logarithmic")));

    auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
    QCOMPARE(table->model()->rowCount(), 9);
    const QStringList header = headerOf(table);
    QCOMPARE(header, (QStringList{"Re", "Stagnation point Nu", "Hilpert Nu", "Churchill-Bernstein Nu", "Zhukauskas Nu"}));

    // The same Re through `nusselt batch`: stagnation, Hilpert, Churchill-Bernstein, Zhukauskas.
    QString input = QStringLiteral("geometry,re,pr,prs\n");
    for (int r = 0; r < 9; ++r)
        input += QStringLiteral("cylinder,%1,0.7,0.7\n").arg(cell(table, r, 0).toString());
    QProcess cli;
    cli.start(QStringLiteral(NUSSELT_CLI), {QStringLiteral("batch")});
    QVERIFY(cli.waitForStarted());
    cli.write(input.toUtf8());
    cli.closeWriteChannel();
    QVERIFY(cli.waitForFinished());
    const QStringList answers = QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(answers.size(), 10);
    const QRegularExpression leadingNumber(QStringLiteral("^([-+0-9.eE]+) "));
    for (int r = 0; r < 9; ++r) {
        const QStringList cells = answers[r + 1].split(QLatin1Char(','));
        for (int c = 0; c < 4; ++c) {
            const QString shown = cell(table, r, c + 1).toString();
            const QRegularExpressionMatch m = leadingNumber.match(cells[4 + c]);
            if (!m.hasMatch()) { // "Hilpert Failed": no value in the table either
                QVERIFY2(shown.isEmpty(), qPrintable(answers[r + 1] + " / " + shown));
                continue;
            }
            const double fromCli = m.captured(1).toDouble();
            const double fromTable = QString(shown).remove(QStringLiteral(" †")).toDouble();
            QVERIFY2(std::abs(fromTable / fromCli - 1) < 1e-5, qPrintable(answers[r + 1] + " / " + shown));
        }
    }

    // Outside Zhukauskas's range 1 to 10^6: italic, marked, and the reason read out.
    QVERIFY(cell(table, 0, 4).toString().endsWith(QStringLiteral(" †")));
    QVERIFY(cell(table, 0, 4, Qt::FontRole).value<QFont>().italic());
    QVERIFY(cell(table, 0, 4, Qt::ToolTipRole).toString().contains(QStringLiteral("below the Zhukauskas range")));
    QVERIFY(cell(table, 0, 4, Qt::AccessibleDescriptionRole).toString().contains(QStringLiteral("Zhukauskas")));
    // Re 1000
    QVERIFY(!cell(table, 4, 4, Qt::FontRole).value<QFont>().italic());
    QVERIFY(cell(table, 4, 4, Qt::ToolTipRole).toString().isEmpty());

    // Copy: tab-separated, header first, every number at full precision without the marker, and
    // after each correlation why its values lie outside its range.
    QApplication::clipboard()->clear();
    QApplication::setActiveWindow(sweep);
    QVERIFY(QTest::qWaitForWindowActive(sweep));
    QTest::keyClick(sweep, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!QApplication::clipboard()->text().isEmpty());
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 10);
    QCOMPARE(copied[0].split(QLatin1Char('\t')),
             (QStringList{"Re", "Stagnation point Nu", "Stagnation point outside_range", "Hilpert Nu",
                          "Hilpert outside_range", "Churchill-Bernstein Nu", "Churchill-Bernstein outside_range",
                          "Zhukauskas Nu", "Zhukauskas outside_range"}));
    const QStringList first = copied[1].split(QLatin1Char('\t'));
    QCOMPARE(first.size(), 9);
    QCOMPARE(first[0], QStringLiteral("0.1"));
    QCOMPARE(first[3], QString()); // Hilpert has no value below Re 0.4
    QCOMPARE(first[4], QStringLiteral("Re = 0.1 below the Hilpert range 0.4 to 4·10⁵"));
    QVERIFY(std::abs(first[7].toDouble() / (0.75 * std::pow(0.1, 0.4) * std::pow(0.7, 0.37)) - 1) < 1e-14);
    QCOMPARE(first[8], QStringLiteral("Re = 0.1 below the Zhukauskas range 1 to 10⁶"));
    sweep->close();
}

void SweepWindowTest::sweepReadsNumbersAsEveryWindowDoes_data()
{
    // The grammar of every number field: a decimal point, no separators, whatever the locale.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("firstRow"); // empty: refused
    QTest::newRow("decimal point") << "1.5" << "1.5";
    QTest::newRow("German decimal comma") << "1,5" << "";
    QTest::newRow("German thousands") << "1.000,5" << "";
    QTest::newRow("blanks around, exponent") << " 15e-1 " << "1.5";
    QTest::newRow("infinity") << "inf" << "";
}

void SweepWindowTest::sweepReadsNumbersAsEveryWindowDoes()
{
    QFETCH(QString, typed);
    QFETCH(QString, firstRow);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    const std::shared_ptr<void> restore(nullptr, [before](void *) { QLocale::setDefault(before); });
    watchdog = new guitest::ModalWatchdog;
    panel->setInputs(cylinderAt(6000));
    QTest::mouseClick(panel->widget()->findChild<QPushButton *>(QStringLiteral("PlotSweep")), Qt::LeftButton);
    QDialog *sweep = panel->widget()->findChild<QDialog *>(QStringLiteral("SweepWindow"));
    QVERIFY(sweep);
    QTRY_VERIFY(sweep->isVisible());
    auto *from = sweep->findChild<QLineEdit *>(QStringLiteral("SweepFrom"));
    guitest::typeInto(from, typed);
    QTest::keyClick(from, Qt::Key_Return);
    auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
    auto *status = sweep->findChild<QLabel *>(QStringLiteral("SweepStatus"));
    if (firstRow.isEmpty()) {
        QCOMPARE(table->model()->rowCount(), 0);
        QCOMPARE(status->text(), QStringLiteral("Enter the start and end values as numbers."));
    } else {
        QCOMPARE(cell(table, 0, 0).toString(), firstRow);
        QVERIFY(status->isHidden());
    }
    sweep->close();
}

void SweepWindowTest::everyAltKeyLeadsToOnePlace_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Alt+V") << 'V' << "SweepVariable";
    QTest::newRow("Alt+F") << 'F' << "SweepFrom";
    QTest::newRow("Alt+T") << 'T' << "SweepTo";
    QTest::newRow("Alt+S") << 'S' << "SweepSteps";
    QTest::newRow("Alt+L") << 'L' << "SweepScale";
}

void SweepWindowTest::everyAltKeyLeadsToOnePlace()
{
    QFETCH(char, key);
    QFETCH(QString, focused);
    watchdog = new guitest::ModalWatchdog;
    panel->setInputs(cylinderInAir());
    QDialog *sweep = openSweep(host);
    QVERIFY(sweep);
    QCOMPARE(guitest::repeatedMnemonics(sweep), QStringList());
    QTest::keyClick(sweep, Qt::Key(key), Qt::AltModifier);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    sweep->close();
}

void SweepWindowTest::savedCsvOfAPhysicalSweepSaysWhyExactly()
{
    // State: the textbook cylinder in air. Action: velocities 0, 125, 250, 375 and 500 m/s saved
    // through Save CSV…. Expected: the step at rest refused with the window's sentence; every other
    // step past Ma 0.3 (speed of sound at T∞ = 299.35 K: 346.94 m/s, python3-iapws) flagged so by
    // each correlation, its Re inside every range; values at full precision. (No watchdog: the
    // file dialog is modal.)
    panel->setInputs(cylinderInAir());
    QDialog *sweep = openSweep(host);
    QVERIFY(sweep);
    QVERIFY(guitest::choose(sweep->findChild<QComboBox *>(QStringLiteral("SweepScale")), QStringLiteral("Linear")));
    typeEnd(sweep, "SweepFrom", QStringLiteral("0"));
    typeEnd(sweep, "SweepTo", QStringLiteral("500"));
    typeSteps(sweep, QStringLiteral("5"));

    QTemporaryDir dir;
    QTest::keyClick(sweep, Qt::Key_A, Qt::AltModifier);
    QFileDialog *dialog = nullptr;
    QTRY_VERIFY((dialog = sweep->findChild<QFileDialog *>(QStringLiteral("SweepSaveDialog"))) && dialog->isVisible());
    dialog->setDirectory(dir.path());
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    guitest::typeInto(name, QStringLiteral("sweep"));
    const QList<guitest::Box> boxes = guitest::catchBoxes([name] { QTest::keyClick(name, Qt::Key_Return); });
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.value(0).text));
    QFile file(dir.filePath(QStringLiteral("sweep.csv")));
    QTRY_VERIFY(file.exists());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 7); // header, five steps, and the end of the last line

    const QStringList header = lines[0].split(QLatin1Char(','));
    QStringList expected{"Velocity (m/s)", "Re at T_f", "Pr at T_f", "Re at T∞", "Pr at T∞"};
    for (const QString correlation : {"Stagnation point", "Hilpert", "Churchill-Bernstein", "Zhukauskas"}) {
        expected << correlation + QStringLiteral(" Nu") << correlation + QStringLiteral(" h (W/(m²·K))")
                 << correlation + QStringLiteral(" q″ (W/m²)");
        if (correlation != QLatin1String("Stagnation point")) // a local value: no heat rate
            expected << correlation + QStringLiteral(" q′ (W/m)");
        expected << correlation + QStringLiteral(" outside_range");
    }
    expected << "error";
    QCOMPARE(header, expected);

    const QStringList atRest = lines[1].split(QLatin1Char(','));
    QCOMPARE(atRest.size(), expected.size());
    QCOMPARE(atRest.front(), QStringLiteral("0"));
    QCOMPARE(atRest.back(), QStringLiteral("Velocity must be greater than zero"));
    for (int c = 1; c + 1 < atRest.size(); ++c)
        QCOMPARE(atRest[c], QString());

    const QStringList mach{"0.36", "0.721", "1.08", "1.44"};
    for (int r = 0; r < 4; ++r) {
        const QStringList cells = lines[r + 2].split(QLatin1Char(','));
        QCOMPARE(cells.size(), expected.size());
        const double v = 125.0 * (r + 1);
        QCOMPARE(cells[0], QString::number(v));
        QCOMPARE(cells.back(), QString());
        for (int c = 0; c < expected.size(); ++c)
            if (expected[c].endsWith(QLatin1String("outside_range")))
                QCOMPARE(cells[c], QStringLiteral("Ma = %1 above 0.3: compressible flow").arg(mach[r]));
        // Hilpert at T_f = 350.45 K: 0.027 Re^0.805 Pr^1/3 above Re 40000, h = Nu k / D.
        const double re = v * 0.0127 / 2.0737542400055522e-05;
        const double h = published::hilpert(re, 0.7018653601000213) * 0.030035045801638426 / 0.0127;
        QVERIFY2(std::abs(cells[1].toDouble() / re - 1) < 1e-4, qPrintable(cells[1]));
        QVERIFY2(std::abs(cells[expected.indexOf(QStringLiteral("Hilpert h (W/(m²·K))"))].toDouble() / h - 1) < 2e-4,
                 qPrintable(lines[r + 2]));
        // Every digit kept: more than the six shown.
        QVERIFY2(cells[1].size() > 8, qPrintable(cells[1]));
    }
    sweep->close();
}

void SweepWindowTest::stepsBeyondTheBoundAreRefusedWithAMessage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("message");
    QTest::newRow("the fewest") << "2" << 2 << "";
    QTest::newRow("the most") << "100000" << 100000 << "";
    QTest::newRow("one too many") << "100001" << 0 << "Choose at most 100,000 steps.";
    QTest::newRow("far too many") << "2000000000" << 0 << "Choose at most 100,000 steps.";
}

void SweepWindowTest::stepsBeyondTheBoundAreRefusedWithAMessage()
{
    QFETCH(QString, typed);
    QFETCH(int, rows);
    QFETCH(QString, message);
    watchdog = new guitest::ModalWatchdog;
    panel->setInputs(cylinderAt(6000));
    QDialog *sweep = openSweep(host);
    QVERIFY(sweep);
    typeEnd(sweep, "SweepFrom", QStringLiteral("1"));
    typeEnd(sweep, "SweepTo", QStringLiteral("1e5"));
    typeSteps(sweep, typed);
    auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
    auto *status = sweep->findChild<QLabel *>(QStringLiteral("SweepStatus"));
    QCOMPARE(table->model()->rowCount(), rows);
    QCOMPARE(status->isVisible() ? status->text() : QString(), message);
    QCOMPARE(sweep->findChild<QPushButton *>(QStringLiteral("SweepSave"))->isEnabled(), rows > 0);
    if (rows > 0) // the last step is the end typed
        QCOMPARE(cell(table, rows - 1, 0).toString(), QStringLiteral("100000"));
    sweep->close();
}

void SweepWindowTest::typedFluidSweepSaysItsPropertiesAreFixed_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("note");
    QTest::newRow("typed fluid, T∞") << true << "Free-stream temperature"
                                     << "The fluid keeps the properties typed for it at every step: Re, Pr and Nu do "
                                        "not change with the free-stream temperature.";
    QTest::newRow("typed fluid, Ts") << true << "Surface temperature"
                                     << "The fluid keeps the properties typed for it at every step: Re, Pr and Nu do "
                                        "not change with the surface temperature.";
    QTest::newRow("typed fluid, velocity") << true << "Velocity" << "";
    QTest::newRow("air, T∞") << false << "Free-stream temperature" << "";
}

void SweepWindowTest::typedFluidSweepSaysItsPropertiesAreFixed()
{
    QFETCH(bool, typed);
    QFETCH(QString, input);
    QFETCH(QString, note);
    watchdog = new guitest::ModalWatchdog;
    plot::PlotInputs in = cylinderInAir();
    if (typed) {
        in.problem.fluid = physics::FluidChoice::Custom;
        in.problem.custom.film = physics::TypedProperties{1.0, 2.1e-5, 0.030, 1009.0};
        in.problem.custom.freeStream = physics::TypedProperties{1.18, 1.85e-5, 0.026, 1006.0};
        in.problem.custom.prandtlSurface = 0.70;
        in.evaluation = physics::evaluate(in.problem);
        QVERIFY(in.physical());
    }
    panel->setInputs(in);
    QDialog *sweep = openSweep(host);
    QVERIFY(sweep);
    QVERIFY(guitest::choose(sweep->findChild<QComboBox *>(QStringLiteral("SweepVariable")), input));
    auto *shown = sweep->findChild<QLabel *>(QStringLiteral("SweepNote"));
    QCOMPARE(shown->isVisible() ? shown->text() : QString(), note);
    if (!note.isEmpty()) { // and indeed every step has the same Nu
        auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
        const int hilpert = int(headerOf(table).indexOf(QStringLiteral("Hilpert Nu")));
        QVERIFY(hilpert > 0);
        QCOMPARE(cell(table, 0, hilpert), cell(table, table->model()->rowCount() - 1, hilpert));
    }
    sweep->close();
}

void SweepWindowTest::uniformFluxSweepStepsHeatFluxAndShowsTheSurfaceExcess()
{
    // State: a laminar plate under a uniform flux in air, 5 m/s, 0.5 m, T∞ = 20 °C, temperatures
    // in °F. Action: sweep q'' from 500 to 1000 W/m². Expected: q'' offered instead of Ts, and
    // Ts − T∞ in degrees Fahrenheit of difference. At 500 W/m² the reference properties
    // (python3-iapws) at the film temperature of the average surface temperature, iterated, give
    // Ts − T∞ = 39.3659 K on average (Nu = 0.68 Re^1/2 Pr^1/3) and 59.0923 K at x = L (0.453).
    watchdog = new guitest::ModalWatchdog;
    plot::PlotInputs in;
    in.problem.selection = selectionFromCodes(1, 2, 1, 0, 0);
    in.problem.velocity = 5.0;
    in.problem.length = 0.5;
    in.problem.freeStreamTemperature = 293.15;
    in.problem.heatFlux = 500.0;
    in.problem.temperatureUnit = *physics::findUnit(physics::Quantity::Temperature, "°F");
    in.evaluation = physics::evaluate(in.problem);
    QVERIFY(in.physical());
    panel->setInputs(in);
    QDialog *sweep = openSweep(host);
    QVERIFY(sweep);
    auto *variable = sweep->findChild<QComboBox *>(QStringLiteral("SweepVariable"));
    QStringList offered;
    for (int i = 0; i < variable->count(); ++i)
        offered << variable->itemText(i);
    QCOMPARE(offered, (QStringList{"Velocity", "Length", "Free-stream temperature", "Heat flux", "Pressure"}));
    QVERIFY(guitest::choose(variable, QStringLiteral("Heat flux")));
    QVERIFY(guitest::choose(sweep->findChild<QComboBox *>(QStringLiteral("SweepScale")), QStringLiteral("Linear")));
    typeEnd(sweep, "SweepFrom", QStringLiteral("500"));
    typeEnd(sweep, "SweepTo", QStringLiteral("1000"));
    typeSteps(sweep, QStringLiteral("2"));
    auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
    const QString local = QStringLiteral("Laminar, uniform flux, local"), average = QStringLiteral("Laminar, uniform flux, average");
    QCOMPARE(headerOf(table),
             (QStringList{"Heat flux (W/m²)", "Re at T_f", "Pr at T_f", local + " Nu", local + " h (W/(m²·K))",
                          local + " Ts − T∞ (°F)", average + " Nu", average + " h (W/(m²·K))",
                          average + " Ts − T∞ (°F)", average + " q′ (W/m)"}));
    QCOMPARE(table->model()->rowCount(), 2);
    QCOMPARE(cell(table, 0, 0).toString(), QStringLiteral("500"));
    QVERIFY2(std::abs(cell(table, 0, 5).toDouble() / (59.092347744142224 * 1.8) - 1) < 1e-4,
             qPrintable(cell(table, 0, 5).toString()));
    QVERIFY2(std::abs(cell(table, 0, 8).toDouble() / (39.365931658965344 * 1.8) - 1) < 1e-4,
             qPrintable(cell(table, 0, 8).toString()));
    // q' = q'' L over the plate's width.
    QCOMPARE(cell(table, 1, 9).toString(), QStringLiteral("500"));
}

NUSSELT_GUI_TEST_MAIN(SweepWindowTest)
#include "tst_sweepwindow.moc"
