#include "curves.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace nusselt::physics {
namespace {

constexpr double lowestReynolds = 0.1;
constexpr double highestReynolds = 1.0e9;

// Names repeat where a case has a local and an average value of one correlation.
std::vector<std::string> labelsOf(const std::vector<Term> &terms)
{
    std::map<Correlation, int> uses;
    for (const Term &t : terms)
        ++uses[t.correlation];
    std::vector<std::string> labels;
    for (const Term &t : terms) {
        std::string label(nameOf(t.correlation));
        if (uses[t.correlation] > 1) {
            label += ", ";
            label += kindName(t.kind);
        }
        labels.push_back(std::move(label));
    }
    return labels;
}

// The Re at which a correlation's range begins or ends, as far as they are finite: Re bounds,
// and the Peclet bound at the point's Pr.
std::vector<double> reynoldsBounds(Correlation c, const Point &p)
{
    const ValidityRange r = rangeOf(c);
    std::vector<double> out;
    for (double b : {r.reynoldsMin, r.reynoldsMax})
        if (b > 0.0 && std::isfinite(b))
            out.push_back(b);
    if (r.pecletMin > 0.0 && p.prandtl > 0.0)
        out.push_back(r.pecletMin / p.prandtl);
    return out;
}

void sortUnique(std::vector<double> &v)
{
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

// Appends a point to the curve's runs; `valued` false leaves a gap.
void extend(Curve &curve, const std::optional<CurvePoint> &point)
{
    if (!point) {
        if (!curve.segments.empty() && !curve.segments.back().points.empty())
            curve.segments.push_back(Segment{});
        return;
    }
    if (curve.segments.empty())
        curve.segments.push_back(Segment{point->inside, {}});
    Segment *run = &curve.segments.back();
    if (run->points.empty()) {
        run->inside = point->inside;
    } else if (run->inside != point->inside) {
        // The stretch between an inside and an outside point is drawn as outside.
        if (point->inside) {
            run->points.push_back(*point);
            curve.segments.push_back(Segment{true, {}});
        } else {
            const CurvePoint last = run->points.back();
            curve.segments.push_back(Segment{false, {last}});
        }
        run = &curve.segments.back();
    }
    run->points.push_back(*point);
}

void dropEmptyRuns(std::vector<Curve> &curves)
{
    for (Curve &c : curves)
        c.segments.erase(std::remove_if(c.segments.begin(), c.segments.end(),
                                        [](const Segment &s) { return s.points.size() < 2; }),
                         c.segments.end());
}

std::optional<double> coefficientAt(const Operating &o, double nusselt)
{
    if (!o.coefficientPerNusselt)
        return std::nullopt;
    return nusselt * *o.coefficientPerNusselt;
}

} // namespace

std::vector<Operating> operatingPoints(const Selection &selection, const Inputs &inputs)
{
    const Point point = pointOf(inputs);
    std::vector<Term> terms;
    for (const Term &t : termsOf(selection, point.prandtl))
        terms.push_back(t);
    const std::vector<std::string> labels = labelsOf(terms);
    std::vector<Operating> out;
    for (std::size_t i = 0; i < terms.size(); ++i)
        out.push_back(Operating{terms[i], labels[i], point, nusseltAt(terms[i], point), std::nullopt});
    return out;
}

std::vector<Operating> operatingPoints(const Evaluation &evaluation)
{
    std::vector<Term> terms;
    for (const Result &r : evaluation.results)
        terms.push_back(r.term);
    const std::vector<std::string> labels = labelsOf(terms);
    std::vector<Operating> out;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const Result &r = evaluation.results[i];
        std::optional<double> perNusselt;
        if (r.nusselt && *r.nusselt != 0.0 && r.heatTransferCoefficient)
            perNusselt = *r.heatTransferCoefficient / *r.nusselt;
        out.push_back(Operating{r.term, labels[i], r.point, r.nusselt, perNusselt});
    }
    return out;
}

Span reynoldsSpan(const std::vector<Operating> &operating)
{
    double lo = highestReynolds;
    double hi = lowestReynolds;
    for (const Operating &o : operating) {
        const ValidityRange r = rangeOf(o.term.correlation);
        if (r.reynoldsMin > 0.0 && std::isfinite(r.reynoldsMin))
            lo = std::min(lo, r.reynoldsMin);
        if (std::isfinite(r.reynoldsMax))
            hi = std::max(hi, r.reynoldsMax);
        const double re = o.point.reynolds;
        if (re > 0.0 && std::isfinite(re)) {
            lo = std::min(lo, re / 10.0);
            hi = std::max(hi, re * 10.0);
        }
    }
    lo = std::clamp(lo, lowestReynolds, highestReynolds);
    hi = std::clamp(hi, lowestReynolds, highestReynolds);
    if (!(hi > lo)) {
        // Nothing finite to go by: the whole plotting range.
        lo = lowestReynolds;
        hi = highestReynolds;
    }
    return {lo, hi};
}

std::optional<Span> velocitySpan(const Problem &problem, const Evaluation &evaluation)
{
    if (!problem.velocity || !evaluation.reynolds || !(*evaluation.reynolds > 0.0)
        || evaluation.results.empty())
        return std::nullopt;
    const Span re = reynoldsSpan(operatingPoints(evaluation));
    const double perRe = *problem.velocity / *evaluation.reynolds;
    return Span{re.lo * perRe, re.hi * perRe};
}

std::vector<Curve> nusseltCurves(const std::vector<Operating> &operating, const Span &reynolds,
                                 int samples)
{
    std::vector<double> xs = spacedValues(reynolds.lo, reynolds.hi, std::max(samples, 2), true);
    for (const Operating &o : operating) {
        for (double b : reynoldsBounds(o.term.correlation, o.point))
            if (b > reynolds.lo && b < reynolds.hi)
                xs.push_back(b);
        if (o.point.reynolds > reynolds.lo && o.point.reynolds < reynolds.hi)
            xs.push_back(o.point.reynolds);
    }
    sortUnique(xs);

    std::vector<Curve> curves;
    for (const Operating &o : operating) {
        Curve curve{o.term, o.label, {}, std::nullopt};
        Point p = o.point;
        for (double re : xs) {
            p.reynolds = re;
            const std::optional<double> nu = nusseltAt(o.term, p);
            if (!nu || !(*nu > 0.0)) {
                extend(curve, std::nullopt);
                continue;
            }
            extend(curve, CurvePoint{re, *nu, re, *nu, coefficientAt(o, *nu),
                                     outsideRange(o.term.correlation, p).empty()});
        }
        if (o.nusselt && *o.nusselt > 0.0)
            curve.marker = CurvePoint{o.point.reynolds, *o.nusselt, o.point.reynolds, *o.nusselt,
                                      coefficientAt(o, *o.nusselt),
                                      outsideRange(o.term.correlation, o.point).empty()};
        curves.push_back(std::move(curve));
    }
    dropEmptyRuns(curves);
    return curves;
}

std::vector<Curve> coefficientCurves(const Problem &problem, const Span &velocity, int samples)
{
    const Evaluation here = evaluate(problem);
    const std::vector<Operating> operating = operatingPoints(here);
    std::vector<double> xs = spacedValues(velocity.lo, velocity.hi, std::max(samples, 2), true);
    if (problem.velocity) {
        // Re is proportional to V: a bound of a correlation's range lies at V * bound / Re.
        for (const Operating &o : operating) {
            if (!(o.point.reynolds > 0.0))
                continue;
            for (double b : reynoldsBounds(o.term.correlation, o.point)) {
                const double v = *problem.velocity * b / o.point.reynolds;
                if (v > velocity.lo && v < velocity.hi)
                    xs.push_back(v);
            }
        }
        if (*problem.velocity > velocity.lo && *problem.velocity < velocity.hi)
            xs.push_back(*problem.velocity);
    }
    sortUnique(xs);

    std::vector<Curve> curves;
    for (const Operating &o : operating)
        curves.push_back(Curve{o.term, o.label, {}, std::nullopt});

    Problem varied = problem;
    for (double v : xs) {
        varied.velocity = v;
        const Evaluation e = evaluate(varied);
        for (std::size_t i = 0; i < curves.size(); ++i) {
            const Result *r = i < e.results.size() ? &e.results[i] : nullptr;
            if (!r || !r->nusselt || !r->heatTransferCoefficient || !(*r->heatTransferCoefficient > 0.0)) {
                extend(curves[i], std::nullopt);
                continue;
            }
            extend(curves[i], CurvePoint{v, *r->heatTransferCoefficient, r->reynolds, *r->nusselt,
                                         r->heatTransferCoefficient, r->outsideRange.empty()});
        }
    }
    for (std::size_t i = 0; i < curves.size() && i < here.results.size(); ++i) {
        const Result &r = here.results[i];
        if (r.nusselt && r.heatTransferCoefficient && *r.heatTransferCoefficient > 0.0)
            curves[i].marker = CurvePoint{*problem.velocity, *r.heatTransferCoefficient, r.reynolds,
                                          *r.nusselt, r.heatTransferCoefficient, r.outsideRange.empty()};
    }
    dropEmptyRuns(curves);
    return curves;
}

std::vector<double> spacedValues(double start, double end, int count, bool logarithmic)
{
    std::vector<double> out;
    if (count < 1)
        return out;
    if (count == 1)
        return {start};
    // Decimal logarithms, so that a sweep from one power of ten to another steps through whole
    // decades exactly: correlations change coefficients at round Re such as 40 or 1000.
    const bool useLog = logarithmic && start > 0.0 && end > 0.0;
    const double a = useLog ? std::log10(start) : start;
    const double b = useLog ? std::log10(end) : end;
    for (int i = 0; i < count; ++i) {
        const double t = a + (b - a) * i / (count - 1);
        out.push_back(useLog ? std::pow(10.0, t) : t);
    }
    out.front() = start;
    out.back() = end;
    return out;
}

} // namespace nusselt::physics
