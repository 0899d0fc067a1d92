// The plot's curves and the sweep's table for the page: the case stated as for nusselt_calculate,
// the curves and rows from physics/curves.h and physics/sweep.h, written as JSON (and the sweep as
// CSV, with the program's cell quoting and shortest numbers).

#include "curves.h"
#include "csv.h"
#include "numbers.h"
#include "report.h"
#include "request.h"
#include "sweep.h"

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

// The inputs a sweep of the case can step, by name ("Re", "Velocity", ...), with SI values.
EMSCRIPTEN_KEEPALIVE const char *nusselt_sweep_inputs(const char *lines)
{
    static std::string out;
    cli::Request request;
    cli::Answer answer;
    json names = json::array();
    if (stated(lines, request, answer))
        for (physics::SweepInput input :
             physics::sweepInputs(request.problem, request.mode == cli::Mode::Physical))
            names.push_back(physics::nameOf(input));
    return kept(out, {{"inputs", names}});
}

// The case with one input (named as nusselt_sweep_inputs names it, SI) stepped from start to end
// in `steps` steps: {"columns": [labels], "rows": [{"value", "refusal", "cells": [{"reynolds",
// "prandtl", "nusselt", "h", "heat_flux", "heat_rate", "temperature_difference_K",
// "outside_range"}]}], "csv": "..."}; {"error": "..."} when it cannot be swept so.
EMSCRIPTEN_KEEPALIVE const char *nusselt_sweep(const char *lines, const char *input, double start,
                                               double end, int steps, int logarithmic)
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
    if (logarithmic && !(start > 0.0 && end > 0.0))
        return kept(out, {{"error", "Logarithmic steps need a start and end above zero."}});
    const std::vector<double> values = physics::spacedValues(start, end, steps, logarithmic != 0);
    const physics::Sweep sweep = physical ? physics::Sweep(request.problem, *swept, values)
                                          : physics::Sweep(request.selection, request.inputs, *swept, values);
    json columns = json::array();
    std::string csv;
    appendCsvCell(csv, physics::nameOf(*swept));
    for (const physics::SweepColumn &c : sweep.columns()) {
        columns.push_back(c.label);
        for (const char *what : {"Re", "Pr", "Nu", "h", "q''", "q", "Ts - T_inf", "outside range"}) {
            csv += ',';
            appendCsvCell(csv, c.label + " " + what);
        }
    }
    csv += ",refusal\r\n";
    json rows = json::array();
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const physics::SweepRow row = sweep.row(i);
        json cells = json::array();
        appendShortest(csv, row.value);
        for (const physics::SweepCell &c : row.cells) {
            std::string outside;
            for (const std::string &s : c.outside)
                outside += (outside.empty() ? "" : " ") + s;
            cells.push_back({{"reynolds", optionalNumber(c.reynolds)},
                             {"prandtl", optionalNumber(c.prandtl)},
                             {"nusselt", optionalNumber(c.nusselt)},
                             {"h", optionalNumber(c.h)},
                             {"heat_flux", optionalNumber(c.heatFlux)},
                             {"heat_rate", optionalNumber(c.heatRate)},
                             {"temperature_difference_K", optionalNumber(c.temperatureDifference)},
                             {"outside_range", c.outside}});
            for (const std::optional<double> *v : {&c.reynolds, &c.prandtl, &c.nusselt, &c.h, &c.heatFlux,
                                                  &c.heatRate, &c.temperatureDifference}) {
                csv += ',';
                if (*v && std::isfinite(**v))
                    appendShortest(csv, **v);
            }
            csv += ',';
            appendCsvCell(csv, outside);
        }
        csv += ',';
        appendCsvCell(csv, row.refusal);
        csv += "\r\n";
        rows.push_back({{"value", row.value}, {"refusal", row.refusal}, {"cells", cells}});
    }
    return kept(out, {{"columns", columns}, {"rows", rows}, {"csv", csv}});
}

} // extern "C"
