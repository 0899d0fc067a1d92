// The Calculate button: the one place where the engine meets the widgets. Read the fields,
// ask the engine, then write what it answers or show its warning.

#include "externalflow.h"

#include "engine.h"
#include "fieldtext.h"

#include <QLineEdit>
#include <QMessageBox>

#include <cstdio>

namespace nusselt {
namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Reading readNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString shownText(const Shown &shown)
{
    switch (shown.kind) {
    case Shown::Kind::Number:
        return QString::number(shown.value, 'g', 6) + fromView(shown.text);
    case Shown::Kind::Text:
        return fromView(shown.text);
    case Shown::Kind::Keep:
    case Shown::Kind::Clear:
        break;
    }
    return QString();
}

} // namespace nusselt

namespace {

void showIn(QLineEdit *edit, const nusselt::Shown &shown)
{
    if (shown.kind != nusselt::Shown::Kind::Keep)
        edit->setText(nusselt::shownText(shown));
}

} // namespace

int ExternalFlow::on_Calculate_clicked()
{
    const nusselt::Selection selection = this->selection();

    nusselt::Inputs inputs;
    inputs.reynolds = nusselt::readNumber(ui.ReynoldsEdit->text());
    inputs.prandtl = nusselt::readNumber(ui.PrandtlEdit->text());
    inputs.prandtlSurface = nusselt::readNumber(ui.PrandtlSurfaceEdit->text());
    inputs.plateLength = nusselt::readNumber(ui.PlateLengthEdit->text());
    inputs.distance = nusselt::readNumber(ui.LeadingEdgeEdit->text());
    inputs.heatStart = nusselt::readNumber(ui.HeatStartEdit->text());
    inputs.mu = nusselt::readNumber(ui.NusseltEdit->text());
    inputs.muSurface = nusselt::readNumber(ui.ZhukauskasEdit->text());

    const nusselt::Outcome outcome = nusselt::calculate(selection, inputs);

    if (outcome.refused()) {
        QMessageBox::warning(this, QStringLiteral("Warning"), nusselt::fromView(outcome.boxText),
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
