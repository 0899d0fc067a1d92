#include "fluidstore.h"

#include "files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace nusselt::physics {

namespace {

std::string variable(const char *name)
{
    const char *v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// A name that is a plain file name: no folder, not hidden, not empty.
bool plainName(std::string_view name)
{
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos
        && name.find('\0') == std::string_view::npos;
}

} // namespace

std::string keptFluidFolder()
{
    std::string base = variable("XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = variable("HOME");
        if (home.empty())
            return {};
        base = home + "/.local/share";
    }
    return base + "/nusselt-calculator/fluids";
}

std::vector<std::string> keptFluids()
{
    std::vector<std::string> names;
    const std::string folder = keptFluidFolder();
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        return names;
    for (const auto &entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string file = entry.path().filename().string();
        if (entry.is_regular_file(ec) && file.size() > 4 && file.compare(file.size() - 4, 4, ".csv") == 0
            && plainName(file))
            names.push_back(file.substr(0, file.size() - 4));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> keptFluidFile(std::string_view name)
{
    const std::string folder = keptFluidFolder();
    if (folder.empty() || !plainName(name))
        return std::nullopt;
    const std::string file = folder + "/" + std::string(name) + ".csv";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    return file;
}

bool looksLikeTableFile(std::string_view word)
{
    return word.find('/') != std::string_view::npos
        || (word.size() > 4 && word.substr(word.size() - 4) == ".csv");
}

std::optional<TableLookup> lookUpTable(std::string_view word, std::string &error)
{
    TableLookup found;
    if (const std::optional<std::string> kept = keptFluidFile(word)) {
        found.file = *kept;
        found.read = readPropertyTableFile(*kept);
        return found;
    }
    if (!looksLikeTableFile(word)) {
        error = "\"" + std::string(word) + "\" is not one of air, water, steam, sodium, nak, lead, lead-bismuth or "
                "custom, nor a kept fluid (a table file's path holds a '/' or ends in .csv)";
        return std::nullopt;
    }
    found.file = std::string(word);
    found.read = readPropertyTableFile(found.file);
    return found;
}

std::string keepFluid(const PropertyTable &table, std::string_view text)
{
    const std::string folder = keptFluidFolder();
    if (folder.empty())
        return "no data folder: neither XDG_DATA_HOME nor HOME is set";
    if (!plainName(table.name()))
        return "\"" + table.name() + "\" cannot name a file";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return folder + ": " + ec.message();
    ReplacingFile out(folder + "/" + table.name() + ".csv");
    if (!out.stream())
        return out.error();
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), out.stream()) != text.size())
        return "cannot write " + folder;
    if (!out.commit())
        return out.error();
    return {};
}

} // namespace nusselt::physics
