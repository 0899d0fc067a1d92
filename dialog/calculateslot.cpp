// The Calculate button, where the engine meets the widgets: read the fields, ask the engine, then
// write what it answers or show its warning. inputs() and setInputs() read and write the same
// fields for the windows opened from the calculator.

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

// The field each input is typed into.
struct InputField {
    nusselt::Reading nusselt::Inputs::*input;
    QLineEdit *Ui_ExternalFlow::*edit;
};
const InputField kInputFields[] = {
    {&nusselt::Inputs::reynolds, &Ui_ExternalFlow::ReynoldsEdit},
    {&nusselt::Inputs::prandtl, &Ui_ExternalFlow::PrandtlEdit},
    {&nusselt::Inputs::prandtlSurface, &Ui_ExternalFlow::PrandtlSurfaceEdit},
    {&nusselt::Inputs::plateLength, &Ui_ExternalFlow::PlateLengthEdit},
    {&nusselt::Inputs::distance, &Ui_ExternalFlow::LeadingEdgeEdit},
    {&nusselt::Inputs::heatStart, &Ui_ExternalFlow::HeatStartEdit},
    {&nusselt::Inputs::mu, &Ui_ExternalFlow::NusseltEdit},
    {&nusselt::Inputs::muSurface, &Ui_ExternalFlow::ZhukauskasEdit},
};

} // namespace

nusselt::Inputs ExternalFlow::inputs() const
{
    nusselt::Inputs in;
    for (const InputField &f : kInputFields)
        in.*f.input = nusselt::readNumber((ui.*f.edit)->text());
    return in;
}

void ExternalFlow::setInputs(const nusselt::Inputs &in)
{
    for (const InputField &f : kInputFields) {
        if (const nusselt::Reading &value = in.*f.input)
            (ui.*f.edit)->setText(QString::number(*value, 'g', 17));
    }
}

int ExternalFlow::on_Calculate_clicked()
{
    const nusselt::Outcome outcome = nusselt::calculate(selection(), inputs());

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
