#pragma once

// `nusselt batch`: a CSV of cases in, the same rows with the calculator's answers out.
//
// The header names the columns after the options (geometry, heat, flow, fluid_type, sphere, re,
// pr, prs, mu, mus, length, x, xi, fluid, velocity, t_inf, t_surface, pressure), in any order
// and any subset; an empty cell is an option not given. Each output row repeats the input cells,
// then nusselt, average_nusselt, note, zhukauskas (what the calculator's fields show; empty for a
// field it leaves as it was) and error (empty, or why the row has no answer). When the header has
// physical columns, h_local and h_average follow: W/(m²·K) of the case's first local and first
// average result, which are the correlations behind the calculator's Nusselt # and Average
// Nusselt # fields (for a cylinder: stagnation point and Hilpert); then reynolds, prandtl and
// film_temperature_K, and for each Nusselt number any case can give (its correlation and kind,
// "hilpert_average") its _nu, _h_W_m2K, _heat_flux_W_m2 (the uniform-flux plate:
// _temperature_difference_K) and _outside_range, filled for the row's own case only.

#include <cstdio>
#include <string>

namespace nusselt::cli {

struct BatchStatus {
    int exitCode = 0;  // 0 all rows answered, 1 some row refused or invalid, 2 usage or I/O error
    std::string usage; // what is wrong with the file as a whole (exit 2)
    unsigned long long rows = 0;
    unsigned long long failedRows = 0;
};

BatchStatus runBatch(std::FILE *in, std::FILE *out);

} // namespace nusselt::cli
