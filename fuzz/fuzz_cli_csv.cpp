// `nusselt batch` on any byte string: the CSV reader, the option checks of every row and the
// answers. Whatever comes in, the run must end (no crash, no sanitizer report), with exit 0, 1 or
// 2; with a header it accepts (exit 0 or 1), it writes one answer row for every record it read,
// each either answered or carrying an error.

#include "batch.h"
#include "csv.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string input(reinterpret_cast<const char *>(data), size);
    std::FILE *in = fmemopen(input.empty() ? nullptr : input.data(), input.size(), "rb");
    if (!in)
        return 0;
    char *outText = nullptr;
    std::size_t outSize = 0;
    std::FILE *out = open_memstream(&outText, &outSize);
    const nusselt::cli::BatchStatus status = nusselt::cli::runBatch(in, out);
    std::fclose(in);
    std::fclose(out);
    if (status.exitCode < 0 || status.exitCode > 2)
        std::abort();
    if (status.exitCode != 2) {
        // Read the answers back: the header and one record per input record, none more.
        std::FILE *back = fmemopen(outText, outSize, "rb");
        nusselt::CsvReader reader(back);
        unsigned long long records = 0;
        while (reader.next())
            ++records;
        std::fclose(back);
        if (records != status.rows + 1)
            std::abort();
    }
    std::free(outText);
    return 0;
}
