// Writing the saved game so that a failure or a crash never leaves a damaged file behind.
#include "savegame/file_ops.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SystemFileOps : public FileOps {
public:
    int createUnique(std::string& pathTemplate, int& fd) override
    {
        fd = ::mkstemp(pathTemplate.data());
        if (fd < 0)
            return errno;
        // Same permissions as a file the game would create directly.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return 0;
    }
    int write(int fd, const char* data, std::size_t size) override
    {
        while (size > 0) {
            const ssize_t n = ::write(fd, data, size);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return 0;
    }
    int sync(int fd) override { return ::fsync(fd) == 0 ? 0 : errno; }
    int close(int fd) override { return ::close(fd) == 0 ? 0 : errno; }
    int rename(const std::string& from, const std::string& to) override
    {
        return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    }
    int syncFolder(const std::string& folder) override
    {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return errno;
        const int result = ::fsync(fd) == 0 ? 0 : errno;
        ::close(fd);
        return result;
    }
    void remove(const std::string& path) override { ::unlink(path.c_str()); }
};

}  // namespace

FileOps& systemFileOps()
{
    static SystemFileOps ops;
    return ops;
}

int writeLinesAtomically(const std::string& path, const std::string (&lines)[3], FileOps& ops)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));

    std::string temporary = path + ".XXXXXX";
    int fd = -1;
    if (const int error = ops.createUnique(temporary, fd))
        return error;

    int error = 0;
    for (const std::string& line : lines) {
        const std::string bytes = line + "\r\n";
        if ((error = ops.write(fd, bytes.data(), bytes.size())))
            break;
    }
    if (!error)
        error = ops.sync(fd);
    const int closeError = ops.close(fd);
    if (!error)
        error = closeError;
    if (!error)
        error = ops.rename(temporary, path);
    if (error) {
        ops.remove(temporary);
        return error;
    }
    // The rename is done; a failed flush of the folder only weakens it against a power cut.
    ops.syncFolder(folder);
    return 0;
}
