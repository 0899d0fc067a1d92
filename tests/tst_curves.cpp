// The plot's curves without widgets: which correlations a case draws, where each is solid (inside
// its published range) and dashed, over which Re and velocities, and the values, checked against
// the published formulas written out here (Incropera & DeWitt's tables and relations) and the
// reference properties, not against the program's own functions.

#include "curves.h"
#include "publishedcylinder.h"
#include "textbookcases.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace nusselt;
using namespace nusselt::physics;
using namespace textbook;

namespace {

bool nearBandEdge(double re)
{
    for (double edge : {4.0, 40.0, 1000.0, 4000.0, 40000.0, 2e5})
        if (std::abs(re / edge - 1) < 1e-9)
            return true;
    return false;
}

const Curve *find(const std::vector<Curve> &curves, const std::string &label)
{
    for (const Curve &c : curves)
        if (c.label == label)
            return &c;
    return nullptr;
}

} // namespace

class CurvesTest : public QObject
{
    Q_OBJECT

private slots:
    void cylinderDrawsItsFourCorrelationsInOrder();
    void solidRunsEndOnThePublishedBounds_data();
    void solidRunsEndOnThePublishedBounds();
    void cylinderValuesAreThePublishedOnes_data();
    void cylinderValuesAreThePublishedOnes();
    void mixedPlateHasNoValueBelowTransition();
    void physicalCurvesKeepPropertiesAndScaleReWithVelocity();
    void coefficientCurvesFollowHilpertsPowerOfVelocity();
    void coefficientCurvesNeedACompleteProblem_data();
    void coefficientCurvesNeedACompleteProblem();
    void spacedValuesEndExactly_data();
    void spacedValuesEndExactly();
    void velocityAxisSpansEachCorrelationsPublishedRange_data();
    void velocityAxisSpansEachCorrelationsPublishedRange();
    void spanOfOnePointDrawsOnlyTheMarker_data();
    void spanOfOnePointDrawsOnlyTheMarker();
    void operatingPointIsOnePointOfItsCurve_data();
    void operatingPointIsOnePointOfItsCurve();
    void sampleNearTheOperatingPointStays();
};

void CurvesTest::cylinderDrawsItsFourCorrelationsInOrder()
{
    const auto op = operatingPoints(cylinder, dimensionless(6000, 0.7, 0.7));
    const auto curves = nusseltCurves(op, reynoldsSpan(op), 100);
    QStringList labels;
    for (const Curve &c : curves)
        labels << QString::fromStdString(c.label);
    QCOMPARE(labels, (QStringList{"Stagnation point", "Hilpert", "Churchill-Bernstein", "Zhukauskas"}));
    // The span covers Hilpert's lowest published Re and Zhukauskas's highest.
    const Span span = reynoldsSpan(op);
    QCOMPARE(span.lo, 0.4);
    QCOMPARE(span.hi, 1e6);
    for (const Curve &c : curves) {
        QVERIFY(c.marker);
        QCOMPARE(c.marker->x, 6000.0);
    }
}

void CurvesTest::solidRunsEndOnThePublishedBounds_data()
{
    QTest::addColumn<int>("caseIndex");
    QTest::addColumn<double>("re");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("solidFrom");
    QTest::addColumn<double>("solidTo");
    QTest::addColumn<int>("dashedRuns");
    // Hilpert 0.4 to 4·10^5 and no value outside: solid only. Zhukauskas 1 to 10^6, a value below 1.
    QTest::newRow("Hilpert") << 0 << 6000.0 << "Hilpert" << 0.4 << 4e5 << 0;
    QTest::newRow("Zhukauskas") << 0 << 6000.0 << "Zhukauskas" << 1.0 << 1e6 << 1;
    QTest::newRow("stagnation point, no Re bound") << 0 << 6000.0 << "Stagnation point" << 0.4 << 1e6 << 0;
    // The laminar plate holds up to the transition at 5·10^5, dashed beyond (to ten times Re).
    QTest::newRow("laminar plate local") << 1 << 1e5 << "Laminar plate, local" << 1e4 << 5e5 << 1;
    QTest::newRow("past transition") << 1 << 1e6 << "Laminar plate, average" << 1e5 << 5e5 << 1;
    // Churchill-Bernstein holds for Re Pr >= 0.2: at Pr 0.25 from Re = 0.8 on, dashed below.
    QTest::newRow("Churchill-Bernstein, Peclet bound") << 2 << 6000.0 << "Churchill-Bernstein" << 0.8 << 1e6 << 1;
}

void CurvesTest::solidRunsEndOnThePublishedBounds()
{
    QFETCH(int, caseIndex);
    QFETCH(double, re);
    QFETCH(QString, label);
    QFETCH(double, solidFrom);
    QFETCH(double, solidTo);
    QFETCH(int, dashedRuns);
    const auto op = caseIndex == 1 ? operatingPoints(laminarPlate, dimensionless(re, 0.7))
                                   : operatingPoints(cylinder, caseIndex == 0 ? dimensionless(re, 0.7, 0.7)
                                                                              : dimensionless(re, 0.25, 0.25));
    const auto curves = nusseltCurves(op, reynoldsSpan(op), 120);
    const Curve *c = find(curves, label.toStdString());
    QVERIFY(c);
    int solid = 0, dashed = 0;
    for (const Segment &s : c->segments) {
        if (s.inside) {
            ++solid;
            QCOMPARE(s.points.front().x, solidFrom);
            QCOMPARE(s.points.back().x, solidTo);
        } else {
            ++dashed;
            // Dashed runs meet the solid one on the bound.
            QVERIFY(s.points.front().x == solidTo || s.points.back().x == solidFrom);
        }
        for (std::size_t i = 1; i < s.points.size(); ++i)
            QVERIFY(s.points[i].x > s.points[i - 1].x);
    }
    QCOMPARE(solid, 1);
    QCOMPARE(dashed, dashedRuns);
}

void CurvesTest::cylinderValuesAreThePublishedOnes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("pr");
    QTest::addColumn<double>("prs");
    QTest::newRow("Hilpert, air") << "Hilpert" << 0.7 << 0.7;
    QTest::newRow("Hilpert, water") << "Hilpert" << 5.8 << 2.0;
    QTest::newRow("Zhukauskas, air") << "Zhukauskas" << 0.71 << 0.69;
    QTest::newRow("Zhukauskas, oil") << "Zhukauskas" << 40.0 << 15.0;
    QTest::newRow("Churchill-Bernstein, water") << "Churchill-Bernstein" << 5.8 << 2.0;
    QTest::newRow("stagnation, air") << "Stagnation point" << 0.7 << 0.7;
}

void CurvesTest::cylinderValuesAreThePublishedOnes()
{
    QFETCH(QString, label);
    QFETCH(double, pr);
    QFETCH(double, prs);
    const auto op = operatingPoints(cylinder, dimensionless(6000, pr, prs));
    const auto curves = nusseltCurves(op, reynoldsSpan(op), 80);
    const Curve *c = find(curves, label.toStdString());
    QVERIFY(c);
    const std::function<double(double)> published = [&](double re) {
        if (label == "Hilpert")
            return published::hilpert(re, pr);
        if (label == "Zhukauskas")
            return published::zhukauskas(re, pr, prs);
        if (label == "Churchill-Bernstein")
            return published::churchillBernstein(re, pr);
        return 1.15 * std::sqrt(re) * std::cbrt(pr);
    };
    int checked = 0;
    for (const Segment &s : c->segments)
        for (const CurvePoint &p : s.points) {
            if (nearBandEdge(p.x) || p.x > 1e6)
                continue;
            QVERIFY2(std::abs(p.y / published(p.x) - 1) < 1e-9, qPrintable(QString::number(p.x)));
            ++checked;
        }
    QVERIFY(checked > 50);
    QVERIFY(std::abs(c->marker->y / published(6000) - 1) < 1e-9);
}

void CurvesTest::mixedPlateHasNoValueBelowTransition()
{
    const auto op = operatingPoints(mixedPlate, dimensionless(2e6, 0.7));
    const auto curves = nusseltCurves(op, reynoldsSpan(op), 100);
    QCOMPARE(curves.size(), std::size_t(1));
    QCOMPARE(curves[0].label, std::string("Mixed boundary layer"));
    QVERIFY(!curves[0].segments.empty());
    for (const Segment &s : curves[0].segments)
        for (const CurvePoint &p : s.points) {
            QVERIFY(p.x >= 5e5);
            QVERIFY(std::abs(p.y / ((0.037 * std::pow(p.x, 0.8) - 871) * std::cbrt(0.7)) - 1) < 1e-9);
        }
    QCOMPARE(curves[0].segments.front().points.front().x, 5e5);
}

void CurvesTest::physicalCurvesKeepPropertiesAndScaleReWithVelocity()
{
    // Air across a 12.7 mm cylinder at 10 m/s, 26.2 °C and a surface at 128.4 °C.
    Problem p;
    p.selection = cylinder;
    p.velocity = 10.0;
    p.length = 0.0127;
    p.freeStreamTemperature = 26.2 + 273.15;
    p.surfaceTemperature = 128.4 + 273.15;
    const Evaluation e = evaluate(p);
    QVERIFY(e.messages.empty());
    const auto curves = coefficientCurves(p, e, *velocitySpan(p, e), 60);
    QCOMPARE(curves.size(), std::size_t(4));
    for (const Curve &c : curves) {
        QVERIFY(c.marker);
        QCOMPARE(c.marker->x, 10.0);
        const double rePerVelocity = c.marker->reynolds / 10.0;
        const double kOverD = *c.marker->h / c.marker->nusselt; // k / D at the correlation's temperature
        for (const Segment &s : c.segments)
            for (const CurvePoint &pt : s.points) {
                // Properties do not depend on velocity: Re ∝ V and h = Nu k / D with one k.
                QVERIFY(std::abs(pt.reynolds / (pt.x * rePerVelocity) - 1) < 1e-9);
                QVERIFY(std::abs(*pt.h / (pt.nusselt * kOverD) - 1) < 1e-9);
            }
    }
    // The Hilpert curve at the point: film temperature 350 K, air ν = 20.92e-6 m²/s and
    // k = 0.030 W/(m·K) (Incropera's table A.4): Re ≈ 6071, Nu = 0.193 Re^0.618 Pr^1/3 ≈ 37.3,
    // h ≈ 88 W/(m²·K) (the textbook's worked example of this cylinder).
    const Curve *h = find(curves, "Hilpert");
    QVERIFY(std::abs(h->marker->reynolds / 6071 - 1) < 0.01);
    QVERIFY(std::abs(h->marker->nusselt / published::hilpert(h->marker->reynolds, 0.70) - 1) < 0.01);
    QVERIFY(std::abs(*h->marker->h / 88.2 - 1) < 0.02);

    // Nu against Re of the same problem carries h too (hover text): at any Re of the Hilpert
    // curve h = Nu k_f / D, k of air at T_f = 350.45 K from the reference formulation
    // (python3-iapws: 0.0300350 W/(m·K)), k / D = 2.36496 W/(m²·K).
    const auto operating = operatingPoints(e);
    const auto reCurves = nusseltCurves(operating, reynoldsSpan(operating), 60);
    const Curve *hr = find(reCurves, "Hilpert");
    QVERIFY(hr && hr->marker && hr->marker->h);
    int checked = 0;
    for (const Segment &s : hr->segments)
        for (const CurvePoint &pt : s.points) {
            QVERIFY(pt.h);
            QVERIFY(std::abs(*pt.h / (pt.nusselt * 2.36496) - 1) < 2e-4);
            ++checked;
        }
    QVERIFY(checked > 30);
    // The calculator's view (no physical problem) has no h.
    Inputs in;
    in.reynolds = 6124.0;
    in.prandtl = 0.70;
    in.prandtlSurface = 0.70;
    const auto dimensionless = operatingPoints(cylinder, in);
    QVERIFY(!nusseltCurves(dimensionless, reynoldsSpan(dimensionless), 20).front().marker->h);
}

void CurvesTest::coefficientCurvesFollowHilpertsPowerOfVelocity()
{
    // In Hilpert's band 4000 < Re <= 40000, Nu = 0.193 Re^0.618 Pr^1/3 with properties fixed by the
    // temperatures: h grows as V^0.618 from its value at the operating point.
    const Problem p = cylinderInAir();
    const Evaluation e = evaluate(p);
    const auto curves = coefficientCurves(p, e, *velocitySpan(p, e), 80);
    const Curve *hilpert = find(curves, "Hilpert");
    QVERIFY(hilpert && hilpert->marker);
    int checked = 0;
    for (const Segment &s : hilpert->segments)
        for (const CurvePoint &pt : s.points) {
            if (!(pt.reynolds > 4000 * (1 + 1e-9) && pt.reynolds <= 40000))
                continue;
            const double expected = *hilpert->marker->h * std::pow(pt.x / 10.0, 0.618);
            QVERIFY2(std::abs(*pt.h / expected - 1) < 1e-9, qPrintable(QString::number(pt.x)));
            ++checked;
        }
    QVERIFY(checked > 10);
}

void CurvesTest::coefficientCurvesNeedACompleteProblem_data()
{
    QTest::addColumn<int>("missing");
    QTest::newRow("no velocity") << 0;
    QTest::newRow("zero diameter") << 1;
    QTest::newRow("surface temperature not entered") << 2;
    QTest::newRow("no case chosen in the calculator") << 3;
}

void CurvesTest::coefficientCurvesNeedACompleteProblem()
{
    QFETCH(int, missing);
    Problem p = cylinderInAir();
    switch (missing) {
    case 0: p.velocity.reset(); break;
    case 1: p.length = 0.0; break;
    case 2: p.surfaceTemperature.reset(); break;
    default: p.selection = Selection{}; break;
    }
    const Evaluation e = evaluate(p);
    QVERIFY(!velocitySpan(p, e));
    QVERIFY(coefficientCurves(p, e, Span{1.0, 100.0}, 40).empty());
}

void CurvesTest::spacedValuesEndExactly_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("logarithmic");
    QTest::addColumn<QList<double>>("expected");
    QTest::newRow("linear") << 0.0 << 10.0 << 6 << false << QList<double>{0, 2, 4, 6, 8, 10};
    QTest::newRow("decades") << 1.0 << 1000.0 << 4 << true << QList<double>{1, 10, 100, 1000};
    QTest::newRow("downwards") << 350.0 << 300.0 << 3 << false << QList<double>{350, 325, 300};
    QTest::newRow("log through zero falls back to linear") << -1.0 << 1.0 << 3 << true << QList<double>{-1, 0, 1};
    QTest::newRow("one step: the start") << 2.0 << 8.0 << 1 << true << QList<double>{2};
    QTest::newRow("one step, no span") << 5.0 << 5.0 << 1 << false << QList<double>{5};
    QTest::newRow("no span, two steps") << 5.0 << 5.0 << 2 << true << QList<double>{5, 5};
    QTest::newRow("no steps") << 1.0 << 2.0 << 0 << false << QList<double>{};
}

void CurvesTest::spacedValuesEndExactly()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, count);
    QFETCH(bool, logarithmic);
    QFETCH(QList<double>, expected);
    const auto v = spacedValues(start, end, count, logarithmic);
    QCOMPARE(int(v.size()), int(expected.size()));
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(std::abs(v[std::size_t(i)] - expected[i]) < 1e-9 * std::max(1.0, std::abs(expected[i])),
                 qPrintable(QString::number(v[std::size_t(i)])));
}

void CurvesTest::velocityAxisSpansEachCorrelationsPublishedRange_data()
{
    // The velocity axis of h against V runs from the lowest to the highest velocity at which a
    // correlation of the case reaches a finite bound of its published Re range (or a tenth and ten
    // times the operating velocity, where that lies further out), each at its own Re = V D / ν:
    // Zhukauskas and Whitaker take ν at T∞, the others at the film temperature. ν from
    // python3-iapws (air; water IAPWS-95).
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    // Hilpert from Re 0.4 at T_f = 350.45 K; Zhukauskas up to 10^6 at T∞ = 299.35 K.
    QTest::newRow("cylinder in air") << inAir(cylinder, 10.0, 0.0127, 299.35, 401.55) << 0.4 * air::nuFilm350 / 0.0127
                                     << 1e6 * air::nu299 / 0.0127;
    Problem water = inAir(cylinder, 0.5, 0.0127, 293.15, 313.15);
    water.fluid = FluidChoice::Water;
    QTest::newRow("cylinder in water") << water << 2.521906472826404e-05 << 79.00748657632013;
    // Whitaker 3.5 to 7.6·10^4, at T∞, around Re 637.
    QTest::newRow("sphere in air") << inAir(selectionFromCodes(3, 0, 0, 0, 1), 1.0, 0.01, 299.35, 401.55)
                                   << 3.5 * air::nu299 / 0.01 << 7.6e4 * air::nu299 / 0.01;
    // The laminar plate's range has no lower Re bound and ends at 5·10^5 (17.0 m/s), below ten
    // times the operating 5 m/s: a decade either side of it.
    QTest::newRow("laminar plate in air") << inAir(laminarPlate, 5.0, 0.5, 293.15, 333.15) << 0.5 << 50.0;
}

void CurvesTest::velocityAxisSpansEachCorrelationsPublishedRange()
{
    QFETCH(Problem, problem);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    const Evaluation e = evaluate(problem);
    QVERIFY(e.messages.empty());
    const std::optional<Span> span = velocitySpan(problem, e);
    QVERIFY(span);
    double first = std::numeric_limits<double>::infinity(), last = 0.0;
    for (const Curve &c : coefficientCurves(problem, e, *span, 60))
        for (const Segment &s : c.segments) {
            first = std::min(first, s.points.front().x);
            last = std::max(last, s.points.back().x);
        }
    // The tables interpolate the formulations within 0.006 %.
    QVERIFY2(std::abs(first / lowest - 1) < 1e-4, qPrintable(QString::number(first, 'g', 10)));
    QVERIFY2(std::abs(last / highest - 1) < 1e-4, qPrintable(QString::number(last, 'g', 10)));
}

void CurvesTest::spanOfOnePointDrawsOnlyTheMarker_data()
{
    QTest::addColumn<double>("at");
    QTest::newRow("at the operating point") << 6000.0;
    QTest::newRow("on Hilpert's upper bound") << 4e5;
    QTest::newRow("where Hilpert has no value") << 0.1;
}

void CurvesTest::spanOfOnePointDrawsOnlyTheMarker()
{
    // One point is no line: no runs, the operating point still marked at its published value.
    QFETCH(double, at);
    const auto op = operatingPoints(cylinder, dimensionless(6000, 0.7, 0.7));
    const auto curves = nusseltCurves(op, Span{at, at}, 50);
    QCOMPARE(curves.size(), std::size_t(4));
    for (const Curve &c : curves) {
        QCOMPARE(c.segments.size(), std::size_t(0));
        QVERIFY(c.marker);
        QCOMPARE(c.marker->x, 6000.0);
    }
    QVERIFY(std::abs(find(curves, "Hilpert")->marker->y / published::hilpert(6000, 0.7) - 1) < 1e-12);
    // The same for h against V over a single velocity.
    const Problem p = cylinderInAir();
    const Evaluation e = evaluate(p);
    for (const Curve &c : coefficientCurves(p, e, Span{at / 600, at / 600}, 50)) {
        QCOMPARE(c.segments.size(), std::size_t(0));
        QCOMPARE(c.marker->x, 10.0);
    }
}

void CurvesTest::operatingPointIsOnePointOfItsCurve_data()
{
    // A decade either side of the operating Re, sampled evenly in log: the middle sample lands on
    // the operating Re but for the last digit (6000.0000000000027).
    QTest::addColumn<double>("re");
    QTest::addColumn<int>("samples");
    QTest::newRow("Re 6000, 3 samples") << 6000.0 << 3;
    QTest::newRow("Re 1234, 5 samples") << 1234.0 << 5;
    QTest::newRow("Re 350, 9 samples") << 350.0 << 9;
}

void CurvesTest::operatingPointIsOnePointOfItsCurve()
{
    QFETCH(double, re);
    QFETCH(int, samples);
    const auto op = operatingPoints(cylinder, dimensionless(re, 0.7, 0.7));
    // Churchill-Bernstein has a value everywhere and no Re bound inside the span.
    const std::vector<Curve> curves = nusseltCurves(op, Span{re / 10, re * 10}, samples);
    const Curve *c = find(curves, "Churchill-Bernstein");
    QVERIFY(c);
    QCOMPARE(c->segments.size(), std::size_t(1));
    const std::vector<CurvePoint> &points = c->segments.front().points;
    QCOMPARE(int(points.size()), samples);
    QCOMPARE(points[std::size_t(samples / 2)].x, re);
    for (std::size_t i = 1; i < points.size(); ++i)
        QVERIFY(points[i].x > points[i - 1].x * (1 + 1e-9));
}

// A sample 0.05 % from the operating Re is a point of its own: only one a digit away is the same.
void CurvesTest::sampleNearTheOperatingPointStays()
{
    const auto op = operatingPoints(cylinder, dimensionless(6003, 0.7, 0.7));
    const Curve *c = nullptr;
    const std::vector<Curve> curves = nusseltCurves(op, Span{600, 60000}, 3);
    QVERIFY((c = find(curves, "Churchill-Bernstein")));
    const std::vector<CurvePoint> &points = c->segments.front().points;
    const double expected[] = {600, 6000, 6003, 60000};
    QCOMPARE(points.size(), std::size(expected));
    for (std::size_t i = 0; i < points.size(); ++i)
        QVERIFY2(std::abs(points[i].x / expected[i] - 1) < 1e-12, qPrintable(QString::number(points[i].x)));
}

QTEST_GUILESS_MAIN(CurvesTest)
#include "tst_curves.moc"
