#include "files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nusselt {
namespace {

std::string reason(const std::string &path, const char *what)
{
    return path + ": " + what;
}

} // namespace

bool isSameFile(std::FILE *open, const std::string &path)
{
    struct stat a {};
    struct stat b {};
    return open && fstat(fileno(open), &a) == 0 && stat(path.c_str(), &b) == 0 && S_ISREG(a.st_mode) &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

ReplacingFile::ReplacingFile(const std::string &path) : target(path)
{
    struct stat st {};
    const bool exists = stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        if (!(file = std::fopen(path.c_str(), "wb")))
            why = reason(path, "cannot open");
        return;
    }
    if (exists) {
        char real[PATH_MAX];
        if (realpath(path.c_str(), real))
            target = real;
    }
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    temporary = folder + "." + name + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        why = reason(path, "cannot create");
        temporary.clear();
        return;
    }
    mode_t mode = st.st_mode & 07777;
    if (!exists) {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(fd, mode) != 0 || !(file = fdopen(fd, "wb"))) {
        why = reason(path, "cannot create");
        close(fd);
        unlink(temporary.c_str());
        temporary.clear();
    }
}

ReplacingFile::~ReplacingFile()
{
    if (file)
        std::fclose(file);
    if (!temporary.empty())
        unlink(temporary.c_str());
}

bool ReplacingFile::commit()
{
    if (!file)
        return false;
    const bool written = std::fflush(file) == 0 && !std::ferror(file) &&
                         (temporary.empty() || fsync(fileno(file)) == 0);
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (!written || !closed) {
        why = reason(target, "cannot write");
        return false;
    }
    if (!temporary.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) {
        why = reason(target, "cannot replace");
        return false;
    }
    temporary.clear();
    return true;
}

BoundedRead readBoundedFile(const std::string &path, std::size_t limit, std::string &text,
                            std::string &error)
{
    text.clear();
    // Not blocking: a fifo with no writer must not hold the program before it is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = reason(path, "cannot read");
        return BoundedRead::Unreadable;
    }
    const std::string tooLarge = path + ": larger than " + std::to_string(limit) + " bytes";
    struct stat st {};
    BoundedRead result = BoundedRead::Read;
    if (fstat(fd, &st) != 0) {
        error = reason(path, "cannot read");
        result = BoundedRead::Unreadable;
    } else if (!S_ISREG(st.st_mode)) {
        error = path + ": not a regular file";
        result = BoundedRead::Refused;
    } else if (static_cast<unsigned long long>(st.st_size) > limit) {
        error = tooLarge;
        result = BoundedRead::Refused;
    } else {
        text.resize(limit + 1);
        std::size_t got = 0;
        while (got < text.size()) {
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n < 0) {
                    error = reason(path, "cannot read");
                    result = BoundedRead::Unreadable;
                }
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        text.resize(got);
        if (result == BoundedRead::Read && got > limit) {
            error = tooLarge;
            result = BoundedRead::Refused;
        }
    }
    close(fd);
    if (result != BoundedRead::Read)
        text.clear();
    return result;
}

} // namespace nusselt
