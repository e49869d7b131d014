// The command-line options of orve-cli: which arguments start a run without
// dialogue, and faulty ones refused before anything is loaded.
#include "tool_options.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace orve::cli {
namespace {

TEST(ToolOptions, FaultyArgumentsExitWithTwoBeforeLoading) {
    const std::vector<std::vector<std::string>> cases{
        {"--run"},                         // no value
        {"--run", "RUx.EEB"},              // no answers
        {"--answers", "a.txt", "RUx.EEB"}, // no run
        {"--run", "RUx.EEB", "--answers", "a", "--answers", "b"},
        {"--run", "RUx.EEB", "--answers", "a", "--what-if", "x=yes", "--backward", "h"},
        {"--run", "RUx.EEB", "--answers", "a", "--bogus"},
        {"--tests"},
    };
    for (const auto& args : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(run_tool_options(args, out, err), 2) << args.size();
        EXPECT_NE(err.str().find("orve-cli: "), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty()) << out.str();
    }
}

TEST(ToolOptions, OtherArgumentsAreLeftToTheProgram) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_tool_options({}, out, err), std::nullopt);
    EXPECT_EQ(run_tool_options({"--check", "RUx.EEB"}, out, err), std::nullopt);
    EXPECT_EQ(run_tool_options({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("--what-if NAME=VALUE"), std::string::npos);
}

} // namespace
} // namespace orve::cli
