// One plot update of the cylinder (four correlations, each solid inside its range and dashed
// outside) as the window asks for it on every keystroke, beside the Qt-free curve sampling alone;
// the same in the h-against-velocity view, which evaluates the physical problem per sample. And
// sweeps of 1000 steps, dimensionless and physical. Goal: an update well under 5 ms.

#include "curves.h"
#include "offscreenmain.h"
#include "plotpanel.h"
#include "sweep.h"

#include <QApplication>
#include <QComboBox>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

using namespace nusselt;

namespace {

plot::PlotInputs cylinder(double re)
{
    plot::PlotInputs in;
    in.calculator.reynolds = re;
    in.calculator.prandtl = 0.7;
    in.calculator.prandtlSurface = 0.7;
    physics::Problem &p = in.problem;
    p.selection = Selection{Geometry::Cylinder};
    p.velocity = re / 600.0; // about Re 6000 at 10 m/s across 12.7 mm of air
    p.length = 0.0127;
    p.freeStreamTemperature = 299.35;
    p.surfaceTemperature = 401.55;
    in.evaluation = physics::evaluate(p); // the window's one evaluation per edit
    return in;
}

struct Panel {
    QWidget host;
    plot::PlotPanel *panel = nullptr;
    Panel()
    {
        QString error;
        panel = plot::createPlotPanel(&host, &error, {QStringLiteral(NUSSELT_PLOT_BUILD_DIR)});
        if (!panel)
            qFatal("%s", qPrintable(error));
        panel->widget()->resize(800, 520);
        host.resize(800, 520);
        host.show();
        QApplication::processEvents();
    }
};

Panel &panel()
{
    static Panel p;
    return p;
}

// Qt-free: the four curves' points for the Nu-Re view.
void curvesOnly(benchmark::State &state)
{
    double re = 6000;
    for (auto _ : state) {
        re = re == 6000 ? 6100 : 6000;
        const auto op = physics::operatingPoints(Selection{Geometry::Cylinder}, cylinder(re).calculator);
        auto curves = physics::nusseltCurves(op, physics::reynoldsSpan(op), 160);
        benchmark::DoNotOptimize(curves);
    }
}
BENCHMARK(curvesOnly)->Unit(benchmark::kMicrosecond);

// The whole update: curves, replace() on each series, axes, and the repaint that follows.
void updateAndPaint(benchmark::State &state, int view)
{
    Panel &p = panel();
    auto *mode = p.panel->widget()->findChild<QComboBox *>(QStringLiteral("PlotMode"));
    p.panel->setInputs(cylinder(6000));
    mode->setCurrentIndex(view);
    QApplication::processEvents();
    double re = 6000;
    for (auto _ : state) {
        re = re == 6000 ? 6100 : 6000;
        p.panel->setInputs(cylinder(re));
        p.panel->widget()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(updateAndPaint, nu_against_re, 0)->Unit(benchmark::kMillisecond);

// Baselines: the update without its repaint, and a repaint of an unchanged chart.
void updateOnly(benchmark::State &state)
{
    Panel &p = panel();
    p.panel->setInputs(cylinder(6000));
    QApplication::processEvents();
    double re = 6000;
    for (auto _ : state) {
        re = re == 6000 ? 6100 : 6000;
        p.panel->setInputs(cylinder(re));
    }
    QApplication::processEvents();
}
BENCHMARK(updateOnly)->Unit(benchmark::kMillisecond);

void paintOnly(benchmark::State &state)
{
    Panel &p = panel();
    p.panel->setInputs(cylinder(6000));
    QApplication::processEvents();
    for (auto _ : state) {
        p.panel->widget()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(paintOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(updateAndPaint, h_against_velocity, 1)->Unit(benchmark::kMillisecond);

// A sweep evaluates a row when it is shown or saved: here every row once, as Save CSV… does.
void evaluateRows(const physics::Sweep &t)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        auto row = t.row(i);
        benchmark::DoNotOptimize(row);
    }
}

void sweepDimensionless(benchmark::State &state)
{
    const auto values = physics::spacedValues(1, 1e6, 1000, true);
    const Inputs in = cylinder(6000).calculator;
    for (auto _ : state)
        evaluateRows(physics::Sweep(Selection{Geometry::Cylinder}, in, physics::SweepInput::Reynolds, values));
}
BENCHMARK(sweepDimensionless)->Unit(benchmark::kMillisecond);

void sweepPhysical(benchmark::State &state)
{
    const auto values = physics::spacedValues(280, 380, 1000, false);
    const physics::Problem p = cylinder(6000).problem;
    for (auto _ : state)
        evaluateRows(physics::Sweep(p, physics::SweepInput::SurfaceTemperature, values));
}
BENCHMARK(sweepPhysical)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
