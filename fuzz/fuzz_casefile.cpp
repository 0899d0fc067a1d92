// A case file's text, any bytes: the reader (fromJson), the problem it states for the window
// (toProblem) and the request the command line builds from it (buildRequest) with its answer.
// Whatever comes in, they must end without a crash or a sanitizer report, a refusal always saying
// why; a case the reader accepts must read back the same from the text it is written as.

#include "casefile.h"
#include "report.h"
#include "request.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace nusselt::physics;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    CaseFileError fault;
    const std::optional<CaseFile> read = fromJson(text, fault);
    if (!read) {
        if (fault.message.empty())
            std::abort();
        return 0;
    }
    const std::string written = toJson(*read);
    std::string again;
    const std::optional<CaseFile> reread = fromJson(written, again);
    if (!reread || toJson(*reread) != written)
        std::abort();
    std::string error;
    if (!toProblem(*read, error) && error.empty())
        std::abort();
    nusselt::cli::Request request;
    if (const std::optional<nusselt::cli::Fault> refused = nusselt::cli::buildRequest(*read, request)) {
        if (refused->message.empty())
            std::abort();
        return 0;
    }
    nusselt::cli::Answer answer;
    nusselt::cli::answer(request, answer);
    std::string out;
    nusselt::cli::writeJson(out, request, answer);
    if (out.empty())
        std::abort();
    return 0;
}
