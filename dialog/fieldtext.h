#pragma once

// The two conversions between field texts and the engine: reading a typed number and writing a
// shown result. The Calculate slot and the fuzz target use these; no other code converts, so
// what the fuzzer checks is what the window shows.

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
