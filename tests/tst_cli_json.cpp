// Every key of `nusselt calculate --format json` by name and value. Physical problems: the
// properties at each correlation's reference temperature (film for the plate, the stagnation
// point, Hilpert and Churchill-Bernstein; T∞ with Pr_s or μ_s at Ts for Zhukauskas and Whitaker)
// from the reference formulations, and the published correlations; tests/cli_json_expected.py
// prints these rows. Then exact boundaries (Pr = 0.6, ξ = x, x = L, μ/μs = 1 and 3.2, T = 0 K)
// on both sides, and inputs read in their units and forms. Buoyancy: Gr, Ri, free convection and
// the combined Nusselt numbers from the same script, with IAPWS-95's own expansion coefficient.

#include "clitest.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

using namespace clitest;

namespace {

// A calculator field ("37.5581 Hilpert"): its leading number, shown with six digits, and the rest.
bool sameField(const std::string &actual, const std::string &expected)
{
    char *aEnd = nullptr, *eEnd = nullptr;
    const double a = std::strtod(actual.c_str(), &aEnd), e = std::strtod(expected.c_str(), &eEnd);
    if (eEnd == expected.c_str() || aEnd == actual.c_str())
        return actual == expected;
    return near(a, e, 1e-5) && std::string(aEnd) == std::string(eEnd);
}

// `actual` has exactly the keys of `expected` (every key of a `whole` answer; otherwise of the
// objects named), each with its value: numbers within 1e-6 (the reference properties), texts and
// nulls exactly. Says the path of the first difference.
QString difference(const json &actual, const json &expected, const std::string &path, bool whole)
{
    const auto at = [&](const std::string &what) {
        return QString::fromStdString(path + ": " + what + " " + actual.dump() + ", expected " + expected.dump());
    };
    if (expected.is_object()) {
        if (!actual.is_object())
            return at("not an object");
        if (whole)
            for (auto it = actual.begin(); it != actual.end(); ++it)
                if (!expected.contains(it.key()))
                    return at("unexpected key " + it.key());
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            if (!actual.contains(it.key()))
                return at("missing key " + it.key());
            const QString d = difference(actual[it.key()], it.value(), path + "." + it.key(), true);
            if (!d.isEmpty())
                return d;
        }
        return {};
    }
    if (expected.is_array()) {
        if (!actual.is_array() || actual.size() != expected.size())
            return at("not an array of " + std::to_string(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i)
            if (const QString d = difference(actual[i], expected[i], path + "[" + std::to_string(i) + "]", true);
                !d.isEmpty())
                return d;
        return {};
    }
    if (expected.is_number()) {
        // A liquid's expansion coefficient, in Gr and Ri, is a difference of tabulated densities:
        // within 1e-4 of the formulation's own derivative.
        const bool buoyancy = path.size() >= 8
            && (path.rfind(".grashof") == path.size() - 8 || path.rfind(".richardson") == path.size() - 11);
        return actual.is_number() && near(actual.get<double>(), expected.get<double>(), buoyancy ? 1e-4 : 1e-6)
            ? QString()
            : at("differs:");
    }
    if (expected.is_string() && actual.is_string())
        return sameField(actual.get<std::string>(), expected.get<std::string>()) ? QString() : at("differs:");
    return actual == expected ? QString() : at("differs:");
}

} // namespace

class CliJson : public QObject
{
    Q_OBJECT

private slots:
    void physicalAnswersKeyByKey_data();
    void physicalAnswersKeyByKey();
    void boundariesOnBothSides_data();
    void boundariesOnBothSides();
    void caseFileTextsReadAsTyped_data();
    void caseFileTextsReadAsTyped();
    void richardsonAroundOneTenth_data();
    void richardsonAroundOneTenth();
    void noGrashofIsNull();
};

void CliJson::physicalAnswersKeyByKey_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QByteArray>("expected");
    const struct {
        const char *name;
        const char *args;
        const char *expected;
    } rows[] = {
    {"cylinder in air",
     "--geometry cylinder --fluid air --velocity 10m/s --length 12.7mm --t-inf 26.2C --t-surface 128.4C --pressure 1atm",
     R"j({"mode":"physical","case":{"geometry":"cylinder"},"fields":{"nusselt":"79.9783 at stagnation","average_nusselt":"37.5581 Hilpert","note":"40.8713 Churchill","zhukauskas":"42.7345 Zhukauskas"},"fluid":"air","film_temperature_K":350.45000000000005,"mach":0.02882303122703582,"reynolds":6124.158665959375,"prandtl":0.7018653601000212,"prandtl_surface":0.6988724194592345,"grashof":13622.038266059613,"richardson":0.0003632028335283206,"free_convection":{"correlation":"Churchill-Chu","rayleigh":9560.8367929042,"prandtl":0.7018653601000212,"nusselt":4.321364515594564,"outside_range":[]},"properties":{"film":{"temperature_K":350.45000000000005,"pressure_Pa":101325.0,"density":1.0072283967947722,"dynamic_viscosity":2.0887441585071537e-05,"kinematic_viscosity":2.0737542400055522e-05,"thermal_conductivity":0.030035045801638426,"specific_heat":1009.2455867000041,"prandtl":0.7018653601000212},"free_stream":{"temperature_K":299.35,"pressure_Pa":101325.0,"density":1.1795581270951363,"dynamic_viscosity":1.850600928963204e-05,"kinematic_viscosity":1.568893373250393e-05,"thermal_conductivity":0.026336181748425655,"specific_heat":1006.3504896010874,"prandtl":0.7071462251849309},"surface":{"temperature_K":401.55,"pressure_Pa":101325.0,"density":0.8788981174618606,"dynamic_viscosity":2.3121249194863818e-05,"kinematic_viscosity":2.6307086948410895e-05,"thermal_conductivity":0.03355774877736282,"specific_heat":1014.3303626021429,"prandtl":0.6988724194592345}},"results":[{"correlation":"Stagnation point","kind":"local","nusselt":79.97832914904653,"outside_range":[],"reynolds":6124.158665959375,"prandtl":0.7018653601000212,"reference_temperature_K":350.45000000000005,"h":189.1458881204824,"heat_flux":19330.7097659133,"temperature_difference_K":null},{"correlation":"Hilpert","kind":"average","nusselt":37.55807066957365,"outside_range":[],"reynolds":6124.158665959375,"prandtl":0.7018653601000212,"reference_temperature_K":350.45000000000005,"h":88.82349391982815,"heat_flux":9077.761078606436,"temperature_difference_K":null,"heat_rate":362.18656944803536,"heat_rate_unit":"W/m","combined_nusselt_estimate":37.55971612169538},{"correlation":"Churchill-Bernstein","kind":"average","nusselt":40.87134296151904,"outside_range":[],"reynolds":6124.158665959375,"prandtl":0.7018653601000212,"reference_temperature_K":350.45000000000005,"h":96.65926439556668,"heat_flux":9878.576821226914,"temperature_difference_K":null,"heat_rate":394.13769749250883,"heat_rate_unit":"W/m","combined_nusselt_estimate":40.87261983109278},{"correlation":"Zhukauskas","kind":"average","nusselt":50.756979408101465,"outside_range":[],"reynolds":8094.877712236406,"prandtl":0.7071462251849309,"reference_temperature_K":299.35,"h":105.25551454274478,"heat_flux":10757.113586268515,"temperature_difference_K":null,"heat_rate":429.18975650894197,"heat_rate_unit":"W/m","combined_nusselt_estimate":50.75764610395014}]})j"},
    {"sphere in air",
     "--geometry sphere --sphere regular --fluid air --velocity 2m/s --length 10mm --t-inf 400K --t-surface 300K",
     R"j({"mode":"physical","case":{"geometry":"sphere","sphere":"regular"},"fields":{"nusselt":null,"average_nusselt":"16.7204","note":null,"zhukauskas":null},"fluid":"air","film_temperature_K":350.0,"mach":0.004994388191474636,"reynolds":765.3792822548269,"prandtl":0.6989321898226604,"viscosity_ratio":1.2437286376315595,"grashof":6544.854779002963,"richardson":0.00700475,"free_convection":{"correlation":"Churchill (sphere)","rayleigh":4593.843318938523,"prandtl":0.7019014896520507,"nusselt":5.736954251281935,"outside_range":[]},"properties":{"free_stream":{"temperature_K":400.0,"pressure_Pa":101325.0,"density":0.8823072512969411,"dynamic_viscosity":2.3055425506100493e-05,"kinematic_viscosity":2.613083534359526e-05,"thermal_conductivity":0.03345320611126954,"specific_heat":1014.1440502909671,"prandtl":0.6989321898226604},"surface":{"temperature_K":300.0,"pressure_Pa":101325.0,"density":1.1769955883877594,"dynamic_viscosity":1.8537343925765904e-05,"kinematic_viscosity":1.5749714024976282e-05,"thermal_conductivity":0.026384473239079283,"specific_heat":1006.3739076641025,"prandtl":0.7070635473841832}},"results":[{"correlation":"Whitaker","kind":"average","nusselt":16.720371072935983,"outside_range":["Pr = 0.699 below the Whitaker range 0.71 to 380"],"reynolds":765.3792822548269,"prandtl":0.6989321898226604,"reference_temperature_K":400.0,"h":55.935001975983646,"heat_flux":-5593.500197598364,"temperature_difference_K":null,"heat_rate":-1.7572499128628079,"heat_rate_unit":"W","combined_nusselt_estimate":16.778005631404127}]})j"},
    {"laminar plate in water",
     "--geometry plate --heat temperature --flow laminar --fluid-type regular --fluid water --velocity 0.2m/s --length 0.5m --t-inf 20C --t-surface 60C",
     R"j({"mode":"physical","case":{"geometry":"plate","heat":"temperature","flow":"laminar","fluid_type":"regular"},"fields":{"nusselt":"211.151","average_nusselt":"422.301","note":"","zhukauskas":null},"fluid":"water","film_temperature_K":313.15,"mach":null,"reynolds":152010.5232807648,"prandtl":4.340630370352595,"grashof":43675620227.62196,"richardson":1.8901304252455549,"properties":{"film":{"temperature_K":313.15,"pressure_Pa":101325.0,"density":992.2163528732049,"dynamic_viscosity":0.0006527287265767597,"kinematic_viscosity":6.57849192554249e-07,"thermal_conductivity":0.6284856958951848,"specific_heat":4179.414798000335,"prandtl":4.340630370352595}},"results":[{"correlation":"Laminar plate","kind":"local","nusselt":211.15069357023702,"outside_range":["Ri = 1.89 above 0.1: mixed convection"],"reynolds":152010.5232807648,"prandtl":4.340630370352595,"reference_temperature_K":313.15,"h":265.41038117448267,"heat_flux":10616.415246979306,"temperature_difference_K":null},{"correlation":"Laminar plate","kind":"average","nusselt":422.30138714047405,"outside_range":["Ri = 1.89 above 0.1: mixed convection"],"reynolds":152010.5232807648,"prandtl":4.340630370352595,"reference_temperature_K":313.15,"h":530.8207623489653,"heat_flux":21232.830493958612,"temperature_difference_K":null,"heat_rate":10616.415246979306,"heat_rate_unit":"W/m"}]})j"},
    {"unheated start at x = L",
     "--geometry plate --heat unheated --flow laminar --fluid air --velocity 5m/s --length 1m --x 1m --xi 0.2m --t-inf 20C --t-surface 60C",
     R"j({"mode":"physical","case":{"geometry":"plate","heat":"unheated","flow":"laminar"},"fields":{"nusselt":"180.448","average_nusselt":"316.203","note":"","zhukauskas":null},"fluid":"air","film_temperature_K":313.15,"mach":0.014562659042987284,"reynolds":294139.2403068252,"prandtl":0.7054792685663694,"grashof":4335050639.407233,"richardson":0.05010582787801374,"properties":{"film":{"temperature_K":313.15,"pressure_Pa":101325.0,"density":1.127449696785951,"dynamic_viscosity":1.9165237790270273e-05,"kinematic_viscosity":1.6998752001889835e-05,"thermal_conductivity":0.027354274615374773,"specific_heat":1006.920647632938,"prandtl":0.7054792685663694}},"results":[{"correlation":"Laminar, unheated start","kind":"local","nusselt":180.4475760027445,"outside_range":[],"reynolds":294139.2403068252,"prandtl":0.7054792685663694,"reference_temperature_K":313.15,"h":4.936012547657785,"heat_flux":197.4405019063114,"temperature_difference_K":null},{"correlation":"Laminar, unheated start","kind":"average","nusselt":316.20290858184745,"outside_range":[],"reynolds":294139.2403068252,"prandtl":0.7054792685663694,"reference_temperature_K":313.15,"h":8.6495011955281,"heat_flux":345.980047821124,"temperature_difference_K":null,"heat_rate":276.78403825689924,"heat_rate_unit":"W/m"}]})j"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString(row.args) << QByteArray(row.expected);
}

void CliJson::physicalAnswersKeyByKey()
{
    QFETCH(QString, args);
    QFETCH(QByteArray, expected);
    const Run r = runProgram(QStringList{"calculate"} + args.split(' ') + QStringList{"--format", "json"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QByteArray());
    const QString d = difference(parsed(r.out), parsed(expected), "", true);
    QVERIFY2(d.isEmpty(), qPrintable(d));
}

// Each row: a command, its exit status, and the JSON it answers (`whole`: every key; otherwise the
// keys given, with each object under them whole) or, for `properties`, what standard error says.
// Values by hand from the published formulas.
void CliJson::boundariesOnBothSides_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("expected");
    const QString plate = "calculate --format json --geometry plate --heat temperature --flow laminar "
                          "--fluid-type regular --re 10000 --pr ";
    // Pr = 0.6 takes 0.332 Re^1/2 Pr^1/3; just below, Churchill-Ozoe (Pe = 6000 > 100).
    QTest::newRow("Pr = 0.6: laminar plate") << plate + "0.6" << 0
        << QByteArray(R"({"results":[{"correlation":"Laminar plate","kind":"local","nusselt":28.001964488018075,"outside_range":[]},)"
                      R"({"correlation":"Laminar plate","kind":"average","nusselt":56.00392897603615,"outside_range":[]}]})");
    QTest::newRow("Pr below 0.6: Churchill-Ozoe") << plate + "0.5999999" << 0
        << QByteArray(R"({"results":[{"correlation":"Churchill-Ozoe","kind":"local","nusselt":27.39429620056473,"outside_range":[]},)"
                      R"({"correlation":"Churchill-Ozoe","kind":"average","nusselt":54.78859240112946,"outside_range":[]}]})");
    // The unheated plate: ξ = x is refused, just below it the local value is the published one.
    const QString unheated = "calculate --format json --geometry plate --heat unheated --flow laminar --re 1e5 "
                             "--pr 0.7 --length 1 --x 0.5 --xi ";
    QTest::newRow("xi = x") << unheated + "0.5" << 1
        << QByteArray(R"({"refused":{"title":"Conditions not met","note":"Check Plate Length and Distances"}})");
    QTest::newRow("xi just below x") << unheated + "0.4999" << 0
        << QByteArray(R"({"results":[{"correlation":"Laminar, unheated start","kind":"local","nusselt":1240.5712915910321,"outside_range":[]},)"
                      R"({"correlation":"Laminar, unheated start","kind":"average","nusselt":204.23376983927722,"outside_range":[]}]})");
    // A physical plate: x = L is its trailing edge (tst_cli_json's unheated row); beyond, refused.
    QTest::newRow("x just beyond L")
        << "calculate --format json --geometry plate --heat unheated --flow laminar --fluid air --velocity 5m/s "
           "--length 1m --x 1.000001m --xi 0.2m --t-inf 20C --t-surface 60C" << 1
        << QByteArray(R"j({"invalid":[{"field":"Distance x","message":"x lies beyond the end of the plate (x > L)"}]})j");
    // Whitaker holds for 1 <= μ/μs <= 3.2: on each bound inside, a hair beyond it outside.
    const QString sphere = "calculate --format json --geometry sphere --sphere regular --re 1000 --pr 0.71 --mus 1 --mu ";
    const auto whitaker = [](const char *nu, const char *outside) {
        return QByteArray(R"({"results":[{"correlation":"Whitaker","kind":"average","nusselt":)") + nu
            + R"(,"outside_range":[)" + outside + "]}]}";
    };
    QTest::newRow("mu/mus = 3.2") << sphere + "3.2" << 0 << whitaker("23.7494840844529", "");
    QTest::newRow("mu/mus above 3.2") << sphere + "3.2000001" << 0
        << whitaker("23.749484254370742", R"("μ/μs = 3.2000001 above the Whitaker range 1 to 3.2")");
    QTest::newRow("mu/mus = 1") << sphere + "1" << 0 << whitaker("18.261532258938487", "");
    QTest::newRow("mu/mus below 1") << sphere + "0.9999999" << 0
        << whitaker("18.261531852400164", R"("μ/μs = 0.9999999 below the Whitaker range 1 to 3.2")");
    // Twenty digits of Re are read, not wrapped: 2 + 0.6 Re^1/2 Pr^1/3.
    QTest::newRow("twenty-digit Re") << "calculate --format json --geometry sphere --sphere drops "
                                        "--re 12345678901234567890 --pr 0.7" << 0
        << QByteArray(R"({"results":[{"correlation":"Ranz-Marshall","kind":"average","nusselt":1871865986.2997575,)"
                      R"("outside_range":["Re = 1.23·10¹⁹ above the Ranz-Marshall range ≤ 200"]}]})");
    // T = 0 K is no temperature below absolute zero, but air has no properties there.
    const QString cylinder = "calculate --format json --geometry cylinder --fluid air --velocity 10m/s "
                             "--length 12.7mm --t-surface 300K --t-inf ";
    QTest::newRow("T = 0 K") << cylinder + "0K" << 1
        << QByteArray(R"({"invalid":[{"field":"Free-stream temperature","message":"Air properties are known from 200.00 K to 1500.00 K: raise T∞"}]})");
    QTest::newRow("T below 0 K") << cylinder + "-0.01K" << 1
        << QByteArray(R"j({"invalid":[{"field":"Free-stream temperature","message":"-0.01 K is below absolute zero (0.00 K)"}]})j");
    QTest::newRow("properties at 0 K") << "properties --fluid air --temperature 0K" << 1
                                       << QByteArray("nusselt: Air properties start at 200.00 K\n");
    QTest::newRow("properties below 0 K") << "properties --fluid air --temperature -0.001K" << 1
                                          << QByteArray("nusselt: the temperature is below absolute zero\n");
    // The uniform-flux laminar plate's trailing edge runs 1.5 times the average excess (0.453
    // against 0.68 Re^1/2 Pr^1/3): it boils, or falls below 0 K, before the average does. Average
    // Ts iterated with the reference properties at the film temperature (python3-iapws): water at
    // 0.05 m/s over 0.5 m from 20 °C, 14 kW/m² -> 343.551 K (edge 368.81 K), 16 kW/m² -> 350.022 K
    // (edge 378.52 K = 105.37 °C, above boiling at 99.97 °C); air at 5 m/s over 0.5 m from 1000 K,
    // -8 kW/m² -> 338.136 K (edge 6.47 K), -8.5 kW/m² -> 297.966 K (edge -53.8 K).
    const QString flux = "calculate --format json --geometry plate --heat flux --flow laminar --length 0.5m --fluid ";
    QTest::newRow("flux plate: trailing edge below boiling")
        << flux + "water --velocity 0.05m/s --t-inf 20C --heat-flux 14000W/m2" << 0
        << QByteArray(R"({"film_temperature_K":318.3503473833299})");
    QTest::newRow("flux plate: trailing edge boils")
        << flux + "water --velocity 0.05m/s --t-inf 20C --heat-flux 16000W/m2" << 1
        << QByteArray(R"j({"invalid":[{"field":"Heat flux","message":"Water boils at 99.97 °C at 101.325 kPa, and the trailing edge would reach 105.37 °C: lower q'' or raise the pressure"}]})j");
    QTest::newRow("flux plate: trailing edge above 0 K")
        << flux + "air --velocity 5m/s --t-inf 1000K --heat-flux -8000W/m2" << 0
        << QByteArray(R"({"film_temperature_K":669.0679863236302})");
    QTest::newRow("flux plate: trailing edge below 0 K")
        << flux + "air --velocity 5m/s --t-inf 1000K --heat-flux -8500W/m2" << 1
        << QByteArray(R"({"invalid":[{"field":"Heat flux","message":"The surface would fall below absolute zero: raise q''"}]})");
    // 79.2 °F = (79.2 + 459.67) · 5/9 K, however the unit is written.
    for (const char *unit : {"degF", "F", "°F"})
        QTest::addRow("79.2%s", unit) << QString("properties --format json --fluid air --temperature 79.2") + unit << 0
                                      << QByteArray(R"({"temperature_K":299.3722222222222,"pressure_Pa":101325})");
}

void CliJson::boundariesOnBothSides()
{
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(QByteArray, expected);
    const Run r = runProgram(command.split(' '));
    QCOMPARE(r.code, code);
    if (!expected.startsWith('{')) {
        QCOMPARE(r.err, expected);
        return;
    }
    const QString d = difference(parsed(r.out), parsed(expected), "", false);
    QVERIFY2(d.isEmpty(), qPrintable(d));
}

// Air across a 10 mm cylinder, 20 -> 40 °C: Ri = g (1/T_f) dT D / V^2 = 9.80665 / 303.15 * 20 * 0.01 / V^2
// by hand (the viscosity cancels), 0.1 at V = 0.25436 m/s.
void CliJson::richardsonAroundOneTenth_data()
{
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<double>("richardson");
    QTest::addColumn<QString>("sentence"); // in every correlation's outside_range, or none
    QTest::newRow("just above") << "0.2543m/s" << 0.1000461494585811 << "Ri = 0.10005 above 0.1: mixed convection";
    QTest::newRow("just below") << "0.2545m/s" << 0.09988896778692005 << QString();
    QTest::newRow("well above") << "0.1m/s" << 0.6469833415800758 << "Ri = 0.647 above 0.1: mixed convection";
}

void CliJson::richardsonAroundOneTenth()
{
    QFETCH(QString, velocity);
    QFETCH(double, richardson);
    QFETCH(QString, sentence);
    const Run r = runProgram({"calculate", "--geometry", "cylinder", "--fluid", "air", "--velocity", velocity,
                              "--length", "10mm", "--t-inf", "20C", "--t-surface", "40C", "--format", "json"});
    QCOMPARE(r.code, 0);
    const json a = parsed(r.out);
    QVERIFY2(near(a["richardson"].get<double>(), richardson, 1e-9), r.out.constData());
    QVERIFY(a["grashof"].is_number());
    QCOMPARE(a["results"].size(), std::size_t(4));
    for (const json &row : a["results"]) {
        bool said = false;
        for (const json &s : row["outside_range"])
            said = said || QString::fromStdString(s.get<std::string>()) == sentence;
        QVERIFY2(said == !sentence.isEmpty(), row.dump().c_str());
        QCOMPARE(row.contains("combined_nusselt_estimate"), row["kind"] == "average");
    }
}

// A typed fluid with its properties at T_f only tells no beta: the keys are there, null, and no
// free convection is made up.
void CliJson::noGrashofIsNull()
{
    const Run r = runProgram({"calculate", "--geometry", "sphere", "--sphere", "drops", "--fluid", "custom",
                              "--velocity", "0.5m/s", "--length", "2mm", "--t-inf", "20C", "--t-surface", "40C",
                              "--density", "1.2", "--viscosity", "1.8e-5", "--conductivity", "0.026",
                              "--specific-heat", "1006", "--format", "json"});
    QCOMPARE(r.code, 0);
    const json a = parsed(r.out);
    QVERIFY(a.contains("grashof") && a["grashof"].is_null());
    QVERIFY(a.contains("richardson") && a["richardson"].is_null());
    QVERIFY(!a.contains("free_convection"));
    QVERIFY(!a["results"][0].contains("combined_nusselt_estimate"));
}

// A case file's texts are read as the fields read them: a leading + or blanks, an exponent.
// The textbook cylinder's Re at the film temperature, 10 m/s · 12.7 mm / ν(350.45 K).
void CliJson::caseFileTextsReadAsTyped_data()
{
    QTest::addColumn<QByteArray>("velocity");
    QTest::addColumn<QByteArray>("tInf"); // text and unit
    QTest::addColumn<double>("reynolds"); // 0: refused
    const double re = 10.0 * 0.0127 / 2.0737542400055522e-05;
    QTest::newRow("plain") << QByteArray("10") << QByteArray(R"("26.2","unit":"°C")") << re;
    QTest::newRow("leading +") << QByteArray("+10") << QByteArray(R"("+26.2","unit":"°C")") << re;
    QTest::newRow("blanks and exponent") << QByteArray(" 1e1 ") << QByteArray(R"(" 299.35 ","unit":"K")") << re;
    QTest::newRow("Fahrenheit") << QByteArray("10") << QByteArray(R"("79.16","unit":"°F")") << re;
    QTest::newRow("two signs") << QByteArray("+-10") << QByteArray(R"("26.2","unit":"°C")") << 0.0;
    QTest::newRow("a blank inside") << QByteArray("1 0") << QByteArray(R"("26.2","unit":"°C")") << 0.0;
}

void CliJson::caseFileTextsReadAsTyped()
{
    QFETCH(QByteArray, velocity);
    QFETCH(QByteArray, tInf);
    QFETCH(double, reynolds);
    QTemporaryDir dir;
    QFile f(dir.filePath("case.json"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"format":"nusselt-case","version":1,"case":{"geometry":"cylinder"},"fluid":"air",
        "inputs":{"velocity":{"text":")" + velocity + R"(","unit":"m/s"},"length":{"text":"12.7","unit":"mm"},
        "t_inf":{"text":)" + tInf + R"(},"t_surface":{"text":"128.4","unit":"°C"},
        "pressure":{"text":"1","unit":"atm"}}})");
    f.close();
    const Run r = runProgram({"calculate", "--case", f.fileName(), "--format", "json"});
    const json a = r.out.isEmpty() ? json() : parsed(r.out);
    if (reynolds == 0.0) {
        QCOMPARE(r.code, 1); // refused as the velocity, by the reader or beside the field
        QVERIFY2(r.out.isEmpty() || a.contains("invalid"), r.out.constData());
        QVERIFY2(r.err.startsWith("nusselt: ") && r.err.contains("elocity") && r.err.contains("number"),
                 r.err.constData());
        return;
    }
    QCOMPARE(r.code, 0);
    QVERIFY2(near(a.at("reynolds").get<double>(), reynolds, 1e-6), r.out.constData());
    QVERIFY(near(a.at("film_temperature_K").get<double>(), 350.45, 1e-12));
}

QTEST_GUILESS_MAIN(CliJson)
#include "tst_cli_json.moc"
