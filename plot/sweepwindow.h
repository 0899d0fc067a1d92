#pragma once

// The sweep window: one input of the case stepped from a start to an end value, a table row per
// step and columns per correlation (sweepmodel.h), values outside a correlation's published range
// in italics with a marker, the reason in the tooltip and the accessible description. The table
// is what screen readers read of the plot. It follows the window's case live; the numbers come
// from physics/sweep.h, and Copy and Save CSV… write them at full precision.

#include "plotpanel.h"

#include "sweep.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace nusselt::plot {

class SweepModel;

class SweepWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SweepWindow(QWidget *parent = nullptr);

    void setInputs(const PlotInputs &inputs);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void offerInputs();
    void suggestRange();
    void recompute();
    void copy();
    void saveCsv();
    bool writeCsv(const QString &path, QString *error) const;
    physics::SweepInput chosen() const;

    PlotInputs current;
    std::vector<physics::SweepInput> offered;
    QComboBox *variable = nullptr;
    QLineEdit *from = nullptr;
    QLineEdit *to = nullptr;
    QSpinBox *steps = nullptr;
    QComboBox *scale = nullptr;
    QLabel *status = nullptr;
    QLabel *note = nullptr;
    QTableView *grid = nullptr;
    SweepModel *model = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *saveButton = nullptr;
    bool placed = false; // sized to its columns and kept on the screen when first shown
};

} // namespace nusselt::plot
