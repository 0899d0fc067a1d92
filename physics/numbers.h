#pragma once

// Numbers in texts, without Qt: the one reader of a typed or written number, used wherever a
// text becomes a double (command line, batch files, case files, the Flow Conditions window and
// the sweep; the calculator's own fields keep QString::toDouble, which reads the same texts);
// and a number written as the calculator shows it, or as the shortest text that reads back.

#include <optional>
#include <string>
#include <string_view>

namespace nusselt {

// Reads text as QString::toDouble reads it in the C locale, and nothing else:
//   - blanks (space, tab, line ends, vertical tab, form feed) around the number are ignored;
//   - an optional sign, then digits with one optional point (at least one digit, before or
//     after it: "5", ".5", "5."), then an optional exponent: e or E, an optional sign and at
//     least one digit ("1e5", "2.5E-3");
//   - or "inf" or "nan" in any case; "inf" takes a sign ("+inf", "-inf"), "nan" does not
//     ("-nan" and "+nan" are no number); "infinity" is no number;
//   - a value that overflows, or underflows to zero, is no number (denormals read);
//   - empty or blank text is no number.
// No thousands separators, no hexadecimal, no trailing text.
std::optional<double> readNumber(std::string_view text);

// Leading and trailing blanks (as above) removed.
std::string_view trimmed(std::string_view text);

// Appends v as QString::number(v, 'g', 6) writes it, the calculator's results: six significant
// digits, exact halves rounded away from zero; trailing zeros dropped; exponent form when the
// decimal exponent is below -4 or from 6 on, with a sign and at least two digits ("1.23457e+06",
// "1e-05"); negative zero as "0"; "inf", "-inf", "nan".
void appendShown(std::string &out, double v);

// Appends the shortest text that reads back as exactly v ("0.1", "100", "1e+21").
void appendShortest(std::string &out, double v);

} // namespace nusselt
