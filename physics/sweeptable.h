#pragma once

// A sweep laid out as a table in units of one's choice: the columns, their titles, the numbers in
// their units, and each row as a line of a CSV or tab-separated file. The sweep window and the web
// page show and save the same table from here.
//
// Columns: the swept value in its unit; for a physical problem Re and Pr at each reference
// temperature the case's correlations use; then per correlation Nu and, for a physical problem,
// h, q″ (Ts − T∞ for the uniform-flux plate, whose q″ is the input) and, for average values, q.
// A file also has after each correlation's values an outside_range column with the sentences that
// put them outside its published range, and for a physical problem an error column that says why
// a step has no values.

#include "sweep.h"
#include "units.h"

#include <optional>
#include <string>
#include <vector>

namespace nusselt::physics {

// The units a sweep is shown in. A heat rate of the other kind (per metre for a sphere, say) is
// shown in its SI unit.
struct SweepUnits {
    Unit swept = defaultUnit(Quantity::Velocity); // the swept input's; Re and Pr: an empty symbol
    Unit temperatureDifference = defaultUnit(Quantity::TemperatureDifference);
    Unit heatTransferCoefficient = defaultUnit(Quantity::HeatTransferCoefficient);
    Unit heatFlux = defaultUnit(Quantity::HeatFlux);
    Unit heatRate = defaultUnit(Quantity::HeatRatePerLength); // per metre, or for the whole sphere
};

// The unit a problem's sweep input is typed and shown in: the problem's own unit for it; none (an
// empty symbol) for Re and Pr.
Unit unitOf(SweepInput input, const Problem &problem);

class SweepTable
{
public:
    enum class What { Swept, Reynolds, Prandtl, Nusselt, H, HeatFlux, TemperatureDifference, HeatRate, Outside, Error };
    struct Column {
        What what;
        std::size_t at = 0; // the correlation's column of the sweep; for Re and Pr, the first at that temperature
    };

    SweepTable() = default;
    SweepTable(Sweep sweep, const Selection &selection, const SweepUnits &units);

    const Sweep &sweep() const { return table; }
    std::size_t size() const { return table.columns().empty() ? 0 : table.size(); }
    // The columns shown on screen, and those written to a file (with the outside_range and error ones).
    const std::vector<Column> &shown() const { return shownColumns; }
    const std::vector<Column> &written() const { return writtenColumns; }

    // "Velocity (m/s)", "Re at T_f", "Hilpert h (W/(m²·K))", "Hilpert outside_range", "error".
    std::string title(const Column &column) const;
    // A column's number in its unit; empty where the row has none (and for text columns).
    std::optional<double> number(const SweepRow &row, const Column &column) const;
    // The sentences that put the column's correlation outside its range; none for the swept
    // value and for Re and Pr.
    const std::vector<std::string> &outside(const SweepRow &row, const Column &column) const;

    // The written columns as a spreadsheet reads them: every number at full precision (the
    // shortest text that reads back), cells separated by `separator` and quoted as every CSV the
    // program writes when it is a comma (a tab-separated line has no tabs or line ends in its texts).
    std::string headerLine(char separator) const;
    std::string line(const SweepRow &row, char separator) const;

private:
    std::vector<Column> layout(bool file) const;

    Sweep table;
    Selection selection;
    SweepUnits units;
    std::vector<Column> shownColumns, writtenColumns;
};

} // namespace nusselt::physics
