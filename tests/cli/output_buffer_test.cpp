// The terminal's gathered output: every length of text copied whole, in order,
// across the growth of the buffer.
#include "output_buffer.hpp"

#include <string>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

TEST(OutputBuffer, KeepsEveryTextWholeAndInOrderAsItGrows) {
    OutputBuffer buffer;
    std::string expected;
    for (int round = 0; round < 2; ++round) {
        for (std::size_t size = 0; size <= 40; ++size) {
            std::string text;
            for (std::size_t i = 0; i < size; ++i) {
                text += static_cast<char>('a' + (size + i) % 26);
            }
            buffer.append(text);
            buffer.append('|');
            expected += text + '|';
        }
        const std::string large(5000, 'x'); // beyond the first room
        buffer.append(large);
        expected += large;
        ASSERT_EQ(std::string(buffer.data(), buffer.size()), expected);
        buffer.clear(); // the room stays for the next round
        expected.clear();
        EXPECT_TRUE(buffer.empty());
    }
}

} // namespace
} // namespace orve::cli
