// Files that are no regular files, or too large, picked in the file dialogues
// of the commands that read them: refused with a note, never waited on or read.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orve::test {
namespace {

namespace fs = std::filesystem;

TEST(UnreadableFiles, BaseReportAndSummaryCommandsRefuseThemWithANote) {
    const TempTree tree;
    fs::create_directories(tree.path("BASES"));
    const fs::path fifo = tree.path("BASES/RUfifo.EEB");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", tree.path("BASES/RUzero.EEB"));
    const fs::path huge = tree.write("BASES/RUhuge.EEB", "");
    fs::resize_file(huge, (64U << 20) + 1);

    const std::string not_regular = " is not a regular file and cannot be read.";
    const struct {
        fs::path file;
        std::string refusal;
    } files[] = {
        {fifo, not_regular},
        {tree.path("BASES/RUzero.EEB"), not_regular},
        {huge, " is larger than 64 MB and cannot be read."},
    };
    for (const auto& file : files) {
        for (const int command : {10062, 10141, 10147}) {
            SCOPED_TRACE(file.file.string() + " " + std::to_string(command));
            ScriptedDialogs ui;
            Shell shell(ui);
            shell.start();
            ui.answer({file.file.string()});
            shell.run_command(command);
            EXPECT_EQ(ui.notes,
                      (std::vector<Note>{
                          {"Attention error!", "The file " + file.file.string() + file.refusal}}));
            EXPECT_TRUE(ui.answers.empty());
            EXPECT_FALSE(shell.state().kb.rule.name.has_value());
        }
    }
}

} // namespace
} // namespace orve::test
