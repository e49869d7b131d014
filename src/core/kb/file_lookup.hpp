// File look-ups that tolerate the letter-case differences of knowledge bases
// written on case-insensitive systems.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orve {

// False for a name that would leave its folder or name the folder itself: one
// with a slash or a backslash in it, and "." or "..".
bool stays_in_folder(const std::string& name);

// The regular file `name` in `folder`: under its exact name when it exists,
// otherwise the single file of the folder whose name matches ignoring case.
// Nothing for a name that does not stay in the folder.
std::optional<std::filesystem::path> find_file_ignoring_case(const std::filesystem::path& folder,
                                                             const std::string& name);

// True when `folder` holds a regular file whose extension equals `extension`
// (e.g. ".HLP") ignoring case.
bool folder_has_file_with_extension(const std::filesystem::path& folder,
                                    const std::string& extension);

// Byte-wise ASCII upper case.
std::string to_upper_ascii(std::string text);

// A Windows-style relative path ("..\ADVICES\boiler\") with the platform's
// separators.
std::filesystem::path platform_path(const std::string& windows_path);

} // namespace orve
