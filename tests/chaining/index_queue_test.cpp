// The agenda's queue of rule positions against an ordered set doing the same.
#include "chaining/index_queue.hpp"

#include <random>
#include <set>

namespace orve::test {
namespace {

std::size_t next_in(const std::set<std::size_t>& set, std::size_t from) {
    const auto found = set.lower_bound(from);
    return found == set.end() ? IndexQueue::none : *found;
}

TEST(IndexQueue, FindsTheNextMemberAsAnOrderedSetDoes) {
    // Sizes on both sides of a word (64) and of a summary word (4,096 positions).
    for (const std::size_t size : {1UL, 63UL, 64UL, 65UL, 4095UL, 4096UL, 4097UL, 9000UL}) {
        SCOPED_TRACE("size " + std::to_string(size));
        std::mt19937 random(static_cast<unsigned>(size));
        std::uniform_int_distribution<std::size_t> position(0, size - 1);
        IndexQueue queue;
        queue.fill(size);
        std::set<std::size_t> expected;
        for (std::size_t i = 0; i < size; ++i) {
            expected.insert(i);
        }
        for (int step = 0; step < 20000; ++step) {
            const std::size_t at = position(random);
            // Mostly removals, so that long empty stretches appear.
            if (step % 5 == 0) {
                queue.insert(at);
                expected.insert(at);
            } else {
                queue.erase(at);
                expected.erase(at);
            }
            const std::size_t from = step % 7 == 0 ? 0 : position(random);
            ASSERT_EQ(queue.next_from(from), next_in(expected, from)) << "from " << from;
        }
        ASSERT_EQ(queue.next_from(size), IndexQueue::none);
    }
}

TEST(IndexQueue, AnEmptyTableHasNoMembers) {
    IndexQueue queue;
    queue.fill(0);
    EXPECT_EQ(queue.next_from(0), IndexQueue::none);
}

} // namespace
} // namespace orve::test
