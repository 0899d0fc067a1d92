// The plot module as the Flow Conditions window uses it: loaded through the plot API, fed a case,
// and then read back from the chart's own series objects (names, pen styles, points), its
// exports parsed as files, and its sweep window driven as a user does. Expected values are the
// published correlations written out here, and the command line's batch answers.

#include "guitest.h"
#include "plotpanel.h"
#include "publishedcylinder.h"

#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileDialog>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QProcess>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

using namespace nusselt;

namespace {

plot::PlotInputs cylinderAt(double re)
{
    plot::PlotInputs in;
    in.problem.selection = selectionFromCodes(2, 0, 0, 0, 0);
    in.calculator.reynolds = re;
    in.calculator.prandtl = 0.7;
    in.calculator.prandtlSurface = 0.7;
    return in;
}

// Air across a 12.7 mm cylinder at 10 m/s, 26.2 °C, surface at 128.4 °C, evaluated as the window does.
plot::PlotInputs cylinderInAir()
{
    plot::PlotInputs in = cylinderAt(6000);
    in.problem.velocity = 10.0;
    in.problem.length = 0.0127;
    in.problem.freeStreamTemperature = 26.2 + 273.15;
    in.problem.surfaceTemperature = 128.4 + 273.15;
    in.evaluation = physics::evaluate(in.problem);
    return in;
}

QChart *chartOf(plot::PlotPanel &panel)
{
    return panel.widget()->findChild<QChartView *>(QStringLiteral("PlotView"))->chart();
}

// The line series of one correlation with points, split by pen style.
struct Drawn {
    QList<QLineSeries *> solid, dashed;
    QScatterSeries *marker = nullptr;
};

Drawn drawn(QChart *chart, const QString &name)
{
    Drawn d;
    for (QAbstractSeries *s : chart->series()) {
        if (s->name() != name)
            continue;
        if (auto *scatter = qobject_cast<QScatterSeries *>(s))
            d.marker = scatter;
        else if (auto *line = qobject_cast<QLineSeries *>(s); line && line->count() > 0)
            (line->pen().style() == Qt::DashLine ? d.dashed : d.solid) << line;
    }
    return d;
}

QStringList legendLabels(QChart *chart)
{
    QStringList labels;
    for (QLegendMarker *m : chart->legend()->markers())
        if (m->isVisible())
            labels << m->label();
    return labels;
}

} // namespace

class PlotTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cylinderShowsFourCorrelationsSolidInsideTheirRanges_data();
    void cylinderShowsFourCorrelationsSolidInsideTheirRanges();
    void followsTheCaseWithoutNewSeries();
    void userSwitchesToHAgainstVelocity();
    void hoveringTheMarkerNamesCorrelationReAndNu();
    void exportsParse();
    void exportRefusesWhatItCannotWrite_data();
    void exportRefusesWhatItCannotWrite();
    void sweepTableAgreesWithTheCommandLineAndCopies();
    void sweepReadsNumbersAsEveryWindowDoes_data();
    void sweepReadsNumbersAsEveryWindowDoes();
    void cleanup();

private:
    QWidget host;
    plot::PlotPanel *panel = nullptr;
    guitest::ModalWatchdog *watchdog = nullptr;
};

void PlotTest::initTestCase()
{
    // Nowhere to be found: a message that says so, and no panel.
    QString error;
    QVERIFY(!plot::createPlotPanel(&host, &error, {QStringLiteral("/nonexistent")}));
    QVERIFY(error.contains(QStringLiteral("could not be loaded")));

    panel = plot::createPlotPanel(&host, &error, {QStringLiteral(NUSSELT_PLOT_BUILD_DIR)});
    QVERIFY2(panel, qPrintable(error));
    auto *layout = new QVBoxLayout(&host);
    layout->addWidget(panel->widget());
    host.resize(800, 560);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
}

void PlotTest::cleanup()
{
    if (watchdog) {
        QCOMPARE(watchdog->take(), QStringList());
        delete std::exchange(watchdog, nullptr);
    }
}

void PlotTest::cylinderShowsFourCorrelationsSolidInsideTheirRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("solidFrom");
    QTest::addColumn<double>("solidTo");
    QTest::addColumn<int>("dashedRuns");
    QTest::addColumn<double>("nuAtPoint"); // Re 6000, Pr 0.7, Pr_s 0.7
    const double pr3 = std::cbrt(0.7);
    QTest::newRow("stagnation") << "Stagnation point" << 0.4 << 1e6 << 0 << 1.15 * std::sqrt(6000.0) * pr3;
    QTest::newRow("Hilpert") << "Hilpert" << 0.4 << 4e5 << 0 << 0.193 * std::pow(6000.0, 0.618) * pr3;
    QTest::newRow("Churchill-Bernstein") << "Churchill-Bernstein" << 0.4 << 1e6 << 0
        << 0.3 + 0.62 * std::sqrt(6000.0) * pr3 / std::pow(1 + std::pow(0.4 / 0.7, 2.0 / 3), 0.25)
               * std::pow(1 + std::pow(6000 / 282000.0, 5.0 / 8), 0.8);
    QTest::newRow("Zhukauskas") << "Zhukauskas" << 1.0 << 1e6 << 1 << 0.26 * std::pow(6000.0, 0.6) * std::pow(0.7, 0.37);
}

void PlotTest::cylinderShowsFourCorrelationsSolidInsideTheirRanges()
{
    QFETCH(QString, name);
    QFETCH(double, solidFrom);
    QFETCH(double, solidTo);
    QFETCH(int, dashedRuns);
    QFETCH(double, nuAtPoint);
    panel->setInputs(cylinderAt(6000));
    QChart *chart = chartOf(*panel);
    QTRY_COMPARE(legendLabels(chart), (QStringList{"Stagnation point", "Hilpert", "Churchill-Bernstein", "Zhukauskas"}));
    const Drawn d = drawn(chart, name);
    QCOMPARE(d.solid.size(), 1);
    QCOMPARE(d.solid[0]->at(0).x(), solidFrom);
    QCOMPARE(d.solid[0]->at(d.solid[0]->count() - 1).x(), solidTo);
    QCOMPARE(d.dashed.size(), dashedRuns);
    QVERIFY(d.marker);
    QCOMPARE(d.marker->count(), 1);
    QCOMPARE(d.marker->at(0).x(), 6000.0);
    QVERIFY(std::abs(d.marker->at(0).y() / nuAtPoint - 1) < 1e-9);
    const auto axes = chart->axes();
    QStringList titles;
    for (QAbstractAxis *a : axes)
        titles << a->titleText();
    QCOMPARE(titles, (QStringList{"Reynolds number Re", "Nusselt number Nu"}));
    QVERIFY(qobject_cast<QLogValueAxis *>(axes[0]) && qobject_cast<QLogValueAxis *>(axes[1]));
}

void PlotTest::followsTheCaseWithoutNewSeries()
{
    panel->setInputs(cylinderAt(6000));
    QChart *chart = chartOf(*panel);
    const QList<QAbstractSeries *> before = chart->series();
    // State: cylinder at Re 6000. Action: Re 2·10^4. Expected: the same series objects, the point moved.
    panel->setInputs(cylinderAt(2e4));
    QCOMPARE(chart->series(), before);
    QCOMPARE(drawn(chart, "Hilpert").marker->at(0).x(), 2e4);
    // A laminar plate at Re 10^5: two curves named by kind, solid up to the transition at 5·10^5.
    plot::PlotInputs plate;
    plate.problem.selection = selectionFromCodes(1, 1, 1, 1, 0);
    plate.calculator.reynolds = 1e5;
    plate.calculator.prandtl = 0.7;
    panel->setInputs(plate);
    QTRY_COMPARE(legendLabels(chart), (QStringList{"Laminar plate, local", "Laminar plate, average"}));
    const Drawn local = drawn(chart, "Laminar plate, local");
    QCOMPARE(local.solid.size(), 1);
    QCOMPARE(local.solid[0]->at(local.solid[0]->count() - 1).x(), 5e5);
    QCOMPARE(local.dashed.size(), 1);
    QCOMPARE(local.dashed[0]->at(0).x(), 5e5);
    QVERIFY(std::abs(local.marker->at(0).y() / (0.332 * std::sqrt(1e5) * std::cbrt(0.7)) - 1) < 1e-9);
    // Nothing of the cylinder is left drawn.
    for (QAbstractSeries *s : chart->series())
        if (auto *xy = qobject_cast<QXYSeries *>(s); xy && xy->count() > 0)
            QVERIFY(s->name().startsWith(QStringLiteral("Laminar plate")));
}

void PlotTest::userSwitchesToHAgainstVelocity()
{
    watchdog = new guitest::ModalWatchdog;
    auto *mode = panel->widget()->findChild<QComboBox *>(QStringLiteral("PlotMode"));
    panel->setInputs(cylinderAt(6000));
    QVERIFY(!mode->isEnabled()); // no physical problem: only Nu against Re
    panel->setInputs(cylinderInAir());
    QVERIFY(guitest::choose(mode, QStringLiteral("h against velocity")));
    QChart *chart = chartOf(*panel);
    QCOMPARE(chart->axes()[0]->titleText(), QStringLiteral("Velocity V (m/s)"));
    QCOMPARE(chart->axes()[1]->titleText(), QStringLiteral("Heat transfer coefficient h (W/(m²·K))"));
    const Drawn hilpert = drawn(chart, "Hilpert");
    QCOMPARE(hilpert.marker->at(0).x(), 10.0);
    // The textbook's worked example of this cylinder: h ≈ 88 W/(m²·K) by Hilpert.
    QVERIFY(std::abs(hilpert.marker->at(0).y() / 88.2 - 1) < 0.02);
    QTRY_COMPARE(legendLabels(chart).size(), 4);
    QVERIFY(guitest::choose(mode, QStringLiteral("Nu against Re")));
    QCOMPARE(chart->axes()[0]->titleText(), QStringLiteral("Reynolds number Re"));
}

void PlotTest::hoveringTheMarkerNamesCorrelationReAndNu()
{
    panel->setInputs(cylinderAt(6000));
    QChart *chart = chartOf(*panel);
    auto *view = panel->widget()->findChild<QChartView *>(QStringLiteral("PlotView"));
    // The stagnation-point value lies well above the other three, so its marker is alone under the mouse.
    QScatterSeries *marker = drawn(chart, "Stagnation point").marker;
    const QPointF scene = chart->mapToPosition(marker->at(0), marker);
    const QPoint at = view->mapFromScene(chart->mapToScene(scene));
    QTest::mouseMove(view->viewport(), at + QPoint(-30, -30));
    QTest::mouseMove(view->viewport(), at);
    QTRY_VERIFY(QToolTip::isVisible());
    const QString tip = QToolTip::text();
    // The nearest point of the curve: its Re near the mouse and the published value there.
    const QStringList lines = tip.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("Stagnation point"));
    QVERIFY2(lines[1].startsWith(QStringLiteral("Re = ")) && lines[2].startsWith(QStringLiteral("Nu = ")), qPrintable(tip));
    const double re = lines[1].mid(5).toDouble();
    const double nu = lines[2].mid(5).toDouble();
    QVERIFY2(std::abs(re / 6000 - 1) < 0.1, qPrintable(tip));
    QVERIFY2(std::abs(nu / (1.15 * std::sqrt(re) * std::cbrt(0.7)) - 1) < 0.005, qPrintable(tip)); // three digits shown
    QTest::mouseMove(view->viewport(), QPoint(2, 2));
}

void PlotTest::exportsParse()
{
    panel->setInputs(cylinderAt(6000));
    QTemporaryDir dir;
    auto *view = panel->widget()->findChild<QChartView *>(QStringLiteral("PlotView"));

    // PNG through the Export… button and its file dialog, as a user saves it.
    QTest::mouseClick(panel->widget()->findChild<QPushButton *>(QStringLiteral("PlotExport")), Qt::LeftButton);
    auto *dialog = panel->widget()->findChild<QFileDialog *>(QStringLiteral("PlotExportDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    dialog->setDirectory(dir.path());
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    guitest::typeInto(name, QStringLiteral("plot"));
    const QList<guitest::Box> boxes = guitest::catchBoxes([name] { QTest::keyClick(name, Qt::Key_Return); });
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.value(0).text));
    const QString png = dir.filePath(QStringLiteral("plot.png"));
    QTRY_VERIFY(QFileInfo::exists(png));
    const QImage image(png);
    QCOMPARE(image.size(), view->size() * view->devicePixelRatio());

    QString error;
    const QString svg = dir.filePath(QStringLiteral("plot.svg"));
    QVERIFY2(panel->exportTo(svg, &error), qPrintable(error));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svgFile);
    int strokes = 0;
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("path") || xml.name() == QLatin1String("polyline"))
            ++strokes;
        else if (xml.name() == QLatin1String("text"))
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(strokes > 10); // vector strokes, not a picture of the plot
    QVERIFY(texts.contains(QStringLiteral("Reynolds number Re")));
    QVERIFY(texts.contains(QStringLiteral("Hilpert")));

    const QString csv = dir.filePath(QStringLiteral("plot.csv"));
    QVERIFY2(panel->exportTo(csv, &error), qPrintable(error));
    QFile csvFile(csv);
    QVERIFY(csvFile.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(csvFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.front(), QStringLiteral("correlation,Re,Nu,inside range"));
    int hilpertRows = 0;
    for (const QString &line : lines.mid(1)) {
        const QStringList cells = line.split(QLatin1Char(','));
        QCOMPARE(cells.size(), 4);
        if (cells[0] != QLatin1String("Hilpert"))
            continue;
        const double re = cells[1].toDouble();
        // Band edges (4, 40, 4000, 40000) belong to the lower band as tabulated.
        QVERIFY2(std::abs(cells[2].toDouble() / published::hilpert(re, 0.7) - 1) < 1e-8, qPrintable(line));
        QCOMPARE(cells[3], QStringLiteral("yes"));
        ++hilpertRows;
    }
    QVERIFY(hilpertRows > 100);
}

void PlotTest::exportRefusesWhatItCannotWrite_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");
    QTest::newRow("PNG in a missing folder") << "missing/plot.png" << "Could not write ";
    QTest::newRow("SVG in a missing folder") << "missing/plot.svg" << "Could not write ";
    QTest::newRow("CSV in a missing folder") << "missing/plot.csv" << "Could not write ";
    QTest::newRow("unknown ending") << "plot.txt" << "Choose a file ending in .png, .svg or .csv";
}

void PlotTest::exportRefusesWhatItCannotWrite()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    panel->setInputs(cylinderAt(6000));
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QString why;
    QVERIFY(!panel->exportTo(path, &why));
    QVERIFY2(why.startsWith(error), qPrintable(why));
    QVERIFY(!QFileInfo::exists(path));
}

void PlotTest::sweepTableAgreesWithTheCommandLineAndCopies()
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

    auto *table = sweep->findChild<QTableWidget *>(QStringLiteral("SweepTable"));
    QCOMPARE(table->rowCount(), 9);
    QStringList header;
    for (int c = 0; c < table->columnCount(); ++c)
        header << table->horizontalHeaderItem(c)->text();
    QCOMPARE(header, (QStringList{"Re", "Stagnation point Nu", "Hilpert Nu", "Churchill-Bernstein Nu", "Zhukauskas Nu"}));

    // The same Re through `nusselt batch`: stagnation, Hilpert, Churchill-Bernstein, Zhukauskas.
    QString input = QStringLiteral("geometry,re,pr,prs\n");
    for (int r = 0; r < 9; ++r)
        input += QStringLiteral("cylinder,%1,0.7,0.7\n").arg(table->item(r, 0)->text());
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
            const QString shown = table->item(r, c + 1)->text();
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
    QTableWidgetItem *belowZhukauskas = table->item(0, 4);
    QVERIFY(belowZhukauskas->text().endsWith(QStringLiteral(" †")));
    QVERIFY(belowZhukauskas->font().italic());
    QVERIFY(belowZhukauskas->toolTip().contains(QStringLiteral("below the Zhukauskas range")));
    QVERIFY(belowZhukauskas->data(Qt::AccessibleDescriptionRole).toString().contains(QStringLiteral("Zhukauskas")));
    QTableWidgetItem *inside = table->item(4, 4); // Re 1000
    QVERIFY(!inside->font().italic());
    QVERIFY(inside->toolTip().isEmpty());

    // Copy: tab-separated, header first, numbers without the marker.
    QApplication::clipboard()->clear();
    QTest::mouseClick(sweep->findChild<QPushButton *>(QStringLiteral("SweepCopy")), Qt::LeftButton);
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 10);
    QCOMPARE(copied[0], header.join(QLatin1Char('\t')));
    const QStringList first = copied[1].split(QLatin1Char('\t'));
    QCOMPARE(first.size(), 5);
    QCOMPARE(first[0], QStringLiteral("0.1"));
    QCOMPARE(first[2], QString()); // Hilpert has no value below Re 0.4
    QVERIFY(std::abs(first[4].toDouble() / (0.75 * std::pow(0.1, 0.4) * std::pow(0.7, 0.37)) - 1) < 1e-5);
    sweep->close();
}

void PlotTest::sweepReadsNumbersAsEveryWindowDoes_data()
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

void PlotTest::sweepReadsNumbersAsEveryWindowDoes()
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
    auto *table = sweep->findChild<QTableWidget *>(QStringLiteral("SweepTable"));
    auto *status = sweep->findChild<QLabel *>(QStringLiteral("SweepStatus"));
    if (firstRow.isEmpty()) {
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(status->text(), QStringLiteral("Enter the start and end values as numbers."));
    } else {
        QCOMPARE(table->item(0, 0)->text(), firstRow);
        QVERIFY(status->isHidden());
    }
    sweep->close();
}

NUSSELT_GUI_TEST_MAIN(PlotTest)
#include "tst_plot.moc"
