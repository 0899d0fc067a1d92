#include "casefile.h"

#include "fluidstore.h"

#include "numbers.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <vector>

namespace nusselt::physics {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;


// Each input and each typed property: its key in the file, its text in the case and its value in
// the problem. In the alphabetical order of the keys, the order files are written in.
struct InputSlot {
    std::string_view key;
    TypedValue CaseFile::*typed;
    std::optional<double> Problem::*value;
    Quantity quantity;
    bool count = false; // a number of tubes: no unit
    // Written only when entered: the inputs of a tube bank leave other cases' files as they were.
    bool onlyEntered = false;
};
constexpr std::array<InputSlot, 12> inputSlots{{
    {"heat_flux", &CaseFile::heatFlux, &Problem::heatFlux, Quantity::HeatFlux},
    {"length", &CaseFile::length, &Problem::length, Quantity::Length},
    {"longitudinal_pitch", &CaseFile::longitudinalPitch, &Problem::longitudinalPitch, Quantity::Length, false, true},
    {"pressure", &CaseFile::pressure, &Problem::pressure, Quantity::Pressure},
    {"rows", &CaseFile::rows, &Problem::rows, Quantity::Length, true, true},
    {"t_inf", &CaseFile::freeStreamTemperature, &Problem::freeStreamTemperature, Quantity::Temperature},
    {"t_surface", &CaseFile::surfaceTemperature, &Problem::surfaceTemperature, Quantity::Temperature},
    {"transverse_pitch", &CaseFile::transversePitch, &Problem::transversePitch, Quantity::Length, false, true},
    {"tubes_per_row", &CaseFile::tubesPerRow, &Problem::tubesPerRow, Quantity::Length, true, true},
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

// Reading with a path for messages; any mismatch throws Bad. Each reader looks up the keys it
// knows and then refuses any other, so that nothing depends on an earlier check having run.
struct Bad {
    std::string message;
    bool usage = false;
};

[[noreturn]] void unknownKey(const std::string &path, std::string_view what)
{
    throw Bad{path + ": unknown " + std::string(what), true};
}

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

// The value of key in an object, or null when it has none.
const json *member(const json &object, std::string_view key)
{
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

// The keys of an object that are not among known.
template <typename Known>
void refuseOthers(const json &object, const std::string &prefix, const Known &known, std::string_view what)
{
    for (const auto &item : object.items())
        if (std::find(std::begin(known), std::end(known), item.key()) == std::end(known))
            unknownKey(prefix + item.key(), what);
}

void readChoices(const json &j, Selection &selection)
{
    const json &choices = objectAt(j, "case");
    std::vector<std::string_view> keys;
    for (const Choice choice : allChoices) {
        const ChoiceInfo info = infoOf(choice);
        keys.push_back(info.key);
        const json *value = member(choices, info.key);
        if (!value)
            continue;
        const std::string path = "case." + std::string(info.key);
        const std::string word = textAt(*value, path);
        const ChoiceItem *item = info.withWord(word);
        if (!item)
            throw Bad{path + ": \"" + word + "\" is not one of " + choiceWords(choice), true};
        setCode(selection, choice, item->code);
    }
    refuseOthers(choices, "case.", keys, "choice");
}

void readInputs(const json &j, CaseFile &c)
{
    const json &inputs = objectAt(j, "inputs");
    std::vector<std::string_view> keys;
    for (const InputSlot &slot : inputSlots) {
        keys.push_back(slot.key);
        const json *value = member(inputs, slot.key);
        if (!value)
            continue;
        const std::string path = "inputs." + std::string(slot.key);
        const json &entries = objectAt(*value, path, "{\"text\": ..., \"unit\": ...}");
        TypedValue &v = c.*slot.typed;
        if (const json *text = member(entries, "text"))
            v.text = textAt(*text, path + ".text");
        if (const json *unit = member(entries, "unit"))
            v.unit = textAt(*unit, path + ".unit");
        refuseOthers(entries, path + ".", std::array<std::string_view, 2>{"text", "unit"}, "entry");
        if (slot.count && !v.unit.empty())
            throw Bad{path + ".unit: a number of tubes has no unit"};
        if (!v.unit.empty() && !findUnit(slot.quantity, v.unit))
            throw Bad{path + ".unit: \"" + v.unit + "\" is not a unit of " + std::string(slot.key)};
        c.present.emplace_back(slot.key);
    }
    refuseOthers(inputs, "inputs.", keys, "input");
}

void readFluidTexts(const json &j, const std::string &path, TypedFluidTexts &t)
{
    const json &texts = objectAt(j, path);
    std::vector<std::string_view> keys;
    for (const FluidSlot &slot : fluidSlots) {
        keys.push_back(slot.key);
        if (const json *value = member(texts, slot.key))
            t.*slot.text = textAt(*value, path + "." + std::string(slot.key));
    }
    refuseOthers(texts, path + ".", keys, "property");
}

void readCustom(const json &j, CaseFile &c)
{
    const json &custom = objectAt(j, "custom");
    if (const json *film = member(custom, "film"))
        readFluidTexts(*film, "custom.film", c.film);
    if (const json *freeStream = member(custom, "free_stream"))
        readFluidTexts(*freeStream, "custom.free_stream", c.freeStream);
    if (const json *prandtl = member(custom, "surface_prandtl"))
        c.prandtlSurface = textAt(*prandtl, "custom.surface_prandtl");
    if (const json *viscosity = member(custom, "surface_viscosity"))
        c.viscositySurface = textAt(*viscosity, "custom.surface_viscosity");
    refuseOthers(custom, "custom.",
                 std::array<std::string_view, 4>{"film", "free_stream", "surface_prandtl", "surface_viscosity"},
                 "entry");
}

// Objects nest at most this deep in a case file ({"inputs": {"velocity": {...}}} is 3).
constexpr int maxDepth = 8;

// The document, refusing a key given twice in one object (the parser would keep the last) and
// nesting deeper than any case file has.
json parse(std::string_view text)
{
    // The keys of each object being read, the last one that of the value being read in it.
    std::vector<std::vector<std::string>> keys;
    std::optional<Bad> fault;
    const json::parser_callback_t check = [&](int depth, json::parse_event_t event, json &parsed) {
        if (fault)
            return false;
        if (depth > maxDepth) {
            fault = Bad{"nested deeper than a case file is (" + std::to_string(maxDepth) + " levels)"};
            return false;
        }
        if (event == json::parse_event_t::object_start) {
            keys.emplace_back();
        } else if (event == json::parse_event_t::object_end && !keys.empty()) {
            keys.pop_back();
        } else if (event == json::parse_event_t::key && !keys.empty() && parsed.is_string()) {
            const std::string &key = parsed.get_ref<const std::string &>();
            std::vector<std::string> &seen = keys.back();
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
                std::string path;
                for (std::size_t i = 0; i + 1 < keys.size(); ++i)
                    if (!keys[i].empty())
                        path += keys[i].back() + ".";
                fault = Bad{path + key + ": given twice", true};
            }
            seen.push_back(key);
        }
        return true;
    };
    json j = json::parse(text.begin(), text.end(), check, false);
    if (j.is_discarded() && !fault)
        throw Bad{"not a JSON document"};
    if (fault)
        throw *fault;
    return j;
}

} // namespace

std::string_view fluidWord(FluidChoice fluid)
{
    return fluidChoiceWord(fluid);
}

std::string choiceWords(Choice choice)
{
    // In the order of the codes, which is not always that of the items.
    std::string list;
    const ChoiceInfo info = infoOf(choice);
    for (int code = 1; code <= static_cast<int>(info.count); ++code) {
        if (code > 1)
            list += code == static_cast<int>(info.count) ? " or " : ", ";
        if (const ChoiceItem *item = info.withCode(code))
            list += item->word;
    }
    return list;
}

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
    j["fluid"] = c.fluid == FluidChoice::Table ? c.fluidTable : std::string(fluidWord(c.fluid));
    j["format"] = caseFileFormat;
    for (const InputSlot &s : inputSlots) {
        const TypedValue &v = c.*s.typed;
        if (s.onlyEntered && v.text.empty() && v.unit.empty())
            continue;
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

std::optional<CaseFile> fromJson(std::string_view text, CaseFileError &error)
{
    error = {};
    try {
        const json j = parse(text);
        if (!j.is_object())
            throw Bad{"expected a JSON object"};
        const json *format = member(j, "format");
        if (!format || *format != caseFileFormat)
            throw Bad{"format: expected \"nusselt-case\""};
        const json *version = member(j, "version");
        if (!version || !version->is_number_integer())
            throw Bad{"version: expected a whole number"};
        const long long number = version->get<long long>();
        if (number > caseFileVersion)
            throw Bad{"version: written by a newer program (version " + std::to_string(number) + ")"};
        if (number != caseFileVersion)
            throw Bad{"version: " + std::to_string(number) + " is no version of the case file (expected "
                      + std::to_string(caseFileVersion) + ")"};
        CaseFile c;
        if (const json *choices = member(j, "case"))
            readChoices(*choices, c.selection);
        if (const json *fluid = member(j, "fluid")) {
            const std::string word = textAt(*fluid, "fluid");
            // Any other word names a table: a kept fluid or a file (toProblem reads it).
            const std::optional<FluidChoice> known = fluidChoiceOf(word);
            if (!known && !looksLikeTableFile(word) && !keptFluidFile(word))
                throw Bad{"fluid: \"" + word + "\" is not one of " + fluidChoiceWords()
                              + ", nor a kept fluid (a table file's path holds a '/' or ends in .csv)",
                          true};
            c.fluid = known.value_or(FluidChoice::Table);
            if (!known)
                c.fluidTable = word;
            c.present.emplace_back("fluid");
        }
        if (const json *inputs = member(j, "inputs"))
            readInputs(*inputs, c);
        if (const json *custom = member(j, "custom"))
            readCustom(*custom, c);
        refuseOthers(j, "", std::array<std::string_view, 6>{"case", "custom", "fluid", "format", "inputs", "version"},
                     "key");
        return c;
    } catch (const Bad &bad) {
        error.message = bad.message;
        error.usage = bad.usage;
        return std::nullopt;
    }
}

std::optional<CaseFile> fromJson(std::string_view text, std::string &error)
{
    CaseFileError fault;
    std::optional<CaseFile> c = fromJson(text, fault);
    error = std::move(fault.message);
    return c;
}

bool CaseFile::has(std::string_view key) const
{
    return std::find(present.begin(), present.end(), key) != present.end();
}

std::optional<Problem> toProblem(const CaseFile &c, std::string &error)
{
    error.clear();
    Problem p;
    p.selection = c.selection;
    p.fluid = c.fluid;
    if (c.fluid == FluidChoice::Table) {
        std::string why;
        const std::optional<TableLookup> found = lookUpTable(c.fluidTable, why);
        if (!found || !found->read.table) {
            error = "fluid: " + (found ? found->file + ": " + found->read.where() : why);
            return std::nullopt;
        }
        p.table = std::make_shared<const PropertyTable>(*found->read.table);
    }
    for (const InputSlot &s : inputSlots) {
        const TypedValue &v = c.*s.typed;
        const std::optional<Unit> unit = v.unit.empty() ? defaultUnit(s.quantity) : findUnit(s.quantity, v.unit);
        if (!unit || (s.count && !v.unit.empty())) {
            error = "inputs." + std::string(s.key) + ".unit: \"" + v.unit + "\" is not a unit of " + std::string(s.key);
            return std::nullopt;
        }
        const std::optional<double> typed = readNumber(v.text);
        p.*s.value = typed ? std::optional<double>(s.count ? *typed : toSI(*unit, *typed)) : std::nullopt;
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
