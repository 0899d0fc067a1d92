#pragma once

// The plot panel: Nu against Re (log-log) or, with a physical problem, h against velocity, one
// colour per correlation, solid inside its published validity range and dashed outside, the
// operating point marked on each. Curves come from physics/curves.h; this class only moves their
// points into Qt Charts series, which it creates once and then updates with replace().

#include "plotpanel.h"

#include "curves.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
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

private:
    // The series of one correlation of the case, at its position in the case's list.
    struct Line {
        std::vector<QLineSeries *> runs[2]; // dashed (outside the range) and solid, by `inside`
        QScatterSeries *marker = nullptr;
        QString label;
        std::vector<physics::CurvePoint> samples; // the curve's points in order, once each
    };

    bool showsCoefficient() const;
    void redraw();
    Line &line(std::size_t position);
    QLineSeries *segmentSeries(std::size_t position, bool inside, std::size_t index);
    void attach(QXYSeries *series, std::size_t position);
    void describeForScreenReaders(const std::vector<physics::Curve> &curves);
    void exportDialog();
    QString csv() const;

    PlotInputs current;
    QComboBox *mode = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *sweepButton = nullptr;
    QLabel *notice = nullptr;
    QChart *chart = nullptr;
    QChartView *view = nullptr;
    QLogValueAxis *axisX = nullptr;
    QLogValueAxis *axisY = nullptr;
    std::vector<Line> lines;
    QPointer<SweepWindow> sweepWindow;
};

} // namespace nusselt::plot
