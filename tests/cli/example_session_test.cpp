// Sessions piped into the built orve-cli on the bundled example, as a newcomer
// would type them.
#include "support/temp_tree.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

// Runs orve-cli in the example's base folder with the given input lines.
std::string run_in_examples(const orve::test::TempTree& folder, const std::string& input) {
    folder.write("input.txt", input);
    const std::string command = std::string("cd '") + ORVE_EXAMPLES_DIR + "/BASES' && '" +
                                ORVE_CLI_PATH + "' < '" + folder.path().string() +
                                "/input.txt' > '" + folder.path().string() + "/output.txt'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::ifstream file(folder.path() / "output.txt");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ExampleSession, LoadsEveryBaseKindOfTheBoilerExample) {
    const orve::test::TempTree folder;
    const std::string output = run_in_examples(
        folder, "10062\nRUboiler.EEB\ny\nn\nn\n10090\nCOboiler.EEB\nn\nn\n10100\n"
                "ADboiler.EEB\n10112\nGRboiler.EEB\n10123\nSOboiler.EEB\nclose\ny\n");
    for (const std::string expected : {
             "=== Note: Successful  loading of Rule Base ===\nElementary Exact Rule Base\n    "
             "RUboiler.EEB\nhas been loaded!\n",
             "[title] orve_EE consults Knowledge Base BOILER\n",
             " is not externally IEE1 inconsistent. \n",
             "=== Note: Successful  loading of Constraint Base ===\nElementary Exact Constraint "
             "Base\n    COboiler.EEB\nhas been loaded!\n",
             "=== Note: Successful  loading of Advice Base! ===\nElementary Exact Advice Base\n    "
             "ADboiler.EEB\nhas been loaded!\n",
             "Graphics Base GRboiler.EEB\n has been loaded!\n",
             "=== Note: Successful  loading of Sound Base! ===\nSound Base\n    SOboiler.EEB\nhas "
             "been loaded!\n",
         }) {
        EXPECT_NE(output.find(expected), std::string::npos) << expected << "\n--- in ---\n"
                                                            << output;
    }
}

TEST(ExampleSession, CycleReportIsSavedAndInspected) {
    const orve::test::TempTree folder;
    const std::string report = (folder.path() / "cycle.RPT").string();
    const std::string output = run_in_examples(folder, "10062\nRUcycle.EEB\ny\n10071\nyes\n" +
                                                           report + "\n10141\n" + report + "\n");
    EXPECT_NE(output.find("contains at least one external inconsistency "), std::string::npos);
    EXPECT_NE(output.find(" Rule  2 is externally directly IEE1-inconsistent with rule 3.\n This "
                          "can be demonstrated by introducing  3 ==> 2\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("=== Note: Attention! ===\nReport cycle.RPT  has been saved.\n"),
              std::string::npos);
    std::ifstream file(report);
    const std::string saved{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(saved.starts_with("tekst_raportu(\"Diagnostic Report on external inconsistencies "
                                  "of Rule Base:\\n RUcycle.EEB\\n\\n"))
        << saved;
}

TEST(ExampleSession, CyclicModelBaseIsRefusedAndDiagnosed) {
    const orve::test::TempTree folder;
    const std::string output = run_in_examples(
        folder, "10062\nRUcycle.EEB\nn\nn\nn\n10074\nMOcycle.EEB\n10087\nNo\nclose\ny\n");
    for (const std::string expected : {
             " The loaded model base contains at least one inconsistency. \n",
             " The result 'battery voltage' of model 1\n is the same as its argument.\n",
             "      7,3\n  This may be demonstrated by removing the nesting as follows: \n"
             "      7 ==> 3 ==> 5\n",
             " The conclusion 'starter turns' of model 2\n is the same as its go-ahead "
             "condition.\n",
         }) {
        EXPECT_NE(output.find(expected), std::string::npos) << expected << "\n--- in ---\n"
                                                            << output;
    }
}

} // namespace
} // namespace orve::cli
