// A line-oriented window on the property library for tests that compare it with other programs.
//   "FLUID T P" (K, Pa; FLUID a word of
//   fluidWord: air, water, steam, ...) ->  "issue limit rho mu nu k cp Pr w" (SI units; the speed
//                                         of sound w is air's only, 0 for water)
//   "tsat P" (Pa)                     ->  the boiling temperature of water in K

#include "properties.h"

#include <cstdio>
#include <cstring>

int main()
{
    using namespace nusselt::physics;
    char line[256];
    char what[16];
    double a = 0, b = 0;
    while (std::fgets(line, sizeof line, stdin)) {
        const int fields = std::sscanf(line, "%15s %lf %lf", what, &a, &b);
        if (fields == 2 && std::strcmp(what, "tsat") == 0) {
            std::printf("%.17g\n", waterBoilingTemperature(a));
            continue;
        }
        const Fluid *fluid = nullptr;
        for (const Fluid &f : allFluids)
            if (fluidWord(f) == what)
                fluid = &f;
        if (fields != 3 || !fluid) {
            std::fprintf(stderr, "properties_probe: cannot read: %s", line);
            return 2;
        }
        const PropertyResult r = properties(*fluid, a, b);
        const State &s = r.state;
        std::printf("%d %.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n", static_cast<int>(r.issue),
                    r.limit, s.density, s.dynamicViscosity, s.kinematicViscosity,
                    s.thermalConductivity, s.specificHeat, s.prandtl, s.speedOfSound);
    }
    return 0;
}
