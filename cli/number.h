#pragma once

// Numbers written as texts, without Qt and without allocating: a result as the calculator shows
// it (QString::number(v, 'g', 6)), and the shortest text that reads back as the same double.

#include "engine.h"
#include "numbers.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace nusselt::cli {

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
