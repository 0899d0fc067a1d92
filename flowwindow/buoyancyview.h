#pragma once

// What Flow Conditions shows of buoyancy: the Grashof and Richardson numbers beside Re and Pr (or
// why a typed fluid has none), and for the cylinder and the sphere the free-convection Nusselt
// number. Widgets only: the numbers come from the evaluation (physics/buoyancy.h).

#include "flowcase.h"
#include "ui_flowconditions.h"

namespace nusselt::flowwindow {

void showBuoyancy(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &evaluation);

} // namespace nusselt::flowwindow
