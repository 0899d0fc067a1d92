#include "propertytable.h"

#include "csv.h"
#include "files.h"
#include "numbers.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace nusselt::physics {

namespace {

// How far a tabulated Pr may lie from mu cp / k of its row: tables round each of the four.
constexpr double prandtlTolerance = 0.02;
constexpr std::size_t maxFileBytes = std::size_t{1} << 20;

enum Col { T, Rho, Mu, K, Cp, Pr, ColCount };
struct ColumnInfo {
    std::string_view name;
    Quantity quantity;
    std::string_view what;
};
constexpr std::array<ColumnInfo, ColCount> columns{{
    {"T", Quantity::Temperature, "temperature"},
    {"rho", Quantity::Density, "density"},
    {"mu", Quantity::DynamicViscosity, "viscosity"},
    {"k", Quantity::ThermalConductivity, "thermal conductivity"},
    {"cp", Quantity::SpecificHeat, "specific heat"},
    {"Pr", Quantity::Density, "Prandtl number"}, // no unit: "-" or none
}};

// Fritsch-Carlson slopes: harmonic-type limits keep every interval's cubic within its end values.
std::vector<double> monotoneSlopes(const std::vector<double> &x, const std::vector<double> &y)
{
    const std::size_t n = x.size();
    std::vector<double> delta(n - 1), m(n);
    for (std::size_t i = 0; i + 1 < n; ++i)
        delta[i] = (y[i + 1] - y[i]) / (x[i + 1] - x[i]);
    m[0] = delta[0];
    m[n - 1] = delta[n - 2];
    for (std::size_t i = 1; i + 1 < n; ++i)
        m[i] = delta[i - 1] * delta[i] <= 0.0 ? 0.0 : 0.5 * (delta[i - 1] + delta[i]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (delta[i] == 0.0) {
            m[i] = m[i + 1] = 0.0;
            continue;
        }
        const double a = m[i] / delta[i], b = m[i + 1] / delta[i];
        const double s = a * a + b * b;
        if (s > 9.0) {
            const double tau = 3.0 / std::sqrt(s);
            m[i] = tau * a * delta[i];
            m[i + 1] = tau * b * delta[i];
        }
    }
    return m;
}

double hermite(const std::vector<double> &x, const PropertyTable::Column &c, std::size_t i, double t)
{
    const double h = x[i + 1] - x[i];
    const double s = (t - x[i]) / h;
    const double s2 = s * s, s3 = s2 * s;
    // The cubic Hermite form about the left row: a constant stays exactly that constant.
    return c.value[i] + (3 * s2 - 2 * s3) * (c.value[i + 1] - c.value[i]) + (s3 - 2 * s2 + s) * h * c.slope[i]
        + (s3 - s2) * h * c.slope[i + 1];
}

TableRead fault(std::size_t line, std::size_t column, std::string text)
{
    TableRead r;
    r.line = line;
    r.column = column;
    r.error = std::move(text);
    return r;
}

// "rho [kg/m3]" -> name "rho", unit text "kg/m3"; a blank inside the unit reads as a product.
bool splitHeader(std::string_view cell, std::string_view &name, std::string &unit, bool &hasUnit)
{
    cell = trimmed(cell);
    const std::size_t open = cell.find('[');
    hasUnit = open != std::string_view::npos;
    if (!hasUnit) {
        name = cell;
        unit.clear();
        return true;
    }
    if (cell.back() != ']')
        return false;
    name = trimmed(cell.substr(0, open));
    const std::string_view inside = trimmed(cell.substr(open + 1, cell.size() - open - 2));
    unit.clear();
    for (std::size_t i = 0; i < inside.size(); ++i) {
        const char c = inside[i];
        if (c == ' ' || c == '\t') {
            if (!unit.empty() && unit.back() != '.' && unit.back() != '(' && i + 1 < inside.size()
                && inside[i + 1] != ' ' && inside[i + 1] != ')' && inside[i + 1] != '/')
                unit += '.';
            continue;
        }
        unit += c;
    }
    return true;
}

} // namespace

struct PropertyTableReader {
    static TableRead read(std::string_view text, std::string name);
};

TableRead PropertyTableReader::read(std::string_view text, std::string name)
{
    std::array<std::optional<std::size_t>, ColCount> at;   // the file's column of each property
    std::array<Unit, ColCount> unit{};
    std::size_t width = 0;
    std::array<std::vector<double>, ColCount> values;
    std::size_t line = 0;
    bool header = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view row = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++line;
        if (!row.empty() && row.back() == '\r')
            row.remove_suffix(1);
        if (trimmed(row).empty())
            continue;
        // The one CSV reader, one line at a time, so that faults carry their line.
        std::string copy(row);
        std::FILE *in = fmemopen(copy.data(), copy.size(), "r");
        if (!in)
            return fault(line, 0, "cannot be read");
        CsvReader csv(in);
        const bool got = csv.next();
        std::vector<std::string> cells;
        for (std::size_t i = 0; got && i < csv.size(); ++i)
            cells.emplace_back(csv.field(i));
        const std::string csvFault(csv.fault());
        std::fclose(in);
        if (!csvFault.empty())
            return fault(line, 1, csvFault);

        if (header) {
            header = false;
            width = cells.size();
            for (std::size_t c = 0; c < cells.size(); ++c) {
                std::string_view colName;
                std::string unitText;
                bool hasUnit = false;
                if (!splitHeader(cells[c], colName, unitText, hasUnit))
                    return fault(line, c + 1, "a header is a name and its unit in brackets, e.g. \"rho [kg/m3]\"");
                const auto known = std::find_if(columns.begin(), columns.end(),
                                                [&](const ColumnInfo &i) { return i.name == colName; });
                if (known == columns.end())
                    return fault(line, c + 1, "\"" + std::string(colName) + "\" is not one of T, rho, mu, k, cp or Pr");
                const auto col = static_cast<std::size_t>(known - columns.begin());
                if (at[col])
                    return fault(line, c + 1, std::string(colName) + " is given twice");
                at[col] = c;
                if (col == Pr) {
                    if (hasUnit && unitText != "-" && !unitText.empty())
                        return fault(line, c + 1, "Pr has no unit (write \"Pr\" or \"Pr [-]\")");
                    continue;
                }
                if (!hasUnit || unitText.empty())
                    return fault(line, c + 1, std::string(colName) + " needs its unit, e.g. \"" + std::string(colName)
                                                  + " [" + std::string(defaultUnit(known->quantity).symbol) + "]\"");
                const std::optional<Unit> u = findUnit(known->quantity, unitText);
                if (!u)
                    return fault(line, c + 1, "\"" + unitText + "\" is no unit of " + std::string(known->what));
                unit[col] = *u;
            }
            for (std::size_t col = 0; col < Pr; ++col)
                if (!at[col])
                    return fault(line, 0, "no column " + std::string(columns[col].name) + " (the header needs T, rho, mu, k and cp)");
            continue;
        }
        if (cells.size() != width)
            return fault(line, std::min(cells.size(), width) + 1,
                         "the row has " + std::to_string(cells.size()) + " cells, the header "
                             + std::to_string(width));
        std::array<double, ColCount> v{};
        for (std::size_t col = 0; col < ColCount; ++col) {
            if (!at[col])
                continue;
            const std::size_t c = *at[col];
            const std::optional<double> number = readNumber(cells[c]);
            if (!number || !std::isfinite(*number))
                return fault(line, c + 1, "\"" + std::string(trimmed(cells[c])) + "\" is not a number");
            v[col] = col == Pr ? *number : toSI(unit[col], *number);
            if (!(v[col] > 0.0))
                return fault(line, c + 1, std::string(columns[col].what) + " must be greater than zero"
                                              + (col == T ? " K" : ""));
        }
        if (!values[T].empty() && !(v[T] > values[T].back()))
            return fault(line, *at[T] + 1, "temperatures must increase from row to row");
        if (at[Pr]) {
            const double pr = v[Cp] * v[Mu] / v[K];
            if (std::abs(v[Pr] / pr - 1.0) > prandtlTolerance) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.4g", pr);
                return fault(line, *at[Pr] + 1, "Pr differs from mu cp / k = " + std::string(buf) + " by more than 2 %");
            }
        }
        for (std::size_t col = 0; col < ColCount; ++col)
            values[col].push_back(v[col]);
    }
    if (header)
        return fault(0, 0, "the file is empty");
    if (values[T].size() < 2)
        return fault(0, 0, "a table needs at least two rows");

    TableRead r;
    PropertyTable &t = r.table.emplace();
    t.tableName = std::move(name);
    t.temperature = values[T];
    const auto column = [&](Col col) {
        return PropertyTable::Column{values[col], monotoneSlopes(values[T], values[col])};
    };
    t.density = column(Rho);
    t.viscosity = column(Mu);
    t.conductivity = column(K);
    t.specificHeat = column(Cp);
    return r;
}

PropertyResult PropertyTable::at(double T, double P) const
{
    PropertyResult r;
    if (!std::isfinite(T)) {
        r.issue = Issue::NotFinite;
        return r;
    }
    if (T < temperature.front()) {
        r.issue = Issue::TemperatureBelowRange;
        r.limit = temperature.front();
        return r;
    }
    if (T > temperature.back()) {
        r.issue = Issue::TemperatureAboveRange;
        r.limit = temperature.back();
        return r;
    }
    const auto upper = std::upper_bound(temperature.begin(), temperature.end(), T);
    const std::size_t i = std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(upper - temperature.begin() - 1, 0)),
                                   temperature.size() - 2);
    State &s = r.state;
    s.temperature = T;
    s.pressure = P;
    s.density = hermite(temperature, density, i, T);
    s.dynamicViscosity = hermite(temperature, viscosity, i, T);
    s.thermalConductivity = hermite(temperature, conductivity, i, T);
    s.specificHeat = hermite(temperature, specificHeat, i, T);
    completeState(s);
    return r;
}

std::string TableRead::where() const
{
    if (line == 0)
        return error;
    std::string s = "line " + std::to_string(line);
    if (column > 0)
        s += ", column " + std::to_string(column);
    return s + ": " + error;
}

TableRead readPropertyTable(std::string_view text, std::string name)
{
    return PropertyTableReader::read(text, std::move(name));
}

TableRead readPropertyTableFile(const std::string &path)
{
    std::string text, error;
    if (readBoundedFile(path, maxFileBytes, text, error) != BoundedRead::Read) {
        TableRead r;
        r.error = error;
        return r;
    }
    return readPropertyTable(text, tableNameOf(path));
}

std::string tableNameOf(const std::string &path)
{
    std::string name = path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".csv") == 0)
        name.resize(name.size() - 4);
    return name;
}

} // namespace nusselt::physics
