// The command line answers what the calculator window shows: the same cases and texts played on
// the real dialog (combo boxes picked, fields typed, Calculate clicked) and given to the command
// line's code; and its Qt-free number reading and writing against Qt's own.

#include "guitest.h"

#include "numbers.h"
#include "report.h"
#include "request.h"

#include <QRandomGenerator>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

using nusselt::cli::Key;

QString textOf(const nusselt::Shown &shown)
{
    std::string s;
    nusselt::cli::appendField(s, shown);
    return QString::fromStdString(s);
}

double uniform(QRandomGenerator &rng, double low, double high)
{
    return low + rng.generateDouble() * (high - low);
}

// A field text as people type it: numbers of many magnitudes and spellings, and some that are
// not numbers at all.
QString randomText(QRandomGenerator &rng)
{
    static const QStringList odd{"", " ", "abc", "inf", "-inf", "nan", "1e", "-1", "0", " 2e5 ", "1,5"};
    if (rng.bounded(8) == 0)
        return odd[rng.bounded(odd.size())];
    const double magnitude = std::pow(10.0, uniform(rng, -3.0, 7.0));
    const double v = magnitude * uniform(rng, 1.0, 10.0);
    switch (rng.bounded(3)) {
    case 0:
        return QString::number(v, 'g', 1 + rng.bounded(8));
    case 1:
        return QString::number(v, 'e', rng.bounded(5));
    default:
        return QString::number(v, 'f', rng.bounded(4));
    }
}

} // namespace

class CliMatchesDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void readsAsQtReads_data();
    void readsAsQtReads();
    void writesAsQtWrites();
    void writesAsQtWritesAtEdges_data();
    void writesAsQtWritesAtEdges();
    void readsDecimalsAsQtReads();
    void sameFieldsAsTheDialog();

private:
    std::unique_ptr<guitest::ModalWatchdog> watchdog;
};

void CliMatchesDialog::initTestCase()
{
    watchdog = std::make_unique<guitest::ModalWatchdog>();
}

void CliMatchesDialog::cleanup()
{
    const QStringList unexpected = watchdog->take();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
}

void CliMatchesDialog::readsAsQtReads_data()
{
    QTest::addColumn<QString>("text");
    for (const char *t : {"1e5", " 1e5 ", "\t2\n", "+5", "-5", ".5", "5.", "inf", "-inf", "+inf", "INF",
                          "Infinity", "nan", "NaN", "-nan", "+nan", "1e400", "-1e400", "1e-400",
                          "4.9e-324", "1e-320", "0x10", "1,000", "1 000", "1e", "e5", "", "  ",
                          "5e+3", "5E3", "1.5.", "1_0", "0005", "-0", "nan(1)", "infinityx", "+-1",
                          "--1", "1d", "1f", ".", "-.", "+.e1", ".e1", "1e+", "1.e2", "\v3\f"})
        QTest::newRow(t) << QString::fromLatin1(t);
}

void CliMatchesDialog::readsAsQtReads()
{
    QFETCH(QString, text);
    bool ok = false;
    const double qt = text.toDouble(&ok);
    const nusselt::Reading ours = nusselt::readNumber(text.toStdString());
    QCOMPARE(ours.has_value(), ok);
    if (ok && !std::isnan(qt))
        QCOMPARE(*ours, qt);
    if (ok && std::isnan(qt))
        QVERIFY(std::isnan(*ours));
}

// Random doubles of every magnitude, and exact halves at the seventh digit, where Qt rounds away
// from zero and printf's %.6g rounds to even.
void CliMatchesDialog::writesAsQtWrites()
{
    QRandomGenerator rng(20240611);
    QList<double> values{0.0, -0.0, 1234565.0, 0.1234565 * 8.0, 2.5, 1e-4, 9.999995e-5, 999999.5,
                         9999995.0, 1e21, 5e-324, -1234565.0, 123456.5, 0.000123456789};
    for (int i = 0; i < 20000; ++i) {
        const double v = uniform(rng, 1.0, 10.0) * std::pow(10.0, rng.bounded(-12, 12)) *
                         (rng.bounded(2) ? 1 : -1);
        values << v << std::round(v * 2.0) / 2.0; // the second often an exact half
    }
    for (int i = 0; i < 2000; ++i) // seven-digit integers ending in 5: exact halves at six digits
        values << (rng.bounded(100000, 1000000) * 10.0 + 5.0) * std::pow(2.0, rng.bounded(-3, 4));
    for (const double v : values) {
        std::string ours;
        nusselt::appendShown(ours, v);
        const QString qt = QString::number(v, 'g', 6);
        if (QString::fromStdString(ours) != qt)
            QFAIL(qPrintable(QString("%1: Qt %2, ours %3").arg(v, 0, 'g', 17).arg(qt,
                                                                                   QString::fromStdString(ours))));
    }
}

// Where a six-digit text is hardest to get right: the neighbours of exact halves at the seventh
// digit, of powers of ten and of values that round up into the next decade, from the smallest to
// the largest magnitudes.
void CliMatchesDialog::writesAsQtWritesAtEdges_data()
{
    QTest::addColumn<double>("centre"); // its two neighbouring doubles are checked as well
    QRandomGenerator rng(1961);
    for (int e = -30; e <= 30; ++e) {
        const double scale = std::pow(10.0, e);
        const QByteArray at = QByteArray::number(e);
        QTest::newRow("half e" + at) << (rng.bounded(100000, 1000000) + 0.5) * scale;
        QTest::newRow("power e" + at) << scale;
        QTest::newRow("decade e" + at) << 9.999995 * scale;
        QTest::newRow("decade below e" + at) << 9.9999949999 * scale;
    }
    for (const int b : {-1074, -1022, -70, -61, -60, -59, 79, 80, 81, 1023})
        QTest::newRow(("2^" + QByteArray::number(b)).constData()) << std::ldexp(1.0, b) * 1.2345665;
}

void CliMatchesDialog::writesAsQtWritesAtEdges()
{
    QFETCH(double, centre);
    for (const double v : {std::nextafter(centre, 0.0), centre, std::nextafter(centre, HUGE_VAL)}) {
        for (const double signed_ : {v, -v}) {
            std::string ours;
            nusselt::appendShown(ours, signed_);
            QCOMPARE(QString::fromStdString(ours), QString::number(signed_, 'g', 6));
        }
    }
}

// Decimal texts of 1 to 21 digits, a point anywhere, exponents to +-40: read as Qt reads them,
// to the last bit.
void CliMatchesDialog::readsDecimalsAsQtReads()
{
    QRandomGenerator rng(1642);
    for (int i = 0; i < 50000; ++i) {
        QString text;
        if (rng.bounded(4) == 0)
            text += rng.bounded(2) ? '-' : '+';
        const int digits = 1 + rng.bounded(21);
        const int point = rng.bounded(digits + 2);
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += QChar('0' + rng.bounded(10));
        }
        if (rng.bounded(2))
            text += QString(rng.bounded(2) ? "e" : "E") + QString::number(rng.bounded(-40, 41));
        bool ok = false;
        const double qt = text.toDouble(&ok);
        const nusselt::Reading ours = nusselt::readNumber(text.toStdString());
        QVERIFY2(ours.has_value() == ok, qPrintable(text));
        if (ok)
            QVERIFY2(std::memcmp(&qt, &*ours, sizeof qt) == 0, qPrintable(text));
    }
}

// A few hundred random cases: each picked in a fresh dialog as a user picks it, the same choices
// and texts given to the command line's code; every field the press writes must read the same,
// the fields it leaves alone must stay, a refusal must show the same box and note.
void CliMatchesDialog::sameFieldsAsTheDialog()
{
    QRandomGenerator rng(7);
    const QStringList geometries{"Flat Plate", "Cylinder", "Sphere"};
    const QStringList heats{"Uniform Temp", "Uniform Flux", "Unheated Starting Length"};
    const QStringList flows{"Laminar", "Turbulant", "Mixed Flow"};
    const QStringList fluids{"Regular Fluid", "Liquid Metal"};
    const QStringList spheres{"Regular Sphere", "Drops"};
    int refusals = 0;
    int answers = 0;
    for (int round = 0; round < 300; ++round) {
        ExternalFlow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ExternalFlowTestAccess access(dialog);
        auto &ui = access.ui();

        std::array<std::string, nusselt::cli::keyCount> texts;
        nusselt::cli::Given given;
        const auto give = [&](Key key, std::string_view word) {
            texts[static_cast<std::size_t>(key)] = std::string(word);
            given[static_cast<std::size_t>(key)] = texts[static_cast<std::size_t>(key)];
        };
        const auto typeBoth = [&](QLineEdit *edit, Key key) {
            const QString text = randomText(rng);
            guitest::typeInto(edit, text);
            give(key, text.toStdString());
        };

        const int g = rng.bounded(3);
        QVERIFY(guitest::choose(ui.GeometryCombo, geometries[g]));
        give(Key::Geometry, nusselt::infoOf(nusselt::Choice::Geometry).withCode(g + 1)->word);
        int heat = 0;
        if (g == 0) {
            heat = rng.bounded(3);
            const int flow = rng.bounded(3);
            QVERIFY(guitest::choose(ui.UniformTempCombo, heats[heat]));
            QVERIFY(guitest::choose(ui.TurbulantCombo, flows[flow]));
            give(Key::Heat, nusselt::infoOf(nusselt::Choice::Heat).withCode(heat + 1)->word);
            give(Key::Flow, nusselt::infoOf(nusselt::Choice::Flow).withCode(flow + 1)->word);
            if (heat == 0 && flow == 0) {
                const int fluid = rng.bounded(2);
                QVERIFY(guitest::choose(ui.LiquidMetalCombo, fluids[fluid]));
                give(Key::FluidType, nusselt::infoOf(nusselt::Choice::FluidType).withCode(fluid + 1)->word);
            }
        }
        int sphere = -1;
        if (g == 2) {
            sphere = rng.bounded(2);
            QVERIFY(guitest::choose(ui.SphereCombo, spheres[sphere]));
            give(Key::Sphere, nusselt::infoOf(nusselt::Choice::Sphere).withCode(sphere + 1)->word);
        }
        typeBoth(ui.ReynoldsEdit, Key::Re);
        typeBoth(ui.PrandtlEdit, Key::Pr);
        if (g == 1)
            typeBoth(ui.PrandtlSurfaceEdit, Key::Prs);
        if (g == 0 && heat == 2) {
            typeBoth(ui.PlateLengthEdit, Key::Length);
            typeBoth(ui.LeadingEdgeEdit, Key::X);
            typeBoth(ui.HeatStartEdit, Key::Xi);
        }
        if (sphere == 0) {
            typeBoth(ui.NusseltEdit, Key::Mu);
            typeBoth(ui.ZhukauskasEdit, Key::Mus);
        }

        nusselt::cli::Request request;
        const std::optional<nusselt::cli::Fault> fault = nusselt::cli::buildRequest(given, request);
        QVERIFY2(!fault, fault ? fault->message.c_str() : "");
        nusselt::cli::Answer answer;
        nusselt::cli::answer(request, answer);

        const QList<QLineEdit *> fields{ui.NusseltEdit, ui.AverageNusseltEdit, ui.NoteEdit,
                                        ui.ZhukauskasEdit};
        QStringList before;
        for (QLineEdit *f : fields)
            before << f->text();
        QVERIFY(ui.Calculate->isEnabled());
        // The watchdog stands down while the press's own boxes are caught, so that it cannot take
        // one of them first.
        QStringList unexpected = watchdog->take();
        watchdog.reset();
        const QList<guitest::Box> boxes = guitest::click(ui.Calculate);
        watchdog = std::make_unique<guitest::ModalWatchdog>();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
        const auto shown = nusselt::cli::fieldsOf(answer.outcome);
        const QString where = QString("round %1").arg(round);
        if (answer.refused()) {
            ++refusals;
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes.first().text, QString::fromUtf8(answer.outcome.boxText.data(),
                                                           static_cast<qsizetype>(answer.outcome.boxText.size())));
            QCOMPARE(ui.NoteEdit->text(), textOf(answer.outcome.note));
            for (int i : {0, 1, 3})
                QVERIFY2(fields[i]->text() == before[i], qPrintable(where));
            continue;
        }
        ++answers;
        QVERIFY2(boxes.isEmpty(), qPrintable(where));
        for (int i = 0; i < fields.size(); ++i) {
            const QString expected = shown[static_cast<std::size_t>(i)]->kind == nusselt::Shown::Kind::Keep
                                         ? before[i]
                                         : textOf(*shown[static_cast<std::size_t>(i)]);
            QVERIFY2(fields[i]->text() == expected,
                     qPrintable(where + ": " + fields[i]->objectName() + " shows \"" + fields[i]->text() +
                                "\", the command line \"" + expected + "\""));
        }
    }
    // Both kinds of press were met often enough to mean something.
    QVERIFY(refusals > 30);
    QVERIFY(answers > 100);
}

NUSSELT_GUI_TEST_MAIN(CliMatchesDialog)
#include "tst_cli_dialog.moc"
