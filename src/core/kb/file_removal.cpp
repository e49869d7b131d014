#include "kb/file_removal.hpp"

#include <cerrno>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace orve {

namespace {

std::string cause_of(int error) {
    return std::generic_category().message(error == 0 ? EIO : error);
}

} // namespace

std::optional<std::string> delete_file(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return cause_of(errno);
    }
    // unlink refuses folders too, but with a code whose text varies by system.
    if (S_ISDIR(info.st_mode)) {
        return "It is a folder";
    }
    if (::unlink(path.c_str()) != 0) {
        return cause_of(errno);
    }
    return std::nullopt;
}

std::optional<std::string> remove_file(const std::string& path) {
    const auto cause = delete_file(path);
    if (!cause) {
        return std::nullopt;
    }
    return "Cannot delete file " + path + ": " +
           (*cause == "It is a folder" ? "it is a folder" : *cause) + ".";
}

} // namespace orve
