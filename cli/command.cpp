#include "command.h"

#include "batch.h"
#include "casefile.h"
#include "files.h"
#include "fluidstore.h"
#include "numbers.h"
#include "properties.h"
#include "report.h"
#include "request.h"
#include "units.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#ifndef NUSSELT_VERSION
#define NUSSELT_VERSION "0"
#endif

namespace nusselt::cli {
namespace {

constexpr int exitRefused = 1;
constexpr int exitUsage = 2;

void emit(const std::string &text, std::FILE *stream = stdout)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

void complain(const std::string &message)
{
    emit("nusselt: " + message + "\n", stderr);
}

std::string_view helpOf(Key key)
{
    switch (key) {
    case Key::Geometry: return "plate, cylinder, sphere, tube-bank or noncircular";
    case Key::Heat: return "plate: temperature, flux or unheated (starting length)";
    case Key::Flow: return "plate: laminar, turbulent or mixed";
    case Key::FluidType: return "laminar plate at uniform temperature: regular or liquid-metal";
    case Key::Sphere: return "sphere: regular or drops";
    case Key::Arrangement: return "tube bank: aligned or staggered";
    case Key::Section: return "noncircular: square, square-corner, hexagon, hexagon-corner or plate (to the flow)";
    case Key::Re: return "Reynolds number";
    case Key::Pr: return "Prandtl number";
    case Key::Prs: return "cylinder: Prandtl number at the surface temperature";
    case Key::Mu: return "regular sphere: viscosity at the free-stream temperature";
    case Key::Mus: return "regular sphere: viscosity at the surface temperature";
    case Key::Length: return "unheated plate: its length; physical: plate length, diameter (tube bank: of a tube) or a section's width D (12.7mm)";
    case Key::X: return "unheated plate: distance from the leading edge";
    case Key::Xi: return "unheated plate: where heating starts";
    case Key::Fluid: return "physical: air, water, steam, sodium, nak, lead, lead-bismuth or custom (a fluid of one's own: give its properties)";
    case Key::Velocity: return "physical: free-stream velocity (10m/s, 32.8ft/s)";
    case Key::TInf: return "physical: free-stream temperature (26.2C, 299.35K, 79.2F)";
    case Key::TSurface: return "physical: surface temperature";
    case Key::Pressure: return "physical: pressure (101.325kPa, 1atm, 14.7psi, 1bar; default 1 atm)";
    case Key::HeatFlux: return "physical, uniform-flux plate: heat flux, instead of the surface temperature (500W/m2, 0.5kW/m2)";
    case Key::Density: return "custom fluid: density at the film temperature (998kg/m3, 62.3lbm/ft3; plain: kg/m3)";
    case Key::Viscosity: return "custom fluid: dynamic viscosity at the film temperature (1e-3Pa.s, 2.42lbm/(ft.h); plain: Pa.s)";
    case Key::Conductivity: return "custom fluid: thermal conductivity at the film temperature (0.6W/(m.K), 0.35Btu/(h.ft.F); plain: W/(m.K))";
    case Key::SpecificHeat: return "custom fluid: specific heat at the film temperature (4180J/(kg.K), 1Btu/(lbm.F); plain: J/(kg.K))";
    case Key::DensityInf: return "custom fluid, cylinder and regular sphere: density at the free-stream temperature";
    case Key::ViscosityInf: return "custom fluid, cylinder and regular sphere: viscosity at the free-stream temperature";
    case Key::ConductivityInf: return "custom fluid, cylinder and regular sphere: conductivity at the free-stream temperature";
    case Key::SpecificHeatInf: return "custom fluid, cylinder and regular sphere: specific heat at the free-stream temperature";
    case Key::SurfacePrandtl: return "custom fluid, cylinder: Prandtl number at the surface temperature";
    case Key::SurfaceViscosity: return "custom fluid, regular sphere: viscosity at the surface temperature, as --viscosity";
    case Key::TransversePitch: return "tube bank: transverse pitch S_T, across the flow (31.3mm)";
    case Key::LongitudinalPitch: return "tube bank: longitudinal pitch S_L, along the flow (34.3mm)";
    case Key::Rows: return "tube bank: number of rows N_L along the flow";
    case Key::TubesPerRow: return "tube bank: tubes per row N_T (optional: the whole bank's heat rate)";
    }
    return {};
}

int finish(const Request &request, const std::string &format)
{
    Answer result;
    answer(request, result);
    std::string out;
    if (format == "json")
        writeJson(out, request, result);
    else if (!result.invalid() && !result.refused())
        writeText(out, request, result);
    emit(out);
    if (result.invalid()) {
        for (const physics::Message &m : result.evaluation.messages)
            complain(std::string(physics::fieldName(m.field)) + ": " + m.text);
        return exitRefused;
    }
    if (result.refused()) {
        complain(failureText(result));
        return exitRefused;
    }
    return 0;
}

// Selection and problem of a case file, as `calculate` takes them.
int calculateCase(const std::string &path, const std::string &format)
{
    std::string text;
    std::string error;
    switch (readBoundedFile(path, physics::caseFileSizeLimit, text, error)) {
    case BoundedRead::Read:
        break;
    case BoundedRead::Unreadable:
        complain(error);
        return exitUsage;
    case BoundedRead::Refused:
        complain(error);
        return exitRefused;
    }
    physics::CaseFileError fault;
    const std::optional<physics::CaseFile> caseFile = physics::fromJson(text, fault);
    if (!caseFile) {
        complain(path + ": " + fault.message);
        return fault.usage ? exitUsage : exitRefused;
    }
    Request request;
    if (std::optional<Fault> wrong = buildRequest(*caseFile, request)) {
        complain(path + ": " + wrong->message);
        return wrong->kind == Fault::Kind::Usage ? exitUsage : exitRefused;
    }
    return finish(request, format);
}

// `properties` reads its temperature as a case reads --t-inf; messages name its own option.
std::string replaceOption(std::string message)
{
    const std::string from = optionName(Key::TInf);
    if (const std::size_t at = message.find(from); at != std::string::npos)
        message.replace(at, from.size(), "--temperature");
    return message;
}

// A --fluid-file path as --fluid takes it: one that does not look like a path gets "./".
std::string asTablePath(const std::string &path)
{
    return physics::looksLikeTableFile(path) ? path : "./" + path;
}

int properties(const std::string &fluidWord, const std::string &temperature,
               const std::optional<std::string> &pressure, const std::string &format)
{
    // The same reading as a physical case's temperature and pressure, for the tabulated fluids.
    const std::optional<physics::FluidChoice> choice = physics::fluidChoiceOf(trimmed(fluidWord));
    const bool table = !choice && (physics::looksLikeTableFile(trimmed(fluidWord)) || physics::keptFluidFile(trimmed(fluidWord)));
    if (!table && (!choice || !physics::tabulated(*choice))) {
        std::string words;
        for (const physics::Fluid f : physics::allFluids)
            words += (words.empty() ? "" : f == physics::Fluid::LeadBismuth ? " or " : ", ")
                + std::string(physics::fluidWord(f));
        complain("--fluid: \"" + std::string(trimmed(fluidWord)) + "\" is not one of " + words);
        return exitUsage;
    }
    Given given;
    given[static_cast<std::size_t>(Key::TInf)] = temperature;
    if (pressure)
        given[static_cast<std::size_t>(Key::Pressure)] = *pressure;
    given[static_cast<std::size_t>(Key::Fluid)] = fluidWord;
    given[static_cast<std::size_t>(Key::Geometry)] = "cylinder";
    Request request;
    if (std::optional<Fault> fault = buildRequest(given, request)) {
        complain(replaceOption(fault->message));
        return fault->kind == Fault::Kind::Usage ? exitUsage : exitRefused;
    }
    const physics::Problem &p = request.problem;
    if (!p.freeStreamTemperature || !p.pressure) {
        complain("--temperature: give a temperature with its unit, e.g. 300K");
        return exitRefused;
    }
    if (p.table) {
        const physics::PropertyResult r = p.table->at(*p.freeStreamTemperature, *p.pressure);
        if (!r.ok()) {
            complain(p.table->name() + " properties are known from "
                     + physics::quotedLimit(p.table->minTemperature(), p.temperatureUnit, physics::Limit::Lower, 2) + " to "
                     + physics::quotedLimit(p.table->maxTemperature(), p.temperatureUnit, physics::Limit::Upper, 2));
            return exitRefused;
        }
        std::string out;
        if (format == "json")
            writePropertiesJson(out, std::nullopt, r.state);
        else
            writePropertiesText(out, p.table->name(), std::nullopt, r.state);
        emit(out);
        return 0;
    }
    const physics::Fluid fluid = *physics::tabulated(p.fluid);
    const physics::PropertyResult r =
        physics::properties(fluid, *p.freeStreamTemperature, *p.pressure);
    if (!r.ok()) {
        complain(propertyIssueText(fluid, r, p.temperatureUnit, p.pressureUnit));
        return exitRefused;
    }
    std::string out;
    if (format == "json")
        writePropertiesJson(out, fluid, r.state);
    else
        writePropertiesText(out, physics::fluidWord(fluid), fluid, r.state);
    emit(out);
    return 0;
}

// Whether word is the symbol of a unit of any quantity ("K", "m/s", "kPa").
bool isUnit(const std::string &word)
{
    for (int q = 0; q <= static_cast<int>(physics::Quantity::HeatRate); ++q)
        if (physics::readTyped(static_cast<physics::Quantity>(q), "1" + word).unit)
            return true;
    return false;
}

} // namespace

int run(int argc, const char *const *argv)
{
    CLI::App app{"Nusselt numbers of forced convection in external flow: the calculator's cases "
                 "from the command line.",
                 "nusselt"};
    app.set_version_flag("--version", "nusselt " NUSSELT_VERSION);
    app.require_subcommand(1);
    app.footer("See nusselt(1) for the cases, units, batch files and case files.");

    CLI::App *calc = app.add_subcommand(
        "calculate", "One case: dimensionless numbers as the calculator takes them, or a physical "
                     "problem (fluid, velocity, size, temperatures)");
    std::array<std::string, keyCount> texts;
    std::array<CLI::Option *, keyCount> options{};
    for (std::size_t i = 0; i < keyCount; ++i)
        options[i] = calc->add_option(optionName(static_cast<Key>(i)), texts[i],
                                      std::string(helpOf(static_cast<Key>(i))));
    // A fluid from a table file: --fluid with the path, made one if it does not look like one.
    std::string fluidFile;
    CLI::Option *fluidFileOption = calc->add_option(
        "--fluid-file", fluidFile, "physical: a CSV table of the fluid's properties (see FLUID FROM A TABLE)");
    std::string casePath;
    CLI::Option *caseOption =
        calc->add_option("--case", casePath, "a case file saved by the Flow Conditions window");
    std::string format = "text";
    const auto formats = CLI::IsMember({"text", "json"});
    calc->add_option("--format", format, "text (default) or json")->check(formats);

    CLI::App *props = app.add_subcommand(
        "properties", "A fluid's properties at a temperature and pressure (SI output)");
    std::string fluid;
    std::string temperature;
    std::string pressure;
    CLI::Option *propsFluid =
        props->add_option("--fluid", fluid, "air, water, steam, sodium, nak, lead, lead-bismuth or a kept fluid's name");
    std::string propsFluidFile;
    props->add_option("--fluid-file", propsFluidFile, "a CSV table of the fluid's properties")->excludes(propsFluid);
    props->add_option("--temperature", temperature, "with its unit: 300K, 26.85C, 80.33F")->required();
    CLI::Option *pressureOption =
        props->add_option("--pressure", pressure, "101.325kPa, 1atm, 1bar, 14.7psi (default 1 atm)");
    std::string propsFormat = "text";
    props->add_option("--format", propsFormat, "text (default) or json")->check(formats);

    CLI::App *batch = app.add_subcommand(
        "batch", "Cases from a CSV file (header: option names with underscores), answers as CSV");
    std::string input = "-";
    std::string output = "-";
    batch->add_option("--input", input, "CSV file to read; - or absent: standard input");
    batch->add_option("--output", output, "CSV file to write; - or absent: standard output");

    // "--pr=" is an empty field, as "--pr ''" is; an option followed by another option has no
    // value rather than taking that option as its value.
    const auto usageError = [](const std::string &message) {
        complain(message);
        complain("run 'nusselt --help' or 'nusselt SUBCOMMAND --help' for the options");
        return exitUsage;
    };
    std::vector<std::string> args;
    std::vector<std::string_view> seen;
    for (int i = argc - 1; i >= 1; --i) {
        const std::string_view arg = argv[i];
        const bool option = arg.size() > 2 && arg.substr(0, 2) == "--";
        const std::string_view name = option ? arg.substr(0, arg.find('=')) : std::string_view();
        if (option && std::find(seen.begin(), seen.end(), name) != seen.end())
            return usageError(std::string(name) + " was given twice");
        if (option)
            seen.push_back(name);
        if (option && arg.back() == '=' && arg.find('=') == arg.size() - 1) {
            args.emplace_back();
            args.emplace_back(arg.substr(0, arg.size() - 1));
            continue;
        }
        if (option && arg.find('=') == std::string_view::npos && arg != "--help" &&
            arg != "--version" && !args.empty() && args.back().size() > 2 &&
            args.back().compare(0, 2, "--") == 0) {
            return usageError(std::string(arg) + " has no value (for an empty one write " +
                              std::string(arg) + "=)");
        }
        args.emplace_back(arg);
    }
    try {
        app.parse(std::move(args));
    } catch (const CLI::CallForHelp &e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp &e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion &e) {
        return app.exit(e);
    } catch (const CLI::RequiredError &e) {
        // No subcommand: the first word, when there is one, is not a subcommand's name.
        if (argc > 1 && argv[1][0] != '-' && !app.got_subcommand(calc) && !app.got_subcommand(props) &&
            !app.got_subcommand(batch))
            return usageError(std::string("\"") + argv[1] +
                              "\" is not a subcommand: calculate, properties or batch");
        return usageError(e.what());
    } catch (const CLI::ExtrasError &e) {
        // "--temperature 300 K": the unit written apart from its number.
        for (int i = 3; i < argc; ++i) {
            const std::string_view option = argv[i - 2];
            if (isUnit(argv[i]) && option.size() > 2 && option.substr(0, 2) == "--" &&
                option.find('=') == std::string_view::npos && readNumber(argv[i - 1]))
                return usageError(std::string(option) + ": write the unit without a space (" +
                                  argv[i - 1] + argv[i] + ")");
        }
        return usageError(e.what());
    } catch (const CLI::ParseError &e) {
        complain(e.what());
        complain("run 'nusselt --help' or 'nusselt SUBCOMMAND --help' for the options");
        return exitUsage;
    }

    if (calc->parsed()) {
        if (caseOption->count() > 0) {
            for (std::size_t i = 0; i < keyCount; ++i)
                if (options[i]->count() > 0) {
                    complain("--case cannot be combined with " + optionName(static_cast<Key>(i)));
                    return exitUsage;
                }
            return calculateCase(casePath, format);
        }
        Given given;
        for (std::size_t i = 0; i < keyCount; ++i)
            if (options[i]->count() > 0)
                given[i] = texts[i];
        const std::size_t fluidKey = static_cast<std::size_t>(Key::Fluid);
        if (fluidFileOption->count() > 0) {
            if (given[fluidKey]) {
                complain("--fluid-file cannot be combined with --fluid");
                return exitUsage;
            }
            fluidFile = asTablePath(fluidFile);
            given[fluidKey] = fluidFile;
        }
        Request request;
        if (std::optional<Fault> fault = buildRequest(given, request)) {
            complain(fault->message);
            return fault->kind == Fault::Kind::Usage ? exitUsage : exitRefused;
        }
        return finish(request, format);
    }
    if (props->parsed()) {
        if (propsFluid->count() == 0 && propsFluidFile.empty())
            return usageError("properties: give --fluid or --fluid-file");
        if (propsFluid->count() == 0)
            fluid = asTablePath(propsFluidFile);
        return properties(fluid, temperature,
                          pressureOption->count() > 0 ? std::optional<std::string>(pressure)
                                                      : std::nullopt,
                          propsFormat);
    }

    std::FILE *in = stdin;
    if (input != "-" && !(in = std::fopen(input.c_str(), "rb"))) {
        complain(input + ": cannot open");
        return exitUsage;
    }
    const auto closeInput = [in] {
        if (in != stdin)
            std::fclose(in);
    };
    if (output != "-" && isSameFile(in, output)) {
        complain(output + ": is the input file; write the answers to another file");
        closeInput();
        return exitUsage;
    }
    std::optional<ReplacingFile> file;
    if (output != "-") {
        file.emplace(output);
        if (!file->stream()) {
            complain(file->error());
            closeInput();
            return exitUsage;
        }
    }
    const BatchStatus status = runBatch(in, file ? file->stream() : stdout);
    closeInput();
    if (file && status.exitCode != 2 && !file->commit()) {
        complain(file->error());
        return exitUsage;
    }
    if (!status.usage.empty())
        complain("batch: " + status.usage);
    return status.exitCode;
}

} // namespace nusselt::cli
