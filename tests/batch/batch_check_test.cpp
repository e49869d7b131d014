#include "batch/batch_check.hpp"
#include "batch/check_output.hpp"
#include "batch/loaded_check.hpp"

#include "support/temp_tree.hpp"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

namespace fs = std::filesystem;

std::string example(const std::string& file) {
    return (fs::path(ORVE_EXAMPLES_DIR) / "BASES" / file).string();
}

std::vector<std::string> lines_of(const BaseCheck& check) {
    std::vector<std::string> lines;
    for (const auto& finding : check.findings) {
        lines.push_back(finding_line(finding));
    }
    return lines;
}

bool has_line(const BaseCheck& check, const std::string& line) {
    const auto lines = lines_of(check);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(BatchCheck, CycleBasesBlockChainingAndShowTheModelBaseFindingsToo) {
    const TempTree tree; // gives the current folder back
    const fs::path start = fs::current_path();
    const BaseCheck check = check_knowledge_base({example("MOcycle.EEB"), example("RUcycle.EEB")});
    EXPECT_EQ(check_status(check), kCheckBlocked);
    EXPECT_EQ(check.name, "cycle");
    EXPECT_EQ(fs::current_path(), start);
    // The Model Base is refused after the Rule Base's verdict, yet its own
    // tests still run.
    for (const char* line :
         {"blocking external-inconsistency RUcycle.EEB rule 2 chain 3,2",
          "blocking not-loadable MOcycle.EEB -- refused while the Rule Base is externally "
          "inconsistent",
          "blocking model-inconsistency MOcycle.EEB model 5 chain 7,3,5 \"charging current\"",
          "warning unreachable-conclusion RUcycle.EEB rules 7 \"car drives\""}) {
        EXPECT_TRUE(has_line(check, line)) << line;
    }
}

TEST(BatchCheck, CompleteBoilerBaseIsClean) {
    std::vector<std::string> files;
    for (const char* kind : {"SO", "GR", "AD", "CO", "MO", "RU"}) {
        files.push_back(example(std::string(kind) + "boiler.EEB"));
    }
    const BaseCheck check = check_knowledge_base(files);
    EXPECT_EQ(check_status(check), kCheckClean);
    EXPECT_EQ(check.files.front(), example("RUboiler.EEB"));
    EXPECT_TRUE(has_line(check, "warning single-condition-rule RUboiler.EEB rule 5 "
                                "\"system pressure too low\" \"pressure gauge below 1 bar\""));
}

TEST(BatchCheck, InputThatCannotBeCheckedGivesStatusTwo) {
    const TempTree tree;
    tree.write("RUa.EEB", "rule(1,\"a\",[\"b\"],0)");
    tree.write("XXa.EEB", "rule(1,\"a\",[\"b\"],0)");
    tree.write("MOa.EEB", "m_fact(\"b\")");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{tree.path("RUmissing.EEB").string()},
         "blocking unreadable RUmissing.EEB -- cannot be read"},
        {{tree.path("RUa.EEB").string(), tree.path("XXa.EEB").string()},
         "blocking unknown-kind XXa.EEB -- the name starts with none of RU, MO, CO, AD, GR, SO"},
        {{tree.path("MOa.EEB").string()},
         "blocking no-rule-base -- a check needs exactly one Rule Base file"},
        {{tree.path("RUa.EEB").string(), tree.path("RUa.EEB").string()},
         "blocking several-rule-bases -- a check needs exactly one Rule Base file"},
    };
    for (const auto& [files, line] : cases) {
        const BaseCheck check = check_knowledge_base(files);
        EXPECT_EQ(check_status(check), kCheckUnreadable) << line;
        EXPECT_TRUE(has_line(check, line)) << line;
    }
}

TEST(BatchCheck, FaultyFilesAreRefusedFindings) {
    const TempTree tree;
    tree.write("RUs.EEB", "rule(1,\"a\",[\"b\"],0)\nrule(2,\"c\",[\"d\"\n");
    tree.write("RUn.EEB", "rule(1,\"a\",[\"b\",\"x\"],0)\nrule(1,\"c\",[\"d\",\"y\"],0)");
    const BaseCheck syntax = check_knowledge_base({tree.path("RUs.EEB").string()});
    EXPECT_EQ(check_status(syntax), kCheckBlocked);
    EXPECT_TRUE(has_line(syntax, "blocking not-loaded RUs.EEB -- the shell refuses the base"));
    const BaseCheck numbers = check_knowledge_base({tree.path("RUn.EEB").string()});
    EXPECT_EQ(check_status(numbers), kCheckBlocked);
    EXPECT_TRUE(has_line(numbers, "blocking repeated-numbers RUn.EEB rules 1"));
}

TEST(BatchCheck, FolderIsGroupedByKnowledgeBaseName) {
    const auto bases = knowledge_bases_in((fs::path(ORVE_EXAMPLES_DIR) / "BASES").string());
    ASSERT_EQ(bases.size(), 2u);
    EXPECT_EQ(bases[0].size(), 6u); // boiler
    EXPECT_EQ(bases[1].size(), 2u); // cycle
    EXPECT_EQ(fs::path(bases[1][0]).filename(), "MOcycle.EEB");
}

TEST(BatchCheck, JsonEscapesQuotesAndControlBytes) {
    BaseCheck check;
    check.name = "q";
    check.findings.push_back(
        {false, "similar-names", "RUq.EEB", {{"rules", {1, 2}}}, {"a\"b\\\x01"}, ""});
    EXPECT_EQ(
        checks_json({check}),
        "{\"status\": 0,\n \"bases\": [\n    {\"name\": \"q\", \"status\": 0, \"files\": [],\n"
        "     \"findings\": [\n      {\"blocking\": false, \"kind\": \"similar-names\", "
        "\"base\": \"RUq.EEB\", \"numbers\": {\"rules\": [1, 2]}, \"names\": "
        "[\"a\\\"b\\\\\\u0001\"], \"text\": \"\"}]}]}\n");
}

TEST(LoadedCheck, SaysSoWhenTheLoadedBasesHaveNoAnomaly) {
    AppState state;
    state.kb.rule.rules = {{1, "a", {"b", "c"}, 0}};
    determine_askable_conditions(state.kb.rule, state.askables);
    EXPECT_EQ(loaded_check_text(state), "No anomalies found in the loaded bases.\n");
    state.kb.rule.rules.push_back({2, "a", {"c", "b"}, 0});
    determine_askable_conditions(state.kb.rule, state.askables);
    EXPECT_EQ(loaded_check_text(state), "warning duplicate-rules rules 1,2 \"a\"\n");
}

} // namespace
} // namespace orve::test
