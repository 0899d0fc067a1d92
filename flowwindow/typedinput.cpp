#include "typedinput.h"

#include "numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <utility>

namespace nusselt::flowwindow {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void fillUnits(QComboBox *combo, physics::Quantity quantity)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const physics::Unit &u : physics::unitsOf(quantity))
        combo->addItem(fromView(u.symbol));
    combo->setCurrentIndex(0);
}

const physics::Unit &chosenUnit(const QComboBox *combo, physics::Quantity quantity)
{
    const auto &units = physics::unitsOf(quantity);
    const auto i = static_cast<std::size_t>(std::max(0, combo->currentIndex()));
    return i < units.size() ? units[i] : units.front();
}

TypedInput::TypedInput(QLineEdit *edit_, QWidget *unit_, QLabel *message_, QLabel *label_,
                       physics::Quantity quantity_, std::function<void()> edited_)
    : edit(edit_), unitWidget(unit_), unitBox(qobject_cast<QComboBox *>(unit_)), message(message_), label(label_),
      quantity(quantity_), edited(std::move(edited_))
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { touched = true; });
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { edited(); });
    if (unitBox) {
        fillUnits(unitBox, quantity);
        QObject::connect(unitBox, &QComboBox::currentIndexChanged, edit, [this](int index) { unitChanged(index); });
    }
}

const physics::Unit &TypedInput::unit() const
{
    return physics::unitsOf(quantity).at(static_cast<std::size_t>(unitIndex));
}

std::optional<double> TypedInput::value() const
{
    const QString text = edit->text();
    if (writtenSI && text == writtenText)
        return writtenSI;
    const QByteArray utf8 = text.toUtf8();
    const std::optional<double> typed = readNumber(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (!typed || !unitBox)
        return typed;
    return physics::toSI(unit(), *typed);
}

void TypedInput::unitChanged(int index)
{
    if (index < 0)
        return;
    const std::optional<double> si = value(); // still in the unit chosen before
    unitIndex = index;
    if (si && std::isfinite(*si)) {
        // Ten digits read well; the exact value stays behind the text until the user edits it.
        writtenText = QString::number(physics::fromSI(unit(), *si), 'g', 10);
        writtenSI = si;
        if (edit->text() != writtenText) {
            edit->setText(writtenText); // edited through textChanged
            return;
        }
    }
    edited();
}

physics::TypedValue TypedInput::typed() const
{
    return {edit->text().toStdString(), unitBox ? unitBox->currentText().toStdString() : std::string()};
}

void TypedInput::setTyped(const physics::TypedValue &typed)
{
    if (unitBox) {
        int index = 0;
        if (const auto u = physics::findUnit(quantity, typed.unit))
            index = std::max(0, unitBox->findText(fromView(u->symbol)));
        const QSignalBlocker quiet(unitBox);
        unitBox->setCurrentIndex(index);
        unitIndex = index;
    }
    writtenSI.reset();
    writtenText.clear();
    const QSignalBlocker quiet(edit);
    edit->setText(QString::fromStdString(typed.text));
}

void TypedInput::setUnit(const physics::Unit &u)
{
    if (unitBox)
        unitBox->setCurrentIndex(std::max(0, unitBox->findText(fromView(u.symbol))));
}

bool TypedInput::shown() const
{
    return edit->isVisibleTo(edit->window());
}

bool TypedInput::missing() const
{
    return refused && shown() && !message->isVisibleTo(message->window());
}

QString TypedInput::caption() const
{
    return QString(label->text()).remove(QLatin1Char('&'));
}

void TypedInput::setShown(bool shown)
{
    label->setVisible(shown);
    edit->setVisible(shown);
    unitWidget->setVisible(shown);
    if (!shown)
        message->hide();
}

void TypedInput::setMessage(const QString &text)
{
    refused = !text.isEmpty();
    const bool said = refused && (touched || !edit->text().isEmpty());
    message->setText(said ? text : QString());
    message->setVisible(said && shown());
    edit->setAccessibleDescription(said ? text : QString());
}

} // namespace nusselt::flowwindow
