#pragma once

// The case file of the Flow Conditions window, also read by `nusselt calculate --case`: the
// choices and every input as it was typed, each with the unit chosen beside it, so that opening a
// saved case gives back exactly what was entered. JSON:
//
//   {"format": "nusselt-case", "version": 1,
//    "case": {"geometry": "cylinder", "heat": "temperature", "flow": "laminar",
//             "fluid_type": "regular", "sphere": "regular"},      (absent: not chosen)
//    "fluid": "air" | "water" | "custom",
//    "inputs": {"velocity": {"text": "10", "unit": "m/s"}, "length": ..., "t_inf": ...,
//               "t_surface": ..., "pressure": ..., "x": ..., "xi": ...},
//    "custom": {"film": {"density": "1.0", "viscosity": "...", "conductivity": "...",
//                        "specific_heat": "..."},
//               "free_stream": {...}, "surface_prandtl": "...", "surface_viscosity": "..."}}
//
// A custom fluid's texts are in SI units (kg/m³, Pa·s, W/(m·K), J/(kg·K)).

#include "engine.h"
#include "flowcase.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nusselt::physics {

struct TypedValue {
    std::string text; // as typed; empty: not entered
    std::string unit; // symbol of the chosen unit ("mm", "°C"); empty: the quantity's default
};

struct TypedFluidTexts {
    std::string density;
    std::string viscosity;
    std::string conductivity;
    std::string specificHeat;
};

struct CaseFile {
    Selection selection{0, 0, 0, 0, 0};
    FluidChoice fluid = FluidChoice::Air;
    TypedValue velocity;
    TypedValue length;
    TypedValue freeStreamTemperature;
    TypedValue surfaceTemperature;
    TypedValue pressure;
    TypedValue distance;  // x
    TypedValue heatStart; // xi
    TypedFluidTexts film;
    TypedFluidTexts freeStream;
    std::string prandtlSurface;
    std::string viscositySurface;
};

// The words of the five choices, as options and case files write them (index = selection code;
// 0 = not chosen, no word).
inline constexpr std::array<std::string_view, 4> geometryWords{"", "plate", "cylinder", "sphere"};
inline constexpr std::array<std::string_view, 4> heatWords{"", "temperature", "flux", "unheated"};
inline constexpr std::array<std::string_view, 4> flowWords{"", "laminar", "turbulent", "mixed"};
inline constexpr std::array<std::string_view, 3> fluidTypeWords{"", "regular", "liquid-metal"};
inline constexpr std::array<std::string_view, 3> sphereWords{"", "regular", "drops"};

// One choice as a case file (and the command line's JSON report) writes it: its key, where the
// selection keeps it, and its words.
struct Choice {
    std::string_view key;
    int Selection::*member;
    const std::string_view *words;
    std::size_t count;

    // The word of a code; empty when not chosen or out of range.
    std::string_view wordOf(int code) const
    {
        return code > 0 && static_cast<std::size_t>(code) < count ? words[code] : std::string_view();
    }
    // The code of a word; -1 when it is none of the words.
    int codeOf(std::string_view word) const
    {
        for (std::size_t i = 1; i < count; ++i)
            if (words[i] == word)
                return static_cast<int>(i);
        return -1;
    }
};
inline constexpr std::array<Choice, 5> choices{{
    {"geometry", &Selection::geometryType, geometryWords.data(), geometryWords.size()},
    {"heat", &Selection::heatCondition, heatWords.data(), heatWords.size()},
    {"flow", &Selection::flowCondition, flowWords.data(), flowWords.size()},
    {"fluid_type", &Selection::fluidType, fluidTypeWords.data(), fluidTypeWords.size()},
    {"sphere", &Selection::sphereType, sphereWords.data(), sphereWords.size()},
}};

inline constexpr std::string_view caseFileFormat = "nusselt-case";
inline constexpr int caseFileVersion = 1;

// Pretty-printed JSON, ending in a line break.
std::string toJson(const CaseFile &caseFile);

// The case in a file's text, or nothing with error saying what is wrong and where
// ("inputs.velocity.unit: \"km/h\" is not a unit of velocity").
std::optional<CaseFile> fromJson(std::string_view json, std::string &error);

// A number as the window reads a field: blanks around it ignored, an optional sign, decimal or
// exponent form (std::from_chars); anything else, or nothing, reads as not entered.
std::optional<double> readTyped(std::string_view text);

// The problem the case states: texts read as numbers in their units, converted to SI. Fails, with
// error, only on a unit that does not belong to its quantity; texts that are no number leave their
// input empty, which evaluate() reports beside the field, as the window does.
std::optional<Problem> toProblem(const CaseFile &caseFile, std::string &error);

} // namespace nusselt::physics
