#include "sweep.h"

#include "curves.h"

#include <algorithm>

namespace nusselt::physics {
namespace {

bool sameTerm(const Term &a, const Term &b)
{
    return a.correlation == b.correlation && a.kind == b.kind;
}

// Column of a term, added the first time the term appears.
std::size_t columnOf(SweepTable &table, const Operating &o)
{
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (sameTerm(table.columns[i].term, o.term))
            return i;
    table.columns.push_back(SweepColumn{o.term, o.label});
    for (SweepRow &row : table.rows)
        row.cells.resize(table.columns.size());
    return table.columns.size() - 1;
}

} // namespace

std::string_view nameOf(SweepInput input)
{
    switch (input) {
    case SweepInput::Reynolds: return "Re";
    case SweepInput::Prandtl: return "Pr";
    case SweepInput::Velocity: return "Velocity";
    case SweepInput::Length: return "Length";
    case SweepInput::FreeStreamTemperature: return "Free-stream temperature";
    case SweepInput::SurfaceTemperature: return "Surface temperature";
    case SweepInput::Pressure: return "Pressure";
    }
    return {};
}

std::optional<Quantity> quantityOf(SweepInput input)
{
    switch (input) {
    case SweepInput::Reynolds:
    case SweepInput::Prandtl: return std::nullopt;
    case SweepInput::Velocity: return Quantity::Velocity;
    case SweepInput::Length: return Quantity::Length;
    case SweepInput::FreeStreamTemperature:
    case SweepInput::SurfaceTemperature: return Quantity::Temperature;
    case SweepInput::Pressure: return Quantity::Pressure;
    }
    return std::nullopt;
}

SweepTable sweep(const Selection &selection, const Inputs &inputs, SweepInput input,
                 const std::vector<double> &values)
{
    SweepTable table;
    table.input = input;
    table.rows.reserve(values.size());
    Inputs varied = inputs;
    for (double v : values) {
        (input == SweepInput::Prandtl ? varied.prandtl : varied.reynolds) = v;
        SweepRow row;
        row.value = v;
        row.cells.resize(table.columns.size());
        table.rows.push_back(std::move(row));
        for (const Operating &o : operatingPoints(selection, varied)) {
            const std::size_t c = columnOf(table, o);
            SweepCell &cell = table.rows.back().cells[c];
            cell.nusselt = o.nusselt;
            cell.outside = outsideRange(o.term.correlation, o.point);
        }
    }
    return table;
}

SweepTable sweep(const Problem &problem, SweepInput input, const std::vector<double> &values)
{
    SweepTable table;
    table.input = input;
    table.physical = true;
    table.rows.reserve(values.size());
    Problem varied = problem;
    for (double v : values) {
        switch (input) {
        case SweepInput::Velocity: varied.velocity = v; break;
        case SweepInput::Length: varied.length = v; break;
        case SweepInput::FreeStreamTemperature: varied.freeStreamTemperature = v; break;
        case SweepInput::SurfaceTemperature: varied.surfaceTemperature = v; break;
        case SweepInput::Pressure: varied.pressure = v; break;
        case SweepInput::Reynolds:
        case SweepInput::Prandtl: break; // not inputs of a physical problem
        }
        const Evaluation e = evaluate(varied);
        SweepRow row;
        row.value = v;
        row.cells.resize(table.columns.size());
        if (!e.messages.empty())
            row.refusal = e.messages.front().text;
        table.rows.push_back(std::move(row));
        const std::vector<Operating> operating = operatingPoints(e);
        for (std::size_t i = 0; i < operating.size(); ++i) {
            const std::size_t c = columnOf(table, operating[i]);
            SweepCell &cell = table.rows.back().cells[c];
            cell.nusselt = e.results[i].nusselt;
            cell.h = e.results[i].heatTransferCoefficient;
            cell.outside = e.results[i].outsideRange;
        }
    }
    return table;
}

} // namespace nusselt::physics
