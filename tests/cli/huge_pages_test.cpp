// Large blocks are advised onto huge pages: the whole huge pages inside a
// block, never an address outside it.
#include "huge_pages.hpp"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/mman.h>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

TEST(HugePages, OnlyWholePagesInsideTheBlock) {
    constexpr std::uintptr_t page = kHugePage;
    constexpr std::uintptr_t base = 64 * page;
    struct Case {
        std::uintptr_t block;
        std::size_t size;
        std::uintptr_t begin; // equal to end: none
        std::uintptr_t end;
    };
    const Case cases[] = {
        {base, page, base, base + page},                                    // exactly one page
        {base + 1, 4 * page, base + page, base + 4 * page},                 // starts inside a page
        {base, 3 * page - 1, base, base + 2 * page},                        // ends inside a page
        {base + 1, 2 * page - 2, base + 1, base + 1},                       // no whole page
        {base, page - 1, base, base},                                       // smaller than a page
        {UINTPTR_MAX - page, page, UINTPTR_MAX - page, UINTPTR_MAX - page}, // at the top
    };
    for (const auto& c : cases) {
        const AddressRange pages = whole_huge_pages(c.block, c.size);
        EXPECT_EQ(pages.begin, c.begin) << c.block << " " << c.size;
        EXPECT_EQ(pages.end, c.end) << c.block << " " << c.size;
    }
}

// The flags of the mapping that holds `address`, from /proc/self/smaps.
std::string mapping_flags(std::uintptr_t address) {
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t from = 0;
        std::uintptr_t to = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> from >> dash >> to && dash == '-') {
            inside = from <= address && address < to;
        } else if (inside && line.rfind("VmFlags:", 0) == 0) {
            return line;
        }
    }
    return "";
}

TEST(HugePages, TheSystemIsAskedForTheWholePagesOfABlock) {
    if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage/enabled")) {
        GTEST_SKIP() << "no transparent huge pages on this system";
    }
    const std::size_t size = 4 * kHugePage;
    void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(block, MAP_FAILED);
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    advise_huge_pages(block, size);
    const AddressRange pages = whole_huge_pages(start, size);
    ASSERT_NE(pages.begin, pages.end);
    EXPECT_NE(mapping_flags(pages.begin).find(" hg"), std::string::npos);
    if (pages.begin != start) {
        EXPECT_EQ(mapping_flags(start).find(" hg"), std::string::npos) << "outside the pages";
    }
    munmap(block, size);
}

} // namespace
} // namespace orve::cli
