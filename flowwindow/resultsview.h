#pragma once

// What Flow Conditions shows of one evaluation: the summary (T_f, Re, Pr, Pr_s, mu/mu_s), the
// properties used at each reference temperature, every correlation's results and the notes
// under them, in the units chosen in the window. It writes widgets only: every number comes from
// the evaluation.

#include "flowcase.h"
#include "ui_flowconditions.h"

namespace nusselt::flowwindow {

struct ShownUnits {
    const physics::Unit &temperature;
    const physics::Unit &heatTransferCoefficient;
    const physics::Unit &heatFlux;
    const physics::Unit &heatRate; // per metre, or for a sphere the whole sphere's
    physics::UnitSystem properties;  // the fluid properties' units
};

// The tables' fixed parts: the property rows, the result columns, their sizing.
void setUpResults(Ui_FlowConditions &ui);

// The inputs still to enter, by their captions: said once above the results, none: nothing said.
void showMissing(Ui_FlowConditions &ui, const QStringList &captions);

void showResults(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &evaluation,
                 const ShownUnits &units);

} // namespace nusselt::flowwindow
