#include "sweepwindow.h"

#include "celltext.h"
#include "curves.h"
#include "numbers.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace nusselt::plot {
namespace {

// Marks a value outside the correlation's published range, in the table and its legend.
const QString outsideMark = QStringLiteral(" †");

// Enough digits for a spreadsheet, few enough to read.
QString plain(double v)
{
    return QString::number(v, 'g', 6);
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
    steps->setRange(2, 100000);
    steps->setValue(11);
    scale = new QComboBox(this);
    scale->setObjectName(QStringLiteral("SweepScale"));
    scale->addItems({tr("Linear"), tr("Logarithmic")});
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("SweepStatus"));
    status->setWordWrap(true);

    grid = new QTableWidget(this);
    grid->setObjectName(QStringLiteral("SweepTable"));
    grid->setAccessibleName(tr("Sweep table"));
    grid->setAccessibleDescription(
        tr("One row per step of the varied input, a column per correlation. Values marked † lie outside "
           "the correlation's published range; each such cell says why."));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    copyButton = new QPushButton(tr("&Copy"), this);
    copyButton->setObjectName(QStringLiteral("SweepCopy"));
    saveButton = new QPushButton(tr("Save CSV…"), this);
    saveButton->setObjectName(QStringLiteral("SweepSave"));
    auto *close = new QPushButton(tr("Close"), this);
    for (QPushButton *b : {copyButton, saveButton, close})
        b->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(tr("&Vary:"), variable);
    form->addRow(tr("&From:"), from);
    form->addRow(tr("&To:"), to);
    form->addRow(tr("&Steps:"), steps);
    form->addRow(tr("S&cale:"), scale);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(tr("† outside the correlation's published range (the cell's tooltip says why)"), this), 1);
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status);
    layout->addWidget(grid, 1);
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

void SweepWindow::setInputs(const PlotInputs &inputs)
{
    current = inputs;
    if (current.physical() != physical || variable->count() == 0) {
        physical = current.physical();
        offerInputs();
    } else {
        recompute();
    }
}

void SweepWindow::offerInputs()
{
    using physics::SweepInput;
    const QSignalBlocker block(variable);
    variable->clear();
    const std::vector<SweepInput> offered = physical
        ? std::vector<SweepInput>{SweepInput::Velocity, SweepInput::Length, SweepInput::FreeStreamTemperature,
                                  SweepInput::SurfaceTemperature, SweepInput::Pressure}
        : std::vector<SweepInput>{SweepInput::Reynolds, SweepInput::Prandtl};
    for (SweepInput in : offered)
        variable->addItem(fromView(physics::nameOf(in)), static_cast<int>(in));
    suggestRange();
}

physics::SweepInput SweepWindow::chosen() const
{
    return static_cast<physics::SweepInput>(variable->currentData().toInt());
}

physics::Unit SweepWindow::unitOfChosen() const
{
    using physics::SweepInput;
    switch (chosen()) {
    case SweepInput::Velocity: return current.velocityUnit;
    case SweepInput::Length: return current.lengthUnit;
    case SweepInput::FreeStreamTemperature:
    case SweepInput::SurfaceTemperature: return current.problem.temperatureUnit;
    case SweepInput::Pressure: return current.problem.pressureUnit;
    case SweepInput::Reynolds:
    case SweepInput::Prandtl: break;
    }
    return physics::Unit{physics::Quantity::Velocity, {}, 1.0, 0.0};
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
    const physics::Unit unit = unitOfChosen();
    const QSignalBlocker b1(scale);
    from->setText(plain(physics::fromSI(unit, lo)));
    to->setText(plain(physics::fromSI(unit, hi)));
    scale->setCurrentIndex(logarithmic ? 1 : 0);
    recompute();
}

void SweepWindow::recompute()
{
    const auto a = parse(from->text());
    const auto b = parse(to->text());
    const bool logarithmic = scale->currentIndex() == 1;
    shown = physics::SweepTable{};
    if (!a || !b) {
        status->setText(tr("Enter the start and end values as numbers."));
    } else if (logarithmic && !(*a > 0.0 && *b > 0.0)) {
        status->setText(tr("A logarithmic sweep needs start and end values above zero."));
    } else {
        status->clear();
        const physics::Unit unit = unitOfChosen();
        const std::vector<double> values = physics::spacedValues(physics::toSI(unit, *a), physics::toSI(unit, *b),
                                                                 steps->value(), logarithmic);
        shown = physical ? physics::sweep(current.problem, chosen(), values)
                         : physics::sweep(current.problem.selection, current.calculator, chosen(), values);
        if (shown.columns.empty())
            status->setText(tr("Choose a case the calculator evaluates to sweep its correlations."));
    }
    status->setVisible(!status->text().isEmpty());
    fillTable();
}

QStringList SweepWindow::header() const
{
    QStringList h;
    const physics::Unit unit = unitOfChosen();
    QString first = fromView(physics::nameOf(chosen()));
    if (!unit.symbol.empty())
        first += QStringLiteral(" (%1)").arg(fromView(unit.symbol));
    h << first;
    for (const physics::SweepColumn &c : shown.columns) {
        const QString label = QString::fromStdString(c.label);
        h << tr("%1 Nu").arg(label);
        if (shown.physical)
            h << tr("%1 h (%2)").arg(label, fromView(current.heatTransferCoefficientUnit.symbol));
    }
    return h;
}

std::vector<std::optional<double>> SweepWindow::shownValues(const physics::SweepRow &row) const
{
    std::vector<std::optional<double>> values{physics::fromSI(unitOfChosen(), row.value)};
    for (const physics::SweepCell &cell : row.cells) {
        values.push_back(cell.nusselt);
        if (shown.physical)
            values.push_back(cell.h ? std::optional(physics::fromSI(current.heatTransferCoefficientUnit, *cell.h))
                                    : std::nullopt);
    }
    return values;
}

void SweepWindow::fillTable()
{
    const bool any = !shown.columns.empty();
    const QStringList h = any ? header() : QStringList();
    grid->setUpdatesEnabled(false);
    grid->clear();
    grid->setColumnCount(static_cast<int>(h.size()));
    grid->setRowCount(any ? static_cast<int>(shown.rows.size()) : 0);
    grid->setHorizontalHeaderLabels(h);
    for (int r = 0; r < grid->rowCount(); ++r) {
        const physics::SweepRow &row = shown.rows[static_cast<std::size_t>(r)];
        const std::vector<std::optional<double>> values = shownValues(row);
        auto *first = new QTableWidgetItem(plain(*values[0]));
        if (!row.refusal.empty()) {
            first->setToolTip(QString::fromStdString(row.refusal));
            first->setData(Qt::AccessibleDescriptionRole, QString::fromStdString(row.refusal));
        }
        grid->setItem(r, 0, first);
        for (std::size_t c = 1; c < values.size(); ++c) {
            const std::optional<double> &v = values[c];
            const std::vector<std::string> &outside = row.cells[(c - 1) / (shown.physical ? 2 : 1)].outside;
            auto *item = new QTableWidgetItem(v ? plain(*v) : QString());
            if (v && !outside.empty()) {
                QStringList why;
                for (const std::string &sentence : outside)
                    why << QString::fromStdString(sentence);
                item->setText(item->text() + outsideMark);
                QFont italic = item->font();
                italic.setItalic(true);
                item->setFont(italic);
                item->setToolTip(why.join(QStringLiteral("; ")));
                item->setData(Qt::AccessibleDescriptionRole, tr("outside the published range: %1").arg(item->toolTip()));
            } else if (!v) {
                item->setData(Qt::AccessibleDescriptionRole, tr("no value"));
            }
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(r, static_cast<int>(c), item);
        }
    }
    grid->setUpdatesEnabled(true);
    copyButton->setEnabled(grid->rowCount() > 0);
    saveButton->setEnabled(grid->rowCount() > 0);
}

QString SweepWindow::separated(QChar separator) const
{
    if (shown.columns.empty())
        return {};
    QStringList lines;
    QStringList h = header();
    if (separator == QLatin1Char(','))
        for (QString &s : h)
            s = csvField(s);
    lines << h.join(separator);
    for (const physics::SweepRow &row : shown.rows) {
        QStringList cells;
        for (const std::optional<double> &v : shownValues(row))
            cells << (v ? plain(*v) : QString());
        lines << cells.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void SweepWindow::copy()
{
    QApplication::clipboard()->setText(separated(QLatin1Char('\t')));
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
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(separated(QLatin1Char(',')).toUtf8()) >= 0
            && file.commit())
            return;
        QMessageBox::warning(this, tr("Save Sweep"), tr("Could not write %1: %2").arg(path, file.errorString()));
    });
    dialog->open();
}

} // namespace nusselt::plot
