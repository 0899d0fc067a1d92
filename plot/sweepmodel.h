#pragma once

// The sweep as a table on screen: a row per step, evaluated when a view or a writer asks for it
// (the rows last asked for are kept), so that memory follows the rows on screen rather than the
// number of steps. Its columns, titles and numbers are physics::SweepTable's. A value outside its
// correlation's published range is in italics with a †, the reason in its tooltip and accessible
// description.

#include "plotpanel.h"

#include "sweeptable.h"

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
    const physics::Sweep &sweep() const { return table.sweep(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table as a spreadsheet reads it (physics::SweepTable::headerLine and line).
    std::string headerLine(char separator) const { return table.headerLine(separator); }
    std::string line(int row, char separator) const { return table.line(rowAt(row), separator); }

private:
    const physics::SweepRow &rowAt(int row) const;

    physics::SweepTable table;
    struct Cached {
        int index = -1;
        physics::SweepRow row;
    };
    mutable std::vector<Cached> cache;
};

} // namespace nusselt::plot
