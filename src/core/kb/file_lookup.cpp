#include "kb/file_lookup.hpp"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace orve {

std::string to_upper_ascii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

bool stays_in_folder(const std::string& name) {
    return name.find_first_of("/\\") == std::string::npos && name != "." && name != "..";
}

std::optional<fs::path> find_file_ignoring_case(const fs::path& folder, const std::string& name) {
    if (!stays_in_folder(name)) {
        return std::nullopt;
    }
    std::error_code error;
    const fs::path exact = folder / name;
    if (fs::is_regular_file(exact, error)) {
        return exact;
    }
    const std::string wanted = to_upper_ascii(name);
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        // A broken link among the files must not end the scan.
        std::error_code type_error;
        if (it->is_regular_file(type_error) &&
            to_upper_ascii(it->path().filename().string()) == wanted) {
            if (found) {
                return std::nullopt; // ambiguous: more than one candidate
            }
            found = it->path();
        }
    }
    return found;
}

bool folder_has_file_with_extension(const fs::path& folder, const std::string& extension) {
    std::error_code error;
    const std::string wanted = to_upper_ascii(extension);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        // A broken link among the files must not end the scan.
        std::error_code type_error;
        if (it->is_regular_file(type_error) &&
            to_upper_ascii(it->path().extension().string()) == wanted) {
            return true;
        }
    }
    return false;
}

fs::path platform_path(const std::string& windows_path) {
    std::string converted = windows_path;
    std::replace(converted.begin(), converted.end(), '\\', '/');
    return fs::path(converted);
}

} // namespace orve
