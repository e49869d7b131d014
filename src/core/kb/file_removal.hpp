// Deleting a file a user names.
#pragma once

#include <optional>
#include <string>

namespace orve {

// Deletes the file `path` (a link is deleted, not what it points to). A folder
// is never deleted. Returns a sentence naming the file and the cause on failure.
std::optional<std::string> remove_file(const std::string& path);

} // namespace orve
