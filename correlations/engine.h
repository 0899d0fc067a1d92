#pragma once

// What one press of "Calculate Nusselt #" does, without widgets: from the selection codes and the
// numbers read from the fields, decide the case, check its inputs, evaluate its correlations and
// answer with what each result field shows, or with a refusal (warning box text and note).
// The comments name the calculator field each member comes from or goes to, because the form
// reuses fields (a sphere's mu is typed into NusseltEdit); that is documentation only. No widget
// code is included here: the dialog reads the fields, formats the numbers and writes them back.

#include "choices.h"

#include <optional>
#include <string_view>

namespace nusselt {

// A field's number, or nothing when its text is empty or did not convert.
using Reading = std::optional<double>;

struct Inputs {
    Reading reynolds;        // ReynoldsEdit
    Reading prandtl;         // PrandtlEdit
    Reading prandtlSurface;  // PrandtlSurfaceEdit (cylinder)
    Reading plateLength;     // PlateLengthEdit (unheated starting length)
    Reading distance;        // LeadingEdgeEdit, x
    Reading heatStart;       // HeatStartEdit, xi
    Reading mu;              // NusseltEdit, typed over its prompt (regular sphere)
    Reading muSurface;       // ZhukauskasEdit, likewise
};

// What a calculation does to one output field.
struct Shown {
    enum class Kind { Keep, Clear, Number, Text };
    Kind kind = Kind::Keep;
    double value = 0.0;    // Number: the value, shown followed by text (a suffix or nothing)
    std::string_view text; // Number: suffix; Text: the whole text. Always a string literal.

    static Shown clear() { return {Kind::Clear, 0.0, {}}; }
    static Shown number(double v, std::string_view suffix = {}) { return {Kind::Number, v, suffix}; }
    static Shown message(std::string_view t) { return {Kind::Text, 0.0, t}; }
};

struct Outcome {
    // A refusal shows a warning box with boxText; afterwards note is written. Nothing else changes.
    // Texts are literals, viewed rather than copied: an evaluation allocates nothing.
    std::string_view boxText;
    Shown local;      // NusseltEdit
    Shown average;    // AverageNusseltEdit
    Shown note;       // NoteEdit
    Shown zhukauskas; // ZhukauskasEdit
    // Cylinder above the Zhukauskas range also reports it on standard output.
    bool zhukauskasFailedLine = false;

    bool refused() const { return !boxText.empty(); }
};

Outcome calculate(const Selection &selection, const Inputs &inputs);

// The warning-box texts of refusals, named once because several cases refuse with the same words.
namespace text {
inline constexpr const char *valuesNotEntered = "Values not entered";
inline constexpr const char *conditionsNotMet = "Conditions not met";
inline constexpr const char *calculationFailed = "Calculation Failed";
} // namespace text

} // namespace nusselt
