#include "chartpanel.h"

#include "celltext.h"
#include "csv.h"
#include "numbers.h"
#include "onscreen.h"
#include "sweepwindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace nusselt::plot {
namespace {

// Told apart by hue and, in the legend order, by position; the same order as the window lists them.
const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                          QColor(0x94, 0x67, 0xbd)};

constexpr int samplesPerCurve = 160;

QColor colourAt(std::size_t position)
{
    return colours[position % (sizeof colours / sizeof colours[0])];
}

QString number(double v)
{
    return QString::fromStdString(roundedNumber(v));
}

// An SI value in a unit, with the unit's symbol: "88.2 W/(m²·K)".
QString inUnit(double si, const physics::Unit &unit)
{
    return number(physics::fromSI(unit, si)) + QLatin1Char(' ') + fromView(unit.symbol);
}


} // namespace

ChartPanel::ChartPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PlotPanel"));
    mode = new QComboBox(this);
    mode->setObjectName(QStringLiteral("PlotMode"));
    mode->addItem(tr("Nu against Re"));
    mode->addItem(tr("h against velocity"));
    mode->setAccessibleName(tr("Plot"));
    exportButton = new QPushButton(tr("&Export…"), this);
    exportButton->setObjectName(QStringLiteral("PlotExport"));
    sweepButton = new QPushButton(tr("S&weep…"), this);
    sweepButton->setObjectName(QStringLiteral("PlotSweep"));
    notice = new QLabel(tr("Choose a case the calculator evaluates and enter Re and Pr (or the flow "
                           "conditions) to see its correlations here."),
                        this);
    notice->setObjectName(QStringLiteral("PlotNotice"));
    notice->setWordWrap(true);

    chart = new QChart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    axisX = new QLogValueAxis();
    axisY = new QLogValueAxis();
    for (QLogValueAxis *axis : {axisX, axisY}) {
        axis->setBase(10.0);
        axis->setLabelFormat(QStringLiteral("%g"));
        axis->setMinorTickCount(0);
    }
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("PlotView"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(480, 340);
    view->setAccessibleName(tr("Plot of the Nusselt number"));

    auto *bar = new QHBoxLayout;
    auto *showLabel = new QLabel(tr("&Show:"), this);
    showLabel->setBuddy(mode);
    bar->addWidget(showLabel);
    bar->addWidget(mode);
    bar->addStretch(1);
    bar->addWidget(sweepButton);
    bar->addWidget(exportButton);
    // The axes' ends: blank for automatic, a message under a field that is refused.
    auto *limits = new QGridLayout;
    const char *const names[] = {"PlotXFrom", "PlotXTo", "PlotYFrom", "PlotYTo"};
    const QString spoken[] = {tr("X axis from"), tr("X axis to"), tr("Y axis from"), tr("Y axis to")};
    for (int i = 0; i < 4; ++i) {
        AxisEnd &end = ends[i];
        end.edit = new QLineEdit(this);
        end.edit->setObjectName(QLatin1String(names[i]));
        end.edit->setPlaceholderText(tr("automatic"));
        end.edit->setAccessibleName(spoken[i]);
        end.message = new QLabel(this);
        end.message->setObjectName(QLatin1String(names[i]) + QStringLiteral("Message"));
        end.message->setWordWrap(true);
        end.message->hide();
        const bool first = i % 2 == 0;
        auto *label = new QLabel(first ? (i == 0 ? tr("&X axis from:") : tr("&Y axis from:")) : tr("to:"), this);
        label->setBuddy(end.edit);
        const int column = 2 * i + (i >= 2 ? 1 : 0);
        limits->addWidget(label, 0, column);
        limits->addWidget(end.edit, 0, column + 1);
        limits->addWidget(end.message, 1, column + 1);
        connect(end.edit, &QLineEdit::editingFinished, this, &ChartPanel::redraw);
    }
    limits->setColumnMinimumWidth(4, 12);
    limits->setColumnStretch(9, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addLayout(limits);
    layout->addWidget(notice);
    layout->addWidget(view, 1);

    connect(mode, qOverload<int>(&QComboBox::currentIndexChanged), this, &ChartPanel::redraw);
    connect(exportButton, &QPushButton::clicked, this, &ChartPanel::exportDialog);
    connect(sweepButton, &QPushButton::clicked, this, &ChartPanel::openSweep);
    redraw();
}

ChartPanel::~ChartPanel() = default;

void ChartPanel::setInputs(const PlotInputs &inputs)
{
    current = inputs;
    redraw();
    if (sweepWindow)
        sweepWindow->setInputs(current);
}

bool ChartPanel::showsCoefficient() const
{
    return current.physical() && mode->currentIndex() == 1;
}

void ChartPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The panel fills the window it is shown in: that window opens within the screen.
    if (!std::exchange(placed, true))
        keepOnScreen(window());
}

ChartPanel::TypedEnds ChartPanel::typedEnds(int axis, const physics::Span &automatic)
{
    AxisEnd &lo = ends[2 * axis];
    AxisEnd &hi = ends[2 * axis + 1];
    const auto say = [](AxisEnd &end, const QString &text) {
        end.message->setText(text);
        end.message->setVisible(!text.isEmpty());
    };
    const auto read = [&](AxisEnd &end) -> std::optional<double> {
        const std::string text = end.edit->text().toStdString();
        say(end, {});
        if (trimmed(text).empty())
            return std::nullopt;
        const std::optional<double> v = readNumber(text);
        if (!v || !std::isfinite(*v))
            say(end, tr("Not a number: type one (1e5, 0.25), or nothing for the automatic end"));
        else if (!(*v > 0.0))
            say(end, tr("The axis is logarithmic: type a number above zero"));
        else
            return v;
        return std::nullopt;
    };
    const TypedEnds typed{read(lo), read(hi)};
    if (typed.hi.value_or(automatic.hi) > typed.lo.value_or(automatic.lo))
        return typed;
    // Ends that make no span: say which, and draw the automatic one.
    if (typed.lo && typed.hi)
        say(hi, tr("Type an upper end above the lower end"));
    else if (typed.lo)
        say(lo, tr("Above the automatic upper end %1: type an upper end too").arg(number(automatic.hi)));
    else
        say(hi, tr("Below the automatic lower end %1: type a lower end too").arg(number(automatic.lo)));
    return {};
}

ChartPanel::Line &ChartPanel::line(std::size_t position)
{
    while (lines.size() <= position) {
        const std::size_t p = lines.size();
        lines.push_back(Line{});
        auto *marker = new QScatterSeries();
        marker->setMarkerSize(9.0);
        marker->setColor(colourAt(p));
        marker->setBorderColor(Qt::black);
        lines.back().marker = marker;
        attach(marker, p);
        // The solid line carries the legend entry even while the curve has no solid run.
        segmentSeries(p, true, 0);
    }
    return lines[position];
}

void ChartPanel::attach(QXYSeries *series, std::size_t position)
{
    chart->addSeries(series);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    const int pos = static_cast<int>(position);
    connect(series, &QXYSeries::hovered, this, [this, pos](const QPointF &point, bool entered) {
        if (!entered) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(QCursor::pos(), tooltipAt(pos, point.x()), view);
    });
    // One legend entry per correlation, its first solid line's: redraw() shows it.
    for (QLegendMarker *m : chart->legend()->markers(series))
        m->setVisible(false);
}

QLineSeries *ChartPanel::segmentSeries(std::size_t position, bool inside, std::size_t index)
{
    Line &l = lines[position];
    std::vector<QLineSeries *> &pool = l.runs[inside];
    while (pool.size() <= index) {
        auto *s = new QLineSeries();
        QPen pen(colourAt(position));
        pen.setWidthF(2.0);
        pen.setStyle(inside ? Qt::SolidLine : Qt::DashLine);
        s->setPen(pen);
        s->setName(l.label);
        attach(s, position);
        pool.push_back(s);
    }
    return pool[index];
}

void ChartPanel::redraw()
{
    const bool physical = current.physical();
    mode->setEnabled(physical);
    if (!physical && mode->currentIndex() != 0) {
        const QSignalBlocker block(mode);
        mode->setCurrentIndex(0);
    }
    // Each view keeps the ends typed for its own axes.
    const bool coefficient = showsCoefficient();
    if (const int shown = coefficient ? 1 : 0; shown != viewShown) {
        for (int i = 0; i < 4; ++i) {
            typedTexts[viewShown][i] = ends[i].edit->text();
            ends[i].edit->setText(typedTexts[shown][i]);
        }
        viewShown = shown;
    }

    // The curves over the x span typed (in the chart's units), where nothing is typed the automatic one.
    const physics::Unit &vUnit = current.velocityUnit;
    const physics::Unit &hUnit = current.heatTransferCoefficientUnit;
    std::vector<physics::Curve> curves;
    TypedEnds x;
    physics::Span sampled;
    if (coefficient) {
        if (const std::optional<physics::Span> v = physics::velocitySpan(current.problem, current.evaluation)) {
            x = typedEnds(0, {physics::fromSI(vUnit, v->lo), physics::fromSI(vUnit, v->hi)});
            sampled = {x.lo ? physics::toSI(vUnit, *x.lo) : v->lo, x.hi ? physics::toSI(vUnit, *x.hi) : v->hi};
            curves = physics::coefficientCurves(current.problem, current.evaluation, sampled, samplesPerCurve);
        }
    } else {
        const std::vector<physics::Operating> operating =
            physical ? physics::operatingPoints(current.evaluation)
                     : physics::operatingPoints(current.problem.selection, current.calculator);
        const physics::Span automatic = physics::reynoldsSpan(operating);
        x = typedEnds(0, automatic);
        sampled = {x.lo.value_or(automatic.lo), x.hi.value_or(automatic.hi)};
        curves = physics::nusseltCurves(operating, sampled, samplesPerCurve);
    }

    const auto onChart = [&](const physics::CurvePoint &p) {
        return coefficient ? QPointF(physics::fromSI(vUnit, p.x), physics::fromSI(hUnit, p.y)) : QPointF(p.x, p.y);
    };

    double xMin = std::numeric_limits<double>::infinity(), xMax = 0.0;
    double yMin = std::numeric_limits<double>::infinity(), yMax = 0.0;
    const auto include = [&](const QPointF &p) {
        if (!(p.x() > 0.0) || !(p.y() > 0.0) || (x.lo && p.x() < *x.lo) || (x.hi && p.x() > *x.hi))
            return;
        xMin = std::min(xMin, p.x());
        xMax = std::max(xMax, p.x());
        yMin = std::min(yMin, p.y());
        yMax = std::max(yMax, p.y());
    };

    for (std::size_t p = 0; p < std::max(curves.size(), lines.size()); ++p) {
        const physics::Curve *curve = p < curves.size() ? &curves[p] : nullptr;
        Line &l = line(p);
        const QString label = curve ? QString::fromStdString(curve->label) : QString();
        if (label != l.label) {
            l.label = label;
            for (const auto &pool : l.runs)
                for (QLineSeries *s : pool)
                    s->setName(label);
            l.marker->setName(label);
        }
        for (QLegendMarker *m : chart->legend()->markers(l.runs[true].front()))
            m->setVisible(curve != nullptr);

        l.samples.clear();
        std::size_t used[2] = {0, 0};
        if (curve) {
            for (const physics::Segment &seg : curve->segments) {
                QList<QPointF> points;
                points.reserve(static_cast<qsizetype>(seg.points.size()));
                for (const physics::CurvePoint &cp : seg.points) {
                    points.append(onChart(cp));
                    include(points.back());
                    if (l.samples.empty() || l.samples.back().x != cp.x)
                        l.samples.push_back(cp);
                }
                segmentSeries(p, seg.inside, used[seg.inside]++)->replace(points);
            }
        }
        for (const bool inside : {false, true})
            for (std::size_t i = used[inside]; i < l.runs[inside].size(); ++i)
                if (l.runs[inside][i]->count() > 0)
                    l.runs[inside][i]->clear();
        if (curve && curve->marker) {
            l.marker->replace(QList<QPointF>{onChart(*curve->marker)});
            include(onChart(*curve->marker));
        } else if (l.marker->count() > 0) {
            l.marker->clear();
        }
    }

    // Titles and ranges only when they change: each change lays out the axis labels again, which
    // costs more than moving every point of every curve.
    const QString xTitle = coefficient ? tr("Velocity V (%1)").arg(fromView(vUnit.symbol)) : tr("Reynolds number Re");
    const QString yTitle = coefficient ? tr("Heat transfer coefficient h (%1)").arg(fromView(hUnit.symbol))
                                       : tr("Nusselt number Nu");
    if (axisX->titleText() != xTitle)
        axisX->setTitleText(xTitle);
    if (axisY->titleText() != yTitle)
        axisY->setTitleText(yTitle);
    if (xMax > 0.0) {
        // Whole decades around the values, so that the log axis labels land on powers of ten.
        const physics::Span yAuto{std::pow(10.0, std::floor(std::log10(yMin))), std::pow(10.0, std::ceil(std::log10(yMax)))};
        const TypedEnds y = typedEnds(1, yAuto);
        const double xLo = x.lo.value_or(xMin), xHi = x.hi.value_or(xMax);
        const double yLo = y.lo.value_or(yAuto.lo), yHi = y.hi.value_or(yAuto.hi);
        if (axisX->min() != xLo || axisX->max() != xHi)
            axisX->setRange(xLo, xHi);
        if (axisY->min() != yLo || axisY->max() != yHi)
            axisY->setRange(yLo, yHi);
    }

    notice->setVisible(curves.empty());
    exportButton->setEnabled(!curves.empty());
    sweepButton->setEnabled(!curves.empty());
    describeForScreenReaders(curves);
}

void ChartPanel::describeForScreenReaders(const std::vector<physics::Curve> &curves)
{
    const bool coefficient = showsCoefficient();
    QStringList parts;
    for (const physics::Curve &c : curves) {
        QString s = QString::fromStdString(c.label);
        if (c.marker) {
            s += coefficient
                ? tr(": h = %1 at the operating point").arg(inUnit(c.marker->y, current.heatTransferCoefficientUnit))
                : tr(": Nu = %1 at Re = %2").arg(number(c.marker->y), number(c.marker->x));
            if (!c.marker->inside)
                s += tr(" (outside its published range)");
        }
        parts << s;
    }
    view->setAccessibleName(coefficient ? tr("Plot of h against velocity") : tr("Plot of Nu against Re"));
    view->setAccessibleDescription(
        parts.isEmpty() ? notice->text()
                        : tr("Curves solid inside each correlation's published range and dashed outside. %1. "
                             "Sweep… lists the values as a table.")
                              .arg(parts.join(QStringLiteral("; "))));
}

QString ChartPanel::tooltipAt(int position, double x) const
{
    if (position < 0 || static_cast<std::size_t>(position) >= lines.size())
        return {};
    const Line &l = lines[static_cast<std::size_t>(position)];
    if (l.samples.empty())
        return {};
    const bool coefficient = showsCoefficient();
    const double xSI = coefficient ? physics::toSI(current.velocityUnit, x) : x;
    const auto distance = [&](const physics::CurvePoint &p) { return std::abs(std::log(p.x / xSI)); };
    const auto best = std::min_element(l.samples.begin(), l.samples.end(),
                                       [&](const auto &a, const auto &b) { return distance(a) < distance(b); });
    QStringList text{l.label};
    if (coefficient)
        text << tr("V = %1").arg(inUnit(best->x, current.velocityUnit));
    text << tr("Re = %1").arg(number(best->reynolds)) << tr("Nu = %1").arg(number(best->nusselt));
    if (best->h)
        text << tr("h = %1").arg(inUnit(*best->h, current.heatTransferCoefficientUnit));
    if (!best->inside)
        text << tr("outside the published range");
    return text.join(QLatin1Char('\n'));
}

std::string ChartPanel::csv() const
{
    const bool coefficient = showsCoefficient();
    std::string out = "correlation,Re,Nu";
    if (coefficient)
        out += ",V (" + std::string(current.velocityUnit.symbol) + "),h ("
            + std::string(current.heatTransferCoefficientUnit.symbol) + ")";
    out += ",inside range\n";
    // Every digit that tells the numbers apart, as every file the program writes has them.
    const auto number = [&out](std::optional<double> v) {
        out += ',';
        if (v)
            appendShortest(out, *v);
    };
    for (const Line &l : lines) {
        for (const physics::CurvePoint &p : l.samples) {
            appendCsvCell(out, l.label.toStdString());
            number(p.reynolds);
            number(p.nusselt);
            if (coefficient) {
                number(physics::fromSI(current.velocityUnit, p.x));
                number(p.h ? std::optional(physics::fromSI(current.heatTransferCoefficientUnit, *p.h)) : std::nullopt);
            }
            out += p.inside ? ",yes\n" : ",no\n";
        }
    }
    return out;
}

bool ChartPanel::exportTo(const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") && suffix != QLatin1String("csv")) {
        if (error)
            *error = tr("Choose a file ending in .png, .svg or .csv");
        return false;
    }
    // Written beside the file and put in its place only when whole: a failure leaves the old one.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && suffix == QLatin1String("png")) {
        written = view->grab().save(&file, "PNG");
    } else if (written && suffix == QLatin1String("svg")) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(view->size());
        generator.setViewBox(QRect(QPoint(0, 0), view->size()));
        generator.setTitle(view->accessibleName());
        generator.setDescription(view->accessibleDescription());
        QPainter painter;
        written = painter.begin(&generator);
        if (written) {
            view->render(&painter);
            written = painter.end();
        }
    } else if (written) {
        const std::string text = csv();
        written = file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
    }
    if (written && file.commit())
        return true;
    if (error)
        *error = tr("Could not write %1: %2").arg(path, file.errorString());
    return false;
}

void ChartPanel::exportDialog()
{
    // Qt's own dialog rather than the desktop's: the same on every platform, and a child that
    // keyboard users and tests reach the same way.
    auto *dialog = new QFileDialog(this, tr("Export Plot"));
    dialog->setObjectName(QStringLiteral("PlotExportDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({tr("PNG image (*.png)"), tr("SVG drawing (*.svg)"), tr("CSV table of the points (*.csv)")});
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString &chosen) {
        // A name typed without an ending gets the one of the chosen file type.
        QString path = chosen;
        if (QFileInfo(path).suffix().isEmpty()) {
            const QString filter = dialog->selectedNameFilter();
            const qsizetype star = filter.indexOf(QLatin1String("*."));
            path += QLatin1Char('.') + filter.mid(star + 2, 3);
        }
        QString why;
        if (!exportTo(path, &why))
            QMessageBox::warning(this, tr("Export Plot"), why);
    });
    dialog->open();
}

void ChartPanel::openSweep()
{
    if (!sweepWindow) {
        sweepWindow = new SweepWindow(this);
        sweepWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    sweepWindow->setInputs(current);
    sweepWindow->show();
    sweepWindow->raise();
    sweepWindow->activateWindow();
}

} // namespace nusselt::plot

extern "C" Q_DECL_EXPORT nusselt::plot::PlotPanel *nusselt_create_plot_panel(QWidget *parent)
{
    return new nusselt::plot::ChartPanel(parent);
}
