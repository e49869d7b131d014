#include "kb/unreadable_reason.hpp"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orve {

std::string unreadable_reason(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) {
        return error.message();
    }
    if (fs::is_directory(status)) {
        return "It is a folder";
    }
    if (!fs::is_regular_file(status)) {
        return "It is not a regular file";
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::generic_category().message(errno == 0 ? EIO : errno);
    }
    std::fclose(file);
    return "Reading it failed";
}

} // namespace orve
