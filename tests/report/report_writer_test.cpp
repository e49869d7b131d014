#include "report/detail_level.hpp"
#include "report/report_writer.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

struct WriterFixture : ::testing::Test {
    ReportBuffer buffer;
    test::ScriptedDialogs ui;
    ReportWriter out{buffer, ui};
};

TEST_F(WriterFixture, ReportWritersFeedWindowAndBufferPlainOnlyTheWindow) {
    buffer.text = "old:";
    out.pisz("Rule ");
    out.piszint(-12);
    out.plain("<window only>");
    out.pisz(" value ");
    out.piszreal(0.5);
    out.piszcr();
    out.lista_dla_raportu({"a", "", "b"});
    out.lista_dla_raportu({});

    EXPECT_EQ(ui.window, "Rule -12<window only> value 0.5\n");
    EXPECT_EQ(buffer.text, "old:Rule -12 value 0.5\nab");
}

struct ListCase {
    std::vector<std::string> items;
    const char* s_text; // pisz_liste_dla_raportu_s
    const char* i_text; // pisz_liste_dla_raportu_i
};

TEST(ListWriters, SeparatorsAndEndings) {
    const ListCase cases[] = {
        {{}, "\n", "\n\n"},
        {{"a"}, "a]", "a\n"},
        {{"a", "b c", ""}, "a,b c,]", "a,b c,\n"},
    };
    for (const auto& c : cases) {
        ReportBuffer buffer;
        test::ScriptedDialogs ui;
        ReportWriter out{buffer, ui};
        out.pisz_liste_dla_raportu_s(c.items);
        EXPECT_EQ(buffer.text, c.s_text);
        EXPECT_EQ(ui.window, c.s_text);

        kasowanie_tekst_raportu(buffer);
        ui.msg_clear();
        out.pisz_liste_dla_raportu_i(c.items);
        EXPECT_EQ(buffer.text, c.i_text);
        EXPECT_EQ(ui.window, c.i_text);
    }
}

TEST(DetailLevel, MenuOptionsAndClearing) {
    ReportBuffer buffer;
    EXPECT_FALSE(buffer.high_detail());
    opcja_z_menu_szczegolowosci(buffer, 2);
    EXPECT_EQ(buffer.detail, DetailLevel::High);
    opcja_z_menu_szczegolowosci(buffer, 3);
    EXPECT_EQ(buffer.detail, DetailLevel::High);
    opcja_z_menu_szczegolowosci(buffer, 1);
    EXPECT_EQ(buffer.detail, DetailLevel::Low);
    EXPECT_FALSE(buffer.high_detail());
    kasowanie_szczegolowosc(buffer);
    EXPECT_EQ(buffer.detail, DetailLevel::Absent);
}

} // namespace
} // namespace orve

namespace orve {
namespace {

TEST(LevelOfDetail, AskedWithLowPreselectedAndRecorded) {
    for (const auto& [answer, expected] : std::vector<std::pair<std::string, DetailLevel>>{
             {"", DetailLevel::Low}, {"1", DetailLevel::Low}, {"2", DetailLevel::High}}) {
        test::ScriptedDialogs ui;
        ReportBuffer buffer;
        buffer.detail = DetailLevel::High;
        ui.answer({answer});
        ask_level_of_detail(buffer, ui);
        EXPECT_EQ(buffer.detail, expected) << answer;
        EXPECT_EQ(ui.log.back(), "radio: Level of detail | Choose level of message/report detail");
    }
}

} // namespace
} // namespace orve
