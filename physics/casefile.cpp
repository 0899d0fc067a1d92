#include "casefile.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>

namespace nusselt::physics {
namespace {

using nlohmann::json;

constexpr std::array<std::string_view, 3> fluidWords{"air", "water", "custom"};

struct InputSlot {
    const char *key;
    TypedValue CaseFile::*member;
    Quantity quantity;
};
const std::array<InputSlot, 7> inputSlots{{
    {"velocity", &CaseFile::velocity, Quantity::Velocity},
    {"length", &CaseFile::length, Quantity::Length},
    {"t_inf", &CaseFile::freeStreamTemperature, Quantity::Temperature},
    {"t_surface", &CaseFile::surfaceTemperature, Quantity::Temperature},
    {"pressure", &CaseFile::pressure, Quantity::Pressure},
    {"x", &CaseFile::distance, Quantity::Length},
    {"xi", &CaseFile::heatStart, Quantity::Length},
}};

struct FluidSlot {
    const char *key;
    std::string TypedFluidTexts::*member;
};
const std::array<FluidSlot, 4> fluidSlots{{
    {"density", &TypedFluidTexts::density},
    {"viscosity", &TypedFluidTexts::viscosity},
    {"conductivity", &TypedFluidTexts::conductivity},
    {"specific_heat", &TypedFluidTexts::specificHeat},
}};

json fluidTexts(const TypedFluidTexts &t)
{
    json j = json::object();
    for (const FluidSlot &s : fluidSlots)
        j[s.key] = t.*s.member;
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

void readFluidTexts(const json &j, const std::string &path, TypedFluidTexts &t)
{
    if (!j.is_object())
        throw Bad{path + ": expected an object"};
    for (auto it = j.begin(); it != j.end(); ++it) {
        const FluidSlot *slot = nullptr;
        for (const FluidSlot &s : fluidSlots)
            if (it.key() == s.key)
                slot = &s;
        if (!slot)
            throw Bad{path + "." + it.key() + ": unknown property"};
        t.*slot->member = textAt(it.value(), path + "." + it.key());
    }
}

std::optional<double> readIn(const TypedValue &v, Quantity q, const char *key, std::string &error,
                             Unit *unitUsed)
{
    std::optional<Unit> unit = v.unit.empty() ? std::optional<Unit>(defaultUnit(q)) : findUnit(q, v.unit);
    if (!unit) {
        error = std::string("inputs.") + key + ".unit: \"" + v.unit + "\" is not a unit of " + key;
        return std::nullopt;
    }
    if (unitUsed)
        *unitUsed = *unit;
    const std::optional<double> typed = readTyped(v.text);
    if (!typed)
        return std::nullopt;
    return toSI(*unit, *typed);
}

} // namespace

std::optional<double> readTyped(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string toJson(const CaseFile &c)
{
    json j;
    j["format"] = caseFileFormat;
    j["version"] = caseFileVersion;
    json kase = json::object();
    for (const Choice choice : allChoices) {
        const std::string_view word = wordOf(c.selection, choice);
        if (!word.empty())
            kase[std::string(infoOf(choice).key)] = word;
    }
    j["case"] = kase;
    j["fluid"] = fluidWords[static_cast<std::size_t>(c.fluid)];
    json inputs = json::object();
    for (const InputSlot &s : inputSlots) {
        const TypedValue &v = c.*s.member;
        inputs[s.key] = json{{"text", v.text}, {"unit", v.unit}};
    }
    j["inputs"] = inputs;
    if (c.fluid == FluidChoice::Custom) {
        j["custom"] = json{{"film", fluidTexts(c.film)},
                           {"free_stream", fluidTexts(c.freeStream)},
                           {"surface_prandtl", c.prandtlSurface},
                           {"surface_viscosity", c.viscositySurface}};
    }
    return j.dump(2) + "\n";
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
        if (j.contains("case")) {
            const json &kase = j["case"];
            if (!kase.is_object())
                throw Bad{"case: expected an object"};
            for (auto it = kase.begin(); it != kase.end(); ++it) {
                const std::string path = "case." + it.key();
                const std::string word = textAt(it.value(), path);
                const Choice *choice = nullptr;
                for (const Choice &ch : allChoices)
                    if (it.key() == infoOf(ch).key)
                        choice = &ch;
                if (!choice)
                    throw Bad{path + ": unknown choice"};
                const ChoiceItem *item = infoOf(*choice).withWord(word);
                if (!item)
                    throw Bad{path + ": \"" + word + "\" is not a choice"};
                setCode(c.selection, *choice, item->code);
            }
        }
        if (j.contains("fluid")) {
            const std::string word = textAt(j["fluid"], "fluid");
            int code = -1;
            for (std::size_t i = 0; i < fluidWords.size(); ++i)
                if (fluidWords[i] == word)
                    code = static_cast<int>(i);
            if (code < 0)
                throw Bad{"fluid: \"" + word + "\" is not air, water or custom"};
            c.fluid = static_cast<FluidChoice>(code);
        }
        if (j.contains("inputs")) {
            const json &inputs = j["inputs"];
            if (!inputs.is_object())
                throw Bad{"inputs: expected an object"};
            for (auto it = inputs.begin(); it != inputs.end(); ++it) {
                const InputSlot *slot = nullptr;
                for (const InputSlot &s : inputSlots)
                    if (it.key() == s.key)
                        slot = &s;
                const std::string path = "inputs." + it.key();
                if (!slot)
                    throw Bad{path + ": unknown input"};
                TypedValue &v = c.*slot->member;
                const json &value = it.value();
                if (!value.is_object())
                    throw Bad{path + ": expected {\"text\": ..., \"unit\": ...}"};
                for (auto f = value.begin(); f != value.end(); ++f) {
                    if (f.key() == "text")
                        v.text = textAt(f.value(), path + ".text");
                    else if (f.key() == "unit")
                        v.unit = textAt(f.value(), path + ".unit");
                    else
                        throw Bad{path + "." + f.key() + ": unknown entry"};
                }
                if (!v.unit.empty() && !findUnit(slot->quantity, v.unit))
                    throw Bad{path + ".unit: \"" + v.unit + "\" is not a unit of " + it.key()};
            }
        }
        if (j.contains("custom")) {
            const json &custom = j["custom"];
            if (!custom.is_object())
                throw Bad{"custom: expected an object"};
            for (auto it = custom.begin(); it != custom.end(); ++it) {
                const std::string path = "custom." + it.key();
                if (it.key() == "film")
                    readFluidTexts(it.value(), path, c.film);
                else if (it.key() == "free_stream")
                    readFluidTexts(it.value(), path, c.freeStream);
                else if (it.key() == "surface_prandtl")
                    c.prandtlSurface = textAt(it.value(), path);
                else if (it.key() == "surface_viscosity")
                    c.viscositySurface = textAt(it.value(), path);
                else
                    throw Bad{path + ": unknown entry"};
            }
        }
        return c;
    } catch (const Bad &bad) {
        error = bad.message;
        return std::nullopt;
    }
}

std::optional<Problem> toProblem(const CaseFile &c, std::string &error)
{
    Problem p;
    p.selection = c.selection;
    p.fluid = c.fluid;
    error.clear();
    Unit temperatureUnit = p.temperatureUnit;
    Unit pressureUnit = p.pressureUnit;
    p.velocity = readIn(c.velocity, Quantity::Velocity, "velocity", error, nullptr);
    p.length = readIn(c.length, Quantity::Length, "length", error, nullptr);
    p.surfaceTemperature = readIn(c.surfaceTemperature, Quantity::Temperature, "t_surface", error,
                                  &temperatureUnit);
    p.freeStreamTemperature = readIn(c.freeStreamTemperature, Quantity::Temperature, "t_inf", error,
                                     &temperatureUnit);
    p.pressure = readIn(c.pressure, Quantity::Pressure, "pressure", error, &pressureUnit);
    p.distance = readIn(c.distance, Quantity::Length, "x", error, nullptr);
    p.heatStart = readIn(c.heatStart, Quantity::Length, "xi", error, nullptr);
    if (!error.empty())
        return std::nullopt;
    p.temperatureUnit = temperatureUnit;
    p.pressureUnit = pressureUnit;
    const auto typed = [](const TypedFluidTexts &t) {
        TypedProperties props;
        props.density = readTyped(t.density);
        props.dynamicViscosity = readTyped(t.viscosity);
        props.thermalConductivity = readTyped(t.conductivity);
        props.specificHeat = readTyped(t.specificHeat);
        return props;
    };
    p.custom.film = typed(c.film);
    p.custom.freeStream = typed(c.freeStream);
    p.custom.prandtlSurface = readTyped(c.prandtlSurface);
    p.custom.viscositySurface = readTyped(c.viscositySurface);
    return p;
}

} // namespace nusselt::physics
