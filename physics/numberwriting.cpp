// Numbers written for people and for programs: kept apart from the reader in numbers.cpp, so
// that a program that only reads numbers (the calculator's windows) does not load the
// double-conversion library at start.

#include "numbers.h"

#include <double-conversion/double-to-string.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace nusselt {

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
    using double_conversion::DoubleToStringConverter;
    std::array<char, 8> digits{};
    bool negative = false;
    int length = 0;
    int point = 0;
    DoubleToStringConverter::DoubleToAscii(v, DoubleToStringConverter::PRECISION, 6, digits.data(),
                                           static_cast<int>(digits.size()), &negative, &length, &point);
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
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), v).ptr;
    out.append(text.data(), end);
}

} // namespace nusselt
