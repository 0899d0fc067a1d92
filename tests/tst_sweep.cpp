// The sweep's table without widgets: its columns, every step's values against the published
// formulas and the reference properties, the sentences that put a value outside its correlation's
// range, the refusals of the steps a physical problem cannot take, and the inputs it offers.

#include "curves.h"
#include "publishedcylinder.h"
#include "sweep.h"
#include "textbookcases.h"

#include <QtTest>

#include <cmath>

using namespace textbook;

class SweepTest : public QObject
{
    Q_OBJECT

private slots:
    void sweepOfReMatchesPublishedValuesAndMarksOutside();
    void sweepOfPrAcrossPointSixChangesTheLaminarRelation();
    void physicalSweepRefusesRowsItCannotEvaluate();
    void physicalSweepSaysWhyExactly();
    void physicalSweepCarriesReynoldsPrandtlAndHeat();
    void sweepOffersTheInputsOfTheCase_data();
    void sweepOffersTheInputsOfTheCase();
    void heatFluxSweepOfATypedFluidKeepsNu();
    void physicalSweepBelowPointSixHasChurchillOzoe();
};

void SweepTest::sweepOfReMatchesPublishedValuesAndMarksOutside()
{
    const Sweep t(cylinder, dimensionless(1, 0.7, 0.7), SweepInput::Reynolds,
                  spacedValues(0.1, 1e7, 9, true));
    QCOMPARE(t.columns().size(), std::size_t(4));
    QCOMPARE(t.size(), std::size_t(9));
    for (std::size_t i = 0; i < t.size(); ++i) {
        const SweepRow row = t.row(i);
        const double re = row.value;
        const SweepCell &hilpert = row.cells[1];
        const SweepCell &zhukauskas = row.cells[3];
        if (re >= 0.4 && re <= 4e5) {
            QVERIFY(hilpert.nusselt);
            QVERIFY(std::abs(*hilpert.nusselt / published::hilpert(re, 0.7) - 1) < 1e-9);
            QVERIFY(hilpert.outside.empty());
        } else {
            QVERIFY(!hilpert.nusselt);
        }
        QVERIFY(std::abs(*row.cells[2].nusselt / published::churchillBernstein(re, 0.7) - 1) < 1e-9);
        // Zhukauskas holds from Re 1 to 10^6.
        QCOMPARE(zhukauskas.outside.empty(), re >= 1 && re <= 1e6);
        if (re <= 1e6)
            QVERIFY(std::abs(*zhukauskas.nusselt / published::zhukauskas(re, 0.7, 0.7) - 1) < 1e-9);
    }
    QVERIFY(t.row(8).cells[3].outside.front().find("above the Zhukauskas range") != std::string::npos);
}

void SweepTest::sweepOfPrAcrossPointSixChangesTheLaminarRelation()
{
    const Sweep t(laminarPlate, dimensionless(1e5, 0.1), SweepInput::Prandtl, {0.1, 0.7});
    QStringList labels;
    for (const SweepColumn &c : t.columns())
        labels << QString::fromStdString(c.label);
    QCOMPARE(labels, (QStringList{"Churchill-Ozoe, local", "Churchill-Ozoe, average", "Laminar plate, local",
                                  "Laminar plate, average"}));
    // Pr 0.7: 0.332 Re^1/2 Pr^1/3 locally, twice that on average; no Churchill-Ozoe value.
    const SweepRow second = t.row(1);
    QVERIFY(!second.cells[0].nusselt);
    QVERIFY(std::abs(*second.cells[2].nusselt / (0.332 * std::sqrt(1e5) * std::cbrt(0.7)) - 1) < 1e-9);
    QVERIFY(std::abs(*second.cells[3].nusselt / (0.664 * std::sqrt(1e5) * std::cbrt(0.7)) - 1) < 1e-9);
    // Pr 0.1, Churchill-Ozoe: 0.3387 Re^1/2 Pr^1/3 / [1 + (0.0468/Pr)^2/3]^1/4.
    const double co = 0.3387 * std::sqrt(1e5) * std::cbrt(0.1) / std::pow(1 + std::pow(0.0468 / 0.1, 2.0 / 3.0), 0.25);
    QVERIFY(std::abs(*t.row(0).cells[0].nusselt / co - 1) < 1e-9);
    QVERIFY(!t.row(0).cells[2].nusselt);
}

void SweepTest::physicalSweepRefusesRowsItCannotEvaluate()
{
    Problem p;
    p.selection = cylinder;
    p.velocity = 10.0;
    p.length = 0.0127;
    p.freeStreamTemperature = 299.35;
    p.surfaceTemperature = 401.55;
    // A velocity sweep through zero: the rows at -1 and 0 m/s are refused, the others have h.
    const Sweep t(p, SweepInput::Velocity, {-1.0, 0.0, 8.0, 10.0});
    QCOMPARE(t.size(), std::size_t(4));
    QVERIFY(!t.row(0).refusal.empty());
    QVERIFY(!t.row(1).refusal.empty());
    QVERIFY(t.row(2).refusal.empty());
    QCOMPARE(t.columns().size(), std::size_t(4));
    // Re about 4900 and 6100, both in Hilpert's band 4000 to 40000 where h grows as V^0.618.
    const double h8 = *t.row(2).cells[1].h, h10 = *t.row(3).cells[1].h;
    QVERIFY(std::abs(h10 / h8 - std::pow(10.0 / 8.0, 0.618)) < 1e-9);
}

void SweepTest::physicalSweepSaysWhyExactly()
{
    // Air across the 12.7 mm cylinder, velocities from none to supersonic. Re at T_f = 350.45 K
    // and at T∞ = 299.35 K and the speed of sound at T∞ (346.94 m/s) from python3-iapws.
    const Sweep t(cylinderInAir(), SweepInput::Velocity, {-1.0, 0.0, 0.0005, 10.0, 500.0});
    QCOMPARE(t.size(), std::size_t(5));
    const QStringList expectedRefusals{"Velocity must be greater than zero", "Velocity must be greater than zero",
                                       "", "", ""};
    const QString ri = "Ri = 1.45·10⁵ above 0.1: mixed convection";
    const QList<QStringList> outside[] = {
        {{}, {}, {}, {}},
        {{}, {}, {}, {}},
        // Re_f = 0.306, Re∞ = 0.405; so slow a flow is free convection: Ri = g (1/T_f) dT D / V^2
        // = 9.80665 / 350.45 * 102.2 * 0.0127 / 0.0005^2 = 1.45·10⁵.
        {{ri}, {"Re = 0.306 below the Hilpert range 0.4 to 4·10⁵", ri}, {ri},
         {"Re = 0.405 below the Zhukauskas range 1 to 10⁶", ri}},
        {{}, {}, {}, {}},
        // Ma = 500 / 346.94 = 1.44: every correlation assumes an incompressible flow.
        {{"Ma = 1.44 above 0.3: compressible flow"}, {"Ma = 1.44 above 0.3: compressible flow"},
         {"Ma = 1.44 above 0.3: compressible flow"}, {"Ma = 1.44 above 0.3: compressible flow"}},
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        const SweepRow row = t.row(i);
        QCOMPARE(QString::fromStdString(row.refusal), expectedRefusals[int(i)]);
        QCOMPARE(row.cells.size(), std::size_t(4));
        for (std::size_t c = 0; c < 4; ++c) {
            QStringList said;
            for (const std::string &sentence : row.cells[c].outside)
                said << QString::fromStdString(sentence);
            QCOMPARE(said, outside[i][int(c)]);
        }
        // A refused step has no value anywhere; Hilpert has none below Re 0.4.
        QCOMPARE(bool(row.cells[1].nusselt), i >= 3);
        QCOMPARE(bool(row.cells[0].nusselt), i >= 2);
    }
}

void SweepTest::physicalSweepCarriesReynoldsPrandtlAndHeat()
{
    // The textbook cylinder at 10 m/s: Hilpert at T_f with the reference properties (python3-iapws),
    // h = Nu k / D, q'' = h (Ts - T∞) over 102.2 K, q' = q'' π D; Zhukauskas's Re at T∞.
    const Sweep t(cylinderInAir(), SweepInput::Velocity, {10.0});
    const SweepRow row = t.row(0);
    const double re = 10.0 * 0.0127 / air::nuFilm350;
    const double h = published::hilpert(re, air::prFilm350) * air::kFilm350 / 0.0127;
    const SweepCell &hilpert = row.cells[1];
    QVERIFY(std::abs(*hilpert.reynolds / re - 1) < 1e-4);
    QVERIFY(std::abs(*hilpert.prandtl / air::prFilm350 - 1) < 1e-4);
    QVERIFY(std::abs(*hilpert.h / h - 1) < 2e-4);
    QVERIFY(std::abs(*hilpert.heatFlux / (h * 102.2) - 1) < 2e-4);
    QVERIFY(std::abs(*hilpert.heatRate / (h * 102.2 * std::acos(-1.0) * 0.0127) - 1) < 2e-4);
    QVERIFY(std::abs(*row.cells[3].reynolds / (10.0 * 0.0127 / air::nu299) - 1) < 1e-4);
    // The stagnation point is a local value: a flux, no heat rate.
    QVERIFY(row.cells[0].heatFlux && !row.cells[0].heatRate);
}

void SweepTest::sweepOffersTheInputsOfTheCase_data()
{
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<bool>("physical");
    QTest::addColumn<QList<int>>("inputs");
    using I = SweepInput;
    const auto ids = [](std::initializer_list<I> in) {
        QList<int> out;
        for (I i : in)
            out << int(i);
        return out;
    };
    QTest::newRow("calculator's numbers") << cylinderInAir() << false << ids({I::Reynolds, I::Prandtl});
    QTest::newRow("cylinder in air") << cylinderInAir() << true
                                     << ids({I::Velocity, I::Length, I::FreeStreamTemperature, I::SurfaceTemperature,
                                             I::Pressure});
    Problem flux = cylinderInAir();
    flux.selection = selectionFromCodes(1, 2, 1, 0, 0);
    QTest::newRow("uniform-flux plate: q'' instead of Ts")
        << flux << true << ids({I::Velocity, I::Length, I::FreeStreamTemperature, I::HeatFlux, I::Pressure});
    Problem typed = cylinderInAir();
    typed.fluid = FluidChoice::Custom;
    QTest::newRow("a fluid of one's own has no pressure to step")
        << typed << true << ids({I::Velocity, I::Length, I::FreeStreamTemperature, I::SurfaceTemperature});
}

void SweepTest::sweepOffersTheInputsOfTheCase()
{
    QFETCH(Problem, problem);
    QFETCH(bool, physical);
    QFETCH(QList<int>, inputs);
    QList<int> offered;
    for (SweepInput in : sweepInputs(problem, physical))
        offered << int(in);
    QCOMPARE(offered, inputs);
}

void SweepTest::heatFluxSweepOfATypedFluidKeepsNu()
{
    // A uniform-flux laminar plate in a fluid of one's own (an oil): the properties typed hold at
    // every step, so Re, Pr and Nu stay put while Ts - T∞ = q'' L / (Nu k) follows q'', with the
    // published average Nu = 0.68 Re^1/2 Pr^1/3.
    Problem p;
    p.selection = selectionFromCodes(1, 2, 1, 0, 0);
    p.fluid = FluidChoice::Custom;
    p.custom.film = TypedProperties{880.0, 0.08, 0.145, 1900.0};
    p.velocity = 2.0;
    p.length = 0.5;
    p.freeStreamTemperature = 300.0;
    p.heatFlux = 1000.0;
    const Sweep t(p, SweepInput::HeatFlux, {500.0, 1000.0, 4000.0});
    QVERIFY(t.fixedProperties());
    const double re = 880.0 * 2.0 * 0.5 / 0.08, pr = 0.08 * 1900.0 / 0.145;
    const double nu = 0.68 * std::sqrt(re) * std::cbrt(pr);
    std::size_t average = t.columns().size();
    for (std::size_t c = 0; c < t.columns().size(); ++c)
        if (t.columns()[c].term.kind == Kind::Average)
            average = c;
    QVERIFY(average < t.columns().size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const SweepCell cell = t.row(i).cells[average];
        QVERIFY2(cell.nusselt && std::abs(*cell.nusselt / nu - 1) < 1e-12, qPrintable(QString::number(i)));
        QVERIFY(std::abs(*cell.temperatureDifference / (t.value(i) * 0.5 / (nu * 0.145)) - 1) < 1e-12);
    }
    // Nor does the pressure change them (the window offers no pressure to step, see above).
    QVERIFY(Sweep(p, SweepInput::Pressure, {2e5}).fixedProperties());
    QVERIFY(!Sweep(p, SweepInput::Velocity, {1.0}).fixedProperties());
    // Air's properties follow its temperature.
    QVERIFY(!Sweep(cylinderInAir(), SweepInput::SurfaceTemperature, {400.0}).fixedProperties());
}

// A laminar plate in a liquid metal of one's own (Pr = 1.5e-3 · 140 / 8.5 = 0.0247): a physical
// sweep has the Churchill-Ozoe columns, each step the published 0.3387 Re^1/2 Pr^1/3 /
// [1 + (0.0468/Pr)^2/3]^1/4 locally and twice that on average, at Re = ρ V L / μ.
void SweepTest::physicalSweepBelowPointSixHasChurchillOzoe()
{
    Problem p;
    p.selection = laminarPlate;
    p.fluid = FluidChoice::Custom;
    p.custom.film = TypedProperties{13500.0, 1.5e-3, 8.5, 140.0};
    p.velocity = 0.1;
    p.length = 0.05;
    p.freeStreamTemperature = 300.0;
    p.surfaceTemperature = 350.0;
    const Sweep t(p, SweepInput::Velocity, {0.1, 0.2});
    QStringList labels;
    for (const SweepColumn &c : t.columns())
        labels << QString::fromStdString(c.label);
    QCOMPARE(labels, (QStringList{"Churchill-Ozoe, local", "Churchill-Ozoe, average"}));
    const double pr = 1.5e-3 * 140.0 / 8.5;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const SweepRow row = t.row(i);
        const double re = 13500.0 * row.value * 0.05 / 1.5e-3;
        const double local = 0.3387 * std::sqrt(re) * std::cbrt(pr) / std::pow(1 + std::pow(0.0468 / pr, 2.0 / 3.0), 0.25);
        QVERIFY(row.cells[0].nusselt && std::abs(*row.cells[0].nusselt / local - 1) < 1e-12);
        QVERIFY(row.cells[1].nusselt && std::abs(*row.cells[1].nusselt / (2 * local) - 1) < 1e-12);
    }
}

QTEST_GUILESS_MAIN(SweepTest)
#include "tst_sweep.moc"
