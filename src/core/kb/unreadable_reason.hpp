// Why a file could not be read, for the notes that refuse it.
#pragma once

#include <string>

namespace orve {

// A short reason, e.g. "No such file or directory" or "It is a folder", for a
// file that read_whole_file could not read.
std::string unreadable_reason(const std::string& path);

} // namespace orve
