#include "files/user_guide.hpp"
#include "state/commands.hpp"
#include "support/temp_tree.hpp"
#include "terminal_app.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

struct Session {
    int status = -1;
    std::string output;
};

Session run(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    Session session;
    session.status = run_terminal(in, out);
    session.output = out.str();
    return session;
}

// The output from the first main prompt on (after the start-up lines).
std::string after_start(const std::string& output) {
    const auto prompt = output.find("orve> ");
    return prompt == std::string::npos ? std::string() : output.substr(prompt);
}

const std::string kPathNote = "=== Note: Attention ===\n"
                              "The path to bases is set-up as a result of loading the Rule Base\n"
                              "=== end of note ===\n";
const std::string kForwardDisabled =
    "Command 10154 \"Elementary Exact  Forward Chaining\" is disabled.\n";

TEST(TerminalApp, CommandLines) {
    const auto guide = orve::find_user_guide();
    ASSERT_TRUE(guide);
    const std::string kHelp = "=== Help ===\nThe user guide of orve is the file\n    " +
                              guide->string() +
                              "\nRead it with a text viewer, e.g. less, or a Markdown viewer.\n"
                              "=== end of help ===\n";
    struct Case {
        std::string line;
        std::string response; // printed between the echoed line and the next prompt
    };
    const Case cases[] = {
        {"10158", kPathNote},
        {"  path-to-bases   SET-UP ", kPathNote},
        {"Path-to-Bases\tSet-up", kPathNote},
        {"10154", kForwardDisabled},
        {"elementary exact forward chaining", kForwardDisabled},
        {"ELEMENTARY EXACT  FORWARD   CHAINING", kForwardDisabled},
        {"10157", "----- message window re-created -----\n"},
        {"10064", ""}, // a submenu header does nothing
        {"", ""},
        {"help", kHelp}, // "&Help": where the user guide is
        {"foo", "Unknown command: foo (type \"menu\" for the list of commands)\n"},
        {"99999", "Unknown command: 99999 (type \"menu\" for the list of commands)\n"},
        {"10158 x", "Unknown command: 10158 x (type \"menu\" for the list of commands)\n"},
        {"Rule Base", "Unknown command: Rule Base (type \"menu\" for the list of commands)\n"},
    };
    for (const auto& c : cases) {
        const Session session = run(c.line + "\n");
        EXPECT_EQ(session.status, 0);
        EXPECT_EQ(after_start(session.output), "orve> " + c.line + "\n" + c.response + "orve> \n")
            << "line: " << c.line;
    }
}

TEST(TerminalApp, StartsWithTitleAndListsTheMenu) {
    const Session session = run("MENU\n");
    const std::string& output = session.output;
    EXPECT_EQ(output.rfind("[title] orve_EE - Orve Shell for Elementary Exact Forward and Backward "
                           "Chaining \n",
                           0),
              0U);
    EXPECT_NE(output.find("\n10062  enabled   Rule Base loading\n"), std::string::npos);
    EXPECT_NE(output.find("\n10063  disabled  Importing askable conditions and argument values "
                          "from external data sources\n"),
              std::string::npos);
    EXPECT_NE(output.find("\n10160  enabled   &About\n"), std::string::npos);
    const std::string menu = after_start(output);
    EXPECT_EQ(std::count(menu.begin(), menu.end(), '\n'),
              static_cast<long>(command_table().size()) + 2);
}

TEST(TerminalApp, ClosingAndTheEndOfInput) {
    const std::string question = "=== Question: Attention! ===\n"
                                 "Do you really wish to close the program?\n";
    // No keeps the program running.
    Session session = run("close\nn\n10158\n");
    EXPECT_EQ(session.status, 0);
    EXPECT_EQ(after_start(session.output), "orve> close\n" + question +
                                               "[y/n, Enter = Yes]> n\n"
                                               "orve> 10158\n" +
                                               kPathNote + "orve> \n");
    // Yes (also the empty line) ends it; later lines are not read.
    for (const char* yes : {"y", ""}) {
        session = run("close\n" + std::string(yes) + "\n10158\n");
        EXPECT_EQ(session.status, 0);
        EXPECT_EQ(after_start(session.output),
                  "orve> close\n" + question + "[y/n, Enter = Yes]> " + yes + "\n");
    }
    // The end of input inside a dialogue ends the program at once.
    session = run("close\n");
    EXPECT_EQ(session.status, 0);
    EXPECT_EQ(after_start(session.output), "orve> close\n" + question + "[y/n, Enter = Yes]> \n");
    session = run("Rule Base loading\n");
    EXPECT_EQ(session.status, 0);
    EXPECT_NE(session.output.find("=== Open file: "), std::string::npos);
    EXPECT_TRUE(session.output.ends_with("[file name, Enter = cancel]> \n")) << session.output;
}

TEST(TerminalApp, ProgramReadsPipedInput) {
    const orve::test::TempTree folder;
    const auto input = folder.write("input.txt", "menu\nclose\ny\n");
    const auto output = folder.path() / "output.txt";
    const std::string command = std::string("cd '") + folder.path().string() + "' && '" +
                                ORVE_CLI_PATH + "' < input.txt > output.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream file(output);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("orve> menu\n10062  enabled   Rule Base loading\n"), std::string::npos);
    EXPECT_NE(text.find("[y/n, Enter = Yes]> y\n"), std::string::npos);
}

// The build puts the user guide beside the program, so help finds it there
// from any folder.
TEST(TerminalApp, HelpFindsTheUserGuideBesideTheProgram) {
    const orve::test::TempTree folder;
    folder.write("input.txt", "10159\nclose\ny\n");
    const std::string command = std::string("cd '") + folder.path().string() + "' && '" +
                                ORVE_CLI_PATH + "' < input.txt > output.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto beside = std::filesystem::path(ORVE_CLI_PATH).parent_path() / "user-guide.md";
    EXPECT_NE(orve::test::read_file(folder.path("output.txt"))
                  .find("The user guide of orve is the file\n    " + beside.string() + "\n"),
              std::string::npos);
}

// A removed current folder (a re-extracted archive, a removed stick) makes
// relative names unusable; the dialogues say so and full names still work.
TEST(TerminalApp, ARemovedCurrentFolderGivesNotesNotACrash) {
    const orve::test::TempTree tree;
    const auto base = tree.write("BASES/RUkb.EEB", "rule(1,\"pump on\",[\"noise\"],0)\n");
    std::filesystem::create_directories(tree.path("gone"));
    std::filesystem::current_path(tree.path("gone"));
    std::filesystem::remove(tree.path("gone"));

    const Session session =
        run("10141\nrun.rpt\n10147\nrun.txt\n10062\n" + base.string() + "\nn\nn\nn\nclose\ny\n");
    EXPECT_EQ(session.status, 0);
    const std::string& text = session.output;
    EXPECT_NE(text.find(" (the current folder is no longer available: No such file or directory; "
                        "give a full file name):\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("The report run.rpt could not be read."), std::string::npos) << text;
    EXPECT_NE(text.find("The Summary Report run.txt could not be read."), std::string::npos);
    EXPECT_NE(text.find("has been loaded!"), std::string::npos);
    // Loading entered the base's folder.
    EXPECT_EQ(std::filesystem::current_path(), tree.path("BASES"));
}

} // namespace
} // namespace orve::cli
