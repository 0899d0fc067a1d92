// A case file's text, any bytes: the reader (fromJson) and the problem it states (toProblem).
// Whatever comes in, they must end without a crash or a sanitizer report, a refusal always saying
// why; a case the reader accepts must read back the same from the text it is written as.

#include "casefile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace nusselt::physics;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::string error;
    const std::optional<CaseFile> read = fromJson(text, error);
    if (!read) {
        if (error.empty())
            std::abort();
        return 0;
    }
    const std::string written = toJson(*read);
    std::string again;
    const std::optional<CaseFile> reread = fromJson(written, again);
    if (!reread || toJson(*reread) != written)
        std::abort();
    error.clear();
    if (!toProblem(*read, error) && error.empty())
        std::abort();
    return 0;
}
