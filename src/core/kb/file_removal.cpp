#include "kb/file_removal.hpp"

#include <cerrno>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace orve {

std::optional<std::string> remove_file(const std::string& path) {
    struct stat info {};
    // unlink() would refuse a folder too, but with a less telling reason.
    if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return "Cannot delete file " + path + ": it is a folder.";
    }
    if (::unlink(path.c_str()) != 0) {
        const int error = errno == 0 ? EIO : errno;
        return "Cannot delete file " + path + ": " + std::generic_category().message(error) + ".";
    }
    return std::nullopt;
}

} // namespace orve
