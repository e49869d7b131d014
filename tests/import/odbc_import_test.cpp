// The import through the real driver manager and the SQLite ODBC driver, on a
// database made by the test and data sources of the test's own ini files.
#include "import/import_command.hpp"
#include "import/odbc_source.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>

namespace orve {
namespace {

using test::ScriptedDialogs;

constexpr const char* kDatabase = R"sql(
CREATE TABLE readings (kind TEXT, name TEXT, value TEXT);
INSERT INTO readings VALUES ('fact', 'room is cold', NULL);
INSERT INTO readings VALUES ('FACT', 'window is shut', NULL);
INSERT INTO readings VALUES ('fact', '', NULL);
INSERT INTO readings VALUES ('argument_known', 'pressure', '2,5');
INSERT INTO readings VALUES ('argument_known', 'flow', 'warm');
INSERT INTO readings VALUES ('argument_known', 'return', NULL);
INSERT INTO readings VALUES ('argument_known', 'level', 3);
INSERT INTO readings VALUES ('remark', 'serviced in May', '');
INSERT INTO readings VALUES ('fact', printf('%.300c', 'a'), NULL);
INSERT INTO readings VALUES ('fact', printf('%.100000c', 'b'), NULL);
CREATE TABLE "other kinds" (kind TEXT, name TEXT);
INSERT INTO "other kinds" VALUES ('remark', 'nothing to import');
CREATE TABLE "order" (kind TEXT, name TEXT, value TEXT);
INSERT INTO "order" VALUES ('fact', 'never read', NULL);
CREATE TABLE "a]b" (kind TEXT);
CREATE VIEW facts_only AS SELECT * FROM readings;
)sql";

// One folder for the whole suite: the driver manager reads its ini files once.
class OdbcImport : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new test::TempTree;
        const std::string root = folder_->path().string();
        folder_->write("odbcinst.ini", "[SQLite3]\nDriver=" ORVE_SQLITE_ODBC_DRIVER "\n");
        folder_->write("odbc.ini", "[orve facts]\nDriver=SQLite3\nDatabase=" + root +
                                       "/facts.db\n\n[no driver]\nDriver=" + root +
                                       "/no-such-driver.so\n");
        setenv("ODBCSYSINI", root.c_str(), 1);
        setenv("ODBCINI", (root + "/odbc.ini").c_str(), 1);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((root + "/facts.db").c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, kDatabase, nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }

    void SetUp() override {
        state.kb.rule.name = BaseName{"RUx.EEB", "RUx.EEB"};
        state.kb.rule.facts = {"declared in the file"};
        state.commands.set(kImportCommand, true);
    }

    // Imports the table at `table` (1-based) of the data source at `source`.
    bool import(const std::string& source, const std::string& table) {
        ui.answer({source, table});
        return import_from_data_source(state, ui);
    }

    static test::TempTree* folder_;
    AppState state;
    ScriptedDialogs ui;
};

test::TempTree* OdbcImport::folder_ = nullptr;

TEST_F(OdbcImport, ListsDataSourcesAndTables) {
    EXPECT_EQ(data_source_names(), (std::vector<std::string>{"orve facts", "no driver"}));
    std::string error;
    auto connection = OdbcConnection::open("orve facts", error);
    ASSERT_TRUE(connection) << error;
    // In the driver's order; views are no tables.
    EXPECT_EQ(connection->table_names(error),
              (std::vector<std::string>{"readings", "other kinds", "order", "a]b"}));
}

TEST_F(OdbcImport, ImportsFactsAndArgumentValuesAndDisablesTheCommand) {
    ASSERT_TRUE(import("1", "1"));
    EXPECT_EQ(ui.pick_lines[0].title, "External data sources");
    EXPECT_EQ(ui.pick_lines[0].prompt, "Choose external data source");
    EXPECT_EQ(ui.pick_lines[1].title, "Data from external data source");
    EXPECT_EQ(ui.pick_lines[1].prompt, "Choose  data to be imported");
    EXPECT_EQ(ui.window, "SELECT * FROM readings\n--> Data loading From row 1 to row 10 ...Done\n");

    const Names& facts = state.kb.rule.facts;
    ASSERT_EQ(facts.size(), 4U);
    EXPECT_EQ(facts[1], "room is cold");
    EXPECT_EQ(facts[2], std::string(300, 'a')); // read in parts
    EXPECT_LT(facts[3].size(), 100000U);        // cut, not read whole
    EXPECT_GE(facts[3].size(), 64U * 1024U);
    const auto& known = state.kb.model.arguments_known;
    ASSERT_EQ(known.size(), 2U);
    EXPECT_EQ(known[0].name, "pressure");
    EXPECT_DOUBLE_EQ(known[0].value, 2.5);
    EXPECT_DOUBLE_EQ(known[1].value, 3.0);

    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Attention error!");
    EXPECT_TRUE(ui.notes[0].text.starts_with("Error: 1\n")) << ui.notes[0].text;
    EXPECT_NE(ui.notes[0].text.find("warm"), std::string::npos);
    EXPECT_TRUE(ui.log.back().starts_with(
        "show_sections: Imported facts inspection | Following facts have been imported to the "
        "Rule Base: room is cold;aaa"))
        << ui.log.back();
    EXPECT_TRUE(ui.log.back().ends_with(
        "| Following argument values have been imported to the Model Base: pressure = 2.5;level = "
        "3;"))
        << ui.log.back();
    EXPECT_FALSE(state.commands.enabled(kImportCommand));
}

TEST_F(OdbcImport, FailuresImportNothingAndKeepTheCommand) {
    struct Case {
        std::string source, table, note;
    };
    const std::vector<Case> cases = {
        // The driver manager's own words about the missing driver library.
        {"2", "", "The external data source no driver cannot be connected:\n[01000]"},
        // A table named by a keyword: the driver's syntax error.
        {"1", "3",
         "The query SELECT * FROM order failed:\n[HY000] [SQLite]near \"order\": syntax "
         "error"},
        {"1", "4", "The table name a]b contains the character ']'"},
        {"1", "2", "No data to be imported from external sources!"},
    };
    for (const auto& c : cases) {
        AppState fresh;
        state = fresh;
        SetUp();
        ui = ScriptedDialogs();
        ui.answer({c.source});
        if (!c.table.empty()) {
            ui.answer({c.table});
        }
        import_from_data_source(state, ui);
        ASSERT_EQ(ui.notes.size(), 1U) << c.note;
        EXPECT_TRUE(ui.notes[0].text.starts_with(c.note)) << ui.notes[0].text;
        EXPECT_EQ(state.kb.rule.facts.size(), 1U);
        EXPECT_TRUE(state.kb.model.arguments_known.empty());
        EXPECT_TRUE(state.commands.enabled(kImportCommand));
    }
}

TEST_F(OdbcImport, CancellingEitherListEndsQuietly) {
    ui.answer({""});
    EXPECT_FALSE(import_from_data_source(state, ui));
    ui.answer({"1", ""});
    EXPECT_FALSE(import_from_data_source(state, ui));
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_EQ(ui.window, "");
}

} // namespace
} // namespace orve
