#include "numbers.h"

#include <array>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

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

#if !defined(__cpp_lib_to_chars) || defined(NUSSELT_PORTABLE_NUMBERS)
// For a standard library without std::from_chars for double (the WebAssembly build's): the same
// grammar checked here, the value read by strtod in the C locale.
struct Read {
    const char *ptr;
    std::errc ec;
};

Read readDecimal(const char *first, const char *last, double &value)
{
    const char *p = first;
    const auto digits = [&p, last] {
        const char *from = p;
        while (p != last && *p >= '0' && *p <= '9')
            ++p;
        return p != from;
    };
    bool any = digits();
    if (p != last && *p == '.') {
        ++p;
        any = digits() || any;
    }
    if (!any)
        return {first, std::errc::invalid_argument};
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char *mark = p++;
        if (p != last && (*p == '+' || *p == '-'))
            ++p;
        if (!digits())
            p = mark;
    }
    const std::string copy(first, p);
    errno = 0;
    const double v = std::strtod(copy.c_str(), nullptr);
    if (errno == ERANGE && (v == 0.0 || std::isinf(v)))
        return {p, std::errc::result_out_of_range};
    value = v;
    return {p, std::errc()};
}
#endif

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
#if defined(__cpp_lib_to_chars) && !defined(NUSSELT_PORTABLE_NUMBERS)
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
#else
    const auto [end, ec] = readDecimal(s.data(), s.data() + s.size(), value);
#endif
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt; // out of range: overflow and underflow to zero alike
    return negative ? -value : value;
}

} // namespace nusselt
