#include "units.h"

#include "numbers.h"

#include <array>

namespace nusselt::physics {
namespace {

using Q = Quantity;

// Btu/(h·ft²) and friends follow from the exact foot and the International Table Btu.
constexpr double btuPerHourFoot = si::btuPerHour / si::foot;
constexpr double btuPerHourSquareFoot = si::btuPerHour / (si::foot * si::foot);
constexpr double btuPerHourSquareFootRankine = btuPerHourSquareFoot / si::rankine;
constexpr double cubicFoot = si::foot * si::foot * si::foot;
constexpr double poundForce = si::pound * si::standardGravity;
// °F to K: (F + 459.67) * 5/9.
constexpr double fahrenheitOffset = 459.67 * si::rankine;

struct Alias {
    Quantity quantity;
    std::string_view spelling;
    std::string_view symbol;
};

// Plain-ASCII spellings for command lines and files.
constexpr Alias aliases[] = {
    {Q::Temperature, "C", "°C"},
    {Q::Temperature, "degC", "°C"},
    {Q::Temperature, "F", "°F"},
    {Q::Temperature, "degF", "°F"},
    {Q::TemperatureDifference, "C", "°C"},
    {Q::TemperatureDifference, "F", "°F"},
    {Q::HeatTransferCoefficient, "W/m2K", "W/(m²·K)"},
    {Q::HeatTransferCoefficient, "W/(m2K)", "W/(m²·K)"},
    {Q::HeatTransferCoefficient, "W/(m2.K)", "W/(m²·K)"},
    {Q::HeatTransferCoefficient, "Btu/(h.ft2.F)", "Btu/(h·ft²·°F)"},
    {Q::HeatTransferCoefficient, "Btu/hft2F", "Btu/(h·ft²·°F)"},
    {Q::HeatFlux, "W/m2", "W/m²"},
    {Q::HeatFlux, "kW/m2", "kW/m²"},
    {Q::HeatFlux, "Btu/(h.ft2)", "Btu/(h·ft²)"},
    {Q::HeatFlux, "Btu/hft2", "Btu/(h·ft²)"},
    {Q::HeatRatePerLength, "Btu/(h.ft)", "Btu/(h·ft)"},
    {Q::HeatRatePerLength, "Btu/hft", "Btu/(h·ft)"},
    {Q::Density, "kg/m3", "kg/m³"},
    {Q::Density, "lbm/ft3", "lbm/ft³"},
    {Q::DynamicViscosity, "Pa.s", "Pa·s"},
    {Q::DynamicViscosity, "lbm/(ft.h)", "lbm/(ft·h)"},
    {Q::DynamicViscosity, "lbf.s/ft2", "lbf·s/ft²"},
    {Q::ThermalConductivity, "W/(m.K)", "W/(m·K)"},
    {Q::ThermalConductivity, "W/mK", "W/(m·K)"},
    {Q::ThermalConductivity, "Btu/(h.ft.F)", "Btu/(h·ft·°F)"},
    {Q::SpecificHeat, "J/(kg.K)", "J/(kg·K)"},
    {Q::SpecificHeat, "J/kgK", "J/(kg·K)"},
    {Q::SpecificHeat, "Btu/(lbm.F)", "Btu/(lbm·°F)"},
};

} // namespace

const std::vector<Unit> &unitsOf(Quantity q)
{
    static const std::array<std::vector<Unit>, 14> units = {{
        {{Q::Velocity, "m/s", 1.0, 0.0},
         {Q::Velocity, "km/h", 1000.0 / si::hour, 0.0},
         {Q::Velocity, "ft/s", si::foot, 0.0},
         {Q::Velocity, "mph", si::mile / si::hour, 0.0},
         {Q::Velocity, "kn", si::nauticalMile / si::hour, 0.0}},
        {{Q::Length, "m", 1.0, 0.0},
         {Q::Length, "mm", 0.001, 0.0},
         {Q::Length, "cm", 0.01, 0.0},
         {Q::Length, "ft", si::foot, 0.0},
         {Q::Length, "in", si::inch, 0.0}},
        {{Q::Temperature, "°C", 1.0, si::zeroCelsius},
         {Q::Temperature, "K", 1.0, 0.0},
         {Q::Temperature, "°F", si::rankine, fahrenheitOffset}},
        {{Q::TemperatureDifference, "K", 1.0, 0.0},
         {Q::TemperatureDifference, "°C", 1.0, 0.0},
         {Q::TemperatureDifference, "°F", si::rankine, 0.0}},
        {{Q::Pressure, "kPa", 1000.0, 0.0},
         {Q::Pressure, "Pa", 1.0, 0.0},
         {Q::Pressure, "bar", si::bar, 0.0},
         {Q::Pressure, "psi", si::psi, 0.0},
         {Q::Pressure, "atm", si::atmosphere, 0.0}},
        {{Q::HeatTransferCoefficient, "W/(m²·K)", 1.0, 0.0},
         {Q::HeatTransferCoefficient, "Btu/(h·ft²·°F)", btuPerHourSquareFootRankine, 0.0}},
        {{Q::HeatFlux, "W/m²", 1.0, 0.0},
         {Q::HeatFlux, "kW/m²", 1000.0, 0.0},
         {Q::HeatFlux, "Btu/(h·ft²)", btuPerHourSquareFoot, 0.0}},
        {{Q::HeatRatePerLength, "W/m", 1.0, 0.0}, {Q::HeatRatePerLength, "Btu/(h·ft)", btuPerHourFoot, 0.0}},
        {{Q::HeatRate, "W", 1.0, 0.0}, {Q::HeatRate, "Btu/h", si::btuPerHour, 0.0}},
        {{Q::Density, "kg/m³", 1.0, 0.0}, {Q::Density, "lbm/ft³", si::pound / cubicFoot, 0.0}},
        {{Q::DynamicViscosity, "Pa·s", 1.0, 0.0},
         {Q::DynamicViscosity, "lbm/(ft·h)", si::pound / (si::foot * si::hour), 0.0},
         {Q::DynamicViscosity, "lbf·s/ft²", poundForce / (si::foot * si::foot), 0.0}},
        {{Q::KinematicViscosity, "m²/s", 1.0, 0.0},
         {Q::KinematicViscosity, "ft²/h", si::foot * si::foot / si::hour, 0.0}},
        {{Q::ThermalConductivity, "W/(m·K)", 1.0, 0.0},
         {Q::ThermalConductivity, "Btu/(h·ft·°F)", btuPerHourFoot / si::rankine, 0.0}},
        {{Q::SpecificHeat, "J/(kg·K)", 1.0, 0.0}, {Q::SpecificHeat, "Btu/(lbm·°F)", si::btu / (si::pound * si::rankine), 0.0}},
    }};
    return units[static_cast<std::size_t>(q)];
}

namespace {

// Each quantity's unit in each system, by symbol: the one table the windows read.
struct SystemUnits {
    Quantity quantity;
    std::string_view si;
    std::string_view us;
};
constexpr SystemUnits systemUnits[] = {
    {Q::Velocity, "m/s", "ft/s"},
    {Q::Length, "m", "ft"},
    {Q::Temperature, "°C", "°F"},
    {Q::TemperatureDifference, "K", "°F"},
    {Q::Pressure, "kPa", "psi"},
    {Q::HeatTransferCoefficient, "W/(m²·K)", "Btu/(h·ft²·°F)"},
    {Q::HeatFlux, "W/m²", "Btu/(h·ft²)"},
    {Q::HeatRatePerLength, "W/m", "Btu/(h·ft)"},
    {Q::HeatRate, "W", "Btu/h"},
    {Q::Density, "kg/m³", "lbm/ft³"},
    {Q::DynamicViscosity, "Pa·s", "lbm/(ft·h)"},
    {Q::KinematicViscosity, "m²/s", "ft²/h"},
    {Q::ThermalConductivity, "W/(m·K)", "Btu/(h·ft·°F)"},
    {Q::SpecificHeat, "J/(kg·K)", "Btu/(lbm·°F)"},
};

} // namespace

const Unit &systemUnit(UnitSystem system, Quantity quantity)
{
    for (const SystemUnits &s : systemUnits) {
        if (s.quantity != quantity)
            continue;
        const std::string_view symbol = system == UnitSystem::SI ? s.si : s.us;
        for (const Unit &u : unitsOf(quantity))
            if (u.symbol == symbol)
                return u;
    }
    return defaultUnit(quantity);
}

std::optional<UnitSystem> systemOf(const Unit &unit)
{
    for (const UnitSystem system : {UnitSystem::SI, UnitSystem::US})
        if (systemUnit(system, unit.quantity).symbol == unit.symbol)
            return system;
    return std::nullopt;
}

const Unit &defaultUnit(Quantity quantity)
{
    return unitsOf(quantity).front();
}

const Unit &differenceUnitOf(const Unit &temperature)
{
    const std::vector<Unit> &units = unitsOf(Quantity::TemperatureDifference);
    for (const Unit &u : units)
        if (u.symbol == temperature.symbol)
            return u;
    return units.front();
}

std::optional<Unit> findUnit(Quantity quantity, std::string_view symbol)
{
    for (const Alias &a : aliases) {
        if (a.quantity == quantity && a.spelling == symbol) {
            symbol = a.symbol;
            break;
        }
    }
    for (const Unit &u : unitsOf(quantity)) {
        if (u.symbol == symbol)
            return u;
    }
    return std::nullopt;
}

TypedQuantity readTyped(Quantity quantity, std::string_view text)
{
    text = trimmed(text);
    // The longest spelling of a unit of the quantity that ends the text.
    std::string_view unit;
    const auto consider = [&](std::string_view spelling) {
        if (spelling.size() > unit.size() && spelling.size() <= text.size()
            && text.substr(text.size() - spelling.size()) == spelling)
            unit = spelling;
    };
    for (const Unit &u : unitsOf(quantity))
        consider(u.symbol);
    for (const Alias &a : aliases)
        if (a.quantity == quantity)
            consider(a.spelling);
    std::size_t numberEnd = text.size() - unit.size();
    if (unit.empty()) {
        // No known unit: the number is the longest leading text that reads as one.
        numberEnd = text.size();
        while (numberEnd > 0 && !readNumber(text.substr(0, numberEnd)))
            --numberEnd;
    }
    TypedQuantity t;
    t.number = trimmed(text.substr(0, numberEnd));
    t.unitText = trimmed(text.substr(numberEnd));
    t.value = readNumber(t.number);
    if (!t.unitText.empty())
        t.unit = findUnit(quantity, t.unitText);
    return t;
}

} // namespace nusselt::physics
