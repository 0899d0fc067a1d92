#include "curves.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace nusselt::physics {
namespace {

constexpr double lowestReynolds = 0.1;
constexpr double highestReynolds = 1.0e9;

std::vector<Operating> labelled(std::vector<Operating> operating)
{
    std::vector<Term> terms;
    for (const Operating &o : operating)
        terms.push_back(o.term);
    const std::vector<std::string> labels = labelsOf(terms);
    for (std::size_t i = 0; i < operating.size(); ++i)
        operating[i].label = labels[i];
    return operating;
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

// From the lowest to the highest of each correlation's finite published Re bounds and of a decade
// either side of its operating Re, each placed on the curves' axis by `toAxis` (within the
// plotting range of Re); none when they do not make a span.
template <class ToAxis>
std::optional<Span> spanOn(const std::vector<Operating> &operating, ToAxis toAxis)
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    const auto take = [&](const Operating &o, double re) {
        if (const std::optional<double> x = toAxis(o, std::clamp(re, lowestReynolds, highestReynolds))) {
            lo = std::min(lo, *x);
            hi = std::max(hi, *x);
        }
    };
    for (const Operating &o : operating) {
        const ValidityRange r = rangeOf(o.term.correlation);
        for (double bound : {r.reynoldsMin, r.reynoldsMax})
            if (bound > 0.0 && std::isfinite(bound))
                take(o, bound);
        const double re = o.point.reynolds;
        if (re > 0.0 && std::isfinite(re)) {
            take(o, re / 10.0);
            take(o, re * 10.0);
        }
    }
    if (!(hi > lo))
        return std::nullopt;
    return Span{lo, hi};
}

// `samples` logarithmically spaced values over the span, plus each correlation's finite range
// bounds and its operating Re, as `toAxis` places a Re of that correlation on the curves' axis, so
// that runs change style exactly on the published bounds. Values within a billionth of each other
// are one point (the bound or the operating point where one of them is), never two that read the same.
template <class ToAxis>
std::vector<double> abscissae(const std::vector<Operating> &operating, const Span &span, int samples, ToAxis toAxis)
{
    std::vector<std::pair<double, bool>> all; // a value, and whether it is a bound or an operating point
    for (double x : spacedValues(span.lo, span.hi, std::max(samples, 2), true))
        all.emplace_back(x, false);
    for (const Operating &o : operating) {
        std::vector<double> at = reynoldsBounds(o.term.correlation, o.point);
        at.push_back(o.point.reynolds);
        for (double re : at)
            if (const std::optional<double> x = toAxis(o, re); x && *x > span.lo && *x < span.hi)
                all.emplace_back(*x, true);
    }
    std::sort(all.begin(), all.end());
    std::vector<double> xs;
    bool lastExact = false;
    for (const auto &[x, exact] : all) {
        if (xs.empty() || x - xs.back() > 1e-9 * x) {
            xs.push_back(x);
            lastExact = exact;
        } else if (exact && !lastExact) {
            xs.back() = x;
            lastExact = true;
        }
    }
    return xs;
}

// A correlation's point of a curve at `x` (Re, or V for h against V), from its Re, Nu and h
// there; none without a positive Nu (or h).
std::optional<CurvePoint> curvePoint(double x, bool coefficient, double reynolds, std::optional<double> nusselt,
                                     std::optional<double> h, bool inside)
{
    const std::optional<double> y = coefficient ? h : nusselt;
    if (!nusselt || !y || !(*y > 0.0))
        return std::nullopt;
    return CurvePoint{x, *y, reynolds, *nusselt, h, inside};
}

std::optional<CurvePoint> marker(const Operating &o, double x, bool coefficient)
{
    return curvePoint(x, coefficient, o.point.reynolds, o.nusselt, o.h, o.outside.empty());
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

std::optional<double> onReynoldsAxis(const Operating &, double re)
{
    return re;
}

// Re is proportional to V at fixed properties: a correlation reaches a Re of its own at the
// velocity in that ratio to its operating Re (Zhukauskas's and Whitaker's, at T∞, differ from the
// film's).
auto velocityOf(double velocity)
{
    return [velocity](const Operating &o, double re) -> std::optional<double> {
        if (!(o.point.reynolds > 0.0) || !std::isfinite(o.point.reynolds))
            return std::nullopt;
        return velocity * (re / o.point.reynolds);
    };
}

void dropEmptyRuns(std::vector<Curve> &curves)
{
    for (Curve &c : curves)
        c.segments.erase(std::remove_if(c.segments.begin(), c.segments.end(),
                                        [](const Segment &s) { return s.points.size() < 2; }),
                         c.segments.end());
}

} // namespace

std::vector<std::string> labelsOf(const std::vector<Term> &terms)
{
    std::map<Correlation, int> uses;
    for (const Term &t : terms)
        ++uses[t.correlation];
    std::vector<std::string> labels;
    for (const Term &t : terms) {
        labels.emplace_back(nameOf(t.correlation));
        if (uses[t.correlation] > 1)
            labels.back() += ", " + std::string(kindName(t.kind));
    }
    return labels;
}

std::vector<Operating> operatingPoints(const Selection &selection, const Inputs &inputs)
{
    const Point point = pointOf(inputs);
    std::vector<Operating> out;
    for (const Term &t : termsOf(selection, point.prandtl))
        out.push_back(Operating{t, {}, point, nusseltAt(t, point), std::nullopt, outsideRange(t.correlation, point)});
    return labelled(std::move(out));
}

std::vector<Operating> operatingPoints(const Evaluation &evaluation)
{
    std::vector<Operating> out;
    for (const Result &r : evaluation.results)
        out.push_back(Operating{r.term, {}, r.point, r.nusselt, r.heatTransferCoefficient, r.outsideRange});
    return labelled(std::move(out));
}

Span reynoldsSpan(const std::vector<Operating> &operating)
{
    // Nothing finite to go by: the whole plotting range.
    return spanOn(operating, onReynoldsAxis).value_or(Span{lowestReynolds, highestReynolds});
}

std::vector<Curve> nusseltCurves(const std::vector<Operating> &operating, const Span &reynolds,
                                 int samples)
{
    const std::vector<double> xs = abscissae(operating, reynolds, samples, onReynoldsAxis);
    std::vector<Curve> curves;
    for (const Operating &o : operating) {
        Curve curve{o.term, o.label, {}, marker(o, o.point.reynolds, false)};
        Point p = o.point;
        for (double re : xs) {
            p.reynolds = re;
            const std::optional<double> nu = nusseltAt(o.term, p);
            if (!nu || !(*nu > 0.0)) {
                extend(curve, std::nullopt);
                continue;
            }
            // h / Nu holds all along the curve.
            const bool scaled = o.h && o.nusselt && *o.nusselt != 0.0;
            extend(curve, curvePoint(re, false, re, nu, scaled ? std::optional(*nu * *o.h / *o.nusselt) : std::nullopt,
                                     outsideRange(o.term.correlation, p).empty()));
        }
        curves.push_back(std::move(curve));
    }
    dropEmptyRuns(curves);
    return curves;
}

std::optional<Span> velocitySpan(const Problem &problem, const Evaluation &evaluation)
{
    if (!problem.velocity)
        return std::nullopt;
    return spanOn(operatingPoints(evaluation), velocityOf(*problem.velocity));
}

std::vector<Curve> coefficientCurves(const Problem &problem, const Evaluation &evaluation, const Span &velocities,
                                     int samples)
{
    const std::vector<Operating> operating = operatingPoints(evaluation);
    if (!problem.velocity || operating.empty())
        return {};
    const double velocity = *problem.velocity;
    const std::vector<double> xs = abscissae(operating, velocities, samples, velocityOf(velocity));
    std::vector<Curve> curves;
    for (const Operating &o : operating)
        curves.push_back(Curve{o.term, o.label, {}, marker(o, velocity, true)});
    Problem varied = problem;
    for (double v : xs) {
        varied.velocity = v;
        const Evaluation there = evaluate(varied);
        for (std::size_t i = 0; i < curves.size(); ++i) {
            const Result *r = i < there.results.size() ? &there.results[i] : nullptr;
            extend(curves[i], r ? curvePoint(v, true, r->reynolds, r->nusselt, r->heatTransferCoefficient,
                                             r->outsideRange.empty())
                                : std::nullopt);
        }
    }
    dropEmptyRuns(curves);
    return curves;
}

std::vector<double> spacedValues(double start, double end, int count, bool logarithmic)
{
    std::vector<double> out;
    if (count < 1)
        return out;
    if (count == 1 || start == end)
        return std::vector<double>(static_cast<std::size_t>(count), start);
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
