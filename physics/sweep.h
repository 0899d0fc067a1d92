#pragma once

// A sweep: one input of a case stepped from a start to an end value, every correlation of the case
// evaluated at each step. The table the sweep window shows, copies and saves; the plot's accessible
// counterpart. Values come from catalog.h (the calculator's inputs) or evaluate() (a physical
// problem): no formula lives here.
//
// A sweep keeps its steps, not its rows: a row is evaluated when it is asked for, so that a table
// of many steps costs the memory of the rows on screen, not of all of them.

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
    HeatFlux, // the uniform-flux plate's, instead of the surface temperature
    Pressure,
};

// "Re", "Pr", "Velocity", ... as column headers and choices name them.
std::string_view nameOf(SweepInput input);

// The inputs a sweep of the case can step: Re and Pr for the calculator's numbers; for a physical
// problem the velocity, the length, T∞, Ts (or q'' for the uniform-flux plate) and, where the
// program takes the properties itself, the pressure.
std::vector<SweepInput> sweepInputs(const Problem &problem, bool physical);

// More steps than anyone reads, and a table that stays quick to scroll and save.
inline constexpr int maxSweepSteps = 100000;

struct SweepCell {
    std::optional<double> reynolds; // physical problems: at the correlation's reference temperature
    std::optional<double> prandtl;
    std::optional<double> nusselt;
    std::optional<double> h;                     // W/(m²·K), physical problems only
    std::optional<double> heatFlux;              // W/m²
    std::optional<double> heatRate;              // W/m or W (average values only)
    std::optional<double> temperatureDifference; // K, Ts - T∞ of the uniform-flux plate
    std::vector<std::string> outside;            // sentences of outsideRange(); empty inside the range
};

struct SweepColumn {
    Term term;
    std::string label; // as the plot's legend names the correlation
};

struct SweepRow {
    double value = 0.0;           // the swept input (SI for physical inputs)
    std::vector<SweepCell> cells; // one per column
    std::string refusal;          // why the row has no values (a refused input), or empty
};

class Sweep
{
public:
    Sweep() = default;
    // The calculator's inputs with Re or Pr taking each of `values` in turn.
    Sweep(const Selection &selection, const Inputs &inputs, SweepInput input, std::vector<double> values);
    // A physical problem with one of its inputs (SI) taking each of `values` in turn.
    Sweep(const Problem &problem, SweepInput input, std::vector<double> values);

    SweepInput input() const { return swept; }
    bool physical() const { return isPhysical; }
    // Every correlation met on the way, in the case's order (the laminar plate changes relation
    // where Pr crosses 0.6).
    const std::vector<SweepColumn> &columns() const { return cols; }
    std::size_t size() const { return values.size(); }
    double value(std::size_t row) const { return values[row]; }
    // The row of one step, evaluated now.
    SweepRow row(std::size_t index) const;
    // A fluid of one's own keeps the properties typed for it: stepping a temperature, q'' or the
    // pressure leaves Re, Pr and Nu where they are.
    bool fixedProperties() const;

private:
    void addColumns(const Terms &terms);
    Problem problemAt(std::size_t index) const;

    SweepInput swept = SweepInput::Reynolds;
    bool isPhysical = false;
    Selection selection;
    Inputs inputs;
    Problem problem;
    std::vector<double> values;
    std::vector<SweepColumn> cols;
};

} // namespace nusselt::physics
