#pragma once

// CSV as RFC 4180 writes it, read and written as a stream: one record in memory at a time, in
// buffers that grow to the longest record and are then reused, so any number of rows runs in the
// same memory. Reading accepts LF, CRLF and lone CR line ends (mixed, too), a UTF-8 byte order
// mark before the header and any byte inside a field, NUL included; blank lines are skipped.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
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
        const std::size_t begin = i == 0 ? 0 : ends[i - 1] + gap;
        return std::string_view(base + begin, ends[i] - begin);
    }
    // The record as it stands in the input when that is its fields joined by commas (no quote
    // anywhere), the line end left out; false otherwise. Valid until the next call of next().
    bool plain(std::string_view &text) const
    {
        text = std::string_view(base, plainSize);
        return isPlain;
    }
    // What is wrong with the current record's quoting or size; empty when nothing is.
    std::string_view fault() const { return faultText; }
    // Line of the input where the current record starts (1-based).
    std::uint64_t line() const { return startLine; }
    bool readFailed() const { return failed; }

    // Offsets where the fields end: a vector that keeps its storage and grows only in whole steps,
    // so that adding a field is a store and a compare.
    class Ends
    {
    public:
        void clear() { count = 0; }
        void push_back(std::size_t end)
        {
            if (count == storage.size())
                storage.resize(storage.size() * 2 + 16);
            storage[count++] = end;
        }
        // Room for n more offsets, written at the pointer returned; filledTo(end) then counts them.
        std::size_t *room(std::size_t n)
        {
            if (storage.size() - count < n)
                storage.resize(storage.size() * 2 + n);
            return storage.data() + count;
        }
        void filledTo(const std::size_t *end) { count = static_cast<std::size_t>(end - storage.data()); }
        std::size_t size() const { return count; }
        std::size_t operator[](std::size_t i) const { return storage[i]; }

    private:
        std::vector<std::size_t> storage;
        std::size_t count = 0;
    };

private:
    int get();
    void endField();
    bool nextPlain();
    bool nextAnyForm();

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
    Ends ends;
    // Fields are views of base: of record (gap 0, unquoted) or, for a plain record, of buffer
    // itself (gap 1: the comma between fields).
    const char *base = nullptr;
    std::size_t gap = 0;
    std::size_t plainSize = 0;
    bool isPlain = false;
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
    void emptyCells(std::size_t n); // n cells with nothing in them
    void emptyCell() { startCell(0); }
    // Cells already in CSV form, commas between them included (a plain record, as read).
    void cells(std::string_view csv);
    void endRow();
    bool flush();
    bool ok() const { return good; }

private:
    static bool needsQuotes(std::string_view text);
    void quoteLast(std::size_t begin);
    void reserve(std::size_t more)
    {
        if (capacity - used < more)
            grow(more);
    }
    void grow(std::size_t more);
    // The comma before a cell unless it starts the row, and room for size bytes of it after that.
    void startCell(std::size_t size)
    {
        reserve(size + 1);
        if (!firstInRow)
            data[used++] = ',';
        firstInRow = false;
    }
    void append(std::string_view text)
    {
        if (text.empty()) // its data() may be null, which memcpy must not get even for no bytes
            return;
        reserve(text.size());
        std::memcpy(data.get() + used, text.data(), text.size());
        used += text.size();
    }

    std::FILE *out;
    std::unique_ptr<char[]> data;
    std::size_t used = 0;
    std::size_t capacity = 0;
    bool firstInRow = true;
    bool good = true;
};

} // namespace nusselt::cli
