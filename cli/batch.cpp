#include "batch.h"

#include "csv.h"
#include "numbers.h"
#include "report.h"
#include "request.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace nusselt::cli {
namespace {

bool isPhysical(Key k)
{
    return k == Key::Fluid || k == Key::Velocity || k == Key::TInf || k == Key::TSurface ||
           k == Key::Pressure;
}

std::optional<double> firstH(const physics::Evaluation &e, Kind kind)
{
    for (const physics::Result &r : e.results)
        if (r.term.kind == kind)
            return r.heatTransferCoefficient;
    return std::nullopt;
}

constexpr std::array<Key, 5> choiceKeys{Key::Geometry, Key::Heat, Key::Flow, Key::FluidType,
                                        Key::Sphere};

// A choice cell's text, exactly, in two words when it is at most 16 bytes long (every choice word
// is): the first and last eight bytes, overlapping for shorter texts, or four and four, or the
// first, middle and last byte, which together with the size cover every byte.
struct Packed {
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::size_t size = 0;

    bool operator==(const Packed &o) const { return head == o.head && tail == o.tail && size == o.size; }
};

constexpr std::size_t packedMax = 16;

Packed packed(std::string_view w)
{
    Packed k;
    k.size = w.size();
    const char *p = w.data();
    if (w.size() >= 8) {
        std::memcpy(&k.head, p, 8);
        std::memcpy(&k.tail, p + w.size() - 8, 8);
    } else if (w.size() >= 4) {
        std::uint32_t a = 0;
        std::uint32_t b = 0;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + w.size() - 4, 4);
        k.head = a;
        k.tail = b;
    } else if (!w.empty()) {
        k.head = static_cast<unsigned char>(p[0]) | static_cast<unsigned>(static_cast<unsigned char>(p[w.size() / 2])) << 8 |
                 static_cast<unsigned>(static_cast<unsigned char>(p[w.size() - 1])) << 16;
    }
    return k;
}

// Whether a dimensionless row's options describe a case, and which, depends only on which options
// are given and on the words of the five choices: the numbers are read afresh for every row, and
// never fail a check. A batch repeats a handful of case shapes, so each shape that passed the
// checks is kept here, keyed by those cells' raw bytes, and a row of a known shape skips them.
class ShapeCache
{
public:
    struct Key {
        std::uint32_t numbers = 0; // a bit per number column with something in it
        std::array<Packed, choiceKeys.size()> words;

        bool operator==(const Key &o) const { return numbers == o.numbers && words == o.words; }
    };

    // Two places a shape may be kept, so that two shapes of the same hash do not take turns.
    const Selection *find(const Key &key) const
    {
        const std::size_t slot = slotOf(key);
        for (const std::size_t i : {slot, slot ^ 1})
            if (entries[i].used && entries[i].key == key)
                return &entries[i].selection;
        return nullptr;
    }

    void add(const Key &key, const Selection &selection)
    {
        const std::size_t slot = slotOf(key);
        Entry &e = entries[entries[slot].used && !entries[slot ^ 1].used ? slot ^ 1 : slot];
        e.used = true;
        e.key = key;
        e.selection = selection;
    }

private:
    static constexpr std::size_t slots = 256;

    struct Entry {
        bool used = false;
        Key key;
        Selection selection;
    };

    static std::size_t slotOf(const Key &key)
    {
        std::uint64_t h = key.numbers;
        for (const Packed &w : key.words) {
            h = (h ^ w.head ^ w.size) * 0x9e3779b97f4a7c15u;
            h ^= h >> 29;
        }
        return static_cast<std::size_t>(h >> 56);
    }

    std::array<Entry, slots> entries;
};

} // namespace

BatchStatus runBatch(std::FILE *in, std::FILE *out)
{
    BatchStatus status;
    CsvReader reader(in);
    // Each output row is put together here, then written whole.
    std::string row;
    const auto put = [&row](std::string_view text) {
        appendCsvCell(row, text);
        row += ',';
    };
    const auto endRow = [&row, out] {
        row.back() = '\n'; // in place of the comma after the last cell
        std::fwrite(row.data(), 1, row.size(), out);
        row.clear();
    };

    if (!reader.next()) {
        status.exitCode = 2;
        status.usage = reader.readFailed() ? "cannot read the input" : "the input has no header row";
        return status;
    }
    if (!reader.fault().empty()) {
        status.exitCode = 2;
        status.usage = "header row: " + std::string(reader.fault());
        return status;
    }
    const std::size_t columns = reader.size();
    std::vector<Key> keys(columns);
    std::array<bool, keyCount> seen{};
    std::array<std::size_t, keyCount> columnOf{};
    bool physicalColumns = false;
    for (std::size_t i = 0; i < columns; ++i) {
        const std::string_view name = trimmed(reader.field(i));
        const std::optional<Key> key = keyNamed(name);
        if (!key) {
            status.exitCode = 2;
            status.usage = "unknown column \"" + std::string(name) + "\"";
            return status;
        }
        if (seen[static_cast<std::size_t>(*key)]) {
            status.exitCode = 2;
            status.usage = "column \"" + std::string(name) + "\" appears twice";
            return status;
        }
        seen[static_cast<std::size_t>(*key)] = true;
        keys[i] = *key;
        columnOf[static_cast<std::size_t>(*key)] = i;
        physicalColumns = physicalColumns || isPhysical(*key);
    }
    for (std::size_t i = 0; i < columns; ++i)
        put(reader.field(i));
    for (std::string_view k : fieldKeys)
        put(k);
    put("error");
    if (physicalColumns) {
        put("h_local");
        put("h_average");
    }
    endRow();

    std::vector<std::size_t> physicalAt;
    for (std::size_t i = 0; i < columns; ++i)
        if (isPhysical(keys[i]))
            physicalAt.push_back(i);
    std::array<std::size_t, choiceKeys.size()> choiceColumns{};
    std::size_t choiceCount = 0;
    for (Key k : choiceKeys)
        if (seen[static_cast<std::size_t>(k)])
            choiceColumns[choiceCount++] = columnOf[static_cast<std::size_t>(k)];
    // The numbers a dimensionless row reads, and where they go.
    struct NumberColumn {
        std::size_t column;
        Reading Inputs::*field;
    };
    const std::pair<Key, Reading Inputs::*> numberFields[] = {
        {Key::Re, &Inputs::reynolds},   {Key::Pr, &Inputs::prandtl},   {Key::Prs, &Inputs::prandtlSurface},
        {Key::Length, &Inputs::plateLength}, {Key::X, &Inputs::distance}, {Key::Xi, &Inputs::heatStart},
        {Key::Mu, &Inputs::mu},         {Key::Mus, &Inputs::muSurface}};
    std::vector<NumberColumn> numberColumns;
    for (const auto &[k, field] : numberFields)
        if (seen[static_cast<std::size_t>(k)])
            numberColumns.push_back({columnOf[static_cast<std::size_t>(k)], field});
    ShapeCache shapes;
    ShapeCache::Key shape;

    // Everything per row lives out here and is reused: a row allocates nothing unless its error
    // text outgrows the longest one before.
    Given given;
    Request request;
    Answer result;
    std::string text;
    std::string error;
    text.reserve(256);
    error.reserve(256);
    while (reader.next()) {
        ++status.rows;
        const std::size_t cells = reader.size();
        for (std::size_t i = 0; i < columns; ++i)
            put(i < cells ? reader.field(i) : std::string_view());

        error.clear();
        bool answered = false;
        if (!reader.fault().empty()) {
            error = reader.fault();
        } else if (cells != columns) {
            error = "the row has " + std::to_string(cells) + " cells, the header " +
                    std::to_string(columns);
        } else {
            // The key of the row's shape. The numbers are read on the way, straight into the
            // request: a row of a known shape (nearly every row) needs nothing more.
            bool cacheable = true;
            for (const std::size_t c : physicalAt)
                cacheable = cacheable && reader.field(c).empty();
            for (std::size_t i = 0; cacheable && i < choiceCount; ++i) {
                const std::string_view word = reader.field(choiceColumns[i]);
                cacheable = word.size() <= packedMax;
                shape.words[i] = packed(word);
            }
            const Selection *known = nullptr;
            if (cacheable) {
                shape.numbers = 0;
                request.inputs = Inputs{}; // buildRequest starts afresh when the shape is new
                for (std::size_t i = 0; i < numberColumns.size(); ++i) {
                    const std::string_view cell = reader.field(numberColumns[i].column);
                    if (!cell.empty()) {
                        shape.numbers |= std::uint32_t{1} << i;
                        request.inputs.*numberColumns[i].field = readNumber(cell);
                    }
                }
                known = shapes.find(shape);
            }
            std::optional<Fault> fault;
            if (known) {
                // As buildRequest fills a dimensionless request once its checks pass.
                request.mode = Mode::Dimensionless;
                request.selection = *known;
            } else {
                // Every column's option is set or unset here; options without a column stay unset.
                for (std::size_t i = 0; i < columns; ++i) {
                    const std::string_view cell = reader.field(i);
                    std::optional<std::string_view> &option = given[static_cast<std::size_t>(keys[i])];
                    if (cell.empty())
                        option.reset();
                    else
                        option = cell;
                }
                fault = buildRequest(given, request);
                if (!fault && cacheable && request.mode == Mode::Dimensionless)
                    shapes.add(shape, request.selection);
            }
            if (fault) {
                error = std::move(fault->message);
            } else {
                answer(request, result);
                if (result.invalid() || result.refused())
                    appendFailureText(error, result);
                else
                    answered = true;
            }
        }

        if (answered) {
            for (const Shown *s : fieldsOf(result.outcome)) {
                text.clear();
                appendField(text, *s);
                put(text);
            }
            put({});
        } else {
            ++status.failedRows;
            for (std::size_t i = 0; i < fieldKeys.size(); ++i)
                put({});
            put(error);
        }
        if (physicalColumns) {
            for (Kind kind : {Kind::Local, Kind::Average}) {
                text.clear();
                if (answered && result.mode == Mode::Physical)
                    if (const std::optional<double> h = firstH(result.evaluation, kind))
                        appendShortest(text, *h);
                put(text);
            }
        }
        endRow();
    }
    if (reader.readFailed()) {
        status.exitCode = 2;
        status.usage = "cannot read the input";
    } else if (std::fflush(out) != 0 || std::ferror(out)) {
        status.exitCode = 2;
        status.usage = "cannot write the output";
    } else {
        status.exitCode = status.failedRows ? 1 : 0;
    }
    return status;
}

} // namespace nusselt::cli
