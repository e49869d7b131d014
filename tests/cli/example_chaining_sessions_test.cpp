// The chaining walk-throughs of examples/README.md, piped into the built
// orve-cli exactly as the README prints them, in a copy of the example folder.
#include "support/temp_tree.hpp"

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

namespace fs = std::filesystem;

// The words of the first `printf '%s\n' ... | orve-cli` command after the
// section heading, one answer line each; single quotes group words.
std::vector<std::string> walk_through_answers(const std::string& readme,
                                              const std::string& heading) {
    const std::string start = "printf '%s\\n' ";
    const auto section = readme.find(heading);
    const auto from = section == std::string::npos ? section : readme.find(start, section);
    const auto to = readme.find("| orve-cli", from);
    if (from == std::string::npos || to == std::string::npos) {
        return {};
    }
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool in_word = false;
    for (const char c : readme.substr(from + start.size(), to - from - start.size())) {
        if (c == '\'') {
            quoted = !quoted;
            in_word = true;
        } else if (!quoted && (c == ' ' || c == '\n' || c == '\\')) {
            if (in_word) {
                words.push_back(word);
            }
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    return words;
}

// Runs the walk-through of the section of a README in a copy of the examples;
// the output.
std::string run_walk_through(const orve::test::TempTree& tree, const std::string& heading,
                             const fs::path& readme = fs::path(ORVE_EXAMPLES_DIR) / "README.md") {
    fs::copy(ORVE_EXAMPLES_DIR, tree.path("examples"), fs::copy_options::recursive);
    const auto answers = walk_through_answers(orve::test::read_file(readme), heading);
    EXPECT_GT(answers.size(), 20U);
    std::string input;
    for (const auto& answer : answers) {
        input += answer + "\n";
    }
    tree.write("input.txt", input);
    const fs::path bases = tree.path("examples/BASES");
    const std::string command = "cd '" + bases.string() + "' && '" + ORVE_CLI_PATH + "' < '" +
                                tree.path("input.txt").string() + "' > '" +
                                tree.path("output.txt").string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return orve::test::read_file(tree.path("output.txt"));
}

TEST(ExampleForwardSession, ReadmeWalkThroughRunsToItsSummaryAndReport) {
    const orve::test::TempTree tree;
    const std::string output = run_walk_through(tree, "## Consulting `boiler` by forward chaining");
    const fs::path bases = tree.path("examples/BASES");

    // Every answer fitted its dialogue, and the program ended at `close`.
    EXPECT_EQ(output.find("Please "), std::string::npos) << output;
    EXPECT_NE(output.find("Do you really wish to close the program?"), std::string::npos);
    for (const std::string expected : {
             "=== Dialogue: Abstract inspection ===\nInspecting the abstract BOILER\n",
             "=== Dialogue: Advice file inspection ===\nExpert advice:\nHot water works",
             "../GRAPHICS/boiler/pump.bmp: 64 x 48 pixels\n",
             "=== Sound: ../SOUNDS/boiler/hum.wav",
             "=== Note: Summary ===\n Summary boiler-case.txt has been saved.\n",
             "Report boiler-case.RPT  has been saved.\n",
         }) {
        EXPECT_NE(output.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(
        orve::test::read_file(bases / "boiler-case.txt")
            .rfind("Labels of summary: \n    first consultation\nChaining summary: facts\n", 0),
        0U);
    EXPECT_TRUE(fs::exists(bases / "boiler-case.RPT"));
}

TEST(ExampleBackwardSession, ErroneousPressureIsRejectedAndASoundOneVerifiesTheHypothesis) {
    const orve::test::TempTree tree;
    const std::string output =
        run_walk_through(tree, "## Consulting `boiler` by backward chaining");
    EXPECT_EQ(output.find("Please "), std::string::npos) << output;
    EXPECT_NE(output.find("Do you really wish to close the program?"), std::string::npos);
    for (const std::string expected : {
             "have no  joint inconsistencies!\n",
             "For  model 8 the relation: \n    7 > 6\nholds",
             "=== Note: Error in data! ===\nErroneous data is removed.",
             "The hypothesis: system pressure is normal\nis not instantiated",
             "For model  5 the relation: \n    1 <= 1.8 <= 2.5\nholds",
             "  on the strength of rule 5.\n",
             "Report boiler-pressure.RPT  has been saved.\n",
         }) {
        EXPECT_NE(output.find(expected), std::string::npos) << expected;
    }
    const std::string report =
        orve::test::read_file(tree.path("examples/BASES/boiler-pressure.RPT"));
    EXPECT_NE(report.find("pressure reading in bar=1.8"), std::string::npos) << report;
}

// The short session of the top-level README answers Why? where it explains.
TEST(ExampleBackwardSession, ShortSessionOfTheReadmeAnswersWhyWithTheRulesThatLedThere) {
    const orve::test::TempTree tree;
    const std::string output = run_walk_through(
        tree, "## A short session", fs::path(ORVE_EXAMPLES_DIR).parent_path() / "README.md");
    EXPECT_EQ(output.find("Please "), std::string::npos) << output;
    for (const std::string expected : {
             "display shows no lights?\n  1 = Yes\n  2 = No\n  3 = Why?\n"
             "[1-3 or caption, Enter = Why?]> 3\n    WHY?Rule  3 is resolved.",
             "From rule 3 may be deduced: replace the fuse.\n"
             "From rule 2 may be deduced: no electrical supply.\n",
             "fuse is blown?\n  1 = Yes\n  2 = No\n  3 = Why?\n"
             "[1-3 or caption, Enter = Why?]> y\n",
             "The main hypothesis replace the fuse is verified.\n",
             "Do you really wish to close the program?\n[y/n, Enter = Yes]> y\n",
         }) {
        EXPECT_NE(output.find(expected), std::string::npos) << expected << "\n--- in ---\n"
                                                            << output;
    }
}

} // namespace
} // namespace orve::cli
