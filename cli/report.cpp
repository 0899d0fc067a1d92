#include "report.h"

#include "casefile.h"
#include "numbers.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

namespace nusselt::cli {

// ---- JSON ----------------------------------------------------------------------------------

namespace {

using Json = nlohmann::ordered_json;

Json number(std::optional<double> v)
{
    return v ? Json(*v) : Json(nullptr);
}

// j as nlohmann writes it, except for its numbers: the shortest text that reads back ("2e+05",
// "101325", where nlohmann writes "200000.0" and "101325.0"), non-finite ones as null.
void dump(std::string &out, const Json &j)
{
    const auto text = [&out](const Json &scalar) {
        out += scalar.dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    if (j.is_object() || j.is_array()) {
        out += j.is_object() ? '{' : '[';
        for (auto it = j.begin(); it != j.end(); ++it) {
            if (it != j.begin())
                out += ',';
            if (j.is_object()) {
                text(it.key());
                out += ':';
            }
            dump(out, it.value());
        }
        out += j.is_object() ? '}' : ']';
    } else if (j.is_number_float() && std::isfinite(j.get<double>())) {
        appendShortest(out, j.get<double>());
    } else {
        text(j);
    }
}

void appendJson(std::string &out, const Json &j)
{
    dump(out, j);
    out += '\n';
}

} // namespace

// ---- The answer ------------------------------------------------------------------------------

std::array<const Shown *, 4> fieldsOf(const Outcome &o)
{
    return {&o.local, &o.average, &o.note, &o.zhukauskas};
}

void appendField(std::string &out, const Shown &shown)
{
    if (shown.kind == Shown::Kind::Number)
        appendShown(out, shown.value);
    if (shown.kind == Shown::Kind::Number || shown.kind == Shown::Kind::Text)
        out += shown.text;
}

void answer(const Request &request, Answer &out)
{
    out.mode = request.mode;
    if (request.mode == Mode::Dimensionless) {
        out.outcome = calculate(request.selection, request.inputs);
        return;
    }
    out.evaluation = physics::evaluate(request.problem);
    out.outcome = out.evaluation.calculatorOutcome;
}

std::string failureText(const Answer &a)
{
    std::string text;
    appendFailureText(text, a);
    return text;
}

void appendFailureText(std::string &text, const Answer &a)
{
    if (a.invalid()) {
        const std::size_t start = text.size();
        for (const physics::Message &m : a.evaluation.messages) {
            if (text.size() > start)
                text += "; ";
            text += physics::fieldName(m.field);
            text += ": ";
            text += m.text;
        }
        return;
    }
    if (a.refused()) {
        text += a.outcome.boxText;
        text += ": ";
        appendField(text, a.outcome.note);
    }
}

namespace {

Json caseOf(const Selection &s)
{
    Json words = Json::object();
    for (const Choice choice : allChoices) {
        const std::string_view word = wordOf(s, choice);
        if (!word.empty())
            words[std::string(infoOf(choice).key)] = word;
    }
    return words;
}

Json stateOf(const physics::State &st)
{
    return {{"temperature_K", st.temperature},
            {"pressure_Pa", st.pressure},
            {"density", st.density},
            {"dynamic_viscosity", st.dynamicViscosity},
            {"kinematic_viscosity", st.kinematicViscosity},
            {"thermal_conductivity", st.thermalConductivity},
            {"specific_heat", st.specificHeat},
            {"prandtl", st.prandtl}};
}

// A liquid metal's stated uncertainty, relative per property; null where its source states none.
Json uncertaintyJson(std::optional<physics::Fluid> fluid)
{
    const std::optional<physics::Uncertainty> u = fluid ? physics::uncertaintyOf(*fluid) : std::nullopt;
    if (!u)
        return nullptr;
    return Json{{"density", u->density},
                {"specific_heat", u->specificHeat},
                {"thermal_conductivity", u->thermalConductivity},
                {"dynamic_viscosity", u->dynamicViscosity}};
}

std::string_view rateUnit(physics::RateKind kind)
{
    switch (kind) {
    case physics::RateKind::PerLength:
        return "W/m";
    case physics::RateKind::Total:
        return "W";
    case physics::RateKind::None:
        break;
    }
    return {};
}

std::optional<double> referenceTemperature(const physics::Evaluation &e, Reference r)
{
    const auto &used = r == Reference::Film ? e.film : e.freeStream;
    if (used)
        return used->temperature;
    return std::nullopt;
}

Json fieldsJson(const Outcome &o)
{
    Json fields = Json::object();
    const auto shown = fieldsOf(o);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        std::string text;
        appendField(text, *shown[i]);
        fields[std::string(fieldKeys[i])] = shown[i]->kind == Shown::Kind::Keep ? Json(nullptr) : Json(text);
    }
    return fields;
}

// Pads with spaces to a width counted in characters (UTF-8 continuation bytes do not count).
void padded(std::string &out, std::string_view s, std::size_t width)
{
    out += s;
    std::size_t chars = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++chars;
    if (chars < width)
        out.append(width - chars, ' ');
}

// Rows of cells written as a table: each column as wide as its widest cell, then two spaces,
// the last column unpadded and no blank at the end of a line.
void appendTable(std::string &out, const std::vector<std::vector<std::string>> &rows)
{
    const auto chars = [](std::string_view s) {
        std::size_t n = 0;
        for (const char c : s)
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++n;
        return n;
    };
    std::vector<std::size_t> widths;
    for (const auto &row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.push_back(0);
            widths[i] = std::max(widths[i], chars(row[i]));
        }
    for (const auto &row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i + 1 == row.size())
                out += row[i];
            else
                padded(out, row[i], widths[i] + 2);
        }
        while (!out.empty() && out.back() == ' ') // a row whose last cells are empty
            out.pop_back();
        out += '\n';
    }
}

std::string shown(double v)
{
    std::string s;
    appendShown(s, v);
    return s;
}

std::string shownOr(const std::optional<double> &v, std::string_view none = "-")
{
    return v ? shown(*v) : std::string(none);
}

} // namespace

void writeJson(std::string &out, const Request &request, const Answer &a)
{
    if (a.invalid()) {
        Json invalid = Json::array();
        for (const physics::Message &m : a.evaluation.messages)
            invalid.push_back({{"field", physics::fieldName(m.field)}, {"message", m.text}});
        return appendJson(out, {{"invalid", invalid}});
    }
    if (a.refused()) {
        std::string note;
        appendField(note, a.outcome.note);
        return appendJson(out, {{"refused", {{"title", a.outcome.boxText}, {"note", note}}}});
    }
    Json j = {{"mode", a.mode == Mode::Physical ? "physical" : "dimensionless"},
              {"case", caseOf(request.selection)},
              {"fields", fieldsJson(a.outcome)}};
    if (a.mode == Mode::Dimensionless) {
        const Point point = pointOf(request.inputs);
        Json &results = j["results"] = Json::array();
        for (const Term &t : termsOf(request.selection, point.prandtl))
            results.push_back({{"correlation", nameOf(t.correlation)},
                               {"kind", kindName(t.kind)},
                               {"nusselt", number(nusseltAt(t, point))},
                               {"outside_range", outsideRange(t.correlation, point)}});
        return appendJson(out, j);
    }

    const physics::Evaluation &e = a.evaluation;
    j["fluid"] = physics::fluidWord(request.problem.fluid);
    if (request.problem.table)
        j["fluid_table"] = request.problem.table->name();
    if (const Json u = uncertaintyJson(physics::tabulated(request.problem.fluid)); !u.is_null())
        j["fluid_uncertainty"] = u;
    j["film_temperature_K"] = number(e.filmTemperature);
    j["mach"] = number(e.mach);
    j["reynolds"] = number(e.reynolds);
    j["prandtl"] = number(e.prandtl);
    if (e.prandtlSurface)
        j["prandtl_surface"] = *e.prandtlSurface;
    if (e.viscosityRatio)
        j["viscosity_ratio"] = *e.viscosityRatio;
    j["grashof"] = number(e.grashof);
    j["richardson"] = number(e.richardson);
    if (e.freeConvection)
        j["free_convection"] = {{"correlation", e.freeConvection->name},
                                {"rayleigh", e.freeConvection->rayleigh},
                                {"prandtl", e.freeConvection->prandtl},
                                {"nusselt", e.freeConvection->nusselt},
                                {"outside_range", e.freeConvection->outsideRange}};
    if (e.maximumVelocity)
        j["maximum_velocity"] = *e.maximumVelocity;
    if (e.outletTemperature)
        j["outlet_temperature_K"] = *e.outletTemperature;
    if (e.logMeanTemperatureDifference)
        j["log_mean_temperature_difference_K"] = *e.logMeanTemperatureDifference;
    Json &properties = j["properties"] = Json::object();
    using Used = std::optional<physics::PropertiesUsed>;
    const bool bank = e.freeStream && e.freeStream->role == physics::Role::BankMean;
    for (const auto &[key, used] : {std::pair<const char *, const Used *>{"film", &e.film},
                                    {bank ? "bank_mean" : "free_stream", &e.freeStream},
                                    {"inlet", &e.inlet},
                                    {"surface", &e.surface}})
        if (*used)
            properties[key] = stateOf((*used)->state);
    Json &rows = j["results"] = Json::array();
    for (const physics::Result &r : e.results) {
        Json row = {{"correlation", r.name},
                    {"kind", kindName(r.term.kind)},
                    {"nusselt", number(r.nusselt)},
                    {"outside_range", r.outsideRange},
                    {"reynolds", number(r.reynolds)},
                    {"prandtl", number(r.prandtl)},
                    {"reference_temperature_K", number(referenceTemperature(e, r.reference))},
                    {"h", number(r.heatTransferCoefficient)},
                    {"heat_flux", number(r.heatFlux)},
                    {"temperature_difference_K", number(r.temperatureDifference)}};
        if (r.rateKind != physics::RateKind::None) {
            row["heat_rate"] = number(r.heatRate);
            row["heat_rate_unit"] = rateUnit(r.rateKind);
        }
        if (e.freeConvection && r.term.kind == Kind::Average)
            row["combined_nusselt_estimate"] = number(r.combinedNusselt);
        rows.push_back(std::move(row));
    }
    appendJson(out, j);
}

void writeText(std::string &out, const Request &request, const Answer &a)
{
    const std::array<std::string_view, 4> labels{"Nusselt #", "Average Nusselt #", "Note",
                                                 "Zhukauskas"};
    const auto shownFields = fieldsOf(a.outcome);
    std::string text;
    for (std::size_t i = 0; i < shownFields.size(); ++i) {
        if (shownFields[i]->kind == Shown::Kind::Keep)
            continue;
        text.clear();
        appendField(text, *shownFields[i]);
        if (text.empty())
            continue;
        padded(out, labels[i], 19);
        out += text;
        out += '\n';
    }

    std::vector<std::string> notes;
    if (a.mode == Mode::Dimensionless) {
        const Point point = pointOf(request.inputs);
        const Terms terms = termsOf(request.selection, point.prandtl);
        if (terms.empty())
            return;
        out += "\n";
        std::vector<std::vector<std::string>> table{{"Correlation", "Kind", "Nu"}};
        for (const Term &t : terms) {
            table.push_back({std::string(nameOf(t.correlation)), std::string(kindName(t.kind)),
                             shownOr(nusseltAt(t, point), "fails")});
            for (std::string &s : outsideRange(t.correlation, point))
                notes.push_back(std::string(nameOf(t.correlation)) + ": " + s);
        }
        appendTable(out, table);
    } else {
        const physics::Evaluation &e = a.evaluation;
        out += "\n";
        if (const std::optional<physics::Fluid> f = physics::tabulated(request.problem.fluid)) {
            if (const std::string u = physics::uncertaintyText(*f); !u.empty()) {
                padded(out, "Uncertainty", 19);
                out += std::string(physics::fluidName(*f)) + " properties " + u;
                out += '\n';
            }
        }
        if (e.filmTemperature) {
            padded(out, "Film temperature", 19);
            out += physics::quoted(*e.filmTemperature, request.problem.temperatureUnit, 1);
            out += '\n';
        }
        padded(out, "Reynolds #", 19);
        out += shownOr(e.reynolds);
        out += '\n';
        padded(out, "Prandtl #", 19);
        out += shownOr(e.prandtl);
        out += '\n';
        padded(out, "Grashof #", 19);
        out += e.grashof ? shown(*e.grashof) : e.buoyancyNote.empty() ? std::string("-") : e.buoyancyNote;
        out += '\n';
        padded(out, "Richardson #", 19);
        out += shownOr(e.richardson);
        out += '\n';
        if (e.freeConvection) {
            padded(out, "Free convection", 19);
            out += shown(e.freeConvection->nusselt) + " " + std::string(e.freeConvection->name) + ", Ra = "
                + shown(e.freeConvection->rayleigh);
            out += '\n';
        }
        // A tube bank: V_max, and the outlet temperature and ΔT_lm of Zukauskas' h.
        const auto bankLine = [&out](std::string_view label, const std::string &value) {
            padded(out, label, 19);
            out += value + '\n';
        };
        const physics::Problem &problem = request.problem;
        if (e.maximumVelocity)
            bankLine("Maximum velocity", shown(*e.maximumVelocity) + " m/s");
        if (e.freeStream && e.freeStream->role == physics::Role::BankMean)
            bankLine("Mean temperature", physics::quoted(e.freeStream->temperature, problem.temperatureUnit, 2));
        if (e.outletTemperature)
            bankLine("Outlet temperature", physics::quoted(*e.outletTemperature, problem.temperatureUnit, 2));
        if (e.logMeanTemperatureDifference)
            bankLine("Log-mean ΔT", shown(*e.logMeanTemperatureDifference) + " K");
        out += "\n";
        // The uniform-flux plate answers with the surface excess temperature its flux needs.
        const bool flux = physics::takesHeatFlux(request.problem.selection);
        std::vector<std::vector<std::string>> table{
            {"Correlation", "Kind", "Nu", "h W/(m²·K)", "q'' W/m²", "q"}};
        if (flux)
            table.front().insert(table.front().begin() + 5, "Ts - T∞ K");
        if (e.freeConvection)
            table.front().insert(table.front().begin() + 3, "Nu mixed*");
        for (const physics::Result &r : e.results) {
            std::string rate;
            if (r.rateKind != physics::RateKind::None && r.heatRate)
                rate = shown(*r.heatRate) + " " + std::string(rateUnit(r.rateKind));
            table.push_back({std::string(r.name), std::string(kindName(r.term.kind)),
                             shownOr(r.nusselt, "fails"), shownOr(r.heatTransferCoefficient),
                             shownOr(r.heatFlux), rate});
            if (flux)
                table.back().insert(table.back().begin() + 5, shownOr(r.temperatureDifference));
            if (e.freeConvection)
                table.back().insert(table.back().begin() + 3, shownOr(r.combinedNusselt, ""));
            for (const std::string &s : r.outsideRange)
                notes.push_back(std::string(r.name) + ": " + s);
        }
        appendTable(out, table);
        if (e.freeConvection) {
            out += "* (Nu⁴ + Nu_free⁴)^¼ with buoyancy across the flow: an estimate\n";
            for (const std::string &sentence : e.freeConvection->outsideRange)
                notes.push_back(std::string(e.freeConvection->name) + ": " + sentence);
        }
    }
    if (!notes.empty()) {
        out += "\nOutside the published ranges:\n";
        for (const std::string &n : notes) {
            out += "  ";
            out += n;
            out += '\n';
        }
    }
}

// ---- Properties ------------------------------------------------------------------------------

void writePropertiesJson(std::string &out, std::optional<physics::Fluid> fluid, const physics::State &st)
{
    Json j = stateOf(st);
    if (const Json u = uncertaintyJson(fluid); !u.is_null())
        j["uncertainty"] = u;
    appendJson(out, j);
}

void writePropertiesText(std::string &out, std::string_view name, std::optional<physics::Fluid> fluid,
                         const physics::State &st)
{
    const auto line = [&out](std::string_view label, double v, std::string_view unit) {
        padded(out, label, 22);
        out += shown(v);
        if (!unit.empty()) {
            out += ' ';
            out += unit;
        }
        out += '\n';
    };
    padded(out, "Fluid", 22);
    out += name;
    out += '\n';
    if (const std::string u = fluid ? physics::uncertaintyText(*fluid) : std::string(); !u.empty()) {
        padded(out, "Uncertainty", 22);
        out += u;
        out += '\n';
    }
    line("Temperature", st.temperature, "K");
    line("Pressure", st.pressure, "Pa");
    line("Density", st.density, "kg/m³");
    line("Dynamic viscosity", st.dynamicViscosity, "Pa·s");
    line("Kinematic viscosity", st.kinematicViscosity, "m²/s");
    line("Thermal conductivity", st.thermalConductivity, "W/(m·K)");
    line("Specific heat", st.specificHeat, "J/(kg·K)");
    line("Prandtl #", st.prandtl, "");
}

std::string propertyIssueText(physics::Fluid fluid, const physics::PropertyResult &r,
                              const physics::Unit &tu, const physics::Unit &pu)
{
    using physics::Issue;
    const std::string name(physics::fluidName(fluid));
    switch (r.issue) {
    case Issue::None:
        return {};
    case Issue::NotFinite:
        return "temperature and pressure must be finite numbers";
    case Issue::BelowAbsoluteZero:
        return "the temperature is below absolute zero";
    case Issue::TemperatureBelowRange:
        return name + " properties start at " + physics::quotedLimit(r.limit, tu, physics::Limit::Lower, 2);
    case Issue::TemperatureAboveRange:
        return name + " properties end at " + physics::quotedLimit(r.limit, tu, physics::Limit::Upper, 2);
    case Issue::PressureBelowRange:
        return name + " properties start at " + physics::quotedLimit(r.limit, pu, physics::Limit::Lower, 3);
    case Issue::PressureAboveRange:
        return name + " properties end at " + physics::quotedLimit(r.limit, pu, physics::Limit::Upper, 3);
    case Issue::Boils:
        return "water boils at " + physics::quotedLimit(r.limit, tu, physics::Limit::Upper, 2) + " at this pressure";
    case Issue::Freezes:
        return "water freezes below " + physics::quotedLimit(r.limit, tu, physics::Limit::Lower, 2);
    case Issue::Condenses:
        return "steam condenses below " + physics::quotedLimit(r.limit, tu, physics::Limit::Lower, 2) + " at this pressure";
    }
    return {};
}

} // namespace nusselt::cli
