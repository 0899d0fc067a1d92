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
//               "t_surface": ..., "pressure": ..., "x": ..., "xi": ..., "heat_flux": ...,
//               "transverse_pitch": ..., "longitudinal_pitch": ..., "rows": {"text": "7", "unit": ""},
//               "tubes_per_row": ...},                         (a tube bank's, written when entered)
//    "custom": {"film": {"density": "1.0", "viscosity": "...", "conductivity": "...",
//                        "specific_heat": "..."},
//               "free_stream": {...}, "surface_prandtl": "...", "surface_viscosity": "..."}}
//
// A custom fluid's texts are in SI units (kg/m³, Pa·s, W/(m·K), J/(kg·K)). Files are written with
// their keys in alphabetical order; read in any order.

#include "engine.h"
#include "flowcase.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    Selection selection{Geometry::None};
    FluidChoice fluid = FluidChoice::Air;
    // FluidChoice::Table: the file's "fluid" as written, a kept fluid's name or a table file's path.
    std::string fluidTable;
    TypedValue velocity;
    TypedValue length;
    TypedValue freeStreamTemperature;
    TypedValue surfaceTemperature;
    TypedValue pressure;
    TypedValue distance;  // x
    TypedValue heatStart; // xi
    TypedValue heatFlux;  // q'', uniform-flux plate
    // A tube bank: its pitches, and its numbers of rows and of tubes per row (texts without a unit).
    TypedValue transversePitch;
    TypedValue longitudinalPitch;
    TypedValue rows;
    TypedValue tubesPerRow;
    TypedFluidTexts film;
    TypedFluidTexts freeStream;
    std::string prandtlSurface;
    std::string viscositySurface;
    // The keys among "fluid" and the inputs' ("velocity", "pressure", ...) that the file read had.
    // A key left out means what an option not given means (no pressure: 1 atm); an empty text, what
    // an option given empty means (a value not entered).
    std::vector<std::string> present;
    bool has(std::string_view key) const;
};

// The words case files and options use for a fluid ("air", "water", "custom") and those of a
// choice, listed as messages list them ("laminar, turbulent or mixed").
std::string_view fluidWord(FluidChoice fluid);
std::string choiceWords(Choice choice);

inline constexpr std::string_view caseFileFormat = "nusselt-case";
inline constexpr int caseFileVersion = 1;
// A case file is a few hundred bytes; larger files are refused unread (readBoundedFile, files.h).
inline constexpr std::size_t caseFileSizeLimit = std::size_t{1} << 20;

// Pretty-printed JSON, ending in a line break.
std::string toJson(const CaseFile &caseFile);

// Why a text is no case: a message saying what is wrong and where ("inputs.velocity.unit: \"km/h\"
// is not a unit of velocity"). `usage`: a mistake the command line calls a usage error when made
// in options (an unknown key, as an unknown option; a word that is not one of a choice's; a key
// given twice); otherwise the text is no case file this program reads (not JSON, another format or
// version, a value of the wrong type, nested too deep) or a unit unknown to its quantity.
struct CaseFileError {
    std::string message;
    bool usage = false;
};

// The case in a file's text, or nothing with error saying what is wrong and where. Keys in any
// order; every key must be known, and given once.
std::optional<CaseFile> fromJson(std::string_view json, CaseFileError &error);
std::optional<CaseFile> fromJson(std::string_view json, std::string &error);

// The text a case file keeps for one property of a fluid of one's own (a Field from FilmDensity
// on); std::invalid_argument for any other field.
std::string &customText(CaseFile &caseFile, Field field);
inline const std::string &customText(const CaseFile &caseFile, Field field)
{
    return customText(const_cast<CaseFile &>(caseFile), field);
}

// The problem the case states: each text read as the window reads its field (readNumber, numbers.h)
// in its unit and converted to SI. Fails, with error, only on a unit that does not belong to its
// quantity; a text that is no number leaves its input empty, which evaluate() reports beside the
// field, as the window does. A fluid from a table (a kept fluid or a file, fluidstore.h) is read
// here; a table that cannot be, fails with its error.
std::optional<Problem> toProblem(const CaseFile &caseFile, std::string &error);

} // namespace nusselt::physics
