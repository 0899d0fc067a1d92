// The Calculate button: the one place where the engine meets the widgets. Read the fields,
// ask the engine, then write what it answers or show its warning.

#include "externalflow.h"

#include "engine.h"

#include <QLineEdit>
#include <QMessageBox>

#include <cstdio>

namespace {

// Empty, blank or unconvertible text reads as no number; the engine also refuses inf and nan.
nusselt::Reading readNumber(const QLineEdit *edit)
{
    bool ok = false;
    const double value = edit->text().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

void showIn(QLineEdit *edit, const nusselt::Shown &shown)
{
    using Kind = nusselt::Shown::Kind;
    switch (shown.kind) {
    case Kind::Keep:
        break;
    case Kind::Clear:
        edit->setText(QString());
        break;
    case Kind::Number:
        edit->setText(QString::number(shown.value, 'g', 6) + QString::fromStdString(shown.text));
        break;
    case Kind::Text:
        edit->setText(QString::fromStdString(shown.text));
        break;
    }
}

} // namespace

int ExternalFlow::on_Calculate_clicked()
{
    nusselt::Selection selection;
    selection.geometryType = geometryType;
    selection.heatCondition = heatCondition;
    selection.flowCondition = flowCondition;
    selection.fluidType = fluidType;
    selection.sphereType = sphereType;

    nusselt::Inputs inputs;
    inputs.reynolds = readNumber(ui.ReynoldsEdit);
    inputs.prandtl = readNumber(ui.PrandtlEdit);
    inputs.prandtlSurface = readNumber(ui.PrandtlSurfaceEdit);
    inputs.plateLength = readNumber(ui.PlateLengthEdit);
    inputs.distance = readNumber(ui.LeadingEdgeEdit);
    inputs.heatStart = readNumber(ui.HeatStartEdit);
    inputs.mu = readNumber(ui.NusseltEdit);
    inputs.muSurface = readNumber(ui.ZhukauskasEdit);

    const nusselt::Outcome outcome = nusselt::calculate(selection, inputs);

    if (outcome.refused()) {
        QMessageBox::warning(this, QStringLiteral("Warning"), QString::fromStdString(outcome.boxText),
                             QMessageBox::Ok, QMessageBox::NoButton);
        showIn(ui.NoteEdit, outcome.note);
        return 0;
    }
    showIn(ui.NusseltEdit, outcome.local);
    showIn(ui.AverageNusseltEdit, outcome.average);
    showIn(ui.NoteEdit, outcome.note);
    showIn(ui.ZhukauskasEdit, outcome.zhukauskas);
    if (outcome.zhukauskasFailedLine) {
        std::fputs("Zhukauskas Failed\n", stdout);
        std::fflush(stdout);
    }
    return 0;
}
