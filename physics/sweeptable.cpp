#include "sweeptable.h"

#include "csv.h"
#include "numbers.h"

#include <algorithm>

namespace nusselt::physics {
namespace {

// A text cell: quoted where a CSV needs it.
void appendCell(std::string &out, std::string_view text, char separator)
{
    if (separator == ',')
        appendCsvCell(out, text);
    else
        out += text;
}

std::string sentences(const std::vector<std::string> &outside)
{
    std::string out;
    for (const std::string &s : outside)
        out += (out.empty() ? "" : "; ") + s;
    return out;
}

} // namespace

Unit unitOf(SweepInput input, const Problem &problem)
{
    switch (input) {
    case SweepInput::Velocity: return problem.velocityUnit;
    case SweepInput::Length: return problem.lengthUnit;
    case SweepInput::FreeStreamTemperature:
    case SweepInput::SurfaceTemperature: return problem.temperatureUnit;
    case SweepInput::HeatFlux: return problem.heatFluxUnit;
    case SweepInput::Pressure: return problem.pressureUnit;
    case SweepInput::Reynolds:
    case SweepInput::Prandtl: break;
    }
    return Unit{Quantity::Velocity, {}, 1.0, 0.0};
}

SweepTable::SweepTable(Sweep sweep, const Selection &sel, const SweepUnits &given)
    : table(std::move(sweep)), selection(sel), units(given)
{
    const Quantity rate = selection.isSphere() ? Quantity::HeatRate : Quantity::HeatRatePerLength;
    if (units.heatRate.quantity != rate)
        units.heatRate = defaultUnit(rate);
    shownColumns = layout(false);
    writtenColumns = layout(true);
}

std::vector<SweepTable::Column> SweepTable::layout(bool file) const
{
    std::vector<Column> out{{What::Swept}};
    if (table.columns().empty())
        return out;
    const bool physical = table.physical();
    const bool fluxGiven = physical && takesHeatFlux(selection);
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

std::string SweepTable::title(const Column &c) const
{
    const auto withUnit = [](std::string name, const Unit &unit) {
        return name + " (" + std::string(unit.symbol) + ")";
    };
    const bool ofCorrelation = c.what != What::Swept && c.what != What::Error && c.at < table.columns().size();
    const std::string label = ofCorrelation ? table.columns()[c.at].label + " " : std::string();
    const std::string at = ofCorrelation && referenceOf(table.columns()[c.at].term.correlation) == Reference::FreeStream
        ? "T∞"
        : "T_f";
    switch (c.what) {
    case What::Swept: {
        const std::string name(nameOf(table.input()));
        return units.swept.symbol.empty() ? name : withUnit(name, units.swept);
    }
    case What::Reynolds: return "Re at " + at;
    case What::Prandtl: return "Pr at " + at;
    case What::Nusselt: return label + "Nu";
    case What::H: return withUnit(label + "h", units.heatTransferCoefficient);
    case What::HeatFlux: return withUnit(label + "q″", units.heatFlux);
    case What::TemperatureDifference: return withUnit(label + "Ts − T∞", units.temperatureDifference);
    case What::HeatRate: return withUnit(label + (selection.isSphere() ? "q" : "q′"), units.heatRate);
    case What::Outside: return label + "outside_range";
    case What::Error: return "error";
    }
    return {};
}

std::optional<double> SweepTable::number(const SweepRow &row, const Column &c) const
{
    const auto in = [](const std::optional<double> &si, const Unit &unit) -> std::optional<double> {
        if (!si)
            return std::nullopt;
        return fromSI(unit, *si);
    };
    // Re and Pr of the first correlation at that temperature with a value in this row.
    const auto atReference = [&](std::optional<double> SweepCell::*member) -> std::optional<double> {
        const Reference r = referenceOf(table.columns()[c.at].term.correlation);
        for (std::size_t i = c.at; i < row.cells.size(); ++i)
            if (referenceOf(table.columns()[i].term.correlation) == r && row.cells[i].*member)
                return row.cells[i].*member;
        return std::nullopt;
    };
    switch (c.what) {
    case What::Swept: return fromSI(units.swept, row.value);
    case What::Reynolds: return atReference(&SweepCell::reynolds);
    case What::Prandtl: return atReference(&SweepCell::prandtl);
    case What::Nusselt: return row.cells[c.at].nusselt;
    case What::H: return in(row.cells[c.at].h, units.heatTransferCoefficient);
    case What::HeatFlux: return in(row.cells[c.at].heatFlux, units.heatFlux);
    case What::TemperatureDifference: return in(row.cells[c.at].temperatureDifference, units.temperatureDifference);
    case What::HeatRate: return in(row.cells[c.at].heatRate, units.heatRate);
    case What::Outside:
    case What::Error: break;
    }
    return std::nullopt;
}

const std::vector<std::string> &SweepTable::outside(const SweepRow &row, const Column &c) const
{
    static const std::vector<std::string> none;
    const bool ofCorrelation = c.what != What::Swept && c.what != What::Reynolds && c.what != What::Prandtl
        && c.what != What::Error;
    return ofCorrelation ? row.cells[c.at].outside : none;
}

std::string SweepTable::headerLine(char separator) const
{
    std::string out;
    for (const Column &c : writtenColumns) {
        if (&c != &writtenColumns.front())
            out += separator;
        appendCell(out, title(c), separator);
    }
    return out;
}

std::string SweepTable::line(const SweepRow &row, char separator) const
{
    std::string out;
    for (const Column &c : writtenColumns) {
        if (&c != &writtenColumns.front())
            out += separator;
        if (c.what == What::Outside)
            appendCell(out, sentences(row.cells[c.at].outside), separator);
        else if (c.what == What::Error)
            appendCell(out, row.refusal, separator);
        else if (const std::optional<double> v = number(row, c))
            appendShortest(out, *v);
    }
    return out;
}

} // namespace nusselt::physics
