#pragma once

// The choices that name a case: geometry, heat flow condition, flow condition, fluid type and
// sphere kind. Each value is the calculator's own code for it (0: not chosen yet), so the
// calculator's int members hold them unchanged. Each choice has one table of its items: the word
// options and case files use, and the label a window shows. A new item (a geometry that only
// Flow Conditions and the command line offer, say) is one enumerator and one table row. The
// tube bank's arrangement and the non-circular cylinder's section are choices of their own, asked
// only for their geometry; the calculator has neither geometry, so it never asks them.

#include <array>
#include <cstddef>
#include <string_view>

namespace nusselt {

enum class Geometry { None = 0, FlatPlate = 1, Cylinder = 2, Sphere = 3, TubeBank = 4, NonCircular = 5 };
enum class HeatCondition { None = 0, UniformTemperature = 1, UniformFlux = 2, UnheatedStartingLength = 3 };
enum class FlowCondition { None = 0, Laminar = 1, Turbulent = 2, Mixed = 3 };
enum class FluidType { None = 0, Regular = 1, LiquidMetal = 2 };
enum class SphereType { None = 0, Regular = 1, Drops = 2 };
enum class Arrangement { None = 0, Aligned = 1, Staggered = 2 };
// The section of a non-circular cylinder and which of it faces the flow.
enum class Section { None = 0, Square = 1, SquareCorner = 2, Hexagon = 3, HexagonCorner = 4, Plate = 5 };

struct Selection {
    Geometry geometry = Geometry::FlatPlate;
    HeatCondition heat = HeatCondition::None;
    FlowCondition flow = FlowCondition::None;
    FluidType fluidType = FluidType::None;
    SphereType sphere = SphereType::None;
    Arrangement arrangement = Arrangement::None;
    Section section = Section::None;

    bool isPlate() const { return geometry == Geometry::FlatPlate; }
    bool isCylinder() const { return geometry == Geometry::Cylinder; }
    bool isSphere() const { return geometry == Geometry::Sphere; }
    bool isTubeBank() const { return geometry == Geometry::TubeBank; }
    bool isNonCircular() const { return geometry == Geometry::NonCircular; }
    // A plate heated from a distance behind its leading edge: the case with lengths x and xi.
    bool hasUnheatedStart() const { return isPlate() && heat == HeatCondition::UnheatedStartingLength; }
    // The regular sphere (Whitaker), the one case that needs mu / mu_s.
    bool isRegularSphere() const { return isSphere() && sphere == SphereType::Regular; }

    friend bool operator==(const Selection &a, const Selection &b)
    {
        return a.geometry == b.geometry && a.heat == b.heat && a.flow == b.flow
            && a.fluidType == b.fluidType && a.sphere == b.sphere && a.arrangement == b.arrangement
            && a.section == b.section;
    }
    friend bool operator!=(const Selection &a, const Selection &b) { return !(a == b); }
};

// A selection from the calculator's five codes.
inline Selection selectionFromCodes(int geometry, int heat, int flow, int fluidType, int sphere)
{
    return {static_cast<Geometry>(geometry), static_cast<HeatCondition>(heat), static_cast<FlowCondition>(flow),
            static_cast<FluidType>(fluidType), static_cast<SphereType>(sphere)};
}

// The choices, in the order a user makes them (the calculator's five first).
enum class Choice { Geometry, Heat, Flow, FluidType, Sphere, Arrangement, Section };
inline constexpr std::array<Choice, 7> allChoices{Choice::Geometry, Choice::Heat,      Choice::Flow,
                                                  Choice::FluidType, Choice::Sphere,   Choice::Arrangement,
                                                  Choice::Section};

// One item of a choice: its code, the word of options and case files, and the label windows show
// (the calculator's form keeps its own texts).
struct ChoiceItem {
    int code;
    std::string_view word;
    std::string_view label;
};

// Items in the order the choice's box lists them.
inline constexpr ChoiceItem geometryItems[] = {
    {1, "plate", "Flat Plate"},
    {2, "cylinder", "Cylinder"},
    {3, "sphere", "Sphere"},
    {4, "tube-bank", "Tube Bank"},
    {5, "noncircular", "Non-circular Cylinder"},
};
inline constexpr ChoiceItem heatItems[] = {
    {1, "temperature", "Uniform Temp"},
    {2, "flux", "Uniform Flux"},
    {3, "unheated", "Unheated Starting Length"},
};
inline constexpr ChoiceItem flowItems[] = {
    {2, "turbulent", "Turbulent"},
    {1, "laminar", "Laminar"},
    {3, "mixed", "Mixed Flow"},
};
inline constexpr ChoiceItem fluidTypeItems[] = {
    {1, "regular", "Regular Fluid"},
    {2, "liquid-metal", "Liquid Metal"},
};
inline constexpr ChoiceItem sphereItems[] = {
    {1, "regular", "Regular Sphere"},
    {2, "drops", "Drops"},
};
inline constexpr ChoiceItem arrangementItems[] = {
    {1, "aligned", "Aligned"},
    {2, "staggered", "Staggered"},
};
inline constexpr ChoiceItem sectionItems[] = {
    {1, "square", "Square, face to the flow"},
    {2, "square-corner", "Square, corner to the flow"},
    {3, "hexagon", "Hexagon, face to the flow"},
    {4, "hexagon-corner", "Hexagon, corner to the flow"},
    {5, "plate", "Thin plate across the flow"},
};

struct ChoiceInfo {
    std::string_view key;   // "geometry", "heat", "flow", "fluid_type", "sphere", "arrangement", "section"
    std::string_view label; // "Geometry", ... as windows name the box
    const ChoiceItem *items;
    std::size_t count;

    const ChoiceItem *begin() const { return items; }
    const ChoiceItem *end() const { return items + count; }
    // The item of a code or a word; nullptr when there is none (code 0: not chosen).
    const ChoiceItem *withCode(int code) const
    {
        for (const ChoiceItem &i : *this)
            if (i.code == code)
                return &i;
        return nullptr;
    }
    const ChoiceItem *withWord(std::string_view word) const
    {
        for (const ChoiceItem &i : *this)
            if (i.word == word)
                return &i;
        return nullptr;
    }
};

inline constexpr ChoiceInfo infoOf(Choice c)
{
    switch (c) {
    case Choice::Geometry: return {"geometry", "Geometry", geometryItems, std::size(geometryItems)};
    case Choice::Heat: return {"heat", "Heat flow condition", heatItems, std::size(heatItems)};
    case Choice::Flow: return {"flow", "Flow condition", flowItems, std::size(flowItems)};
    case Choice::FluidType: return {"fluid_type", "Fluid type", fluidTypeItems, std::size(fluidTypeItems)};
    case Choice::Sphere: return {"sphere", "Sphere", sphereItems, std::size(sphereItems)};
    case Choice::Arrangement:
        return {"arrangement", "Arrangement", arrangementItems, std::size(arrangementItems)};
    case Choice::Section: break;
    }
    return {"section", "Section", sectionItems, std::size(sectionItems)};
}

// A selection's code for one choice, and the selection with that code set.
inline int codeOf(const Selection &s, Choice c)
{
    switch (c) {
    case Choice::Geometry: return static_cast<int>(s.geometry);
    case Choice::Heat: return static_cast<int>(s.heat);
    case Choice::Flow: return static_cast<int>(s.flow);
    case Choice::FluidType: return static_cast<int>(s.fluidType);
    case Choice::Sphere: return static_cast<int>(s.sphere);
    case Choice::Arrangement: return static_cast<int>(s.arrangement);
    case Choice::Section: break;
    }
    return static_cast<int>(s.section);
}

inline void setCode(Selection &s, Choice c, int code)
{
    switch (c) {
    case Choice::Geometry: s.geometry = static_cast<Geometry>(code); return;
    case Choice::Heat: s.heat = static_cast<HeatCondition>(code); return;
    case Choice::Flow: s.flow = static_cast<FlowCondition>(code); return;
    case Choice::FluidType: s.fluidType = static_cast<FluidType>(code); return;
    case Choice::Sphere: s.sphere = static_cast<SphereType>(code); return;
    case Choice::Arrangement: s.arrangement = static_cast<Arrangement>(code); return;
    case Choice::Section: s.section = static_cast<Section>(code); return;
    }
}

// The word of a selection's choice; empty when not chosen.
inline std::string_view wordOf(const Selection &s, Choice c)
{
    const ChoiceItem *item = infoOf(c).withCode(codeOf(s, c));
    return item ? item->word : std::string_view();
}

// Whether a choice is asked for once the earlier ones are as in s, in the calculator's order:
// the geometry always; for a plate the heat flow condition, then the flow condition, then (laminar
// flow at uniform temperature only) the fluid type; for a sphere its kind; for a tube bank its
// arrangement; for a non-circular cylinder its section.
inline bool isAsked(const Selection &s, Choice c)
{
    switch (c) {
    case Choice::Geometry: return true;
    case Choice::Heat: return s.isPlate();
    case Choice::Flow: return s.isPlate() && s.heat != HeatCondition::None;
    case Choice::FluidType:
        return s.isPlate() && s.heat == HeatCondition::UniformTemperature && s.flow == FlowCondition::Laminar;
    case Choice::Sphere: return s.isSphere();
    case Choice::Arrangement: return s.isTubeBank();
    case Choice::Section: return s.isNonCircular();
    }
    return false;
}

} // namespace nusselt
