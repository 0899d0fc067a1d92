#pragma once

// The answer to one case, and how it is written: the calculator's four field texts, the list of
// results with their validity ranges (and, for a physical problem, properties and heat transfer),
// as aligned text for people or as one JSON object for programs.

#include "catalog.h"
#include "engine.h"
#include "flowcase.h"
#include "properties.h"
#include "request.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nusselt::cli {

struct Answer {
    Mode mode = Mode::Dimensionless;
    Outcome outcome;                 // what the calculator shows for these inputs
    physics::Evaluation evaluation;  // physical mode
    bool invalid() const { return mode == Mode::Physical && !evaluation.messages.empty(); }
    bool refused() const { return outcome.refused(); }
};

void answer(const Request &request, Answer &out);

// Field keys in the order of the calculator's fields.
inline constexpr std::array<std::string_view, 4> fieldKeys{"nusselt", "average_nusselt", "note",
                                                          "zhukauskas"};
// The Shown of each field, in fieldKeys order.
std::array<const Shown *, 4> fieldsOf(const Outcome &outcome);
// Appends the text a calculator field shows for an engine answer (nothing for Clear and Keep).
void appendField(std::string &out, const Shown &shown);

// "Values not entered: Enter Reynolds and Prandtl number", or the invalid inputs of a problem
// ("Surface temperature: ..."); empty when the case was answered.
std::string failureText(const Answer &a);
void appendFailureText(std::string &out, const Answer &a);

void writeJson(std::string &out, const Request &request, const Answer &a);
void writeText(std::string &out, const Request &request, const Answer &a);

// `nusselt properties`: a fluid's state in SI, or why there is none.
// JSON: "uncertainty" {"density", "specific_heat", "thermal_conductivity", "dynamic_viscosity"},
// relative, for a fluid whose source states it.
// A fluid from a table has no Fluid; name is the fluid's word or its table's name.
void writePropertiesJson(std::string &out, std::optional<physics::Fluid> fluid, const physics::State &state);
void writePropertiesText(std::string &out, std::string_view name, std::optional<physics::Fluid> fluid,
                         const physics::State &state);
std::string propertyIssueText(physics::Fluid fluid, const physics::PropertyResult &result,
                              const physics::Unit &temperatureUnit, const physics::Unit &pressureUnit);

} // namespace nusselt::cli
