// Memory of the sweep window against its number of steps, as the process's resident set
// (/proc/self/status): the window open on the cylinder in air with 10 steps is the baseline; then
// 100,000 steps shown, scrolled to the end and back; then 10 steps again. Goals: a peak under
// 60 MB with 100,000 steps, and the memory they took returned (within 2 MB of the baseline) once
// fewer steps are chosen. Prints the figures; exits 1 when a goal is missed.

#include "plotpanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QSpinBox>
#include <QTableView>

#include <cstdio>

using namespace nusselt;

namespace {

// A field of /proc/self/status in MiB: VmRSS (resident now) or VmHWM (its peak).
double statusMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(qstrlen(field)) + 1).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1.0;
}

// Starts a new peak at the present resident set (Linux: 5 to clear_refs).
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

plot::PlotInputs cylinderInAir()
{
    plot::PlotInputs in;
    in.problem.selection = Selection{Geometry::Cylinder};
    in.problem.velocity = 10.0;
    in.problem.length = 0.0127;
    in.problem.freeStreamTemperature = 299.35;
    in.problem.surfaceTemperature = 401.55;
    in.evaluation = physics::evaluate(in.problem);
    return in;
}

// The table shown with `count` steps, painted at its top and at its end.
void show(QDialog *sweep, int count)
{
    sweep->findChild<QSpinBox *>(QStringLiteral("SweepSteps"))->setValue(count);
    auto *table = sweep->findChild<QTableView *>(QStringLiteral("SweepTable"));
    QApplication::processEvents();
    sweep->repaint();
    table->scrollToBottom();
    QApplication::processEvents();
    sweep->repaint();
    table->scrollToTop();
    QApplication::processEvents();
    sweep->repaint();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget host;
    QString error;
    plot::PlotPanel *panel = plot::createPlotPanel(&host, &error, {QStringLiteral(NUSSELT_PLOT_BUILD_DIR)});
    if (!panel) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    host.resize(800, 520);
    host.show();
    panel->setInputs(cylinderInAir());
    panel->openSweep();
    auto *sweep = host.findChild<QDialog *>(QStringLiteral("SweepWindow"));
    if (!sweep)
        return 2;

    show(sweep, 10);
    const double baseline = statusMiB("VmRSS:");
    const bool peakReset = resetPeak();
    show(sweep, 100000);
    const double many = statusMiB("VmRSS:");
    const double peak = statusMiB("VmHWM:");
    show(sweep, 10);
    const double after = statusMiB("VmRSS:");

    const double peakGoal = 60.0, returnedGoal = 2.0;
    std::printf("sweep window, cylinder in air (offscreen)   resident MiB\n");
    std::printf("  10 steps (baseline)                       %6.1f\n", baseline);
    std::printf("  100,000 steps shown                       %6.1f  (+%.1f)\n", many, many - baseline);
    std::printf("  peak %-37s%6.1f  (goal: under %.0f)\n", peakReset ? "while they are shown" : "of the whole run", peak,
                peakGoal);
    std::printf("  10 steps again                            %6.1f  (+%.1f; goal: under +%.0f)\n", after,
                after - baseline, returnedGoal);
    return peak < peakGoal && after - baseline < returnedGoal ? 0 : 1;
}
