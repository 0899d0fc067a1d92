#include "sweepmodel.h"

#include "celltext.h"
#include "numbers.h"

#include <QFont>


namespace nusselt::plot {
namespace {

// Rows kept once evaluated: a screenful many times over, and the thousand rows a view measures
// to size its columns.
constexpr std::size_t cachedRows = 1024;

const QString outsideMark = QStringLiteral(" †");

QString sentences(const std::vector<std::string> &outside)
{
    QStringList why;
    for (const std::string &s : outside)
        why << QString::fromStdString(s);
    return why.join(QStringLiteral("; "));
}

} // namespace

void SweepModel::reset(physics::Sweep sweep, const PlotInputs &inputs)
{
    beginResetModel();
    // Ts − T∞ in the temperatures' own scale: kelvin or degrees Celsius, or degrees Fahrenheit.
    const physics::SweepUnits units{physics::unitOf(sweep.input(), inputs.problem),
                                    physics::differenceUnitOf(inputs.problem.temperatureUnit),
                                    inputs.heatTransferCoefficientUnit, inputs.heatFluxUnit, inputs.heatRateUnit};
    table = physics::SweepTable(std::move(sweep), inputs.problem.selection, units);
    cache.assign(cachedRows, Cached{});
    endResetModel();
}

const physics::SweepRow &SweepModel::rowAt(int row) const
{
    Cached &slot = cache[static_cast<std::size_t>(row) % cache.size()];
    if (slot.index != row) {
        slot.row = table.sweep().row(static_cast<std::size_t>(row));
        slot.index = row;
    }
    return slot.row;
}

int SweepModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table.size());
}

int SweepModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || table.size() == 0 ? 0 : static_cast<int>(table.shown().size());
}

QVariant SweepModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || static_cast<std::size_t>(section) >= table.shown().size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(table.title(table.shown()[static_cast<std::size_t>(section)]));
}

QVariant SweepModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    using What = physics::SweepTable::What;
    const physics::SweepTable::Column &c = table.shown()[static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return c.what == What::Swept ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    const physics::SweepRow &row = rowAt(index.row());
    const std::optional<double> value = table.number(row, c);
    const std::vector<std::string> &why = table.outside(row, c);
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

} // namespace nusselt::plot
