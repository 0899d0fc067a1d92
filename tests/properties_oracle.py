#!/usr/bin/python3
"""Compares the property library with the reference formulations at random off-node points.

    /usr/bin/python3 tests/properties_oracle.py PROBE [--points N] [--seed S]

PROBE is the properties_probe program. The reference is Debian's python3-iapws: dry air after
Lemmon et al. (2000) with Lemmon & Jacobsen (2004) transport, water after IAPWS-95 with the
IAPWS 2008 viscosity and 2011 conductivity, for the liquid and for steam. Points (seeded, so a
failure repeats): the whole air range, with extra points in its least ideal corner (200-205 K at
9.5-10 bar); liquid water over the whole range, with extra points within 0.5 K below the boiling
point and points exactly at it (saturated liquid); steam from the boiling point to 1073.15 K, with
extra points 5 mK to 0.5 K above the boiling point and points exactly at it (saturated vapour); the
boiling temperature itself at random pressures. Prints the worst relative error per fluid and
property (the speed of sound w of air and steam too) and fails if any reaches 0.2 %.
"""

import argparse
import math
import multiprocessing
import random
import subprocess
import sys

try:
    from iapws import IAPWS95
    from iapws.humidAir import Air
    from iapws.iapws97 import _TSat_P
except ImportError:
    sys.exit("properties_oracle.py: python3-iapws is missing; scripts/deps test installs it "
             "(run this script with /usr/bin/python3, not another python)")

ALLOWED = 2e-3
NAMES = {"air": ("rho", "mu", "nu", "k", "cp", "Pr", "w"),
         "water": ("rho", "mu", "nu", "k", "cp", "Pr"),
         "steam": ("rho", "mu", "nu", "k", "cp", "Pr", "w")}
ISSUES = ("None", "NotFinite", "BelowAbsoluteZero", "TemperatureBelowRange",
          "TemperatureAboveRange", "PressureBelowRange", "PressureAboveRange", "Boils", "Freezes",
          "Condenses")


def values(state, cp_kj):
    cp = cp_kj * 1e3
    return (state.rho, state.mu, state.mu / state.rho, state.k, cp, cp * state.mu / state.k)


def vapour(T, P):
    """IAPWS-95 vapour at T, P. python3-iapws solves (T, P) from an IAPWS-97 first guess, which
    within a kelvin of saturation can be the liquid; the vapour density is then found by the
    secant method on P(T, rho), from the ideal gas."""
    w = IAPWS95(T=T, P=P / 1e6)
    if w.rho < 50:
        return w
    r0, r1 = P / (461.51805 * T), P / (461.51805 * T) * 1.01
    p0, p1 = IAPWS95(T=T, rho=r0).P * 1e6 - P, IAPWS95(T=T, rho=r1).P * 1e6 - P
    for _ in range(40):
        if p1 == p0:
            break
        r0, r1, p0 = r1, r1 - p1 * (r1 - r0) / (p1 - p0), p1
        p1 = IAPWS95(T=T, rho=r1).P * 1e6 - P
        if abs(r1 - r0) < 1e-13 * r1:
            break
    return IAPWS95(T=T, rho=r1)


def reference(point):
    """(fluid, T, P, how) -> reference properties; how = 'state' or 'saturated'."""
    fluid, T, P, how = point
    if fluid == "air":
        a = Air(T=T, P=P / 1e6)
        return values(a, a.cp) + (a.w,)
    if fluid == "steam":
        s = IAPWS95(P=P / 1e6, x=1) if how == "saturated" else vapour(T, P)
        if not s.rho < 50:
            raise RuntimeError(f"reference: steam at {T} K, {P} Pa is not vapour (rho {s.rho})")
        return values(s, s.cp) + (s.w,)
    w = IAPWS95(P=P / 1e6, x=0) if how == "saturated" else IAPWS95(T=T, P=P / 1e6)
    # Judged by density: python3-iapws names the phase from its own estimate of Tsat, which can
    # call a liquid within a few millikelvin of boiling "Vapour".
    if not w.rho > 500:
        raise RuntimeError(f"reference: water at {T} K, {P} Pa is not liquid (rho {w.rho})")
    return values(w, w.cp)


def below_boiling(drawn):
    """(P, margin) -> a point `margin` kelvin below the IAPWS-95 boiling point at P."""
    P, margin = drawn
    return ("water", IAPWS95(P=P / 1e6, x=0).T - margin, P, "state")


def above_boiling(drawn):
    """(P, margin) -> a point `margin` kelvin above the IAPWS-95 boiling point at P."""
    P, margin = drawn
    return ("steam", IAPWS95(P=P / 1e6, x=1).T + margin, P, "state")


def saturation(P):
    return IAPWS95(P=P / 1e6, x=0).T


def probe(program, lines):
    run = subprocess.run([program], input="".join(lines), capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"properties_oracle.py: {program} failed: {run.stderr}")
    return run.stdout.splitlines()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("probe")
    parser.add_argument("--points", type=int, default=2000, help="random points per fluid")
    parser.add_argument("--seed", type=int, default=20240601)
    args = parser.parse_args()
    rnd = random.Random(args.seed)
    n = args.points
    log_uniform = lambda: math.exp(rnd.uniform(math.log(1e4), math.log(1e6)))
    # Either way of drawing the pressure: uniform fills the high pressures, log-uniform the low.
    pressure = lambda: rnd.uniform(1e4, 1e6) if rnd.random() < 0.5 else log_uniform()

    points = []
    for _ in range(n):
        points.append(("air", rnd.uniform(200, 1500), pressure(), "state"))
    for _ in range(n // 10):
        points.append(("air", rnd.uniform(200, 205), rnd.uniform(9.5e5, 1e6), "state"))
    # Water over the whole range: the fast IAPWS-IF97 saturation line only bounds where points are
    # drawn; it lies within 0.01 K of the IAPWS-95 one here, hence the margin.
    for _ in range(n):
        P = pressure()
        points.append(("water", rnd.uniform(273.16, _TSat_P(P / 1e6) - 0.02), P, "state"))
    for _ in range(n):
        P = pressure()
        points.append(("steam", rnd.uniform(_TSat_P(P / 1e6) + 0.02, 1073.15), P, "state"))
    near = [(pressure(), rnd.uniform(1e-4, 0.5)) for _ in range(n // 5)]
    # From 5 mK above boiling: closer, python3-iapws takes the vapour for a two-phase state and
    # gives it no c_p (saturated vapour itself is checked exactly below).
    near_steam = [(pressure(), rnd.uniform(5e-3, 0.5)) for _ in range(n // 5)]
    sat_pressures = [pressure() for _ in range(n // 20)] + [1e4, 101325.0, 1e6]

    with multiprocessing.Pool(2) as pool:
        points += pool.map(below_boiling, near, chunksize=8)
        points += pool.map(above_boiling, near_steam, chunksize=8)
        refs = pool.map(reference, points, chunksize=32)
        tsat_ref = pool.map(saturation, sat_pressures, chunksize=8)
        tsat = [float(x) for x in probe(args.probe, [f"tsat {P!r}\n" for P in sat_pressures])]
        # Exactly at the library's own boiling point: saturated liquid.
        at_boiling = [(f, T, P, "saturated") for T, P in zip(tsat, sat_pressures) for f in ("water", "steam")]
        refs += pool.map(reference, at_boiling, chunksize=8)
    points += at_boiling

    failures = []
    worst_tsat = max(abs(a - b) for a, b in zip(tsat, tsat_ref))
    if not worst_tsat < 1e-3:
        failures.append(f"boiling temperature off by {worst_tsat:.3g} K")

    out = probe(args.probe, [f"{f} {T!r} {P!r}\n" for f, T, P, _ in points])
    worst = {}
    for point, ref, line in zip(points, refs, out):
        fluid, T, P, how = point
        fields = line.split()
        issue = int(fields[0])
        if issue != 0:
            failures.append(f"{fluid} at {T!r} K, {P!r} Pa refused: {ISSUES[issue]} "
                            f"(limit {fields[1]})")
            continue
        for name, got, want in zip(NAMES[fluid], map(float, fields[2:]), ref):
            err = abs(got / want - 1)
            key = (fluid, name)
            if key not in worst or err > worst[key][0]:
                worst[key] = (err, T, P, how)
    if len(out) != len(points):
        failures.append(f"probe answered {len(out)} of {len(points)} points")

    print(f"{len(points)} points against python3-iapws; worst relative error (allowed {ALLOWED:g}):")
    for fluid in ("air", "water", "steam"):
        for name in NAMES[fluid]:
            err, T, P, how = worst[(fluid, name)]
            at = ("saturated " + ("vapour" if fluid == "steam" else "liquid")) if how == "saturated" else "off node"
            print(f"  {fluid:5} {name:3} {err:9.2e}  at T = {T:9.4f} K, P = {P:10.1f} Pa ({at})")
            if not err < ALLOWED:
                failures.append(f"{fluid} {name}: relative error {err:.3g} at {T} K, {P} Pa")
    print(f"  water Tsat {worst_tsat:9.2e} K worst difference over {len(sat_pressures)} pressures")
    for f in failures[:30]:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
