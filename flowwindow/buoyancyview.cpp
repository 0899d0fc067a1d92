#include "buoyancyview.h"

#include "typedinput.h"

#include <QCoreApplication>

#include <cmath>

namespace nusselt::flowwindow {

void showBuoyancy(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &e)
{
    const auto number = [](const std::optional<double> &v, int digits) {
        return v && std::isfinite(*v) ? QString::number(*v, 'g', digits) : QString();
    };
    ui.GrashofValue->setText(number(e.grashof, 5));
    // A typed fluid without the densities that tell beta: said in the field, never a made-up number.
    ui.GrashofValue->setPlaceholderText(fromView(e.buoyancyNote));
    ui.GrashofValue->setToolTip(fromView(e.buoyancyNote));
    ui.RichardsonValue->setText(number(e.richardson, 5));
    QString free;
    if (e.freeConvection) {
        const FreeConvection &f = *e.freeConvection;
        free = QCoreApplication::translate("FlowConditions", "%1 (%2, Ra = %3)")
                   .arg(QString::number(f.nusselt, 'g', 5), fromView(f.name), QString::number(f.rayleigh, 'g', 4));
        if (!f.outsideRange.empty())
            free += QStringLiteral(" ⚠ ") + QString::fromStdString(f.outsideRange.front());
    }
    ui.FreeConvectionValue->setText(free);
    ui.FreeConvectionValue->setCursorPosition(0);
    ui.SummaryForm->setRowVisible(ui.FreeConvectionValue, selection.isCylinder() || selection.isSphere());
}

} // namespace nusselt::flowwindow
