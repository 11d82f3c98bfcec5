#include "filebytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows.
constexpr int maxLinkHops = 40;

std::string systemError(const std::string &what)
{
    return what + ": " + std::strerror(errno);
}

// Closes a file descriptor when it goes out of scope.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Answers false when closing reports an error (a write that did not reach the disk).
    bool close()
    {
        if (m_fd < 0)
            return true;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return false;
        written += static_cast<std::size_t>(result);
    }
    return true;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string readFileBytes(const std::filesystem::path &path, std::vector<std::uint8_t> &bytes)
{
    bytes.clear();
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        return systemError("cannot open " + path.string());
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0)
        return systemError("cannot examine " + path.string());
    if (!S_ISREG(status.st_mode))
        return "not a regular file: " + path.string();
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t read = 0;
    while (read < bytes.size()) {
        const ssize_t result = ::read(file.get(), bytes.data() + read, bytes.size() - read);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return systemError("cannot read " + path.string());
        if (result == 0)
            break;
        read += static_cast<std::size_t>(result);
    }
    bytes.resize(read);
    return {};
}

std::string writeFileAtomically(const std::filesystem::path &path,
                                std::span<const std::uint8_t> bytes)
{
    // A symbolic link is followed to the file it names, whether that exists or not (a
    // dangling link gets its file), so the link stays a link either way.
    std::error_code error;
    std::filesystem::path target = path;
    for (int hops = 0; std::filesystem::is_symlink(target, error); ++hops) {
        if (hops == maxLinkHops)
            return "cannot write " + path.string() + ": too many levels of symbolic links";
        const std::filesystem::path link = std::filesystem::read_symlink(target, error);
        if (error)
            return "cannot write " + path.string() + ": " + error.message();
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    const std::filesystem::path folder
        = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.valid())
        return systemError("cannot create a temporary file in " + folder.string());

    struct stat existing = {};
    const mode_t mode
        = ::stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : newFileMode();
    std::string failure;
    if (!writeAll(file.get(), bytes))
        failure = systemError("cannot write " + temporary);
    else if (::fchmod(file.get(), mode) != 0)
        failure = systemError("cannot set the permissions of " + temporary);
    else if (::fsync(file.get()) != 0)
        failure = systemError("cannot write " + temporary);
    else if (!file.close())
        failure = systemError("cannot write " + temporary);
    else if (::rename(temporary.c_str(), target.c_str()) != 0)
        failure = systemError("cannot replace " + target.string());
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        return failure;
    }
    // Make the rename itself durable.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid())
        ::fsync(directory.get());
    return {};
}
