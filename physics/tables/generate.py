#!/usr/bin/python3
"""Writes the property tables of physics/ from the reference formulations.

Dry air: Lemmon et al. (2000) equation of state (its speed of sound too) with the Lemmon &
Jacobsen (2004) viscosity and thermal conductivity. Water: IAPWS-95 with the IAPWS 2008 viscosity and the IAPWS 2011 thermal
conductivity, for the liquid and for steam (water vapour). All come from Debian's python3-iapws; the
program itself never runs Python.

    /usr/bin/python3 physics/tables/generate.py            rewrite air_table.inc, water_table.inc,
                                                           steam_table.inc
    /usr/bin/python3 physics/tables/generate.py --out DIR  write them into DIR instead
    /usr/bin/python3 physics/tables/generate.py --check [--out DIR]
                                                           regenerate (into DIR if given) and
                                                           compare with the committed tables

The C++ side (physics/properties.cpp) interpolates with four-point Lagrange cubics on these
uniform grids; the node spacings below were chosen so that the interpolation error stays far
below the 0.2 % allowed (measured by tests/properties_oracle.py at random off-node points).
"""

import argparse
import math
import multiprocessing
import os
import re
import sys
import tempfile

try:
    import iapws
    from iapws import IAPWS95
    from iapws.iapws95 import _phird
    from iapws.humidAir import Air
except ImportError:
    sys.exit("generate.py: python3-iapws is missing: run scripts/deps test "
             "(or apt-get install python3-iapws) and use /usr/bin/python3")

HERE = os.path.dirname(os.path.abspath(__file__))

# Air: temperature in uniform steps over the whole range. Pressure on a LINEAR grid: the departure
# from the ideal gas, and the density dependence of viscosity and conductivity, are virial
# expansions in density, i.e. nearly linear in P at these low pressures; a log-P grid of the same
# size is a hundred times less accurate at 200 K and 10 bar.
AIR_T_FIRST, AIR_T_STEP, AIR_T_COUNT = 200.0, 10.0, 131          # 200 .. 1500 K
AIR_P_FIRST, AIR_P_STEP, AIR_P_COUNT = 1.0e4, 0.99e5, 11         # 0.1 .. 10 bar

# Water: liquid only, so every state (T, P) of the range has P >= Psat(T). Saturated liquid is
# tabulated along T; the compressed liquid adds (P - Psat(T)) times a secant slope taken over the
# next 10 bar above saturation. Liquid water is so stiff that the curvature in P over 10 bar is
# below 1e-6 relative, and the grid ends above Tsat(10 bar) = 453.03 K.
WATER_T_FIRST, WATER_T_STEP, WATER_T_COUNT = 273.16, 1.0, 182    # 273.16 .. 454.16 K
WATER_SLOPE_SPAN = 1.0e6                                          # Pa

# Saturation temperature: 1/Tsat against ln P is nearly a straight line (Clausius-Clapeyron), so a
# cubic through it is accurate to about 1e-7 K with 81 nodes.
SAT_LNP_FIRST, SAT_LNP_COUNT = math.log(1.0e4), 81
SAT_LNP_STEP = (math.log(1.0e6) - math.log(1.0e4)) / (SAT_LNP_COUNT - 1)


# Steam: superheated vapour from saturation to STEAM_T_MAX. Its states fill the region above the
# saturation line, which is not a rectangle in (T, P); the grid is rectangular in
# u = sqrt(theta), theta = (T - Tsat(P)) / (STEAM_T_MAX - Tsat(P)), 0 at saturation and 1 at the
# top, and ln P (the saturation temperature, and so every node's T, is smooth in ln P). Uniform in
# u, the nodes crowd near saturation, where c_p bends most (a uniform theta grid of the same size
# is ten times less accurate there). As for air the density is tabulated as the compressibility
# factor Z = P / (rho R T).
STEAM_T_MAX = 1073.15                                             # K (800 degC)
STEAM_THETA_COUNT = 61
STEAM_LNP_FIRST, STEAM_LNP_COUNT = math.log(1.0e4), 21
STEAM_LNP_STEP = (math.log(1.0e6) - math.log(1.0e4)) / (STEAM_LNP_COUNT - 1)


def steam_state(T, P):
    """IAPWS-95 vapour at T (K), P (Pa); the density solved from the vapour side (python3-iapws
    starts from IAPWS-97 and may land on the liquid root within a kelvin of saturation)."""
    w0 = IAPWS95()
    R, rhoc, Tc = w0.R * 1e3, w0.rhoc, w0.Tc
    rho = P / (R * T)  # ideal gas: the vapour root is the one nearest to it
    for _ in range(50):
        delta, tau = rho / rhoc, Tc / T
        f = (1 + delta * _phird(tau, delta, w0._constants)) * R * T * rho - P
        h = rho * 1e-7
        d2 = (rho + h) / rhoc
        g = ((1 + d2 * _phird(tau, d2, w0._constants)) * R * T * (rho + h) - P - f) / h
        step = f / g
        rho -= step
        if abs(step) < 1e-14 * rho:
            break
    s = IAPWS95(T=T, rho=rho)
    if not s.rho < 50:
        raise RuntimeError(f"steam at {T} K, {P} Pa: no vapour state (rho {s.rho})")
    return s


def steam_node(node):
    u, lnp = node
    theta = u * u
    P = math.exp(lnp)
    tsat = IAPWS95(P=P / 1e6, x=1).T
    T = tsat + theta * (STEAM_T_MAX - tsat)
    s = IAPWS95(P=P / 1e6, x=1) if theta == 0 else steam_state(T, P)
    R = s.R * 1e3
    return (P / (s.rho * R * T), s.mu, s.k, s.cp * 1e3, s.w)


def air_node(tp):
    T, P = tp
    a = Air(T=T, P=P / 1e6)
    if not math.isfinite(a.rho) or a.rho <= 0:
        raise RuntimeError(f"air at {T} K, {P} Pa: no state")
    R = a.R * 1e3  # J/(kg K)
    return (P / (a.rho * R * T), a.mu, a.k, a.cp * 1e3, a.w)


def water_props(w):
    return (w.rho, w.mu, w.k, w.cp * 1e3)


def water_node(T):
    sat = IAPWS95(T=T, x=0)
    psat = sat.P * 1e6
    above = IAPWS95(T=T, P=(psat + WATER_SLOPE_SPAN) / 1e6)
    if above.phase not in ("Liquid", "Compressed liquid"):
        raise RuntimeError(f"water at {T} K, {psat + WATER_SLOPE_SPAN} Pa is {above.phase}")
    s, c = water_props(sat), water_props(above)
    return (psat,) + s + tuple((c[i] - s[i]) / WATER_SLOPE_SPAN for i in range(4))


def sat_node(lnp):
    return 1.0 / IAPWS95(P=math.exp(lnp) / 1e6, x=0).T


def num(x):
    return repr(float(x))


def header(what):
    return (f"// {what}\n"
            f"// Generated by physics/tables/generate.py from python3-iapws {iapws.__version__}; "
            "do not edit.\n"
            "// Regenerate: /usr/bin/python3 physics/tables/generate.py\n")


def air_source(pool):
    grid = [(AIR_T_FIRST + i * AIR_T_STEP, AIR_P_FIRST + j * AIR_P_STEP)
            for i in range(AIR_T_COUNT) for j in range(AIR_P_COUNT)]
    nodes = pool.map(air_node, grid, chunksize=16)
    R = Air(T=300, P=0.1).R * 1e3
    out = [header("Dry air (Lemmon et al. 2000; transport Lemmon & Jacobsen 2004)."),
           "// Nodes row by row in temperature, each row over pressure: {Z, mu, k, cp, w}, with the\n"
           "// compressibility factor Z = P / (rho R T), mu in Pa s, k in W/(m K), cp in J/(kg K) and\n"
           "// the speed of sound w in m/s.\n",
           f"constexpr double airGasConstant = {num(R)};  // J/(kg K)\n",
           f"constexpr double airTemperatureFirst = {num(AIR_T_FIRST)};  // K\n",
           f"constexpr double airTemperatureStep = {num(AIR_T_STEP)};\n",
           f"constexpr int airTemperatureCount = {AIR_T_COUNT};\n",
           f"constexpr double airPressureFirst = {num(AIR_P_FIRST)};  // Pa\n",
           f"constexpr double airPressureStep = {num(AIR_P_STEP)};\n",
           f"constexpr int airPressureCount = {AIR_P_COUNT};\n",
           "constexpr AirNode airNodes[airTemperatureCount * airPressureCount] = {\n"]
    for i in range(AIR_T_COUNT):
        out.append(f"    // T = {num(AIR_T_FIRST + i * AIR_T_STEP)} K\n")
        for j in range(AIR_P_COUNT):
            out.append("    {" + ", ".join(num(v) for v in nodes[i * AIR_P_COUNT + j]) + "},\n")
    out.append("};\n")
    return "".join(out)


def water_source(pool):
    temps = [WATER_T_FIRST + i * WATER_T_STEP for i in range(WATER_T_COUNT)]
    nodes = pool.map(water_node, temps, chunksize=8)
    lnps = [SAT_LNP_FIRST + i * SAT_LNP_STEP for i in range(SAT_LNP_COUNT)]
    inverse = pool.map(sat_node, lnps, chunksize=8)
    out = [header("Liquid water (IAPWS-95; viscosity IAPWS 2008, thermal conductivity IAPWS 2011)."),
           "// Nodes over temperature: {Psat, saturated liquid rho, mu, k, cp, then d/dP of rho, mu,\n"
           "// k, cp in the compressed liquid}; Pa, kg/m^3, Pa s, W/(m K), J/(kg K), and those per Pa.\n",
           f"constexpr double waterTemperatureFirst = {num(WATER_T_FIRST)};  // K\n",
           f"constexpr double waterTemperatureStep = {num(WATER_T_STEP)};\n",
           f"constexpr int waterTemperatureCount = {WATER_T_COUNT};\n",
           "constexpr WaterNode waterNodes[waterTemperatureCount] = {\n"]
    for T, n in zip(temps, nodes):
        out.append(f"    // T = {num(T)} K\n")
        out.append("    {" + ", ".join(num(v) for v in n) + "},\n")
    out.append("};\n\n")
    out += ["// Saturation: 1 / Tsat (1/K) on a uniform grid of ln(P / Pa).\n",
            f"constexpr double saturationLogPressureFirst = {num(SAT_LNP_FIRST)};\n",
            f"constexpr double saturationLogPressureStep = {num(SAT_LNP_STEP)};\n",
            f"constexpr int saturationCount = {SAT_LNP_COUNT};\n",
            "constexpr double saturationInverseTemperature[saturationCount] = {\n"]
    for v in inverse:
        out.append(f"    {num(v)},\n")
    out.append("};\n")
    return "".join(out)


def steam_source(pool):
    grid = [(i / (STEAM_THETA_COUNT - 1), STEAM_LNP_FIRST + j * STEAM_LNP_STEP)
            for i in range(STEAM_THETA_COUNT) for j in range(STEAM_LNP_COUNT)]
    nodes = pool.map(steam_node, grid, chunksize=16)
    R = IAPWS95().R * 1e3
    out = [header("Steam, superheated water vapour (IAPWS-95; viscosity IAPWS 2008, thermal "
                  "conductivity IAPWS 2011)."),
           "// Nodes row by row in u = sqrt((T - Tsat(P)) / (steamTemperatureMax - Tsat(P))), each\n"
           "// row over ln(P / Pa): {Z, mu, k, cp, w}, with Z = P / (rho R T), mu in Pa s, k in\n"
           "// W/(m K), cp in J/(kg K) and the speed of sound w in m/s. u = 0 is saturated vapour.\n",
           f"constexpr double steamGasConstant = {num(R)};  // J/(kg K)\n",
           f"constexpr double steamTemperatureMax = {num(STEAM_T_MAX)};  // K\n",
           f"constexpr int steamThetaCount = {STEAM_THETA_COUNT};\n",
           f"constexpr double steamLogPressureFirst = {num(STEAM_LNP_FIRST)};\n",
           f"constexpr double steamLogPressureStep = {num(STEAM_LNP_STEP)};\n",
           f"constexpr int steamLogPressureCount = {STEAM_LNP_COUNT};\n",
           "constexpr SteamNode steamNodes[steamThetaCount * steamLogPressureCount] = {\n"]
    for i in range(STEAM_THETA_COUNT):
        out.append(f"    // u = {num(i / (STEAM_THETA_COUNT - 1))}\n")
        for j in range(STEAM_LNP_COUNT):
            out.append("    {" + ", ".join(num(v) for v in nodes[i * STEAM_LNP_COUNT + j]) + "},\n")
    out.append("};\n")
    return "".join(out)


NUMBER = re.compile(r"[-+]?(?:\d+\.\d*|\.\d+|\d+)(?:[eE][-+]?\d+)?")


def differences(name, committed, fresh):
    """Lines that differ, ignoring comments and allowing last-digit noise in the numbers."""
    strip = lambda text: [l for l in text.splitlines() if not l.strip().startswith("//")]
    a, b = strip(committed), strip(fresh)
    if len(a) != len(b):
        return [f"{name}: {len(a)} lines committed, {len(b)} generated"]
    found = []
    for n, (x, y) in enumerate(zip(a, b), 1):
        if NUMBER.sub("#", x) != NUMBER.sub("#", y):
            found.append(f"{name}:{n}: committed '{x.strip()}', generated '{y.strip()}'")
            continue
        for u, v in zip(NUMBER.findall(x), NUMBER.findall(y)):
            if abs(float(u) - float(v)) > 1e-12 * max(abs(float(u)), abs(float(v)), 1e-300):
                found.append(f"{name}:{n}: committed {u}, generated {v}")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", help="folder for the generated files (default: beside this script)")
    parser.add_argument("--check", action="store_true",
                        help="compare freshly generated tables with the committed ones")
    args = parser.parse_args()
    out = args.out or (tempfile.mkdtemp() if args.check else HERE)
    os.makedirs(out, exist_ok=True)
    with multiprocessing.Pool(min(2, os.cpu_count() or 1)) as pool:
        files = {"air_table.inc": air_source(pool), "water_table.inc": water_source(pool),
                 "steam_table.inc": steam_source(pool)}
    for name, text in files.items():
        with open(os.path.join(out, name), "w") as f:
            f.write(text)
    if not args.check:
        return 0
    found = []
    for name, text in files.items():
        with open(os.path.join(HERE, name)) as f:
            found += differences(name, f.read(), text)
    for line in found[:20]:
        print(line)
    if found:
        print(f"generate.py: {len(found)} differences between the committed tables and "
              f"python3-iapws {iapws.__version__}; regenerate them (fresh copies in {out})")
        return 1
    print(f"generate.py: committed tables equal the generated ones (python3-iapws {iapws.__version__})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
