#include "csv.h"

namespace nusselt {

void appendCsvCell(std::string &out, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

CsvReader::CsvReader(std::FILE *input, std::size_t maxRecordBytes)
    : in(input), maxRecord(maxRecordBytes), buffer(std::size_t{1} << 20)
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
        // A byte order mark is no part of the first column's name.
        if (atStart && len >= 3 && std::string_view(buffer.data(), 3) == "\xEF\xBB\xBF")
            pos = 3;
        atStart = false;
    }
    return static_cast<unsigned char>(buffer[pos++]);
}

void CsvReader::keep(char c)
{
    if (record.size() < maxRecord)
        record += c;
    else
        truncated = true;
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
        const int c = get();
        if (c < 0) {
            if (state == State::RecordStart)
                return false;
            if (state == State::Quoted)
                faultText = "unterminated quoted field";
            break;
        }
        const char ch = static_cast<char>(c);
        if (skipLf) {
            skipLf = false;
            if (ch == '\n')
                continue;
        }
        const bool delimiter = ch == ',' || ch == '\n' || ch == '\r';
        if (state == State::Quoted) {
            if (ch == '"')
                state = State::QuoteInQuoted;
            else
                keep(ch);
        } else if (state == State::QuoteInQuoted && ch == '"') {
            keep('"');
            state = State::Quoted;
        } else if (state == State::QuoteInQuoted && !delimiter) {
            faultText = "text after a closing quote"; // kept, but the record is not valid CSV
            keep(ch);
            state = State::Unquoted;
        } else if (ch == ',') {
            ends.push_back(record.size());
            state = State::FieldStart;
        } else if (ch == '\n' || ch == '\r') {
            skipLf = ch == '\r';
            if (state != State::RecordStart) // else a blank line
                break;
        } else if (ch == '"' && (state == State::RecordStart || state == State::FieldStart)) {
            state = State::Quoted;
        } else {
            if (ch == '"' && faultText.empty())
                faultText = "quote inside an unquoted field";
            keep(ch);
            state = State::Unquoted;
        }
    }
    ends.push_back(record.size());
    if (truncated)
        faultText = "record too long";
    return true;
}

} // namespace nusselt
