// Reads the picture size from the header of a Windows bitmap file.
#pragma once

#include <filesystem>
#include <optional>

namespace orve::cli {

struct BmpSize {
    long width = 0;
    long height = 0;
    bool operator==(const BmpSize&) const = default;
};

// The size in pixels of a readable .bmp file; nothing when the file cannot be
// read or is not a bitmap with a known header.
std::optional<BmpSize> read_bmp_size(const std::filesystem::path& path);

} // namespace orve::cli
