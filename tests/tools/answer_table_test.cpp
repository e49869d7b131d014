// Reading the answers of a consultation without dialogue.
#include "tools/answer_table.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

struct LineCase {
    std::string line;
    std::string name;
    std::string value;
};

TEST(AnswerFile, ReadsNamesAndValuesAsWritten) {
    const std::vector<LineCase> cases{
        {"fuse is blown = yes", "fuse is blown", "yes"},
        {"  fuse is blown=NO  ", "fuse is blown", "NO"},
        {"flow temperature = 40 # measured", "flow temperature", "40"},
        {"x = 1 = yes", "x = 1", "yes"},               // a name may hold '='
        {"valve #2 open = no", "valve #2 open", "no"}, // and '#'
        {"pressure = 2,5", "pressure", "2,5"},
    };
    for (const auto& c : cases) {
        const AnswerFileResult read = read_answers("# answers\n\n" + c.line + "\n");
        ASSERT_TRUE(read.table) << c.line << ": " << read.fault;
        ASSERT_EQ(read.table->names(), std::vector<std::string>{c.name}) << c.line;
        EXPECT_EQ(*read.table->find(c.name), c.value) << c.line;
    }
}

TEST(AnswerFile, NamesTheFirstFaultyLine) {
    const std::vector<std::pair<std::string, std::size_t>> cases{
        {"a = yes\nno equals sign\n", 2},
        {"a = yes\n = yes\n", 2},         // no name
        {"a = yes\nb =\n", 2},            // no value
        {"a = yes\nb = two words\n", 2},  // a value is one word
        {"a = yes\nb = no\na = no\n", 3}, // answered twice
    };
    for (const auto& [text, line] : cases) {
        const AnswerFileResult read = read_answers(text);
        EXPECT_FALSE(read.table) << text;
        EXPECT_EQ(read.faulty_line, line) << text;
    }
}

} // namespace
} // namespace orve::test
