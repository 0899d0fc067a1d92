#pragma once

// CSV as RFC 4180 writes it: one way to quote a cell, for every CSV the program writes (batch
// answers, plot and sweep exports), and one reader, for batch files.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace nusselt {

// Appends text as one CSV cell: as it is, or in quotes with each quote doubled when it holds a
// comma, a quote, a CR or an LF.
void appendCsvCell(std::string &out, std::string_view text);

// Reads records one at a time from a stream the caller keeps open, in the same memory whatever
// their number: line ends LF, CRLF or a lone CR (mixed, too); blank lines skipped; a UTF-8 byte
// order mark before the first record dropped; any byte inside a field, NUL included.
class CsvReader
{
public:
    // A record longer than maxRecord bytes is read to its end but kept only in part, and faulty.
    explicit CsvReader(std::FILE *in, std::size_t maxRecord = std::size_t{64} << 20);

    // The next record; false at the end of the input (or on a read error, see readFailed()).
    bool next();

    std::size_t size() const { return ends.size(); }
    std::string_view field(std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : ends[i - 1] + 1;
        return std::string_view(record).substr(begin, ends[i] - begin);
    }
    // What is wrong with the current record's quoting or size; empty when nothing is.
    std::string_view fault() const { return faultText; }
    bool readFailed() const { return failed; }

private:
    bool fill();
    void keep(const char *begin, const char *end);

    std::FILE *in;
    std::size_t maxRecord;
    std::vector<char> buffer;
    std::size_t pos = 0;
    std::size_t len = 0;
    bool atStart = true;
    bool eof = false;
    bool failed = false;
    bool skipLf = false; // a CR ended the last record: an LF right after it belongs to it
    bool truncated = false;
    // The current record's fields, unquoted, one after another, each but the last followed by
    // the comma that ended it; ends: where each field ends in record.
    std::string record;
    std::vector<std::size_t> ends;
    std::string_view faultText;
};

} // namespace nusselt
