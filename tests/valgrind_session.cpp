// A whole user session with the real dialog, started as the program starts it: every case
// computed once and each kind of refusal met once, then the window closed. Run plainly it checks
// what the session shows; run under valgrind memcheck (the "valgrind" test) it is the memory
// check of everything the program does in one life, from construction to teardown.

#include "guitest.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

using Combo = QComboBox *Ui_ExternalFlow::*;
using Edit = QLineEdit *Ui_ExternalFlow::*;

struct Step {
    const char *what;
    std::vector<std::pair<Combo, const char *>> choices;
    std::vector<std::pair<Edit, const char *>> typed;
    // A refusal: its box text and note. Otherwise the results (nullptr: not looked at).
    const char *box = nullptr;
    const char *note = nullptr;
    const char *local = nullptr;
    const char *average = nullptr;
    const char *zhukauskas = nullptr;
};

constexpr Combo geometry = &Ui_ExternalFlow::GeometryCombo;
constexpr Combo heat = &Ui_ExternalFlow::UniformTempCombo;
constexpr Combo flow = &Ui_ExternalFlow::TurbulantCombo;
constexpr Combo fluid = &Ui_ExternalFlow::LiquidMetalCombo;
constexpr Combo sphere = &Ui_ExternalFlow::SphereCombo;
constexpr Edit re = &Ui_ExternalFlow::ReynoldsEdit;
constexpr Edit pr = &Ui_ExternalFlow::PrandtlEdit;
constexpr Edit prs = &Ui_ExternalFlow::PrandtlSurfaceEdit;
constexpr Edit length = &Ui_ExternalFlow::PlateLengthEdit;
constexpr Edit x = &Ui_ExternalFlow::LeadingEdgeEdit;
constexpr Edit xi = &Ui_ExternalFlow::HeatStartEdit;
constexpr Edit mu = &Ui_ExternalFlow::NusseltEdit;
constexpr Edit mus = &Ui_ExternalFlow::ZhukauskasEdit;

const char *const notEntered = "Values not entered";
const char *const notMet = "Conditions not met";
const char *const failed = "Calculation Failed";

// In the order a user would go: each step keeps the choices of the steps before it.
const std::vector<Step> session = {
    {"no numbers yet", {{geometry, "Flat Plate"}, {heat, "Uniform Temp"}, {flow, "Laminar"}, {fluid, "Regular Fluid"}},
     {}, notEntered, "Enter Reynolds and Prandtl number"},
    {"plate, laminar", {}, {{re, "10000"}, {pr, "1"}}, nullptr, "", "33.2", "66.4"},
    {"plate, Churchill-Ozoe", {}, {{re, "20000"}, {pr, "0.01"}}, nullptr, "", "7.39227", "14.7845"},
    {"negative Reynolds", {}, {{re, "-5"}}, notMet, "Check Reynolds and Prandtl numbers"},
    {"plate, liquid metal", {{fluid, "Liquid Metal"}}, {{re, "10000"}, {pr, "0.01"}}, nullptr, "", "5.65", ""},
    {"liquid metal, Pe too small", {}, {{re, "1000"}}, notMet, "Check Reynolds and Prandtl numbers"},
    {"plate, turbulent", {{flow, "Turbulant"}}, {{re, "1000000"}, {pr, "1"}}, nullptr,
     "This is valid only if L >> x_c", "1867.63", "2334.54"},
    {"plate, mixed", {{flow, "Mixed Flow"}}, {}, nullptr, "Valid if Recritical = 500,000", "", "1463.54"},
    {"mixed, Prandtl out of range", {}, {{pr, "100"}}, failed, "Check 0.6<Pr<60"},
    {"mixed, Reynolds too small", {}, {{re, "100000"}, {pr, "1"}}, notMet, "Mixed Flow needs Re >= 500,000"},
    {"unheated, mixed flow", {{heat, "Unheated Starting Length"}}, {}, failed, "Choose Laminar or Turbulant Flow"},
    {"unheated, prompts left", {{flow, "Laminar"}}, {}, notEntered, "Enter Plate Length and Distances"},
    {"unheated, heating behind x", {}, {{length, "1"}, {x, "0.2"}, {xi, "0.5"}}, notMet,
     "Check Plate Length and Distances"},
    {"unheated, laminar", {}, {{x, "0.5"}, {xi, "0.2"}, {pr, "0.7"}}, nullptr, "", "83.2139", "183.891"},
    {"unheated, turbulent", {{flow, "Turbulant"}}, {{re, "1000000"}}, nullptr, "", "1015.49", "2042.23"},
    {"flux, turbulent", {{heat, "Uniform Flux"}}, {{pr, "1"}}, nullptr, "", "1943.35", "2332.02"},
    {"flux, laminar", {{flow, "Laminar"}}, {{re, "10000"}}, nullptr, "", "45.3", "68"},
    {"cylinder, no surface Prandtl", {{geometry, "Cylinder"}}, {{re, "10000"}, {pr, "0.7"}}, notEntered,
     "Enter Prandtl number at surface temperature"},
    {"cylinder", {}, {{prs, "0.7"}}, nullptr, "53.3278 Churchill", "102.109 at stagnation", "50.807 Hilpert",
     "57.2347 Zhukauskas"},
    {"cylinder beyond both ranges", {}, {{re, "3000000"}}, nullptr, "3215.96 Churchill", "1768.58 at stagnation",
     "Hilpert Failed", "Zhukauskas Failed"},
    {"sphere, viscosity prompts left", {{geometry, "Sphere"}, {sphere, "Regular Sphere"}}, {{re, "1000"}},
     notEntered, "Set Mu,Mus and Calculate"},
    {"sphere", {}, {{mu, "1.8e-5"}, {mus, "1.5e-5"}}, nullptr, nullptr, nullptr, "18.9236"},
    {"drops", {{sphere, "Drops"}}, {{re, "100"}, {pr, "7"}}, nullptr, nullptr, nullptr, "13.4776"},
};

int failures = 0;

void expect(const Step &step, const char *field, const QString &seen, const char *wanted)
{
    if (wanted && seen != QString::fromUtf8(wanted)) {
        std::fprintf(stderr, "FAIL %s: %s is \"%s\", expected \"%s\"\n", step.what, field,
                     seen.toUtf8().constData(), wanted);
        ++failures;
    }
}

void play(ExternalFlow &dialog)
{
    ExternalFlowTestAccess access(dialog);
    Ui_ExternalFlow &ui = access.ui();
    for (const Step &step : session) {
        for (const auto &[combo, item] : step.choices) {
            if (!guitest::choose(ui.*combo, QString::fromUtf8(item))) {
                std::fprintf(stderr, "FAIL %s: could not choose \"%s\"\n", step.what, item);
                ++failures;
            }
        }
        for (const auto &[edit, text] : step.typed)
            guitest::typeInto(ui.*edit, QString::fromUtf8(text));
        const QString localBefore = ui.NusseltEdit->text();
        const QString averageBefore = ui.AverageNusseltEdit->text();
        const QList<guitest::Box> boxes = guitest::click(ui.Calculate);
        if (boxes.size() != (step.box ? 1 : 0)) {
            std::fprintf(stderr, "FAIL %s: %lld boxes\n", step.what, static_cast<long long>(boxes.size()));
            ++failures;
            continue;
        }
        expect(step, "NoteEdit", ui.NoteEdit->text(), step.note);
        if (step.box) {
            expect(step, "box", boxes[0].text, step.box);
            expect(step, "NusseltEdit", ui.NusseltEdit->text(), localBefore.toUtf8().constData());
            expect(step, "AverageNusseltEdit", ui.AverageNusseltEdit->text(), averageBefore.toUtf8().constData());
            continue;
        }
        expect(step, "NusseltEdit", ui.NusseltEdit->text(), step.local);
        expect(step, "AverageNusseltEdit", ui.AverageNusseltEdit->text(), step.average);
        expect(step, "ZhukauskasEdit", ui.ZhukauskasEdit->text(), step.zhukauskas);
    }
}

} // namespace

int main(int argc, char **argv)
{
    // As the program starts, so that teardown runs the same way too.
    QApplication app(argc, argv);
    ExternalFlow dialog;
    dialog.show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            std::fputs("FAIL the dialog was never exposed\n", stderr);
            ++failures;
        }
        play(dialog);
        dialog.close();
    });
    const int exitCode = app.exec();
    std::printf("%zu steps, %d failures, exit code %d\n", session.size(), failures, exitCode);
    return failures == 0 && exitCode == 0 ? 0 : 1;
}
