#pragma once

// Numbers in and out of texts, without Qt and without allocating: reading a field as the
// calculator's line edits are read (QString::toDouble), writing a result as the calculator shows
// it (QString::number(v, 'g', 6)), and the shortest text that reads back as the same double.

#include "engine.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace nusselt::cli {

// As QString::toDouble reads a field: blanks around the number are ignored; an optional sign;
// digits with an optional point and exponent; "inf" and "nan" in any case ("+inf", "-inf", but
// not "-nan" or "infinity"); nothing else. Overflow and underflow to zero read as no number, as
// in Qt; denormals read. Empty or blank text is no number.
Reading readNumber(std::string_view text);

// Leading and trailing blanks (space, tab, line ends, vertical tab, form feed) removed.
std::string_view trimmedAtEnds(std::string_view text);
inline std::string_view trimmed(std::string_view text)
{
    // Nearly every text has no blank around it: the range check says so for printable ASCII.
    if (text.empty() || (text.front() > ' ' && text.back() > ' '))
        return text;
    return trimmedAtEnds(text);
}

// Appends v as QString::number(v, 'g', 6) writes it: six significant digits, trailing zeros
// dropped, exponent form below 1e-4 and from 1e6 on ("1.23457e+06"), exact halves rounded away
// from zero (Qt's rounding; printf's %.6g rounds them to even), negative zero as "0".
void appendShown(std::string &out, double v);

// The same text written at out, which must have room for shownMax bytes (the text is at most 13,
// "-1.23457e-308", but the bytes after it may be written too); returns its end.
inline constexpr std::size_t shownMax = 16;
char *writeShown(char *out, double v);

// Appends the shortest text that reads back as exactly v (std::to_chars).
void appendShortest(std::string &out, double v);

// The text a calculator field shows for an engine answer (empty for Clear and Keep).
void appendField(std::string &out, const Shown &shown);

// The same text written at out, which must have room for fieldMax(shown) bytes; returns its end.
inline std::size_t fieldMax(const Shown &shown) { return shownMax + shown.text.size(); }
char *writeField(char *out, const Shown &shown);

} // namespace nusselt::cli
