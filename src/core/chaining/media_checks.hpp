// Checks that a media file holds what its kind promises, so that a broken file
// is passed over instead of reaching a viewer or a player.
#pragma once

#include "kb/file_access.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace orve {

// True for a Windows bitmap whose headers are complete and whose pixel data
// fits in the file; false for anything but a regular file of at most
// kMaxMediaFileBytes.
bool is_readable_bmp(const std::filesystem::path& path);

// True for a RIFF file of the WAVE form, within the same limits.
bool is_wave_file(const std::filesystem::path& path);

// The text of an advice or abstract file with Windows line ends made plain,
// read as read_regular_file does.
FileText read_text_file(const std::filesystem::path& path);

} // namespace orve
