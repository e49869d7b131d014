// The abstract dialogue shown before a chaining run.
#include "chaining/abstracts.hpp"

#include "chaining/media_checks.hpp"
#include "chaining/media_paths.hpp"
#include "kb/file_lookup.hpp"

namespace orve {

void czytaj_opis(AppState& state, Dialogs& ui) {
    if (state.opis.empty()) {
        return;
    }
    // Abstracts written on other systems may differ in letter case.
    const auto path = find_path_ignoring_case(platform_path(state.opis));
    if (!path) {
        return;
    }
    const auto text = read_text_file(*path);
    if (!text) {
        return;
    }
    ui.show_headed_text("Abstract inspection",
                        "Inspecting the abstract " + to_upper_ascii(path->stem().string()), *text);
}

} // namespace orve
