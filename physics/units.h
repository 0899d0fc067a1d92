#pragma once

// Units of the physical quantities the program reads and shows. Everything inside the program is
// SI (kelvin for temperatures); a unit converts to and from SI as si = value * scale + offset.
// A temperature difference has its own quantity, so that it converts by the scale alone: a
// difference of 10 K is one of 18 °F, never of -441.67 °F.

#include <optional>
#include <string_view>
#include <vector>

namespace nusselt::physics {

enum class Quantity {
    Velocity,
    Length,
    Temperature,
    TemperatureDifference,
    Pressure,
    HeatTransferCoefficient,
    HeatFlux,
    HeatRatePerLength,
    HeatRate,
    // Fluid properties: shown, never typed with a unit of one's choice.
    Density,
    DynamicViscosity,
    KinematicViscosity,
    ThermalConductivity,
    SpecificHeat,
};

struct Unit {
    Quantity quantity;
    std::string_view symbol; // as shown: "m/s", "°C", "W/(m²·K)"
    double scale;
    double offset;
};

// The units offered for a quantity; the first is the default (SI: m/s, m, °C, kPa, W/(m²·K), ...).
const std::vector<Unit> &unitsOf(Quantity quantity);
const Unit &defaultUnit(Quantity quantity);

// The two systems of units a window can show everything in at once: SI as the program starts,
// and the units of US heat-transfer textbooks (ft, °F, psi, Btu, lbm, hours).
enum class UnitSystem { SI, US };
// The unit of a quantity in a system: one of unitsOf(quantity).
const Unit &systemUnit(UnitSystem system, Quantity quantity);
// The system whose unit this is for its quantity; empty for the other units (mm, km/h, bar, ...).
std::optional<UnitSystem> systemOf(const Unit &unit);

// Finds a unit by its shown symbol or a plain-ASCII spelling ("C", "degC", "F", "K", "m/s", "ft/s",
// "km/h", "mph", "kn", "mm", "cm", "in", "kPa", "psi", "bar", "atm", "W/m2K", "W/m2", "kW/m2", ...).
// Case-sensitive, as SI symbols are.
std::optional<Unit> findUnit(Quantity quantity, std::string_view symbol);

// The unit of a temperature difference on a temperature's scale: K for K, °C for °C, °F for °F.
const Unit &differenceUnitOf(const Unit &temperature);

// A number written with its unit, as on the command line: "10m/s", "36km/h", "1.27cm", "79.2degF",
// "0.5kW/m2", "300 K". The unit is the longest symbol or spelling of the quantity that ends the
// text (so "degF" before "F", "kW/m2" before "W/m2", "cm" before "m"); without one, whatever
// follows the longest leading number. The number is read by readNumber (numbers.h).
struct TypedQuantity {
    std::string_view number;    // the text before the unit, blanks removed
    std::string_view unitText;  // the unit as written, blanks removed; empty when none was written
    std::optional<double> value; // the number in unitText's unit; empty when it is none
    std::optional<Unit> unit;    // empty when unitText is empty or no unit of the quantity
};
TypedQuantity readTyped(Quantity quantity, std::string_view text);

inline double toSI(const Unit &unit, double value) { return value * unit.scale + unit.offset; }
inline double fromSI(const Unit &unit, double si) { return (si - unit.offset) / unit.scale; }

// Exact conversion factors (international foot, inch and pound, International Table Btu).
namespace si {
inline constexpr double foot = 0.3048;                      // m
inline constexpr double inch = 0.0254;                      // m
inline constexpr double mile = 1609.344;                    // m (international mile)
inline constexpr double nauticalMile = 1852.0;              // m
inline constexpr double hour = 3600.0;                      // s
inline constexpr double atmosphere = 101325.0;              // Pa
inline constexpr double bar = 100000.0;                     // Pa
inline constexpr double psi = 6894.757293168361;            // Pa (lbf/in²)
inline constexpr double btuPerHour = 1055.05585262 / 3600.0; // W
inline constexpr double rankine = 5.0 / 9.0;                 // K per °F of difference
inline constexpr double zeroCelsius = 273.15;                // K
inline constexpr double pound = 0.45359237;                  // kg (international avoirdupois pound)
inline constexpr double standardGravity = 9.80665;           // m/s², so lbf = pound * standardGravity N
inline constexpr double btu = 1055.05585262;                 // J (International Table)
} // namespace si

} // namespace nusselt::physics
