#pragma once

// The Flow Conditions window: the physical problem behind the calculator's dimensionless numbers.
//   its case choice, typed texts and units --> physics::Problem --physics::evaluate-->
//   physics::Evaluation --> properties, Re, Pr, every correlation's Nu, h, q'' and q, refusals
//   beside their fields (resultsview.h), and the plot.
// The window chooses its case in boxes of its own, kept in step with the calculator's choices both
// ways through the calculator's public members, and can write its Re, Pr, ... into the
// calculator ("Use in Calculator"). It holds no formula: every number comes from physics/flowcase.h.

#include "ui_flowconditions.h"

#include "casefile.h"
#include "flowcase.h"
#include "typedinput.h"

#include <QDialog>

#include <array>
#include <map>

class ExternalFlow;
class QComboBox;
namespace nusselt::plot {
class PlotPanel;
}

class FlowConditions : public QDialog
{
    Q_OBJECT

public:
    // Wires the calculator so that it can open the window: Ctrl+Shift+F, a "Flow Conditions…"
    // entry in every field's context menu, and tooltips that say so. Builds nothing of the
    // window itself: that happens on the first request.
    static void attachTo(ExternalFlow &calculator);
    // Shows the calculator's window, creating it on first use; raises it when already open.
    static FlowConditions *open(ExternalFlow &calculator);

    explicit FlowConditions(ExternalFlow &calculator);

    // The case chosen in the window's boxes (the calculator's, unless it lacks the geometry).
    const nusselt::Selection &selection() const { return chosen; }
    // The problem as the window states it now (SI), and what physics answered for it.
    nusselt::physics::Problem problem() const;
    const nusselt::physics::Evaluation &evaluation() const { return current; }

    // Everything as entered (case, texts, units, fluid); and back, the case chosen in both windows.
    nusselt::physics::CaseFile caseFile() const;
    void setCase(const nusselt::physics::CaseFile &caseFile);

    // The plot and sweep of the window's case (the plot module, loaded on first use).
    void openPlot();
    void openSweep();

    // Every unit selector set to the system's unit at once, and the properties shown in it; as
    // choosing SI or US under "Units" does.
    void useUnitSystem(nusselt::physics::UnitSystem system);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setUpChoices();
    void setUpHeatFluxInput();
    void setUpCustomFields();
    // Shows a selection in the boxes; choose() also makes it the calculator's.
    void showChoice(const nusselt::Selection &selection);
    void choose(const nusselt::Selection &selection);

    // Evaluates the problem once and shows everything from that one evaluation.
    void refresh();
    void showInputs();
    // Every refusal shown, also those of fields not typed in yet: what results that need the whole
    // problem (plot, sweep, a saved case) are missing.
    void revealMessages();
    nusselt::physics::UnitSystem unitSystem() const;
    void handToPlot();
    bool loadPlot();
    // The Fluid box: a kept fluid's table read when chosen, "From file…" imports one.
    void fluidIndexChanged(int index);
    void fluidActivated(int index);

    ExternalFlow &calculator;
    Ui_FlowConditions ui;
    std::array<QComboBox *, nusselt::allChoices.size()> choiceBoxes{}; // in the order of allChoices
    nusselt::Selection chosen;
    bool choosing = false; // the calculator's answer to the window's own choice is no news
    bool settingUnits = false; // one evaluation for all the selectors a system of units sets
    bool placed = false;       // opened within the screen once
    std::map<nusselt::physics::Field, nusselt::flowwindow::TypedInput> inputs;
    std::shared_ptr<const nusselt::physics::PropertyTable> fluidTable; // the kept fluid chosen
    int lastFluidIndex = 0; // the fluid before "From file…", chosen again when it is cancelled
    nusselt::physics::Problem stated;
    nusselt::physics::Evaluation current;
    nusselt::physics::Quantity rateQuantity = nusselt::physics::Quantity::HeatRatePerLength; // of HeatRateUnit
    QDialog *plotWindow = nullptr;
    nusselt::plot::PlotPanel *plotPanel = nullptr;
};
