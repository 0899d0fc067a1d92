#pragma once

// The Flow Conditions window: the physical problem behind the calculator's dimensionless numbers.
//   typed texts and units --> physics::Problem --physics::evaluate--> physics::Evaluation
//   --> properties, Re, Pr, every correlation's Nu, h, q'' and q, refusals beside their fields.
// The window follows the case chosen in the calculator and can write its Re, Pr, ... there
// ("Use in Calculator"). It holds no formula: every number comes from physics/flowcase.h.

#include "ui_flowconditions.h"

#include "casefile.h"
#include "flowcase.h"

#include <QDialog>
#include <QPointer>

#include <map>
#include <optional>

class ExternalFlow;
class QComboBox;
class QPushButton;
namespace nusselt::plot {
class PlotPanel;
struct PlotInputs;
}
class QLabel;
class QLineEdit;

class FlowConditions : public QDialog
{
    Q_OBJECT

public:
    // Wires the calculator so that it can open the window: Ctrl+Shift+F, a "Flow Conditions…"
    // entry in every line edit's context menu, and tooltips that say so. Builds nothing of the
    // window itself: that happens on the first request.
    static void attachTo(ExternalFlow &calculator);
    // Shows the calculator's window, creating it on first use; raises it when already open.
    static FlowConditions *open(ExternalFlow &calculator);

    explicit FlowConditions(ExternalFlow &calculator);

    // The problem as the fields state it now (SI), and what physics answers for it.
    nusselt::physics::Problem problem() const;
    const nusselt::physics::Evaluation &evaluation() const { return current; }

    // Everything as entered (texts, units, fluid) with the calculator's choices; and back.
    nusselt::physics::CaseFile caseFile() const;
    void setCase(const nusselt::physics::CaseFile &caseFile);

    // The plot and sweep of the window's case (the plot module, loaded on first use).
    void openPlot();
    void openSweep();

private slots:
    void refresh();
    void useInCalculator();
    void saveCase();
    void openCase();

private:
    // One typed input: its text box, unit selector and message line. Remembers the exact SI value
    // behind a text the window wrote itself after a unit change, so that changing units back and
    // forth never loses digits.
    struct Input {
        QLineEdit *edit = nullptr;
        QComboBox *unit = nullptr; // none for a fluid's typed properties (fixed SI units)
        QLabel *message = nullptr;
        QLabel *label = nullptr;
        nusselt::physics::Quantity quantity = nusselt::physics::Quantity::Velocity;
        int unitIndex = 0;
        QString writtenText;
        std::optional<double> writtenSI;
    };

    void setUpInput(nusselt::physics::Field field, QLineEdit *edit, QComboBox *unit, QLabel *message,
                    QLabel *label, nusselt::physics::Quantity quantity);
    void setUpCustomFields();
    void fillUnits(QComboBox *combo, nusselt::physics::Quantity quantity);
    void unitChanged(nusselt::physics::Field field, int index);
    std::optional<double> read(nusselt::physics::Field field) const;
    const nusselt::physics::Unit &unitOf(nusselt::physics::Field field) const;
    const nusselt::physics::Unit &outputUnit(const QComboBox *combo, nusselt::physics::Quantity q) const;

    void showCase(const nusselt::Selection &selection);
    void showMessages();
    void showSummary();
    void showProperties();
    void showResults();
    void showNotes();

    QString temperatureText(double kelvin) const;
    void setTyped(nusselt::physics::Field field, const nusselt::physics::TypedValue &value);

    nusselt::plot::PlotInputs plotInputs(const nusselt::physics::Problem &problem) const;
    bool loadPlot();

    ExternalFlow &calculator;
    QPushButton *plotButton = nullptr;
    QPushButton *sweepButton = nullptr;
    QLabel *plotMessage = nullptr;
    QDialog *plotWindow = nullptr;
    nusselt::plot::PlotPanel *plotPanel = nullptr;
    Ui_FlowConditions ui;
    std::map<nusselt::physics::Field, Input> inputs;
    nusselt::physics::Evaluation current;
    nusselt::physics::RateKind rateUnitsFor = nusselt::physics::RateKind::PerLength;
};
