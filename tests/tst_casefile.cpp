// Case files mean what the options mean: hostile and odd files run through `nusselt calculate
// --case`, each against its exit status and message, and where the same case can be given as
// options, against the options' exit status and (when computed) their JSON answer, byte for byte.
// The textbook cylinder's numbers are checked against the published Churchill-Bernstein
// correlation with air's reference properties (python3-iapws), not against this program.

#include "publishedcylinder.h"
#include "textbookcases.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <nlohmann/json.hpp>

#include <cmath>

namespace {

struct Run {
    int code = -1;
    QByteArray out, err;
};

Run runNusselt(const QStringList &args)
{
    QProcess p;
    p.start(NUSSELT_BINARY, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

const QString head = R"("format": "nusselt-case", "version": 1, )";
const QString cylinderInputs = R"("inputs": {"velocity": {"text": "10", "unit": "m/s"},
    "length": {"text": "12.7", "unit": "mm"}, "t_inf": {"text": "26.2", "unit": "°C"},
    "t_surface": {"text": "128.4", "unit": "°C"}, "pressure": {"text": "101.325", "unit": "kPa"}})";
const QString cylinderOptions =
    "--geometry cylinder --fluid air --velocity 10m/s --length 12.7mm --t-inf 26.2C --t-surface 128.4C";
// The file's inputs without the pressure.
const QString cylinderNoPressure = R"("inputs": {"velocity": {"text": "10", "unit": "m/s"},
    "length": {"text": "12.7", "unit": "mm"}, "t_inf": {"text": "26.2", "unit": "°C"},
    "t_surface": {"text": "128.4", "unit": "°C"}})";

// A case file of these members; a comma after the last is dropped.
QString caseWith(QString body)
{
    if (body.endsWith(", "))
        body.chop(2);
    return "{" + head + body + "}";
}

// A cylinder in air with one input replaced.
QString cylinderWith(const QString &from, const QString &to)
{
    QString inputs = cylinderInputs;
    inputs.replace(from, to);
    return caseWith(R"("case": {"geometry": "cylinder"}, "fluid": "air", )" + inputs);
}

} // namespace

class CaseFiles : public QObject
{
    Q_OBJECT

private slots:
    void asOptions_data();
    void asOptions();
    void textbookCylinderFromFile();
};

// Each row: the file's text, the exit status and a piece of standard error expected of it (empty:
// nothing said), and the same case as options (empty: options cannot say it).
void CaseFiles::asOptions_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("options");

    const QString air = R"("fluid": "air", )";
    const QString cylinder = R"("case": {"geometry": "cylinder"}, )";
    const QString plateInputs = R"("inputs": {"velocity": {"text": "5", "unit": "m/s"},
        "length": {"text": "0.5", "unit": "m"}, "t_inf": {"text": "20", "unit": "°C"},
        "t_surface": {"text": "60", "unit": "°C"}})";
    const QString plateOptions = "--fluid air --velocity 5m/s --length 0.5m --t-inf 20C --t-surface 60C";

    // Choices
    QTest::newRow("choices: the textbook cylinder")
        << caseWith(cylinder + air + cylinderInputs) << 0 << "" << cylinderOptions + " --pressure 101.325kPa";
    QTest::newRow("choices: no case at all")
        << caseWith(air + cylinderInputs) << 2 << "missing case.geometry" << cylinderOptions.mid(20);
    QTest::newRow("choices: a plate without heat or flow")
        << caseWith(R"("case": {"geometry": "plate"}, )" + air + plateInputs) << 2 << "missing case.heat"
        << "--geometry plate " + plateOptions;
    QTest::newRow("choices: a plate without its flow")
        << caseWith(R"("case": {"geometry": "plate", "heat": "temperature"}, )" + air + plateInputs) << 2
        << "missing case.flow" << "--geometry plate --heat temperature " + plateOptions;
    QTest::newRow("choices: a laminar plate without its fluid type")
        << caseWith(R"("case": {"geometry": "plate", "heat": "temperature", "flow": "laminar"}, )" + air + plateInputs)
        << 2 << "missing case.fluid_type" << "--geometry plate --heat temperature --flow laminar " + plateOptions;
    QTest::newRow("choices: a sphere without its kind")
        << caseWith(R"("case": {"geometry": "sphere"}, )" + air + plateInputs) << 2 << "missing case.sphere"
        << "--geometry sphere " + plateOptions;
    QTest::newRow("choices: a cone")
        << caseWith(R"("case": {"geometry": "cone"}, )" + air + cylinderInputs) << 2
        << R"(case.geometry: "cone" is not one of plate, cylinder, sphere, tube-bank or noncircular)"
        << "--geometry cone" + cylinderOptions.mid(19);
    QTest::newRow("choices: a fluid type kept from laminar flow, left aside when turbulent")
        << caseWith(R"("case": {"geometry": "plate", "heat": "temperature", "flow": "turbulent", "fluid_type": "regular"}, )"
                    + air + plateInputs)
        << 0 << "" << "--geometry plate --heat temperature --flow turbulent " + plateOptions;
    QTest::newRow("choices: a flow of an unknown kind")
        << caseWith(R"("case": {"geometry": "plate", "heat": "temperature", "flow": "Turbulant"}, )" + air + plateInputs)
        << 2 << R"(case.flow: "Turbulant")" << "--geometry plate --heat temperature --flow Turbulant " + plateOptions;

    // Fluid and pressure
    QTest::newRow("fluid: missing")
        << caseWith(cylinder + cylinderInputs) << 2 << "missing fluid (air, water, steam, sodium, nak, lead, lead-bismuth or custom)"
        << QString(cylinderOptions).remove("--fluid air ");
    QTest::newRow("fluid: oil") << caseWith(cylinder + R"("fluid": "oil", )" + cylinderInputs) << 2
                                << R"(fluid: "oil" is not one of air, water, steam, sodium, nak, lead, lead-bismuth or custom, nor a kept fluid)"
                                << QString(cylinderOptions).replace("air", "oil");
    QTest::newRow("fluid: an object") << caseWith(cylinder + R"("fluid": {"name": "air"}, )" + cylinderInputs) << 1
                                      << "fluid: expected a text" << "";
    QTest::newRow("pressure: missing is 1 atm")
        << caseWith(cylinder + air + cylinderNoPressure) << 0 << "" << cylinderOptions + " --pressure 1atm";
    QTest::newRow("pressure: missing, as options without it")
        << caseWith(cylinder + air + cylinderNoPressure) << 0 << "" << cylinderOptions;
    QTest::newRow("pressure: an empty text is a value not entered")
        << cylinderWith(R"("101.325")", R"("")") << 1 << "Pressure: Enter the pressure as a number"
        << cylinderOptions + " --pressure=";

    // Version and format
    QTest::newRow("version: -1") << caseWith(cylinder + air).replace(R"("version": 1)", R"("version": -1)") << 1
                                 << "version: -1 is no version" << "";
    QTest::newRow("version: 0") << caseWith(cylinder + air).replace(R"("version": 1)", R"("version": 0)") << 1
                                << "version: 0" << "";
    QTest::newRow("version: 2") << caseWith(cylinder + air).replace(R"("version": 1)", R"("version": 2)") << 1
                                << "version: written by a newer program" << "";
    QTest::newRow("version: a text") << caseWith(cylinder + air).replace(R"("version": 1)", R"("version": "1")")
                                     << 1 << "version: expected a whole number" << "";
    QTest::newRow("version: 1.0") << caseWith(cylinder + air).replace(R"("version": 1)", R"("version": 1.0)")
                                  << 1 << "version: expected a whole number" << "";
    QTest::newRow("version: missing") << caseWith(cylinder + air).remove(R"("version": 1, )") << 1
                                      << "version: expected a whole number" << "";
    QTest::newRow("format: another") << caseWith(cylinder + air).replace("nusselt-case", "nusselt-sweep") << 1
                                     << "format: expected" << "";

    // Values of the wrong type, named with their path
    QTest::newRow("type: case is a list") << caseWith(R"("case": ["cylinder"], )" + air) << 1
                                          << "case: expected an object" << "";
    QTest::newRow("type: a choice is a number") << caseWith(R"("case": {"geometry": 2}, )" + air) << 1
                                                << "case.geometry: expected a text" << "";
    QTest::newRow("type: an input is a text") << cylinderWith(R"({"text": "10", "unit": "m/s"})", R"("10 m/s")")
                                              << 1 << "inputs.velocity: expected" << "";
    QTest::newRow("type: an input's text is a number") << cylinderWith(R"("text": "10")", R"("text": 10)") << 1
                                                       << "inputs.velocity.text: expected a text" << "";
    QTest::newRow("type: an input's unit is null") << cylinderWith(R"("unit": "m/s")", R"("unit": null)") << 1
                                                   << "inputs.velocity.unit: expected a text" << "";
    QTest::newRow("type: custom film is a text")
        << caseWith(cylinder + R"("fluid": "custom", "custom": {"film": "oil"})") << 1
        << "custom.film: expected an object" << "";
    QTest::newRow("type: a surface Prandtl number that is a number")
        << caseWith(cylinder + R"("fluid": "custom", "custom": {"surface_prandtl": 0.7})") << 1
        << "custom.surface_prandtl: expected a text" << "";
    QTest::newRow("type: a property that is a list")
        << caseWith(cylinder + R"("fluid": "custom", "custom": {"free_stream": {"density": [1.2]}})") << 1
        << "custom.free_stream.density: expected a text" << "";

    // Unknown keys, as unknown options
    QTest::newRow("unknown: a top-level key") << caseWith(cylinder + air + R"("colour": "red", )" + cylinderInputs)
                                              << 2 << "colour: unknown key" << cylinderOptions + " --colour red";
    QTest::newRow("unknown: an input") << cylinderWith(R"("velocity")", R"("speed")") << 2
                                       << "inputs.speed: unknown input"
                                       << QString(cylinderOptions).replace("--velocity", "--speed");
    QTest::newRow("unknown: an input's entry") << cylinderWith(R"("unit": "m/s")", R"("units": "m/s")") << 2
                                               << "inputs.velocity.units: unknown entry" << "";
    QTest::newRow("unknown: a choice") << caseWith(R"("case": {"geometry": "cylinder", "shape": "round"}, )" + air)
                                       << 2 << "case.shape: unknown choice" << "";
    QTest::newRow("unknown: a custom property")
        << caseWith(cylinder + R"("fluid": "custom", "custom": {"film": {"density": "860", "colour": "amber"}})")
        << 2 << "custom.film.colour: unknown property" << "";
    QTest::newRow("unknown: a custom entry")
        << caseWith(cylinder + R"("fluid": "custom", "custom": {"surface": {}})") << 2
        << "custom.surface: unknown entry" << "";
    QTest::newRow("unknown: a unit") << cylinderWith(R"("m/s")", R"("furlong/fortnight")") << 1
                                     << R"(inputs.velocity.unit: "furlong/fortnight")"
                                     << QString(cylinderOptions).replace("10m/s", "10furlong/fortnight");

    // Given twice, as an option given twice
    QTest::newRow("twice: fluid") << caseWith(cylinder + air + R"("fluid": "water", )" + cylinderInputs) << 2
                                  << "fluid: given twice" << cylinderOptions + " --fluid water";
    QTest::newRow("twice: an input's text") << cylinderWith(R"("text": "10")", R"("text": "10", "text": "20")")
                                            << 2 << "inputs.velocity.text: given twice" << "";

    // Texts as the options read them
    QTest::newRow("text: a leading plus") << cylinderWith(R"("text": "10")", R"("text": "+10")") << 0 << ""
                                          << QString(cylinderOptions).replace("10m/s", "+10m/s");
    QTest::newRow("text: blanks around the number")
        << cylinderWith(R"("text": "12.7")", R"("text": " 12.7 ")") << 0 << "" << cylinderOptions;
    QTest::newRow("text: not a number") << cylinderWith(R"("text": "10")", R"("text": "fast")") << 1
                                        << R"(inputs.velocity.text: "fast" is not a number)"
                                        << QString(cylinderOptions).replace("10m/s", "fastm/s");
    QTest::newRow("text: empty velocity") << cylinderWith(R"("text": "10")", R"("text": "")") << 1
                                          << "Velocity: Enter the velocity as a number"
                                          << QString(cylinderOptions).replace("--velocity 10m/s", "--velocity=");
    QTest::newRow("text: a unit left empty is the default one")
        << cylinderWith(R"("unit": "m/s")", R"("unit": "")") << 0 << "" << cylinderOptions;

    // What the window keeps whatever the case: left aside when the case does not use it
    QTest::newRow("window: blank x, xi and heat flux of a cylinder")
        << cylinderWith(R"("pressure")", R"("x": {"text": "", "unit": "m"}, "xi": {"text": "0.1", "unit": "m"},
            "heat_flux": {"text": "500", "unit": "W/m²"}, "pressure")")
        << 0 << "" << cylinderOptions;
    QTest::newRow("window: custom properties kept for air")
        << caseWith(cylinder + air + cylinderInputs + R"(, "custom": {"film": {"density": "abc"}})") << 0 << ""
        << cylinderOptions;
    QTest::newRow("window: a surface temperature kept on a flux plate")
        << caseWith(R"("case": {"geometry": "plate", "heat": "flux", "flow": "laminar"}, )" + air
                    + R"("inputs": {"velocity": {"text": "5", "unit": "m/s"}, "length": {"text": "0.5", "unit": "m"},
                         "t_inf": {"text": "20", "unit": "°C"}, "t_surface": {"text": "60", "unit": "°C"},
                         "heat_flux": {"text": "500", "unit": "W/m²"}})")
        << 0 << ""
        << "--geometry plate --heat flux --flow laminar --fluid air --velocity 5m/s --length 0.5m --t-inf 20C "
           "--heat-flux 500W/m2";

    // Documents that are no case
    QTest::newRow("document: empty") << "" << 1 << "not a JSON document" << "";
    QTest::newRow("document: truncated") << caseWith(cylinder + air).left(40) << 1 << "not a JSON document" << "";
    QTest::newRow("document: a list") << "[1, 2, 3]" << 1 << "expected a JSON object" << "";
    QTest::newRow("document: nested a hundred thousand deep")
        << caseWith(cylinder + air + R"("inputs": )" + QString(100000, '[') + QString(100000, ']')) << 1
        << "nested deeper" << "";
    QTest::newRow("document: a byte order mark")
        << QString(QChar(0xFEFF)) + caseWith(cylinder + air + cylinderInputs) << 0 << "" << cylinderOptions;
}

void CaseFiles::asOptions()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(QString, options);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile f(dir.filePath("case.json"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(file.toUtf8());
    f.close();

    const Run fromFile = runNusselt({"calculate", "--case", f.fileName(), "--format", "json"});
    QCOMPARE(fromFile.code, code);
    if (message.isEmpty())
        QCOMPARE(fromFile.err, QByteArray());
    else
        QVERIFY2(fromFile.err.contains(message.toUtf8()), fromFile.err.constData());
    if (options.isEmpty())
        return;
    const Run fromOptions = runNusselt(QStringList{"calculate"} + options.split(' ') + QStringList{"--format", "json"});
    QCOMPARE(fromFile.code, fromOptions.code);
    QCOMPARE(fromFile.out, fromOptions.out);
    if (code == 0)
        QVERIFY(!fromFile.out.isEmpty());
}

// The textbook cylinder from a file: Re, Pr and Churchill-Bernstein's Nu and h as published, with
// air's reference properties at the film temperature (python3-iapws).
void CaseFiles::textbookCylinderFromFile()
{
    QTemporaryDir dir;
    QFile f(dir.filePath("cylinder.json"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(caseWith(R"("case": {"geometry": "cylinder"}, "fluid": "air", )" + cylinderNoPressure).toUtf8());
    f.close();
    const Run r = runNusselt({"calculate", "--case", f.fileName(), "--format", "json"});
    QCOMPARE(r.code, 0);
    const nlohmann::json j = nlohmann::json::parse(r.out.toStdString());
    const double re = 10.0 * 0.0127 / textbook::air::nuFilm350;
    const double pr = textbook::air::prFilm350;
    QVERIFY(std::abs(j.at("reynolds").get<double>() / re - 1) < 1e-6);
    QVERIFY(std::abs(j.at("prandtl").get<double>() / pr - 1) < 1e-6);
    const nlohmann::json &cb = j.at("results").at(2);
    QCOMPARE(cb.at("correlation").get<std::string>(), std::string("Churchill-Bernstein"));
    const double nu = published::churchillBernstein(re, pr);
    QVERIFY(std::abs(cb.at("nusselt").get<double>() / nu - 1) < 1e-6);
    QVERIFY(std::abs(cb.at("h").get<double>() / (nu * textbook::air::kFilm350 / 0.0127) - 1) < 1e-6);
}

QTEST_GUILESS_MAIN(CaseFiles)
#include "tst_casefile.moc"
