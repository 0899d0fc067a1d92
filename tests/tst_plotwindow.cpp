// The plot as a user reaches it: the calculator, its Flow Conditions window with the cylinder in
// air, then Plot… and Sweep…. Qt Charts must not be in the process before the first Plot… (the
// program does not link it) and must be after; the plot follows typing live.
// With NUSSELT_SCREENSHOTS=<dir> the test also saves plot.png and sweep.png of the real widgets.
// This program does not link Qt Charts either: it reads the chart as a screen reader does.

#include "guitest.h"

#include "flowconditions.h"

#include <QFile>
#include <QRegularExpression>
#include <QGraphicsView>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>

#include <cmath>
#include <memory>
#include <optional>

namespace {

bool chartsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6Charts");
}

// A number as the program writes it for people: "37.3", "6071", "1.21·10⁴".
double readRounded(QString text)
{
    const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    const qsizetype times = text.indexOf(QStringLiteral("·10"));
    if (times >= 0) {
        QString exponent;
        for (QChar c : text.mid(times + 3))
            exponent += c == QChar(0x207B) ? QLatin1Char('-') : QChar(char16_t(u'0' + superscripts.indexOf(c)));
        text = text.left(times) + QLatin1Char('e') + exponent;
    } else if (text.startsWith(QStringLiteral("10")) && text.size() > 2 && superscripts.contains(text[2])) {
        return readRounded(QStringLiteral("1·") + text);
    }
    return text.toDouble();
}

// The operating point of a correlation as the chart describes it to screen readers:
// "Hilpert: Nu = 37.3 at Re = 6071".
std::optional<QPointF> markerOf(QWidget *view, const QString &name)
{
    const QRegularExpression said(QRegularExpression::escape(name)
                                  + QStringLiteral(": Nu = (\\S+) at Re = ([^ ;]+)"));
    const QRegularExpressionMatch m = said.match(view->accessibleDescription());
    if (!m.hasMatch())
        return std::nullopt;
    QString re = m.captured(2);
    if (re.endsWith(QLatin1Char('.')))
        re.chop(1);
    return QPointF(readRounded(re), readRounded(m.captured(1)));
}

// The calculator shown, the cylinder chosen, Flow Conditions opened with Ctrl+Shift+F and the
// textbook's cylinder typed into it: air at 10 m/s across 12.7 mm, 26.2 °C, surface at 128.4 °C.
FlowConditions *cylinderInAir(ExternalFlow &dialog)
{
    FlowConditions::attachTo(dialog);
    dialog.show();
    dialog.activateWindow();
    ExternalFlowTestAccess access(dialog);
    if (!QTest::qWaitForWindowActive(&dialog) || !guitest::choose(access.ui().GeometryCombo, QStringLiteral("Cylinder")))
        return nullptr;
    QTest::keyClick(&dialog, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto *window = dialog.findChild<FlowConditions *>();
    if (!window || !guitest::choose(window->findChild<QComboBox *>(QStringLiteral("FluidCombo")), QStringLiteral("Air"))
        || !guitest::choose(window->findChild<QComboBox *>(QStringLiteral("LengthUnit")), QStringLiteral("mm")))
        return nullptr;
    const auto edit = [window](const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); };
    guitest::typeInto(edit("VelocityEdit"), QStringLiteral("10"));
    guitest::typeInto(edit("LengthEdit"), QStringLiteral("12.7"));
    guitest::typeInto(edit("FreeStreamTemperatureEdit"), QStringLiteral("26.2"));
    guitest::typeInto(edit("SurfaceTemperatureEdit"), QStringLiteral("128.4"));
    return window;
}

} // namespace

class PlotWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void plotLoadsOnFirstUseAndFollowsTyping();
    void plotAndSweepOpenWithinTheScreen();
    void plotAndSweepKeysLeadToOnePlace();
};

void PlotWindowTest::plotLoadsOnFirstUseAndFollowsTyping()
{
    guitest::ModalWatchdog watchdog;
    ExternalFlow dialog;
    FlowConditions *window = cylinderInAir(dialog);
    QVERIFY(window);
    const auto edit = [window](const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); };

    // State: the window in use, no plot asked for. Expected: no Qt Charts in the process.
    QVERIFY(!chartsLoaded());
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("PlotButton")), Qt::LeftButton);
    auto *plotWindow = window->findChild<QDialog *>(QStringLiteral("PlotWindow"));
    QVERIFY2(plotWindow, qPrintable(window->findChild<QLabel *>(QStringLiteral("PlotMessage"))->text()));
    QVERIFY(QTest::qWaitForWindowExposed(plotWindow));
    QVERIFY(chartsLoaded());

    auto *view = plotWindow->findChild<QGraphicsView *>(QStringLiteral("PlotView"));
    QVERIFY(view);
    QCOMPARE(view->accessibleName(), QStringLiteral("Plot of Nu against Re"));
    // Film temperature 350 K: ν = 20.92e-6 m²/s, so Re = 10 × 0.0127 / ν ≈ 6071; Nu ≈ 37.3.
    const auto marker10 = markerOf(view, QStringLiteral("Hilpert"));
    QVERIFY2(marker10, qPrintable(view->accessibleDescription()));
    const QPointF at10 = *marker10;
    QVERIFY(std::abs(at10.x() / 6071 - 1) < 0.01);
    QVERIFY(std::abs(at10.y() / 37.3 - 1) < 0.01);

    // Action: twice the velocity. Expected: Re doubles, Nu follows Hilpert's 0.618 power.
    guitest::typeInto(edit("VelocityEdit"), QStringLiteral("20"));
    const QPointF at20 = markerOf(view, QStringLiteral("Hilpert")).value_or(QPointF());
    // Three significant digits are said.
    QVERIFY2(std::abs(at20.x() / at10.x() - 2) < 0.01, qPrintable(view->accessibleDescription()));
    QVERIFY2(std::abs(at20.y() / at10.y() - std::pow(2.0, 0.618)) < 0.01, qPrintable(view->accessibleDescription()));
    guitest::typeInto(edit("VelocityEdit"), QStringLiteral("10"));

    // Sweep… offers the physical inputs and h in the window's unit.
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("SweepButton")), Qt::LeftButton);
    auto *sweep = plotWindow->findChild<QDialog *>(QStringLiteral("SweepWindow"));
    QVERIFY(sweep);
    QVERIFY(QTest::qWaitForWindowExposed(sweep));
    QCOMPARE(sweep->findChild<QComboBox *>(QStringLiteral("SweepVariable"))->currentText(), QStringLiteral("Velocity"));
    auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
    QCOMPARE(table->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Velocity (m/s)"));
    QCOMPARE(table->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("Hilpert h (W/(m²·K))"));
    QCOMPARE(table->model()->rowCount(), 11);
    // q'' and q' in the units the window shows them in: 1 Btu/(h·ft²) = 3.15459 W/m², 1 Btu/(h·ft) = 0.961519 W/m.
    const auto at = [table](int row, int column) { return table->model()->index(row, column).data().toString(); };
    QCOMPARE(table->model()->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Hilpert q″ (W/m²)"));
    const double fluxSI = at(5, 10).toDouble(), rateSI = at(5, 11).toDouble();
    QVERIFY(guitest::choose(window->findChild<QComboBox *>(QStringLiteral("HeatFluxUnit")), QStringLiteral("Btu/(h·ft²)")));
    QVERIFY(guitest::choose(window->findChild<QComboBox *>(QStringLiteral("HeatRateUnit")), QStringLiteral("Btu/(h·ft)")));
    QCOMPARE(table->model()->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Hilpert q″ (Btu/(h·ft²))"));
    QCOMPARE(table->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Hilpert q′ (Btu/(h·ft))"));
    QVERIFY(std::abs(at(5, 10).toDouble() * 3.15459075 / fluxSI - 1) < 1e-5);
    QVERIFY(std::abs(at(5, 11).toDouble() * 0.9615186 / rateSI - 1) < 1e-5);

    const QString shots = qEnvironmentVariable("NUSSELT_SCREENSHOTS");
    if (!shots.isEmpty()) {
        // Down to a millimetre per second, where Re falls below Zhukauskas's range: marked cells.
        auto *from = sweep->findChild<QLineEdit *>(QStringLiteral("SweepFrom"));
        guitest::typeInto(from, QStringLiteral("0.001"));
        QTest::keyClick(from, Qt::Key_Return);
        sweep->resize(1400, 600); // every column and row in view
        QTest::qWait(200);
        QVERIFY(plotWindow->grab().save(shots + QStringLiteral("/plot.png")));
        QVERIFY(sweep->grab().save(shots + QStringLiteral("/sweep.png")));
    }
    QCOMPARE(watchdog.take(), QStringList());
}

// On the test's screen (the platform's 800×600; tst_plotwindow_1280x680 runs it on a 1280×680 one
// with window frames, tests/screen-1280x680.json): the plot and sweep windows open inside the
// screen, every button and field of theirs in view, and a long table scrolls rather than growing
// the window.
void PlotWindowTest::plotAndSweepOpenWithinTheScreen()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    guitest::ModalWatchdog watchdog;
    ExternalFlow dialog;
    FlowConditions *window = cylinderInAir(dialog);
    QVERIFY(window);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("PlotButton")), Qt::LeftButton);
    auto *plotWindow = window->findChild<QDialog *>(QStringLiteral("PlotWindow"));
    QVERIFY(plotWindow);
    QVERIFY(QTest::qWaitForWindowExposed(plotWindow));
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("SweepButton")), Qt::LeftButton);
    auto *sweep = plotWindow->findChild<QDialog *>(QStringLiteral("SweepWindow"));
    QVERIFY(sweep);
    QVERIFY(QTest::qWaitForWindowExposed(sweep));
    auto *steps = sweep->findChild<QSpinBox *>(QStringLiteral("SweepSteps"));
    steps->setFocus();
    QTest::keyClick(steps, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(steps, QStringLiteral("1000"));

    for (QWidget *shown : {static_cast<QWidget *>(plotWindow), static_cast<QWidget *>(sweep)}) {
        const QString name = shown->objectName();
        QVERIFY2(area.contains(shown->frameGeometry()),
                 qPrintable(name + QStringLiteral(" at %1,%2 %3x%4").arg(shown->frameGeometry().x())
                                .arg(shown->frameGeometry().y()).arg(shown->frameGeometry().width())
                                .arg(shown->frameGeometry().height())));
        for (QWidget *w : shown->findChildren<QWidget *>()) {
            if (w->window() != shown || !w->isVisible()
                || !(qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)))
                continue;
            const QRect at(w->mapTo(shown, QPoint(0, 0)), w->size());
            QVERIFY2(shown->rect().contains(at), qPrintable(name + QLatin1Char('/') + w->objectName()));
        }
    }
    auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
    QCOMPARE(table->model()->rowCount(), 1000);
    QVERIFY(table->verticalScrollBar()->isVisible());
    QCOMPARE(watchdog.take(), QStringList());
}

// Reached as a user reaches them, the plot and sweep windows give each Alt+letter one place, also
// counting what they hide for the case shown (the h mode's fields, the unheated plate's inputs).
void PlotWindowTest::plotAndSweepKeysLeadToOnePlace()
{
    guitest::ModalWatchdog watchdog;
    ExternalFlow dialog;
    FlowConditions *window = cylinderInAir(dialog);
    QVERIFY(window);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("PlotButton")), Qt::LeftButton);
    auto *plotWindow = window->findChild<QDialog *>(QStringLiteral("PlotWindow"));
    QVERIFY(plotWindow);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("SweepButton")), Qt::LeftButton);
    auto *sweep = plotWindow->findChild<QDialog *>(QStringLiteral("SweepWindow"));
    QVERIFY(sweep);
    QCOMPARE(guitest::repeatedMnemonics(plotWindow, guitest::Hidden::Too), QStringList());
    QCOMPARE(guitest::repeatedMnemonics(sweep, guitest::Hidden::Too), QStringList());
    QCOMPARE(watchdog.take(), QStringList());
}

NUSSELT_GUI_TEST_MAIN(PlotWindowTest)
#include "tst_plotwindow.moc"
