#pragma once

// The sweep as a table: a row per step, evaluated when a view or a writer asks for it (the rows
// last asked for are kept), so that memory follows the rows on screen rather than the number of
// steps. Columns: the swept value in its unit; for a physical problem Re and Pr at each reference
// temperature the case's correlations use; then per correlation Nu and, for a physical problem,
// h, q″ (Ts − T∞ for the uniform-flux plate, whose q″ is the input) and, for average values, q.
// A value outside its correlation's published range is in italics with a †, the reason in its
// tooltip and accessible description.

#include "plotpanel.h"

#include "sweep.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace nusselt::plot {

class SweepModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // A new table: `sweep` shown in the units the window hands over.
    void reset(physics::Sweep sweep, const PlotInputs &units);
    const physics::Sweep &sweep() const { return table; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table as a spreadsheet reads it: the shown columns with every number at full precision
    // (the shortest text that reads back), after each correlation's values an outside_range
    // column with the sentences that put them outside its published range, and for a physical
    // problem an error column that says why a step has no values. Cells are separated by
    // `separator`, and quoted as every CSV the program writes when it is a comma.
    std::string headerLine(char separator) const;
    std::string line(int row, char separator) const;

private:
    enum class What { Swept, Reynolds, Prandtl, Nusselt, H, HeatFlux, TemperatureDifference, HeatRate, Outside, Error };
    struct Column {
        What what;
        std::size_t at = 0; // the correlation's column of the sweep; for Re and Pr, the first at that temperature
    };
    std::vector<Column> layout(bool written) const;
    QString title(const Column &column) const;
    std::optional<double> number(const physics::SweepRow &row, const Column &column) const; // in its unit
    const std::vector<std::string> &outside(const physics::SweepRow &row, const Column &column) const;
    const physics::SweepRow &rowAt(int row) const;

    physics::Sweep table;
    PlotInputs units;
    physics::Unit sweptUnit = physics::defaultUnit(physics::Quantity::Velocity);
    physics::Unit heatRateUnit = physics::defaultUnit(physics::Quantity::HeatRatePerLength);
    physics::Unit differenceUnit = physics::defaultUnit(physics::Quantity::TemperatureDifference);
    std::vector<Column> shown, written;
    struct Cached {
        int index = -1;
        physics::SweepRow row;
    };
    mutable std::vector<Cached> cache;
};

// The unit a physical sweep input is typed and shown in, from the units the window hands over;
// none (an empty symbol) for Re and Pr.
physics::Unit unitOf(physics::SweepInput input, const PlotInputs &units);

} // namespace nusselt::plot
