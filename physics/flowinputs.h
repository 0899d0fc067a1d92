#pragma once

// The first step of evaluate() (flowcase.cpp): each input of a problem checked, every refusal a
// message beside the field that caused it. Air and water are checked at a temperature only where
// a property is taken at it, or where water would not be liquid; no input may be absurdly large
// (or, for a viscosity, small), so that nothing that follows from it overflows.

#include "flowcase.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt::physics {

// The tabulated fluid of a problem that is not a typed one.
inline Fluid fluidOf(const Problem &p) { return tabulated(p.fluid).value_or(Fluid::Air); }

// The properties of a tabulated fluid or a property table at T and the problem's pressure.
PropertyResult propertiesAt(const Problem &p, double temperatureK);

// Says what is wrong with an input beside its field.
struct Checker {
    const Problem &problem;
    std::vector<Message> &messages;

    void say(Field field, std::string text) { messages.push_back({field, std::move(text)}); }

    // The unit a message quotes the field's value in.
    Unit unitOf(Field field) const;
    
    // A number, or a message beside the field.
    bool entered(Field field, const std::optional<double> &value, std::string_view what)
    {
        if (value && !std::isnan(*value))
            return true;
        say(field, "Enter " + std::string(what) + " as a number");
        return false;
    }

    // Not absurdly large (or small, see plausible) and finite.
    bool inBounds(Field field, double value);

    // A positive number in bounds, or a message beside the field.
    bool positive(Field field, const std::optional<double> &value, std::string_view what)
    {
        if (!entered(field, value, "the " + std::string(what)))
            return false;
        if (*value <= 0.0) {
            std::string s(what);
            if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
                s[0] = static_cast<char>(s[0] - 'a' + 'A');
            say(field, s + " must be greater than zero");
            return false;
        }
        return inBounds(field, *value);
    }
};

// Why air or water has no properties at a temperature, as a field's message says it: the limit
// rounded so that the sentence stays true (water boils at 99.97 °C at 1 atm, not 100.0), `where`
// adding what is too hot or too cold (", and the film temperature is 1276.85 °C") and `input`
// the input to change ("Ts", "q''").
std::string refusal(const PropertyResult &r, const Problem &p, const std::string &where, std::string_view input);

// The inputs every case has, each checked beside its field.
struct Checked {
    bool velocity = false;
    bool flow = false; // velocity and length
    bool pressure = false;
    bool temperatures = false; // T_inf, and Ts or the uniform-flux plate's q''
    bool distances = false;
    std::optional<State> atFreeStream, atSurface; // air and water: where a property is taken
};

// `surfacePropertyTaken`: the case takes a property at Ts (Pr_s or mu_s), so air is checked there.
Checked checkInputs(Checker &check, const Problem &p, bool surfacePropertyTaken);

} // namespace nusselt::physics
