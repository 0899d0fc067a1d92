#include "numbers.h"

#include <double-conversion/double-to-string.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace nusselt {
namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool equalsIgnoringCase(std::string_view a, std::string_view lower)
{
    if (a.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        if (c != lower[i])
            return false;
    }
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with one optional point, then an optional exponent with at least one digit. Checked
// first because std::from_chars alone also takes "infinity" and "nan(...)".
bool plainDecimal(std::string_view s)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        if (i == exponentStart)
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

std::optional<double> readNumber(std::string_view text)
{
    std::string_view s = trimmed(text);
    const bool signed_ = !s.empty() && (s.front() == '+' || s.front() == '-');
    const bool negative = signed_ && s.front() == '-';
    if (signed_)
        s.remove_prefix(1);
    if (equalsIgnoringCase(s, "inf"))
        return negative ? -HUGE_VAL : HUGE_VAL;
    if (equalsIgnoringCase(s, "nan")) {
        if (signed_)
            return std::nullopt;
        return std::nan("");
    }
    if (!plainDecimal(s))
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt; // out of range: overflow and underflow to zero alike
    return negative ? -value : value;
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
    const auto put = [&out, &digits](int from, int to) {
        out.append(digits.data() + from, static_cast<std::size_t>(to - from));
    };
    if (negative)
        out += '-';
    const int exponent = point - 1;
    if (exponent < -4 || exponent >= 6) {
        put(0, 1);
        if (length > 1) {
            out += '.';
            put(1, length);
        }
        out += exponent < 0 ? "e-" : "e+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        put(0, length);
    } else if (length <= point) {
        put(0, length);
        out.append(static_cast<std::size_t>(point - length), '0');
    } else {
        put(0, point);
        out += '.';
        put(point, length);
    }
}

void appendShortest(std::string &out, double v)
{
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), v).ptr;
    out.append(text.data(), end);
}

} // namespace nusselt
