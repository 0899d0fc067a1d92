#pragma once

// What the plot and sweep window tests share: the plot module loaded as the Flow Conditions window
// loads it, shown in a window of its own, and the cases they feed it.

#include "guitest.h"
#include "plotpanel.h"

#include <QVBoxLayout>

namespace plottest {

// The calculator's numbers for a cylinder: Re as given, Pr and Pr_s 0.7.
inline nusselt::plot::PlotInputs cylinderAt(double re)
{
    nusselt::plot::PlotInputs in;
    in.problem.selection = nusselt::selectionFromCodes(2, 0, 0, 0, 0);
    in.calculator.reynolds = re;
    in.calculator.prandtl = 0.7;
    in.calculator.prandtlSurface = 0.7;
    return in;
}

// Air across a 12.7 mm cylinder at 10 m/s, 26.2 °C, surface at 128.4 °C, evaluated as the window does.
inline nusselt::plot::PlotInputs cylinderInAir()
{
    nusselt::plot::PlotInputs in = cylinderAt(6000);
    in.problem.velocity = 10.0;
    in.problem.length = 0.0127;
    in.problem.freeStreamTemperature = 26.2 + 273.15;
    in.problem.surfaceTemperature = 128.4 + 273.15;
    in.evaluation = nusselt::physics::evaluate(in.problem);
    return in;
}

// The panel from the module in the build tree, filling `host`, shown; nullptr when it cannot be loaded.
inline nusselt::plot::PlotPanel *loadInto(QWidget &host)
{
    QString error;
    nusselt::plot::PlotPanel *panel =
        nusselt::plot::createPlotPanel(&host, &error, {QStringLiteral(NUSSELT_PLOT_BUILD_DIR)});
    if (!panel) {
        qWarning("%s", qPrintable(error));
        return nullptr;
    }
    auto *layout = new QVBoxLayout(&host);
    layout->addWidget(panel->widget());
    host.resize(800, 560);
    host.show();
    return QTest::qWaitForWindowExposed(&host) ? panel : nullptr;
}

} // namespace plottest
