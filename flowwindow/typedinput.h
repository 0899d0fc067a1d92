#pragma once

// One typed input of the Flow Conditions window: its text box, its unit (a selector, or a fixed
// unit's caption for the properties of a fluid of one's own, typed in SI), its message line and
// its caption. It reads the text as a number in the chosen unit and answers in SI. When the unit
// changes it writes the text over in the new unit and keeps the exact SI value behind the text it
// wrote, so that changing units back and forth never loses digits.

#include "casefile.h"
#include "units.h"

#include <QString>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace nusselt::flowwindow {

QString fromView(std::string_view text);

// Fills a unit selector with the quantity's units, the SI one first and chosen, quietly.
void fillUnits(QComboBox *combo, physics::Quantity quantity);
// The unit chosen in a selector that fillUnits filled.
const physics::Unit &chosenUnit(const QComboBox *combo, physics::Quantity quantity);

class TypedInput
{
public:
    // unit: a QComboBox of the quantity's units, or the caption of a fixed unit. edited is called
    // after every change of the text or of the unit.
    TypedInput(QLineEdit *edit, QWidget *unit, QLabel *message, QLabel *label, physics::Quantity quantity,
               std::function<void()> edited);
    TypedInput(const TypedInput &) = delete;
    TypedInput &operator=(const TypedInput &) = delete;

    // The number typed, in SI; empty when the text is no number.
    std::optional<double> value() const;
    const physics::Unit &unit() const;

    // The text and unit symbol as a case file keeps them; and back, as entered: no conversion and
    // no call to edited.
    physics::TypedValue typed() const;
    void setTyped(const physics::TypedValue &typed);

    void setShown(bool shown);
    // The refusals of this input: shown under it, and given to screen readers with the field.
    void setMessage(const QString &text);

private:
    void unitChanged(int index);

    QLineEdit *edit;
    QWidget *unitWidget;
    QComboBox *unitBox; // nullptr for a fixed unit
    QLabel *message;
    QLabel *label;
    physics::Quantity quantity;
    int unitIndex = 0; // the unit the text is in
    std::function<void()> edited;
    QString writtenText;            // the text written after a change of unit ...
    std::optional<double> writtenSI; // ... and the exact value behind it
};

} // namespace nusselt::flowwindow
