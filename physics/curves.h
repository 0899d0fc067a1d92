#pragma once

// The plot's curves: each correlation of a case sampled over a span of Reynolds numbers (Nu
// against Re) or of velocities (h against V), cut into runs inside and outside the correlation's
// published validity range, with the operating point of the case on each. Every value comes from
// catalog.h (nusseltAt, outsideRange) or from an evaluation: no formula lives here.

#include "flowcase.h"

#include <optional>
#include <string>
#include <vector>

namespace nusselt::physics {

// One correlation of a case where the case puts it: its own Re, Pr, ... (a physical problem takes
// each correlation's properties at its own reference temperature, so the Re differ).
struct Operating {
    Term term;
    std::string label; // "Hilpert"; "Laminar plate, local" where a case has both kinds
    Point point;
    std::optional<double> nusselt;
    // With a physical problem, W/(m²·K). h / Nu = k / (L, x or D) at the correlation's reference
    // temperature is the same all along a curve of Nu against Re (only the velocity moves along it).
    std::optional<double> h;
    std::vector<std::string> outside; // outsideRange() at the point; empty inside the range
};

// Each term's name, with its kind where the terms have both kinds of one correlation
// ("Hilpert"; "Laminar plate, local").
std::vector<std::string> labelsOf(const std::vector<Term> &terms);

// The calculator's view: Re, Pr ... as typed, the same point for every correlation.
std::vector<Operating> operatingPoints(const Selection &selection, const Inputs &inputs);
// A physical problem's view, from its evaluation (empty while any input is refused).
std::vector<Operating> operatingPoints(const Evaluation &evaluation);

struct Span {
    double lo = 0.0;
    double hi = 0.0;
};

// Re from the lowest finite lower bound of the correlations' ranges (or a tenth of the operating
// Re, if lower) to the highest finite upper bound (or ten times the operating Re), within
// [0.1, 10^9]: the whole published range of each correlation and the point with a decade around it.
Span reynoldsSpan(const std::vector<Operating> &operating);

struct CurvePoint {
    double x = 0.0;        // Re, or V in m/s
    double y = 0.0;        // Nu, or h in W/(m²·K)
    double reynolds = 0.0; // the correlation's own Re there
    double nusselt = 0.0;
    std::optional<double> h; // W/(m²·K), with a physical problem
    bool inside = true;      // within the published validity range
};

// A run of neighbouring points all inside or all outside the range. A run outside ends (or starts)
// on the first point inside, so that solid and dashed runs join; a gap (no value) ends a run.
struct Segment {
    bool inside = true;
    std::vector<CurvePoint> points;
};

struct Curve {
    Term term;
    std::string label;
    std::vector<Segment> segments;
    std::optional<CurvePoint> marker; // the operating point
};

// Nu against Re: `samples` logarithmically spaced Re over the span, plus every finite range bound
// inside it and each operating Re, so that runs change style exactly on the published bounds.
std::vector<Curve> nusseltCurves(const std::vector<Operating> &operating, const Span &reynolds,
                                 int samples);

// The velocities of h against V for a physical problem and its evaluation: reynoldsSpan()'s bounds
// and decades, each correlation's at the velocity where its own Re reaches them (Re is
// proportional to V at fixed properties, and the correlations taken at T∞ have a Re of their
// own). None while the problem is refused.
std::optional<Span> velocitySpan(const Problem &problem, const Evaluation &evaluation);

// h against V over the span: the problem evaluated with only the velocity varied, sampled as
// nusseltCurves() samples Re (each correlation's bounds at its own velocity). Empty while the
// problem is refused.
std::vector<Curve> coefficientCurves(const Problem &problem, const Evaluation &evaluation, const Span &velocities,
                                     int samples);

// `count` values from start to end, evenly spaced or (logarithmic, both ends > 0) evenly spaced in
// log; the ends exactly as given.
std::vector<double> spacedValues(double start, double end, int count, bool logarithmic);

} // namespace nusselt::physics
