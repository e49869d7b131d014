#include "chaining/media_paths.hpp"

#include "kb/base_kinds.hpp"
#include "kb/file_lookup.hpp"
#include "kb/media_bases.hpp"
#include "verify/structural_checks.hpp"

#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace orve {

namespace {

// The single sub-folder of `folder` named `name` ignoring case.
std::optional<fs::path> find_folder_ignoring_case(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::is_directory(folder / name, error)) {
        return folder / name;
    }
    const fs::path scanned = folder.empty() ? fs::path(".") : folder;
    const std::string wanted = to_upper_ascii(name);
    std::optional<fs::path> found;
    for (fs::directory_iterator it(scanned, error), end; !error && it != end; it.increment(error)) {
        std::error_code type_error; // a broken link must not end the scan
        if (it->is_directory(type_error) &&
            to_upper_ascii(it->path().filename().string()) == wanted) {
            if (found) {
                return std::nullopt; // ambiguous
            }
            found = folder / it->path().filename();
        }
    }
    return found;
}

// The knowledge-base name used in media paths.
std::string media_kb_name(const AppState& state, const MediaBase& own) {
    if (!state.wyroznik.empty()) {
        return state.wyroznik;
    }
    if (state.kb.advice.name) {
        return knowledge_base_name_of(state.kb.advice.name->name);
    }
    return own.name ? knowledge_base_name_of(own.name->name) : std::string();
}

} // namespace

std::optional<fs::path> find_path_ignoring_case(const fs::path& path) {
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
        return path;
    }
    const std::vector<fs::path> parts(path.begin(), path.end());
    if (parts.empty()) {
        return std::nullopt;
    }
    fs::path resolved;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string part = parts[i].string();
        if (part == "." || part == ".." || parts[i].has_root_path() || part.empty()) {
            resolved /= parts[i];
            continue;
        }
        const auto folder = find_folder_ignoring_case(resolved, part);
        if (!folder) {
            return std::nullopt;
        }
        resolved = *folder;
    }
    return find_file_ignoring_case(resolved.empty() ? fs::path(".") : resolved,
                                   parts.back().string());
}

std::string form_media_folder(AppState& state, BaseKind kind) {
    MediaBase& base = media_base(state.kb, kind);
    base.folder = (media_root(kind) / media_kb_name(state, base)).string();
    return base.folder;
}

std::optional<fs::path> find_media_file(AppState& state, BaseKind kind, const std::string& file) {
    const fs::path folder(form_media_folder(state, kind));
    if (!stays_in_folder(file)) {
        return std::nullopt;
    }
    std::vector<std::string> names{file};
    if (kind == BaseKind::Graphics) {
        names.push_back(file + ".bmp");
    } else if (kind == BaseKind::Sound) {
        names.push_back(file + ".wav");
    }
    for (const auto& name : names) {
        if (auto found = find_path_ignoring_case(folder / name)) {
            return found;
        }
    }
    return std::nullopt;
}

} // namespace orve
