#include "batch.h"

#include "csv.h"
#include "numbers.h"
#include "report.h"
#include "request.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace nusselt::cli {
namespace {

// A physical batch's columns per correlation: each Nusselt number any case can give, in the order
// the cases meet them, named by its correlation and kind ("churchill_bernstein_average").
struct TermColumns {
    Term term;
    std::string slug;
    bool flux; // the uniform-flux plate: Ts - T_inf in place of the heat flux
};

const std::vector<TermColumns> &termColumns()
{
    static const std::vector<TermColumns> columns = [] {
        std::vector<TermColumns> all;
        const auto add = [&all](const Selection &s, double prandtl) {
            // A liquid metal's own correlations come last in their case: their columns too.
            for (const Term &t : termsOf(s, prandtl, true)) {
                if (std::any_of(all.begin(), all.end(), [&t](const TermColumns &c) {
                        return c.term.correlation == t.correlation && c.term.kind == t.kind;
                    }))
                    continue;
                std::string slug;
                for (const char c : std::string(nameOf(t.correlation)) + " " + std::string(kindName(t.kind))) {
                    const bool word = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
                    if (c >= 'A' && c <= 'Z')
                        slug += static_cast<char>(c - 'A' + 'a');
                    else if (word)
                        slug += c;
                    else if (!slug.empty() && slug.back() != '_')
                        slug += '_';
                }
                all.push_back({t, slug, physics::takesHeatFlux(s)});
            }
        };
        for (int heat = 1; heat <= 3; ++heat)
            for (int flow = 1; flow <= 3; ++flow)
                for (int fluidType = 1; fluidType <= 2; ++fluidType)
                    for (const double prandtl : {1.0, 0.01})
                        add(selectionFromCodes(1, heat, flow, fluidType, 0), prandtl);
        add(selectionFromCodes(2, 0, 0, 0, 0), 1.0);
        for (int sphere = 1; sphere <= 2; ++sphere)
            add(selectionFromCodes(3, 0, 0, 0, sphere), 1.0);
        return all;
    }();
    return columns;
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
    const auto usage = [&status](std::string why) {
        status.exitCode = 2;
        status.usage = std::move(why);
        return status;
    };
    CsvReader reader(in);
    if (!reader.next())
        return usage(reader.readFailed() ? "cannot read the input" : "the input has no header row");
    if (!reader.fault().empty())
        return usage("header row: " + std::string(reader.fault()));
    const std::size_t columns = reader.size();
    std::vector<Key> keys;
    std::array<bool, keyCount> seen{};
    for (std::size_t i = 0; i < columns; ++i) {
        const std::string_view name = trimmed(reader.field(i));
        const std::optional<Key> key = keyNamed(name);
        if (!key)
            return usage("unknown column \"" + std::string(name) + "\"");
        if (seen[static_cast<std::size_t>(*key)])
            return usage("column \"" + std::string(name) + "\" appears twice");
        seen[static_cast<std::size_t>(*key)] = true;
        keys.push_back(*key);
    }
    const bool physicalColumns = std::any_of(keys.begin(), keys.end(), isPhysical);

    // Rows are put together here and written in blocks of about 64 KiB.
    constexpr std::size_t block = std::size_t{1} << 16;
    std::string row;
    row.reserve(2 * block);
    const auto put = [&row](std::string_view text) {
        appendCsvCell(row, text);
        row += ',';
    };
    const auto write = [&row, out] {
        std::fwrite(row.data(), 1, row.size(), out);
        row.clear();
    };
    const auto endRow = [&row, &write] {
        row.back() = '\n'; // in place of the comma after the last cell
        if (row.size() >= block)
            write();
    };
    for (std::size_t i = 0; i < columns; ++i)
        put(reader.field(i));
    for (std::string_view k : fieldKeys)
        put(k);
    put("error");
    if (physicalColumns) {
        put("h_local");
        put("h_average");
        for (std::string_view name : {"reynolds", "prandtl", "film_temperature_K", "grashof", "richardson"})
            put(name);
        for (const TermColumns &c : termColumns()) {
            put(c.slug + "_nu");
            put(c.slug + "_h_W_m2K");
            put(c.slug + (c.flux ? "_temperature_difference_K" : "_heat_flux_W_m2"));
            put(c.slug + "_outside_range");
        }
    }
    endRow();

    // Options without a column stay not given; the others are set or unset by every row.
    Given given;
    Request request;
    Answer result;
    std::string text;
    std::string error;
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
            for (std::size_t i = 0; i < columns; ++i) {
                const std::string_view cell = reader.field(i);
                given[static_cast<std::size_t>(keys[i])] =
                    cell.empty() ? std::nullopt : std::optional<std::string_view>(cell);
            }
            if (std::optional<Fault> fault = buildRequest(given, request)) {
                error = std::move(fault->message);
            } else {
                answer(request, result);
                answered = !result.invalid() && !result.refused();
                appendFailureText(error, result);
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
            const bool physical = answered && result.mode == Mode::Physical;
            const physics::Evaluation &e = result.evaluation;
            const auto number = [&](const std::optional<double> &v) {
                text.clear();
                if (physical && v)
                    appendShortest(text, *v);
                put(text);
            };
            number(e.reynolds);
            number(e.prandtl);
            number(e.filmTemperature);
            number(e.grashof);
            number(e.richardson);
            for (const TermColumns &c : termColumns()) {
                const auto r = std::find_if(e.results.begin(), e.results.end(), [&c](const physics::Result &x) {
                    return x.term.correlation == c.term.correlation && x.term.kind == c.term.kind;
                });
                const physics::Result *found = physical && r != e.results.end() ? &*r : nullptr;
                number(found ? found->nusselt : std::nullopt);
                number(found ? found->heatTransferCoefficient : std::nullopt);
                number(found ? (c.flux ? found->temperatureDifference : found->heatFlux) : std::nullopt);
                text.clear();
                if (found)
                    for (const std::string &sentence : found->outsideRange) {
                        if (!text.empty())
                            text += "; ";
                        text += sentence;
                    }
                put(text);
            }
        }
        endRow();
    }
    write();
    if (reader.readFailed())
        return usage("cannot read the input");
    if (std::fflush(out) != 0 || std::ferror(out))
        return usage("cannot write the output");
    status.exitCode = status.failedRows ? 1 : 0;
    return status;
}

} // namespace nusselt::cli
