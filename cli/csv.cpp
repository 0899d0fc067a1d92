#include "csv.h"

namespace nusselt::cli {
namespace {
constexpr std::size_t chunk = std::size_t{1} << 20;
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
    return true;
}

CsvWriter::CsvWriter(std::FILE *output) : out(output)
{
    buffer.reserve(chunk + 4096);
}

CsvWriter::~CsvWriter()
{
    flush();
}

void CsvWriter::cell(std::string_view text)
{
    if (!firstInRow)
        buffer += ',';
    firstInRow = false;
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        buffer += text;
    } else {
        buffer += '"';
        for (const char c : text) {
            if (c == '"')
                buffer += '"';
            buffer += c;
        }
        buffer += '"';
    }
}

void CsvWriter::endRow()
{
    buffer += '\n';
    firstInRow = true;
    if (buffer.size() >= chunk)
        flush();
}

bool CsvWriter::flush()
{
    if (!buffer.empty()) {
        if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size())
            good = false;
        buffer.clear();
    }
    if (std::fflush(out) != 0)
        good = false;
    return good;
}

} // namespace nusselt::cli
