#pragma once

// The widgets of the Flow Conditions window that only tube banks and non-circular cylinders use:
// the boxes of the arrangement and the section (below the calculator's five choices), and the
// bank's pitches (each with a length unit) and numbers of rows and tubes, in the rows of the
// problem below the unheated length. Named as the form's own ("TransversePitchEdit", ...), so
// that the window finds them as it finds those.

#include "choices.h"
#include "ui_flowconditions.h"

class QComboBox;
class QDialog;

namespace nusselt::flowwindow {

struct BankBoxes {
    QComboBox *arrangement;
    QComboBox *section;
};
BankBoxes addBankWidgets(Ui_FlowConditions &ui, QDialog *window);

// The caption of the length input for the case: plate length, diameter, a section's width.
QString lengthCaption(const Selection &selection);

} // namespace nusselt::flowwindow
