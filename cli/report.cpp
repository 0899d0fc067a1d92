#include "report.h"

#include "casefile.h"
#include "numbers.h"

#include <cmath>
#include <cstdio>

namespace nusselt::cli {

// ---- JSON ----------------------------------------------------------------------------------

void appendJsonString(std::string &out, std::string_view s)
{
    out += '"';
    for (const char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void JsonWriter::separate()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (depth > 0) {
        if (!first[depth])
            out += ',';
        first[depth] = false;
    }
}

JsonWriter &JsonWriter::open(char bracket)
{
    separate();
    out += bracket;
    first[++depth] = true;
    return *this;
}

JsonWriter &JsonWriter::close(char bracket)
{
    --depth;
    out += bracket;
    return *this;
}

JsonWriter &JsonWriter::key(std::string_view k)
{
    separate();
    appendJsonString(out, k);
    out += ':';
    afterKey = true;
    return *this;
}

JsonWriter &JsonWriter::string(std::string_view s)
{
    separate();
    appendJsonString(out, s);
    return *this;
}

JsonWriter &JsonWriter::number(double v)
{
    separate();
    if (std::isfinite(v))
        appendShortest(out, v);
    else
        out += "null";
    return *this;
}

JsonWriter &JsonWriter::number(std::optional<double> v)
{
    if (v)
        return number(*v);
    return null();
}

JsonWriter &JsonWriter::null()
{
    separate();
    out += "null";
    return *this;
}

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

void writeCase(JsonWriter &j, const Selection &s)
{
    j.key("case").beginObject();
    for (const Choice choice : allChoices) {
        const std::string_view word = wordOf(s, choice);
        if (!word.empty())
            j.key(infoOf(choice).key).string(word);
    }
    j.endObject();
}

void writeState(JsonWriter &j, const physics::State &st)
{
    j.key("temperature_K").number(st.temperature);
    j.key("pressure_Pa").number(st.pressure);
    j.key("density").number(st.density);
    j.key("dynamic_viscosity").number(st.dynamicViscosity);
    j.key("kinematic_viscosity").number(st.kinematicViscosity);
    j.key("thermal_conductivity").number(st.thermalConductivity);
    j.key("specific_heat").number(st.specificHeat);
    j.key("prandtl").number(st.prandtl);
}

void writeRanges(JsonWriter &j, const std::vector<std::string> &sentences)
{
    j.key("outside_range").beginArray();
    for (const std::string &s : sentences)
        j.string(s);
    j.endArray();
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

void writeFields(JsonWriter &j, const Outcome &o)
{
    j.key("fields").beginObject();
    const auto shown = fieldsOf(o);
    std::string text;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        j.key(fieldKeys[i]);
        if (shown[i]->kind == Shown::Kind::Keep) {
            j.null();
        } else {
            text.clear();
            appendField(text, *shown[i]);
            j.string(text);
        }
    }
    j.endObject();
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
    JsonWriter j(out);
    j.beginObject();
    if (a.invalid()) {
        j.key("invalid").beginArray();
        for (const physics::Message &m : a.evaluation.messages) {
            j.beginObject();
            j.key("field").string(physics::fieldName(m.field));
            j.key("message").string(m.text);
            j.endObject();
        }
        j.endArray().endObject();
        out += '\n';
        return;
    }
    if (a.refused()) {
        std::string note;
        appendField(note, a.outcome.note);
        j.key("refused").beginObject();
        j.key("title").string(a.outcome.boxText);
        j.key("note").string(note);
        j.endObject().endObject();
        out += '\n';
        return;
    }
    j.key("mode").string(a.mode == Mode::Physical ? "physical" : "dimensionless");
    writeCase(j, request.selection);
    writeFields(j, a.outcome);

    if (a.mode == Mode::Dimensionless) {
        const Point point = pointOf(request.inputs);
        j.key("results").beginArray();
        for (const Term &t : termsOf(request.selection, point.prandtl)) {
            j.beginObject();
            j.key("correlation").string(nameOf(t.correlation));
            j.key("kind").string(kindName(t.kind));
            j.key("nusselt").number(nusseltAt(t, point));
            writeRanges(j, outsideRange(t.correlation, point));
            j.endObject();
        }
        j.endArray();
        j.endObject();
        out += '\n';
        return;
    }

    const physics::Evaluation &e = a.evaluation;
    j.key("fluid").string(request.problem.fluid == physics::FluidChoice::Air     ? "air"
                          : request.problem.fluid == physics::FluidChoice::Water ? "water"
                                                                                 : "custom");
    j.key("film_temperature_K").number(e.filmTemperature);
    j.key("reynolds").number(e.reynolds);
    j.key("prandtl").number(e.prandtl);
    if (e.prandtlSurface)
        j.key("prandtl_surface").number(e.prandtlSurface);
    if (e.viscosityRatio)
        j.key("viscosity_ratio").number(e.viscosityRatio);
    j.key("properties").beginObject();
    const auto used = [&j](std::string_view k, const std::optional<physics::PropertiesUsed> &p) {
        if (!p)
            return;
        j.key(k).beginObject();
        writeState(j, p->state);
        j.endObject();
    };
    used("film", e.film);
    used("free_stream", e.freeStream);
    used("surface", e.surface);
    j.endObject();
    j.key("results").beginArray();
    for (const physics::Result &r : e.results) {
        j.beginObject();
        j.key("correlation").string(r.name);
        j.key("kind").string(kindName(r.term.kind));
        j.key("nusselt").number(r.nusselt);
        writeRanges(j, r.outsideRange);
        j.key("reynolds").number(r.reynolds);
        j.key("prandtl").number(r.prandtl);
        j.key("reference_temperature_K").number(referenceTemperature(e, r.reference));
        j.key("h").number(r.heatTransferCoefficient);
        j.key("heat_flux").number(r.heatFlux);
        if (r.rateKind != physics::RateKind::None) {
            j.key("heat_rate").number(r.heatRate);
            j.key("heat_rate_unit").string(rateUnit(r.rateKind));
        }
        j.endObject();
    }
    j.endArray();
    j.endObject();
    out += '\n';
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
        padded(out, "Correlation", 22);
        padded(out, "Kind", 9);
        out += "Nu\n";
        for (const Term &t : terms) {
            padded(out, nameOf(t.correlation), 22);
            padded(out, kindName(t.kind), 9);
            out += shownOr(nusseltAt(t, point), "fails");
            out += '\n';
            for (std::string &s : outsideRange(t.correlation, point))
                notes.push_back(std::string(nameOf(t.correlation)) + ": " + s);
        }
    } else {
        const physics::Evaluation &e = a.evaluation;
        out += "\n";
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
        out += "\n";
        padded(out, "Correlation", 22);
        padded(out, "Kind", 9);
        padded(out, "Nu", 11);
        padded(out, "h W/(m²·K)", 12);
        padded(out, "q'' W/m²", 12);
        out += "q\n";
        for (const physics::Result &r : e.results) {
            padded(out, r.name, 22);
            padded(out, kindName(r.term.kind), 9);
            padded(out, shownOr(r.nusselt, "fails"), 11);
            padded(out, shownOr(r.heatTransferCoefficient), 12);
            padded(out, shownOr(r.heatFlux), 12);
            if (r.rateKind != physics::RateKind::None && r.heatRate) {
                out += shown(*r.heatRate);
                out += ' ';
                out += rateUnit(r.rateKind);
            }
            out += '\n';
            for (const std::string &s : r.outsideRange)
                notes.push_back(std::string(r.name) + ": " + s);
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

void writePropertiesJson(std::string &out, const physics::State &st)
{
    JsonWriter j(out);
    j.beginObject();
    writeState(j, st);
    j.endObject();
    out += '\n';
}

void writePropertiesText(std::string &out, physics::Fluid fluid, const physics::State &st)
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
    out += fluid == physics::Fluid::Air ? "air" : "water";
    out += '\n';
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
    const std::string name = fluid == physics::Fluid::Air ? "Air" : "Water";
    switch (r.issue) {
    case Issue::None:
        return {};
    case Issue::NotFinite:
        return "temperature and pressure must be finite numbers";
    case Issue::BelowAbsoluteZero:
        return "the temperature is below absolute zero";
    case Issue::TemperatureBelowRange:
        return name + " properties start at " + physics::quoted(r.limit, tu, 1);
    case Issue::TemperatureAboveRange:
        return name + " properties end at " + physics::quoted(r.limit, tu, 1);
    case Issue::PressureBelowRange:
        return name + " properties start at " + physics::quoted(r.limit, pu, 3);
    case Issue::PressureAboveRange:
        return name + " properties end at " + physics::quoted(r.limit, pu, 3);
    case Issue::Boils:
        return "water boils at " + physics::quoted(r.limit, tu, 1) + " at this pressure";
    case Issue::Freezes:
        return "water freezes below " + physics::quoted(r.limit, tu, 2);
    }
    return {};
}

} // namespace nusselt::cli
