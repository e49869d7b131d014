#include "program_arguments.hpp"

#include "support/temp_tree.hpp"

#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_program(arguments, in, out, err, false);
    return {status, out.str(), err.str()};
}

TEST(ProgramArguments, MistakesInTheCommandLineAreUsageErrors) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--run"}, "orve-cli: --run needs a value"},
        {{"--quiet"}, "orve-cli: unknown option --quiet\n"},
        {{"--check"}, "orve-cli: --check needs base files or a folder\n"},
        {{"--check", "--format"}, "orve-cli: --format needs text or json\n"},
        {{"--check", "--format", "xml", "RUa.EEB"}, "orve-cli: unknown format xml\n"},
        {{"--check", "--quiet", "RUa.EEB"}, "orve-cli: unknown option --quiet\n"},
    };
    for (const auto& [arguments, first_line] : cases) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2) << first_line;
        EXPECT_EQ(outcome.out, "") << first_line;
        EXPECT_EQ(outcome.err.rfind(first_line, 0), 0U) << outcome.err;
    }
}

TEST(ProgramArguments, NoArgumentsStartTheInteractiveProgram) {
    const Outcome outcome = run({}, "close\ny\n");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("orve> close"), std::string::npos);
    EXPECT_EQ(outcome.err, "");
}

TEST(ProgramArguments, FolderWithoutBasesCannotBeChecked) {
    const orve::test::TempTree tree;
    tree.write("notes.txt", "rule(1,\"a\",[\"b\"],0)");
    const std::string folder = tree.path().string();
    const Outcome outcome = run({"--check", folder});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "blocking no-bases " + folder +
                               " -- no base files in the folder\nsummary -: 1 findings, 1 "
                               "blocking, status 2\n");
}

} // namespace
} // namespace orve::cli
