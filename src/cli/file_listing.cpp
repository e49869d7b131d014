#include "file_listing.hpp"

#include "answer_parsing.hpp"

#include <algorithm>
#include <filesystem>

namespace orve::cli {

namespace {

bool matches_from(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) {
        return name.empty();
    }
    if (pattern.front() == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (matches_from(name.substr(skip), pattern.substr(1))) {
                return true;
            }
        }
        return false;
    }
    if (name.empty() || (pattern.front() != '?' && pattern.front() != name.front())) {
        return false;
    }
    return matches_from(name.substr(1), pattern.substr(1));
}

} // namespace

bool matches_mask(std::string_view name, std::string_view pattern) {
    return matches_from(to_lower(name), to_lower(pattern));
}

std::vector<std::string> list_matching_files(const std::string& mask) {
    std::string portable = mask;
    std::replace(portable.begin(), portable.end(), '\\', '/');
    const std::filesystem::path mask_path(portable);
    const std::filesystem::path folder =
        mask_path.has_parent_path() ? mask_path.parent_path() : std::filesystem::path(".");
    const std::string pattern = mask_path.filename().string();

    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code type_error;
        if (entry->is_regular_file(type_error) && matches_mask(name, pattern)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace orve::cli
