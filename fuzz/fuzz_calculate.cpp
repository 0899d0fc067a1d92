// One press of "Calculate Nusselt #" with whatever a user, or a hostile paste, could put in the
// fields and whatever the selection codes might hold, without the widgets: the same conversions
// and the same engine as the slot. Whatever comes in, the press must end in a refusal with one of
// our warning texts or in fields showing our fixed texts and well-formed finite numbers.
//
// Input: 20 bytes of five little-endian int32 selection codes (geometry, heat, flow, fluid,
// sphere; missing bytes are zero), then the eight field texts (ReynoldsEdit, PrandtlEdit,
// PrandtlSurfaceEdit, PlateLengthEdit, LeadingEdgeEdit, HeatStartEdit, NusseltEdit,
// ZhukauskasEdit), each ended by a backslash followed by any other byte (a doubled backslash
// stands for one), as FuzzedDataProvider::ConsumeRandomLengthString reads them.
// fuzz/make_corpus.py writes this format.

#include "engine.h"
#include "fieldtext.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz_calculate: %s: \"%s\"\n", what, detail.toUtf8().constData());
    std::abort();
}

// Every refusal the engine may answer with: box text and the note that follows it.
bool knownRefusal(std::string_view box, std::string_view note)
{
    static const std::pair<const char *, const char *> refusals[] = {
        {"Values not entered", "Enter Reynolds and Prandtl number"},
        {"Conditions not met", "Check Reynolds and Prandtl numbers"},
        {"Calculation Failed", "Check 0.6<Pr<60"},
        {"Conditions not met", "Mixed Flow needs Re >= 500,000"},
        {"Calculation Failed", "Choose Laminar or Turbulant Flow"},
        {"Values not entered", "Enter Plate Length and Distances"},
        {"Conditions not met", "Check Plate Length and Distances"},
        {"Values not entered", "Enter Prandtl number at surface temperature"},
        {"Values not entered", "Set Mu,Mus and Calculate"},
    };
    for (const auto &[b, n] : refusals) {
        if (box == b && note == n)
            return true;
    }
    return false;
}

bool fixedText(const QString &t)
{
    return t.isEmpty() || t == QLatin1String("This is valid only if L >> x_c")
        || t == QLatin1String("Valid if Recritical = 500,000") || t == QLatin1String("Hilpert Failed")
        || t == QLatin1String("Zhukauskas Failed");
}

// What QString::number(v, 'g', 6) can write for a finite v: no trailing zeros or point, a
// one-digit mantissa before an exponent of at least two digits, at most six significant digits.
bool formattedNumber(const QString &t)
{
    static const QRegularExpression shape(QStringLiteral(
        "^-?(?:(?:0|[1-9][0-9]{0,5})(?:\\.[0-9]{0,8}[1-9])?|[1-9](?:\\.[0-9]{0,4}[1-9])?e[-+][0-9]{2,3})$"));
    if (!shape.match(t).hasMatch())
        return false;
    int significant = 0;
    bool leading = true;
    for (const QChar c : t) {
        if (c == QLatin1Char('e'))
            break;
        if (!c.isDigit())
            continue;
        if (leading && c == QLatin1Char('0'))
            continue;
        leading = false;
        ++significant;
    }
    if (significant > 6)
        return false;
    const QByteArray bytes = t.toLatin1();
    char *end = nullptr;
    const double back = std::strtod(bytes.constData(), &end);
    return end == bytes.constData() + bytes.size() && std::isfinite(back);
}

// A result field: untouched, or a fixed text, or a number with nothing or this field's label.
void checkShown(const nusselt::Shown &shown, QLatin1String label, const char *field)
{
    if (shown.kind == nusselt::Shown::Kind::Keep)
        return;
    const QString t = nusselt::shownText(shown);
    if (fixedText(t))
        return;
    QString number = t;
    if (label.size() > 0 && number.endsWith(label))
        number.chop(label.size());
    if (!formattedNumber(number))
        fail(field, t);
}

void check(const nusselt::Outcome &o)
{
    using Kind = nusselt::Shown::Kind;
    if (o.refused()) {
        if (o.note.kind != Kind::Text || !knownRefusal(o.boxText, o.note.text))
            fail("unknown refusal", QString::fromStdString(std::string(o.boxText) + " / " + std::string(o.note.text)));
        if (o.local.kind != Kind::Keep || o.average.kind != Kind::Keep || o.zhukauskas.kind != Kind::Keep
            || o.zhukauskasFailedLine)
            fail("refusal writes a result field", QString::fromStdString(std::string(o.boxText)));
        return;
    }
    checkShown(o.local, QLatin1String(" at stagnation"), "NusseltEdit");
    checkShown(o.average, QLatin1String(" Hilpert"), "AverageNusseltEdit");
    checkShown(o.note, QLatin1String(" Churchill"), "NoteEdit");
    checkShown(o.zhukauskas, QLatin1String(" Zhukauskas"), "ZhukauskasEdit");
    // The standard-output line goes with the field text, never alone.
    const bool failedShown = o.zhukauskas.kind == Kind::Text && o.zhukauskas.text == "Zhukauskas Failed";
    if (failedShown != o.zhukauskasFailedLine)
        fail("Zhukauskas line and field disagree", QString::fromStdString(std::string(o.zhukauskas.text)));
}

int takeCode(FuzzedDataProvider &in)
{
    std::array<std::uint8_t, 4> b{};
    const auto bytes = in.ConsumeBytes<std::uint8_t>(b.size());
    std::copy(bytes.begin(), bytes.end(), b.begin());
    const std::uint32_t u = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16
        | std::uint32_t(b[3]) << 24;
    std::int32_t code;
    std::memcpy(&code, &u, sizeof code);
    return code;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    nusselt::Selection s;
    for (nusselt::Choice c : nusselt::allChoices)
        nusselt::setCode(s, c, takeCode(in));

    std::array<nusselt::Reading, 8> readings;
    for (nusselt::Reading &r : readings) {
        const std::string bytes = in.ConsumeRandomLengthString();
        r = nusselt::readNumber(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
    }
    nusselt::Inputs inputs;
    inputs.reynolds = readings[0];
    inputs.prandtl = readings[1];
    inputs.prandtlSurface = readings[2];
    inputs.plateLength = readings[3];
    inputs.distance = readings[4];
    inputs.heatStart = readings[5];
    inputs.mu = readings[6];
    inputs.muSurface = readings[7];

    check(nusselt::calculate(s, inputs));
    return 0;
}
