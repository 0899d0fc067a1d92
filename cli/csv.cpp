#include "csv.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace nusselt::cli {
namespace {
constexpr std::size_t chunk = std::size_t{1} << 20;

// Bytes that end an unquoted field or make a cell need quotes.
constexpr std::array<bool, 256> special = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {',', '"', '\r', '\n'})
        table[c] = true;
    return table;
}();

bool isSpecial(char c)
{
    return special[static_cast<unsigned char>(c)];
}

#if defined(__SSE2__)
// Sixteen bytes at a time: a mask of the commas and one of the quotes and line ends.
struct Masks {
    unsigned commas;
    unsigned others;
};

Masks masksOf(const char *p)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i others = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))),
        _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')));
    return {static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(',')))),
            static_cast<unsigned>(_mm_movemask_epi8(others))};
}
#endif

// Splits an unquoted record at its commas, from begin up to the first quote or line end: the
// offsets of the commas go to ends, the return value points at that quote or line end, or is
// stop when there is none before stop.
const char *splitUnquoted(const char *begin, const char *stop, CsvReader::Ends &ends)
{
    const char *p = begin;
#if defined(__SSE2__)
    for (; stop - p >= 16; p += 16) {
        Masks m = masksOf(p);
        if (m.others != 0)
            m.commas &= (m.others & (0u - m.others)) - 1; // only the commas before it
        const std::size_t offset = static_cast<std::size_t>(p - begin);
        if (m.commas != 0) {
            std::size_t *at = ends.room(16); // sixteen bytes hold at most sixteen commas
            for (; m.commas != 0; m.commas &= m.commas - 1)
                *at++ = offset + static_cast<std::size_t>(__builtin_ctz(m.commas));
            ends.filledTo(at);
        }
        if (m.others != 0)
            return p + __builtin_ctz(m.others);
    }
#endif
    for (; p != stop; ++p) {
        if (!isSpecial(*p))
            continue;
        if (*p != ',')
            return p;
        ends.push_back(static_cast<std::size_t>(p - begin));
    }
    return stop;
}
} // namespace

CsvReader::CsvReader(std::FILE *input, std::size_t maxRecordBytes)
    : in(input), maxRecord(maxRecordBytes), buffer(chunk)
{
}

int CsvReader::get()
{
    if (pos == len) {
        if (eof)
            return -1;
        len = std::fread(buffer.data(), 1, buffer.size(), in);
        pos = 0;
        if (len == 0) {
            eof = true;
            failed = std::ferror(in) != 0;
            return -1;
        }
    }
    return static_cast<unsigned char>(buffer[pos++]);
}

void CsvReader::endField()
{
    ends.push_back(record.size());
}

bool CsvReader::next()
{
    faultText = {};
    if (!atStart && nextPlain())
        return true;
    return nextAnyForm();
}

// The common record: wholly in the buffer, not blank, no quote in it. Its fields are found in
// place and nothing is copied; any other record is left for nextAnyForm, nothing consumed.
bool CsvReader::nextPlain()
{
    std::size_t at = pos;
    if (skipLf && at < len && buffer[at] == '\n')
        ++at;
    if (at == len)
        return false;
    const char *const begin = buffer.data() + at;
    const char *const stop = buffer.data() + len;
    if (*begin == '\n' || *begin == '\r')
        return false;
    ends.clear();
    const char *const p = splitUnquoted(begin, stop, ends);
    if (p == stop || *p == '"')
        return false;
    const std::size_t size = static_cast<std::size_t>(p - begin);
    if (size > maxRecord)
        return false;
    ends.push_back(size);
    base = begin;
    gap = 1;
    plainSize = size;
    isPlain = true;
    skipLf = *p == '\r';
    pos = static_cast<std::size_t>(p - buffer.data()) + 1;
    startLine = currentLine++;
    return true;
}

bool CsvReader::nextAnyForm()
{
    record.clear();
    ends.clear();
    faultText = {};
    if (atStart) {
        atStart = false;
        // A byte order mark is no part of the first column's name.
        int c0 = get();
        if (c0 == 0xEF) {
            const int c1 = get();
            const int c2 = get();
            if (!(c1 == 0xBB && c2 == 0xBF)) {
                record += static_cast<char>(c0);
                if (c1 >= 0)
                    record += static_cast<char>(c1);
                if (c2 >= 0)
                    record += static_cast<char>(c2);
            }
        } else if (c0 >= 0) {
            --pos; // put it back: the buffer still holds it
        }
    }

    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    bool any = !record.empty();
    bool truncated = false;
    startLine = currentLine;
    // Leading bytes already in record (a broken byte order mark) continue an unquoted field.
    if (any)
        state = State::Unquoted;

    const auto keep = [&](char c) {
        if (record.size() < maxRecord)
            record += c;
        else
            truncated = true;
    };

    for (;;) {
        const int c = get();
        if (c < 0) {
            if (!any && state == State::FieldStart)
                return false;
            if (state == State::Quoted)
                faultText = "unterminated quoted field";
            endField();
            break;
        }
        if (skipLf) {
            skipLf = false;
            if (c == '\n')
                continue;
        }
        const char ch = static_cast<char>(c);
        if (state == State::Quoted) {
            if (ch == '"')
                state = State::QuoteInQuoted;
            else {
                if (ch == '\n' || (ch == '\r'))
                    ++currentLine;
                keep(ch);
            }
            continue;
        }
        if (state == State::QuoteInQuoted) {
            if (ch == '"') {
                keep('"');
                state = State::Quoted;
                continue;
            }
            if (ch != ',' && ch != '\n' && ch != '\r') {
                // Text after a closing quote: kept, but the record is not valid CSV.
                faultText = "text after a closing quote";
                keep(ch);
                state = State::Unquoted;
                continue;
            }
        }
        if (ch == ',') {
            endField();
            state = State::FieldStart;
            any = true;
            continue;
        }
        if (ch == '\n' || ch == '\r') {
            ++currentLine;
            skipLf = ch == '\r';
            if (!any && state == State::FieldStart) {
                startLine = currentLine; // a blank line
                continue;
            }
            endField();
            break;
        }
        if (state == State::FieldStart && ch == '"') {
            state = State::Quoted;
            any = true;
            continue;
        }
        if (ch == '"' && faultText.empty())
            faultText = "quote inside an unquoted field";
        keep(ch);
        state = State::Unquoted;
        any = true;
    }
    if (truncated)
        faultText = "record too long";
    base = record.data();
    gap = 0;
    plainSize = 0;
    isPlain = false;
    return true;
}

CsvWriter::CsvWriter(std::FILE *output)
    : out(output), data(new char[chunk + 4096]), capacity(chunk + 4096)
{
}

CsvWriter::~CsvWriter()
{
    flush();
}

bool CsvWriter::needsQuotes(std::string_view text)
{
    const char *p = text.data();
    const char *const end = p + text.size();
#if defined(__SSE2__)
    for (; end - p >= 16; p += 16) {
        const Masks m = masksOf(p);
        if ((m.commas | m.others) != 0)
            return true;
    }
#endif
    for (; p != end; ++p)
        if (isSpecial(*p))
            return true;
    return false;
}

void CsvWriter::grow(std::size_t more)
{
    const std::size_t wanted = std::max(capacity * 2, used + more);
    std::unique_ptr<char[]> bigger(new char[wanted]);
    std::memcpy(bigger.get(), data.get(), used);
    data = std::move(bigger);
    capacity = wanted;
}

// Quotes the text from begin to the end of the buffer in place: moved right, quotes doubled.
void CsvWriter::quoteLast(std::size_t begin)
{
    std::size_t quotes = 0;
    for (std::size_t i = begin; i < used; ++i)
        quotes += data[i] == '"';
    reserve(quotes + 2);
    if (quotes == 0) { // a note with a comma in it, the usual case: moved right by one
        std::memmove(data.get() + begin + 1, data.get() + begin, used - begin);
        data[begin] = '"';
        data[used + 1] = '"';
        used += 2;
        return;
    }
    char *const first = data.get() + begin;
    char *from = data.get() + used;
    char *to = from + quotes + 2;
    *--to = '"';
    while (from != first) {
        const char c = *--from;
        *--to = c;
        if (c == '"')
            *--to = '"';
    }
    *--to = '"';
    used += quotes + 2;
}

void CsvWriter::cell(std::string_view text)
{
    startCell(text.size());
    append(text);
    if (needsQuotes(text))
        quoteLast(used - text.size());
}

void CsvWriter::cells(std::string_view csv)
{
    startCell(csv.size());
    append(csv);
}

void CsvWriter::emptyCells(std::size_t n)
{
    if (n == 0)
        return;
    const std::size_t commas = firstInRow ? n - 1 : n;
    reserve(commas);
    for (std::size_t i = 0; i < commas; ++i)
        data[used++] = ',';
    firstInRow = false;
}

void CsvWriter::endRow()
{
    append("\n");
    firstInRow = true;
    if (used >= chunk)
        flush();
}

bool CsvWriter::flush()
{
    if (used > 0) {
        if (std::fwrite(data.get(), 1, used, out) != used)
            good = false;
        used = 0;
    }
    if (std::fflush(out) != 0)
        good = false;
    return good;
}

} // namespace nusselt::cli
