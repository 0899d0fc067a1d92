// What a press costs. For every case: its evaluation through nusselt::calculate, and beside it the
// floor, the same std::pow calls on the same arguments and nothing else; the table printed at the
// end gives case/floor (target: at most 3). Then one whole press of Calculate through the dialog
// (target: under 50 microseconds).

#include "engine.h"
#include "externalflow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

const double third = 1.0 / 3.0;
const double twoThirds = 2.0 / 3.0;

// One pow whose base and exponent the optimiser cannot see through, and whose result it must keep.
double P(double base, double exponent)
{
    benchmark::DoNotOptimize(base);
    benchmark::DoNotOptimize(exponent);
    double r = std::pow(base, exponent);
    benchmark::DoNotOptimize(r);
    return r;
}

struct Args {
    double re, pr, prs, length, x, xi, mu, muSurface;
};

struct Case {
    const char *name;
    nusselt::Selection selection;
    Args args;
    std::function<void(const Args &)> powsAlone; // the case's pow calls, in its order
};

nusselt::Inputs inputsOf(const Args &a)
{
    nusselt::Inputs in;
    in.reynolds = a.re;
    in.prandtl = a.pr;
    in.prandtlSurface = a.prs;
    in.plateLength = a.length;
    in.distance = a.x;
    in.heatStart = a.xi;
    in.mu = a.mu;
    in.muSurface = a.muSurface;
    return in;
}

nusselt::Selection sel(int geometry, int heat, int flow, int fluid, int sphere)
{
    return nusselt::selectionFromCodes(geometry, heat, flow, fluid, sphere);
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> all{
        {"temp_laminar", sel(1, 1, 1, 1, 0), {1e4, 0.7, 0, 0, 0, 0, 0, 0},
         [](const Args &a) { P(a.re, 0.5); P(a.pr, third); }},
        {"temp_churchill_ozoe", sel(1, 1, 1, 1, 0), {2e4, 0.01, 0, 0, 0, 0, 0, 0},
         [](const Args &a) {
             P(a.re, 0.5); P(a.pr, third);
             P(1.0 + P(0.0468 / a.pr, twoThirds), 0.25);
         }},
        {"temp_liquid_metal", sel(1, 1, 1, 2, 0), {1e4, 0.01, 0, 0, 0, 0, 0, 0},
         [](const Args &a) { P(a.re * a.pr, 0.5); }},
        {"temp_turbulent", sel(1, 1, 2, 1, 0), {1e6, 0.7, 0, 0, 0, 0, 0, 0},
         [](const Args &a) { P(a.re, 0.8); P(a.pr, third); P(a.re, 0.8); P(a.pr, third); }},
        {"temp_mixed", sel(1, 1, 3, 1, 0), {1e6, 0.7, 0, 0, 0, 0, 0, 0},
         [](const Args &a) { P(a.re, 0.8); P(a.pr, third); }},
        {"flux_laminar", sel(1, 2, 1, 1, 0), {1e4, 0.7, 0, 0, 0, 0, 0, 0},
         [](const Args &a) { P(a.re, 0.5); P(a.pr, third); P(a.re, 0.5); P(a.pr, third); }},
        {"flux_turbulent", sel(1, 2, 2, 1, 0), {1e6, 0.7, 0, 0, 0, 0, 0, 0},
         [](const Args &a) { P(a.re, 0.8); P(a.pr, third); P(a.re, 0.8); P(a.pr, third); }},
        {"unheated_laminar", sel(1, 3, 1, 1, 0), {1e5, 0.7, 0, 1, 0.5, 0.2, 0, 0},
         [](const Args &a) {
             P(a.re * a.x / a.length, 0.5); P(a.pr, third); P(1.0 - P(a.xi / a.x, 0.75), third);
             P(a.re, 0.5); P(a.pr, third); P(1.0 - P(a.xi / a.length, 0.75), twoThirds);
         }},
        {"unheated_turbulent", sel(1, 3, 2, 1, 0), {1e6, 0.7, 0, 1, 0.5, 0.2, 0, 0},
         [](const Args &a) {
             P(a.re * a.x / a.length, 0.8); P(a.pr, third); P(1.0 - P(a.xi / a.x, 0.9), 1.0 / 9.0);
             P(a.re, 0.8); P(a.pr, third); P(1.0 - P(a.xi / a.length, 0.9), 8.0 / 9.0);
         }},
        {"cylinder", sel(2, 0, 0, 0, 0), {1e4, 0.7, 0.7, 0, 0, 0, 0, 0},
         [](const Args &a) {
             P(a.re, 0.5); P(a.pr, third);                                   // stagnation
             P(a.re, 0.618); P(a.pr, third);                                 // Hilpert, row 4
             P(a.re, 0.5); P(a.pr, third); P(1.0 + P(0.4 / a.pr, twoThirds), 0.25);
             P(1.0 + P(a.re / 282000.0, 0.625), 0.8);                        // Churchill-Bernstein
             P(a.re, 0.6); P(a.pr, 0.37); P(a.pr / a.prs, 0.25);             // Zhukauskas, row 3
         }},
        {"sphere", sel(3, 0, 0, 0, 1), {1e3, 0.7, 0, 0, 0, 0, 1.8e-5, 1.5e-5},
         [](const Args &a) { P(a.re, 0.5); P(a.re, twoThirds); P(a.pr, 0.4); P(a.mu / a.muSurface, 0.25); }},
        {"drops", sel(3, 0, 0, 0, 2), {1e3, 0.7, 0, 0, 0, 0, 0, 0},
         [](const Args &a) { P(a.re, 0.5); P(a.pr, third); }},
    };
    return all;
}

void evaluate(benchmark::State &state, const Case &c)
{
    nusselt::Selection selection = c.selection;
    nusselt::Inputs inputs = inputsOf(c.args);
    for (auto _ : state) {
        benchmark::DoNotOptimize(selection);
        benchmark::DoNotOptimize(inputs);
        nusselt::Outcome outcome = nusselt::calculate(selection, inputs);
        benchmark::DoNotOptimize(outcome);
        benchmark::ClobberMemory();
    }
    if (nusselt::calculate(selection, inputs).refused())
        state.SkipWithError("the case refused its inputs");
}

void powsAlone(benchmark::State &state, const Case &c)
{
    Args args = c.args;
    for (auto _ : state) {
        benchmark::DoNotOptimize(args);
        c.powsAlone(args);
        benchmark::ClobberMemory();
    }
}

// A press through the window: read the fields, evaluate, format and write the results.
void press(benchmark::State &state, const std::vector<QString> &choices, const std::vector<QString> &typed)
{
    ExternalFlow dialog;
    dialog.show();
    const QList<QComboBox *> combos = dialog.findChildren<QComboBox *>();
    for (const QString &item : choices) {
        for (QComboBox *combo : combos) {
            const int index = combo->findText(item);
            if (index >= 0) {
                combo->setCurrentIndex(index);
                emit combo->textActivated(item);
            }
        }
    }
    for (const QString &entry : typed) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        dialog.findChild<QLineEdit *>(name)->setText(entry.section(QLatin1Char('='), 1));
    }
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("Calculate"));
    QApplication::processEvents();
    for (auto _ : state)
        button->click();
    // Settle the repaints that the presses queued, outside the timing.
    QApplication::processEvents();
    if (dialog.findChild<QLineEdit *>(QStringLiteral("AverageNusseltEdit"))->text().isEmpty())
        state.SkipWithError("the press showed no result");
}

// Prints case/floor for each pair once the run is over, in CPU time: the build machines are shared,
// and wall time there measures the neighbours as much as us.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With --benchmark_repetitions the median stands for the pair; otherwise the one run does.
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[name] = run.GetAdjustedCPUTime();
            else if (run.run_type == Run::RT_Iteration)
                times[name] = run.GetAdjustedCPUTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-22s %10s %10s %8s\n", "case (CPU time)", "eval", "pow floor", "ratio");
        for (const Case &c : cases()) {
            const double eval = timeOf(std::string("evaluate/") + c.name);
            const double floor = timeOf(std::string("pow_floor/") + c.name);
            if (eval > 0 && floor > 0)
                std::printf("%-22s %8.1f ns %8.1f ns %7.2fx\n", c.name, eval, floor, eval / floor);
        }
    }

private:
    double timeOf(const std::string &name) const
    {
        const auto median = medians.find(name);
        if (median != medians.end())
            return median->second;
        const auto time = times.find(name);
        return time == times.end() ? 0.0 : time->second;
    }

    std::map<std::string, double> times;
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (const Case &c : cases()) {
        benchmark::RegisterBenchmark((std::string("evaluate/") + c.name).c_str(), evaluate, c);
        benchmark::RegisterBenchmark((std::string("pow_floor/") + c.name).c_str(), powsAlone, c);
    }
    benchmark::RegisterBenchmark("press/temp_laminar", press,
                                 std::vector<QString>{"Flat Plate", "Uniform Temp", "Laminar", "Regular Fluid"},
                                 std::vector<QString>{"ReynoldsEdit=10000", "PrandtlEdit=0.7"})
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("press/cylinder", press, std::vector<QString>{"Cylinder"},
                                 std::vector<QString>{"ReynoldsEdit=10000", "PrandtlEdit=0.7",
                                                      "PrandtlSurfaceEdit=0.7"})
        ->Unit(benchmark::kMicrosecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
