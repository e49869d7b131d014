#include "bmp_info.hpp"

#include "kb/file_access.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orve::cli {

namespace {

// File header (14 bytes) plus the first 12 bytes of the info header are enough
// for every header version.
constexpr std::size_t kHeaderBytes = 26;

std::uint32_t le32(const std::array<unsigned char, kHeaderBytes>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t le16(const std::array<unsigned char, kHeaderBytes>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Two's-complement reading of a little-endian signed 32-bit field.
long signed32(std::uint32_t value) {
    return value >= 0x80000000U ? static_cast<long>(value) - 0x100000000L
                                : static_cast<long>(value);
}

} // namespace

std::optional<BmpSize> read_bmp_size(const std::filesystem::path& path) {
    // Only a regular file is opened: a FIFO or a device here would never end.
    const auto start = read_file_start(path.string(), kHeaderBytes, kMaxMediaFileBytes);
    if (!start || start->bytes.size() < kHeaderBytes) {
        return std::nullopt;
    }
    std::array<unsigned char, kHeaderBytes> bytes{};
    std::copy(start->bytes.begin(), start->bytes.end(), bytes.begin());
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t info_size = le32(bytes, 14);
    BmpSize size;
    if (info_size == 12) { // the old core header: unsigned 16-bit width and height
        size = {le16(bytes, 18), le16(bytes, 20)};
    } else if (info_size >= 40 && info_size <= 124) {
        size = {signed32(le32(bytes, 18)), signed32(le32(bytes, 22))};
        if (size.height < 0) { // a top-down bitmap
            size.height = -size.height;
        }
    } else {
        return std::nullopt;
    }
    if (size.width <= 0 || size.height <= 0) {
        return std::nullopt;
    }
    return size;
}

} // namespace orve::cli
