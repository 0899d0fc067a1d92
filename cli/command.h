#pragma once

// The `nusselt` program: subcommands calculate, properties and batch. Results go to standard
// output, diagnostics to standard error prefixed "nusselt: "; exit status 0 computed, 1 refused
// or invalid input, 2 usage or I/O error.

namespace nusselt::cli {

int run(int argc, const char *const *argv);

} // namespace nusselt::cli
