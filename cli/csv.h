#pragma once

// CSV as RFC 4180 writes it, read and written as a stream: one record in memory at a time, in
// buffers that grow to the longest record and are then reused, so any number of rows runs in the
// same memory. Reading accepts LF, CRLF and lone CR line ends (mixed, too), a UTF-8 byte order
// mark before the header and any byte inside a field, NUL included; blank lines are skipped.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt::cli {

class CsvReader
{
public:
    // Reads from a stream the caller keeps open; a record longer than maxRecord bytes is read to
    // its end but kept only in part, and marked faulty.
    explicit CsvReader(std::FILE *in, std::size_t maxRecord = std::size_t{64} << 20);

    // The next record; false at the end of the input (or on a read error, see readFailed()).
    bool next();

    std::size_t size() const { return ends.size(); }
    std::string_view field(std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : ends[i - 1];
        return std::string_view(record.data() + begin, ends[i] - begin);
    }
    // What is wrong with the current record's quoting or size; empty when nothing is.
    std::string_view fault() const { return faultText; }
    // Line of the input where the current record starts (1-based).
    std::uint64_t line() const { return startLine; }
    bool readFailed() const { return failed; }

private:
    int get();
    void endField();

    std::FILE *in;
    std::size_t maxRecord;
    std::vector<char> buffer;
    std::size_t pos = 0;
    std::size_t len = 0;
    bool eof = false;
    bool failed = false;
    bool atStart = true;
    bool skipLf = false; // a CR ended the last record; an LF right after it belongs to it
    std::string record;
    std::vector<std::size_t> ends;
    std::string_view faultText;
    std::uint64_t currentLine = 1;
    std::uint64_t startLine = 1;
};

// Buffered CSV output: cells quoted only when they hold a comma, quote or line end, rows ended
// with LF. Writes through in large blocks; check ok() after flush().
class CsvWriter
{
public:
    explicit CsvWriter(std::FILE *out);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void cell(std::string_view text);
    void endRow();
    bool flush();
    bool ok() const { return good; }

private:
    std::FILE *out;
    std::string buffer;
    bool firstInRow = true;
    bool good = true;
};

} // namespace nusselt::cli
