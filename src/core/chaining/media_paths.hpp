// Where the media files of a knowledge base are found: the media folders named
// after the knowledge base and the look-up of a media file in them.
#pragma once

#include "state/app_state.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace orve {

// The path itself when a file exists there; otherwise the path whose folders
// and file name each match the given ones ignoring case (one candidate each).
std::optional<std::filesystem::path> find_path_ignoring_case(const std::filesystem::path& path);

// The media folder of the knowledge base ("../ADVICES/boiler"), recorded as
// the base's folder. The knowledge-base name falls back to the one of the
// Advice Base file (and then of the base itself) when none is recorded.
std::string form_media_folder(AppState& state, BaseKind kind);

// The media file named in a clause: folder + name as written, for pictures and
// sounds then the name with ".bmp" / ".wav" appended; the first that exists.
// Only files of the media folder itself are found: nothing for a name with a
// folder in it (see stays_in_folder).
std::optional<std::filesystem::path> find_media_file(AppState& state, BaseKind kind,
                                                     const std::string& file);

} // namespace orve
