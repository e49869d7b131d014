#include "chaining/media_display.hpp"

#include "chaining/media_checks.hpp"
#include "chaining/media_paths.hpp"

namespace orve {

namespace {

bool show_advice(Dialogs& ui, const std::filesystem::path& path) {
    const auto text = read_text_file(path);
    if (!text || text->empty()) {
        return false;
    }
    ui.show_headed_text("Advice file inspection", "Expert advice:", *text);
    return true;
}

bool show_picture(Dialogs& ui, const std::filesystem::path& path) {
    if (!is_readable_bmp(path)) {
        return false;
    }
    ui.show_picture("Graphics file inspection", path.string());
    return true;
}

bool play_sound(Dialogs& ui, const std::filesystem::path& path) {
    if (!is_wave_file(path)) {
        return false;
    }
    ui.play_sound(path.string());
    return true;
}

} // namespace

bool present_media(AppState& state, Dialogs& ui, BaseKind kind, const std::string& file) {
    const auto path = find_media_file(state, kind, file);
    if (!path) {
        return false;
    }
    switch (kind) {
    case BaseKind::Advice:
        return show_advice(ui, *path);
    case BaseKind::Graphics:
        return show_picture(ui, *path);
    case BaseKind::Sound:
        return play_sound(ui, *path);
    default:
        return false;
    }
}

} // namespace orve
