// Reading only regular files of bounded size, and replacing files in one step.
#include "kb/file_access.hpp"
#include "support/temp_tree.hpp"
#include "support/write_limit.hpp"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orve::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileAccess, OnlyRegularFilesAreReadAndNothingElseIsWaitedOn) {
    const TempTree tree;
    const std::string fifo = tree.path("fifo.EEB").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", tree.path("zero.EEB"));
    fs::create_symlink(fifo, tree.path("to-fifo.EEB"));
    fs::create_directory(tree.path("folder.EEB"));
    // Without a writer, opening the FIFO would wait forever.
    for (const char* name : {"fifo.EEB", "zero.EEB", "to-fifo.EEB", "folder.EEB"}) {
        SCOPED_TRACE(name);
        const std::string path = tree.path(name).string();
        const FileText read = read_regular_file(path);
        EXPECT_EQ(read.text, std::nullopt);
        const std::string kind =
            name == std::string("folder.EEB") ? " is a folder" : " is not a regular file";
        EXPECT_EQ(read.refusal, "The file " + path + kind + " and cannot be read.");
        EXPECT_EQ(read_file_start(path, 4, kMaxMediaFileBytes), std::nullopt);
        EXPECT_EQ(file_refusal(path, kMaxMediaFileBytes), read.refusal);
    }

    tree.write("real.EEB", "fact(\"a\")\n");
    fs::create_symlink(tree.path("real.EEB"), tree.path("link.EEB"));
    EXPECT_EQ(read_regular_file(tree.path("link.EEB").string()).text, "fact(\"a\")\n");
    const FileText missing = read_regular_file(tree.path("none.EEB").string());
    EXPECT_EQ(missing.text, std::nullopt);
    EXPECT_EQ(missing.refusal, "");
}

TEST(FileAccess, FilesAboveTheLimitAreRefusedWithoutBeingRead) {
    const TempTree tree;
    // Sparse: no disk space, and reading it would take the whole limit and more.
    const fs::path huge = tree.write("huge.RPT", "");
    fs::resize_file(huge, kMaxTextFileBytes + 1);
    const FileText read = read_regular_file(huge.string());
    EXPECT_EQ(read.text, std::nullopt);
    EXPECT_EQ(read.refusal,
              "The file " + huge.string() + " is larger than 64 MB and cannot be read.");

    const fs::path media = tree.write("huge.wav", "");
    fs::resize_file(media, kMaxMediaFileBytes + 1);
    EXPECT_EQ(read_file_start(media.string(), 12, kMaxMediaFileBytes), std::nullopt);
    EXPECT_NE(file_refusal(media.string(), kMaxMediaFileBytes), "");

    // The limit itself is allowed.
    const fs::path ten = tree.write("ten.txt", "0123456789");
    EXPECT_EQ(read_regular_file(ten.string(), 10).text, "0123456789");
    EXPECT_EQ(read_regular_file(ten.string(), 9).text, std::nullopt);
    const auto start = read_file_start(ten.string(), 4, 10);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->bytes, "0123");
    EXPECT_EQ(start->size, 10U);
}

TEST(FileAccess, NamesOfTheLongestAllowedLengthAreWritten) {
    const TempTree tree;
    const std::string path = tree.path(std::string(255, 'n')).string();
    EXPECT_EQ(write_file_atomically(path, "first"), std::nullopt);
    EXPECT_EQ(write_file_atomically(path, "second"), std::nullopt);
    EXPECT_EQ(read_whole_file(path), "second");
    EXPECT_EQ(names_in(tree.path()), std::vector<std::string>{std::string(255, 'n')});
}

TEST(FileAccess, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const TempTree tree;
    const std::string path = tree.write("old.txt", "old summary").string();
    ::chmod(path.c_str(), 0640);
    {
        const WriteLimit full_disk(100);
        const auto error = write_file_atomically(path, std::string(1000, 'x'));
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(*error, "Cannot write file " + path + ": File too large");
    }
    EXPECT_EQ(read_whole_file(path), "old summary");
    EXPECT_EQ(names_in(tree.path()), std::vector<std::string>{"old.txt"});

    // A replacement keeps the permissions of the file it replaces.
    EXPECT_EQ(write_file_atomically(path, "new"), std::nullopt);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
}

} // namespace
} // namespace orve::test
