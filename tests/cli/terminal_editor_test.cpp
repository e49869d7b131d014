// The base editor on a terminal: the user's editor from VISUAL or EDITOR works
// on a copy, and its end asks the save question through the requests.
#include "support/temp_tree.hpp"
#include "terminal_dialogs.hpp"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

namespace fs = std::filesystem;

// Sets or unsets an environment variable while it lives.
class Variable {
  public:
    Variable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~Variable() { saved_ ? setenv(name_, saved_->c_str(), 1) : unsetenv(name_); }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

// Records the close requests; saving "succeeds" as many times as told.
struct Requests : EditorRequests {
    std::vector<std::string> closed;
    int failures = 0;
    bool save(const std::string&) override { return true; }
    bool save_as(const std::string&) override { return true; }
    bool close(const std::string& text) override {
        closed.push_back(text);
        return failures-- <= 0;
    }
};

struct Session {
    std::string output;
    std::vector<std::string> closed;
};

Session edit(const std::string& file, const std::string& text, int failures = 0) {
    std::istringstream in;
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    Requests requests;
    requests.failures = failures;
    ui.edit_text("Editing the file: x", file, text, requests);
    ui.io().flush();
    return {out.str(), requests.closed};
}

std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(TerminalEditor, EditsACopyAndNoFileNameReachesTheShell) {
    const orve::test::TempTree tree;
    // Quotes, $(...), `...` and blanks in the folder and the extension: a path
    // that would run a command if quoted badly.
    const std::string folder = "a'b\"$(touch INJECTED)`touch X`; c";
    const std::string name = "RUx.E$(touch Y)";
    const std::string file = tree.write(folder + "/" + name, "old text\n").string();
    fs::current_path(tree.path()); // where injected commands would leave their files
    const Variable visual("VISUAL", "sed -i s/^/x/");
    const Session session = edit(file, "old text\n", 1);
    EXPECT_EQ(session.closed, (std::vector<std::string>{"xold text\n", "xxold text\n"}))
        << "after a failed save the editor opens again on the edited text";
    EXPECT_EQ(orve::test::read_file(file), "old text\n") << "only the requests write the file";
    EXPECT_EQ(names_in(tree.path(folder)), std::vector<std::string>{name}) << "copy removed";
    EXPECT_EQ(names_in(tree.path()), std::vector<std::string>{folder}) << "nothing injected";
    EXPECT_NE(session.output.find("with VISUAL (sed -i s/^/x/)"), std::string::npos);
}

TEST(TerminalEditor, WithoutAnEditorTheFileIsShownAndTheVariablesNamed) {
    const Variable visual("VISUAL", nullptr);
    const Variable editor("EDITOR", "  ");
    const Session session = edit("/nowhere/RUx.EEB", "rule(1,\"a\",[],0)");
    EXPECT_EQ(session.closed, std::vector<std::string>{"rule(1,\"a\",[],0)"});
    EXPECT_NE(session.output.find("Neither VISUAL nor EDITOR names a text editor"),
              std::string::npos);
    EXPECT_NE(session.output.find("rule(1,\"a\",[],0)"), std::string::npos);
}

TEST(TerminalEditor, AFailingEditorOrFolderLeavesTheFileAsItWas) {
    const orve::test::TempTree tree;
    const std::string file = tree.write("RUx.EEB", "text").string();
    {
        const Variable visual("VISUAL", "false");
        const Session session = edit(file, "text");
        EXPECT_TRUE(session.closed.empty());
        EXPECT_NE(session.output.find("The editor 'false' (from VISUAL) ended with exit status 1.\n"
                                      "The file " +
                                      file + " has not been changed."),
                  std::string::npos);
    }
    const Variable editor("VISUAL", "true");
    const Session session = edit(tree.path("missing/RUx.EEB").string(), "text");
    EXPECT_TRUE(session.closed.empty());
    EXPECT_NE(session.output.find("A working copy of " + tree.path("missing/RUx.EEB").string() +
                                  " cannot be made in its folder: No such file or directory."),
              std::string::npos);
    EXPECT_EQ(names_in(tree.path()), std::vector<std::string>{"RUx.EEB"});
}

} // namespace
} // namespace orve::cli
