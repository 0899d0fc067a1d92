#include "flowconditions.h"

#include "catalog.h"
#include "externalflow.h"
#include "fieldtext.h"
#include "plotpanel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace physics = nusselt::physics;
using physics::Field;
using physics::Quantity;

namespace {

const QKeySequence kOpenKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_F);

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A number for a cell: empty where there is none, never "nan" or "inf".
QString numberText(std::optional<double> value, int digits)
{
    if (!value || !std::isfinite(*value))
        return QString();
    return QString::number(*value, 'g', digits);
}

// The typed properties of a fluid of one's own, in fixed SI units: the window's custom fields.
struct CustomField {
    Field field;
    const char *key; // object names: key + "Edit", "Unit", "Message", "Label"
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

// The inputs typed with a unit beside them: where each goes in the problem and in a case file.
struct TypedField {
    Field field;
    std::optional<double> physics::Problem::*value;
    physics::TypedValue physics::CaseFile::*typed;
};
const TypedField kTypedFields[] = {
    {Field::Velocity, &physics::Problem::velocity, &physics::CaseFile::velocity},
    {Field::Length, &physics::Problem::length, &physics::CaseFile::length},
    {Field::FreeStreamTemperature, &physics::Problem::freeStreamTemperature, &physics::CaseFile::freeStreamTemperature},
    {Field::SurfaceTemperature, &physics::Problem::surfaceTemperature, &physics::CaseFile::surfaceTemperature},
    {Field::Pressure, &physics::Problem::pressure, &physics::CaseFile::pressure},
    {Field::Distance, &physics::Problem::distance, &physics::CaseFile::distance},
    {Field::HeatStart, &physics::Problem::heatStart, &physics::CaseFile::heatStart},
};

// Rows of the properties table: caption with unit, and the value in a state.
struct PropertyRow {
    const char *caption;
    double physics::State::*member;
};
const PropertyRow kPropertyRows[] = {
    {"Density ρ (kg/m³)", &physics::State::density},
    {"Dynamic viscosity μ (Pa·s)", &physics::State::dynamicViscosity},
    {"Kinematic viscosity ν (m²/s)", &physics::State::kinematicViscosity},
    {"Thermal conductivity k (W/(m·K))", &physics::State::thermalConductivity},
    {"Specific heat c_p (J/(kg·K))", &physics::State::specificHeat},
    {"Prandtl number Pr (–)", &physics::State::prandtl},
};

enum ResultColumn { ColName, ColKind, ColReference, ColRe, ColPr, ColNu, ColH, ColFlux, ColRate, ColRange, ColCount };

// "A", "A and B", "A, B and C".
QString joinedNames(const QStringList &names)
{
    if (names.size() <= 1)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
        + names.last();
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

    setUpInput(Field::Velocity, ui.VelocityEdit, ui.VelocityUnit, ui.VelocityMessage, ui.VelocityLabel,
               Quantity::Velocity);
    setUpInput(Field::Length, ui.LengthEdit, ui.LengthUnit, ui.LengthMessage, ui.LengthLabel, Quantity::Length);
    setUpInput(Field::FreeStreamTemperature, ui.FreeStreamTemperatureEdit, ui.FreeStreamTemperatureUnit,
               ui.FreeStreamTemperatureMessage, ui.FreeStreamTemperatureLabel, Quantity::Temperature);
    setUpInput(Field::SurfaceTemperature, ui.SurfaceTemperatureEdit, ui.SurfaceTemperatureUnit,
               ui.SurfaceTemperatureMessage, ui.SurfaceTemperatureLabel, Quantity::Temperature);
    setUpInput(Field::Pressure, ui.PressureEdit, ui.PressureUnit, ui.PressureMessage, ui.PressureLabel,
               Quantity::Pressure);
    setUpInput(Field::Distance, ui.DistanceEdit, ui.DistanceUnit, ui.DistanceMessage, ui.DistanceLabel,
               Quantity::Length);
    setUpInput(Field::HeatStart, ui.HeatStartEdit, ui.HeatStartUnit, ui.HeatStartMessage, ui.HeatStartLabel,
               Quantity::Length);
    setUpCustomFields();

    fillUnits(ui.HeatTransferCoefficientUnit, Quantity::HeatTransferCoefficient);
    fillUnits(ui.HeatFluxUnit, Quantity::HeatFlux);
    fillUnits(ui.HeatRateUnit, Quantity::HeatRatePerLength);
    for (QComboBox *combo : {ui.HeatTransferCoefficientUnit, ui.HeatFluxUnit, ui.HeatRateUnit})
        connect(combo, &QComboBox::currentIndexChanged, this, &FlowConditions::refresh);
    connect(ui.FluidCombo, &QComboBox::currentIndexChanged, this, &FlowConditions::refresh);

    ui.PropertiesTable->setColumnCount(0);
    ui.PropertiesTable->setRowCount(static_cast<int>(std::size(kPropertyRows)));
    QStringList rowCaptions;
    for (const PropertyRow &row : kPropertyRows)
        rowCaptions << QString::fromUtf8(row.caption);
    ui.PropertiesTable->setVerticalHeaderLabels(rowCaptions);
    ui.PropertiesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui.PropertiesTable->resizeRowsToContents();
    // All six rows in view: the table is short, a scroll bar would only hide a property.
    ui.PropertiesTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.PropertiesTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    ui.PropertiesTable->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    ui.ResultsTable->setColumnCount(ColCount);
    ui.ResultsTable->verticalHeader()->hide();
    ui.ResultsTable->horizontalHeader()->setStretchLastSection(true);
    ui.ResultsTable->setWordWrap(true);

    connect(ui.UseInCalculator, &QPushButton::clicked, this, &FlowConditions::useInCalculator);
    connect(ui.CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(ui.SaveCase, &QPushButton::clicked, this, &FlowConditions::saveCase);
    connect(ui.OpenCase, &QPushButton::clicked, this, &FlowConditions::openCase);

    plotButton = new QPushButton(tr("&Plot…"), this);
    plotButton->setObjectName(QStringLiteral("PlotButton"));
    sweepButton = new QPushButton(tr("S&weep…"), this);
    sweepButton->setObjectName(QStringLiteral("SweepButton"));
    plotButton->setAutoDefault(false);
    sweepButton->setAutoDefault(false);
    ui.ButtonRow->insertWidget(ui.ButtonRow->indexOf(ui.OpenCase) + 1, plotButton);
    ui.ButtonRow->insertWidget(ui.ButtonRow->indexOf(plotButton) + 1, sweepButton);
    plotMessage = new QLabel(this);
    plotMessage->setObjectName(QStringLiteral("PlotMessage"));
    plotMessage->setWordWrap(true);
    plotMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    plotMessage->hide();
    ui.LeftColumn->insertWidget(ui.LeftColumn->indexOf(ui.ButtonRow), plotMessage);
    connect(plotButton, &QPushButton::clicked, this, &FlowConditions::openPlot);
    connect(sweepButton, &QPushButton::clicked, this, &FlowConditions::openSweep);

    connect(&calculator, &ExternalFlow::selectionChanged, this, &FlowConditions::refresh);

    // Pressure prefilled with one standard atmosphere in the default unit; the first refresh
    // comes with it, once every selector is filled.
    ui.PressureEdit->setText(QString::number(
        physics::fromSI(physics::defaultUnit(Quantity::Pressure), physics::si::atmosphere), 'g', 10));
}

void FlowConditions::setUpInput(Field field, QLineEdit *edit, QComboBox *unit, QLabel *message, QLabel *label,
                                Quantity quantity)
{
    Input in;
    in.edit = edit;
    in.unit = unit;
    in.message = message;
    in.label = label;
    in.quantity = quantity;
    inputs[field] = in;
    connect(edit, &QLineEdit::textChanged, this, &FlowConditions::refresh);
    if (unit) {
        fillUnits(unit, quantity);
        connect(unit, &QComboBox::currentIndexChanged, this, [this, field](int index) { unitChanged(field, index); });
    }
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
        Input in;
        in.edit = edit;
        in.message = message;
        in.label = label;
        inputs[c.field] = in;
        connect(edit, &QLineEdit::textChanged, this, &FlowConditions::refresh);
    }
}

void FlowConditions::fillUnits(QComboBox *combo, Quantity quantity)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const physics::Unit &u : physics::unitsOf(quantity))
        combo->addItem(fromView(u.symbol));
    combo->setCurrentIndex(0);
}

const physics::Unit &FlowConditions::unitOf(Field field) const
{
    const Input &in = inputs.at(field);
    return physics::unitsOf(in.quantity).at(static_cast<std::size_t>(in.unitIndex));
}

const physics::Unit &FlowConditions::outputUnit(const QComboBox *combo, Quantity q) const
{
    const auto &units = physics::unitsOf(q);
    const int i = combo->currentIndex();
    return i >= 0 && static_cast<std::size_t>(i) < units.size() ? units[static_cast<std::size_t>(i)] : units.front();
}

std::optional<double> FlowConditions::read(Field field) const
{
    const Input &in = inputs.at(field);
    const QString text = in.edit->text();
    if (in.writtenSI && text == in.writtenText)
        return in.writtenSI;
    const nusselt::Reading value = nusselt::readNumber(text);
    if (!value || !in.unit)
        return value;
    return physics::toSI(unitOf(field), *value);
}

void FlowConditions::unitChanged(Field field, int index)
{
    if (index < 0)
        return;
    const std::optional<double> si = read(field); // still in the previous unit
    Input &in = inputs.at(field);
    in.unitIndex = index;
    if (si && std::isfinite(*si)) {
        // Ten digits read well; the exact value stays behind the text until the user edits it.
        const QString text = QString::number(physics::fromSI(unitOf(field), *si), 'g', 10);
        in.writtenText = text;
        in.writtenSI = si;
        if (in.edit->text() != text) {
            in.edit->setText(text); // refreshes through textChanged
            return;
        }
    }
    refresh();
}

physics::Problem FlowConditions::problem() const
{
    physics::Problem p;
    p.selection = calculator.selection();
    switch (ui.FluidCombo->currentIndex()) {
    case 1: p.fluid = physics::FluidChoice::Water; break;
    case 2: p.fluid = physics::FluidChoice::Custom; break;
    default: p.fluid = physics::FluidChoice::Air; break;
    }
    for (const TypedField &t : kTypedFields)
        p.*t.value = read(t.field);
    p.temperatureUnit = unitOf(Field::FreeStreamTemperature);
    p.pressureUnit = unitOf(Field::Pressure);

    physics::CustomFluid &c = p.custom;
    c.film.density = read(Field::FilmDensity);
    c.film.dynamicViscosity = read(Field::FilmViscosity);
    c.film.thermalConductivity = read(Field::FilmConductivity);
    c.film.specificHeat = read(Field::FilmSpecificHeat);
    c.freeStream.density = read(Field::FreeStreamDensity);
    c.freeStream.dynamicViscosity = read(Field::FreeStreamViscosity);
    c.freeStream.thermalConductivity = read(Field::FreeStreamConductivity);
    c.freeStream.specificHeat = read(Field::FreeStreamSpecificHeat);
    c.prandtlSurface = read(Field::SurfacePrandtl);
    c.viscositySurface = read(Field::SurfaceViscosity);
    return p;
}

void FlowConditions::refresh()
{
    const physics::Problem p = problem();
    current = physics::evaluate(p);
    showCase(p.selection);
    showMessages();
    showSummary();
    showProperties();
    showResults();
    showNotes();
    ui.UseInCalculator->setEnabled(current.calculatorInputs.has_value());
    if (plotPanel)
        plotPanel->setInputs(plotInputs(p));
}

nusselt::plot::PlotInputs FlowConditions::plotInputs(const physics::Problem &p) const
{
    nusselt::plot::PlotInputs in{p, current, {}, unitOf(Field::Velocity), unitOf(Field::Length),
                                 outputUnit(ui.HeatTransferCoefficientUnit, Quantity::HeatTransferCoefficient)};
    // While the problem is incomplete the plot draws the numbers typed in the calculator.
    in.calculator = calculator.inputs();
    return in;
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
        plotMessage->setText(error);
        plotMessage->show();
        return false;
    }
    auto *layout = new QVBoxLayout(plotWindow);
    layout->addWidget(plotPanel->widget());
    plotWindow->resize(820, 560);
    plotPanel->setInputs(plotInputs(problem()));
    return true;
}

void FlowConditions::openPlot()
{
    if (!loadPlot())
        return;
    plotWindow->show();
    plotWindow->raise();
    plotWindow->activateWindow();
}

void FlowConditions::openSweep()
{
    if (loadPlot())
        plotPanel->openSweep();
}

void FlowConditions::showCase(const nusselt::Selection &selection)
{
    ui.LengthLabel->setText(selection.isPlate() ? tr("Plate &length L") : tr("&Diameter D"));

    const bool distances = physics::needsDistances(selection);
    for (Field f : {Field::Distance, Field::HeatStart}) {
        const Input &in = inputs.at(f);
        in.label->setVisible(distances);
        in.edit->setVisible(distances);
        in.unit->setVisible(distances);
    }

    const bool custom = ui.FluidCombo->currentIndex() == 2;
    const std::vector<Field> needed = physics::customFieldsNeeded(selection);
    ui.CustomGroup->setVisible(custom);
    for (const CustomField &c : kCustomFields) {
        const bool shown = custom && std::find(needed.begin(), needed.end(), c.field) != needed.end();
        const Input &in = inputs.at(c.field);
        in.label->setVisible(shown);
        in.edit->setVisible(shown);
        if (auto *unit = ui.CustomGroup->findChild<QLabel *>(QLatin1String(c.key) + QStringLiteral("Unit")))
            unit->setVisible(shown);
    }

    // A sphere's heat rate is the whole sphere's; a plate's and a cylinder's are per metre.
    const physics::RateKind rate = selection.isSphere() ? physics::RateKind::Total : physics::RateKind::PerLength;
    if (rate != rateUnitsFor) {
        rateUnitsFor = rate;
        fillUnits(ui.HeatRateUnit, rate == physics::RateKind::Total ? Quantity::HeatRate : Quantity::HeatRatePerLength);
    }
    ui.HeatRateUnitLabel->setText(rate == physics::RateKind::Total ? tr("q in") : tr("q′ in"));

    ui.SummaryForm->setRowVisible(ui.PrandtlSurfaceValue, selection.isCylinder());
    ui.SummaryForm->setRowVisible(ui.ViscosityRatioValue, selection.isRegularSphere());
}

void FlowConditions::showMessages()
{
    for (auto &[field, in] : inputs) {
        QStringList texts;
        for (const physics::Message &m : current.messages) {
            if (m.field == field)
                texts << QString::fromStdString(m.text);
        }
        const QString text = texts.join(QLatin1Char('\n'));
        in.message->setText(text);
        in.message->setVisible(!text.isEmpty() && in.edit->isVisibleTo(this));
        // Screen readers announce the refusal with the field it belongs to.
        in.edit->setAccessibleDescription(text);
    }
    QStringList fluid;
    for (const physics::Message &m : current.messages) {
        if (m.field == Field::Fluid)
            fluid << QString::fromStdString(m.text);
    }
    ui.FluidMessage->setText(fluid.join(QLatin1Char('\n')));
    ui.FluidMessage->setVisible(!fluid.isEmpty());
}

QString FlowConditions::temperatureText(double kelvin) const
{
    const physics::Unit &unit = unitOf(Field::FreeStreamTemperature);
    return QString::number(physics::fromSI(unit, kelvin), 'f', 2) + QLatin1Char(' ') + fromView(unit.symbol);
}

void FlowConditions::showSummary()
{
    ui.FilmTemperatureValue->setText(current.filmTemperature ? temperatureText(*current.filmTemperature) : QString());
    ui.ReynoldsValue->setText(numberText(current.reynolds, 6));
    ui.PrandtlValue->setText(numberText(current.prandtl, 5));
    ui.PrandtlSurfaceValue->setText(numberText(current.prandtlSurface, 5));
    ui.ViscosityRatioValue->setText(numberText(current.viscosityRatio, 5));
}

void FlowConditions::showProperties()
{
    // Columns for the temperatures the case takes properties at, in the order T_f, T_inf, T_s.
    const std::vector<Field> needed = physics::customFieldsNeeded(calculator.selection());
    const auto needs = [&needed](Field f) { return std::find(needed.begin(), needed.end(), f) != needed.end(); };
    struct Column {
        QString symbol;
        const std::optional<physics::PropertiesUsed> *used;
    };
    std::vector<Column> columns;
    if (needs(Field::FilmDensity))
        columns.push_back({QStringLiteral("T_f"), &current.film});
    if (needs(Field::FreeStreamDensity))
        columns.push_back({QStringLiteral("T∞"), &current.freeStream});
    if (needs(Field::SurfacePrandtl) || needs(Field::SurfaceViscosity))
        columns.push_back({QStringLiteral("Ts"), &current.surface});

    QTableWidget *table = ui.PropertiesTable;
    table->setColumnCount(static_cast<int>(columns.size()));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const Column &col = columns[static_cast<std::size_t>(c)];
        const auto &used = *col.used;
        QString header = QStringLiteral("at ") + col.symbol;
        if (used)
            header += QStringLiteral(" = ") + temperatureText(used->temperature);
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(header));
        for (int r = 0; r < table->rowCount(); ++r) {
            std::optional<double> value;
            if (used) {
                const double v = used->state.*(kPropertyRows[r].member);
                // A typed fluid has only what was typed and what follows from it.
                if (std::isfinite(v) && v > 0.0)
                    value = v;
            }
            auto *item = new QTableWidgetItem(numberText(value, 5));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (value)
                item->setData(Qt::UserRole, *value);
            table->setItem(r, c, item);
        }
    }
}

void FlowConditions::showResults()
{
    const physics::Unit &hUnit = outputUnit(ui.HeatTransferCoefficientUnit, Quantity::HeatTransferCoefficient);
    const physics::Unit &fluxUnit = outputUnit(ui.HeatFluxUnit, Quantity::HeatFlux);
    const bool total = rateUnitsFor == physics::RateKind::Total;
    const physics::Unit &rateUnit =
        outputUnit(ui.HeatRateUnit, total ? Quantity::HeatRate : Quantity::HeatRatePerLength);

    QTableWidget *table = ui.ResultsTable;
    table->setHorizontalHeaderLabels({
        tr("Correlation"), tr("Kind"), tr("Properties at"), tr("Re"), tr("Pr"), tr("Nu"),
        QStringLiteral("h (%1)").arg(fromView(hUnit.symbol)),
        QStringLiteral("q″ (%1)").arg(fromView(fluxUnit.symbol)),
        QStringLiteral("%1 (%2)").arg(total ? QStringLiteral("q") : QStringLiteral("q′"), fromView(rateUnit.symbol)),
        tr("Validity range")});
    table->setRowCount(static_cast<int>(current.results.size()));

    const auto converted = [](std::optional<double> si, const physics::Unit &unit) -> std::optional<double> {
        if (!si || !std::isfinite(*si))
            return std::nullopt;
        return physics::fromSI(unit, *si);
    };
    const nusselt::Selection selection = calculator.selection();

    for (int r = 0; r < table->rowCount(); ++r) {
        const physics::Result &res = current.results[static_cast<std::size_t>(r)];
        const auto set = [table, r](int column, const QString &text, std::optional<double> sortValue = std::nullopt) {
            auto *item = new QTableWidgetItem(text);
            if (column >= ColRe && column <= ColRate)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (sortValue)
                item->setData(Qt::UserRole, *sortValue);
            table->setItem(r, column, item);
            return item;
        };
        set(ColName, fromView(res.name));
        set(ColKind, fromView(nusselt::kindName(res.term.kind)));
        QString reference = QStringLiteral("T_f");
        if (res.reference == nusselt::Reference::FreeStream)
            reference = selection.isCylinder() ? QStringLiteral("T∞ (Pr_s at Ts)") : QStringLiteral("T∞ (μ_s at Ts)");
        set(ColReference, reference);
        set(ColRe, numberText(res.reynolds, 6), res.reynolds);
        set(ColPr, numberText(res.prandtl, 5), res.prandtl);
        set(ColNu, numberText(res.nusselt, 6), res.nusselt);
        const auto h = converted(res.heatTransferCoefficient, hUnit);
        set(ColH, numberText(h, 6), h);
        const auto flux = converted(res.heatFlux, fluxUnit);
        set(ColFlux, numberText(flux, 6), flux);
        const auto rate = res.rateKind == physics::RateKind::None ? std::nullopt : converted(res.heatRate, rateUnit);
        set(ColRate, numberText(rate, 6), rate);

        QStringList outside;
        for (const std::string &s : res.outsideRange)
            outside << QString::fromStdString(s);
        QTableWidgetItem *range = set(ColRange, outside.isEmpty() ? tr("inside") : QStringLiteral("⚠ ") + outside.join(QStringLiteral("; ")));
        if (!outside.isEmpty()) {
            range->setForeground(QColor(0xb0, 0x00, 0x20));
            QFont bold = range->font();
            bold.setBold(true);
            range->setFont(bold);
            range->setToolTip(outside.join(QLatin1Char('\n')));
        }
        if (!res.nusselt)
            set(ColName, fromView(res.name) + tr(" (no value here)"));
    }
    // Sized once per update: a ResizeToContents header would measure every column at every item.
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
}

void FlowConditions::showNotes()
{
    const nusselt::Selection selection = calculator.selection();

    // Which temperature each correlation of the case takes its properties at (the textbook
    // conventions of each correlation, as the catalog records them).
    QStringList film, freeStream;
    for (const nusselt::Term &term : nusselt::termsOf(selection, current.prandtl.value_or(1.0))) {
        const QString name = fromView(nusselt::nameOf(term.correlation));
        QStringList &group = nusselt::referenceOf(term.correlation) == nusselt::Reference::Film ? film : freeStream;
        if (!group.contains(name))
            group << name;
    }
    QStringList statement;
    if (!film.isEmpty()) {
        QString tf = QStringLiteral("T_f = (T∞ + Ts)/2");
        if (current.filmTemperature)
            tf += QStringLiteral(" = ") + temperatureText(*current.filmTemperature);
        statement << tr("%1: all properties at the film temperature %2.").arg(joinedNames(film), tf);
    }
    if (!freeStream.isEmpty()) {
        statement << tr("%1: all properties at the free-stream temperature T∞, %2 at the surface temperature Ts.")
                         .arg(joinedNames(freeStream),
                              selection.isCylinder() ? QStringLiteral("Pr_s") : QStringLiteral("μ_s"));
    }
    if (selection.isCylinder() && !freeStream.isEmpty()) {
        statement << tr("After “Use in Calculator” the calculator's Zhukauskas uses the film properties (it "
                        "has only one Re and Pr), so its Zhukauskas number differs from the one shown here.");
    }
    ui.ReferenceLabel->setText(statement.join(QLatin1Char(' ')));
    ui.ReferenceLabel->setVisible(!statement.isEmpty());

    ui.CaseHintLabel->setText(fromView(current.caseHint));
    ui.CaseHintLabel->setVisible(!current.caseHint.empty());

    ui.NoHeatFlowLabel->setText(current.noHeatFlow
                                    ? tr("Ts = T∞: no heat flows. h is shown; q″ and q are 0.")
                                    : QString());
    ui.NoHeatFlowLabel->setVisible(current.noHeatFlow);

    const nusselt::Outcome &outcome = current.calculatorOutcome;
    QString refusal;
    if (current.calculatorInputs && outcome.refused()) {
        refusal = tr("The calculator refuses these inputs: %1").arg(fromView(outcome.boxText));
        if (outcome.note.kind == nusselt::Shown::Kind::Text || outcome.note.kind == nusselt::Shown::Kind::Number)
            refusal += QStringLiteral(" — ") + nusselt::shownText(outcome.note);
    }
    ui.CalculatorRefusalLabel->setText(refusal);
    ui.CalculatorRefusalLabel->setVisible(!refusal.isEmpty());
}

void FlowConditions::useInCalculator()
{
    if (current.calculatorInputs)
        calculator.setInputs(*current.calculatorInputs);
}

namespace {

std::string utf8(const QString &text)
{
    return text.toStdString();
}

const QString kCaseFilter = QStringLiteral("Nusselt cases (*.json);;All files (*)");

} // namespace

physics::CaseFile FlowConditions::caseFile() const
{
    physics::CaseFile c;
    c.selection = calculator.selection();
    c.fluid = problem().fluid;
    const auto typed = [this](Field f) {
        const Input &in = inputs.at(f);
        return physics::TypedValue{utf8(in.edit->text()), in.unit ? utf8(in.unit->currentText()) : std::string()};
    };
    for (const TypedField &t : kTypedFields)
        c.*t.typed = typed(t.field);
    const auto text = [this](Field f) { return utf8(inputs.at(f).edit->text()); };
    c.film = {text(Field::FilmDensity), text(Field::FilmViscosity), text(Field::FilmConductivity),
              text(Field::FilmSpecificHeat)};
    c.freeStream = {text(Field::FreeStreamDensity), text(Field::FreeStreamViscosity),
                    text(Field::FreeStreamConductivity), text(Field::FreeStreamSpecificHeat)};
    c.prandtlSurface = text(Field::SurfacePrandtl);
    c.viscositySurface = text(Field::SurfaceViscosity);
    return c;
}

void FlowConditions::setTyped(Field field, const physics::TypedValue &value)
{
    Input &in = inputs.at(field);
    if (in.unit) {
        int index = 0;
        if (const auto unit = physics::findUnit(in.quantity, value.unit)) {
            const QString symbol = fromView(unit->symbol);
            index = std::max(0, in.unit->findText(symbol));
        }
        // The text is already in this unit: no conversion.
        const QSignalBlocker quiet(in.unit);
        in.unit->setCurrentIndex(index);
        in.unitIndex = index;
    }
    in.writtenSI.reset();
    in.writtenText.clear();
    in.edit->setText(QString::fromStdString(value.text));
}

void FlowConditions::setCase(const physics::CaseFile &c)
{
    calculator.setSelection(c.selection);

    ui.FluidCombo->setCurrentIndex(c.fluid == physics::FluidChoice::Water    ? 1
                                   : c.fluid == physics::FluidChoice::Custom ? 2
                                                                             : 0);
    for (const TypedField &t : kTypedFields)
        setTyped(t.field, c.*t.typed);
    setTyped(Field::FilmDensity, {c.film.density, {}});
    setTyped(Field::FilmViscosity, {c.film.viscosity, {}});
    setTyped(Field::FilmConductivity, {c.film.conductivity, {}});
    setTyped(Field::FilmSpecificHeat, {c.film.specificHeat, {}});
    setTyped(Field::FreeStreamDensity, {c.freeStream.density, {}});
    setTyped(Field::FreeStreamViscosity, {c.freeStream.viscosity, {}});
    setTyped(Field::FreeStreamConductivity, {c.freeStream.conductivity, {}});
    setTyped(Field::FreeStreamSpecificHeat, {c.freeStream.specificHeat, {}});
    setTyped(Field::SurfacePrandtl, {c.prandtlSurface, {}});
    setTyped(Field::SurfaceViscosity, {c.viscositySurface, {}});
    refresh();
}

void FlowConditions::saveCase()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Case"), QString(), kCaseFilter);
    if (path.isEmpty())
        return;
    const std::string json = physics::toJson(caseFile());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(json.data(), static_cast<qint64>(json.size())) != static_cast<qint64>(json.size())
        || !file.commit()) {
        QMessageBox::warning(this, tr("Save Case"), tr("Could not save %1: %2").arg(path, file.errorString()));
    }
}

void FlowConditions::openCase()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Case"), QString(), kCaseFilter);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Open Case"), tr("Could not open %1: %2").arg(path, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    std::string error;
    const auto c = physics::fromJson(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
    if (!c) {
        QMessageBox::warning(this, tr("Open Case"),
                             tr("%1 is not a case file: %2").arg(path, QString::fromStdString(error)));
        return;
    }
    setCase(*c);
}
