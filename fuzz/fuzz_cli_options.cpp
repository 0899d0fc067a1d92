// The option parsing of `nusselt calculate` and `nusselt properties` on any argument list: the
// input is split at NUL bytes into arguments after the program name. Whatever comes in, the
// program must end with exit 0, 1 or 2 and no crash or sanitizer report. Lists that would read
// files or standard input (batch, --case) are left out: they are the CSV target's business.

#include "command.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> words{"nusselt"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    if (words.size() > 64)
        return 0;
    std::vector<const char *> argv;
    for (const std::string &w : words) {
        if (w.find("batch") != std::string::npos || w.find("case") != std::string::npos)
            return 0;
        argv.push_back(w.c_str());
    }
    const int code = nusselt::cli::run(static_cast<int>(argv.size()), argv.data());
    if (code < 0 || code > 2)
        std::abort();
    return 0;
}
