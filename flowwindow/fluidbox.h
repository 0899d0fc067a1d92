#pragma once

// The Fluid box's fluids from property tables: after the fluids of physics (in the order of
// physics::FluidChoice up to lead-bismuth) it offers "From file…", which imports a table file
// (propertytable.h) and keeps it by name (fluidstore.h), then the kept fluids by name.

#include "propertytable.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QWidget;

namespace nusselt::flowwindow {

// The index of "From file…"; the kept fluids follow it.
inline constexpr int fromFileIndex = 8;

// Adds "From file…" and the kept fluids to the box.
void addTableItems(QComboBox *box);

// The table of a kept fluid; nullptr, with error, when it cannot be read.
std::shared_ptr<const physics::PropertyTable> keptTable(const std::string &name, std::string &error);

// Reads the table file at path and keeps it; selects its item in the box (added when new).
// A file that cannot be read or kept is refused in a box that names it and, for a faulty table,
// the line and column. Returns the table, or nullptr.
std::shared_ptr<const physics::PropertyTable> importTable(QWidget *parent, QComboBox *box, const QString &path);

// Opens the file dialog "FluidFileDialog" over parent, window-modal and not the platform's own
// (so that it looks the same everywhere and tests can drive it): `chosen` gets the path picked,
// `cancelled` runs when none is.
void chooseTableFile(QWidget *parent, std::function<void(const QString &)> chosen, std::function<void()> cancelled);

} // namespace nusselt::flowwindow
