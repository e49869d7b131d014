#include "chaining/media_checks.hpp"

#include "kb/byte_order_mark.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace fs = std::filesystem;

namespace orve {

namespace {

// The file header (14 bytes) and the fields of the info header up to the
// compression field.
constexpr std::size_t kBmpHeader = 34;
// The old core header: 12 bytes, 16-bit width and height.
constexpr std::uint32_t kCoreHeader = 12;

// Reads up to N bytes of a picture or sound; the number read, 0 when the file
// is refused or unreadable. The file's size is stored in `size`.
template <std::size_t N>
std::size_t read_prefix(const fs::path& path, std::array<unsigned char, N>& bytes,
                        std::uint64_t& size) {
    const auto start = read_file_start(path.string(), N, kMaxMediaFileBytes);
    if (!start) {
        return 0;
    }
    std::copy(start->bytes.begin(), start->bytes.end(), bytes.begin());
    size = start->size;
    return start->bytes.size();
}

template <std::size_t N> std::uint32_t le32(const std::array<unsigned char, N>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

template <std::size_t N> std::uint32_t le16(const std::array<unsigned char, N>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

struct BmpGeometry {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
};

std::optional<BmpGeometry> bmp_geometry(const std::array<unsigned char, kBmpHeader>& b,
                                        std::size_t read) {
    const std::uint32_t info_size = le32(b, 14);
    if (info_size == kCoreHeader && read >= 26) {
        return BmpGeometry{le16(b, 18), le16(b, 20), le16(b, 22), le16(b, 24), 0};
    }
    if (info_size < 40 || info_size > 124 || read < kBmpHeader) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(le32(b, 18));
    const auto height = static_cast<std::int32_t>(le32(b, 22));
    if (width <= 0 || height == 0 || height == INT32_MIN) {
        return std::nullopt;
    }
    return BmpGeometry{static_cast<std::uint64_t>(width),
                       static_cast<std::uint64_t>(height < 0 ? -height : height), le16(b, 26),
                       le16(b, 28), le32(b, 30)};
}

// Uncompressed and bit-field pictures store full rows; compressed ones are
// only checked for a header that fits.
bool pixels_fit(const BmpGeometry& g, std::uint64_t offset, std::uint64_t file_size) {
    if (g.compression != 0 && g.compression != 3) {
        return offset < file_size;
    }
    const std::uint64_t row = (g.bits * g.width + 31) / 32 * 4;
    return offset <= file_size && g.height <= (file_size - offset) / row;
}

bool known_depth(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

bool is_readable_bmp(const fs::path& path) {
    std::uint64_t file_size = 0;
    std::array<unsigned char, kBmpHeader> b{};
    const std::size_t read = read_prefix(path, b, file_size);
    if (read < 18 || b[0] != 'B' || b[1] != 'M') {
        return false;
    }
    const auto geometry = bmp_geometry(b, read);
    const std::uint64_t offset = le32(b, 10);
    return geometry && geometry->width > 0 && geometry->height > 0 && geometry->planes == 1 &&
           known_depth(geometry->bits) && offset >= 14 + le32(b, 14) &&
           pixels_fit(*geometry, offset, file_size);
}

bool is_wave_file(const fs::path& path) {
    std::array<unsigned char, 12> b{};
    std::uint64_t size = 0;
    if (read_prefix(path, b, size) < b.size()) {
        return false;
    }
    const std::string bytes(b.begin(), b.end());
    return bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "WAVE") == 0;
}

FileText read_text_file(const fs::path& path) {
    FileText read = read_regular_file(path.string());
    if (!read.text) {
        return read;
    }
    strip_byte_order_mark(*read.text);
    const std::string* text = &*read.text;
    std::string plain;
    plain.reserve(text->size());
    for (std::size_t i = 0; i < text->size(); ++i) {
        if ((*text)[i] == '\r' && i + 1 < text->size() && (*text)[i + 1] == '\n') {
            continue;
        }
        plain += (*text)[i];
    }
    return {std::move(plain), ""};
}

} // namespace orve
