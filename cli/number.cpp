#include "number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace nusselt::cli {
namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool equalsIgnoringCase(std::string_view a, std::string_view lowerB)
{
    if (a.size() != lowerB.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerB[i])
            return false;
    }
    return true;
}

// Digits, one optional point, then an optional exponent with at least one digit: the only forms
// Qt reads besides inf and nan. std::from_chars alone would also take "infinity" and "nan(...)".
bool plainDecimal(std::string_view s)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

} // namespace

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

Reading readNumber(std::string_view text)
{
    std::string_view s = trimmed(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (equalsIgnoringCase(s, "inf"))
        return negative ? -HUGE_VAL : HUGE_VAL;
    if (equalsIgnoringCase(s, "nan")) {
        if (negative || text.find('+') != std::string_view::npos)
            return std::nullopt;
        return std::nan("");
    }
    if (!plainDecimal(s))
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt; // out of range: Qt refuses overflow and underflow to zero alike
    return negative ? -value : value;
}

void appendShortest(std::string &out, double v)
{
    std::array<char, 32> buf;
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    out.append(buf.data(), r.ptr);
}

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
    // Six significant digits, correctly rounded (ties to even), as d.ddddde[+-]x.
    std::array<char, 40> six;
    auto r = std::to_chars(six.data(), six.data() + six.size(), v, std::chars_format::scientific, 5);
    std::string_view s6(six.data(), static_cast<std::size_t>(r.ptr - six.data()));

    // Qt rounds an exact half up in magnitude. Only a value whose decimal expansion ends in 5 at
    // the seventh digit is such a half: look closer only then.
    std::array<char, 800> wide;
    auto r7 = std::to_chars(wide.data(), wide.data() + wide.size(), v,
                            std::chars_format::scientific, 6);
    std::string_view s7(wide.data(), static_cast<std::size_t>(r7.ptr - wide.data()));
    const std::size_t sign = v < 0 ? 1 : 0;
    bool half = s7[sign + 7] == '5';
    // Twenty-five digits settle nearly every case cheaply; the full expansion (767 digits at
    // most) only a true candidate.
    for (const int precision : {24, 767}) {
        if (!half)
            break;
        auto rx = std::to_chars(wide.data(), wide.data() + wide.size(), v,
                                std::chars_format::scientific, precision);
        std::string_view exact(wide.data(), static_cast<std::size_t>(rx.ptr - wide.data()));
        const std::size_t e = exact.find('e');
        half = exact[sign + 7] == '5' &&
               exact.substr(sign + 8, e - sign - 8).find_first_not_of('0') == std::string_view::npos;
    }
    if (half) {
        auto rx = std::to_chars(wide.data(), wide.data() + wide.size(), v,
                                std::chars_format::scientific, 767);
        std::string_view exact(wide.data(), static_cast<std::size_t>(rx.ptr - wide.data()));
        const std::size_t e = exact.find('e');
        {
            // Digits d.ddddd of the truncated value, plus one in the last place.
            std::array<char, 7> digits{};
            int exponent = 0;
            std::from_chars(exact.data() + e + 1 + (exact[e + 1] == '+' ? 1 : 0),
                            exact.data() + exact.size(), exponent);
            digits[0] = exact[sign];
            std::memcpy(digits.data() + 1, exact.data() + sign + 2, 5);
            int i = 5;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0) {
                digits[0] = '1';
                ++exponent;
            } else {
                ++digits[static_cast<std::size_t>(i)];
            }
            // Rebuild s6 in the same form to_chars writes.
            char *p = six.data();
            if (sign)
                *p++ = '-';
            *p++ = digits[0];
            *p++ = '.';
            std::memcpy(p, digits.data() + 1, 5);
            p += 5;
            *p++ = 'e';
            *p++ = exponent < 0 ? '-' : '+';
            const int mag = exponent < 0 ? -exponent : exponent;
            if (mag < 10)
                *p++ = '0';
            p = std::to_chars(p, six.data() + six.size(), mag).ptr;
            s6 = std::string_view(six.data(), static_cast<std::size_t>(p - six.data()));
        }
    }

    const std::size_t e = s6.find('e');
    int exponent = 0;
    std::from_chars(s6.data() + e + 1 + (s6[e + 1] == '+' ? 1 : 0), s6.data() + s6.size(),
                    exponent);
    // Mantissa digits without the point, trailing zeros dropped.
    std::array<char, 6> digits{};
    digits[0] = s6[sign];
    std::memcpy(digits.data() + 1, s6.data() + sign + 2, 5);
    std::size_t n = 6;
    while (n > 1 && digits[n - 1] == '0')
        --n;
    if (sign)
        out += '-';
    if (exponent < -4 || exponent >= 6) {
        out += digits[0];
        if (n > 1) {
            out += '.';
            out.append(digits.data() + 1, n - 1);
        }
        out += 'e';
        out += exponent < 0 ? '-' : '+';
        const int mag = exponent < 0 ? -exponent : exponent;
        if (mag < 10)
            out += '0';
        std::array<char, 8> eb;
        out.append(eb.data(), std::to_chars(eb.data(), eb.data() + eb.size(), mag).ptr);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits.data(), n);
    } else {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (n <= intDigits) {
            out.append(digits.data(), n);
            out.append(intDigits - n, '0');
        } else {
            out.append(digits.data(), intDigits);
            out += '.';
            out.append(digits.data() + intDigits, n - intDigits);
        }
    }
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
