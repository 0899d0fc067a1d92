// Numbers written for people and for programs: kept apart from the reader in numbers.cpp, so
// that a program that only reads numbers (the calculator's windows) does not load the
// double-conversion library at start.

#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

// A build without double-conversion or std::to_chars for double (the WebAssembly one) takes the
// digits from the C library's printf, correctly rounded there, and writes them the same way.
#if __has_include(<double-conversion/double-to-string.h>) && defined(__cpp_lib_to_chars) && \
    !defined(NUSSELT_PORTABLE_NUMBERS)
#include <double-conversion/double-to-string.h>
#define NUSSELT_DOUBLE_CONVERSION 1
#else
#include <cstdio>
#include <cstring>
#include <string_view>
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#endif
#endif

namespace nusselt {
namespace {

// The first `precision` significant digits of |v| (finite, not zero), rounded to nearest with
// exact halves away from zero, and where the point goes: |v| = 0.digits * 10^point.
#ifdef NUSSELT_DOUBLE_CONVERSION
void significantDigits(double v, int precision, char *digits, int size, bool &negative, int &length,
                       int &point)
{
    using double_conversion::DoubleToStringConverter;
    DoubleToStringConverter::DoubleToAscii(v, DoubleToStringConverter::PRECISION, precision, digits,
                                           size, &negative, &length, &point);
}
#else
// printf's "%.*e" of |v| (precision digits, at most 40): the digits without the point, and the
// decimal exponent.
void printed(double v, int precision, char *digits, int &length, int &exponent)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*e", precision - 1, std::fabs(v));
    const char *e = std::strchr(text.data(), 'e');
    length = 0;
    for (const char *p = text.data(); p != e; ++p)
        if (*p != '.')
            digits[length++] = *p;
    exponent = std::atoi(e + 1);
}

void significantDigits(double v, int precision, char *digits, int, bool &negative, int &length,
                       int &point)
{
    negative = std::signbit(v);
    int exponent = 0;
    // printf breaks an exact tie to even; the calculator rounds it away from zero, as printf
    // rounds the next double out. A tie: a 5 after the digits wanted, and nothing after it.
    std::array<char, 48> wider{};
    printed(v, precision + 21, wider.data(), length, exponent);
    const auto rest = wider.begin() + precision + 1;
    const bool tie = wider[static_cast<std::size_t>(precision)] == '5' &&
                     std::all_of(rest, rest + 20, [](char c) { return c == '0'; });
    printed(tie ? std::nextafter(std::fabs(v), HUGE_VAL) : v, precision, digits, length, exponent);
    point = exponent + 1;
}

// std::to_chars(v): the fewest significant digits that read back as v, in plain or exponent
// form, whichever is shorter (plain on a tie); the exponent with a sign and two digits at least.
void appendShortestPortable(std::string &out, double v)
{
    if (std::isnan(v) || std::isinf(v)) {
        out += std::isnan(v) ? (std::signbit(v) ? "-nan" : "nan") : (v < 0 ? "-inf" : "inf");
        return;
    }
    if (std::signbit(v))
        out += '-';
    if (v == 0.0) {
        out += '0';
        return;
    }
    std::array<char, 48> digits{};
    int length = 0;
    int exponent = 0;
#ifdef __EMSCRIPTEN__
    // The browser's own shortest digits (Number.prototype.toString: "1.5e-7", "0.001", "1e+21"),
    // where the C library's strtod, on a software long double, would cost microseconds a try.
    std::array<char, 40> js{};
    emscripten_print_double(std::fabs(v), js.data(), static_cast<int>(js.size()));
    const char *e = std::strchr(js.data(), 'e');
    const char *mantissaEnd = e ? e : js.data() + std::strlen(js.data());
    int point = static_cast<int>(mantissaEnd - js.data());
    bool leading = true;
    int skipped = 0;
    for (const char *p = js.data(); p != mantissaEnd; ++p) {
        if (*p == '.') {
            point = static_cast<int>(p - js.data());
            continue;
        }
        if (leading && *p == '0') {
            ++skipped;
            continue;
        }
        leading = false;
        digits[static_cast<std::size_t>(length++)] = *p;
    }
    exponent = point - skipped - 1 + (e ? std::atoi(e + 1) : 0);
#else
    for (int precision = 1; precision <= 17; ++precision) {
        printed(v, precision, digits.data(), length, exponent);
        std::array<char, 64> text{};
        std::snprintf(text.data(), text.size(), "%.*e", precision - 1, std::fabs(v));
        if (std::strtod(text.data(), nullptr) == std::fabs(v))
            break;
    }
#endif
    while (length > 1 && digits[static_cast<std::size_t>(length - 1)] == '0')
        --length;
    const std::string_view d(digits.data(), static_cast<std::size_t>(length));

    std::string scientific(d.substr(0, 1));
    if (length > 1)
        scientific.append(".").append(d.substr(1));
    scientific += exponent < 0 ? "e-" : "e+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        scientific += '0';
    scientific += std::to_string(magnitude);

    std::string plain;
    if (exponent < 0)
        plain.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(d);
    else if (length <= exponent + 1) {
        // A whole number is written with all its digits, exact beyond the shortest ones.
        std::array<char, 320> whole{};
        std::snprintf(whole.data(), whole.size(), "%.0f", std::fabs(v));
        plain = whole.data();
    }
    else
        plain.append(d.substr(0, static_cast<std::size_t>(exponent + 1)))
            .append(".")
            .append(d.substr(static_cast<std::size_t>(exponent + 1)));
    out += plain.size() <= scientific.size() ? plain : scientific;
}
#endif

} // namespace

void appendShown(std::string &out, double v)
{
    if (std::isnan(v)) {
        out += "nan";
        return;
    }
    if (std::isinf(v)) {
        out += v < 0 ? "-inf" : "inf";
        return;
    }
    if (v == 0.0) {
        out += '0';
        return;
    }
    // The six digits of |v| and where the point goes: |v| = 0.digits * 10^point.
    std::array<char, 8> digits{};
    bool negative = false;
    int length = 0;
    int point = 0;
    significantDigits(v, 6, digits.data(), static_cast<int>(digits.size()), negative, length, point);
    while (length > 1 && digits[static_cast<std::size_t>(length - 1)] == '0')
        --length;

    std::array<char, 16> text{}; // "-1.23457e-308" at most
    char *p = text.data();
    const auto put = [&p, &digits](int from, int to) {
        for (int i = from; i < to; ++i)
            *p++ = digits[static_cast<std::size_t>(i)];
    };
    const auto zeros = [&p](int n) {
        for (; n > 0; --n)
            *p++ = '0';
    };
    if (negative)
        *p++ = '-';
    const int exponent = point - 1;
    if (exponent < -4 || exponent >= 6) {
        put(0, 1);
        if (length > 1) {
            *p++ = '.';
            put(1, length);
        }
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        zeros(magnitude < 10 ? 1 : 0);
        p = std::to_chars(p, text.data() + text.size(), magnitude).ptr;
    } else if (point <= 0) {
        *p++ = '0';
        *p++ = '.';
        zeros(-point);
        put(0, length);
    } else if (length <= point) {
        put(0, length);
        zeros(point - length);
    } else {
        put(0, point);
        *p++ = '.';
        put(point, length);
    }
    out.append(text.data(), p);
}

void appendShortest(std::string &out, double v)
{
#ifdef NUSSELT_DOUBLE_CONVERSION
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), v).ptr;
    out.append(text.data(), end);
#else
    appendShortestPortable(out, v);
#endif
}

} // namespace nusselt
