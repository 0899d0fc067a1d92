#pragma once

// The plot and sweep of a case, built as a module (nusselt_plot) that the Flow Conditions window
// loads the first time the user asks for it: Qt Charts is a large library, and one linked into the
// program would be loaded and relocated at every start. This header is all the window sees: an
// abstract panel, the factory symbol the module exports, and the loader.

#include "flowcase.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>
#include <QStringList>

class QWidget;

namespace nusselt::plot {

// What the window states about its case, handed over on every edit: the problem as typed with the
// one evaluation the window made of it, the calculator's own numbers, and the window's units.
struct PlotInputs {
    physics::Problem problem;       // its selection is the case's
    physics::Evaluation evaluation; // physics::evaluate(problem), as the window shows it
    Inputs calculator;              // the calculator's dimensionless numbers, drawn while the problem is incomplete
    physics::Unit velocityUnit = physics::defaultUnit(physics::Quantity::Velocity);
    physics::Unit lengthUnit = physics::defaultUnit(physics::Quantity::Length);
    physics::Unit heatTransferCoefficientUnit = physics::defaultUnit(physics::Quantity::HeatTransferCoefficient);
    physics::Unit heatFluxUnit = physics::defaultUnit(physics::Quantity::HeatFlux);
    // Per metre (plate, cylinder) or for the whole sphere; one of the other quantity is taken as its SI unit.
    physics::Unit heatRateUnit = physics::defaultUnit(physics::Quantity::HeatRatePerLength);

    // A complete problem: its correlations are drawn at their own Re and Pr, with h.
    bool physical() const { return evaluation.messages.empty() && !evaluation.results.empty(); }
};

class PlotPanel
{
public:
    virtual ~PlotPanel() = default;
    // The panel's widget, a child of the parent given to the factory.
    virtual QWidget *widget() = 0;
    // Redraws the curves for the case: the chart is kept, only the series' points change.
    virtual void setInputs(const PlotInputs &inputs) = 0;
    // Opens (or raises) the non-modal sweep window of the current case.
    virtual void openSweep() = 0;
    // Writes the plot as PNG or SVG, or its points as CSV, chosen by the file's suffix.
    virtual bool exportTo(const QString &path, QString *error) = 0;
};

using PlotPanelFactory = PlotPanel *(*)(QWidget *parent);
inline constexpr const char *plotPanelFactorySymbol = "nusselt_create_plot_panel";
inline constexpr const char *plotModuleName = "nusselt_plot";

// Loads the module on first use, from `extraDirectories`, then beside the executable (the build
// tree), then where the package installs it relative to the executable, then at the configured
// install path. Never unloaded: the panels' code lives in it.
// On failure returns nullptr and says in `error` where it looked and why it failed.
inline PlotPanel *createPlotPanel(QWidget *parent, QString *error, const QStringList &extraDirectories = {})
{
    static QLibrary library;
    static PlotPanelFactory factory = nullptr;
    if (!factory) {
        QStringList directories = extraDirectories;
        directories << QCoreApplication::applicationDirPath();
#ifdef NUSSELT_PLOT_MODULE_RELATIVE_DIR
        directories << QCoreApplication::applicationDirPath() + QStringLiteral("/" NUSSELT_PLOT_MODULE_RELATIVE_DIR);
#endif
#ifdef NUSSELT_PLOT_MODULE_DIR
        directories << QStringLiteral(NUSSELT_PLOT_MODULE_DIR);
#endif
        QStringList reasons;
        for (const QString &dir : directories) {
            library.setFileName(dir + QLatin1Char('/') + QLatin1String(plotModuleName));
            if (library.load()) {
                factory = reinterpret_cast<PlotPanelFactory>(library.resolve(plotPanelFactorySymbol));
                if (factory)
                    break;
                reasons << library.errorString();
                library.unload();
            } else {
                reasons << library.errorString();
            }
        }
        if (!factory) {
            if (error)
                *error = QCoreApplication::translate("PlotPanel",
                                                     "The plot could not be loaded (is the package complete?):\n%1")
                             .arg(reasons.join(QLatin1Char('\n')));
            return nullptr;
        }
    }
    return factory(parent);
}

} // namespace nusselt::plot
