#pragma once

// A sweep: one input of a case stepped from a start to an end value, every correlation of the case
// evaluated at each step. The table the sweep window shows, copies and saves; the plot's accessible
// counterpart. Values come from catalog.h (the calculator's inputs) or evaluate() (a physical
// problem): no formula lives here.

#include "flowcase.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt::physics {

enum class SweepInput {
    Reynolds, // the calculator's inputs
    Prandtl,
    Velocity, // a physical problem's inputs, SI
    Length,
    FreeStreamTemperature,
    SurfaceTemperature,
    Pressure,
};

// "Re", "Pr", "Velocity", ... as column headers and choices name them.
std::string_view nameOf(SweepInput input);

struct SweepCell {
    std::optional<double> nusselt;
    std::optional<double> h;          // W/(m²·K), physical problems only
    std::vector<std::string> outside; // sentences of outsideRange(); empty inside the range
};

struct SweepColumn {
    Term term;
    std::string label; // as the plot's legend names the correlation
};

struct SweepRow {
    double value = 0.0; // the swept input (SI for physical inputs)
    std::vector<SweepCell> cells; // one per column
    std::string refusal;          // why the row has no values (a refused input), or empty
};

struct SweepTable {
    SweepInput input = SweepInput::Reynolds;
    bool physical = false;
    std::vector<SweepColumn> columns;
    std::vector<SweepRow> rows;
};

// The calculator's inputs with Re or Pr taking each of `values` in turn. Columns are every
// correlation met on the way (the laminar plate changes relation where Pr crosses 0.6).
SweepTable sweep(const Selection &selection, const Inputs &inputs, SweepInput input,
                 const std::vector<double> &values);
// A physical problem with one of its inputs (SI) taking each of `values` in turn.
SweepTable sweep(const Problem &problem, SweepInput input, const std::vector<double> &values);

} // namespace nusselt::physics
