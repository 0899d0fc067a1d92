#pragma once

// Fluids imported from property tables, kept by name for next time in the user's data folder:
// $XDG_DATA_HOME/nusselt-calculator/fluids/NAME.csv ($HOME/.local/share when XDG_DATA_HOME is
// unset, empty or relative, as the XDG base directories are found). Each is a copy of the
// table file as it was imported. The window lists them in its Fluid box; `--fluid NAME` finds one.

#include "propertytable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt::physics {

// The folder, whether it exists or not; empty when neither variable gives one.
std::string keptFluidFolder();

// The names of the kept fluids, sorted.
std::vector<std::string> keptFluids();

// The file of a kept fluid, when there is one by that name.
std::optional<std::string> keptFluidFile(std::string_view name);

// Whether a --fluid word names a table file rather than a fluid (a path: it holds a '/' or ends
// in ".csv").
bool looksLikeTableFile(std::string_view word);

// The table of a --fluid word or a case file's fluid that is no fluid word: a kept fluid's name,
// else a table file's path. Empty, with error, when it is neither; a faulty file is a TableRead
// with its error (and the path in `file`).
struct TableLookup {
    std::string file;
    TableRead read;
};
std::optional<TableLookup> lookUpTable(std::string_view word, std::string &error);

// Keeps a table file's text under its table's name (written beside and renamed, files.h);
// an empty string, or why it could not be kept.
std::string keepFluid(const PropertyTable &table, std::string_view text);

} // namespace nusselt::physics
