#pragma once

// The fluid of a physical problem as the window's Fluid box and the command line's --fluid offer
// it: a tabulated fluid of properties.h, a fluid of one's own whose properties are typed, or one
// from a table of its properties (propertytable.h; the problem carries the table).

#include "properties.h"

#include <optional>
#include <string>
#include <string_view>

namespace nusselt::physics {

// New fluids come after Custom, so that the numbers of the first three stay what they were.
enum class FluidChoice { Air, Water, Custom, Steam, Sodium, NaK, Lead, LeadBismuth, Table };

// In the order the window's box and the messages list them.
inline constexpr FluidChoice fluidChoices[] = {FluidChoice::Air,    FluidChoice::Water, FluidChoice::Steam,
                                               FluidChoice::Sodium, FluidChoice::NaK,   FluidChoice::Lead,
                                               FluidChoice::LeadBismuth, FluidChoice::Custom};

// The tabulated fluid of a choice; empty for a fluid of one's own.
inline std::optional<Fluid> tabulated(FluidChoice choice)
{
    switch (choice) {
    case FluidChoice::Air: return Fluid::Air;
    case FluidChoice::Water: return Fluid::Water;
    case FluidChoice::Custom: return std::nullopt;
    case FluidChoice::Steam: return Fluid::Steam;
    case FluidChoice::Sodium: return Fluid::Sodium;
    case FluidChoice::NaK: return Fluid::NaK;
    case FluidChoice::Lead: return Fluid::Lead;
    case FluidChoice::LeadBismuth: return Fluid::LeadBismuth;
    case FluidChoice::Table: return std::nullopt;
    }
    return std::nullopt;
}

inline bool isLiquidMetal(FluidChoice choice)
{
    const std::optional<Fluid> f = tabulated(choice);
    return f && isLiquidMetal(*f);
}

// "air", ..., "lead-bismuth", "custom": the word of the command line and case files.
inline std::string_view fluidChoiceWord(FluidChoice choice)
{
    const std::optional<Fluid> f = tabulated(choice);
    return f ? fluidWord(*f) : choice == FluidChoice::Table ? std::string_view("table") : std::string_view("custom");
}

inline std::optional<FluidChoice> fluidChoiceOf(std::string_view word)
{
    for (const FluidChoice c : fluidChoices)
        if (fluidChoiceWord(c) == word)
            return c;
    return std::nullopt;
}

// "air, water, steam, sodium, nak, lead, lead-bismuth or custom", for messages.
inline std::string fluidChoiceWords()
{
    std::string list;
    const std::size_t n = std::size(fluidChoices);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            list += i + 1 == n ? " or " : ", ";
        list += fluidChoiceWord(fluidChoices[i]);
    }
    return list;
}

} // namespace nusselt::physics
