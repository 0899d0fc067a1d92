#include "sweep.h"

#include "curves.h"

#include <algorithm>

namespace nusselt::physics {
namespace {

// Appends the row of one value: each correlation met there in its column, a column added the
// first time its term appears.
void addRow(SweepTable &table, double value, const std::vector<Operating> &operating, std::string refusal = {})
{
    table.rows.push_back(SweepRow{value, std::vector<SweepCell>(table.columns.size()), std::move(refusal)});
    for (const Operating &o : operating) {
        const auto known = std::find_if(table.columns.begin(), table.columns.end(), [&](const SweepColumn &c) {
            return c.term.correlation == o.term.correlation && c.term.kind == o.term.kind;
        });
        const auto column = static_cast<std::size_t>(known - table.columns.begin());
        if (known == table.columns.end()) {
            table.columns.push_back(SweepColumn{o.term, o.label});
            for (SweepRow &row : table.rows)
                row.cells.resize(table.columns.size());
        }
        table.rows.back().cells[column] = SweepCell{o.nusselt, o.h, o.outside};
    }
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

SweepTable sweep(const Selection &selection, const Inputs &inputs, SweepInput input,
                 const std::vector<double> &values)
{
    SweepTable table{input, false, {}, {}};
    Inputs varied = inputs;
    for (double v : values) {
        (input == SweepInput::Prandtl ? varied.prandtl : varied.reynolds) = v;
        addRow(table, v, operatingPoints(selection, varied));
    }
    return table;
}

SweepTable sweep(const Problem &problem, SweepInput input, const std::vector<double> &values)
{
    SweepTable table{input, true, {}, {}};
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
        addRow(table, v, operatingPoints(e), e.messages.empty() ? std::string() : e.messages.front().text);
    }
    return table;
}

} // namespace nusselt::physics
