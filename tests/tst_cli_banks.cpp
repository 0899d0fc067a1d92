// `nusselt calculate` for a tube bank and a square bar: the JSON keys of the bank against the
// same bank computed with the reference properties (python3-iapws air, see tst_banks.cpp), the
// square bar's two tabulations, and the options each geometry takes or refuses.

#include "clitest.h"

#include <QtTest>

using namespace clitest;

namespace {

const char *const bankOptions = "calculate --geometry tube-bank --arrangement staggered --length 16.4mm "
                                "--transverse-pitch 31.3mm --longitudinal-pitch 34.3mm --rows 7 --tubes-per-row 8 "
                                "--fluid air --velocity 6m/s --t-inf 15C --t-surface 70C";

} // namespace

class CliBanks : public QObject
{
    Q_OBJECT

private slots:
    void tubeBankInJson();
    void squareBarAsText();
    void optionsOfEachGeometry_data();
    void optionsOfEachGeometry();
};

void CliBanks::tubeBankInJson()
{
    const Run r = runProgram(words(bankOptions) + QStringList{"--format", "json"});
    QCOMPARE(r.code, 0);
    const json j = parsed(r.out);
    QCOMPARE(j["case"], json({{"geometry", "tube-bank"}, {"arrangement", "staggered"}}));
    // V_max = 6 × 31.3 / 14.9 m/s.
    QVERIFY(near(j["maximum_velocity"].get<double>(), 12.604026845637586, 1e-14));
    // Our tables are within 0.006 % of the formulations; these numbers follow from them with
    // exponents at most 1 (and ΔT differences of about 10 K): 10⁻⁴ holds them.
    QVERIFY(near(j["outlet_temperature_K"].get<double>() - 288.15, 298.79467456780105 - 288.15, 1e-4));
    QVERIFY(near(j["log_mean_temperature_difference_K"].get<double>(), 49.4870035397324, 1e-4));
    QVERIFY(near(j["properties"]["bank_mean"]["temperature_K"].get<double>(), 293.4723372839075, 1e-6));
    QCOMPARE(j["properties"]["inlet"]["temperature_K"].get<double>(), 288.15);
    const json &z = j["results"][0];
    QCOMPARE(z["correlation"], json("Zukauskas tube bank"));
    QVERIFY(near(z["reynolds"].get<double>(), 13649.844541602608, 1e-4));
    QVERIFY(near(z["nusselt"].get<double>(), 87.44772382364384, 1e-4));
    QVERIFY(near(z["h"].get<double>(), 138.09248987658867, 1e-4));
    QVERIFY(near(z["heat_rate"].get<double>(), 19717.096676118304, 1e-4));
    QCOMPARE(z["heat_rate_unit"], json("W/m"));
    QCOMPARE(j["results"][1]["correlation"], json("Grimison"));
}

void CliBanks::squareBarAsText()
{
    const Run r = runProgram(words("calculate --geometry noncircular --section square --length 20mm --fluid air "
                                   "--velocity 10m/s --t-inf 20C --t-surface 80C"));
    QCOMPARE(r.code, 0);
    // Nu from python3-iapws air at 50 °C (tst_banks.cpp): 65.850 and 48.887, six digits shown.
    QVERIFY2(r.out.contains("Sparrow-Abraham-Tong  average  65.85"), r.out.constData());
    QVERIFY(r.out.contains("Jakob                 average  48.88"));
    QVERIFY(!r.out.contains("Outside the published ranges"));
}

void CliBanks::optionsOfEachGeometry_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QString air = " --fluid air --velocity 6m/s --length 16.4mm --t-inf 15C --t-surface 70C";
    QTest::newRow("no arrangement") << "calculate --geometry tube-bank" + air << 2
                                    << "missing --arrangement (aligned or staggered)";
    QTest::newRow("no section") << "calculate --geometry noncircular" + air << 2
                                << "missing --section (square, square-corner, hexagon, hexagon-corner or plate)";
    QTest::newRow("an arrangement for a cylinder") << "calculate --geometry cylinder --arrangement aligned" + air << 2
                                                   << "--arrangement is not used by a cylinder";
    QTest::newRow("rows for a square bar") << "calculate --geometry noncircular --section square --rows 3" + air << 2
                                           << "--rows is not used by a non-circular cylinder";
    QTest::newRow("a tube bank without a problem") << "calculate --geometry tube-bank --arrangement aligned --re 1e4 --pr 0.7"
                                                   << 2 << "a tube bank is stated as a physical problem";
    QTest::newRow("rows not a number")
        << "calculate --geometry tube-bank --arrangement aligned --transverse-pitch 30mm --longitudinal-pitch 30mm "
           "--rows seven" + air
        << 1 << "--rows: \"seven\" is not a number";
    QTest::newRow("no rows")
        << "calculate --geometry tube-bank --arrangement aligned --transverse-pitch 30mm --longitudinal-pitch 30mm" + air
        << 1 << "Rows N_L: Enter the number of rows N_L as a number";
    QTest::newRow("an unknown section") << "calculate --geometry noncircular --section oval" + air << 2
                                        << "--section: \"oval\" is not one of square, square-corner, hexagon, "
                                           "hexagon-corner or plate";
}

void CliBanks::optionsOfEachGeometry()
{
    QFETCH(QString, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    const Run r = runProgram(args.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    QCOMPARE(r.code, code);
    QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
}

QTEST_GUILESS_MAIN(CliBanks)
#include "tst_cli_banks.moc"
