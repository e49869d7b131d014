#include "completion.hpp"
#include "support/temp_tree.hpp"
#include "terminal_app.hpp"

#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

using Lines = std::vector<std::string>;

TEST(Completion, CommandsByIdentifierMenuTextAndWord) {
    struct Case {
        const char* typed;
        Lines expected;
    };
    const std::vector<Case> cases = {
        {"1006", {"10062", "10063", "10065", "10066", "10067", "10068", "10069"}},
        {"rule base ",
         {"Rule Base loading", "Rule Base askable conditions", "Rule Base editing",
          "Rule Base creating", "Rule Base deleting"}},
        {"  RULE   base   lo", {"Rule Base loading"}},
        {"rule base loading", {"Rule Base loading"}},
        {"rule base loadingx", {}},
        {"me", {"menu", "Message Window Creating"}},
        {"CL", {"close"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(command_candidates(c.typed), c.expected);
    }
    EXPECT_GT(command_candidates("").size(), 100U) << "every identifier and menu text";
    EXPECT_EQ(candidates(Completion::None, "rule"), Lines{});
}

TEST(Completion, FilesAndFoldersUnderTheTypedPath) {
    test::TempTree tree;
    tree.write("kb/RUboiler.EEB", "");
    tree.write("kb/RUpump.EEB", "");
    tree.write("kb/ru lower.EEB", "");
    tree.write("kb/sub/MOboiler.EEB", "");
    tree.write("kb/.hidden", "");
    const std::string kb = tree.path("kb").string() + "/";

    EXPECT_EQ(file_candidates(kb + "RU"), (Lines{kb + "RUboiler.EEB", kb + "RUpump.EEB"}));
    EXPECT_EQ(file_candidates(kb),
              (Lines{kb + "RUboiler.EEB", kb + "RUpump.EEB", kb + "ru lower.EEB", kb + "sub/"}));
    EXPECT_EQ(file_candidates(kb + "."), Lines{kb + ".hidden"});
    EXPECT_EQ(candidates(Completion::Files, kb + "sub/"), Lines{kb + "sub/MOboiler.EEB"});
    EXPECT_EQ(file_candidates(kb + "missing/"), Lines{});
}

// Typed lines from a script, with the completion each was read with.
class ScriptedReader : public LineReader {
  public:
    explicit ScriptedReader(Lines lines) : lines_(std::move(lines)) {}

    std::optional<std::string> read(const std::string& prompt, Completion mode) override {
        (void)prompt;
        modes.push_back(mode);
        if (next_ == lines_.size()) {
            return std::nullopt;
        }
        return lines_[next_++];
    }

    std::vector<Completion> modes;

  private:
    Lines lines_;
    std::size_t next_ = 0;
};

TEST(Completion, TheMainPromptCompletesCommandsAndFileDialoguesFiles) {
    ScriptedReader reader({"10062", "", "close", "n"});
    std::istringstream unused;
    std::ostringstream out;
    EXPECT_EQ(run_terminal(unused, out, true, nullptr, &reader), 0);
    EXPECT_EQ(reader.modes, (std::vector<Completion>{Completion::Commands, Completion::Files,
                                                     Completion::Commands, Completion::None,
                                                     Completion::Commands}));
    // The terminal shows what is typed: the transcript has no echo of it.
    EXPECT_EQ(out.str().find("orve> 10062"), std::string::npos);
}

} // namespace
} // namespace orve::cli
