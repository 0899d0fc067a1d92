#include "resultsview.h"

#include "buoyancyview.h"
#include "fieldtext.h"
#include "typedinput.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>

#include <algorithm>
#include <cmath>
#include <vector>

namespace nusselt::flowwindow {
namespace {

using physics::Field;

QString tr(const char *text)
{
    return QCoreApplication::translate("FlowConditions", text);
}

// A number for a cell: empty where there is none, never "nan" or "inf".
QString numberText(std::optional<double> value, int digits)
{
    if (!value || !std::isfinite(*value))
        return QString();
    return QString::number(*value, 'g', digits);
}

QString temperatureText(double kelvin, const physics::Unit &unit)
{
    return QString::number(physics::fromSI(unit, kelvin), 'f', 2) + QLatin1Char(' ') + fromView(unit.symbol);
}

// "A", "A and B", "A, B and C".
QString joinedNames(const QStringList &names)
{
    if (names.size() <= 1)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

// Rows of the properties table: caption with unit, and the value in a state.
struct PropertyRow {
    const char *caption;
    double physics::State::*member;
    std::optional<physics::Quantity> quantity; // none: dimensionless
};
const PropertyRow kPropertyRows[] = {
    {"Density ρ", &physics::State::density, physics::Quantity::Density},
    {"Dynamic viscosity μ", &physics::State::dynamicViscosity, physics::Quantity::DynamicViscosity},
    {"Kinematic viscosity ν", &physics::State::kinematicViscosity, physics::Quantity::KinematicViscosity},
    {"Thermal conductivity k", &physics::State::thermalConductivity, physics::Quantity::ThermalConductivity},
    {"Specific heat c_p", &physics::State::specificHeat, physics::Quantity::SpecificHeat},
    {"Prandtl number Pr", &physics::State::prandtl, std::nullopt},
};

// "Density ρ (lbm/ft³)", "Prandtl number Pr (–)".
QString propertyCaption(const PropertyRow &row, physics::UnitSystem system)
{
    const QString unit = row.quantity ? fromView(physics::systemUnit(system, *row.quantity).symbol) : QStringLiteral("–");
    return QStringLiteral("%1 (%2)").arg(tr(row.caption), unit);
}

enum ResultColumn {
    ColName, ColKind, ColReference, ColRe, ColPr, ColNu, ColH, ColFlux, ColExcess, ColRate, ColMixed, ColRange, ColCount
};

// A right-aligned number that sorts by its value.
QTableWidgetItem *numberItem(std::optional<double> value, int digits)
{
    auto *item = new QTableWidgetItem(numberText(value, digits));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (value && std::isfinite(*value))
        item->setData(Qt::UserRole, *value);
    return item;
}

void showSummary(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &e,
                 const ShownUnits &units)
{
    ui.FilmTemperatureValue->setText(e.filmTemperature ? temperatureText(*e.filmTemperature, units.temperature)
                                                       : QString());
    ui.ReynoldsValue->setText(numberText(e.reynolds, 6));
    ui.PrandtlValue->setText(numberText(e.prandtl, 5));
    ui.PrandtlSurfaceValue->setText(numberText(e.prandtlSurface, 5));
    ui.ViscosityRatioValue->setText(numberText(e.viscosityRatio, 5));
    ui.SummaryForm->setRowVisible(ui.PrandtlSurfaceValue, selection.isCylinder() || selection.isTubeBank());
    ui.SummaryForm->setRowVisible(ui.ViscosityRatioValue, selection.isRegularSphere());
    showBuoyancy(ui, selection, e);
}

void showProperties(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &e,
                    const ShownUnits &units)
{
    // Columns for the temperatures the case takes properties at, in the order T_f, T_inf, T_s.
    const std::vector<Field> needed = physics::customFieldsNeeded(selection);
    const auto needs = [&needed](Field f) { return std::find(needed.begin(), needed.end(), f) != needed.end(); };
    std::vector<std::pair<QString, const std::optional<physics::PropertiesUsed> *>> columns;
    if (needs(Field::FilmDensity))
        columns.emplace_back(QStringLiteral("T_f"), &e.film);
    if (needs(Field::FreeStreamDensity))
        columns.emplace_back(selection.isTubeBank() ? QStringLiteral("T_m") : QStringLiteral("T∞"), &e.freeStream);
    if (needs(Field::SurfacePrandtl) || needs(Field::SurfaceViscosity))
        columns.emplace_back(QStringLiteral("Ts"), &e.surface);

    QTableWidget *table = ui.PropertiesTable;
    QStringList rowCaptions;
    for (const PropertyRow &row : kPropertyRows)
        rowCaptions << propertyCaption(row, units.properties);
    table->setVerticalHeaderLabels(rowCaptions);
    table->setColumnCount(static_cast<int>(columns.size()));
    for (int c = 0; c < table->columnCount(); ++c) {
        const auto &[symbol, used] = columns[static_cast<std::size_t>(c)];
        QString header = QStringLiteral("at ") + symbol;
        if (*used)
            header += QStringLiteral(" = ") + temperatureText((*used)->temperature, units.temperature);
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(header));
        for (int r = 0; r < table->rowCount(); ++r) {
            std::optional<double> value;
            // A typed fluid has only what was typed and what follows from it.
            const PropertyRow &row = kPropertyRows[r];
            if (*used && (*used)->state.*(row.member) > 0.0) {
                value = (*used)->state.*(row.member);
                if (row.quantity)
                    value = physics::fromSI(physics::systemUnit(units.properties, *row.quantity), *value);
            }
            table->setItem(r, c, numberItem(value, 5));
        }
    }
}

void showCorrelations(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &e,
                      const ShownUnits &units)
{
    const bool total = selection.isSphere();
    QTableWidget *table = ui.ResultsTable;
    table->setHorizontalHeaderLabels({
        tr("Correlation"), tr("Kind"), tr("Properties at"), tr("Re"), tr("Pr"), tr("Nu"),
        QStringLiteral("h (%1)").arg(fromView(units.heatTransferCoefficient.symbol)),
        QStringLiteral("q″ (%1)").arg(fromView(units.heatFlux.symbol)),
        QStringLiteral("Ts − T∞ (%1)").arg(fromView(physics::differenceUnitOf(units.temperature).symbol)),
        QStringLiteral("%1 (%2)").arg(total ? QStringLiteral("q") : QStringLiteral("q′"), fromView(units.heatRate.symbol)),
        tr("Mixed-convection Nu (estimate)"),
        tr("Validity range")});
    table->setRowCount(static_cast<int>(e.results.size()));

    const auto in = [](std::optional<double> si, const physics::Unit &unit) -> std::optional<double> {
        if (!si || !std::isfinite(*si))
            return std::nullopt;
        return physics::fromSI(unit, *si);
    };
    for (int r = 0; r < table->rowCount(); ++r) {
        const physics::Result &res = e.results[static_cast<std::size_t>(r)];
        const QString name = fromView(res.name);
        table->setItem(r, ColName, new QTableWidgetItem(res.nusselt ? name : name + tr(" (no value here)")));
        table->setItem(r, ColKind, new QTableWidgetItem(fromView(nusselt::kindName(res.term.kind))));
        QString reference = QStringLiteral("T_f");
        if (res.reference == nusselt::Reference::FreeStream)
            reference = selection.isCylinder() ? QStringLiteral("T∞ (Pr_s at Ts)") : QStringLiteral("T∞ (μ_s at Ts)");
        else if (res.reference == nusselt::Reference::BankMean)
            reference = QStringLiteral("T_m (Pr_s at Ts)");
        table->setItem(r, ColReference, new QTableWidgetItem(reference));
        table->setItem(r, ColRe, numberItem(res.reynolds, 6));
        table->setItem(r, ColPr, numberItem(res.prandtl, 5));
        table->setItem(r, ColNu, numberItem(res.nusselt, 6));
        table->setItem(r, ColMixed, numberItem(res.combinedNusselt, 6));
        table->setItem(r, ColH, numberItem(in(res.heatTransferCoefficient, units.heatTransferCoefficient), 6));
        table->setItem(r, ColFlux, numberItem(in(res.heatFlux, units.heatFlux), 6));
        table->setItem(r, ColExcess, numberItem(in(res.temperatureDifference, physics::differenceUnitOf(units.temperature)), 6));
        table->setItem(r, ColRate, numberItem(res.rateKind == physics::RateKind::None ? std::nullopt
                                                                                       : in(res.heatRate, units.heatRate),
                                              6));

        QStringList outside;
        for (const std::string &s : res.outsideRange)
            outside << QString::fromStdString(s);
        auto *range = new QTableWidgetItem(outside.isEmpty() ? tr("inside")
                                                             : QStringLiteral("⚠ ") + outside.join(QStringLiteral("; ")));
        if (!outside.isEmpty()) {
            range->setForeground(QColor(0xb0, 0x00, 0x20));
            QFont bold = range->font();
            bold.setBold(true);
            range->setFont(bold);
            range->setToolTip(outside.join(QLatin1Char('\n')));
        }
        table->setItem(r, ColRange, range);
    }
    // Ts − T∞ is a result only where the heat flux is the input (the uniform-flux plate).
    table->setColumnHidden(ColExcess, !physics::takesHeatFlux(selection));
    // (Nu⁴ + Nu_free⁴)^¼ for buoyancy across the flow: the cylinder and the sphere.
    table->setColumnHidden(ColMixed, !(selection.isCylinder() || selection.isSphere()));
    if (QTableWidgetItem *header = table->horizontalHeaderItem(ColMixed))
        header->setToolTip(tr("(Nu⁴ + Nu_free⁴)^¼ with the free-convection Nu above, for buoyancy across the "
                              "flow: an estimate"));
    // Sized once per update: a ResizeToContents header would measure every column at every item.
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
}

void showNotes(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &e,
               const ShownUnits &units)
{
    // Which temperature each correlation of the case takes its properties at (the textbook
    // conventions of each correlation, as the catalog records them).
    QStringList film, freeStream;
    // The case's correlations, with a liquid metal's own (which only its results name).
    std::vector<nusselt::Term> terms;
    for (const nusselt::Term &term : nusselt::termsOf(selection, e.prandtl.value_or(1.0)))
        terms.push_back(term);
    for (const physics::Result &result : e.results)
        terms.push_back(result.term);
    for (const nusselt::Term &term : terms) {
        const QString name = fromView(nusselt::nameOf(term.correlation));
        QStringList &group = nusselt::referenceOf(term.correlation) == nusselt::Reference::Film ? film : freeStream;
        if (!group.contains(name))
            group << name;
    }
    QStringList statement;
    if (!film.isEmpty()) {
        QString tf = QStringLiteral("T_f = (T∞ + Ts)/2");
        if (e.filmTemperature)
            tf += QStringLiteral(" = ") + temperatureText(*e.filmTemperature, units.temperature);
        statement << tr("%1: all properties at the film temperature %2.").arg(joinedNames(film), tf);
    }
    if (selection.isTubeBank() && !freeStream.isEmpty()) {
        QString tm = QStringLiteral("T_m = (T∞ + T_o)/2");
        if (e.freeStream)
            tm += QStringLiteral(" = ") + temperatureText(e.freeStream->temperature, units.temperature);
        statement << tr("%1: all properties at the bank's mean temperature %2 (iterated), Pr_s at the surface "
                        "temperature Ts.").arg(joinedNames(freeStream), tm);
        if (e.maximumVelocity && e.outletTemperature && e.logMeanTemperatureDifference)
            statement << tr("Maximum velocity V_max = %1 m/s; outlet temperature T_o = %2; log-mean temperature "
                            "difference ΔT_lm = %3 K. q″ = h ΔT_lm; q′ per metre of tube length, for the whole bank "
                            "with N_T, else for one tube.")
                             .arg(numberText(e.maximumVelocity, 4), temperatureText(*e.outletTemperature, units.temperature),
                                  numberText(e.logMeanTemperatureDifference, 4));
    } else if (!freeStream.isEmpty()) {
        statement << tr("%1: all properties at the free-stream temperature T∞, %2 at the surface temperature Ts.")
                         .arg(joinedNames(freeStream),
                              selection.isCylinder() ? QStringLiteral("Pr_s") : QStringLiteral("μ_s"));
    }
    if (selection.isCylinder() && !freeStream.isEmpty()) {
        statement << tr("After “Use in Calculator” the calculator's Zhukauskas uses the film properties (it "
                        "has only one Re and Pr), so its Zhukauskas number differs from the one shown here.");
    }
    const auto say = [](QLabel *label, const QString &text) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    };
    say(ui.ReferenceLabel, statement.join(QLatin1Char(' ')));
    say(ui.CaseHintLabel, fromView(e.caseHint));
    say(ui.NoHeatFlowLabel, e.noHeatFlow ? tr("Ts = T∞: no heat flows. h is shown; q″ and q are 0.") : QString());

    const nusselt::Outcome &outcome = e.calculatorOutcome;
    QString refusal;
    if (e.calculatorInputs && outcome.refused()) {
        refusal = tr("The calculator refuses these inputs: %1").arg(fromView(outcome.boxText));
        if (outcome.note.kind == nusselt::Shown::Kind::Text || outcome.note.kind == nusselt::Shown::Kind::Number)
            refusal += QStringLiteral(" — ") + nusselt::shownText(outcome.note);
    }
    say(ui.CalculatorRefusalLabel, refusal);
}

} // namespace

void setUpResults(Ui_FlowConditions &ui)
{
    QTableWidget *properties = ui.PropertiesTable;
    properties->setColumnCount(0);
    properties->setRowCount(static_cast<int>(std::size(kPropertyRows)));
    QStringList rowCaptions;
    for (const PropertyRow &row : kPropertyRows)
        rowCaptions << propertyCaption(row, physics::UnitSystem::SI);
    properties->setVerticalHeaderLabels(rowCaptions);
    properties->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    properties->resizeRowsToContents();
    // All six rows in view: the table is short, a scroll bar would only hide a property.
    properties->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    properties->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    properties->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    ui.ResultsTable->setColumnCount(ColCount);
    ui.ResultsTable->verticalHeader()->hide();
    ui.ResultsTable->horizontalHeader()->setStretchLastSection(true);
    ui.ResultsTable->setWordWrap(true);
}

void showMissing(Ui_FlowConditions &ui, const QStringList &captions)
{
    ui.MissingLabel->setText(captions.isEmpty() ? QString() : tr("Still to enter: %1.").arg(joinedNames(captions)));
    ui.MissingLabel->setVisible(!captions.isEmpty());
}

void showResults(Ui_FlowConditions &ui, const Selection &selection, const physics::Evaluation &evaluation,
                 const ShownUnits &units)
{
    showSummary(ui, selection, evaluation, units);
    showProperties(ui, selection, evaluation, units);
    showCorrelations(ui, selection, evaluation, units);
    showNotes(ui, selection, evaluation, units);
}

} // namespace nusselt::flowwindow
