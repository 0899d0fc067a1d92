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
    if (equalsIgnoringCase(s, "nan") && !signed_)
        return std::nan("");
    // From a digit or a point on, std::from_chars reads exactly the digits, point and exponent
    // above, and stops before anything else ("1e" leaves the e); it would also take "infinity"
    // and "nan(...)", which start with a letter.
    if (s.empty() || !((s.front() >= '0' && s.front() <= '9') || s.front() == '.'))
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
