// Reading and writing the files a user names: bases, reports, summaries,
// abstracts, askables and media. Files come from anyone, so only regular files
// of bounded size are read, and a file is replaced only once its new contents
// are safely on disk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orve {

// The largest base, report, summary, abstract or advice text that is read.
inline constexpr std::uint64_t kMaxTextFileBytes = 64ULL << 20;

// The largest picture or sound that is offered to a viewer or a player.
inline constexpr std::uint64_t kMaxMediaFileBytes = 256ULL << 20;

// The contents of a file, or why it was not read.
struct FileText {
    std::optional<std::string> text; // the whole file when it was read
    // Set when the file was refused for its type or size: a sentence naming the
    // file and the reason. Empty when the file was read, or could not be
    // opened or read (missing, no permission).
    std::string refusal;
};

// Reads a whole regular file (a link to one is followed) of at most `limit`
// bytes. Folders, devices, FIFOs and sockets are refused without being read
// or waited on, and so are larger files.
FileText read_regular_file(const std::string& path, std::uint64_t limit = kMaxTextFileBytes);

// Why read_regular_file would refuse the file (a sentence naming it), or empty
// when it would not (or the file is missing).
std::string file_refusal(const std::string& path, std::uint64_t limit);

// Reads a whole file as read_regular_file does; nothing when it is not read.
std::optional<std::string> read_whole_file(const std::string& path);

// The first bytes (at most `count`) of a regular file of at most `limit` bytes
// and the file's size; nothing when the file is refused or unreadable.
struct FileStart {
    std::string bytes;
    std::uint64_t size = 0;
};
std::optional<FileStart> read_file_start(const std::string& path, std::size_t count,
                                         std::uint64_t limit);

// Writes a file through a temporary file in the same folder, synced to disk and
// renamed over the target, so that a failure leaves the old file (if any) as it
// was and no half-written file. Returns an error text on failure.
std::optional<std::string> write_file_atomically(const std::string& path,
                                                 const std::string& contents);

// Writes all of `contents` to the open descriptor, retrying short and
// interrupted writes: 0 when every byte was written, otherwise the errno.
int write_all(int fd, const std::string& contents);

} // namespace orve
