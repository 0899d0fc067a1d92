#include "externalflow.h"

#include "accessiblecombo.h"

#include <QCoreApplication>
#include <QMenu>
#include <QShowEvent>

#include <array>
#include <vector>

using nusselt::Choice;

namespace {

// Each choice's combo box and its items for codes 1, 2, 3, in the order a user chooses.
struct FormChoice {
    Choice choice;
    QComboBox *Ui_ExternalFlow::*combo;
    std::array<const char *, 3> items;

    const char *item(int code) const { return code >= 1 && code <= 3 ? items[code - 1] : nullptr; }
};
const FormChoice kFormChoices[] = {
    {Choice::Geometry, &Ui_ExternalFlow::GeometryCombo, {"Flat Plate", "Cylinder", "Sphere"}},
    {Choice::Heat, &Ui_ExternalFlow::UniformTempCombo, {"Uniform Temp", "Uniform Flux", "Unheated Starting Length"}},
    {Choice::Flow, &Ui_ExternalFlow::TurbulantCombo, {"Laminar", "Turbulant", "Mixed Flow"}},
    {Choice::FluidType, &Ui_ExternalFlow::LiquidMetalCombo, {"Regular Fluid", "Liquid Metal", nullptr}},
    {Choice::Sphere, &Ui_ExternalFlow::SphereCombo, {"Regular Sphere", "Drops", nullptr}},
};

} // namespace

ExternalFlow::ExternalFlow(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    AccessibleNamedComboBox::install();
    ui.setupUi(this);
    ui.NoteEdit->setText(QStringLiteral("Choose Geometry"));
    geometryType = 1;
    heatCondition = 0;
    flowCondition = 0;
    fluidType = 0;
    sphereType = 0;
    // Real texts, not placeholders: they stay until the user types over them.
    ui.ReynoldsEdit->setText(QStringLiteral("Enter Reynolds #"));
    ui.PrandtlEdit->setText(QStringLiteral("Enter Prandtl #"));

    // Lay the window out once, not twice. show() polishes every widget and then lays them out
    // before any of them becomes visible; two things would each queue a second, identical pass:
    // - a combo box that sizes itself to its items on first show drops its size hint in its
    //   first show event and asks for a new layout. The items are final here and the font and
    //   style are settled before the first layout, so the hint it would recompute is the one
    //   the first pass used. Marking the combo boxes as shown once makes them keep it.
    // - the push button answers the polish request queued at its creation with a new layout;
    //   by the time that request is delivered, show() has long polished it.
    // Each choice is also announced, after its slot (connected by name in setupUi) has run.
    for (const FormChoice &f : kFormChoices) {
        QComboBox *combo = ui.*f.combo;
        QShowEvent shownOnce;
        QCoreApplication::sendEvent(combo, &shownOnce);
        connect(combo, &QComboBox::textActivated, this, [this] { emit selectionChanged(selection()); });
    }
    QCoreApplication::removePostedEvents(ui.Calculate, QEvent::PolishRequest);
}

bool ExternalFlow::offers(const nusselt::Selection &selection)
{
    return kFormChoices[0].item(codeOf(selection, Choice::Geometry)) != nullptr;
}

void ExternalFlow::setSelection(const nusselt::Selection &wanted)
{
    if (!offers(wanted))
        return;
    // The items to choose, in order; a user starts at the first that differs from the current
    // choice, or earlier while its box is still disabled (the choice before enables it).
    std::vector<const FormChoice *> items;
    std::size_t from = std::size(kFormChoices);
    for (const FormChoice &f : kFormChoices) {
        if (!f.item(codeOf(wanted, f.choice)) || !isAsked(wanted, f.choice))
            continue;
        if (from > items.size() && codeOf(wanted, f.choice) != codeOf(selection(), f.choice))
            from = items.size();
        items.push_back(&f);
    }
    if (from >= items.size())
        return;
    while (from > 0 && !(ui.*items[from]->combo)->isEnabled())
        --from;
    {
        // The slots run; the announcement of each single choice does not.
        const QSignalBlocker quiet(this);
        for (std::size_t i = from; i < items.size(); ++i) {
            QComboBox *combo = ui.*items[i]->combo;
            const QString text = QLatin1String(items[i]->item(codeOf(wanted, items[i]->choice)));
            const int index = combo->findText(text);
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            emit combo->textActivated(text);
        }
    }
    emit selectionChanged(selection());
}

void ExternalFlow::extendFieldMenus(const std::function<void(QMenu *)> &addEntries)
{
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, edit, [edit, addEntries](const QPoint &pos) {
            QMenu *menu = edit->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            addEntries(menu);
            menu->popup(edit->mapToGlobal(pos));
        });
    }
}

void ExternalFlow::setNumberTips(const QString &reynolds, const QString &prandtl)
{
    ui.ReynoldsEdit->setToolTip(reynolds);
    ui.PrandtlEdit->setToolTip(prandtl);
}

// The item texts compared below are the combo items of the form, character for character.
// Each slot writes one selection code, enables what the next step needs and writes its prompt;
// nothing ever resets a code to 0, so earlier choices stand when the user comes back.

void ExternalFlow::on_GeometryCombo_textActivated(QString str)
{
    if (str == QLatin1String("Flat Plate")) {
        geometryType = 1;
        ui.UniformTempCombo->setEnabled(true);
        ui.NoteEdit->setText(QStringLiteral("Choose Heat Flow Condition"));
        ui.ZhukauskasEdit->setText(QString());
        ui.SphereCombo->setEnabled(false);
        ui.NusseltEdit->setText(QString());
        ui.AverageNusseltEdit->setText(QString());
    }
    if (str == QLatin1String("Cylinder")) {
        // The shown Nusselt numbers stay: a cylinder result can be compared with a plate's.
        geometryType = 2;
        ui.NoteEdit->setText(QStringLiteral("Enter Prandtl number at surface temperature"));
        ui.Calculate->setEnabled(true);
        ui.TurbulantCombo->setEnabled(false);
        ui.LiquidMetalCombo->setEnabled(false);
        ui.SphereCombo->setEnabled(false);
        ui.PrandtlSurfaceEdit->setEnabled(true);
        ui.ZhukauskasEdit->setText(QString());
    }
    if (str == QLatin1String("Sphere")) {
        geometryType = 3;
        ui.SphereCombo->setEnabled(true);
        ui.TurbulantCombo->setEnabled(false);
        ui.LiquidMetalCombo->setEnabled(false);
        ui.NoteEdit->setText(QStringLiteral("Choose Regular Sphere or Drops"));
        ui.NusseltEdit->setText(QString());
        ui.AverageNusseltEdit->setText(QString());
        ui.ZhukauskasEdit->setText(QString());
    }
}

void ExternalFlow::on_UniformTempCombo_textActivated(QString str)
{
    if (str == QLatin1String("Uniform Temp")) {
        heatCondition = 1;
        ui.TurbulantCombo->setEnabled(true);
        if (flowCondition == 0)
            ui.NoteEdit->setText(QStringLiteral("Choose Flow Condition"));
        if (flowCondition == 1) {
            ui.LiquidMetalCombo->setEnabled(true);
            if (fluidType != 0) {
                ui.Calculate->setEnabled(true);
                ui.NoteEdit->setText(QStringLiteral("Calculate"));
            }
        }
    }
    if (str == QLatin1String("Uniform Flux")) {
        heatCondition = 2;
        ui.TurbulantCombo->setEnabled(true);
        ui.LiquidMetalCombo->setEnabled(false);
        ui.Calculate->setEnabled(false);
        ui.NoteEdit->setText(QStringLiteral("Choose Laminar or Turbulant"));
        if (flowCondition == 1 || flowCondition == 2)
            ui.Calculate->setEnabled(true);
    }
    if (str == QLatin1String("Unheated Starting Length")) {
        heatCondition = 3;
        ui.TurbulantCombo->setEnabled(true);
        ui.LiquidMetalCombo->setEnabled(false);
        // The flow prompt goes into the flow mirror; choosing a flow condition overwrites it.
        ui.TurbulantEdit->setText(QStringLiteral("Choose Laminar or Turbulant Flow"));
        ui.PlateLengthEdit->setEnabled(true);
        ui.HeatStartEdit->setEnabled(true);
        ui.LeadingEdgeEdit->setEnabled(true);
        ui.PlateLengthEdit->setText(QStringLiteral("Enter Plate Length in Flow Direction"));
        ui.HeatStartEdit->setText(QStringLiteral("Enter Distance to Heat"));
        ui.LeadingEdgeEdit->setText(QStringLiteral("Enter Distance to Leading Edge"));
    }
}

void ExternalFlow::on_TurbulantCombo_textActivated(QString str)
{
    if (str == QLatin1String("Laminar")) {
        flowCondition = 1;
        if (heatCondition == 1) {
            // Laminar flow at uniform temperature still needs the fluid type.
            ui.LiquidMetalCombo->setEnabled(true);
            ui.NoteEdit->setText(QStringLiteral("Choose Fluid Type"));
            ui.Calculate->setEnabled(false);
        }
        if (heatCondition == 2 || heatCondition == 3) {
            ui.Calculate->setEnabled(true);
            ui.NoteEdit->setText(QStringLiteral("Calculate Nusselt #"));
        }
    }
    if (str == QLatin1String("Turbulant")) {
        flowCondition = 2;
        ui.Calculate->setEnabled(true);
        ui.NoteEdit->setText(QStringLiteral("Calculate Nusselt #"));
        ui.LiquidMetalCombo->setEnabled(false);
    }
    if (str == QLatin1String("Mixed Flow")) {
        flowCondition = 3;
        ui.Calculate->setEnabled(true);
        ui.NoteEdit->setText(QStringLiteral("Calculate Nusselt #"));
        ui.LiquidMetalCombo->setEnabled(false);
    }
}

void ExternalFlow::on_LiquidMetalCombo_textActivated(QString str)
{
    if (str == QLatin1String("Regular Fluid"))
        fluidType = 1;
    if (str == QLatin1String("Liquid Metal"))
        fluidType = 2;
    ui.Calculate->setEnabled(true);
    ui.NoteEdit->setText(QStringLiteral("Calculate Nusselt #"));
}

void ExternalFlow::on_SphereCombo_textActivated(QString str)
{
    ui.Calculate->setEnabled(true);
    if (str == QLatin1String("Regular Sphere")) {
        // The two viscosities have no fields of their own: the user types them over these prompts.
        sphereType = 1;
        ui.NusseltEdit->setText(QStringLiteral("Set Mu Film Here"));
        ui.ZhukauskasEdit->setText(QStringLiteral("Set Surface Mu Here"));
        ui.NoteEdit->setText(QStringLiteral("Set Mu,Mus and Calculate"));
    } else {
        sphereType = 2;
        ui.NusseltEdit->setText(QString());
        ui.ZhukauskasEdit->setText(QString());
        ui.NoteEdit->setText(QStringLiteral("Calculate"));
    }
}
