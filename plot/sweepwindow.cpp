#include "sweepwindow.h"

#include "celltext.h"
#include "curves.h"
#include "numbers.h"
#include "onscreen.h"
#include "sweepmodel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <utility>

namespace nusselt::plot {
namespace {

// A suggested start or end, as the table shows numbers.
QString shown(double v)
{
    std::string text;
    appendShown(text, v);
    return QString::fromStdString(text);
}

// A start or end value: a finite number as every window reads one, whatever the locale.
std::optional<double> parse(const QString &text)
{
    const std::optional<double> v = readNumber(text.toStdString());
    return v && std::isfinite(*v) ? v : std::nullopt;
}

} // namespace

SweepWindow::SweepWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SweepWindow"));
    setWindowTitle(tr("Sweep"));
    setModal(false);

    variable = new QComboBox(this);
    variable->setObjectName(QStringLiteral("SweepVariable"));
    from = new QLineEdit(this);
    from->setObjectName(QStringLiteral("SweepFrom"));
    to = new QLineEdit(this);
    to->setObjectName(QStringLiteral("SweepTo"));
    steps = new QSpinBox(this);
    steps->setObjectName(QStringLiteral("SweepSteps"));
    // Any count can be typed; more than maxSweepSteps is refused with a message, not clipped.
    steps->setRange(2, std::numeric_limits<int>::max());
    steps->setValue(11);
    scale = new QComboBox(this);
    scale->setObjectName(QStringLiteral("SweepScale"));
    scale->addItems({tr("Linear"), tr("Logarithmic")});
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("SweepStatus"));
    status->setWordWrap(true);
    note = new QLabel(this);
    note->setObjectName(QStringLiteral("SweepNote"));
    note->setWordWrap(true);

    model = new SweepModel(this);
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("SweepTable"));
    grid->setModel(model);
    grid->setAccessibleName(tr("Sweep table"));
    grid->setAccessibleDescription(
        tr("One row per step of the varied input, columns per correlation. Values marked † lie outside "
           "the correlation's published range; each such cell says why."));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    copyButton = new QPushButton(tr("&Copy"), this);
    copyButton->setObjectName(QStringLiteral("SweepCopy"));
    saveButton = new QPushButton(tr("S&ave CSV…"), this);
    saveButton->setObjectName(QStringLiteral("SweepSave"));
    auto *close = new QPushButton(tr("Cl&ose"), this);
    close->setObjectName(QStringLiteral("SweepClose"));
    for (QPushButton *b : {copyButton, saveButton, close})
        b->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(tr("&Vary:"), variable);
    form->addRow(tr("&From:"), from);
    form->addRow(tr("&To:"), to);
    form->addRow(tr("&Steps:"), steps);
    form->addRow(tr("Sca&le:"), scale);
    auto *buttons = new QHBoxLayout;
    auto *legend = new QLabel(tr("† outside the correlation's published range (the cell's tooltip says why)"), this);
    legend->setWordWrap(true);
    buttons->addWidget(legend, 1);
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status);
    layout->addWidget(grid, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    resize(760, 480);

    connect(variable, qOverload<int>(&QComboBox::currentIndexChanged), this, &SweepWindow::suggestRange);
    connect(from, &QLineEdit::editingFinished, this, &SweepWindow::recompute);
    connect(to, &QLineEdit::editingFinished, this, &SweepWindow::recompute);
    connect(steps, qOverload<int>(&QSpinBox::valueChanged), this, &SweepWindow::recompute);
    connect(scale, qOverload<int>(&QComboBox::currentIndexChanged), this, &SweepWindow::recompute);
    connect(copyButton, &QPushButton::clicked, this, &SweepWindow::copy);
    connect(saveButton, &QPushButton::clicked, this, &SweepWindow::saveCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void SweepWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (std::exchange(placed, true))
        return;
    // As wide as the columns, as far as the screen allows.
    grid->resizeColumnsToContents();
    const int columns = grid->horizontalHeader()->length() + grid->verticalScrollBar()->sizeHint().width()
        + 2 * grid->frameWidth();
    resize(std::max(width(), columns + width() - grid->width()), height());
    keepOnScreen(this);
}

void SweepWindow::setInputs(const PlotInputs &inputs)
{
    current = inputs;
    if (physics::sweepInputs(current.problem, current.physical()) != offered)
        offerInputs();
    else
        recompute();
}

void SweepWindow::offerInputs()
{
    const physics::SweepInput before = chosen();
    offered = physics::sweepInputs(current.problem, current.physical());
    const QSignalBlocker block(variable);
    variable->clear();
    for (physics::SweepInput in : offered)
        variable->addItem(fromView(physics::nameOf(in)), static_cast<int>(in));
    // The input chosen before stays chosen where it is still offered.
    variable->setCurrentIndex(std::max(0, variable->findData(static_cast<int>(before))));
    suggestRange();
}

physics::SweepInput SweepWindow::chosen() const
{
    return static_cast<physics::SweepInput>(variable->currentData().toInt());
}

void SweepWindow::suggestRange()
{
    using physics::SweepInput;
    const SweepInput in = chosen();
    double lo = 0.0, hi = 0.0;
    bool logarithmic = true;
    const auto around = [&](std::optional<double> v, double fallback, double factor) {
        const double c = v && *v > 0.0 ? *v : fallback;
        lo = c / factor;
        hi = c * factor;
    };
    const physics::Problem &p = current.problem;
    switch (in) {
    case SweepInput::Reynolds: around(current.calculator.reynolds, 1.0e4, 10.0); break;
    case SweepInput::Prandtl: around(current.calculator.prandtl, 0.7, 10.0); break;
    case SweepInput::Velocity: around(p.velocity, 1.0, 10.0); break;
    case SweepInput::Length: around(p.length, 0.01, 10.0); break;
    case SweepInput::HeatFlux: around(p.heatFlux, 1000.0, 10.0); break;
    case SweepInput::Pressure: around(p.pressure, physics::si::atmosphere, 2.0); break;
    case SweepInput::FreeStreamTemperature:
    case SweepInput::SurfaceTemperature: {
        // Fifty kelvin either side, linear: properties change smoothly with temperature.
        const auto &t = in == SweepInput::FreeStreamTemperature ? p.freeStreamTemperature : p.surfaceTemperature;
        const double c = t ? *t : 300.0;
        lo = std::max(c - 50.0, 1.0);
        hi = c + 50.0;
        logarithmic = false;
        break;
    }
    }
    const physics::Unit unit = physics::unitOf(in, current.problem);
    const QSignalBlocker block(scale);
    from->setText(shown(physics::fromSI(unit, lo)));
    to->setText(shown(physics::fromSI(unit, hi)));
    scale->setCurrentIndex(logarithmic ? 1 : 0);
    recompute();
}

void SweepWindow::recompute()
{
    const auto a = parse(from->text());
    const auto b = parse(to->text());
    const bool logarithmic = scale->currentIndex() == 1;
    physics::Sweep sweep;
    if (!a || !b) {
        status->setText(tr("Enter the start and end values as numbers."));
    } else if (logarithmic && !(*a > 0.0 && *b > 0.0)) {
        status->setText(tr("A logarithmic sweep needs start and end values above zero."));
    } else if (steps->value() > physics::maxSweepSteps) {
        status->setText(tr("Choose at most %1 steps.").arg(QLocale(QLocale::English).toString(physics::maxSweepSteps)));
    } else {
        status->clear();
        const physics::Unit unit = physics::unitOf(chosen(), current.problem);
        std::vector<double> values = physics::spacedValues(physics::toSI(unit, *a), physics::toSI(unit, *b),
                                                           steps->value(), logarithmic);
        sweep = current.physical()
            ? physics::Sweep(current.problem, chosen(), std::move(values))
            : physics::Sweep(current.problem.selection, current.calculator, chosen(), std::move(values));
        if (sweep.columns().empty())
            status->setText(tr("Choose a case the calculator evaluates to sweep its correlations."));
    }
    status->setVisible(!status->text().isEmpty());
    note->setText(sweep.fixedProperties()
                      ? tr("The fluid keeps the properties typed for it at every step: Re, Pr and Nu do not "
                           "change with the %1.")
                            .arg(fromView(physics::nameOf(chosen())).toLower())
                      : QString());
    note->setVisible(!note->text().isEmpty());
    model->reset(std::move(sweep), current);
    copyButton->setEnabled(model->rowCount() > 0);
    saveButton->setEnabled(model->rowCount() > 0);
}

void SweepWindow::copy()
{
    std::string text = model->headerLine('\t') + '\n';
    for (int r = 0; r < model->rowCount(); ++r)
        text += model->line(r, '\t') + '\n';
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

bool SweepWindow::writeCsv(const QString &path, QString *error) const
{
    // Line by line, so that a long table never sits in memory whole.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Text);
    const auto put = [&](std::string line) {
        line += '\n';
        ok = ok && file.write(line.data(), static_cast<qint64>(line.size())) == static_cast<qint64>(line.size());
    };
    put(model->headerLine(','));
    for (int r = 0; r < model->rowCount() && ok; ++r)
        put(model->line(r, ','));
    if (ok && file.commit())
        return true;
    *error = tr("Could not write %1: %2").arg(path, file.errorString());
    return false;
}

void SweepWindow::saveCsv()
{
    auto *dialog = new QFileDialog(this, tr("Save Sweep"));
    dialog->setObjectName(QStringLiteral("SweepSaveDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(tr("CSV table (*.csv)"));
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        QString why;
        if (!writeCsv(path, &why))
            QMessageBox::warning(this, tr("Save Sweep"), why);
    });
    dialog->open();
}

} // namespace nusselt::plot
