// One tube-bank evaluation, its mean temperature iterated (about five property look-ups and
// Zukauskas evaluations), beside one evaluation of the cylinder in the same run as the baseline:
// the bank should cost a small multiple of it.

#include "flowcase.h"

#include <benchmark/benchmark.h>

namespace {

using nusselt::physics::Problem;

// The textbook's staggered bank: D = 16.4 mm, S_T = 31.3 mm, S_L = 34.3 mm, 7 rows of 8 tubes, air
// at 15 °C and 6 m/s, Ts = 70 °C.
Problem textbookBank()
{
    Problem p;
    p.selection.geometry = nusselt::Geometry::TubeBank;
    p.selection.arrangement = nusselt::Arrangement::Staggered;
    p.velocity = 6.0;
    p.length = 0.0164;
    p.transversePitch = 0.0313;
    p.longitudinalPitch = 0.0343;
    p.rows = 7;
    p.tubesPerRow = 8;
    p.freeStreamTemperature = 288.15;
    p.surfaceTemperature = 343.15;
    return p;
}

// The baseline: the cylinder of D = 12.7 mm in air at 10 m/s, 26.2 °C to 128.4 °C.
Problem cylinderInAir()
{
    Problem p;
    p.selection.geometry = nusselt::Geometry::Cylinder;
    p.velocity = 10.0;
    p.length = 0.0127;
    p.freeStreamTemperature = 299.35;
    p.surfaceTemperature = 401.55;
    return p;
}

void BM_Evaluate(benchmark::State &state, Problem (*problem)())
{
    const Problem p = problem();
    for (auto _ : state) {
        auto e = nusselt::physics::evaluate(p);
        benchmark::DoNotOptimize(e);
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_Evaluate, cylinder, cylinderInAir);
BENCHMARK_CAPTURE(BM_Evaluate, tubeBank, textbookBank);

BENCHMARK_MAIN();
