#pragma once

// The two conversions between the calculator's field texts and the engine: reading a typed number
// and writing a shown result. The calculator and the fuzz target use these, so what the fuzzer
// checks is what the calculator reads and shows; Flow Conditions quotes the calculator's note with
// shownText. Every other text becomes a number through nusselt::readNumber(std::string_view)
// (physics/numbers.h), which reads the same texts.

#include "engine.h"

#include <QString>

namespace nusselt {

// Empty, blank or unconvertible text reads as no number; "inf" and "nan" do convert, and the
// engine refuses them as it refuses every non-finite value.
Reading readNumber(const QString &text);

// What a field shows for a Number or Text (the empty text for Clear; Keep writes nothing and
// must not be asked for). Numbers use the 'g' format with 6 significant digits.
QString shownText(const Shown &shown);

} // namespace nusselt
