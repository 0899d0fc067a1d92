#include "request.h"

#include "fluidstore.h"
#include "numbers.h"
#include "units.h"

#include <algorithm>

namespace nusselt::cli {
namespace {

const std::optional<std::string_view> &at(const Given &given, Key key)
{
    return given[static_cast<std::size_t>(key)];
}

// The option of each choice, in the order of allChoices.
constexpr Key choiceKeys[] = {Key::Geometry, Key::Heat, Key::Flow, Key::FluidType, Key::Sphere, Key::Arrangement, Key::Section};

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

// A fluid of one's own: each option's field in the problem.
struct PropertyKey {
    Key key;
    physics::Field field;
    std::string_view what;
};
constexpr PropertyKey propertyKeys[] = {
    {Key::Density, physics::Field::FilmDensity, "density at the film temperature, kg/m³"},
    {Key::Viscosity, physics::Field::FilmViscosity, "dynamic viscosity at the film temperature, Pa·s"},
    {Key::Conductivity, physics::Field::FilmConductivity, "thermal conductivity at the film temperature, W/(m·K)"},
    {Key::SpecificHeat, physics::Field::FilmSpecificHeat, "specific heat at the film temperature, J/(kg·K)"},
    {Key::DensityInf, physics::Field::FreeStreamDensity, "density at the free-stream temperature, kg/m³"},
    {Key::ViscosityInf, physics::Field::FreeStreamViscosity, "dynamic viscosity at the free-stream temperature, Pa·s"},
    {Key::ConductivityInf, physics::Field::FreeStreamConductivity,
     "thermal conductivity at the free-stream temperature, W/(m·K)"},
    {Key::SpecificHeatInf, physics::Field::FreeStreamSpecificHeat,
     "specific heat at the free-stream temperature, J/(kg·K)"},
    {Key::SurfacePrandtl, physics::Field::SurfacePrandtl, "Prandtl number at the surface temperature"},
    {Key::SurfaceViscosity, physics::Field::SurfaceViscosity, "dynamic viscosity at the surface temperature, Pa·s"},
};

std::optional<double> &propertyOf(physics::CustomFluid &c, physics::Field field)
{
    using physics::Field;
    switch (field) {
    case Field::FilmDensity: return c.film.density;
    case Field::FilmViscosity: return c.film.dynamicViscosity;
    case Field::FilmConductivity: return c.film.thermalConductivity;
    case Field::FilmSpecificHeat: return c.film.specificHeat;
    case Field::FreeStreamDensity: return c.freeStream.density;
    case Field::FreeStreamViscosity: return c.freeStream.dynamicViscosity;
    case Field::FreeStreamConductivity: return c.freeStream.thermalConductivity;
    case Field::FreeStreamSpecificHeat: return c.freeStream.specificHeat;
    case Field::SurfacePrandtl: return c.prandtlSurface;
    default: return c.viscositySurface;
    }
}

std::string choices(Choice choice)
{
    return physics::choiceWords(choice);
}

std::string_view caseName(const Selection &s)
{
    if (s.isPlate())
        return "a flat plate";
    if (s.isTubeBank())
        return "a tube bank";
    if (s.isNonCircular())
        return "a non-circular cylinder";
    return s.isCylinder() ? "a cylinder" : "a sphere";
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
    case Key::Density:
    case Key::DensityInf:
        return physics::Quantity::Density;
    case Key::Viscosity:
    case Key::ViscosityInf:
    case Key::SurfaceViscosity:
        return physics::Quantity::DynamicViscosity;
    case Key::Conductivity:
    case Key::ConductivityInf:
        return physics::Quantity::ThermalConductivity;
    case Key::SpecificHeat:
    case Key::SpecificHeatInf:
        return physics::Quantity::SpecificHeat;
    default:
        return physics::Quantity::Length;
    }
}

// The options of one case, or the keys of a case file (`file`), checked and read; messages name
// what was given: "--heat" or "case.heat".
struct Reader {
    const Given &given;
    bool file = false;
    // A case file's texts as written there, without the unit the reader puts after them.
    const std::array<std::string_view, keyCount> *fileTexts = nullptr;

    std::string quoted(Key key, std::string_view text) const
    {
        return "\"" + std::string(fileTexts ? trimmed((*fileTexts)[static_cast<std::size_t>(key)]) : text) + "\"";
    }

    std::string name(Key key) const
    {
        return file && !caseFileKey(key).empty() ? std::string(caseFileKey(key)) : optionName(key);
    }

    // Faults are built out of line: the checks that pass, nearly all of them in a batch, stay
    // small enough to inline.
    [[gnu::noinline, gnu::cold]] Fault notAChoice(Key key, std::string_view word, Choice choice) const
    {
        return usage(name(key) + ": \"" + std::string(word) + "\" is not one of " + choices(choice));
    }

    // Sets the choice's code from its option (left as not chosen when the option is not given);
    // a fault when the word is not one of the choice's words.
    std::optional<Fault> choose(Key key, Choice choice, Selection &s) const
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

    [[gnu::noinline, gnu::cold]] Fault notUsedFault(Key key, std::string_view why) const
    {
        return usage(name(key) + " is not used by " + std::string(why));
    }

    std::optional<Fault> notUsed(Key key, std::string_view why) const
    {
        if (!has(given, key))
            return std::nullopt;
        return notUsedFault(key, why);
    }

    [[gnu::noinline, gnu::cold]] Fault onlyUnheatedFault(Key key) const
    {
        return usage(name(key) + " is used only by a plate with an unheated starting length");
    }

    std::optional<Fault> usageUnlessUnheated(Key key) const
    {
        if (!has(given, key))
            return std::nullopt;
        return onlyUnheatedFault(key);
    }

    std::optional<Fault> missing(Key key, std::string_view what) const
    {
        return usage("missing " + name(key) + " (" + std::string(what) + ")");
    }

    // "10m/s", "12.7 mm", "26.2C", "101.325kPa"; a plain number is SI, except a temperature,
    // whose scale must be said. Empty text is a value not entered (the flow case says so beside
    // its field).
    std::optional<Fault> readQuantity(Key key, std::optional<double> &si, physics::Unit *unitUsed = nullptr) const
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
            return invalid(name(key) + ": " + quoted(key, text) +
                           (fileTexts ? " is not a number" : " does not start with a number"));
        std::optional<physics::Unit> unit = typed.unit;
        if (typed.unitText.empty()) {
            if (quantity == physics::Quantity::Temperature)
                return invalid(name(key) + ": a temperature needs its unit (C, K or F), e.g. " +
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
            return invalid(name(key) + ": unknown unit \"" + std::string(typed.unitText) + "\" (" +
                           known + ")");
        }
        if (!unit)
            return invalid(name(key) + ": give a unit");
        si = physics::toSI(*unit, *typed.value);
        if (unitUsed)
            *unitUsed = *unit;
        return std::nullopt;
    }

    // A typed property of a fluid of one's own: a number with its unit (998kg/m3, 62.3lbm/ft3) or
    // in SI units without one; the surface Prandtl number a plain number. A case file keeps them
    // as the window takes them, numbers in SI units. Empty text is a value not entered, as for the
    // inputs.
    std::optional<Fault> readProperty(Key key, std::optional<double> &si) const
    {
        if (!file && key != Key::SurfacePrandtl)
            return readQuantity(key, si);
        si.reset();
        if (!has(given, key) || trimmed(*at(given, key)).empty())
            return std::nullopt;
        si = readNumber(*at(given, key));
        if (!si)
            return invalid(name(key) + ": \"" + std::string(trimmed(*at(given, key))) + "\" is not a number" +
                           (file ? " (SI units)" : ""));
        return std::nullopt;
    }

    Reading readField(Key key) const
    {
        if (!has(given, key))
            return std::nullopt;
        return readNumber(*at(given, key));
    }

    std::optional<Fault> checkSelection(Selection &s) const;
    std::optional<Fault> checkFluid(physics::Problem &p) const;
    std::optional<Fault> build(Request &request) const;
    std::optional<Fault> readBank(physics::Problem &p) const;
};

std::optional<Fault> Reader::checkSelection(Selection &s) const
{
    if (!has(given, Key::Geometry))
        return missing(Key::Geometry, choices(Choice::Geometry));
    const auto &keys = choiceKeys;
    for (std::size_t i = 0; i < allChoices.size(); ++i)
        if (auto f = choose(keys[i], allChoices[i], s))
            return f;

    const std::string_view caseWords = caseName(s);
    for (std::size_t i = 5; i < allChoices.size(); ++i) {
        if (!isAsked(s, allChoices[i])) {
            if (auto f = notUsed(keys[i], caseWords))
                return f;
        } else if (codeOf(s, allChoices[i]) == 0) {
            return missing(keys[i], choices(allChoices[i]));
        }
    }
    if (s.isPlate()) {
        if (auto f = notUsed(Key::Sphere, caseWords))
            return f;
        if (s.heat == HeatCondition::None)
            return missing(Key::Heat, choices(Choice::Heat));
        if (s.flow == FlowCondition::None)
            return missing(Key::Flow, choices(Choice::Flow));
        const bool needsFluidType = isAsked(s, Choice::FluidType);
        if (needsFluidType && s.fluidType == FluidType::None)
            return missing(Key::FluidType, choices(Choice::FluidType));
        if (!needsFluidType && s.fluidType != FluidType::None)
            return usage(name(Key::FluidType) +
                         " is used only by laminar flow over a plate at uniform temperature");
        return std::nullopt;
    }
    for (Key key : {Key::Heat, Key::Flow, Key::FluidType})
        if (auto f = notUsed(key, caseWords))
            return f;
    if (!s.isSphere()) {
        if (auto f = notUsed(Key::Sphere, caseWords))
            return f;
    } else if (s.sphere == SphereType::None) {
        return missing(Key::Sphere, choices(Choice::Sphere));
    }
    return std::nullopt;
}

// The fluid, and for a fluid of one's own the properties its case takes.
std::optional<Fault> Reader::checkFluid(physics::Problem &p) const
{
    if (!has(given, Key::Fluid))
        return missing(Key::Fluid, physics::fluidChoiceWords());
    const std::string_view fluid = trimmed(*at(given, Key::Fluid));
    if (const std::optional<physics::FluidChoice> chosen = physics::fluidChoiceOf(fluid)) {
        p.fluid = *chosen;
    } else {
        // A kept fluid's name, or a table file.
        std::string why;
        const std::optional<physics::TableLookup> found = physics::lookUpTable(fluid, why);
        if (!found)
            return usage(name(Key::Fluid) + ": " + why);
        if (!found->read.table)
            return invalid(name(Key::Fluid) + ": " + found->file + ": " + found->read.where());
        p.fluid = physics::FluidChoice::Table;
        p.table = std::make_shared<const physics::PropertyTable>(*found->read.table);
    }

    if (p.fluid != physics::FluidChoice::Custom) {
        for (const PropertyKey &k : propertyKeys)
            if (has(given, k.key))
                return usage(name(k.key) + " is used only by " + name(Key::Fluid) + " custom");
        if (p.fluid == physics::FluidChoice::Table)
            return notUsed(Key::Pressure, "a fluid from a property table (its properties are at one pressure)");
        return std::nullopt;
    }
    if (auto f = notUsed(Key::Pressure, "a fluid of one's own (its properties are given)"))
        return f;
    const std::vector<physics::Field> needed = physics::customFieldsNeeded(p.selection);
    for (const PropertyKey &k : propertyKeys) {
        if (std::find(needed.begin(), needed.end(), k.field) == needed.end()) {
            if (auto f = notUsed(k.key, caseName(p.selection)))
                return f;
        } else if (!has(given, k.key)) {
            return invalid("missing " + name(k.key) + " (" + std::string(k.what) + "), which " +
                           std::string(caseName(p.selection)) + " in a fluid of one's own needs");
        } else if (auto f = readProperty(k.key, propertyOf(p.custom, k.field))) {
            return f;
        }
    }
    return std::nullopt;
}

std::optional<Fault> Reader::build(Request &request) const
{
    // The problem is reset only for a physical case, the one that reads it: a batch of
    // dimensionless rows copies it for none. Its default units are looked up once.
    static const physics::Problem blankProblem{};
    request.mode = Mode::Dimensionless;
    request.inputs = Inputs{};
    Selection &s = request.selection;
    s = Selection{Geometry::None};

    const Key dimensionlessKeys[] = {Key::Re, Key::Pr, Key::Prs, Key::Mu, Key::Mus};
    std::optional<Key> physicalGiven;
    for (std::size_t i = static_cast<std::size_t>(Key::Fluid); i < keyCount && !physicalGiven; ++i)
        if (given[i])
            physicalGiven = static_cast<Key>(i);
    if (physicalGiven || file) {
        if (physicalGiven)
            for (Key k : dimensionlessKeys)
                if (has(given, k))
                    return usage(optionName(k) + " and " + optionName(*physicalGiven) +
                                 " cannot be combined: give dimensionless numbers or a physical problem");
        request.mode = Mode::Physical;
        request.problem = blankProblem;
    }

    if (auto f = checkSelection(s))
        return f;
    const std::string_view caseWords = caseName(s);
    const bool unheatedPlate = s.hasUnheatedStart();

    if (request.mode == Mode::Dimensionless) {
        if (s.isTubeBank() || s.isNonCircular())
            return usage(std::string(caseWords) + " is stated as a physical problem (" + name(Key::Fluid) + ", "
                         + name(Key::Velocity) + ", " + name(Key::Length) + ", ...)");
        if (!s.isCylinder())
            if (auto f = notUsed(Key::Prs, caseWords))
                return f;
        if (!s.isRegularSphere()) {
            const std::string_view why = s.isSphere() ? "drops" : caseWords;
            if (auto f = notUsed(Key::Mu, why))
                return f;
            if (auto f = notUsed(Key::Mus, why))
                return f;
        }
        if (!unheatedPlate)
            for (Key k : {Key::Length, Key::X, Key::Xi})
                if (auto f = usageUnlessUnheated(k))
                    return f;
        Inputs &in = request.inputs;
        in.reynolds = readField(Key::Re);
        in.prandtl = readField(Key::Pr);
        in.prandtlSurface = readField(Key::Prs);
        in.plateLength = readField(Key::Length);
        in.distance = readField(Key::X);
        in.heatStart = readField(Key::Xi);
        in.mu = readField(Key::Mu);
        in.muSurface = readField(Key::Mus);
        return std::nullopt;
    }

    physics::Problem &p = request.problem;
    p.selection = s;
    if (!physics::needsDistances(s))
        for (Key k : {Key::X, Key::Xi})
            if (auto f = usageUnlessUnheated(k))
                return f;
    if (auto f = checkFluid(p))
        return f;

    // The uniform-flux plate is given its heat flux, every other case its surface temperature.
    const bool flux = physics::takesHeatFlux(s);
    if (auto f = notUsed(flux ? Key::TSurface : Key::HeatFlux,
                         flux ? "a plate at uniform heat flux (give " + name(Key::HeatFlux) + ")"
                              : "this case (give " + name(Key::TSurface) + ")"))
        return f;
    physics::Unit temperatureUnit = p.temperatureUnit;
    if (auto f = readQuantity(Key::HeatFlux, p.heatFlux, &p.heatFluxUnit))
        return f;
    if (auto f = readQuantity(Key::Velocity, p.velocity, &p.velocityUnit))
        return f;
    if (auto f = readQuantity(Key::Length, p.length, &p.lengthUnit))
        return f;
    if (auto f = readQuantity(Key::TSurface, p.surfaceTemperature, &temperatureUnit))
        return f;
    if (auto f = readQuantity(Key::TInf, p.freeStreamTemperature, &temperatureUnit))
        return f;
    p.temperatureUnit = temperatureUnit;
    if (has(given, Key::Pressure)) {
        physics::Unit pressureUnit = p.pressureUnit;
        if (auto f = readQuantity(Key::Pressure, p.pressure, &pressureUnit))
            return f;
        p.pressureUnit = pressureUnit;
    }
    if (auto f = readQuantity(Key::X, p.distance))
        return f;
    if (auto f = readQuantity(Key::Xi, p.heatStart))
        return f;
    return readBank(p);
}

// A tube bank's pitches (lengths) and numbers of tubes (plain numbers); no other case takes them.
std::optional<Fault> Reader::readBank(physics::Problem &p) const
{
    for (const Key k : {Key::TransversePitch, Key::LongitudinalPitch, Key::Rows, Key::TubesPerRow})
        if (!p.selection.isTubeBank())
            if (auto f = notUsed(k, caseName(p.selection)))
                return f;
    if (auto f = readQuantity(Key::TransversePitch, p.transversePitch))
        return f;
    if (auto f = readQuantity(Key::LongitudinalPitch, p.longitudinalPitch))
        return f;
    for (const auto &[key, count] : {std::pair{Key::Rows, &p.rows}, std::pair{Key::TubesPerRow, &p.tubesPerRow}}) {
        *count = readField(key);
        if (has(given, key) && !trimmed(*at(given, key)).empty() && !*count)
            return invalid(name(key) + ": " + quoted(key, trimmed(*at(given, key))) + " is not a number");
    }
    return std::nullopt;
}

} // namespace

std::string_view caseFileKey(Key key)
{
    switch (key) {
    case Key::Geometry: return "case.geometry";
    case Key::Heat: return "case.heat";
    case Key::Flow: return "case.flow";
    case Key::FluidType: return "case.fluid_type";
    case Key::Sphere: return "case.sphere";
    case Key::Arrangement: return "case.arrangement";
    case Key::Section: return "case.section";
    case Key::TransversePitch: return "inputs.transverse_pitch.text";
    case Key::LongitudinalPitch: return "inputs.longitudinal_pitch.text";
    case Key::Rows: return "inputs.rows.text";
    case Key::TubesPerRow: return "inputs.tubes_per_row.text";
    case Key::Fluid: return "fluid";
    case Key::Velocity: return "inputs.velocity.text";
    case Key::Length: return "inputs.length.text";
    case Key::X: return "inputs.x.text";
    case Key::Xi: return "inputs.xi.text";
    case Key::TInf: return "inputs.t_inf.text";
    case Key::TSurface: return "inputs.t_surface.text";
    case Key::Pressure: return "inputs.pressure.text";
    case Key::HeatFlux: return "inputs.heat_flux.text";
    case Key::Density: return "custom.film.density";
    case Key::Viscosity: return "custom.film.viscosity";
    case Key::Conductivity: return "custom.film.conductivity";
    case Key::SpecificHeat: return "custom.film.specific_heat";
    case Key::DensityInf: return "custom.free_stream.density";
    case Key::ViscosityInf: return "custom.free_stream.viscosity";
    case Key::ConductivityInf: return "custom.free_stream.conductivity";
    case Key::SpecificHeatInf: return "custom.free_stream.specific_heat";
    case Key::SurfacePrandtl: return "custom.surface_prandtl";
    case Key::SurfaceViscosity: return "custom.surface_viscosity";
    default: return {};
    }
}

bool isPhysical(Key k)
{
    return k >= Key::Fluid; // the keys of a physical problem come last
}

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
    return Reader{given, false}.build(request);
}

std::optional<Fault> buildRequest(const physics::CaseFile &c, Request &request)
{
    // The choices the calculator would ask for, in its order, given those before them: a choice
    // kept from an earlier case (a fluid type once the flow is turbulent) is left aside.
    Given given;
    Selection asked{Geometry::None};
    for (std::size_t i = 0; i < allChoices.size(); ++i) {
        const Choice choice = allChoices[i];
        if (!isAsked(asked, choice) || wordOf(c.selection, choice).empty())
            continue;
        setCode(asked, choice, codeOf(c.selection, choice));
        given[static_cast<std::size_t>(choiceKeys[i])] = wordOf(c.selection, choice);
    }
    if (c.has("fluid"))
        given[static_cast<std::size_t>(Key::Fluid)] =
            c.fluid == physics::FluidChoice::Table ? std::string_view(c.fluidTable) : physics::fluidWord(c.fluid);

    // Inputs as the options write them, the text and its unit together; a unit left empty is the
    // quantity's default one, as in the window.
    struct InputKey {
        Key key;
        std::string_view name;
        const physics::TypedValue physics::CaseFile::*typed;
    };
    static constexpr InputKey inputKeys[] = {
        {Key::Velocity, "velocity", &physics::CaseFile::velocity},
        {Key::Length, "length", &physics::CaseFile::length},
        {Key::TInf, "t_inf", &physics::CaseFile::freeStreamTemperature},
        {Key::TSurface, "t_surface", &physics::CaseFile::surfaceTemperature},
        {Key::Pressure, "pressure", &physics::CaseFile::pressure},
        {Key::X, "x", &physics::CaseFile::distance},
        {Key::Xi, "xi", &physics::CaseFile::heatStart},
        {Key::HeatFlux, "heat_flux", &physics::CaseFile::heatFlux},
        {Key::TransversePitch, "transverse_pitch", &physics::CaseFile::transversePitch},
        {Key::LongitudinalPitch, "longitudinal_pitch", &physics::CaseFile::longitudinalPitch},
        {Key::Rows, "rows", &physics::CaseFile::rows},
        {Key::TubesPerRow, "tubes_per_row", &physics::CaseFile::tubesPerRow},
    };
    const bool custom = c.fluid == physics::FluidChoice::Custom && c.has("fluid");
    const bool table = c.fluid == physics::FluidChoice::Table && c.has("fluid");
    const auto used = [&](Key key) {
        switch (key) {
        case Key::TSurface: return !physics::takesHeatFlux(asked);
        case Key::HeatFlux: return physics::takesHeatFlux(asked);
        case Key::X:
        case Key::Xi: return physics::needsDistances(asked);
        case Key::Pressure: return !custom && !table;
        default: return key < Key::TransversePitch || asked.isTubeBank(); // a tube bank's inputs last
        }
    };
    std::array<std::string, keyCount> texts;
    std::array<std::string_view, keyCount> written;
    for (const InputKey &k : inputKeys) {
        const physics::TypedValue &v = c.*k.typed;
        if (!c.has(k.name) || !used(k.key))
            continue;
        std::string &text = texts[static_cast<std::size_t>(k.key)];
        text = v.text;
        written[static_cast<std::size_t>(k.key)] = v.text;
        if (!trimmed(text).empty() && k.key != Key::Rows && k.key != Key::TubesPerRow)
            text += v.unit.empty() ? physics::defaultUnit(quantityOf(k.key)).symbol : std::string_view(v.unit);
        given[static_cast<std::size_t>(k.key)] = text;
    }
    if (custom) {
        const std::vector<physics::Field> needed = physics::customFieldsNeeded(asked);
        for (const PropertyKey &k : propertyKeys)
            if (std::find(needed.begin(), needed.end(), k.field) != needed.end())
                given[static_cast<std::size_t>(k.key)] = physics::customText(c, k.field);
    }
    return Reader{given, true, &written}.build(request);
}

} // namespace nusselt::cli
