// Checks that a media file holds what its kind promises, so that a broken file
// is passed over instead of reaching a viewer or a player.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orve {

// True for a Windows bitmap whose headers are complete and whose pixel data
// fits in the file.
bool is_readable_bmp(const std::filesystem::path& path);

// True for a RIFF file of the WAVE form.
bool is_wave_file(const std::filesystem::path& path);

// The text of an advice or abstract file with Windows line ends made plain;
// nothing when it cannot be read.
std::optional<std::string> read_text_file(const std::filesystem::path& path);

} // namespace orve
