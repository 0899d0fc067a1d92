#!/usr/bin/python3
"""Expected JSON answers of `nusselt calculate --format json` for a few physical problems, from the
reference property formulations (python3-iapws: Lemmon et al. air, IAPWS-95 water) and the
correlations as published. Prints C++ raw-string rows for tests/tst_cli_json.cpp.

Buoyancy: Gr = g beta |Ts - T_inf| L^3 / nu^2 at the film temperature, beta = 1/T_f for air and
IAPWS-95's own isobaric expansion coefficient (alfav) for water; Ri = Gr / Re^2 with the film Re;
free convection from Churchill & Chu (1975) and Churchill (1983) as published."""
import json, math
from iapws.humidAir import Air
from iapws import IAPWS95

P = 101325.0
g = 9.80665

def beta(fluid, T):
    return 1 / T if fluid == "air" else IAPWS95(T=T, P=P / 1e6).alfav

def grashof(fluid, f, Tf, dT, L):
    return g * beta(fluid, Tf) * abs(dT) * L ** 3 / f["kinematic_viscosity"] ** 2

def churchill_chu(ra, pr):
    return (0.60 + 0.387 * ra ** (1 / 6) / (1 + (0.559 / pr) ** (9 / 16)) ** (8 / 27)) ** 2

def churchill_sphere(ra, pr):
    return 2 + 0.589 * ra ** 0.25 / (1 + (0.469 / pr) ** (9 / 16)) ** (4 / 9)

def free(name, gr, pr, nu):
    return {"correlation": name, "rayleigh": gr * pr, "prandtl": pr, "nusselt": nu, "outside_range": []}

def combined(row, nu_free):
    return dict(row, combined_nusselt_estimate=(row["nusselt"] ** 4 + nu_free ** 4) ** 0.25)

def state(fluid, T):
    s = Air(T=T, P=P / 1e6) if fluid == "air" else IAPWS95(T=T, P=P / 1e6)
    cp = s.cp * 1e3
    return {"temperature_K": T, "pressure_Pa": P, "density": s.rho, "dynamic_viscosity": s.mu,
            "kinematic_viscosity": s.mu / s.rho, "thermal_conductivity": s.k, "specific_heat": cp,
            "prandtl": cp * s.mu / s.k}, getattr(s, "w", None)

def g6(x):
    return "%.6g" % x

def hilpert(re, pr):
    for up, c, m in ((4, .989, .330), (40, .911, .385), (4000, .683, .466), (40000, .193, .618), (4e5, .027, .805)):
        if re <= up:
            return c * re ** m * pr ** (1 / 3)

def zhukauskas(re, pr, prs):
    n = 0.37 if pr <= 10 else 0.36
    for up, c, m in ((40, .75, .4), (1000, .51, .5), (2e5, .26, .6), (1e6, .076, .7)):
        if re <= up:
            return c * re ** m * pr ** n * (pr / prs) ** 0.25

def churchill_bernstein(re, pr):
    return 0.3 + 0.62 * re ** .5 * pr ** (1 / 3) / (1 + (0.4 / pr) ** (2 / 3)) ** .25 * (1 + (re / 282000) ** (5 / 8)) ** (4 / 5)

def result(name, kind, nu, re, pr, tref, h, q, rate=None, unit=None):
    r = {"correlation": name, "kind": kind, "nusselt": nu, "outside_range": [], "reynolds": re, "prandtl": pr,
         "reference_temperature_K": tref, "h": h, "heat_flux": q, "temperature_difference_K": None}
    if rate is not None:
        r["heat_rate"] = rate
        r["heat_rate_unit"] = unit
    return r

cases = []

# Cylinder in air (Incropera's Example 7.4 setting): film 350.45 K; Zhukauskas at T_inf with Pr_s at Ts.
V, D, Ti, Ts = 10.0, 0.0127, 299.35, 401.55
Tf = (Ti + Ts) / 2
f, _ = state("air", Tf); i, w = state("air", Ti); s, _ = state("air", Ts)
re_f = V * D / f["kinematic_viscosity"]; re_i = V * D / i["kinematic_viscosity"]
dT = Ts - Ti
def film_row(name, kind, nu, avg):
    h = nu * f["thermal_conductivity"] / D
    return result(name, kind, nu, re_f, f["prandtl"], Tf, h, h * dT, h * dT * math.pi * D if avg else None, "W/m")
st = 1.15 * re_f ** .5 * f["prandtl"] ** (1 / 3)
hi = hilpert(re_f, f["prandtl"]); cb = churchill_bernstein(re_f, f["prandtl"])
zh = zhukauskas(re_i, i["prandtl"], s["prandtl"])
hz = zh * i["thermal_conductivity"] / D
gr = grashof("air", f, Tf, Ts - Ti, D)
nf = churchill_chu(gr * f["prandtl"], f["prandtl"])
cases.append(("cylinder in air", "--geometry cylinder --fluid air --velocity 10m/s --length 12.7mm --t-inf 26.2C --t-surface 128.4C --pressure 1atm", {
    "mode": "physical", "case": {"geometry": "cylinder"},
    "fields": {"nusselt": g6(st) + " at stagnation", "average_nusselt": g6(hi) + " Hilpert", "note": g6(cb) + " Churchill", "zhukauskas": g6(zhukauskas(re_f, f["prandtl"], s["prandtl"])) + " Zhukauskas"},
    "fluid": "air", "film_temperature_K": Tf, "mach": V / w, "reynolds": re_f, "prandtl": f["prandtl"],
    "prandtl_surface": s["prandtl"], "grashof": gr, "richardson": gr / re_f ** 2,
    "free_convection": free("Churchill-Chu", gr, f["prandtl"], nf),
    "properties": {"film": f, "free_stream": i, "surface": s},
    "results": [film_row("Stagnation point", "local", st, False), combined(film_row("Hilpert", "average", hi, True), nf),
                combined(film_row("Churchill-Bernstein", "average", cb, True), nf),
                combined(result("Zhukauskas", "average", zh, re_i, i["prandtl"], Ti, hz, hz * dT, hz * dT * math.pi * D, "W/m"), nf)]}))

# Sphere in air (Whitaker): everything at T_inf = 400 K, mu_s at Ts = 300 K; q = q'' pi D^2.
V, D, Ti, Ts = 2.0, 0.01, 400.0, 300.0
i, w = state("air", Ti); s, _ = state("air", Ts)
re = V * D / i["kinematic_viscosity"]; ratio = i["dynamic_viscosity"] / s["dynamic_viscosity"]
nu = 2 + (0.4 * re ** .5 + 0.06 * re ** (2 / 3)) * i["prandtl"] ** 0.4 * ratio ** .25
h = nu * i["thermal_conductivity"] / D
f, _ = state("air", 350.0)
gr = grashof("air", f, 350.0, Ts - Ti, D)
nf = churchill_sphere(gr * f["prandtl"], f["prandtl"])
cases.append(("sphere in air", "--geometry sphere --sphere regular --fluid air --velocity 2m/s --length 10mm --t-inf 400K --t-surface 300K", {
    "mode": "physical", "case": {"geometry": "sphere", "sphere": "regular"},
    "fields": {"nusselt": None, "average_nusselt": g6(nu), "note": None, "zhukauskas": None},
    "fluid": "air", "film_temperature_K": 350.0, "mach": V / w, "reynolds": re, "prandtl": i["prandtl"],
    "viscosity_ratio": ratio, "grashof": gr, "richardson": gr / (V * D / f["kinematic_viscosity"]) ** 2,
    "free_convection": free("Churchill (sphere)", gr, f["prandtl"], nf),
    "properties": {"free_stream": i, "surface": s},
    "results": [combined(dict(result("Whitaker", "average", nu, re, i["prandtl"], Ti, h, h * (Ts - Ti), h * (Ts - Ti) * math.pi * D * D, "W"),
                              outside_range=["Pr = %.3g below the Whitaker range 0.71 to 380" % i["prandtl"]]), nf)]}))

# Laminar plate in water, uniform temperature: film 313.15 K; q' = q'' L.
V, L, Ti, Ts = 0.2, 0.5, 293.15, 333.15
Tf = (Ti + Ts) / 2
f, _ = state("water", Tf)
re = V * L / f["kinematic_viscosity"]; pr = f["prandtl"]
loc = 0.332 * re ** .5 * pr ** (1 / 3); avg = 2 * loc
hl = loc * f["thermal_conductivity"] / L; ha = avg * f["thermal_conductivity"] / L
gr = grashof("water", f, Tf, Ts - Ti, L); ri = gr / re ** 2
mixed = ["Ri = %.3g above 0.1: mixed convection" % ri]
cases.append(("laminar plate in water", "--geometry plate --heat temperature --flow laminar --fluid-type regular --fluid water --velocity 0.2m/s --length 0.5m --t-inf 20C --t-surface 60C", {
    "mode": "physical", "case": {"geometry": "plate", "heat": "temperature", "flow": "laminar", "fluid_type": "regular"},
    "fields": {"nusselt": g6(loc), "average_nusselt": g6(avg), "note": "", "zhukauskas": None},
    "fluid": "water", "film_temperature_K": Tf, "mach": None, "reynolds": re, "prandtl": pr,
    "grashof": gr, "richardson": ri, "properties": {"film": f},
    "results": [dict(result("Laminar plate", "local", loc, re, pr, Tf, hl, hl * 40), outside_range=mixed),
                dict(result("Laminar plate", "average", avg, re, pr, Tf, ha, ha * 40, ha * 40 * L, "W/m"), outside_range=mixed)]}))

# Unheated starting length in air, x = L: local h = Nu_x k / x; q' over the heated L - xi.
V, L, x, xi, Ti, Ts = 5.0, 1.0, 1.0, 0.2, 293.15, 333.15
Tf = (Ti + Ts) / 2
f, _ = state("air", Tf); i, w = state("air", Ti)
re = V * L / f["kinematic_viscosity"]; pr = f["prandtl"]; rex = re * x / L
loc = 0.332 * rex ** .5 * pr ** (1 / 3) / (1 - (xi / x) ** .75) ** (1 / 3)
avg = 0.664 * re ** .5 * pr ** (1 / 3) * L / (L - xi) * (1 - (xi / L) ** .75) ** (2 / 3)
hl = loc * f["thermal_conductivity"] / x; ha = avg * f["thermal_conductivity"] / L
cases.append(("unheated start at x = L", "--geometry plate --heat unheated --flow laminar --fluid air --velocity 5m/s --length 1m --x 1m --xi 0.2m --t-inf 20C --t-surface 60C", {
    "mode": "physical", "case": {"geometry": "plate", "heat": "unheated", "flow": "laminar"},
    "fields": {"nusselt": g6(loc), "average_nusselt": g6(avg), "note": "", "zhukauskas": None},
    "fluid": "air", "film_temperature_K": Tf, "mach": V / w, "reynolds": re, "prandtl": pr,
    "grashof": grashof("air", f, Tf, Ts - Ti, L), "richardson": grashof("air", f, Tf, Ts - Ti, L) / re ** 2,
    "properties": {"film": f},
    "results": [result("Laminar, unheated start", "local", loc, re, pr, Tf, hl, hl * 40),
                result("Laminar, unheated start", "average", avg, re, pr, Tf, ha, ha * 40, ha * 40 * (L - xi), "W/m")]}))

for name, args, expected in cases:
    print('    {"%s",\n     "%s",\n     R"j(%s)j"},' % (name, args, json.dumps(expected, separators=(",", ":"))))
