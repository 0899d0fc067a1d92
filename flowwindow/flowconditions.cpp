#include "flowconditions.h"

#include "bankinputs.h"
#include "casefileio.h"
#include "externalflow.h"
#include "fluidbox.h"
#include "fluidstore.h"
#include "onscreen.h"
#include "plotpanel.h"
#include "resultsview.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace physics = nusselt::physics;
using nusselt::Choice;
using nusselt::flowwindow::chosenUnit;
using nusselt::flowwindow::fromView;
using physics::Field;
using physics::Quantity;

namespace {

const QKeySequence kOpenKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_F);

// The inputs typed with a unit beside them: the name their widgets' names start with, what they
// measure, and where each goes in the problem and in a case file.
struct TypedField {
    Field field;
    const char *key; // widgets key + "Edit", "Unit", "Message", "Label"
    Quantity quantity;
    std::optional<double> physics::Problem::*value;
    physics::TypedValue physics::CaseFile::*typed;
};
const TypedField kTypedFields[] = {
    {Field::Velocity, "Velocity", Quantity::Velocity, &physics::Problem::velocity, &physics::CaseFile::velocity},
    {Field::Length, "Length", Quantity::Length, &physics::Problem::length, &physics::CaseFile::length},
    {Field::FreeStreamTemperature, "FreeStreamTemperature", Quantity::Temperature,
     &physics::Problem::freeStreamTemperature, &physics::CaseFile::freeStreamTemperature},
    {Field::SurfaceTemperature, "SurfaceTemperature", Quantity::Temperature, &physics::Problem::surfaceTemperature,
     &physics::CaseFile::surfaceTemperature},
    {Field::Pressure, "Pressure", Quantity::Pressure, &physics::Problem::pressure, &physics::CaseFile::pressure},
    {Field::Distance, "Distance", Quantity::Length, &physics::Problem::distance, &physics::CaseFile::distance},
    {Field::HeatStart, "HeatStart", Quantity::Length, &physics::Problem::heatStart, &physics::CaseFile::heatStart},
    {Field::HeatFlux, "HeatFluxInput", Quantity::HeatFlux, &physics::Problem::heatFlux, &physics::CaseFile::heatFlux},
    // A tube bank's (bankinputs.h); its numbers of tubes have no unit to choose.
    {Field::TransversePitch, "TransversePitch", Quantity::Length, &physics::Problem::transversePitch,
     &physics::CaseFile::transversePitch},
    {Field::LongitudinalPitch, "LongitudinalPitch", Quantity::Length, &physics::Problem::longitudinalPitch,
     &physics::CaseFile::longitudinalPitch},
    {Field::Rows, "Rows", Quantity::Length, &physics::Problem::rows, &physics::CaseFile::rows},
    {Field::TubesPerRow, "TubesPerRow", Quantity::Length, &physics::Problem::tubesPerRow,
     &physics::CaseFile::tubesPerRow},
};

// The properties of a fluid of one's own, typed in fixed SI units: widgets made here, named as
// above.
struct CustomField {
    Field field;
    const char *key;
    const char *unit;
};
const CustomField kCustomFields[] = {
    {Field::FilmDensity, "FilmDensity", "kg/m³"},
    {Field::FilmViscosity, "FilmViscosity", "Pa·s"},
    {Field::FilmConductivity, "FilmConductivity", "W/(m·K)"},
    {Field::FilmSpecificHeat, "FilmSpecificHeat", "J/(kg·K)"},
    {Field::FreeStreamDensity, "FreeStreamDensity", "kg/m³"},
    {Field::FreeStreamViscosity, "FreeStreamViscosity", "Pa·s"},
    {Field::FreeStreamConductivity, "FreeStreamConductivity", "W/(m·K)"},
    {Field::FreeStreamSpecificHeat, "FreeStreamSpecificHeat", "J/(kg·K)"},
    {Field::SurfacePrandtl, "SurfacePrandtl", ""},
    {Field::SurfaceViscosity, "SurfaceViscosity", "Pa·s"},
};

// One standard atmosphere in the pressure's default unit, as a fresh window shows it: "101.325".
std::string standardPressureText()
{
    return QString::number(physics::fromSI(physics::defaultUnit(Quantity::Pressure), physics::si::atmosphere), 'g', 10)
        .toStdString();
}

} // namespace

void FlowConditions::attachTo(ExternalFlow &calculator)
{
    auto *shortcut = new QShortcut(kOpenKeys, &calculator);
    QObject::connect(shortcut, &QShortcut::activated, &calculator, [&calculator] { open(calculator); });

    calculator.extendFieldMenus([&calculator](QMenu *menu) {
        menu->addSeparator();
        QAction *entry = menu->addAction(tr("Flow Conditions…"));
        entry->setShortcut(kOpenKeys);
        QObject::connect(entry, &QAction::triggered, &calculator, [&calculator] { open(calculator); });
    });
    calculator.setNumberTips(tr("Type the Reynolds number, or compute it from the physical problem in Flow "
                                "Conditions (Ctrl+Shift+F or right-click)"),
                             tr("Type the Prandtl number, or compute it from the physical problem in Flow "
                                "Conditions (Ctrl+Shift+F or right-click)"));
}

FlowConditions *FlowConditions::open(ExternalFlow &calculator)
{
    auto *window = calculator.findChild<FlowConditions *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new FlowConditions(calculator);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

FlowConditions::FlowConditions(ExternalFlow &calc)
    : QDialog(&calc), calculator(calc)
{
    ui.setupUi(this);
    setModal(false);

    setUpHeatFluxInput();
    nusselt::flowwindow::addBankWidgets(ui, this);
    for (const TypedField &t : kTypedFields) {
        const QString key = QLatin1String(t.key);
        inputs.try_emplace(t.field, findChild<QLineEdit *>(key + QStringLiteral("Edit")),
                           findChild<QWidget *>(key + QStringLiteral("Unit")),
                           findChild<QLabel *>(key + QStringLiteral("Message")),
                           findChild<QLabel *>(key + QStringLiteral("Label")), t.quantity, [this] { refresh(); });
    }
    setUpCustomFields();

    nusselt::flowwindow::fillUnits(ui.HeatTransferCoefficientUnit, Quantity::HeatTransferCoefficient);
    nusselt::flowwindow::fillUnits(ui.HeatFluxUnit, Quantity::HeatFlux);
    nusselt::flowwindow::fillUnits(ui.HeatRateUnit, rateQuantity);
    for (QComboBox *combo : {ui.HeatTransferCoefficientUnit, ui.HeatFluxUnit, ui.HeatRateUnit})
        connect(combo, &QComboBox::currentIndexChanged, this, &FlowConditions::refresh);
    nusselt::flowwindow::addTableItems(ui.FluidCombo);
    connect(ui.FluidCombo, &QComboBox::currentIndexChanged, this, &FlowConditions::fluidIndexChanged);
    connect(ui.FluidCombo, &QComboBox::activated, this, &FlowConditions::fluidActivated);
    nusselt::flowwindow::setUpResults(ui);
    // Chosen again, the system sets again what was changed since; the items are in enum order.
    connect(ui.UnitSystemChoice, &QComboBox::activated, this,
            [this](int index) { useUnitSystem(static_cast<physics::UnitSystem>(index)); });

    connect(ui.UseInCalculator, &QPushButton::clicked, this, [this] {
        if (current.calculatorInputs)
            calculator.setInputs(*current.calculatorInputs);
    });
    connect(ui.CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(ui.SaveCase, &QPushButton::clicked, this, [this] {
        revealMessages();
        nusselt::flowwindow::saveCase(this, caseFile());
    });
    connect(ui.OpenCase, &QPushButton::clicked, this, [this] {
        if (const auto c = nusselt::flowwindow::openCase(this))
            setCase(*c);
    });

    connect(ui.PlotButton, &QPushButton::clicked, this, &FlowConditions::openPlot);
    connect(ui.SweepButton, &QPushButton::clicked, this, &FlowConditions::openSweep);

    setUpChoices();

    // Pressure prefilled with one standard atmosphere in the default unit; the first refresh
    // comes with it, once every selector is filled.
    ui.PressureEdit->setText(QString::fromStdString(standardPressureText()));
}

// The uniform-flux plate is given its heat flux where the other cases take the surface
// temperature: the same row of the form, one of the two shown.
void FlowConditions::setUpHeatFluxInput()
{
    auto *label = new QLabel(tr("Heat flux &q″"), this);
    auto *edit = new QLineEdit(this);
    auto *unit = new QComboBox(this);
    auto *message = new QLabel(this);
    label->setObjectName(QStringLiteral("HeatFluxInputLabel"));
    edit->setObjectName(QStringLiteral("HeatFluxInputEdit"));
    unit->setObjectName(QStringLiteral("HeatFluxInputUnit"));
    message->setObjectName(QStringLiteral("HeatFluxInputMessage"));
    label->setBuddy(edit);
    edit->setAccessibleName(tr("Heat flux"));
    unit->setAccessibleName(tr("Heat flux unit"));
    message->setAccessibleName(tr("Heat flux message"));
    edit->setMinimumWidth(ui.SurfaceTemperatureEdit->minimumWidth());
    message->setWordWrap(true);
    message->setStyleSheet(ui.SurfaceTemperatureMessage->styleSheet());
    message->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    message->hide();
    auto *cell = new QVBoxLayout;
    cell->setSpacing(2);
    cell->addWidget(edit);
    cell->addWidget(message);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    ui.ProblemGrid->getItemPosition(ui.ProblemGrid->indexOf(ui.SurfaceTemperatureLabel), &row, &column, &rowSpan,
                                    &columnSpan);
    ui.ProblemGrid->addWidget(label, row, 0);
    ui.ProblemGrid->addLayout(cell, row, 1);
    ui.ProblemGrid->addWidget(unit, row, 2);
    setTabOrder(ui.SurfaceTemperatureUnit, edit);
    setTabOrder(edit, unit);
}

void FlowConditions::setUpCustomFields()
{
    int row = 0;
    for (const CustomField &c : kCustomFields) {
        const QString key = QLatin1String(c.key);
        const QString name = fromView(physics::fieldName(c.field));
        auto *label = new QLabel(name, ui.CustomGroup);
        auto *edit = new QLineEdit(ui.CustomGroup);
        auto *unit = new QLabel(QString::fromUtf8(c.unit), ui.CustomGroup);
        auto *message = new QLabel(ui.CustomGroup);
        label->setObjectName(key + QStringLiteral("Label"));
        edit->setObjectName(key + QStringLiteral("Edit"));
        unit->setObjectName(key + QStringLiteral("Unit"));
        message->setObjectName(key + QStringLiteral("Message"));
        label->setBuddy(edit);
        edit->setAccessibleName(name);
        message->setAccessibleName(name + QStringLiteral(" message"));
        message->setWordWrap(true);
        message->setStyleSheet(ui.VelocityMessage->styleSheet());
        message->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        message->hide();
        auto *cell = new QVBoxLayout;
        cell->setSpacing(2);
        cell->addWidget(edit);
        cell->addWidget(message);
        ui.CustomGrid->addWidget(label, row, 0);
        ui.CustomGrid->addLayout(cell, row, 1);
        ui.CustomGrid->addWidget(unit, row, 2);
        ++row;
        // Fixed SI units: no quantity to convert.
        inputs.try_emplace(c.field, edit, unit, message, label, Quantity{}, [this] { refresh(); });
    }
}

// One box per choice, its items those of the choice's table in their order (a geometry that only
// this window offers is one more row there). A choice the calculator has goes to it; the
// calculator's own choices come back.
void FlowConditions::setUpChoices()
{
    choiceBoxes = {ui.GeometryChoice, ui.HeatChoice, ui.FlowChoice, ui.FluidTypeChoice, ui.SphereChoice,
                   findChild<QComboBox *>(QStringLiteral("ArrangementChoice")),
                   findChild<QComboBox *>(QStringLiteral("SectionChoice"))};
    for (Choice c : nusselt::allChoices) {
        QComboBox *box = choiceBoxes[static_cast<std::size_t>(c)];
        for (const nusselt::ChoiceItem &item : nusselt::infoOf(c))
            box->addItem(fromView(item.label), item.code);
        connect(box, &QComboBox::activated, this, [this, c, box](int index) {
            nusselt::Selection s = chosen;
            nusselt::setCode(s, c, box->itemData(index).toInt());
            choose(s);
            refresh();
        });
    }
    showChoice(calculator.selection());
    connect(&calculator, &ExternalFlow::selectionChanged, this, [this](const nusselt::Selection &s) {
        if (choosing)
            return;
        showChoice(s);
        refresh();
    });
}

void FlowConditions::showChoice(const nusselt::Selection &s)
{
    chosen = s;
    for (Choice c : nusselt::allChoices) {
        QComboBox *box = choiceBoxes[static_cast<std::size_t>(c)];
        box->setCurrentIndex(box->findData(nusselt::codeOf(s, c))); // none: "not chosen"
        box->setEnabled(nusselt::isAsked(s, c));
    }
}

void FlowConditions::choose(const nusselt::Selection &s)
{
    showChoice(s);
    // A geometry the calculator lacks stays the window's own.
    if (!ExternalFlow::offers(s))
        return;
    choosing = true;
    calculator.setSelection(s);
    choosing = false;
    // The calculator keeps earlier choices where the case had none: both windows show the same.
    showChoice(calculator.selection());
}

physics::CaseFile FlowConditions::caseFile() const
{
    physics::CaseFile c;
    c.selection = chosen;
    // The first items of the fluid box are in the order of the choices; then the tables.
    const int fluid = ui.FluidCombo->currentIndex();
    c.fluid = fluid < nusselt::flowwindow::fromFileIndex ? static_cast<physics::FluidChoice>(fluid)
                                                         : physics::FluidChoice::Table;
    if (fluid > nusselt::flowwindow::fromFileIndex)
        c.fluidTable = ui.FluidCombo->currentText().toStdString();
    for (const TypedField &t : kTypedFields)
        c.*t.typed = inputs.at(t.field).typed();
    for (const CustomField &f : kCustomFields)
        physics::customText(c, f.field) = inputs.at(f.field).typed().text;
    return c;
}

void FlowConditions::setCase(const physics::CaseFile &given)
{
    choose(given.selection);
    if (given.fluid != physics::FluidChoice::Table) {
        const QSignalBlocker quiet(ui.FluidCombo);
        ui.FluidCombo->setCurrentIndex(static_cast<int>(given.fluid));
        fluidTable.reset();
    } else if (physics::keptFluidFile(given.fluidTable)) {
        ui.FluidCombo->setCurrentIndex(ui.FluidCombo->findText(QString::fromStdString(given.fluidTable)));
    } else {
        // A table file's path: imported, and so kept, as "From file…" would.
        nusselt::flowwindow::importTable(this, ui.FluidCombo, QFile::decodeName(given.fluidTable.c_str()));
    }
    physics::CaseFile c = given;
    // A file without a pressure means one standard atmosphere, as the command line reads it.
    if (!c.has("pressure"))
        c.pressure = {standardPressureText(), std::string(physics::defaultUnit(Quantity::Pressure).symbol)};
    for (const TypedField &t : kTypedFields)
        inputs.at(t.field).setTyped(c.*t.typed);
    for (const CustomField &f : kCustomFields)
        inputs.at(f.field).setTyped({physics::customText(c, f.field), {}});
    refresh();
}

physics::Problem FlowConditions::problem() const
{
    std::string error;
    // The selectors offer only their quantities' units: the case always converts. A table is the
    // one read when it was chosen, not read again at each edit.
    physics::CaseFile c = caseFile();
    const bool table = c.fluid == physics::FluidChoice::Table;
    if (table)
        c.fluid = physics::FluidChoice::Custom;
    physics::Problem p = *physics::toProblem(c, error);
    if (table) {
        p.fluid = physics::FluidChoice::Table;
        p.table = fluidTable;
    }
    // The exact values behind texts the window wrote after a change of unit.
    for (const TypedField &t : kTypedFields)
        p.*t.value = inputs.at(t.field).value();
    return p;
}

physics::UnitSystem FlowConditions::unitSystem() const
{
    return static_cast<physics::UnitSystem>(std::max(0, ui.UnitSystemChoice->currentIndex()));
}

void FlowConditions::useUnitSystem(physics::UnitSystem system)
{
    {
        const QSignalBlocker quiet(ui.UnitSystemChoice);
        ui.UnitSystemChoice->setCurrentIndex(static_cast<int>(system));
    }
    settingUnits = true;
    for (const TypedField &t : kTypedFields)
        inputs.at(t.field).setUnit(physics::systemUnit(system, t.quantity));
    const auto set = [system](QComboBox *box, Quantity quantity) {
        box->setCurrentIndex(std::max(0, box->findText(fromView(physics::systemUnit(system, quantity).symbol))));
    };
    set(ui.HeatTransferCoefficientUnit, Quantity::HeatTransferCoefficient);
    set(ui.HeatFluxUnit, Quantity::HeatFlux);
    set(ui.HeatRateUnit, rateQuantity);
    settingUnits = false;
    refresh();
}

void FlowConditions::fluidIndexChanged(int index)
{
    fluidTable.reset();
    if (index > nusselt::flowwindow::fromFileIndex) {
        std::string error;
        fluidTable = nusselt::flowwindow::keptTable(ui.FluidCombo->currentText().toStdString(), error);
        if (!fluidTable)
            QMessageBox::warning(this, tr("Fluid"), QString::fromStdString(error));
    }
    if (index != nusselt::flowwindow::fromFileIndex)
        lastFluidIndex = index;
    refresh();
}

void FlowConditions::fluidActivated(int index)
{
    if (index != nusselt::flowwindow::fromFileIndex)
        return;
    const auto back = [this] { ui.FluidCombo->setCurrentIndex(lastFluidIndex); };
    nusselt::flowwindow::chooseTableFile(
        this,
        [this, back](const QString &path) {
            if (!nusselt::flowwindow::importTable(this, ui.FluidCombo, path))
                back();
        },
        back);
}

void FlowConditions::refresh()
{
    if (settingUnits)
        return;
    stated = problem();
    current = physics::evaluate(stated);
    showInputs();
    nusselt::flowwindow::showResults(
        ui, chosen, current,
        {inputs.at(Field::FreeStreamTemperature).unit(),
         chosenUnit(ui.HeatTransferCoefficientUnit, Quantity::HeatTransferCoefficient),
         chosenUnit(ui.HeatFluxUnit, Quantity::HeatFlux), chosenUnit(ui.HeatRateUnit, rateQuantity), unitSystem()});
    ui.UseInCalculator->setEnabled(current.calculatorInputs.has_value());
    handToPlot();
}

void FlowConditions::showInputs()
{
    ui.LengthLabel->setText(nusselt::flowwindow::lengthCaption(chosen));
    for (const Field f : {Field::TransversePitch, Field::LongitudinalPitch, Field::Rows, Field::TubesPerRow})
        inputs.at(f).setShown(chosen.isTubeBank());
    const bool distances = physics::needsDistances(chosen);
    inputs.at(Field::Distance).setShown(distances);
    inputs.at(Field::HeatStart).setShown(distances);
    inputs.at(Field::SurfaceTemperature).setShown(physics::takesSurfaceTemperature(chosen));
    inputs.at(Field::HeatFlux).setShown(physics::takesHeatFlux(chosen));

    const bool custom = stated.fluid == physics::FluidChoice::Custom;
    const std::vector<Field> needed = physics::customFieldsNeeded(chosen);
    ui.CustomGroup->setVisible(custom);
    for (const CustomField &c : kCustomFields)
        inputs.at(c.field).setShown(custom && std::find(needed.begin(), needed.end(), c.field) != needed.end());

    // A sphere's heat rate is the whole sphere's; a plate's and a cylinder's are per metre.
    const Quantity rate = chosen.isSphere() ? Quantity::HeatRate : Quantity::HeatRatePerLength;
    if (rate != rateQuantity) {
        // W/m becomes W and Btu/(h·ft) Btu/h: the unit stays in its system.
        const physics::UnitSystem system =
            physics::systemOf(chosenUnit(ui.HeatRateUnit, rateQuantity)).value_or(unitSystem());
        rateQuantity = rate;
        nusselt::flowwindow::fillUnits(ui.HeatRateUnit, rate);
        const QSignalBlocker quiet(ui.HeatRateUnit);
        ui.HeatRateUnit->setCurrentIndex(ui.HeatRateUnit->findText(fromView(physics::systemUnit(system, rate).symbol)));
    }
    ui.HeatRateUnitLabel->setText(chosen.isSphere() ? tr("q in") : tr("q′ in"));

    const auto messages = [this](Field field) {
        QStringList texts;
        for (const physics::Message &m : current.messages)
            if (m.field == field)
                texts << QString::fromStdString(m.text);
        return texts.join(QLatin1Char('\n'));
    };
    for (auto &[field, in] : inputs)
        in.setMessage(messages(field));
    ui.FluidMessage->setText(messages(Field::Fluid));
    ui.FluidMessage->setVisible(!ui.FluidMessage->text().isEmpty());
    // A liquid metal's properties come with the uncertainty their source states.
    const std::optional<physics::Fluid> fluid = physics::tabulated(stated.fluid);
    const std::string uncertainty = fluid ? physics::uncertaintyText(*fluid) : std::string();
    ui.FluidNote->setText(uncertainty.empty() ? QString()
                                              : tr("Properties within %1 (%2)")
                                                    .arg(QString::fromStdString(uncertainty),
                                                         QString::fromUtf8(physics::fluidSource(*fluid).data(), static_cast<qsizetype>(physics::fluidSource(*fluid).size()))));
    ui.FluidNote->setVisible(!uncertainty.empty());

    QStringList missing;
    for (const TypedField &t : kTypedFields)
        if (inputs.at(t.field).missing())
            missing << inputs.at(t.field).caption();
    for (const CustomField &c : kCustomFields)
        if (inputs.at(c.field).missing())
            missing << inputs.at(c.field).caption();
    nusselt::flowwindow::showMissing(ui, missing);

    // The inputs scroll up and down, never sideways: their column as wide as its widest row.
    ui.InputsScroll->setMinimumWidth(ui.InputsPane->minimumSizeHint().width()
                                     + ui.InputsScroll->verticalScrollBar()->sizeHint().width()
                                     + 2 * ui.InputsScroll->frameWidth());
}

void FlowConditions::revealMessages()
{
    for (auto &[field, in] : inputs)
        in.reveal();
    showInputs();
}

void FlowConditions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!std::exchange(placed, true))
        nusselt::plot::keepOnScreen(this);
}

// The one hand-off of the window's case to the plot: the problem and the evaluation just shown.
void FlowConditions::handToPlot()
{
    if (!plotPanel)
        return;
    // While the problem is incomplete the plot draws the numbers typed in the calculator.
    plotPanel->setInputs({stated, current, calculator.inputs(), inputs.at(Field::Velocity).unit(),
                          inputs.at(Field::Length).unit(),
                          chosenUnit(ui.HeatTransferCoefficientUnit, Quantity::HeatTransferCoefficient),
                          chosenUnit(ui.HeatFluxUnit, Quantity::HeatFlux), chosenUnit(ui.HeatRateUnit, rateQuantity)});
}

bool FlowConditions::loadPlot()
{
    if (plotPanel)
        return true;
    plotWindow = new QDialog(this);
    plotWindow->setObjectName(QStringLiteral("PlotWindow"));
    plotWindow->setWindowTitle(tr("Plot"));
    QString error;
    plotPanel = nusselt::plot::createPlotPanel(plotWindow, &error);
    if (!plotPanel) {
        delete plotWindow;
        plotWindow = nullptr;
        ui.PlotMessage->setText(error);
        ui.PlotMessage->show();
        return false;
    }
    auto *layout = new QVBoxLayout(plotWindow);
    layout->addWidget(plotPanel->widget());
    plotWindow->resize(820, 560);
    handToPlot();
    return true;
}

void FlowConditions::openPlot()
{
    revealMessages();
    if (!loadPlot())
        return;
    plotWindow->show();
    plotWindow->raise();
    plotWindow->activateWindow();
}

void FlowConditions::openSweep()
{
    revealMessages();
    if (loadPlot())
        plotPanel->openSweep();
}
