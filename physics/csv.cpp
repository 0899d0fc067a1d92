#include "csv.h"

#include <algorithm>
#include <array>

namespace nusselt {

namespace {

// What a byte is to CSV: most bytes are just text.
enum class Byte : unsigned char { Text, Comma, QuoteOrLineEnd };

constexpr std::array<Byte, 256> bytes = [] {
    std::array<Byte, 256> table{};
    table[','] = Byte::Comma;
    for (const unsigned char c : {'"', '\n', '\r'})
        table[c] = Byte::QuoteOrLineEnd;
    return table;
}();

Byte kindOf(char c)
{
    return bytes[static_cast<unsigned char>(c)];
}

// Out of line: the cells that need no quotes, nearly all of them, keep the scan below free of
// the registers this loop would take.
[[gnu::noinline, gnu::cold]] void appendQuoted(std::string &out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

void appendCsvCell(std::string &out, std::string_view text)
{
    for (const char c : text)
        if (kindOf(c) != Byte::Text)
            return appendQuoted(out, text);
    if (!text.empty()) // half the cells of a batch are
        out.append(text.data(), text.size());
}

CsvReader::CsvReader(std::FILE *input, std::size_t maxRecordBytes)
    : in(input), maxRecord(maxRecordBytes), buffer(std::size_t{1} << 20)
{
}

bool CsvReader::fill()
{
    if (eof)
        return false;
    len = std::fread(buffer.data(), 1, buffer.size(), in);
    pos = 0;
    if (len == 0) {
        eof = true;
        failed = std::ferror(in) != 0;
        return false;
    }
    // A byte order mark is no part of the first column's name.
    if (atStart && len >= 3 && std::string_view(buffer.data(), 3) == "\xEF\xBB\xBF")
        pos = 3;
    atStart = false;
    return true;
}

void CsvReader::keep(const char *begin, const char *end)
{
    std::size_t n = static_cast<std::size_t>(end - begin);
    if (n > maxRecord - record.size()) {
        n = maxRecord - record.size();
        truncated = true;
    }
    record.append(begin, n);
}

bool CsvReader::next()
{
    record.clear();
    ends.clear();
    faultText = {};
    truncated = false;
    enum class State { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted };
    State state = State::RecordStart;
    for (;;) {
        if (pos == len && !fill()) {
            if (state == State::RecordStart)
                return false;
            if (state == State::Quoted)
                faultText = "unterminated quoted field";
            break;
        }
        const char *const at = buffer.data() + pos;
        const char *const end = buffer.data() + len;
        if (skipLf) {
            skipLf = false;
            if (*at == '\n') {
                ++pos;
                continue;
            }
        }
        const bool quoted = state == State::Quoted;
        if (quoted && *at != '"') {
            // A quoted field's bytes up to its next quote, commas and line ends included.
            const char *const stop = std::find(at, end, '"');
            keep(at, stop);
            pos += static_cast<std::size_t>(stop - at);
            continue;
        }
        if (!quoted && state != State::QuoteInQuoted && kindOf(*at) != Byte::QuoteOrLineEnd) {
            // Unquoted bytes up to the next quote or line end, the commas on the way ending fields
            // (each kept in record, after its field, when there is room for it).
            const char *p = at;
            for (; p != end && kindOf(*p) != Byte::QuoteOrLineEnd; ++p)
                if (*p == ',' && record.size() + static_cast<std::size_t>(p - at) < maxRecord)
                    ends.push_back(record.size() + static_cast<std::size_t>(p - at));
            keep(at, p);
            pos += static_cast<std::size_t>(p - at);
            state = p[-1] == ',' ? State::FieldStart : State::Unquoted;
            continue;
        }
        // One byte: a quote, a line end, or whatever follows a closing quote.
        const char ch = *at;
        ++pos;
        if (state == State::Quoted) {
            state = State::QuoteInQuoted;
        } else if (state == State::QuoteInQuoted && ch == '"') {
            keep(at, at + 1);
            state = State::Quoted;
        } else if (state == State::QuoteInQuoted && ch == ',') {
            if (record.size() < maxRecord)
                ends.push_back(record.size());
            keep(at, at + 1);
            state = State::FieldStart;
        } else if (state == State::QuoteInQuoted && kindOf(ch) == Byte::Text) {
            faultText = "text after a closing quote"; // kept, but the record is not valid CSV
            keep(at, at + 1);
            state = State::Unquoted;
        } else if (ch == '\n' || ch == '\r') {
            skipLf = ch == '\r';
            if (state != State::RecordStart) // else a blank line
                break;
        } else if (state == State::RecordStart || state == State::FieldStart) {
            state = State::Quoted; // a quote opening the field
        } else {
            if (faultText.empty())
                faultText = "quote inside an unquoted field";
            keep(at, at + 1);
        }
    }
    ends.push_back(record.size());
    if (truncated)
        faultText = "record too long";
    return true;
}

} // namespace nusselt
