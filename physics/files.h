#pragma once

// Files the program writes whole or not at all, and files it reads within a bound of memory.

#include <cstdio>
#include <string>

namespace nusselt {

// Whether path names the file open as `open` (the same device and inode: through a symbolic or
// a hard link too). Only regular files count: a device such as /dev/null is no file to lose.
bool isSameFile(std::FILE *open, const std::string &path);

// Writes a file beside its target, under a unique name in the same folder with the mode the
// target would get, and renames it over the target only in commit(): until then, and whenever
// anything fails, the target keeps what it had and the temporary file is removed. A target that
// is a symbolic link keeps the link: the file it points to is replaced. A target that exists but
// is not a regular file (a device, a fifo) is written in place.
class ReplacingFile
{
public:
    explicit ReplacingFile(const std::string &target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Where to write; null when the file could not be created (error() says why).
    std::FILE *stream() const { return file; }
    // Flushes, closes and renames; false when any of it failed (the target then untouched).
    bool commit();
    const std::string &error() const { return why; }

private:
    std::string target;    // the file finally written (a symbolic link resolved)
    std::string temporary; // empty when writing in place
    std::FILE *file = nullptr;
    std::string why;
};

// Reads the regular file at path whole into text when it holds at most limit bytes, never
// reading more than limit + 1 (a file that grows while read included). Unreadable: it cannot be
// opened or read; Refused: it is not a regular file (a folder, a device, a fifo) or too large.
// Either way error says why, after the path.
enum class BoundedRead { Read, Unreadable, Refused };
BoundedRead readBoundedFile(const std::string &path, std::size_t limit, std::string &text,
                            std::string &error);

} // namespace nusselt
