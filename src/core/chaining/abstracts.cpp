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
    // Abstracts written on other systems may differ in letter case. The file is
    // looked up in the abstracts folder only.
    const auto path = find_path_ignoring_case(platform_path(state.opis));
    if (!path) {
        return;
    }
    const FileText text = read_text_file(*path);
    if (!text.refusal.empty()) {
        ui.note("Attention error!", text.refusal);
    }
    if (!text.text) {
        return;
    }
    ui.show_headed_text("Abstract inspection",
                        "Inspecting the abstract " + to_upper_ascii(path->stem().string()),
                        *text.text);
}

} // namespace orve
