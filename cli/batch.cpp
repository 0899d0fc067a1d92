#include "batch.h"

#include "csv.h"
#include "number.h"
#include "report.h"
#include "request.h"

#include <array>
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

} // namespace

BatchStatus runBatch(std::FILE *in, std::FILE *out)
{
    BatchStatus status;
    CsvReader reader(in);
    CsvWriter writer(out);

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
        physicalColumns = physicalColumns || isPhysical(*key);
    }
    for (std::size_t i = 0; i < columns; ++i)
        writer.cell(reader.field(i));
    for (std::string_view k : fieldKeys)
        writer.cell(k);
    writer.cell("error");
    if (physicalColumns) {
        writer.cell("h_local");
        writer.cell("h_average");
    }
    writer.endRow();

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
        std::string_view verbatim;
        if (cells == columns && reader.plain(verbatim)) {
            writer.cells(verbatim);
        } else {
            for (std::size_t i = 0; i < columns; ++i)
                writer.cell(i < cells ? reader.field(i) : std::string_view());
        }

        error.clear();
        bool answered = false;
        if (!reader.fault().empty()) {
            error = reader.fault();
        } else if (cells != columns) {
            error = "the row has " + std::to_string(cells) + " cells, the header " +
                    std::to_string(columns);
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
            if (std::optional<Fault> fault = buildRequest(given, request)) {
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
                if (s->kind == Shown::Kind::Number && s->text.empty())
                    writer.unquotedCellWith(shownMax, [s](char *at) { return writeShown(at, s->value); });
                else
                    writer.cellWith(fieldMax(*s), [s](char *at) { return writeField(at, *s); });
            }
            writer.emptyCells(1);
        } else {
            ++status.failedRows;
            writer.emptyCells(fieldKeys.size());
            writer.cell(error);
        }
        if (physicalColumns) {
            for (Kind kind : {Kind::Local, Kind::Average}) {
                text.clear();
                if (answered && result.mode == Mode::Physical)
                    if (const std::optional<double> h = firstH(result.evaluation, kind))
                        appendShortest(text, *h);
                writer.cell(text);
            }
        }
        writer.endRow();
    }
    if (reader.readFailed()) {
        status.exitCode = 2;
        status.usage = "cannot read the input";
    } else if (!writer.flush()) {
        status.exitCode = 2;
        status.usage = "cannot write the output";
    } else {
        status.exitCode = status.failedRows ? 1 : 0;
    }
    return status;
}

} // namespace nusselt::cli
