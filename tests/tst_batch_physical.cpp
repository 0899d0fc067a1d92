// `nusselt batch` with physical columns: Re, Pr, the film temperature and each correlation's Nu,
// h, q'' (or Ts - T_inf) and range sentences, checked column by column against `nusselt calculate
// --format json` of the same row and against the published correlations with air's reference
// properties (python3-iapws). A fluid of one's own typed as options and batch columns: air's
// reference properties typed in give air's answer, and Re and Pr follow from the typed values.

#include "publishedcylinder.h"
#include "textbookcases.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <nlohmann/json.hpp>

#include <cmath>
#include <map>

namespace {

struct Run {
    int code = -1;
    QByteArray out, err;
};

Run runNusselt(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(NUSSELT_BINARY, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// RFC 4180 records of a CSV text: quoted cells, doubled quotes, LF line ends.
std::vector<std::vector<std::string>> records(const QByteArray &text)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string &cell = rows.back().back();
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            cell += '"', ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            rows.back().emplace_back();
        else if (!quoted && c == '\n')
            rows.emplace_back(1);
        else
            cell += c;
    }
    if (rows.back().size() == 1 && rows.back().front().empty())
        rows.pop_back();
    return rows;
}

// A row as its header names the cells.
using Row = std::map<std::string, std::string>;
std::vector<Row> table(const QByteArray &csv)
{
    const auto rs = records(csv);
    std::vector<Row> out;
    for (std::size_t r = 1; r < rs.size(); ++r) {
        Row row;
        for (std::size_t c = 0; c < rs[0].size() && c < rs[r].size(); ++c)
            row[rs[0][c]] = rs[r][c];
        out.push_back(row);
    }
    return out;
}

double cell(const Row &row, const std::string &name)
{
    return std::stod(row.at(name));
}

bool near(double a, double b, double relative)
{
    return std::abs(a - b) <= relative * std::abs(b);
}

// The slug of a correlation's columns, as the program names them ("Churchill-Bernstein",
// "average": "churchill_bernstein_average").
std::string slug(const std::string &name, const std::string &kind)
{
    std::string s;
    for (const char c : name + " " + kind) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!s.empty() && s.back() != '_')
            s += '_';
    }
    return s;
}

const char *header = "geometry,heat,flow,fluid_type,re,pr,prs,fluid,velocity,length,t_inf,t_surface,heat_flux\n";
// Each row, and the same as options (empty: a row with no physical answer).
const std::pair<const char *, const char *> rows[] = {
    {"cylinder,,,,,,,air,10m/s,12.7mm,26.2C,128.4C,",
     "--geometry cylinder --fluid air --velocity 10m/s --length 12.7mm --t-inf 26.2C --t-surface 128.4C"},
    {"plate,temperature,laminar,regular,,,,air,5m/s,0.5m,20C,60C,",
     "--geometry plate --heat temperature --flow laminar --fluid-type regular --fluid air --velocity 5m/s "
     "--length 0.5m --t-inf 20C --t-surface 60C"},
    {"plate,flux,turbulent,,,,,water,2m/s,1m,20C,,5kW/m2",
     "--geometry plate --heat flux --flow turbulent --fluid water --velocity 2m/s --length 1m --t-inf 20C "
     "--heat-flux 5kW/m2"},
    {"sphere,,,,,,,air,40m/s,1m,20C,60C,", ""}, // no sphere kind: a usage error of the row
    {"cylinder,,,,6124,0.7,0.69,,,,,,", ""},    // dimensionless
    {"cylinder,,,,,,,air,-10m/s,12.7mm,26.2C,128.4C,", ""},
};

} // namespace

class BatchPhysical : public QObject
{
    Q_OBJECT

private slots:
    void columnsAsCalculate();
    void textbookNumbers();
    void customFluidAsAir_data();
    void customFluidAsAir();
    void propertyUnits_data();
    void propertyUnits();
};

// Every physical column of every row against the JSON answer of the same options; rows without
// one leave them all empty.
void BatchPhysical::columnsAsCalculate()
{
    QByteArray csv = header;
    for (const auto &r : rows)
        csv += QByteArray(r.first) + "\n";
    const Run batch = runNusselt({"batch"}, csv);
    QCOMPARE(batch.code, 1); // three rows have no answer
    const std::vector<Row> out = table(batch.out);
    QCOMPARE(out.size(), std::size(rows));
    QCOMPARE(batch.out.count('\n'), qsizetype(std::size(rows) + 1));
    std::size_t filled = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const Row &row = out[i];
        const QString options = rows[i].second;
        if (options.isEmpty()) {
            for (const auto &[name, value] : row)
                if (name == "reynolds" || name == "prandtl" || name == "film_temperature_K"
                    || (name.size() > 3 && name.compare(name.size() - 3, 3, "_nu") == 0)
                    || name.find("_W_m2") != std::string::npos || name.find("outside_range") != std::string::npos)
                    QVERIFY2(value.empty(), (name + " of row " + std::to_string(i)).c_str());
            continue;
        }
        const Run one = runNusselt(QStringList{"calculate"} + options.split(' ') + QStringList{"--format", "json"});
        QCOMPARE(one.code, 0);
        const nlohmann::json j = nlohmann::json::parse(one.out.toStdString());
        QCOMPARE(cell(row, "reynolds"), j.at("reynolds").get<double>());
        QCOMPARE(cell(row, "prandtl"), j.at("prandtl").get<double>());
        QCOMPARE(cell(row, "film_temperature_K"), j.at("film_temperature_K").get<double>());
        std::size_t columns = 0;
        for (const auto &r : j.at("results")) {
            const std::string s = slug(r.at("correlation"), r.at("kind"));
            QCOMPARE(cell(row, s + "_nu"), r.at("nusselt").get<double>());
            QCOMPARE(cell(row, s + "_h_W_m2K"), r.at("h").get<double>());
            if (row.count(s + "_temperature_difference_K"))
                QCOMPARE(cell(row, s + "_temperature_difference_K"), r.at("temperature_difference_K").get<double>());
            else
                QCOMPARE(cell(row, s + "_heat_flux_W_m2"), r.at("heat_flux").get<double>());
            std::string sentences;
            for (const auto &sentence : r.at("outside_range"))
                sentences += (sentences.empty() ? "" : "; ") + sentence.get<std::string>();
            QCOMPARE(row.at(s + "_outside_range"), sentences);
            ++columns;
        }
        // No other correlation's columns are filled.
        std::size_t nonEmpty = 0;
        for (const auto &[name, value] : row)
            if (name.size() > 3 && name.compare(name.size() - 3, 3, "_nu") == 0 && !value.empty())
                ++nonEmpty;
        QCOMPARE(nonEmpty, columns);
        ++filled;
    }
    QCOMPARE(filled, std::size_t{3});
}

// The textbook cylinder and a laminar plate against the published correlations with air's
// reference properties (python3-iapws 1.5.2): Churchill-Bernstein h = 96.66 W/(m²·K) (the
// textbook's worked example gives about 96 with tabulated air), the plate's 0.332 Re^1/2 Pr^1/3.
void BatchPhysical::textbookNumbers()
{
    QByteArray csv = header;
    csv += QByteArray(rows[0].first) + "\n" + rows[1].first + "\n";
    const Run batch = runNusselt({"batch"}, csv);
    QCOMPARE(batch.code, 0);
    const std::vector<Row> out = table(batch.out);
    QCOMPARE(out.size(), std::size_t{2});

    const double reD = 10.0 * 0.0127 / textbook::air::nuFilm350, prD = textbook::air::prFilm350;
    const double cb = published::churchillBernstein(reD, prD);
    QVERIFY(near(cell(out[0], "reynolds"), reD, 1e-6));
    QVERIFY(near(cell(out[0], "churchill_bernstein_average_nu"), cb, 1e-6));
    QVERIFY(near(cell(out[0], "churchill_bernstein_average_h_W_m2K"), cb * textbook::air::kFilm350 / 0.0127, 1e-6));
    QVERIFY(near(cell(out[0], "churchill_bernstein_average_heat_flux_W_m2"),
                 cb * textbook::air::kFilm350 / 0.0127 * (128.4 - 26.2), 1e-6));
    QVERIFY(near(cell(out[0], "film_temperature_K"), 350.45, 1e-12));

    // Air at 313.15 K, 1 atm.
    const double nu313 = 1.6998752001889835e-05, k313 = 0.027354274615374773, pr313 = 0.7054792685663694;
    const double reL = 5.0 * 0.5 / nu313;
    const double local = 0.332 * std::sqrt(reL) * std::cbrt(pr313);
    QVERIFY(near(cell(out[1], "laminar_plate_local_nu"), local, 1e-6));
    QVERIFY(near(cell(out[1], "laminar_plate_average_nu"), 2 * local, 1e-6));
    QVERIFY(near(cell(out[1], "laminar_plate_average_h_W_m2K"), 2 * local * k313 / 0.5, 1e-6));
    QCOMPARE(out[1].at("laminar_plate_local_outside_range"), std::string());
}

// Air's reference properties typed in, rounded to six digits: the answer of --fluid air within
// that rounding; Re = V D rho / mu and Pr = cp mu / k exactly from the typed values. The same as
// batch columns.
void BatchPhysical::customFluidAsAir_data()
{
    QTest::addColumn<QString>("geometry");
    QTest::addColumn<QString>("properties");
    // python3-iapws: rho, mu, k, cp at the film temperature 350.45 K and at T_inf 299.35 K; Pr at Ts 401.55 K.
    const QString film = "--density 1.00723 --viscosity 2.08874e-5 --conductivity 0.0300350 --specific-heat 1009.25";
    const QString inf = " --density-inf 1.17956 --viscosity-inf 1.85060e-5 --conductivity-inf 0.0263362 "
                        "--specific-heat-inf 1006.35";
    QTest::newRow("cylinder") << "--geometry cylinder" << film + inf + " --surface-prandtl 0.698872";
    QTest::newRow("laminar plate")
        << "--geometry plate --heat temperature --flow laminar --fluid-type regular" << film;
}

void BatchPhysical::customFluidAsAir()
{
    QFETCH(QString, geometry);
    QFETCH(QString, properties);
    const QString problem = " --velocity 10m/s --length 12.7mm --t-inf 26.2C --t-surface 128.4C --format json";
    const Run air = runNusselt(("calculate " + geometry + " --fluid air" + problem).split(' '));
    const Run typed = runNusselt(("calculate " + geometry + " --fluid custom " + properties + problem).split(' '));
    QCOMPARE(air.code, 0);
    QCOMPARE(typed.code, 0);
    const nlohmann::json a = nlohmann::json::parse(air.out.toStdString());
    const nlohmann::json t = nlohmann::json::parse(typed.out.toStdString());
    QCOMPARE(t.at("fluid").get<std::string>(), std::string("custom"));
    QVERIFY(near(t.at("reynolds"), 10.0 * 0.0127 * 1.00723 / 2.08874e-5, 1e-12));
    QVERIFY(near(t.at("prandtl"), 1009.25 * 2.08874e-5 / 0.0300350, 1e-12));
    QVERIFY(near(t.at("reynolds"), a.at("reynolds"), 1e-5));
    QVERIFY(near(t.at("prandtl"), a.at("prandtl"), 1e-5));
    QCOMPARE(t.at("results").size(), a.at("results").size());
    for (std::size_t i = 0; i < a.at("results").size(); ++i) {
        QVERIFY(near(t["results"][i].at("nusselt"), a["results"][i].at("nusselt"), 1e-5));
        QVERIFY(near(t["results"][i].at("h"), a["results"][i].at("h"), 1e-5));
    }

    // The same row in a batch, its properties as columns.
    QStringList names{"geometry", "fluid"}, cells{geometry.split(' ')[1], "custom"};
    const QStringList words = properties.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < words.size(); i += 2) {
        names << words[i].mid(2).replace('-', '_');
        cells << words[i + 1];
    }
    const QStringList problemWords = problem.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < problemWords.size() - 2; i += 2) {
        names << problemWords[i].mid(2).replace('-', '_');
        cells << problemWords[i + 1];
    }
    const QStringList geometryWords = geometry.split(' ');
    for (int i = 2; i + 1 < geometryWords.size(); i += 2) {
        names << geometryWords[i].mid(2).replace('-', '_');
        cells << geometryWords[i + 1];
    }
    const Run batch = runNusselt({"batch"}, (names.join(',') + "\n" + cells.join(',') + "\n").toUtf8());
    QCOMPARE(batch.code, 0);
    const std::vector<Row> out = table(batch.out);
    QCOMPARE(out.size(), std::size_t{1});
    QCOMPARE(cell(out[0], "reynolds"), t.at("reynolds").get<double>());
    for (const auto &r : t.at("results"))
        QCOMPARE(cell(out[0], slug(r.at("correlation"), r.at("kind")) + "_nu"), r.at("nusselt").get<double>());

    // Without one property it needs: refused, naming it.
    const Run missing = runNusselt(
        ("calculate " + geometry + " --fluid custom " + QString(properties).remove("--conductivity 0.0300350 ") + problem)
            .split(' '));
    QCOMPARE(missing.code, 1);
    QVERIFY2(missing.err.contains("missing --conductivity"), missing.err.constData());
}

// A typed property in each of its units, against the exact definitions (international foot and
// pound, standard gravity, International Table Btu): the film properties the answer used, in SI.
void BatchPhysical::propertyUnits_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("si");
    const double ft = 0.3048, lbm = 0.45359237, hour = 3600.0, btu = 1055.05585262, rankine = 5.0 / 9.0;
    QTest::newRow("kg/m3") << "--density" << "998kg/m3" << "density" << 998.0;
    QTest::newRow("lbm/ft3") << "--density" << "62.3lbm/ft3" << "density" << 62.3 * lbm / (ft * ft * ft);
    QTest::newRow("Pa.s") << "--viscosity" << "1e-3Pa.s" << "dynamic_viscosity" << 1e-3;
    QTest::newRow("lbm/(ft.h)") << "--viscosity" << "2.42lbm/(ft.h)" << "dynamic_viscosity" << 2.42 * lbm / (ft * hour);
    QTest::newRow("lbf.s/ft2") << "--viscosity" << "2e-5lbf.s/ft2" << "dynamic_viscosity"
                               << 2e-5 * lbm * 9.80665 / (ft * ft);
    QTest::newRow("W/(m.K)") << "--conductivity" << "0.6 W/(m.K)" << "thermal_conductivity" << 0.6;
    QTest::newRow("Btu/(h.ft.F)") << "--conductivity" << "0.35Btu/(h.ft.F)" << "thermal_conductivity"
                                  << 0.35 * btu / (hour * ft * rankine);
    QTest::newRow("Btu/(lbm.F)") << "--specific-heat" << "1Btu/(lbm.F)" << "specific_heat" << btu / (lbm * rankine);
    QTest::newRow("plain SI") << "--specific-heat" << "4180" << "specific_heat" << 4180.0;
}

void BatchPhysical::propertyUnits()
{
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(double, si);
    QStringList args{"calculate", "--geometry", "plate", "--heat", "temperature", "--flow", "laminar",
                     "--fluid-type", "regular", "--fluid", "custom", "--velocity", "0.2m/s", "--length", "0.5m",
                     "--t-inf", "20C", "--t-surface", "60C", "--format", "json"};
    for (const char *p : {"--density", "--viscosity", "--conductivity", "--specific-heat"})
        args << p << (p == option ? text : QString(p) == "--density" ? "998" : QString(p) == "--viscosity" ? "1e-3"
                                                                   : QString(p) == "--conductivity" ? "0.6" : "4180");
    const Run r = runNusselt(args);
    QCOMPARE(r.code, 0);
    const nlohmann::json j = nlohmann::json::parse(r.out.toStdString());
    QVERIFY(near(j.at("properties").at("film").at(key.toStdString()).get<double>(), si, 1e-14));
}

QTEST_GUILESS_MAIN(BatchPhysical)
#include "tst_batch_physical.moc"
