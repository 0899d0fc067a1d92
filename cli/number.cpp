#include "number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace nusselt::cli {
namespace {

// Powers of ten up to 1e22 are exactly doubles.
constexpr std::array<double, 23> powersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

void appendShortest(std::string &out, double v)
{
    std::array<char, 32> buf;
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    out.append(buf.data(), r.ptr);
}

namespace {

// Six significant digits of a finite, non-zero magnitude: digits in [100000, 999999] and the
// decimal exponent of the first one, rounded as Qt rounds (to nearest, exact halves up).
struct SixDigits {
    std::uint32_t digits = 0;
    int exponent = 0;
};

// d.ddddde[+-]x as to_chars writes it (scientific, at least five digits after the point): the
// first six digits, truncated, and the exponent.
SixDigits sixDigitsOf(std::string_view scientific)
{
    SixDigits out;
    out.digits = static_cast<std::uint32_t>(scientific[0] - '0');
    for (std::size_t i = 2; i < 7; ++i)
        out.digits = out.digits * 10 + static_cast<std::uint32_t>(scientific[i] - '0');
    const std::size_t e = scientific.find('e');
    const char *exponent = scientific.data() + e + 1;
    if (*exponent == '+')
        ++exponent;
    std::from_chars(exponent, scientific.data() + scientific.size(), out.exponent);
    return out;
}

// From the decimal expansion, which to_chars writes correctly rounded with ties to even; a value
// that is an exact half at the seventh digit is rounded up instead.
SixDigits sixDigitsExact(double a)
{
    std::array<char, 40> six;
    const auto r6 = std::to_chars(six.data(), six.data() + six.size(), a,
                                  std::chars_format::scientific, 5);

    // Only a value whose expansion has 5 at the seventh digit can be such a half: look closer
    // only then. Twenty-five digits settle nearly every case; the full expansion (767 digits at
    // most) only a true candidate.
    std::array<char, 800> wide;
    const auto r7 = std::to_chars(wide.data(), wide.data() + wide.size(), a,
                                  std::chars_format::scientific, 6);
    std::string_view exact(wide.data(), static_cast<std::size_t>(r7.ptr - wide.data()));
    bool half = exact[7] == '5';
    for (const int precision : {24, 767}) {
        if (!half)
            break;
        const auto rx = std::to_chars(wide.data(), wide.data() + wide.size(), a,
                                      std::chars_format::scientific, precision);
        exact = std::string_view(wide.data(), static_cast<std::size_t>(rx.ptr - wide.data()));
        const std::size_t e = exact.find('e');
        half = exact[7] == '5' && exact.substr(8, e - 8).find_first_not_of('0') == std::string_view::npos;
    }
    if (!half)
        return sixDigitsOf(std::string_view(six.data(), static_cast<std::size_t>(r6.ptr - six.data())));
    SixDigits up = sixDigitsOf(exact);
    if (++up.digits == 1000000) {
        up.digits = 100000;
        ++up.exponent;
    }
    return up;
}

// Powers of ten up to 1e22 are doubles exactly, so a times or divided by one of them is the
// exact scaled value correctly rounded: in [1e5, 1e6] it is off by at most 1.2e-10. Unless its
// fraction lies within 1e-9 of one half, rounding it to an integer rounds the exact value alike.
// False when the value is too close to a half to say, or too large or small for the table.
bool sixDigitsFast(double a, SixDigits &out)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &a, sizeof bits);
    const int binaryExponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    if (binaryExponent < -60 || binaryExponent > 80)
        return false;
    // floor(binaryExponent * log10(2)), give or take one: corrected below.
    const int t = binaryExponent * 78913;
    const int estimate = t >= 0 ? t >> 18 : -((-t + (1 << 18) - 1) >> 18);
    int k = 5 - estimate;
    double r = 0.0;
    for (int tries = 0;; ++tries) {
        if (tries == 3 || k > 22 || k < -22)
            return false;
        r = k >= 0 ? a * powersOfTen[static_cast<std::size_t>(k)]
                   : a / powersOfTen[static_cast<std::size_t>(-k)];
        if (r < 1e5)
            ++k;
        else if (r > 1e6)
            --k;
        else
            break;
    }
    std::uint32_t n = static_cast<std::uint32_t>(r);
    const double fraction = r - n;
    if (std::fabs(fraction - 0.5) < 1e-9)
        return false;
    if (fraction > 0.5)
        ++n;
    out.exponent = 5 - k;
    if (n == 1000000) {
        n = 100000;
        ++out.exponent;
    }
    out.digits = n;
    return true;
}

constexpr std::array<char, 200> twoDigits = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

char *put(char *p, std::string_view text)
{
    if (!text.empty()) // a Number's suffix nearly always is
        std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

} // namespace

char *writeShown(char *p, double v)
{
    if (std::isnan(v))
        return put(p, "nan");
    if (std::isinf(v))
        return put(p, v < 0 ? "-inf" : "inf");
    if (v == 0.0) {
        *p++ = '0';
        return p;
    }
    const double a = std::fabs(v);
    SixDigits six;
    if (!sixDigitsFast(a, six))
        six = sixDigitsExact(a);

    // The six digits, two at a time, then the trailing zeros dropped. The array is longer than
    // the digits so that copies of them are eight bytes whatever their count: writeShown's
    // caller gives room for shownMax bytes, more than the longest text needs.
    std::array<char, 16> digits{};
    const std::uint32_t n = six.digits;
    std::memcpy(digits.data(), twoDigits.data() + 2 * (n / 10000), 2);
    std::memcpy(digits.data() + 2, twoDigits.data() + 2 * (n / 100 % 100), 2);
    std::memcpy(digits.data() + 4, twoDigits.data() + 2 * (n % 100), 2);
    std::size_t count = 6;
    while (digits[count - 1] == '0')
        --count;
    const auto copy = [&p, &digits](std::size_t from, std::size_t to) {
        std::memcpy(p, digits.data() + from, 8);
        p += to - from;
    };

    const int exponent = six.exponent;
    if (v < 0)
        *p++ = '-';
    if (exponent < -4 || exponent >= 6) {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            copy(1, count);
        }
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        const int mag = exponent < 0 ? -exponent : exponent;
        if (mag >= 100)
            return std::to_chars(p, p + 3, mag).ptr;
        *p++ = static_cast<char>('0' + mag / 10);
        *p++ = static_cast<char>('0' + mag % 10);
        return p;
    }
    if (exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > exponent; --i)
            *p++ = '0';
        copy(0, count);
        return p;
    }
    const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (count <= intDigits) {
        copy(0, count);
        for (std::size_t i = count; i < intDigits; ++i)
            *p++ = '0';
        return p;
    }
    copy(0, intDigits);
    *p++ = '.';
    copy(intDigits, count);
    return p;
}

void appendShown(std::string &out, double v)
{
    std::array<char, shownMax> buf;
    out.append(buf.data(), writeShown(buf.data(), v));
}

char *writeField(char *p, const Shown &shown)
{
    switch (shown.kind) {
    case Shown::Kind::Number:
        return put(writeShown(p, shown.value), shown.text);
    case Shown::Kind::Text:
        return put(p, shown.text);
    case Shown::Kind::Keep:
    case Shown::Kind::Clear:
        break;
    }
    return p;
}

void appendField(std::string &out, const Shown &shown)
{
    switch (shown.kind) {
    case Shown::Kind::Number:
        appendShown(out, shown.value);
        out.append(shown.text);
        return;
    case Shown::Kind::Text:
        out.append(shown.text);
        return;
    case Shown::Kind::Keep:
    case Shown::Kind::Clear:
        return;
    }
}

} // namespace nusselt::cli
