// The plot module as the Flow Conditions window uses it: loaded through the plot API, fed a case,
// and then read back from the chart's own series objects (names, pen styles, points) and axes,
// its exports parsed as files, its fields and keys used as a user does. Expected values are the
// published correlations written out here and the reference properties.

#include "plottest.h"
#include "publishedcylinder.h"
#include "textbookcases.h"

#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QProcess>
#include <QScatterSeries>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

using namespace nusselt;

Q_DECLARE_METATYPE(nusselt::plot::PlotInputs)

using plottest::cylinderAt;
using plottest::cylinderInAir;

namespace {

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
    void exportRepeatsNoPoint_data();
    void exportRepeatsNoPoint();
    void everyAltKeyLeadsToOnePlace_data();
    void everyAltKeyLeadsToOnePlace();
    void typedAxisEnds_data();
    void typedAxisEnds();
    void typedEndsStayWithTheirView();
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

    panel = plottest::loadInto(host);
    QVERIFY(panel);
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
    // In ft/s the axis runs from Hilpert's Re 0.4 at the film temperature to Zhukauskas's 10^6 at
    // T∞, each Re = V D / ν with ν from the reference formulation.
    plot::PlotInputs feet = cylinderInAir();
    feet.velocityUnit = *physics::findUnit(physics::Quantity::Velocity, "ft/s");
    panel->setInputs(feet);
    QCOMPARE(chart->axes()[0]->titleText(), QStringLiteral("Velocity V (ft/s)"));
    auto *axis = qobject_cast<QLogValueAxis *>(chart->axes()[0]);
    QVERIFY(std::abs(axis->min() / (0.4 * textbook::air::nuFilm350 / 0.0127 / 0.3048) - 1) < 1e-4);
    QVERIFY(std::abs(axis->max() / (1e6 * textbook::air::nu299 / 0.0127 / 0.3048) - 1) < 1e-4);
    QCOMPARE(drawn(chart, "Hilpert").marker->at(0).x(), 10.0 / 0.3048);
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
        // Every digit written: the file's Nu is the published one at the file's Re.
        QVERIFY2(std::abs(cells[2].toDouble() / published::hilpert(re, 0.7) - 1) < 1e-13, qPrintable(line));
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
    // A folder where the file would go: refused, the folder and what is in it left alone.
    QTest::newRow("PNG onto a folder") << "taken.png" << "Could not write ";
    QTest::newRow("SVG onto a folder") << "taken.svg" << "Could not write ";
}

void PlotTest::exportRefusesWhatItCannotWrite()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    panel->setInputs(cylinderAt(6000));
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const bool folder = name.startsWith(QLatin1String("taken"));
    if (folder) {
        QVERIFY(QDir(dir.path()).mkpath(name + QStringLiteral("/inside")));
    }
    QString why;
    QVERIFY(!panel->exportTo(path, &why));
    QVERIFY2(why.startsWith(error), qPrintable(why));
    QCOMPARE(QFileInfo(path).isDir(), folder);
    QCOMPARE(QFileInfo::exists(path + QStringLiteral("/inside")), folder);
    // Nothing half-written left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void PlotTest::exportRepeatsNoPoint_data()
{
    QTest::addColumn<plot::PlotInputs>("inputs");
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("xColumn");
    QTest::newRow("Nu against Re") << cylinderAt(6000) << "Nu against Re" << 1;
    QTest::newRow("h against velocity") << cylinderInAir() << "h against velocity" << 3;
}

void PlotTest::exportRepeatsNoPoint()
{
    // Each curve's points once, in order along the axis, where its runs meet too.
    QFETCH(plot::PlotInputs, inputs);
    QFETCH(QString, view);
    QFETCH(int, xColumn);
    panel->setInputs(inputs);
    auto *mode = panel->widget()->findChild<QComboBox *>(QStringLiteral("PlotMode"));
    if (mode->currentText() != view)
        QVERIFY(guitest::choose(mode, view));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.csv"));
    QString error;
    QVERIFY2(panel->exportTo(path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QMap<QString, QList<double>> xs;
    for (const QString &line : lines.mid(1)) {
        const QStringList cells = line.split(QLatin1Char(','));
        xs[cells[0]] << cells[xColumn].toDouble();
    }
    QCOMPARE(xs.keys(), (QStringList{"Churchill-Bernstein", "Hilpert", "Stagnation point", "Zhukauskas"}));
    for (auto it = xs.cbegin(); it != xs.cend(); ++it) {
        QVERIFY(it.value().size() > 100);
        for (qsizetype i = 1; i < it.value().size(); ++i)
            QVERIFY2(it.value()[i] > it.value()[i - 1],
                     qPrintable(it.key() + QStringLiteral(" repeats %1").arg(it.value()[i], 0, 'g', 17)));
    }
    if (mode->currentIndex() != 0)
        QVERIFY(guitest::choose(mode, QStringLiteral("Nu against Re")));
}

void PlotTest::everyAltKeyLeadsToOnePlace_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Alt+S") << 'S' << "PlotMode";
    QTest::newRow("Alt+X") << 'X' << "PlotXFrom";
    QTest::newRow("Alt+Y") << 'Y' << "PlotYFrom";
}

void PlotTest::everyAltKeyLeadsToOnePlace()
{
    QFETCH(char, key);
    QFETCH(QString, focused);
    panel->setInputs(cylinderInAir());
    QApplication::setActiveWindow(&host);
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QCOMPARE(guitest::repeatedMnemonics(&host), QStringList());
    QTest::keyClick(&host, Qt::Key(key), Qt::AltModifier);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
}

void PlotTest::typedAxisEnds_data()
{
    // Nu against Re of the cylinder at Re 6000: automatically from Hilpert's Re 0.4 to
    // Zhukauskas's 10^6, and Nu (0.45 to 1022) within whole decades, 0.1 to 10^4.
    QTest::addColumn<QStringList>("typed"); // X from, X to, Y from, Y to
    QTest::addColumn<QList<double>>("ranges"); // x min, x max, y min, y max
    QTest::addColumn<QStringList>("messages"); // beside each field
    const QString notNumber = QStringLiteral("Not a number: type one (1e5, 0.25), or nothing for the automatic end");
    const QString logAxis = QStringLiteral("The axis is logarithmic: type a number above zero");
    const QList<double> automatic{0.4, 1e6, 0.1, 1e4};
    QTest::newRow("blank: automatic") << QStringList{"", "", "", ""} << automatic << QStringList{"", "", "", ""};
    QTest::newRow("both ends of both axes") << QStringList{"10", "1e5", "1", "1000"} << QList<double>{10, 1e5, 1, 1000}
                                            << QStringList{"", "", "", ""};
    // From Re 100 the lowest Nu (Zhukauskas, 4.5) is above 1.
    QTest::newRow("one end, blanks around it") << QStringList{" 100 ", "", "", ""} << QList<double>{100, 1e6, 1, 1e4}
                                               << QStringList{"", "", "", ""};
    QTest::newRow("not a number") << QStringList{"abc", "", "", ""} << automatic
                                  << QStringList{notNumber, "", "", ""};
    QTest::newRow("decimal comma") << QStringList{"", "", "1,5", ""} << automatic << QStringList{"", "", notNumber, ""};
    QTest::newRow("infinite") << QStringList{"", "inf", "", ""} << automatic << QStringList{"", notNumber, "", ""};
    QTest::newRow("zero on a log axis") << QStringList{"0", "", "", ""} << automatic << QStringList{logAxis, "", "", ""};
    QTest::newRow("negative") << QStringList{"", "", "", "-5"} << automatic << QStringList{"", "", "", logAxis};
    QTest::newRow("a span of one point") << QStringList{"1000", "1000", "", ""} << automatic
                                         << QStringList{"", "Type an upper end above the lower end", "", ""};
    QTest::newRow("lower end past the automatic upper one")
        << QStringList{"1e7", "", "", ""} << automatic
        << QStringList{"Above the automatic upper end 10⁶: type an upper end too", "", "", ""};
    QTest::newRow("upper end under the automatic lower one")
        << QStringList{"", "", "", "0.01"} << automatic
        << QStringList{"", "", "", "Below the automatic lower end 0.1: type a lower end too"};
}

void PlotTest::typedAxisEnds()
{
    QFETCH(QStringList, typed);
    QFETCH(QList<double>, ranges);
    QFETCH(QStringList, messages);
    watchdog = new guitest::ModalWatchdog;
    panel->setInputs(cylinderAt(6000));
    const char *const fields[] = {"PlotXFrom", "PlotXTo", "PlotYFrom", "PlotYTo"};
    for (int i = 0; i < 4; ++i) {
        auto *edit = panel->widget()->findChild<QLineEdit *>(QLatin1String(fields[i]));
        guitest::typeInto(edit, typed[i]);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QChart *chart = chartOf(*panel);
    const auto *x = qobject_cast<QLogValueAxis *>(chart->axes()[0]);
    const auto *y = qobject_cast<QLogValueAxis *>(chart->axes()[1]);
    QCOMPARE((QList<double>{x->min(), x->max(), y->min(), y->max()}), ranges);
    QStringList said;
    for (const char *field : fields) {
        const auto *message = panel->widget()->findChild<QLabel *>(QLatin1String(field) + QStringLiteral("Message"));
        said << (message->isVisible() ? message->text() : QString());
    }
    QCOMPARE(said, messages);
    // The curves are drawn over the span shown: Hilpert's solid run starts where the axis does.
    const Drawn hilpert = drawn(chart, "Hilpert");
    QCOMPARE(hilpert.solid.front()->at(0).x(), ranges[0]);
    for (const char *field : fields) {
        auto *edit = panel->widget()->findChild<QLineEdit *>(QLatin1String(field));
        guitest::typeInto(edit, QString());
        QTest::keyClick(edit, Qt::Key_Return);
    }
}

void PlotTest::typedEndsStayWithTheirView()
{
    // State: the cylinder in air. Action: X from 100 in Nu against Re, then 1 in h against
    // velocity, then back. Expected: each view keeps its own ends, in its own quantity.
    watchdog = new guitest::ModalWatchdog;
    panel->setInputs(cylinderInAir());
    auto *mode = panel->widget()->findChild<QComboBox *>(QStringLiteral("PlotMode"));
    auto *from = panel->widget()->findChild<QLineEdit *>(QStringLiteral("PlotXFrom"));
    const auto *x = qobject_cast<QLogValueAxis *>(chartOf(*panel)->axes()[0]);
    guitest::typeInto(from, QStringLiteral("100"));
    QTest::keyClick(from, Qt::Key_Return);
    QCOMPARE(x->min(), 100.0);
    QVERIFY(guitest::choose(mode, QStringLiteral("h against velocity")));
    QCOMPARE(from->text(), QString());
    guitest::typeInto(from, QStringLiteral("1"));
    QTest::keyClick(from, Qt::Key_Return);
    QCOMPARE(x->min(), 1.0);
    QVERIFY(guitest::choose(mode, QStringLiteral("Nu against Re")));
    QCOMPARE(from->text(), QStringLiteral("100"));
    QCOMPARE(x->min(), 100.0);
    QVERIFY(guitest::choose(mode, QStringLiteral("h against velocity")));
    QCOMPARE(from->text(), QStringLiteral("1"));
    guitest::typeInto(from, QString());
    QTest::keyClick(from, Qt::Key_Return);
    QVERIFY(guitest::choose(mode, QStringLiteral("Nu against Re")));
    guitest::typeInto(from, QString());
    QTest::keyClick(from, Qt::Key_Return);
}

NUSSELT_GUI_TEST_MAIN(PlotTest)
#include "tst_plot.moc"
