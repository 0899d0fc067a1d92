// What one property evaluation costs, for each fluid, cycling through states spread over the whole
// range as a plot does. Beside it, the floor a table lookup has to be weighed against: air as an
// ideal gas with Sutherland's viscosity law (one pow, one sqrt, two divisions), the cheapest
// formula anyone would use instead. Target: one evaluation in well under a microsecond.
// A fluid from a user's table (a 30-row file read once; monotone cubics between the rows) beside
// the tabulated fluids: one evaluation should cost about what a tabulated fluid's does.
// Last, one whole physical case (the cylinder in air: four correlations, properties at T_f, T_inf
// and T_s) beside three bare property lookups, its floor: it should cost a small multiple of it.

#include "flowcase.h"
#include "properties.h"
#include "propertytable.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
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
        const double lo = nusselt::physics::minTemperature(fluid, P);
        const double T = lo + u * (nusselt::physics::maxTemperature(fluid, P) - lo);
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

// An oil-like table of 30 rows, 0 to 145 °C, made up for the benchmark.
void BM_TableProperties(benchmark::State &state)
{
    std::string text = "T [C], rho [kg/m3], mu [Pa s], k [W/(m K)], cp [J/(kg K)]\n";
    for (int i = 0; i < 30; ++i) {
        const double t = 5.0 * i;
        text += std::to_string(t) + ", " + std::to_string(900.0 - 0.6 * t) + ", "
            + std::to_string(4.0 * std::exp(-0.06 * t)) + ", " + std::to_string(0.147 - 1e-4 * t) + ", "
            + std::to_string(1800.0 + 4.0 * t) + "\n";
    }
    const nusselt::physics::TableRead read = nusselt::physics::readPropertyTable(text, "bench");
    if (!read.table) {
        state.SkipWithError(read.where().c_str());
        return;
    }
    std::vector<double> temperatures;
    for (int i = 0; i < 1024; ++i)
        temperatures.push_back(273.15 + 145.0 * std::fmod(i * 0.6180339887498949, 1.0));
    std::size_t i = 0;
    for (auto _ : state) {
        auto r = read.table->at(temperatures[i++ & 1023], 101325.0);
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

// The cylinder of D = 12.7 mm in air at 10 m/s, T_inf = 26.2 °C, T_s = 128.4 °C, 1 atm.
nusselt::physics::Problem cylinderInAir()
{
    nusselt::physics::Problem p;
    p.selection.geometry = nusselt::Geometry::Cylinder;
    p.velocity = 10.0;
    p.length = 0.0127;
    p.freeStreamTemperature = 299.35;
    p.surfaceTemperature = 401.55;
    return p;
}

void BM_EvaluateCylinder(benchmark::State &state)
{
    const nusselt::physics::Problem p = cylinderInAir();
    for (auto _ : state) {
        auto e = nusselt::physics::evaluate(p);
        benchmark::DoNotOptimize(e);
    }
}

void BM_ThreeLookupsFloor(benchmark::State &state)
{
    const nusselt::physics::Problem p = cylinderInAir();
    const double tf = 0.5 * (*p.freeStreamTemperature + *p.surfaceTemperature);
    for (auto _ : state) {
        for (double t : {tf, *p.freeStreamTemperature, *p.surfaceTemperature}) {
            auto r = nusselt::physics::properties(Fluid::Air, t, *p.pressure);
            benchmark::DoNotOptimize(r);
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_Properties, air, Fluid::Air);
BENCHMARK_CAPTURE(BM_Properties, water, Fluid::Water);
BENCHMARK_CAPTURE(BM_Properties, steam, Fluid::Steam);
BENCHMARK_CAPTURE(BM_Properties, sodium, Fluid::Sodium);
BENCHMARK(BM_TableProperties);
BENCHMARK(BM_WaterBoilingTemperature);
BENCHMARK(BM_IdealGasSutherlandFloor);
BENCHMARK(BM_EvaluateCylinder);
BENCHMARK(BM_ThreeLookupsFloor);

BENCHMARK_MAIN();
