#pragma once

// The sweep window: one input of the case stepped from a start to an end value, a table row per
// step and a column per correlation (Nu, and h with a physical problem), values outside a
// correlation's published range in italics with a marker, the reason in the tooltip and the
// accessible description. The table is what screen readers read of the plot. It follows the
// window's case live; the numbers come from physics/sweep.h.

#include "plotpanel.h"

#include "sweep.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace nusselt::plot {

class SweepWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SweepWindow(QWidget *parent = nullptr);

    void setInputs(const PlotInputs &inputs);

private:
    void offerInputs();
    void suggestRange();
    void recompute();
    void fillTable();
    void copy();
    void saveCsv();
    physics::SweepInput chosen() const;
    // Unit the chosen physical input is typed in, from the window's choices.
    physics::Unit unitOfChosen() const;
    QStringList header() const;
    // A row as shown: the swept value in its unit, then each column's Nu (and h in the window's unit).
    std::vector<std::optional<double>> shownValues(const physics::SweepRow &row) const;
    // The table as text, header row first: tab-separated for Copy, comma-separated for Save CSV….
    QString separated(QChar separator) const;

    PlotInputs current;
    bool physical = false;
    physics::SweepTable shown;
    QComboBox *variable = nullptr;
    QLineEdit *from = nullptr;
    QLineEdit *to = nullptr;
    QSpinBox *steps = nullptr;
    QComboBox *scale = nullptr;
    QLabel *status = nullptr;
    QTableWidget *grid = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *saveButton = nullptr;
};

} // namespace nusselt::plot
