// What one property evaluation costs, for each fluid, cycling through states spread over the whole
// range as a plot does. Beside it, the floor a table lookup has to be weighed against: air as an
// ideal gas with Sutherland's viscosity law (one pow, one sqrt, two divisions), the cheapest
// formula anyone would use instead. Target: one evaluation in well under a microsecond.

#include "properties.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using nusselt::physics::Fluid;

struct Point {
    double T, P;
};

// A deterministic spread over the range: no two consecutive points share table nodes.
std::vector<Point> states(Fluid fluid)
{
    std::vector<Point> v;
    for (int i = 0; i < 1024; ++i) {
        const double u = std::fmod(i * 0.6180339887498949, 1.0);
        const double w = std::fmod(i * 0.7548776662466927, 1.0);
        const double P = 1e4 + w * (1e6 - 1e4);
        const double T = fluid == Fluid::Air
            ? 200 + u * 1300
            : 273.16 + u * (nusselt::physics::waterBoilingTemperature(P) - 273.16);
        v.push_back({T, P});
    }
    return v;
}

void BM_Properties(benchmark::State &state, Fluid fluid)
{
    const std::vector<Point> points = states(fluid);
    std::size_t i = 0;
    for (auto _ : state) {
        const Point &p = points[i++ & 1023];
        auto r = nusselt::physics::properties(fluid, p.T, p.P);
        benchmark::DoNotOptimize(r);
    }
}

void BM_IdealGasSutherlandFloor(benchmark::State &state)
{
    const std::vector<Point> points = states(Fluid::Air);
    std::size_t i = 0;
    for (auto _ : state) {
        const Point &p = points[i++ & 1023];
        const double rho = p.P / (287.05 * p.T);
        const double mu = 1.716e-5 * std::pow(p.T / 273.15, 1.5) * (273.15 + 110.4) / (p.T + 110.4);
        const double nu = mu / rho;
        benchmark::DoNotOptimize(rho);
        benchmark::DoNotOptimize(nu);
    }
}

void BM_WaterBoilingTemperature(benchmark::State &state)
{
    const std::vector<Point> points = states(Fluid::Water);
    std::size_t i = 0;
    for (auto _ : state) {
        double t = nusselt::physics::waterBoilingTemperature(points[i++ & 1023].P);
        benchmark::DoNotOptimize(t);
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_Properties, air, Fluid::Air);
BENCHMARK_CAPTURE(BM_Properties, water, Fluid::Water);
BENCHMARK(BM_WaterBoilingTemperature);
BENCHMARK(BM_IdealGasSutherlandFloor);

BENCHMARK_MAIN();
