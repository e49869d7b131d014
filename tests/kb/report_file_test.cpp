#include "kb/file_access.hpp"
#include "report/report_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace orve {
namespace {

namespace fs = std::filesystem;

TEST(ReportFile, EmptyReportIsTheClauseWithAnEmptyString) {
    EXPECT_EQ(report_file_text(""), "tekst_raportu(\"\")\n");
}

TEST(ReportFile, WholeReportIsOneEscapedLine) {
    EXPECT_EQ(report_file_text("Rule \"3\"\nC:\\bases\r\n"),
              "tekst_raportu(\"Rule \\\"3\\\"\\nC:\\\\bases\\r\\n\")\n");
}

TEST(ReportFile, ReadsBackTheIdenticalText) {
    const std::string texts[] = {
        "",
        "Syntax error in file RUx.EEB\n    ^\n\n",
        "quotes \" and \\\" and \\n stay\t\xB9\xE6\xC5\xBC\x01\r",
        std::string(1 << 20, 'r') + "\n",
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(parse_report_file(report_file_text(text)), text);
    }
}

TEST(ReportFile, ReadsAFileSavedWithAByteOrderMark) {
    EXPECT_EQ(parse_report_file("\xEF\xBB\xBF" + report_file_text("a\nb")), "a\nb");
}

TEST(ReportFile, RejectsFilesThatAreNoReportAndSaysWhy) {
    const struct {
        const char* contents;
        const char* why;
    } cases[] = {
        {"", "It is empty."},
        {"fact(\"a\")\n", "It is a Rule Base (line 1: 'fact')."},
        {"tekst_raportu(\"a\")\ntekst_raportu(\"b\")\n",
         "It holds 2 reports; a report file holds one."},
        {"tekst_raportu(\"a\")\n\n", "Line 2 is empty."},
        {"tekst_raportu(1)\n",
         "Argument 1 of 'tekst_raportu' must be a string (line 1, column 15)."},
        {"tekst_raportu(\"a\n", "String not closed (line 1, column 15)."},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_EQ(parse_report_file(c.contents, &why), std::nullopt) << c.contents;
        EXPECT_EQ(why, c.why) << c.contents;
    }
}

class AtomicWrite : public testing::Test {
  protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("orve_kb_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The names of the files in the test folder.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path dir_;
};

TEST_F(AtomicWrite, CreatesAndReplacesTheFileLeavingNothingElse) {
    const std::string path = (dir_ / "A.RPT").string();
    EXPECT_EQ(write_file_atomically(path, "first version, longer"), std::nullopt);
    EXPECT_EQ(write_file_atomically(path, "second"), std::nullopt);
    EXPECT_EQ(read_whole_file(path), "second");
    EXPECT_EQ(files(), std::vector<std::string>{"A.RPT"});
}

TEST_F(AtomicWrite, WritesEmptyAndBinaryContents) {
    const std::string path = (dir_ / "B.RPT").string();
    const std::string binary("\0\r\n\xFF", 4);
    EXPECT_EQ(write_file_atomically(path, ""), std::nullopt);
    EXPECT_EQ(read_whole_file(path), "");
    EXPECT_EQ(write_file_atomically(path, binary), std::nullopt);
    EXPECT_EQ(read_whole_file(path), binary);
}

TEST_F(AtomicWrite, MissingFolderFailsWithAnErrorAndLeavesNoFile) {
    const std::string path = (dir_ / "missing" / "C.RPT").string();
    EXPECT_EQ(write_file_atomically(path, "text"),
              "Cannot write file " + path + ": No such file or directory");
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
    EXPECT_TRUE(files().empty());
}

TEST_F(AtomicWrite, TargetThatIsAFolderFailsAndLeavesNoTemporaryFile) {
    fs::create_directory(dir_ / "D.RPT");
    fs::create_directory(dir_ / "D.RPT" / "inside");
    const auto error = write_file_atomically((dir_ / "D.RPT").string(), "text");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("Cannot write file ", 0), 0u) << *error;
    EXPECT_EQ(files(), std::vector<std::string>{"D.RPT"});
}

TEST_F(AtomicWrite, ReadingAMissingFileOrAFolderGivesNothing) {
    EXPECT_EQ(read_whole_file((dir_ / "none.RPT").string()), std::nullopt);
    EXPECT_EQ(read_whole_file(dir_.string()), std::nullopt);
}

} // namespace
} // namespace orve
