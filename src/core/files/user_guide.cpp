#include "files/user_guide.hpp"

#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace orve {

namespace {

constexpr const char* kGuideName = "user-guide.md";

std::vector<fs::path> guide_places() {
    std::vector<fs::path> places;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path folder = program.parent_path();
        places.push_back(folder / kGuideName);
        places.push_back(folder / ".." / "share" / "doc" / "orve" / kGuideName);
    }
#ifdef ORVE_SOURCE_USER_GUIDE
    places.emplace_back(ORVE_SOURCE_USER_GUIDE);
#endif
    return places;
}

} // namespace

std::optional<fs::path> find_user_guide() {
    for (const fs::path& place : guide_places()) {
        std::error_code error;
        if (fs::is_regular_file(place, error)) {
            return place.lexically_normal();
        }
    }
    return std::nullopt;
}

bool show_user_guide(AppState&, Dialogs& ui) {
    if (const auto guide = find_user_guide()) {
        ui.show_help(guide->string());
    }
    return true;
}

} // namespace orve
