#include "sweepmodel.h"

#include "celltext.h"
#include "csv.h"
#include "numbers.h"

#include <QFont>

#include <algorithm>

namespace nusselt::plot {
namespace {

// Rows kept once evaluated: a screenful many times over, and the thousand rows a view measures
// to size its columns.
constexpr std::size_t cachedRows = 1024;

const QString outsideMark = QStringLiteral(" †");

// A text cell: quoted where a CSV needs it; a tab-separated table has no tabs or line ends in its texts.
void appendCell(std::string &out, std::string_view text, char separator)
{
    if (separator == ',')
        appendCsvCell(out, text);
    else
        out += text;
}

QString sentences(const std::vector<std::string> &outside)
{
    QStringList why;
    for (const std::string &s : outside)
        why << QString::fromStdString(s);
    return why.join(QStringLiteral("; "));
}

} // namespace

physics::Unit unitOf(physics::SweepInput input, const PlotInputs &units)
{
    using physics::SweepInput;
    switch (input) {
    case SweepInput::Velocity: return units.velocityUnit;
    case SweepInput::Length: return units.lengthUnit;
    case SweepInput::FreeStreamTemperature:
    case SweepInput::SurfaceTemperature: return units.problem.temperatureUnit;
    case SweepInput::HeatFlux: return units.problem.heatFluxUnit;
    case SweepInput::Pressure: return units.problem.pressureUnit;
    case SweepInput::Reynolds:
    case SweepInput::Prandtl: break;
    }
    return physics::Unit{physics::Quantity::Velocity, {}, 1.0, 0.0};
}

void SweepModel::reset(physics::Sweep sweep, const PlotInputs &inputs)
{
    using physics::Quantity;
    beginResetModel();
    table = std::move(sweep);
    units = inputs;
    sweptUnit = unitOf(table.input(), units);
    const Quantity rate = units.problem.selection.isSphere() ? Quantity::HeatRate : Quantity::HeatRatePerLength;
    heatRateUnit = units.heatRateUnit.quantity == rate ? units.heatRateUnit : physics::defaultUnit(rate);
    // Ts − T∞ in the temperatures' own scale: kelvin or degrees Celsius, or degrees Fahrenheit.
    differenceUnit = physics::differenceUnitOf(units.problem.temperatureUnit);
    shown = layout(false);
    written = layout(true);
    cache.assign(cachedRows, Cached{});
    endResetModel();
}

std::vector<SweepModel::Column> SweepModel::layout(bool file) const
{
    std::vector<Column> out{{What::Swept}};
    if (table.columns().empty())
        return out;
    const bool physical = table.physical();
    const bool fluxGiven = physical && physics::takesHeatFlux(units.problem.selection);
    if (physical) {
        std::vector<Reference> seen;
        for (std::size_t c = 0; c < table.columns().size(); ++c) {
            const Reference r = referenceOf(table.columns()[c].term.correlation);
            if (std::find(seen.begin(), seen.end(), r) != seen.end())
                continue;
            seen.push_back(r);
            out.push_back({What::Reynolds, c});
            out.push_back({What::Prandtl, c});
        }
    }
    for (std::size_t c = 0; c < table.columns().size(); ++c) {
        out.push_back({What::Nusselt, c});
        if (physical) {
            out.push_back({What::H, c});
            out.push_back({fluxGiven ? What::TemperatureDifference : What::HeatFlux, c});
            if (table.columns()[c].term.kind == Kind::Average)
                out.push_back({What::HeatRate, c});
        }
        if (file)
            out.push_back({What::Outside, c});
    }
    if (file && physical)
        out.push_back({What::Error});
    return out;
}

QString SweepModel::title(const Column &c) const
{
    const auto withUnit = [](const QString &name, const physics::Unit &unit) {
        return QStringLiteral("%1 (%2)").arg(name, fromView(unit.symbol));
    };
    const QString label = c.what == What::Swept || c.what == What::Error
        ? QString()
        : QString::fromStdString(table.columns()[c.at].label);
    const QString at = c.at < table.columns().size()
            && referenceOf(table.columns()[c.at].term.correlation) == Reference::FreeStream
        ? QStringLiteral("T∞")
        : QStringLiteral("T_f");
    switch (c.what) {
    case What::Swept: {
        const QString name = fromView(physics::nameOf(table.input()));
        return sweptUnit.symbol.empty() ? name : withUnit(name, sweptUnit);
    }
    case What::Reynolds: return tr("Re at %1").arg(at);
    case What::Prandtl: return tr("Pr at %1").arg(at);
    case What::Nusselt: return tr("%1 Nu").arg(label);
    case What::H: return withUnit(tr("%1 h").arg(label), units.heatTransferCoefficientUnit);
    case What::HeatFlux: return withUnit(tr("%1 q″").arg(label), units.heatFluxUnit);
    case What::TemperatureDifference: return withUnit(tr("%1 Ts − T∞").arg(label), differenceUnit);
    case What::HeatRate:
        return withUnit(tr("%1 %2").arg(label, units.problem.selection.isSphere() ? QStringLiteral("q") : QStringLiteral("q′")),
                        heatRateUnit);
    case What::Outside: return tr("%1 outside_range").arg(label);
    case What::Error: return tr("error");
    }
    return {};
}

std::optional<double> SweepModel::number(const physics::SweepRow &row, const Column &c) const
{
    const auto in = [](const std::optional<double> &si, const physics::Unit &unit) -> std::optional<double> {
        if (!si)
            return std::nullopt;
        return physics::fromSI(unit, *si);
    };
    // Re and Pr of the first correlation at that temperature with a value in this row.
    const auto atReference = [&](std::optional<double> physics::SweepCell::*member) -> std::optional<double> {
        const Reference r = referenceOf(table.columns()[c.at].term.correlation);
        for (std::size_t i = c.at; i < row.cells.size(); ++i)
            if (referenceOf(table.columns()[i].term.correlation) == r && row.cells[i].*member)
                return row.cells[i].*member;
        return std::nullopt;
    };
    switch (c.what) {
    case What::Swept: return physics::fromSI(sweptUnit, row.value);
    case What::Reynolds: return atReference(&physics::SweepCell::reynolds);
    case What::Prandtl: return atReference(&physics::SweepCell::prandtl);
    case What::Nusselt: return row.cells[c.at].nusselt;
    case What::H: return in(row.cells[c.at].h, units.heatTransferCoefficientUnit);
    case What::HeatFlux: return in(row.cells[c.at].heatFlux, units.heatFluxUnit);
    case What::TemperatureDifference: return in(row.cells[c.at].temperatureDifference, differenceUnit);
    case What::HeatRate: return in(row.cells[c.at].heatRate, heatRateUnit);
    case What::Outside:
    case What::Error: break;
    }
    return std::nullopt;
}

const std::vector<std::string> &SweepModel::outside(const physics::SweepRow &row, const Column &c) const
{
    static const std::vector<std::string> none;
    const bool ofCorrelation = c.what != What::Swept && c.what != What::Reynolds && c.what != What::Prandtl
        && c.what != What::Error;
    return ofCorrelation ? row.cells[c.at].outside : none;
}

const physics::SweepRow &SweepModel::rowAt(int row) const
{
    Cached &slot = cache[static_cast<std::size_t>(row) % cache.size()];
    if (slot.index != row) {
        slot.row = table.row(static_cast<std::size_t>(row));
        slot.index = row;
    }
    return slot.row;
}

int SweepModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || table.columns().empty() ? 0 : static_cast<int>(table.size());
}

int SweepModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || table.columns().empty() ? 0 : static_cast<int>(shown.size());
}

QVariant SweepModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || static_cast<std::size_t>(section) >= shown.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return title(shown[static_cast<std::size_t>(section)]);
}

QVariant SweepModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Column &c = shown[static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return c.what == What::Swept ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    const physics::SweepRow &row = rowAt(index.row());
    const std::optional<double> value = number(row, c);
    const std::vector<std::string> &why = outside(row, c);
    const bool marked = value && !why.empty();
    switch (role) {
    case Qt::DisplayRole: {
        if (!value)
            return QString();
        std::string text;
        appendShown(text, *value);
        return QString::fromStdString(text) + (marked ? outsideMark : QString());
    }
    case Qt::FontRole:
        if (marked) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        return {};
    case Qt::ToolTipRole:
        if (c.what == What::Swept)
            return QString::fromStdString(row.refusal);
        return marked ? sentences(why) : QString();
    case Qt::AccessibleDescriptionRole:
        if (c.what == What::Swept)
            return QString::fromStdString(row.refusal);
        if (!value)
            return tr("no value");
        return marked ? tr("outside the published range: %1").arg(sentences(why)) : QString();
    default: return {};
    }
}

std::string SweepModel::headerLine(char separator) const
{
    std::string out;
    for (const Column &c : written) {
        if (&c != &written.front())
            out += separator;
        appendCell(out, title(c).toStdString(), separator);
    }
    return out;
}

std::string SweepModel::line(int index, char separator) const
{
    const physics::SweepRow &row = rowAt(index);
    std::string out;
    for (const Column &c : written) {
        if (&c != &written.front())
            out += separator;
        if (c.what == What::Outside)
            appendCell(out, sentences(row.cells[c.at].outside).toStdString(), separator);
        else if (c.what == What::Error)
            appendCell(out, row.refusal, separator);
        else if (const std::optional<double> v = number(row, c))
            appendShortest(out, *v);
    }
    return out;
}

} // namespace nusselt::plot
