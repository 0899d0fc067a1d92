// The nusselt program as a user runs it: exit status, messages, JSON that parses, units, case
// files, and a textbook cylinder in air whose numbers come from the reference property formulations
// and the published correlation constants, not from this program. Batch files: tst_cli_batch.cpp.

#include "casefile.h"
#include "clitest.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <sys/stat.h>

using namespace clitest;

namespace {

const char *cylinderInAir = "calculate --geometry cylinder --fluid air --velocity 10m/s "
                            "--length 12.7mm --t-inf 26.2C --t-surface 128.4C --pressure 1atm";

} // namespace

class Cli : public QObject
{
    Q_OBJECT

private slots:
    void machAndExcessTemperature_data();
    void machAndExcessTemperature();
    void exitStatus_data();
    void exitStatus();
    void jsonAnswers_data();
    void jsonAnswers();
    void negativeValueForms();
    void sameProblemInOtherUnits_data();
    void sameProblemInOtherUnits();
    void cylinderInAirTextbookExample();
    void waterPropertiesPublishedValues();
    void caseFileRoundTrip();
    void caseFileThroughProgram();
    void caseFileThatIsNoFileOrTooLargeRefused();
    void textTablesKeepColumnsApart_data();
    void textTablesKeepColumnsApart();
    void usageMessages_data();
    void usageMessages();
};

// Each row: arguments, exit status, a piece of what standard error says (empty: says nothing).
// The top-level `mach` and each result's `temperature_difference_K`, against the speed of sound of
// python3-iapws (Lemmon et al. air: 346.94477 m/s at 26.2 °C, 343.34389 m/s at 20 °C) and against
// q'' = h (Ts - T_inf) for the uniform-flux plate; null where they do not apply.
void Cli::machAndExcessTemperature_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<double>("mach");         // NaN: null (a liquid)
    QTest::addColumn<double>("heatFlux");     // NaN: no temperature differences (Ts given)
    QTest::newRow("cylinder in air at 400 m/s")
        << "--geometry cylinder --fluid air --velocity 400m/s --length 12.7mm --t-inf 26.2C --t-surface 128.4C"
        << 400.0 / 346.94477208976076 << qQNaN();
    QTest::newRow("laminar flux plate in air")
        << "--geometry plate --heat flux --flow laminar --fluid air --velocity 5m/s --length 0.5m --t-inf 20C "
           "--heat-flux 0.5kW/m2"
        << 5.0 / 343.34388968666906 << 500.0;
    QTest::newRow("turbulent flux plate in water")
        << "--geometry plate --heat flux --flow turbulent --fluid water --velocity 2m/s --length 1m --t-inf 20C "
           "--heat-flux 1584.9915Btu/(h.ft2)"
        << qQNaN() << 5000.0;
}

void Cli::machAndExcessTemperature()
{
    QFETCH(QString, args);
    QFETCH(double, mach);
    QFETCH(double, heatFlux);
    const Run r = runProgram(QStringList{"calculate"} + args.split(' ') + QStringList{"--format", "json"});
    QCOMPARE(r.code, 0);
    const json j = parsed(r.out);
    if (std::isnan(mach))
        QVERIFY(j.at("mach").is_null());
    else
        QVERIFY2(near(j.at("mach").get<double>(), mach, 1e-5), j.at("mach").dump().c_str());
    for (const json &row : j.at("results")) {
        if (std::isnan(heatFlux)) {
            QVERIFY(row.at("temperature_difference_K").is_null());
            continue;
        }
        const double dT = row.at("temperature_difference_K").get<double>();
        QVERIFY2(near(dT * row.at("h").get<double>(), heatFlux, 1e-4), row.dump().c_str());
    }
}

void Cli::exitStatus_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");

    QTest::newRow("computed") << "calculate --geometry sphere --sphere drops --re 100 --pr 0.7" << 0 << "";
    QTest::newRow("help") << "--help" << 0 << "";
    QTest::newRow("subcommand help") << "batch --help" << 0 << "";
    QTest::newRow("version") << "--version" << 0 << "";
    QTest::newRow("no subcommand") << "" << 2 << "nusselt: ";
    QTest::newRow("unknown option") << "calculate --geometry plate --colour red" << 2 << "--colour";
    QTest::newRow("unknown choice") << "calculate --geometry cone --re 1 --pr 1" << 2 << "--geometry: \"cone\"";
    QTest::newRow("missing geometry") << "calculate --re 1 --pr 1" << 2 << "missing --geometry";
    QTest::newRow("missing heat") << "calculate --geometry plate --flow laminar --re 1 --pr 1" << 2 << "missing --heat";
    QTest::newRow("missing fluid type") << "calculate --geometry plate --heat temperature --flow laminar --re 1 --pr 1"
                                        << 2 << "missing --fluid-type";
    QTest::newRow("missing sphere") << "calculate --geometry sphere --re 1 --pr 1" << 2 << "missing --sphere";
    QTest::newRow("unused prs") << "calculate --geometry sphere --sphere drops --re 1 --pr 1 --prs 1" << 2 << "--prs";
    QTest::newRow("unused heat") << "calculate --geometry cylinder --heat flux --re 1 --pr 1 --prs 1" << 2 << "--heat";
    QTest::newRow("unused fluid type") << "calculate --geometry plate --heat flux --flow laminar --fluid-type regular --re 1 --pr 1"
                                       << 2 << "--fluid-type";
    QTest::newRow("unused x") << "calculate --geometry plate --heat flux --flow laminar --re 1 --pr 1 --x 1" << 2 << "--x";
    QTest::newRow("mixed modes") << "calculate --geometry cylinder --re 1e4 --velocity 10m/s" << 2 << "--re";
    QTest::newRow("bad format") << "calculate --geometry sphere --sphere drops --re 1 --pr 1 --format xml" << 2 << "--format";
    QTest::newRow("no Re") << "calculate --geometry sphere --sphere drops --pr 0.7" << 1
                           << "nusselt: Values not entered: Enter Reynolds and Prandtl number";
    QTest::newRow("Re not a number") << "calculate --geometry sphere --sphere drops --re abc --pr 0.7" << 1
                                     << "Values not entered";
    QTest::newRow("nan") << "calculate --geometry sphere --sphere drops --re nan --pr 0.7" << 1 << "Values not entered";
    QTest::newRow("flux mixed") << "calculate --geometry plate --heat flux --flow mixed --re 1e6 --pr 1" << 1
                                << "nusselt: Calculation Failed: Choose Laminar or Turbulant Flow";
    QTest::newRow("unheated mixed") << "calculate --geometry plate --heat unheated --flow mixed --re 1e6 --pr 1" << 1
                                    << "Choose Laminar or Turbulant Flow";
    QTest::newRow("no mu") << "calculate --geometry sphere --sphere regular --re 1e3 --pr 0.7" << 1
                           << "Values not entered: Set Mu,Mus and Calculate";
    QTest::newRow("temperature without unit") << "calculate --geometry cylinder --fluid air --velocity 1 --length 0.01 --t-inf 300 --t-surface 310K"
                                              << 1 << "--t-inf: a temperature needs its unit";
    QTest::newRow("unknown unit") << "calculate --geometry cylinder --fluid air --velocity 1furlong/s --length 0.01 --t-inf 300K --t-surface 310K"
                                  << 1 << "--velocity: unknown unit \"furlong/s\"";
    QTest::newRow("water boils") << "calculate --geometry cylinder --fluid water --velocity 1m/s --length 1cm --t-inf 20C --t-surface 120C"
                                 << 1 << "nusselt: ";
    QTest::newRow("properties out of range") << "properties --fluid air --temperature 100K" << 1 << "nusselt: ";
    QTest::newRow("properties plain number") << "properties --fluid air --temperature 300" << 1 << "--temperature";
    QTest::newRow("missing case file") << "calculate --case /nonexistent/case.json" << 2 << "cannot read";
    QTest::newRow("batch missing file") << "batch --input /nonexistent/in.csv" << 2 << "cannot open";
}

void Cli::exitStatus()
{
    QFETCH(QString, args);
    QFETCH(int, code);
    QFETCH(QString, says);
    const Run r = runProgram(args.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    QCOMPARE(r.code, code);
    if (says.isEmpty())
        QVERIFY2(r.err.isEmpty(), r.err.constData());
    else
        QVERIFY2(QString::fromUtf8(r.err).contains(says), r.err.constData());
    if (code == 0)
        QVERIFY(!r.out.isEmpty());
}

void Cli::jsonAnswers_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("expected"); // JSON the answer must contain (a subset)

    QTest::newRow("laminar plate") << "--geometry plate --heat temperature --flow laminar --fluid-type regular --re 10000 --pr 1"
                                   << R"({"fields":{"nusselt":"33.2","average_nusselt":"66.4","note":"","zhukauskas":null}})";
    QTest::newRow("mixed plate") << "--geometry plate --heat temperature --flow mixed --re 1000000 --pr 1"
                                 << R"({"fields":{"nusselt":"","average_nusselt":"1463.54","note":"Valid if Recritical = 500,000","zhukauskas":null}})";
    QTest::newRow("cylinder above Zhukauskas") << "--geometry cylinder --re 3e6 --pr 0.7 --prs 0.7"
                                               << R"({"fields":{"average_nusselt":"Hilpert Failed","zhukauskas":"Zhukauskas Failed"}})";
    QTest::newRow("drops") << "--geometry sphere --sphere drops --re 100 --pr 0.7"
                           << R"({"fields":{"nusselt":null,"average_nusselt":"7.32742","note":null,"zhukauskas":null}})";
    QTest::newRow("refusal") << "--geometry plate --heat temperature --flow mixed --re 1000 --pr 1"
                             << R"({"refused":{"title":"Conditions not met","note":"Mixed Flow needs Re >= 500,000"}})";
}

void Cli::jsonAnswers()
{
    QFETCH(QString, args);
    QFETCH(QString, expected);
    const Run r = runProgram(QStringList{"calculate"} + args.split(' ') + QStringList{"--format", "json"});
    const json answer = parsed(r.out);
    const json want = json::parse(expected.toStdString());
    for (auto it = want.begin(); it != want.end(); ++it)
        for (auto f = it.value().begin(); f != it.value().end(); ++f)
            QCOMPARE(QString::fromStdString(answer[it.key()][f.key()].dump()),
                     QString::fromStdString(f.value().dump()));
    QCOMPARE(r.code, answer.contains("refused") ? 1 : 0);
    if (!answer.contains("refused")) {
        // Every result names its correlation and kind; numbers read back exactly as printed.
        for (const json &result : answer["results"]) {
            QVERIFY(result["correlation"].is_string());
            QVERIFY(result["kind"] == "local" || result["kind"] == "average");
            QVERIFY(result["nusselt"].is_number() || result["nusselt"].is_null());
            QVERIFY(result["outside_range"].is_array());
        }
    }
}

void Cli::negativeValueForms()
{
    // Re < 0 is refused by the calculator; both spellings must reach it as -1, not as an option.
    for (const QStringList &re : {QStringList{"--re=-1"}, QStringList{"--re", "-1"}}) {
        const Run r = runProgram(QStringList{"calculate", "--geometry", "sphere", "--sphere", "drops"} + re +
                              QStringList{"--pr", "1"});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QByteArray("nusselt: Conditions not met: Check Reynolds and Prandtl numbers\n"));
    }
}

// One problem written in different units must give one Reynolds number: the conversion factors are
// exact (international foot and inch, standard atmosphere, 5/9 kelvin per Fahrenheit degree).
void Cli::sameProblemInOtherUnits_data()
{
    QTest::addColumn<QString>("units");
    QTest::newRow("SI") << "--velocity 10m/s --length 0.0127 --t-inf 299.35K --t-surface 401.55K --pressure 101325";
    QTest::newRow("Celsius kPa") << "--velocity 10 --length 12.7mm --t-inf 26.2C --t-surface 128.4C --pressure 101.325kPa";
    QTest::newRow("imperial") << "--velocity 32.80839895013123ft/s --length 0.5in --t-inf 79.16F --t-surface 263.12F --pressure 14.695948775513449psi";
    QTest::newRow("bar, blanks") << "--velocity 10 m/s --length 12.7 mm --t-inf 26.2 C --t-surface 128.4 C --pressure 1.01325bar";
}

void Cli::sameProblemInOtherUnits()
{
    QFETCH(QString, units);
    QStringList args{"calculate", "--geometry", "cylinder", "--fluid", "air", "--format", "json"};
    // "10 m/s" stays one argument.
    const QStringList parts = units.split(QLatin1Char(' '));
    for (int i = 0; i < parts.size(); ++i) {
        if (parts[i].startsWith("--"))
            args << parts[i];
        else if (args.last().startsWith("--"))
            args << parts[i];
        else
            args.last() += ' ' + parts[i];
    }
    const Run r = runProgram(args);
    QCOMPARE(r.code, 0);
    const json a = parsed(r.out);
    QVERIFY2(near(a["reynolds"].get<double>(), 6124.158665959376, 3e-4), r.out.constData());
    QVERIFY(near(a["film_temperature_K"].get<double>(), 350.45, 1e-9));
}

// Incropera's Example 7.4 setting (cylinder, air, D = 12.7 mm, V = 10 m/s, T_inf = 26.2 °C,
// T_s = 128.4 °C, 1 atm). Expected values: properties from python3-iapws (Lemmon et al. air) at
// the film temperature 350.45 K (free stream 299.35 K and surface 401.55 K for Zhukauskas), then
// the published constants: Churchill-Bernstein; Hilpert C = 0.193, m = 0.618 for 4000 < Re <
// 40000; Zhukauskas C = 0.26, m = 0.6, n = 0.37; stagnation 1.15 Re^1/2 Pr^1/3. The textbook,
// with tabulated properties, has Re 6071 and h 96, 88 and 105 W/(m²K).
void Cli::cylinderInAirTextbookExample()
{
    const Run r = runProgram(words(cylinderInAir) + QStringList{"--format", "json"});
    QCOMPARE(r.code, 0);
    const json a = parsed(r.out);
    QVERIFY(near(a["reynolds"].get<double>(), 6124.158665959376, 3e-4));
    QVERIFY(near(a["prandtl"].get<double>(), 0.7018653601000213, 3e-4));
    struct Expected {
        const char *name;
        double nusselt;
        double h;
    };
    const Expected expected[] = {
        {"Stagnation point", 79.97832914904653, 189.14588812048237},
        {"Hilpert", 37.55807066957366, 88.82349391982815},
        {"Churchill-Bernstein", 40.87134296151904, 96.65926439556665},
        {"Zhukauskas", 50.756979408101465, 105.25551454274478},
    };
    QCOMPARE(a["results"].size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const json &res = a["results"][i];
        QCOMPARE(QString::fromStdString(res["correlation"].get<std::string>()), QString(expected[i].name));
        QVERIFY2(near(res["nusselt"].get<double>(), expected[i].nusselt, 1e-3), expected[i].name);
        QVERIFY2(near(res["h"].get<double>(), expected[i].h, 1e-3), expected[i].name);
    }
    // The textbook answers, within a few per cent.
    QVERIFY(near(a["results"][1]["h"].get<double>(), 88, 0.03));
    QVERIFY(near(a["results"][2]["h"].get<double>(), 96, 0.03));
    QVERIFY(near(a["results"][3]["h"].get<double>(), 105, 0.03));
    // Heat rate per length of the average values: h pi D (T_s - T_inf).
    const double hil = a["results"][1]["h"].get<double>();
    QVERIFY(near(a["results"][1]["heat_rate"].get<double>(), hil * M_PI * 0.0127 * 102.2, 1e-9));
    QCOMPARE(a["results"][1]["heat_rate_unit"].get<std::string>(), std::string("W/m"));
}

// Published IAPWS-95 values for liquid water at 300 K and 1 atm.
void Cli::waterPropertiesPublishedValues()
{
    const Run r = runProgram({"properties", "--fluid", "water", "--temperature", "26.85C", "--pressure", "1atm",
                           "--format", "json"});
    QCOMPARE(r.code, 0);
    const json p = parsed(r.out);
    QVERIFY(near(p["temperature_K"].get<double>(), 300.0, 1e-12));
    QVERIFY(near(p["pressure_Pa"].get<double>(), 101325.0, 1e-12));
    QVERIFY(near(p["density"].get<double>(), 996.56, 0.005 / 996.56));
    QVERIFY(near(p["dynamic_viscosity"].get<double>(), 8.5374e-4, 0.00005 / 8.5374));
    QVERIFY(near(p["thermal_conductivity"].get<double>(), 0.60950, 0.000005 / 0.6095));
    QVERIFY(near(p["specific_heat"].get<double>(), 4180.6, 0.05 / 4180.6));
    QVERIFY(near(p["prandtl"].get<double>(), 5.8559, 0.00005 / 5.8559));
}

void Cli::caseFileRoundTrip()
{
    using namespace nusselt::physics;
    CaseFile c;
    c.selection = nusselt::selectionFromCodes(1, 3, 2, 0, 0);
    c.fluid = FluidChoice::Custom;
    c.velocity = {"32.8", "ft/s"};
    c.length = {" 0.5 ", "in"};
    c.freeStreamTemperature = {"79.2", "°F"};
    c.surfaceTemperature = {"", "K"};
    c.pressure = {"1", "atm"};
    c.distance = {"1e-1", "m"};
    c.heatStart = {"abc", "mm"};
    c.film = {"1.16", "1.85e-5", "0.0263", "1007"};
    c.freeStream.density = "1.2";
    c.prandtlSurface = "0.69";
    c.viscositySurface = "2.1e-5";
    std::string error;
    const std::optional<CaseFile> back = fromJson(toJson(c), error);
    QVERIFY2(back, error.c_str());
    QCOMPARE(toJson(*back), toJson(c));
    // Each text under its own key, read back into its own place.
    const json written = parsed(QByteArray::fromStdString(toJson(c)));
    QCOMPARE(written.at("custom").at("surface_prandtl"), json("0.69"));
    QCOMPARE(written.at("custom").at("surface_viscosity"), json("2.1e-5"));
    QCOMPARE(written.at("custom").at("film").at("viscosity"), json("1.85e-5"));
    QCOMPARE(written.at("custom").at("free_stream").at("density"), json("1.2"));
    QCOMPARE(written.at("inputs").at("t_inf"), json({{"text", "79.2"}, {"unit", "°F"}}));
    QCOMPARE(back->prandtlSurface, std::string("0.69"));
    QCOMPARE(back->viscositySurface, std::string("2.1e-5"));
    QCOMPARE(back->length.text, std::string(" 0.5 "));
    QCOMPARE(back->freeStreamTemperature.unit, std::string("°F"));
    QCOMPARE(back->selection.heat, nusselt::HeatCondition::UnheatedStartingLength);

    const std::optional<Problem> p = toProblem(*back, error);
    QVERIFY2(p, error.c_str());
    QVERIFY(near(*p->velocity, 32.8 * 0.3048, 1e-15));
    QVERIFY(near(*p->length, 0.5 * 0.0254, 1e-15));
    QVERIFY(near(*p->freeStreamTemperature, (79.2 + 459.67) * 5.0 / 9.0, 1e-14));
    QVERIFY(!p->surfaceTemperature); // not entered
    QVERIFY(!p->heatStart);          // not a number
    QVERIFY(near(*p->custom.film.dynamicViscosity, 1.85e-5, 0));

    const struct {
        const char *json;
        const char *says;
    } bad[] = {
        {"[1]", "expected a JSON object"},
        {"{\"format\":\"other\",\"version\":1}", "format"},
        {"{\"format\":\"nusselt-case\",\"version\":2}", "newer"},
        {"{\"format\":\"nusselt-case\",\"version\":1,\"case\":{\"geometry\":\"cone\"}}", "case.geometry"},
        {"{\"format\":\"nusselt-case\",\"version\":1,\"inputs\":{\"velocity\":{\"text\":\"1\",\"unit\":\"furlong/s\"}}}",
         "inputs.velocity.unit"},
        {"{\"format\":\"nusselt-case\",\"version\":1,\"inputs\":{\"speed\":{}}}", "inputs.speed"},
        {"{not json", "not a JSON document"},
    };
    for (const auto &b : bad) {
        QVERIFY2(!fromJson(b.json, error), b.json);
        QVERIFY2(error.find(b.says) != std::string::npos, error.c_str());
    }
}

void Cli::caseFileThroughProgram()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cylinder.json");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"format":"nusselt-case","version":1,"case":{"geometry":"cylinder"},"fluid":"air",
        "inputs":{"velocity":{"text":"10","unit":"m/s"},"length":{"text":"12.7","unit":"mm"},
        "t_inf":{"text":"26.2","unit":"°C"},"t_surface":{"text":"128.4","unit":"°C"},
        "pressure":{"text":"101.325","unit":"kPa"}}})");
    f.close();
    const Run fromFile = runProgram({"calculate", "--case", path, "--format", "json"});
    const Run fromOptions = runProgram(words(cylinderInAir) + QStringList{"--format", "json"});
    QCOMPARE(fromFile.code, 0);
    QCOMPARE(fromFile.out, fromOptions.out);
}

void Cli::caseFileThatIsNoFileOrTooLargeRefused()
{
    QTemporaryDir dir;
    const QByteArray cylinder = R"({"format":"nusselt-case","version":1,"case":{"geometry":"cylinder"},
        "fluid":"air","inputs":{"velocity":{"text":"10","unit":"m/s"},"length":{"text":"12.7","unit":"mm"},
        "t_inf":{"text":"26.2","unit":"°C"},"t_surface":{"text":"128.4","unit":"°C"},
        "pressure":{"text":"1","unit":"atm"}}})";
    // The same case padded with blanks to exactly 1 MiB, and to one byte more.
    const auto padded = [&](const QString &name, qsizetype size) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(cylinder + QByteArray(size - cylinder.size(), ' '));
        return f.fileName();
    };
    const QString fifo = dir.filePath("fifo");
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const struct {
        QString path;
        int code;
        QByteArray message;
    } rows[] = {
        {padded("limit.json", 1 << 20), 0, ""},
        {padded("above.json", (1 << 20) + 1), 1, ": larger than 1048576 bytes\n"},
        {"/dev/zero", 1, ": not a regular file\n"},
        {dir.path(), 1, ": not a regular file\n"},
        {fifo, 1, ": not a regular file\n"},
        {dir.filePath("missing.json"), 2, ": cannot read\n"},
    };
    for (const auto &row : rows) {
        const Run r = runProgram({"calculate", "--case", row.path});
        QCOMPARE(r.code, row.code);
        if (row.code == 0)
            QVERIFY(r.out.contains("Hilpert"));
        else
            QCOMPARE(r.err, "nusselt: " + QFile::encodeName(row.path) + row.message);
    }
}

void Cli::usageMessages_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("err");
    const QByteArray notEntered = "nusselt: Values not entered: Enter Reynolds and Prandtl number\n";
    const QByteArray help = "nusselt: run 'nusselt --help' or 'nusselt SUBCOMMAND --help' for the options\n";
    QTest::newRow("--pr= before another option")
        << "calculate --geometry cylinder --re 6000 --pr= --prs 0.69 --format json" << 1 << notEntered;
    QTest::newRow("--pr= last") << "calculate --geometry cylinder --re 6000 --prs 0.69 --pr=" << 1 << notEntered;
    QTest::newRow("--pr without value before --format")
        << "calculate --geometry cylinder --re 6000 --pr --format json" << 2
        << "nusselt: --pr has no value (for an empty one write --pr=)\n" + help;
    QTest::newRow("--temperature without value before --fluid")
        << "properties --temperature --fluid air" << 2
        << "nusselt: --temperature has no value (for an empty one write --temperature=)\n" + help;
    QTest::newRow("unknown subcommand") << "frobnicate --re 1" << 2
        << "nusselt: \"frobnicate\" is not a subcommand: calculate, properties or batch\n" + help;
    QTest::newRow("option given twice") << "calculate --geometry cylinder --re 1 --re=2 --pr 1 --prs 1" << 2
                                        << "nusselt: --re was given twice\n" + help;
    QTest::newRow("one-letter option given twice")
        << "calculate --geometry plate --heat unheated --flow laminar --re 1e5 --pr 0.7 --length 1 --x 0.5 --x 0.6 --xi 0.2"
        << 2 << "nusselt: --x was given twice\n" + help;
    QTest::newRow("--x without value before --xi")
        << "calculate --geometry plate --heat unheated --flow laminar --re 1e5 --pr 0.7 --length 1 --x --xi 0.2" << 2
        << "nusselt: --x has no value (for an empty one write --x=)\n" + help;
    QTest::newRow("unit apart from its number") << "properties --fluid air --temperature 300 K" << 2
        << "nusselt: --temperature: write the unit without a space (300K)\n" + help;
    QTest::newRow("velocity unit apart") << "calculate --geometry cylinder --velocity 10 m/s" << 2
        << "nusselt: --velocity: write the unit without a space (10m/s)\n" + help;
    QTest::newRow("a word that is no unit") << "calculate --geometry sphere --sphere drops --re 1 --pr 1 extra" << 2
        << "nusselt: The following argument was not expected: extra\n" + help;
    QTest::newRow("--pr=0.7 still a value")
        << "calculate --geometry cylinder --re 6000 --pr=0.7 --prs 0.69" << 0 << QByteArray();
}

void Cli::usageMessages()
{
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(QByteArray, err);
    const Run r = runProgram(command.split(' '));
    QCOMPARE(r.code, code);
    QCOMPARE(r.err, err);
    if (code == 0) // the cylinder's stagnation point, as with --pr 0.7
        QVERIFY(r.out.contains("79.0933 at stagnation"));
}

void Cli::textTablesKeepColumnsApart_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("columns");
    QTest::newRow("long correlation names") << "calculate --geometry plate --heat unheated --flow laminar --fluid air "
                                               "--velocity 5m/s --length 1m --x 0.5m --xi 0.2m --t-inf 20C --t-surface 60C"
                                            << 6;
    QTest::newRow("wide numbers") << "calculate --geometry plate --heat flux --flow turbulent --re 1e30 --pr 50" << 3;
    QTest::newRow("dimensionless unheated plate")
        << "calculate --geometry plate --heat unheated --flow turbulent --re 1e6 --pr 0.7 --length 1 --x 0.5 --xi 0.2"
        << 3;
}

void Cli::textTablesKeepColumnsApart()
{
    QFETCH(QString, command);
    QFETCH(int, columns);
    const Run r = runProgram(command.split(' '));
    QCOMPARE(r.code, 0);
    // The table: from its header line to the next blank line. Cells are told apart by two or more
    // spaces; every row has the header's cells (the last may be empty) starting where its cells do.
    const QStringList all = QString::fromUtf8(r.out).split('\n');
    const qsizetype header = all.indexOf(QRegularExpression("^Correlation  +Kind  +Nu.*"));
    QVERIFY(header >= 0);
    const QRegularExpression cellStart("(?:^|  )(\\S)");
    const auto starts = [&](const QString &line) {
        QList<qsizetype> at;
        for (auto it = cellStart.globalMatch(line); it.hasNext();)
            at << it.next().capturedStart(1);
        return at;
    };
    const QList<qsizetype> headerStarts = starts(all[header]);
    QCOMPARE(headerStarts.size(), columns);
    int rows = 0;
    for (qsizetype i = header + 1; i < all.size() && !all[i].isEmpty(); ++i, ++rows) {
        const QList<qsizetype> at = starts(all[i]);
        QVERIFY2(at.size() == columns || at.size() == columns - 1, qPrintable(all[i]));
        QCOMPARE(at, headerStarts.mid(0, at.size()));
        QVERIFY2(!all[i].endsWith(' '), qPrintable(all[i]));
    }
    QCOMPARE(rows, 2);
}

QTEST_GUILESS_MAIN(Cli)
#include "tst_cli.moc"
