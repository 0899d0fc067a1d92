#pragma once

// The plot panel: Nu against Re (log-log) or, with a physical problem, h against velocity, one
// colour per correlation, solid inside its published validity range and dashed outside, the
// operating point marked on each. Curves come from physics/curves.h; this class only moves their
// points into Qt Charts series, which it creates once and then updates with replace().

#include "plotpanel.h"

#include "curves.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QLogValueAxis;
class QPushButton;
class QScatterSeries;
class QXYSeries;

namespace nusselt::plot {

class SweepWindow;

class ChartPanel : public QWidget, public PlotPanel
{
    Q_OBJECT

public:
    explicit ChartPanel(QWidget *parent = nullptr);
    ~ChartPanel() override;

    QWidget *widget() override { return this; }
    void setInputs(const PlotInputs &inputs) override;
    void openSweep() override;
    bool exportTo(const QString &path, QString *error) override;

    // Samples along each curve, and what hovering near `x` on the curve at `position` says.
    QString tooltipAt(int position, double x) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // One end of an axis as the user types it: blank for automatic; a refusal shown beside it.
    struct AxisEnd {
        QLineEdit *edit = nullptr;
        QLabel *message = nullptr;
    };
    // The series of one correlation of the case, at its position in the case's list.
    struct Line {
        std::vector<QLineSeries *> runs[2]; // dashed (outside the range) and solid, by `inside`
        QScatterSeries *marker = nullptr;
        QString label;
        std::vector<physics::CurvePoint> samples; // the curve's points in order, once each
    };

    // The ends typed for an axis (0: x, 1: y), in the chart's units: an end left blank or refused
    // is automatic (each refusal said beside its field), and both are when they make no span with
    // `automatic`.
    struct TypedEnds {
        std::optional<double> lo, hi;
    };

    bool showsCoefficient() const;
    void redraw();
    TypedEnds typedEnds(int axis, const physics::Span &automatic);
    Line &line(std::size_t position);
    QLineSeries *segmentSeries(std::size_t position, bool inside, std::size_t index);
    void attach(QXYSeries *series, std::size_t position);
    void describeForScreenReaders(const std::vector<physics::Curve> &curves);
    void exportDialog();
    std::string csv() const;

    PlotInputs current;
    QComboBox *mode = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *sweepButton = nullptr;
    QLabel *notice = nullptr;
    AxisEnd ends[4]; // x from, x to, y from, y to
    // What was typed for the ends in each view (Nu against Re, h against velocity).
    QString typedTexts[2][4];
    int viewShown = 0;
    bool placed = false; // the window kept on the screen when first shown
    QChart *chart = nullptr;
    QChartView *view = nullptr;
    QLogValueAxis *axisX = nullptr;
    QLogValueAxis *axisY = nullptr;
    std::vector<Line> lines;
    QPointer<SweepWindow> sweepWindow;
};

} // namespace nusselt::plot
