// Every registered golden case: the whole transcript and every written file
// must equal the recorded ones byte for byte. With ORVE_GOLDEN_RECORD=1 the
// run is recorded over the expected files instead (see README.md).
#include "golden/golden_case.hpp"
#include "golden/text_diff.hpp"

#include "support/temp_tree.hpp"

#include <cstdlib>
#include <fstream>
#include <set>
#include <string_view>

#include <gtest/gtest.h>

namespace orve::golden {
namespace {

namespace fs = std::filesystem;

const char* const kRerecordHint =
    "\nIf the change is intended, re-record with ORVE_GOLDEN_RECORD=1 and review the diff.";

// The case names from the build: "a,b,c".
std::vector<std::string> registered_cases() {
    std::vector<std::string> names;
    std::string_view list = ORVE_GOLDEN_CASES;
    while (!list.empty()) {
        const auto comma = list.find(',');
        names.emplace_back(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return names;
}

bool recording() {
    const char* value = std::getenv("ORVE_GOLDEN_RECORD");
    return value != nullptr && std::string_view(value) == "1";
}

void write_file(const fs::path& path, const std::string& contents) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

// Writes the result over expected.txt and expected-files/, dropping stale files.
void record(const fs::path& folder, const SessionResult& result) {
    write_file(folder / "expected.txt", result.transcript);
    fs::remove_all(folder / "expected-files");
    for (const auto& [path, contents] : result.written_files) {
        write_file(folder / "expected-files" / path, contents);
    }
}

void expect_same_files(const FileMap& expected, const FileMap& written) {
    std::set<std::string> paths;
    for (const FileMap* files : {&expected, &written}) {
        for (const auto& [path, contents] : *files) {
            paths.insert(path);
        }
    }
    for (const auto& path : paths) {
        const auto want = expected.find(path);
        const auto got = written.find(path);
        if (got == written.end()) {
            ADD_FAILURE() << "The session did not write " << path << kRerecordHint;
        } else if (want == expected.end()) {
            ADD_FAILURE() << "The session wrote " << path << ", which is not in expected-files/"
                          << kRerecordHint;
        } else if (want->second != got->second) {
            ADD_FAILURE() << first_difference(want->second, got->second, "expected-files/" + path,
                                              path)
                          << kRerecordHint;
        }
    }
}

class GoldenSession : public testing::TestWithParam<std::string> {};

TEST_P(GoldenSession, MatchesItsRecording) {
    const fs::path folder = fs::path(ORVE_GOLDEN_DIR) / GetParam();
    const SessionResult result = run_case(folder, ORVE_EXAMPLES_DIR);
    EXPECT_EQ(result.status, expected_status(folder));
    if (recording()) {
        record(folder, result);
        GTEST_SKIP() << "Recorded " << folder.string() << ": review the change in the diff.";
    }
    ASSERT_TRUE(fs::exists(folder / "expected.txt"))
        << folder.string() << " has no expected.txt: record it with ORVE_GOLDEN_RECORD=1.";
    const std::string expected = orve::test::read_file(folder / "expected.txt");
    if (expected != result.transcript) {
        ADD_FAILURE() << "The transcript differs from expected.txt:\n"
                      << first_difference(expected, result.transcript, "expected.txt", "transcript")
                      << kRerecordHint;
    }
    expect_same_files(read_tree(folder / "expected-files"), result.written_files);
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenSession, testing::ValuesIn(registered_cases()),
                         [](const testing::TestParamInfo<std::string>& case_info) {
                             return case_info.param;
                         });

} // namespace
} // namespace orve::golden
