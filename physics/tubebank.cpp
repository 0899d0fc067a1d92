#include "tubebank.h"

#include "banks.h"

#include <cmath>

namespace nusselt::physics {
namespace {

constexpr double pi = 3.14159265358979323846;

// Numbers of rows and tubes are whole numbers from 1 on.
bool wholeCount(Checker &check, Field field, const std::optional<double> &value, std::string_view what)
{
    if (!check.positive(field, value, what))
        return false;
    if (*value != std::floor(*value) || *value < 1.0) {
        check.say(field, "The " + std::string(what) + " must be a whole number");
        return false;
    }
    return true;
}

// exp[-π D N_L h / (ρ V S_T c_p)]: how much of the inlet's temperature difference is left at the outlet.
double remainingFraction(const Problem &p, double h, const State &inlet)
{
    return std::exp(-pi * *p.length * *p.rows * h
                    / (inlet.density * *p.velocity * *p.transversePitch * inlet.specificHeat));
}

// ΔT_lm = (ΔT_i - ΔT_o) / ln(ΔT_i / ΔT_o) with ΔT_o = ΔT_i f: ΔT_i (1 - f) / -ln f.
double logMean(double inletDifference, double fraction)
{
    if (inletDifference == 0.0 || fraction >= 1.0)
        return inletDifference;
    if (fraction <= 0.0)
        return 0.0;
    return inletDifference * (1.0 - fraction) / -std::log(fraction);
}

} // namespace

double flowVelocity(const Problem &p)
{
    const Selection &s = p.selection;
    if (!s.isTubeBank() || !p.transversePitch || !p.longitudinalPitch || !p.length)
        return *p.velocity;
    return maximumVelocity(s.arrangement, *p.velocity, *p.length, *p.transversePitch, *p.longitudinalPitch);
}

bool checkBank(Checker &check, const Problem &p)
{
    if (!p.selection.isTubeBank())
        return true;
    const bool st = check.positive(Field::TransversePitch, p.transversePitch, "transverse pitch S_T");
    const bool sl = check.positive(Field::LongitudinalPitch, p.longitudinalPitch, "longitudinal pitch S_L");
    bool ok = wholeCount(check, Field::Rows, p.rows, "number of rows N_L") && st && sl;
    if (p.tubesPerRow)
        ok = wholeCount(check, Field::TubesPerRow, p.tubesPerRow, "number of tubes per row N_T") && ok;
    // Each pitch against the diameter as soon as both are there.
    if (!p.length || !(*p.length > 0.0) || !std::isfinite(*p.length))
        return false;
    const double d = *p.length;
    const Unit &u = p.lengthUnit;
    if (st && *p.transversePitch <= d) {
        check.say(Field::TransversePitch,
                  "The tubes touch: S_T must be larger than the diameter " + quoted(d, u, -1));
        return false;
    }
    // Staggered rows interleave: the tubes of neighbouring rows must not overlap either.
    const bool staggered = p.selection.arrangement == Arrangement::Staggered;
    if (st && sl && (staggered ? std::hypot(*p.longitudinalPitch, 0.5 * *p.transversePitch) <= d
                               : *p.longitudinalPitch <= d)) {
        check.say(Field::LongitudinalPitch,
                  staggered ? "The tubes of neighbouring rows touch: raise S_L or S_T"
                            : "The tubes touch: S_L must be larger than the diameter " + quoted(d, u, -1));
        return false;
    }
    return ok;
}

void describeGeometry(const Problem &p, Point &point)
{
    const Selection &s = p.selection;
    point.section = s.section;
    if (!s.isTubeBank() || !p.length || !p.transversePitch || !p.longitudinalPitch || !p.rows)
        return;
    point.arrangement = s.arrangement;
    point.transversePitch = *p.transversePitch / *p.length;
    point.longitudinalPitch = *p.longitudinalPitch / *p.length;
    point.rows = *p.rows;
}

bool solveBank(Checker &check, const Problem &p, Evaluation &e)
{
    e.inlet = e.freeStream;
    const State &inlet = e.inlet->state;
    const double ti = *p.freeStreamTemperature;
    const double ts = *p.surfaceTemperature;
    const double d = *p.length;
    const Term zukauskas{Correlation::ZukauskasBank, Kind::Average};
    Point point;
    describeGeometry(p, point);
    point.prandtlSurface = e.surface->state.prandtl;
    e.maximumVelocity = flowVelocity(p);
    State mean = e.freeStream->state;
    double tm = ti;
    // Properties change slowly with temperature: a handful of steps settle.
    for (int step = 0; step < 100; ++step) {
        if (p.fluid != FluidChoice::Custom) {
            const PropertyResult r = properties(fluidOf(p), tm, *p.pressure);
            if (!r.ok()) {
                check.say(Field::SurfaceTemperature,
                          refusal(r, p, ", and the bank's mean temperature is " + quoted(tm, p.temperatureUnit, 2),
                                  "Ts"));
                return false;
            }
            mean = r.state;
        }
        point.reynolds = *e.maximumVelocity * d / mean.kinematicViscosity;
        point.prandtl = mean.prandtl;
        const std::optional<double> nu = nusseltAt(zukauskas, point);
        if (!nu)
            break; // outside Zukauskas' table: the properties stay at the last mean
        const double fraction = remainingFraction(p, *nu * mean.thermalConductivity / d, inlet);
        e.outletTemperature = ts - (ts - ti) * fraction;
        e.logMeanTemperatureDifference = logMean(ts - ti, fraction);
        const double next = 0.5 * (ti + *e.outletTemperature);
        const bool settled = std::abs(next - tm) < surfaceTemperatureTolerance;
        tm = next;
        if (settled || p.fluid == FluidChoice::Custom)
            break;
    }
    mean.temperature = tm;
    e.freeStream = PropertiesUsed{Role::BankMean, tm, mean, p.fluid == FluidChoice::Custom};
    return true;
}

void bankOrSectionRates(const Problem &p, const Evaluation &e, Result &r)
{
    const double h = *r.heatTransferCoefficient;
    const double d = *p.length;
    const double difference = *p.surfaceTemperature - *p.freeStreamTemperature;
    r.rateKind = RateKind::PerLength;
    if (p.selection.isNonCircular()) {
        // The plate's faces each have their own relation in the newer tabulation.
        const bool oneFace = p.selection.section == Section::Plate && r.term.correlation != Correlation::JakobSection;
        r.heatFlux = h * difference;
        r.heatRate = *r.heatFlux * d * (oneFace ? 1.0 : perimeterPerWidth(p.selection.section));
        return;
    }
    if (!e.inlet)
        return; // no inlet properties (solveBank did not run): no energy balance either
    // Each relation's own h gives its own outlet temperature and ΔT_lm (ρ and c_p at the inlet).
    const double dtlm = logMean(difference, remainingFraction(p, h, e.inlet->state));
    r.heatFlux = h * dtlm;
    const double tubes = p.tubesPerRow ? *p.rows * *p.tubesPerRow : 1.0;
    r.heatRate = tubes * *r.heatFlux * pi * d;
}

} // namespace nusselt::physics
