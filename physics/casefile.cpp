#include "casefile.h"

#include "numbers.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace nusselt::physics {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::array<std::string_view, 3> fluidWords{"air", "water", "custom"};

// Each input and each typed property: its key in the file, its text in the case and its value in
// the problem. In the alphabetical order of the keys, the order files are written in.
struct InputSlot {
    std::string_view key;
    TypedValue CaseFile::*typed;
    std::optional<double> Problem::*value;
    Quantity quantity;
};
constexpr std::array<InputSlot, 8> inputSlots{{
    {"heat_flux", &CaseFile::heatFlux, &Problem::heatFlux, Quantity::HeatFlux},
    {"length", &CaseFile::length, &Problem::length, Quantity::Length},
    {"pressure", &CaseFile::pressure, &Problem::pressure, Quantity::Pressure},
    {"t_inf", &CaseFile::freeStreamTemperature, &Problem::freeStreamTemperature, Quantity::Temperature},
    {"t_surface", &CaseFile::surfaceTemperature, &Problem::surfaceTemperature, Quantity::Temperature},
    {"velocity", &CaseFile::velocity, &Problem::velocity, Quantity::Velocity},
    {"x", &CaseFile::distance, &Problem::distance, Quantity::Length},
    {"xi", &CaseFile::heatStart, &Problem::heatStart, Quantity::Length},
}};

struct FluidSlot {
    std::string_view key;
    std::string TypedFluidTexts::*text;
    std::optional<double> TypedProperties::*value;
};
constexpr std::array<FluidSlot, 4> fluidSlots{{
    {"conductivity", &TypedFluidTexts::conductivity, &TypedProperties::thermalConductivity},
    {"density", &TypedFluidTexts::density, &TypedProperties::density},
    {"specific_heat", &TypedFluidTexts::specificHeat, &TypedProperties::specificHeat},
    {"viscosity", &TypedFluidTexts::viscosity, &TypedProperties::dynamicViscosity},
}};

template <typename Slots>
auto slotOf(const Slots &slots, std::string_view key) -> decltype(slots.data())
{
    const auto it = std::find_if(slots.begin(), slots.end(), [&](const auto &s) { return s.key == key; });
    return it == slots.end() ? nullptr : &*it;
}

ordered_json fluidTexts(const TypedFluidTexts &t)
{
    ordered_json j = ordered_json::object();
    for (const FluidSlot &s : fluidSlots)
        j[std::string(s.key)] = t.*s.text;
    return j;
}

// Reading with a path for messages; any mismatch throws Bad.
struct Bad {
    std::string message;
};

std::string textAt(const json &j, const std::string &path)
{
    if (!j.is_string())
        throw Bad{path + ": expected a text"};
    return j.get<std::string>();
}

const json &objectAt(const json &j, const std::string &path, std::string_view expected = "an object")
{
    if (!j.is_object())
        throw Bad{path + ": expected " + std::string(expected)};
    return j;
}

void readChoices(const json &j, Selection &selection)
{
    for (const auto &[key, value] : objectAt(j, "case").items()) {
        const std::string path = "case." + key;
        const std::string word = textAt(value, path);
        const auto choice = std::find_if(allChoices.begin(), allChoices.end(),
                                         [&name = key](Choice c) { return infoOf(c).key == name; });
        if (choice == allChoices.end())
            throw Bad{path + ": unknown choice"};
        const ChoiceItem *item = infoOf(*choice).withWord(word);
        if (!item)
            throw Bad{path + ": \"" + word + "\" is not a choice"};
        setCode(selection, *choice, item->code);
    }
}

void readInputs(const json &j, CaseFile &c)
{
    for (const auto &[key, value] : objectAt(j, "inputs").items()) {
        const std::string path = "inputs." + key;
        const InputSlot *slot = slotOf(inputSlots, key);
        if (!slot)
            throw Bad{path + ": unknown input"};
        TypedValue &v = c.*slot->typed;
        for (const auto &[entry, text] : objectAt(value, path, "{\"text\": ..., \"unit\": ...}").items()) {
            if (entry != "text" && entry != "unit")
                throw Bad{path + "." + entry + ": unknown entry"};
            (entry == "text" ? v.text : v.unit) = textAt(text, path + "." + entry);
        }
        if (!v.unit.empty() && !findUnit(slot->quantity, v.unit))
            throw Bad{path + ".unit: \"" + v.unit + "\" is not a unit of " + key};
    }
}

void readFluidTexts(const json &j, const std::string &path, TypedFluidTexts &t)
{
    for (const auto &[key, value] : objectAt(j, path).items()) {
        const FluidSlot *slot = slotOf(fluidSlots, key);
        if (!slot)
            throw Bad{path + "." + key + ": unknown property"};
        t.*slot->text = textAt(value, path + "." + key);
    }
}

void readCustom(const json &j, CaseFile &c)
{
    for (const auto &[key, value] : objectAt(j, "custom").items()) {
        const std::string path = "custom." + key;
        if (key == "film")
            readFluidTexts(value, path, c.film);
        else if (key == "free_stream")
            readFluidTexts(value, path, c.freeStream);
        else if (key == "surface_prandtl")
            c.prandtlSurface = textAt(value, path);
        else if (key == "surface_viscosity")
            c.viscositySurface = textAt(value, path);
        else
            throw Bad{path + ": unknown entry"};
    }
}

} // namespace

std::string toJson(const CaseFile &c)
{
    std::map<std::string, std::string> chosen; // by key, alphabetically
    for (const Choice choice : allChoices) {
        const std::string_view word = wordOf(c.selection, choice);
        if (!word.empty())
            chosen[std::string(infoOf(choice).key)] = word;
    }
    ordered_json j;
    j["case"] = chosen;
    if (c.fluid == FluidChoice::Custom) {
        j["custom"] = {{"film", fluidTexts(c.film)},
                       {"free_stream", fluidTexts(c.freeStream)},
                       {"surface_prandtl", c.prandtlSurface},
                       {"surface_viscosity", c.viscositySurface}};
    }
    j["fluid"] = fluidWords[static_cast<std::size_t>(c.fluid)];
    j["format"] = caseFileFormat;
    for (const InputSlot &s : inputSlots) {
        const TypedValue &v = c.*s.typed;
        j["inputs"][std::string(s.key)] = {{"text", v.text}, {"unit", v.unit}};
    }
    j["version"] = caseFileVersion;
    return j.dump(2) + "\n";
}

std::string &customText(CaseFile &c, Field field)
{
    switch (field) {
    case Field::FilmDensity: return c.film.density;
    case Field::FilmViscosity: return c.film.viscosity;
    case Field::FilmConductivity: return c.film.conductivity;
    case Field::FilmSpecificHeat: return c.film.specificHeat;
    case Field::FreeStreamDensity: return c.freeStream.density;
    case Field::FreeStreamViscosity: return c.freeStream.viscosity;
    case Field::FreeStreamConductivity: return c.freeStream.conductivity;
    case Field::FreeStreamSpecificHeat: return c.freeStream.specificHeat;
    case Field::SurfacePrandtl: return c.prandtlSurface;
    case Field::SurfaceViscosity: return c.viscositySurface;
    default: break;
    }
    throw std::invalid_argument("not a property of a fluid of one's own");
}

std::optional<CaseFile> fromJson(std::string_view text, std::string &error)
{
    const json j = json::parse(text.begin(), text.end(), nullptr, false);
    if (j.is_discarded()) {
        error = "not a JSON document";
        return std::nullopt;
    }
    try {
        if (!j.is_object())
            throw Bad{"expected a JSON object"};
        if (!j.contains("format") || j["format"] != caseFileFormat)
            throw Bad{"format: expected \"nusselt-case\""};
        if (!j.contains("version") || !j["version"].is_number_integer())
            throw Bad{"version: expected a whole number"};
        if (j["version"].get<long long>() > caseFileVersion)
            throw Bad{"version: written by a newer program (version " +
                      std::to_string(j["version"].get<long long>()) + ")"};
        CaseFile c;
        if (j.contains("case"))
            readChoices(j["case"], c.selection);
        if (j.contains("fluid")) {
            const std::string word = textAt(j["fluid"], "fluid");
            const auto fluid = std::find(fluidWords.begin(), fluidWords.end(), word);
            if (fluid == fluidWords.end())
                throw Bad{"fluid: \"" + word + "\" is not air, water or custom"};
            c.fluid = static_cast<FluidChoice>(fluid - fluidWords.begin());
        }
        if (j.contains("inputs"))
            readInputs(j["inputs"], c);
        if (j.contains("custom"))
            readCustom(j["custom"], c);
        return c;
    } catch (const Bad &bad) {
        error = bad.message;
        return std::nullopt;
    }
}

std::optional<Problem> toProblem(const CaseFile &c, std::string &error)
{
    error.clear();
    Problem p;
    p.selection = c.selection;
    p.fluid = c.fluid;
    for (const InputSlot &s : inputSlots) {
        const TypedValue &v = c.*s.typed;
        const std::optional<Unit> unit = v.unit.empty() ? defaultUnit(s.quantity) : findUnit(s.quantity, v.unit);
        if (!unit) {
            error = "inputs." + std::string(s.key) + ".unit: \"" + v.unit + "\" is not a unit of " + std::string(s.key);
            return std::nullopt;
        }
        const std::optional<double> typed = readNumber(v.text);
        p.*s.value = typed ? std::optional<double>(toSI(*unit, *typed)) : std::nullopt;
        // Messages quote temperatures in the unit of T_inf, lengths in that of L or D, and every
        // other input in its own unit.
        if (s.typed == &CaseFile::freeStreamTemperature)
            p.temperatureUnit = *unit;
        else if (s.typed == &CaseFile::length)
            p.lengthUnit = *unit;
        else if (s.quantity == Quantity::Pressure)
            p.pressureUnit = *unit;
        else if (s.quantity == Quantity::Velocity)
            p.velocityUnit = *unit;
        else if (s.quantity == Quantity::HeatFlux)
            p.heatFluxUnit = *unit;
    }
    for (const FluidSlot &s : fluidSlots) {
        p.custom.film.*s.value = readNumber(c.film.*s.text);
        p.custom.freeStream.*s.value = readNumber(c.freeStream.*s.text);
    }
    p.custom.prandtlSurface = readNumber(c.prandtlSurface);
    p.custom.viscositySurface = readNumber(c.viscositySurface);
    return p;
}

} // namespace nusselt::physics
