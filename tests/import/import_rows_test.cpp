#include "import/import_rows.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

TEST(ImportRows, TakesExactKindsAndSkipsEmptyAndUnreadableCells) {
    const std::vector<TextRow> rows = {
        {"fact", "room is cold", ""},
        {"FACT", "window is shut", ""},             // the kind is case-sensitive
        {"fact ", "door is open", ""},              // and compared whole
        {"fact", "", "x"},                          // empty condition
        {"fact", kErrorLoading, ""},                // unreadable condition
        {"argument_known", "p", "2,5"},             // decimal comma
        {"argument_known", "q", "-1.25e2"},         //
        {"argument_known", "r", ""},                // empty value
        {"argument_known", "s", kErrorLoading},     // unreadable value
        {"argument_known", "", "3"},                // empty name
        {"argument_known", "t", "warm"},            // no number
        {"argument_known", "u", "1,234,5"},         // every comma becomes a point
        {"remark", "anything", "1"},                // another kind
        {"fact"},                                   // a short row
        {},                                         // an empty row
        {"fact", "pump is silent", "ignored", "x"}, // the third cell of a fact is ignored
    };
    const RowImport imported = import_rows(rows);
    EXPECT_EQ(imported.facts, (Names{"room is cold", "pump is silent"}));
    ASSERT_EQ(imported.arguments.size(), 2U);
    EXPECT_EQ(imported.arguments[0].name, "p");
    EXPECT_DOUBLE_EQ(imported.arguments[0].value, 2.5);
    EXPECT_DOUBLE_EQ(imported.arguments[1].value, -125.0);
    EXPECT_EQ(imported.argument_lines, (Names{"p = 2.5", "q = -1.25e2"}));
    ASSERT_EQ(imported.bad_values.size(), 2U);
    EXPECT_EQ(imported.bad_values[0].row, 11U);
    EXPECT_EQ(imported.bad_values[0].name, "t");
    EXPECT_EQ(imported.bad_values[1].text, "1.234.5");
    EXPECT_FALSE(imported.empty());
}

TEST(ImportRows, RowsOfOtherKindsImportNothing) {
    EXPECT_TRUE(import_rows({{"remark", "a", "b"}, {"Argument_known", "p", "1"}}).empty());
    EXPECT_TRUE(import_rows({}).empty());
}

TEST(TableQuery, BracketsNamesThatAreNotBareAndRefusesTheClosingBracket) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"readings", "SELECT * FROM readings"},
        {"boiler_2", "SELECT * FROM boiler_2"},
        {"boiler readings", "SELECT * FROM [boiler readings]"},
        {"x;DELETE/**/FROM/**/x", "SELECT * FROM [x;DELETE/**/FROM/**/x]"},
        {"2024", "SELECT * FROM [2024]"},
        {"a[b", "SELECT * FROM [a[b]"},
        {"a]b", std::nullopt},
        {"x] ; DROP TABLE y; --", std::nullopt},
        {std::string("a\0b", 3), std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [table, query] : cases) {
        EXPECT_EQ(table_query(table), query) << table;
    }
}

} // namespace
} // namespace orve
