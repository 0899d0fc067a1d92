// The plot's curves and the sweep's table for the page: the case stated as for nusselt_calculate,
// the curves and rows from physics/curves.h and physics/sweeptable.h, written as JSON (and the
// sweep as the same CSV the sweep window saves).

#include "curves.h"
#include "numbers.h"
#include "report.h"
#include "request.h"
#include "sweeptable.h"
#include "units.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#define EMSCRIPTEN_KEEPALIVE // the native build of the benchmark
#endif
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace nusselt::web {
// Reads "key=value" lines into given (binding.cpp); a fault when they are no options.
std::optional<cli::Fault> readGiven(std::string_view lines, std::vector<std::string> &texts, cli::Given &given);
}

namespace {

using nlohmann::json;
using namespace nusselt;

// The request and its answer, or nothing when the case is not complete and valid.
bool stated(const char *lines, cli::Request &request, cli::Answer &answer)
{
    static std::vector<std::string> texts;
    cli::Given given;
    if (web::readGiven(lines, texts, given) || cli::buildRequest(given, request))
        return false;
    cli::answer(request, answer);
    return !answer.invalid() && !answer.refused();
}

json optionalNumber(const std::optional<double> &v)
{
    return v && std::isfinite(*v) ? json(*v) : json(nullptr);
}

json pointJson(const physics::CurvePoint &p)
{
    return json::array({p.x, p.y});
}

// The value of a "key=value" line; nothing when no line has the key.
std::optional<std::string_view> valueOf(std::string_view lines, std::string_view key)
{
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        const std::string_view line = lines.substr(0, end);
        if (line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == '=')
            return line.substr(key.size() + 1);
        lines.remove_prefix(std::min(end + 1, lines.size()));
    }
    return std::nullopt;
}

const char *kept(std::string &slot, const json &j)
{
    slot = j.dump();
    return slot.c_str();
}

} // namespace

extern "C" {

// Nu against Re for every correlation of the case, `samples` points across the span of their
// ranges: {"curves": [{"label", "segments": [{"inside", "points": [[Re, Nu], ...]}], "marker"}]};
// {"curves": []} while the case is not answered.
EMSCRIPTEN_KEEPALIVE const char *nusselt_curves(const char *lines, int samples)
{
    static std::string out;
    cli::Request request;
    cli::Answer answer;
    json curves = json::array();
    if (stated(lines, request, answer)) {
        const std::vector<physics::Operating> operating =
            request.mode == cli::Mode::Physical ? physics::operatingPoints(answer.evaluation)
                                                : physics::operatingPoints(request.selection, request.inputs);
        for (const physics::Curve &c :
             physics::nusseltCurves(operating, physics::reynoldsSpan(operating), samples)) {
            json segments = json::array();
            for (const physics::Segment &s : c.segments) {
                json points = json::array();
                for (const physics::CurvePoint &p : s.points)
                    points.push_back(pointJson(p));
                segments.push_back({{"inside", s.inside}, {"points", points}});
            }
            curves.push_back({{"label", c.label},
                              {"segments", segments},
                              {"marker", c.marker ? pointJson(*c.marker) : json(nullptr)}});
        }
    }
    return kept(out, {{"curves", curves}});
}

// The inputs a sweep of the case can step, by name ("Re", "Velocity", ...), each with the unit
// its start and end are typed in (the case's own unit for it; empty for Re and Pr):
// {"inputs": [{"name", "unit"}]}.
EMSCRIPTEN_KEEPALIVE const char *nusselt_sweep_inputs(const char *lines)
{
    static std::string out;
    cli::Request request;
    cli::Answer answer;
    json inputs = json::array();
    if (stated(lines, request, answer))
        for (physics::SweepInput input :
             physics::sweepInputs(request.problem, request.mode == cli::Mode::Physical))
            inputs.push_back({{"name", physics::nameOf(input)}, {"unit", physics::unitOf(input, request.problem).symbol}});
    return kept(out, {{"inputs", inputs}});
}

// The case with one input (named as nusselt_sweep_inputs names it) stepped from start to end, both
// in the unit nusselt_sweep_inputs gives for it, in `steps` steps; shown in `units` ("key=symbol"
// lines for h, heat_flux, heat_rate and temperature_difference; an absent or unknown one in SI):
// {"columns": [titles], "rows": [{"cells": [number or null], "outside": [[sentences]], "refusal"}],
// "csv": "..."}, the table and file as the sweep window shows and saves them; {"error": "..."}
// when it cannot be swept so.
EMSCRIPTEN_KEEPALIVE const char *nusselt_sweep(const char *lines, const char *input, double start,
                                               double end, int steps, int logarithmic, const char *units)
{
    static std::string out;
    cli::Request request;
    cli::Answer answer;
    if (!stated(lines, request, answer))
        return kept(out, {{"error", "The case is not complete."}});
    const bool physical = request.mode == cli::Mode::Physical;
    std::optional<physics::SweepInput> swept;
    for (physics::SweepInput i : physics::sweepInputs(request.problem, physical))
        if (physics::nameOf(i) == input)
            swept = i;
    if (!swept)
        return kept(out, {{"error", std::string(input) + " cannot be stepped in this case."}});
    if (steps < 2 || steps > physics::maxSweepSteps)
        return kept(out, {{"error", "Steps: from 2 to " + std::to_string(physics::maxSweepSteps) + "."}});
    physics::SweepUnits shown;
    shown.swept = physics::unitOf(*swept, request.problem);
    start = physics::toSI(shown.swept, start);
    end = physics::toSI(shown.swept, end);
    if (logarithmic && !(start > 0.0 && end > 0.0))
        return kept(out, {{"error", "Logarithmic steps need a start and end above zero."}});
    shown.heatRate = physics::defaultUnit(request.problem.selection.isSphere() ? physics::Quantity::HeatRate
                                                                               : physics::Quantity::HeatRatePerLength);
    for (const auto &[key, unit] : {std::pair{"h", &shown.heatTransferCoefficient},
                                    std::pair{"heat_flux", &shown.heatFlux},
                                    std::pair{"heat_rate", &shown.heatRate},
                                    std::pair{"temperature_difference", &shown.temperatureDifference}})
        if (const std::optional<std::string_view> symbol = valueOf(units, key))
            if (const std::optional<physics::Unit> u = physics::findUnit(unit->quantity, *symbol))
                *unit = *u;
    const std::vector<double> values = physics::spacedValues(start, end, steps, logarithmic != 0);
    const physics::SweepTable table(physical ? physics::Sweep(request.problem, *swept, values)
                                             : physics::Sweep(request.selection, request.inputs, *swept, values),
                                    request.problem.selection, shown);
    json columns = json::array();
    for (const physics::SweepTable::Column &c : table.shown())
        columns.push_back(table.title(c));
    std::string csv = table.headerLine(',') + "\r\n";
    json rows = json::array();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const physics::SweepRow row = table.sweep().row(i);
        json cells = json::array();
        json outside = json::array();
        for (const physics::SweepTable::Column &c : table.shown()) {
            cells.push_back(optionalNumber(table.number(row, c)));
            outside.push_back(table.outside(row, c));
        }
        csv += table.line(row, ',') + "\r\n";
        rows.push_back({{"cells", cells}, {"outside", outside}, {"refusal", row.refusal}});
    }
    return kept(out, {{"columns", columns}, {"rows", rows}, {"csv", csv}});
}

} // extern "C"
