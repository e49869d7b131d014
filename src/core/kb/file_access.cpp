#include "kb/file_access.hpp"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orve {

namespace {

// A file descriptor closed when it goes.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    int get() const { return fd_; }

  private:
    int fd_ = -1;
};

std::string not_regular(const std::string& path) {
    return "The file " + path + " is not a regular file and cannot be read.";
}

std::string too_large(const std::string& path, std::uint64_t limit) {
    return "The file " + path + " is larger than " + std::to_string(limit >> 20) +
           " MB and cannot be read.";
}

// Why a file of this status is refused; empty when it may be read.
std::string refusal_of(const struct stat& info, const std::string& path, std::uint64_t limit) {
    if (S_ISDIR(info.st_mode)) {
        return "The file " + path + " is a folder and cannot be read.";
    }
    if (!S_ISREG(info.st_mode)) {
        return not_regular(path);
    }
    return static_cast<std::uint64_t>(info.st_size) > limit ? too_large(path, limit) : "";
}

struct Opened {
    Descriptor fd;
    std::string refusal;
    std::uint64_t size = 0; // when opened
};

// Opens a regular file of at most `limit` bytes for reading. The type is looked
// at before opening, and the open does not wait should the name meanwhile have
// become a FIFO; the opened file is checked again.
Opened open_regular(const std::string& path, std::uint64_t limit) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    if (std::string refusal = refusal_of(info, path, limit); !refusal.empty()) {
        return {Descriptor(), refusal};
    }
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        return {};
    }
    if (std::string refusal = refusal_of(info, path, limit); !refusal.empty()) {
        return {Descriptor(), refusal};
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return {};
    }
    return {std::move(fd), "", static_cast<std::uint64_t>(info.st_size)};
}

// Appends up to `count` bytes; false on a read error.
bool read_up_to(int fd, std::size_t count, std::string& out) {
    char buffer[1 << 16];
    while (count > 0) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, count));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        out.append(buffer, static_cast<std::size_t>(n));
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string write_error(const std::string& path, int error) {
    return "Cannot write file " + path + ": " +
           std::generic_category().message(error == 0 ? EIO : error);
}

// The permissions of a new file: those of the file it replaces, else the
// default ones of the process.
mode_t permissions_for(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        return info.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes, syncs and closes the temporary file; 0 or the errno of the first failure.
int fill_temporary(int fd, const std::string& contents, mode_t mode) {
    int error = write_all(fd, contents);
    if (error == 0 && ::fchmod(fd, mode) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

// Makes a rename durable; a failure here loses nothing already visible.
void sync_folder(const std::string& folder) {
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        ::fsync(fd.get());
    }
}

} // namespace

FileText read_regular_file(const std::string& path, std::uint64_t limit) {
    Opened opened = open_regular(path, limit);
    if (opened.fd.get() < 0) {
        return {std::nullopt, opened.refusal};
    }
    std::string text;
    // Sized once from the file's size, so a large base is not copied while it grows.
    text.reserve(static_cast<std::size_t>(std::min(opened.size, limit)) + 1);
    // One byte more than allowed tells a file that grew past the limit.
    if (!read_up_to(opened.fd.get(), static_cast<std::size_t>(limit) + 1, text)) {
        return {};
    }
    if (text.size() > limit) {
        return {std::nullopt, too_large(path, limit)};
    }
    return {std::move(text), ""};
}

std::string file_refusal(const std::string& path, std::uint64_t limit) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? refusal_of(info, path, limit) : "";
}

std::optional<std::string> read_whole_file(const std::string& path) {
    return read_regular_file(path).text;
}

std::optional<FileStart> read_file_start(const std::string& path, std::size_t count,
                                         std::uint64_t limit) {
    Opened opened = open_regular(path, limit);
    struct stat info {};
    if (opened.fd.get() < 0 || ::fstat(opened.fd.get(), &info) != 0) {
        return std::nullopt;
    }
    FileStart start;
    start.size = static_cast<std::uint64_t>(info.st_size);
    if (!read_up_to(opened.fd.get(), count, start.bytes)) {
        return std::nullopt;
    }
    return start;
}

std::optional<std::string> write_file_atomically(const std::string& path,
                                                 const std::string& contents) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    // A short name, so that a target name of the longest allowed length still fits.
    std::string temp = folder + "/.orve-XXXXXX";
    const mode_t mode = permissions_for(path);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return write_error(path, errno);
    }
    int error = fill_temporary(fd, contents, mode);
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp.c_str());
        return write_error(path, error);
    }
    sync_folder(folder);
    return std::nullopt;
}

int write_all(int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace orve
