#pragma once

// A fluid of one's own from a table of its properties, as textbooks' appendices print them: a CSV
// file with a header of column names and units,
//
//   T [C], rho [kg/m3], mu [Pa s], k [W/(m K)], cp [J/(kg K)]
//
// the five columns in any order, an optional "Pr [-]" column checked against mu cp / k, the
// units the program's unit words (units.h; a blank between two units reads as a product), one
// row per temperature, temperatures increasing, every value positive, all at one pressure.
// Between rows each property follows a monotone cubic (Fritsch & Carlson 1980), which never
// overshoots the tabulated values; outside the table nothing is extrapolated.

#include "properties.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt::physics {

class PropertyTable
{
public:
    // One property at the rows' temperatures, with the slopes of its monotone cubic.
    struct Column {
        std::vector<double> value, slope;
    };

    const std::string &name() const { return tableName; }
    double minTemperature() const { return temperature.front(); } // K
    double maxTemperature() const { return temperature.back(); }
    std::size_t rows() const { return temperature.size(); }

    // The state at T (K) within minTemperature()..maxTemperature(); pressure as given.
    PropertyResult at(double temperatureK, double pressurePa) const;

private:
    friend struct PropertyTableReader;
    std::string tableName;
    std::vector<double> temperature; // K, increasing
    Column density, viscosity, conductivity, specificHeat;
};

// A table read, or why not: line and column (both from 1) of the first fault in the file.
struct TableRead {
    std::optional<PropertyTable> table;
    std::string error;
    std::size_t line = 0, column = 0;
    // "line 3, column 2: ...", for messages after the file's name.
    std::string where() const;
};

// Reads a table from CSV text; `name` is the fluid's name (a file's name without ".csv").
TableRead readPropertyTable(std::string_view text, std::string name);
// Reads the file at path (at most 1 MiB): a fault of the file itself is at line 0.
TableRead readPropertyTableFile(const std::string &path);
// The fluid's name of a table file: the file name without its folder and ".csv".
std::string tableNameOf(const std::string &path);

} // namespace nusselt::physics
