#include "request.h"

#include "numbers.h"
#include "units.h"


namespace nusselt::cli {
namespace {

const std::optional<std::string_view> &at(const Given &given, Key key)
{
    return given[static_cast<std::size_t>(key)];
}

bool has(const Given &given, Key key)
{
    return at(given, key).has_value();
}

Fault usage(std::string message)
{
    return Fault{Fault::Kind::Usage, std::move(message)};
}

Fault invalid(std::string message)
{
    return Fault{Fault::Kind::Invalid, std::move(message)};
}

// "laminar, turbulent or mixed": a choice's words in the order of their codes.
std::string choices(Choice choice)
{
    const ChoiceInfo info = infoOf(choice);
    std::string list;
    for (int code = 1; code <= static_cast<int>(info.count); ++code) {
        if (code > 1)
            list += code == static_cast<int>(info.count) ? " or " : ", ";
        list += info.withCode(code)->word;
    }
    return list;
}

// Faults are built out of line: the checks that pass, nearly all of them in a batch, stay small
// enough to inline.
[[gnu::noinline, gnu::cold]] Fault notAChoice(Key key, std::string_view word, Choice choice)
{
    return usage(optionName(key) + ": \"" + std::string(word) + "\" is not one of " + choices(choice));
}

// Sets the choice's code from its option (left as not chosen when the option is not given); a
// fault when the word is not one of the choice's words.
inline std::optional<Fault> choose(const Given &given, Key key, Choice choice, Selection &s)
{
    if (!has(given, key))
        return std::nullopt;
    const std::string_view word = trimmed(*at(given, key));
    if (const ChoiceItem *item = infoOf(choice).withWord(word)) {
        setCode(s, choice, item->code);
        return std::nullopt;
    }
    return notAChoice(key, word, choice);
}

std::string_view caseName(const Selection &s)
{
    if (s.isPlate())
        return "a flat plate";
    return s.isCylinder() ? "a cylinder" : "a sphere";
}

[[gnu::noinline, gnu::cold]] Fault notUsedFault(Key key, std::string_view why)
{
    return usage(optionName(key) + " is not used by " + std::string(why));
}

inline std::optional<Fault> notUsed(const Given &given, Key key, std::string_view why)
{
    if (!has(given, key))
        return std::nullopt;
    return notUsedFault(key, why);
}

[[gnu::noinline, gnu::cold]] Fault onlyUnheatedFault(Key key)
{
    return usage(optionName(key) + " is used only by a plate with an unheated starting length");
}

inline std::optional<Fault> usageUnlessUnheated(const Given &given, Key key)
{
    if (!has(given, key))
        return std::nullopt;
    return onlyUnheatedFault(key);
}

std::optional<Fault> missing(Key key, std::string_view what)
{
    return usage("missing " + optionName(key) + " (" + std::string(what) + ")");
}

physics::Quantity quantityOf(Key key)
{
    switch (key) {
    case Key::Velocity:
        return physics::Quantity::Velocity;
    case Key::TInf:
    case Key::TSurface:
        return physics::Quantity::Temperature;
    case Key::Pressure:
        return physics::Quantity::Pressure;
    case Key::HeatFlux:
        return physics::Quantity::HeatFlux;
    default:
        return physics::Quantity::Length;
    }
}

// "10m/s", "12.7 mm", "26.2C", "101.325kPa"; a plain number is SI, except a temperature, whose
// scale must be said. Empty text is a value not entered (the flow case says so beside its field).
std::optional<Fault> readQuantity(const Given &given, Key key, std::optional<double> &si,
                                  physics::Unit *unitUsed = nullptr)
{
    si.reset();
    if (!has(given, key))
        return std::nullopt;
    const std::string_view text = trimmed(*at(given, key));
    if (text.empty())
        return std::nullopt;
    const physics::Quantity quantity = quantityOf(key);
    const physics::TypedQuantity typed = physics::readTyped(quantity, text);
    if (!typed.value)
        return invalid(optionName(key) + ": \"" + std::string(text) + "\" does not start with a number");
    std::optional<physics::Unit> unit = typed.unit;
    if (typed.unitText.empty()) {
        if (quantity == physics::Quantity::Temperature)
            return invalid(optionName(key) + ": a temperature needs its unit (C, K or F), e.g. " +
                           std::string(text) + "C");
        for (const physics::Unit &u : physics::unitsOf(quantity))
            if (u.scale == 1.0 && u.offset == 0.0)
                unit = u;
    } else if (!unit) {
        std::string known;
        for (const physics::Unit &u : physics::unitsOf(quantity)) {
            known += known.empty() ? "" : ", ";
            known += u.symbol;
        }
        return invalid(optionName(key) + ": unknown unit \"" + std::string(typed.unitText) + "\" (" +
                       known + ")");
    }
    if (!unit)
        return invalid(optionName(key) + ": give a unit");
    si = physics::toSI(*unit, *typed.value);
    if (unitUsed)
        *unitUsed = *unit;
    return std::nullopt;
}

Reading readField(const Given &given, Key key)
{
    if (!has(given, key))
        return std::nullopt;
    return readNumber(*at(given, key));
}

std::optional<Fault> checkSelection(const Given &given, Selection &s)
{
    if (!has(given, Key::Geometry))
        return missing(Key::Geometry, choices(Choice::Geometry));
    const Key keys[] = {Key::Geometry, Key::Heat, Key::Flow, Key::FluidType, Key::Sphere};
    for (std::size_t i = 0; i < allChoices.size(); ++i)
        if (auto f = choose(given, keys[i], allChoices[i], s))
            return f;

    const std::string_view name = caseName(s);
    if (s.isPlate()) {
        if (auto f = notUsed(given, Key::Sphere, name))
            return f;
        if (s.heat == HeatCondition::None)
            return missing(Key::Heat, choices(Choice::Heat));
        if (s.flow == FlowCondition::None)
            return missing(Key::Flow, choices(Choice::Flow));
        const bool needsFluidType = isAsked(s, Choice::FluidType);
        if (needsFluidType && s.fluidType == FluidType::None)
            return missing(Key::FluidType, choices(Choice::FluidType));
        if (!needsFluidType && s.fluidType != FluidType::None)
            return usage(optionName(Key::FluidType) +
                         " is used only by laminar flow over a plate at uniform temperature");
        return std::nullopt;
    }
    for (Key key : {Key::Heat, Key::Flow, Key::FluidType})
        if (auto f = notUsed(given, key, name))
            return f;
    if (s.isCylinder()) {
        if (auto f = notUsed(given, Key::Sphere, name))
            return f;
    } else if (s.sphere == SphereType::None) {
        return missing(Key::Sphere, choices(Choice::Sphere));
    }
    return std::nullopt;
}

} // namespace

std::optional<Key> keyNamed(std::string_view name)
{
    for (std::size_t i = 0; i < keyCount; ++i)
        if (keyNames[i] == name)
            return static_cast<Key>(i);
    return std::nullopt;
}

std::string optionName(Key key)
{
    std::string name = "--";
    name += keyNames[static_cast<std::size_t>(key)];
    for (char &c : name)
        if (c == '_')
            c = '-';
    return name;
}

std::optional<Fault> buildRequest(const Given &given, Request &request)
{
    // The problem is reset only for a physical case, the one that reads it: a batch of
    // dimensionless rows copies it for none. Its default units are looked up once.
    static const physics::Problem blankProblem{};
    request.mode = Mode::Dimensionless;
    request.inputs = Inputs{};
    Selection &s = request.selection;
    s = Selection{Geometry::None};

    const Key physicalKeys[] = {Key::Fluid, Key::Velocity, Key::TInf, Key::TSurface, Key::Pressure, Key::HeatFlux};
    const Key dimensionlessKeys[] = {Key::Re, Key::Pr, Key::Prs, Key::Mu, Key::Mus};
    const Key *physicalGiven = nullptr;
    for (const Key &k : physicalKeys)
        if (!physicalGiven && has(given, k))
            physicalGiven = &k;
    if (physicalGiven) {
        for (Key k : dimensionlessKeys)
            if (has(given, k))
                return usage(optionName(k) + " and " + optionName(*physicalGiven) +
                             " cannot be combined: give dimensionless numbers or a physical problem");
        request.mode = Mode::Physical;
        request.problem = blankProblem;
    }

    if (auto f = checkSelection(given, s))
        return f;
    const std::string_view name = caseName(s);
    const bool unheatedPlate = s.hasUnheatedStart();

    if (request.mode == Mode::Dimensionless) {
        if (!s.isCylinder())
            if (auto f = notUsed(given, Key::Prs, name))
                return f;
        if (!s.isRegularSphere()) {
            const std::string_view why = s.isSphere() ? "drops" : name;
            if (auto f = notUsed(given, Key::Mu, why))
                return f;
            if (auto f = notUsed(given, Key::Mus, why))
                return f;
        }
        if (!unheatedPlate)
            for (Key k : {Key::Length, Key::X, Key::Xi})
                if (auto f = usageUnlessUnheated(given, k))
                    return f;
        Inputs &in = request.inputs;
        in.reynolds = readField(given, Key::Re);
        in.prandtl = readField(given, Key::Pr);
        in.prandtlSurface = readField(given, Key::Prs);
        in.plateLength = readField(given, Key::Length);
        in.distance = readField(given, Key::X);
        in.heatStart = readField(given, Key::Xi);
        in.mu = readField(given, Key::Mu);
        in.muSurface = readField(given, Key::Mus);
        return std::nullopt;
    }

    physics::Problem &p = request.problem;
    p.selection = s;
    if (!physics::needsDistances(s))
        for (Key k : {Key::X, Key::Xi})
            if (auto f = usageUnlessUnheated(given, k))
                return f;
    if (!has(given, Key::Fluid))
        return missing(Key::Fluid, "air or water");
    const std::string_view fluid = trimmed(*at(given, Key::Fluid));
    if (fluid == "air")
        p.fluid = physics::FluidChoice::Air;
    else if (fluid == "water")
        p.fluid = physics::FluidChoice::Water;
    else
        return usage(optionName(Key::Fluid) + ": \"" + std::string(fluid) + "\" is not one of air or water");

    // The uniform-flux plate is given its heat flux, every other case its surface temperature.
    const bool flux = physics::takesHeatFlux(s);
    if (auto f = notUsed(given, flux ? Key::TSurface : Key::HeatFlux,
                         flux ? "a plate at uniform heat flux (give --heat-flux)" : "this case (give --t-surface)"))
        return f;
    physics::Unit temperatureUnit = p.temperatureUnit;
    if (auto f = readQuantity(given, Key::HeatFlux, p.heatFlux, &p.heatFluxUnit))
        return f;
    if (auto f = readQuantity(given, Key::Velocity, p.velocity))
        return f;
    if (auto f = readQuantity(given, Key::Length, p.length))
        return f;
    if (auto f = readQuantity(given, Key::TSurface, p.surfaceTemperature, &temperatureUnit))
        return f;
    if (auto f = readQuantity(given, Key::TInf, p.freeStreamTemperature, &temperatureUnit))
        return f;
    p.temperatureUnit = temperatureUnit;
    if (has(given, Key::Pressure)) {
        physics::Unit pressureUnit = p.pressureUnit;
        if (auto f = readQuantity(given, Key::Pressure, p.pressure, &pressureUnit))
            return f;
        p.pressureUnit = pressureUnit;
    }
    if (auto f = readQuantity(given, Key::X, p.distance))
        return f;
    if (auto f = readQuantity(given, Key::Xi, p.heatStart))
        return f;
    return std::nullopt;
}

} // namespace nusselt::cli
