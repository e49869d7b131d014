// Deleting a file the user picked. Only files are deleted: a folder given
// where a file is expected is refused, even an empty one.
#pragma once

#include <optional>
#include <string>

namespace orve {

// Deletes the file (a link is deleted, not what it points to). Returns nothing
// on success, else why it was not deleted, e.g. "No such file or directory" or
// "It is a folder".
std::optional<std::string> delete_file(const std::string& path);

// Deletes the file as delete_file does; on failure a sentence naming the file
// and the cause.
std::optional<std::string> remove_file(const std::string& path);

} // namespace orve
