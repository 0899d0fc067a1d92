#include "bankinputs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nusselt::flowwindow {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FlowConditions", text);
}

QComboBox *addChoice(Ui_FlowConditions &ui, QDialog *window, const char *key, const QString &caption,
                     const QString &name)
{
    const int row = ui.CaseGrid->rowCount();
    auto *label = new QLabel(caption, window);
    auto *box = new QComboBox(window);
    label->setObjectName(QLatin1String(key) + QStringLiteral("ChoiceLabel"));
    box->setObjectName(QLatin1String(key) + QStringLiteral("Choice"));
    label->setBuddy(box);
    box->setAccessibleName(name);
    box->setPlaceholderText(tr("not chosen"));
    ui.CaseGrid->addWidget(label, row, 0);
    ui.CaseGrid->addWidget(box, row, 1);
    return box;
}

// One row of the problem: caption, text box with its message line below, and the unit (a
// selector of lengths, or a caption for a number of tubes).
void addInput(Ui_FlowConditions &ui, QDialog *window, const char *key, const QString &caption, const QString &name,
              bool length)
{
    const QString k = QLatin1String(key);
    const int row = ui.ProblemGrid->rowCount();
    auto *label = new QLabel(caption, window);
    auto *edit = new QLineEdit(window);
    auto *message = new QLabel(window);
    QWidget *unit = length ? static_cast<QWidget *>(new QComboBox(window)) : new QLabel(window);
    label->setObjectName(k + QStringLiteral("Label"));
    edit->setObjectName(k + QStringLiteral("Edit"));
    unit->setObjectName(k + QStringLiteral("Unit"));
    message->setObjectName(k + QStringLiteral("Message"));
    label->setBuddy(edit);
    edit->setAccessibleName(name);
    if (length)
        unit->setAccessibleName(name + QStringLiteral(" unit"));
    message->setAccessibleName(name + QStringLiteral(" message"));
    edit->setMinimumWidth(ui.VelocityEdit->minimumWidth());
    message->setWordWrap(true);
    message->setStyleSheet(ui.VelocityMessage->styleSheet());
    message->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    message->hide();
    auto *cell = new QVBoxLayout;
    cell->setSpacing(2);
    cell->addWidget(edit);
    cell->addWidget(message);
    ui.ProblemGrid->addWidget(label, row, 0);
    ui.ProblemGrid->addLayout(cell, row, 1);
    ui.ProblemGrid->addWidget(unit, row, 2);
}

} // namespace

BankBoxes addBankWidgets(Ui_FlowConditions &ui, QDialog *window)
{
    BankBoxes boxes{addChoice(ui, window, "Arrangement", tr("Tu&be arrangement"), tr("Tube arrangement")),
                    addChoice(ui, window, "Section", tr("Section (&k)"), tr("Section"))};
    QWidget::setTabOrder(ui.SphereChoice, boxes.arrangement);
    QWidget::setTabOrder(boxes.arrangement, boxes.section);
    addInput(ui, window, "TransversePitch", tr("Transverse pitch S_T (&1)"), tr("Transverse pitch"), true);
    addInput(ui, window, "LongitudinalPitch", tr("Longitudinal pitch S_L (&2)"), tr("Longitudinal pitch"), true);
    addInput(ui, window, "Rows", tr("Rows N_L (&3)"), tr("Rows"), false);
    addInput(ui, window, "TubesPerRow", tr("Tubes per row N_T, optional (&4)"), tr("Tubes per row"), false);
    QWidget *previous = ui.HeatStartUnit;
    for (const char *key : {"TransversePitch", "LongitudinalPitch", "Rows", "TubesPerRow"}) {
        auto *edit = window->findChild<QLineEdit *>(QLatin1String(key) + QStringLiteral("Edit"));
        QWidget::setTabOrder(previous, edit);
        previous = edit;
        if (auto *unit = window->findChild<QComboBox *>(QLatin1String(key) + QStringLiteral("Unit"))) {
            QWidget::setTabOrder(previous, unit);
            previous = unit;
        }
    }
    return boxes;
}

QString lengthCaption(const Selection &s)
{
    if (s.isPlate())
        return tr("Plate le&ngth L");
    if (s.isTubeBank())
        return tr("Tube &diameter D");
    switch (s.section) {
    case Section::Square: return tr("Side &D, face to the flow");
    case Section::Hexagon: return tr("Width across flats &D");
    case Section::SquareCorner:
    case Section::HexagonCorner: return tr("Width corner to corner &D");
    case Section::Plate: return tr("Plate width across the flow &D");
    case Section::None: break;
    }
    return tr("&Diameter D");
}

} // namespace nusselt::flowwindow
