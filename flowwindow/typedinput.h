#pragma once

// One typed input of the Flow Conditions window: its text box, its unit (a selector, or a fixed
// unit's caption for the properties of a fluid of one's own, typed in SI), its message line and
// its caption. It reads the text as a number in the chosen unit and answers in SI. When the unit
// changes it writes the text over in the new unit and keeps the exact SI value behind the text it
// wrote, so that changing units back and forth never loses digits. Its refusals show once the
// user has typed in it (or the window shows them all), or when it holds a text the user did not
// type (a prefilled pressure, an opened case): an empty field nobody touched is only missing.

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

    // Chooses a unit of the selector as the user would: the text is written over in it.
    void setUnit(const physics::Unit &unit);

    void setShown(bool shown);
    bool shown() const;
    // The refusals of this input: shown under it, and given to screen readers with the field,
    // once the user has edited it, it holds a text, or reveal() was called.
    void setMessage(const QString &text);
    void reveal() { touched = true; }
    // Shown, with a refusal held back because nothing was typed: what the user has still to enter.
    bool missing() const;
    // The caption without its mnemonic ("Velocity V").
    QString caption() const;

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
    bool touched = false;            // typed in by the user, or revealed
    bool refused = false;            // a refusal waits for it
};

} // namespace nusselt::flowwindow
