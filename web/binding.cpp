// The engine as the page calls it: C functions taking and returning UTF-8 texts, so that the page
// states a case with the command line's option names and texts and reads the command line's JSON.
// Each returned text lives until the next call of the same function.

#include "casefile.h"
#include "flowcase.h"
#include "fluidchoice.h"
#include "numbers.h"
#include "report.h"
#include "request.h"
#include "units.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#define EMSCRIPTEN_KEEPALIVE // the native build of the benchmark
#endif
#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using nlohmann::json;
using namespace nusselt;
using namespace nusselt::cli;

const char *kept(std::string &slot, std::string text)
{
    slot = std::move(text);
    return slot.c_str();
}

} // namespace

namespace nusselt::web {

// "key=value" lines; a key that is not an option's is a usage fault, as on the command line.
std::optional<Fault> readGiven(std::string_view lines, std::vector<std::string> &texts, Given &given)
{
    texts.clear();
    std::vector<std::pair<Key, std::size_t>> at;
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        const std::string_view line = lines.substr(0, end);
        lines.remove_prefix(std::min(end + 1, lines.size()));
        if (line.empty())
            continue;
        const std::size_t eq = line.find('=');
        const std::string_view name = line.substr(0, eq);
        const std::optional<Key> key = keyNamed(name);
        if (!key)
            return Fault{Fault::Kind::Usage, "--" + std::string(name) + " is not an option"};
        if (given[static_cast<std::size_t>(*key)] || std::any_of(at.begin(), at.end(), [&](auto &p) {
                return p.first == *key;
            }))
            return Fault{Fault::Kind::Usage, optionName(*key) + " was given twice"};
        texts.emplace_back(eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1));
        at.emplace_back(*key, texts.size() - 1);
    }
    for (const auto &[key, index] : at)
        given[static_cast<std::size_t>(key)] = texts[index];
    return std::nullopt;
}

} // namespace nusselt::web

namespace {

using nusselt::web::readGiven;

std::string faultJson(const Fault &fault)
{
    json j = {{"kind", fault.kind == Fault::Kind::Usage ? "usage" : "invalid"},
              {"message", fault.message}};
    return json{{"fault", j}}.dump();
}

// The quantities a page shows or reads, by the names it uses for them.
constexpr std::pair<const char *, physics::Quantity> quantities[] = {
    {"velocity", physics::Quantity::Velocity},
    {"length", physics::Quantity::Length},
    {"temperature", physics::Quantity::Temperature},
    {"temperature_difference", physics::Quantity::TemperatureDifference},
    {"pressure", physics::Quantity::Pressure},
    {"h", physics::Quantity::HeatTransferCoefficient},
    {"heat_flux", physics::Quantity::HeatFlux},
    {"heat_rate_per_length", physics::Quantity::HeatRatePerLength},
    {"heat_rate", physics::Quantity::HeatRate},
    {"density", physics::Quantity::Density},
    {"dynamic_viscosity", physics::Quantity::DynamicViscosity},
    {"kinematic_viscosity", physics::Quantity::KinematicViscosity},
    {"thermal_conductivity", physics::Quantity::ThermalConductivity},
    {"specific_heat", physics::Quantity::SpecificHeat},
};

std::optional<physics::Quantity> quantityNamed(std::string_view name)
{
    for (const auto &[n, q] : quantities)
        if (name == n)
            return q;
    return std::nullopt;
}

// The option whose field a problem's message is about.
constexpr std::pair<physics::Field, Key> messageFieldKeys[] = {
    {physics::Field::Fluid, Key::Fluid},
    {physics::Field::Velocity, Key::Velocity},
    {physics::Field::Length, Key::Length},
    {physics::Field::FreeStreamTemperature, Key::TInf},
    {physics::Field::SurfaceTemperature, Key::TSurface},
    {physics::Field::Pressure, Key::Pressure},
    {physics::Field::Distance, Key::X},
    {physics::Field::HeatStart, Key::Xi},
    {physics::Field::HeatFlux, Key::HeatFlux},
    {physics::Field::FilmDensity, Key::Density},
    {physics::Field::FilmViscosity, Key::Viscosity},
    {physics::Field::FilmConductivity, Key::Conductivity},
    {physics::Field::FilmSpecificHeat, Key::SpecificHeat},
    {physics::Field::FreeStreamDensity, Key::DensityInf},
    {physics::Field::FreeStreamViscosity, Key::ViscosityInf},
    {physics::Field::FreeStreamConductivity, Key::ConductivityInf},
    {physics::Field::FreeStreamSpecificHeat, Key::SpecificHeatInf},
    {physics::Field::SurfacePrandtl, Key::SurfacePrandtl},
    {physics::Field::SurfaceViscosity, Key::SurfaceViscosity},
};

std::string_view keyOf(physics::Field field)
{
    for (const auto &[f, key] : messageFieldKeys)
        if (f == field)
            return keyNames[static_cast<std::size_t>(key)];
    return {};
}

} // namespace

extern "C" {

// One case, as `nusselt calculate --format json` answers it; a fault of the options as
// {"fault": {"kind": "usage" or "invalid", "message": "--option: ..."}}.
EMSCRIPTEN_KEEPALIVE const char *nusselt_calculate(const char *lines)
{
    static std::string out;
    static std::vector<std::string> texts;
    Given given;
    if (std::optional<Fault> fault = readGiven(lines, texts, given))
        return kept(out, faultJson(*fault));
    Request request;
    if (std::optional<Fault> fault = buildRequest(given, request))
        return kept(out, faultJson(*fault));
    Answer result;
    answer(request, result);
    out.clear();
    writeJson(out, request, result);
    return out.c_str();
}

// What the page needs to know once: the option names, each quantity's units (the SI and US ones
// named), which option each message field belongs to, and where each option lives in a case file.
EMSCRIPTEN_KEEPALIVE const char *nusselt_catalog()
{
    static std::string out;
    json j;
    j["options"] = json::array();
    for (std::size_t k = 0; k < keyCount; ++k) {
        j["options"].push_back(keyNames[k]);
        if (const std::string_view path = caseFileKey(static_cast<Key>(k)); !path.empty())
            j["case_keys"][std::string(keyNames[k])] = path;
    }
    for (const auto &[name, q] : quantities) {
        json units = json::array();
        for (const physics::Unit &u : physics::unitsOf(q))
            units.push_back(u.symbol);
        j["units"][name] = {{"units", units},
                            {"si", physics::systemUnit(physics::UnitSystem::SI, q).symbol},
                            {"us", physics::systemUnit(physics::UnitSystem::US, q).symbol}};
    }
    // The fluids of the Fluid box, as the window lists them (a fluid of one's own last).
    for (const physics::FluidChoice f : physics::fluidChoices) {
        const std::optional<physics::Fluid> t = physics::tabulated(f);
        j["fluids"].push_back({physics::fluidChoiceWord(f), t ? physics::fluidName(*t) : "A fluid of my own"});
    }
    for (const auto &[field, key] : messageFieldKeys)
        j["fields"][std::string(physics::fieldName(field))] = keyNames[static_cast<std::size_t>(key)];
    return kept(out, j.dump());
}

// An SI value shown in a unit of its quantity (or, for quantity "number", as it is), with six
// significant digits as the calculator shows numbers; empty for an unknown quantity or unit.
EMSCRIPTEN_KEEPALIVE const char *nusselt_show(const char *quantity, double si, const char *unit)
{
    static std::string out;
    out.clear();
    if (std::string_view(quantity) == "number") {
        appendShown(out, si);
        return out.c_str();
    }
    const std::optional<physics::Quantity> q = quantityNamed(quantity);
    const std::optional<physics::Unit> u = q ? physics::findUnit(*q, unit) : std::nullopt;
    if (u)
        appendShown(out, physics::fromSI(*u, si));
    return out.c_str();
}

// A typed value split as the command line reads it: {"number": "26.2", "unit": "°C", "si": 299.35},
// the unit as the selectors show it (empty when none was written or it is no unit of the
// quantity), si null unless both number and unit read.
EMSCRIPTEN_KEEPALIVE const char *nusselt_split(const char *quantity, const char *text)
{
    static std::string out;
    const std::optional<physics::Quantity> q = quantityNamed(quantity);
    if (!q)
        return kept(out, "{}");
    const physics::TypedQuantity t = physics::readTyped(*q, text);
    json j = {{"number", t.number},
              {"unit", t.unit ? std::string(t.unit->symbol) : std::string()},
              {"unit_text", t.unitText},
              {"si", nullptr}};
    if (t.value && t.unit)
        j["si"] = physics::toSI(*t.unit, *t.value);
    return kept(out, j.dump());
}

// The form of a case: each choice (asked or not, its items and the word chosen, a word that is
// none of its items dropped) as the calculator asks them in turn, and the inputs the case takes
// in each mode. Lines as for nusselt_calculate; only the choices and the fluid are read.
EMSCRIPTEN_KEEPALIVE const char *nusselt_form(const char *lines)
{
    static std::string out;
    static std::vector<std::string> texts;
    Given given;
    readGiven(lines, texts, given);
    Selection s;
    s.geometry = Geometry::None;
    json choices = json::array();
    const Key keys[] = {Key::Geometry, Key::Heat, Key::Flow, Key::FluidType, Key::Sphere, Key::Arrangement, Key::Section};
    static_assert(std::size(keys) == allChoices.size());
    for (std::size_t i = 0; i < allChoices.size(); ++i) {
        const ChoiceInfo info = infoOf(allChoices[i]);
        const std::optional<std::string_view> &word = given[static_cast<std::size_t>(keys[i])];
        const bool asked = isAsked(s, allChoices[i]);
        if (const ChoiceItem *item = word && asked ? info.withWord(trimmed(*word)) : nullptr)
            setCode(s, allChoices[i], item->code);
        json items = json::array();
        for (const ChoiceItem &item : info)
            items.push_back({{"word", item.word}, {"label", item.label}});
        choices.push_back({{"key", info.key},
                           {"label", info.label},
                           {"asked", asked},
                           {"items", items},
                           {"chosen", wordOf(s, allChoices[i])}});
    }
    // A tube bank and a non-circular cylinder are physical problems only.
    json dimensionless = s.isTubeBank() || s.isNonCircular() ? json::array() : json{"re", "pr"};
    json physical = {"fluid", "velocity", "length", "t_inf"};
    if (s.isCylinder())
        dimensionless.push_back("prs");
    if (s.isRegularSphere())
        dimensionless.insert(dimensionless.end(), {"mu", "mus"});
    if (s.hasUnheatedStart()) {
        dimensionless.insert(dimensionless.end(), {"length", "x", "xi"});
        physical.insert(physical.end(), {"x", "xi"});
    }
    physical.push_back(physics::takesHeatFlux(s) ? "heat_flux" : "t_surface");
    if (s.isTubeBank())
        physical.insert(physical.end(), {"transverse_pitch", "longitudinal_pitch", "rows", "tubes_per_row"});
    // A fluid of one's own: the properties its case takes, at each temperature they are taken at,
    // and no pressure (the program takes no property at it).
    const std::optional<std::string_view> &fluid = given[static_cast<std::size_t>(Key::Fluid)];
    if (!fluid || trimmed(*fluid) != "custom")
        physical.push_back("pressure");
    else if (s.geometry != Geometry::None)
        for (physics::Field field : physics::customFieldsNeeded(s))
            physical.push_back(keyOf(field));
    return kept(out, json{{"choices", choices},
                          {"inputs", {{"dimensionless", dimensionless}, {"physical", physical}}}}
                         .dump());
}

// A case file read and written back as the desktop window writes it: {"file": text} (keys in
// order, pretty-printed), or {"error": "inputs.velocity.unit: ..."} when the text is no case file.
// The page opens a file through it and saves its own case through it.
EMSCRIPTEN_KEEPALIVE const char *nusselt_case(const char *text)
{
    static std::string out;
    std::string error;
    const std::optional<physics::CaseFile> caseFile = physics::fromJson(text, error);
    if (!caseFile)
        return kept(out, json{{"error", error}}.dump());
    return kept(out, json{{"file", physics::toJson(*caseFile)}}.dump());
}

} // extern "C"
