// Writes what the number reader and writers make of many inputs, one line each, so that a build
// on double-conversion and std::from_chars/to_chars (the native one) and a build on printf and
// strtod (-DNUSSELT_PORTABLE_NUMBERS, as the WebAssembly build is) can be compared line by line.
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

void probe(double v)
{
    std::string line;
    nusselt::appendShown(line, v);
    line += ' ';
    nusselt::appendShortest(line, v);
    std::puts(line.c_str());
}

void read(const char *text)
{
    std::string line = text;
    line += " -> ";
    if (const std::optional<double> v = nusselt::readNumber(text))
        nusselt::appendShortest(line, *v);
    else
        line += "none";
    std::puts(line.c_str());
}

} // namespace

int main()
{
    // Exact halves at the sixth digit (rounded away from zero), powers of ten at the edges of the
    // exponent form, the extremes.
    const double chosen[] = {0.5, 1234565, 123456.5, 1.5, 2.5, 0.000125, 9999995, 999999.5, 100000,
                             1e5, 1e6, 1e21, 1e22, 1e-4, 1e-5, 0.1, 0.3, 88.82349396182084, 5e-324,
                             2.2250738585072014e-308, 1.7976931348623157e308, 123456789012345680.0,
                             -0.0, 0.0, -2.5, 6124.158653296225, 1.25e-7, 4.35, 0.15625,
                             std::numeric_limits<double>::infinity()};
    for (double v : chosen) {
        probe(v);
        probe(-v);
    }
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    std::uniform_int_distribution<int> digits(1, 9999999);
    for (int i = 0; i < 50000; ++i) {
        // Any bit pattern that is a finite number, and numbers of few digits, as typed.
        std::uint64_t bits = random();
        double v = 0.0;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v))
            probe(v);
        probe(std::pow(10.0, exponent(random)));
        probe(digits(random) * std::pow(10.0, static_cast<int>(exponent(random))));
        probe(digits(random) / 2.0 / std::pow(10.0, random() % 6));
    }
    const char *texts[] = {"5", ".5", "5.", "1e5", "2.5E-3", " 7 ", "1e", "1e+", "e5", ".", "0x10",
                           "1,5", "1e400", "1e-400", "4.9e-324", "2e-320", "+3", "-3", "--3",
                           "inf", "-INF", "nan", "-nan", "infinity", "1.2.3", "12abc", "", "  ",
                           "00012", "1e-5", "123456789012345678901234567890", "0.1e1", "9e-", "1E+05"};
    for (const char *t : texts)
        read(t);
    for (int i = 0; i < 20000; ++i) {
        char text[40];
        std::snprintf(text, sizeof text, "%.*g", static_cast<int>(random() % 17) + 1,
                      digits(random) * std::pow(10.0, exponent(random) * 25));
        read(text);
    }
}
