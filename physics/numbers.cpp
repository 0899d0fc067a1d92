#include "numbers.h"

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

} // namespace nusselt
