// The dialogues' answers as the core receives them, the progress dialogue's
// cancel and the conversion of the bases' texts.
#include "dialog_mapping.hpp"
#include "dialog_script.hpp"
#include "main_window.hpp"
#include "modal_runner.hpp"
#include "qt_text.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <gtest/gtest.h>

namespace orve::gui {
namespace {

using test::DialogScript;

const PickList kFacts{"Pick facts", "Choose facts from askable conditions!", {"a", "b", "c"}};

class DialogsTest : public ::testing::Test {
  protected:
    MainWindow window;
    GuiDialogs& ui = window.dialogs();
    DialogScript script;

    void TearDown() override { EXPECT_EQ(script.pending(), 0U); }
};

TEST_F(DialogsTest, AskAnswersTheClickedButtonAndTheLastWhenClosed) {
    script.click("NO").close_box();
    EXPECT_EQ(ui.ask("Saving", "Save?", {"&YES", "&NO", "&Later"}), 2);
    EXPECT_EQ(ui.ask("Saving", "Save?", {"&YES", "&NO"}), 2);
    EXPECT_EQ(script.titles(), (QStringList{"Saving", "Saving"}));
}

TEST_F(DialogsTest, CaptionsCarryTheirAccessKeys) {
    // The "&" of a caption becomes the button's Alt shortcut.
    const auto keys_of = [](QStringList* keys) {
        return [keys](QDialog& dialog) {
            for (const auto* button : dialog.findChildren<QAbstractButton*>()) {
                keys->append(button->shortcut().toString());
            }
            dialog.reject();
        };
    };
    QStringList ask_keys;
    QStringList message_keys;
    // The message closed by its close box asks whether to end; No shows it again.
    script.then(keys_of(&ask_keys)).then(keys_of(&message_keys)).click("No").click("Continue");
    ui.ask("Saving", "Do you wish to save the base ?", {"&YES", "&NO"});
    ui.message_list("Rule explanation", {"If"});
    EXPECT_EQ(ask_keys, (QStringList{"Alt+Y", "Alt+N"}));
    EXPECT_EQ(message_keys, (QStringList{"Alt+C", ""}));
}

TEST_F(DialogsTest, YesNoAnswersNoWhenClosed) {
    script.click("Yes").click("No").close_box();
    EXPECT_TRUE(ui.yes_no("Choose", "Test?"));
    EXPECT_FALSE(ui.yes_no("Choose", "Test?"));
    EXPECT_FALSE(ui.yes_no("Choose", "Test?"));
}

TEST_F(DialogsTest, RadioChoiceKeepsThePreselectedOrClickedAnswer) {
    const RadioChoice mode{"Fact declaration mode", "Choose fact declaration mode!",
                           "Menu  for choosing facts", "Querrying the user", 2};
    script.close_box().radio("Menu  for choosing facts").click("OK");
    EXPECT_EQ(ui.radio_choice(mode), 2);
    EXPECT_EQ(ui.radio_choice(mode), 1);
    EXPECT_EQ(ui.radio_choice({"Level of detail", "", "Low", "High", 1}), 1);
}

TEST_F(DialogsTest, PickListsAnswerPositionsAndIndices) {
    script.pick({2}, "Continue").pick({0, 2}, "Continue").pick({}, "Continue");
    script.pick({1}, "OK").pick({1}, "Cancel");
    EXPECT_EQ(ui.pick_fact(kFacts), 3);
    EXPECT_EQ(ui.pick_facts(kFacts), (std::vector<int>{0, 2}));
    EXPECT_EQ(ui.pick_facts(kFacts), std::vector<int>{});
    EXPECT_EQ(ui.pick_line(kFacts), std::optional<int>(2));
    EXPECT_EQ(ui.pick_line(kFacts), std::nullopt);
}

TEST_F(DialogsTest, EndAsksToCloseAndStaysOnNo) {
    // End, No: the same dialogue again; End, Yes: the program ends.
    script.click("End").click("No").pick({1}, "Continue");
    EXPECT_EQ(ui.pick_fact(kFacts), 2);
    EXPECT_EQ(script.titles(), (QStringList{"Pick facts", "Attention!", "Pick facts"}));

    script.click("End").click("Yes");
    EXPECT_THROW(ui.argument_value("temperature"), ProgramClosed);
    script.click("End").click("Yes");
    EXPECT_THROW(ui.message_list("Rule explanation", {"If"}), ProgramClosed);
}

TEST_F(DialogsTest, TypedTextReachesTheCoreAsUtf8) {
    script.type(QStringLiteral("12,5 żółw"), "OK").type(QStringLiteral("label"), "Cancel");
    EXPECT_EQ(ui.argument_value("x"), "12,5 \xC5\xBC\xC3\xB3\xC5\x82w");
    EXPECT_EQ(ui.get_text("Generating labels", "Label:", "old"), "");
}

TEST_F(DialogsTest, ProgressStepsUntilCancelled) {
    ui.progress_begin("Diagnosing redundancies");
    auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("progress"));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(ui.progress_step(1, 3));
    EXPECT_TRUE(ui.progress_step(5, 0)); // unknown total
    progress->cancel();
    EXPECT_FALSE(ui.progress_step(2, 3));
    ui.progress_end();
    EXPECT_EQ(window.findChild<QProgressDialog*>(QStringLiteral("progress")), nullptr);
    EXPECT_TRUE(ui.progress_step(1, 1)); // no test running: nothing to cancel
}

TEST_F(DialogsTest, RecordBrowserShowsCountsAndTheFirstClauseOfANumber) {
    RecordBrowser rules;
    rules.title = "Inspection of rules";
    rules.number_label = "Rule number";
    rules.numbers = {3, 5, 3};
    rules.counts = {{"Overall number of rules", 3}};
    const auto rule = [](const char* conclusion, std::vector<std::string> conditions) {
        return BrowserRecord{{"Rule conclusion", {conclusion}, false},
                             {" List of conditions ", std::move(conditions), true}};
    };
    rules.records = {rule("first", {"a", "b"}), rule("second", {"c"}), rule("repeated", {"d"})};
    QStringList shown;
    script.then([&shown](QDialog& dialog) {
        dialog.findChild<QListWidget*>(QStringLiteral("numbers"))->setCurrentRow(2);
        for (const auto* field : dialog.findChildren<QLineEdit*>()) {
            shown << field->text();
        }
        for (const auto* list : dialog.findChildren<QListWidget*>()) {
            for (int row = 0; row < list->count(); ++row) {
                shown << list->item(row)->text();
            }
        }
        click_button(dialog, QStringLiteral("Close"));
    });
    ui.browse_records(rules);
    EXPECT_EQ(script.titles(), QStringList{"Inspection of rules"});
    EXPECT_EQ(shown, (QStringList{"3", "first", "3", "5", "3", "a", "b"}));
}

TEST(DialogMapping, AskAnswerAndFileFilters) {
    EXPECT_EQ(ask_answer(0, 3), 1);
    EXPECT_EQ(ask_answer(2, 3), 3);
    EXPECT_EQ(ask_answer(-1, 2), 2);
    EXPECT_EQ(file_filters({{"Rule Base (RU*.EEB)", "RU*.EEB"},
                            {"RU*.EEB, MO*.EEB, CO*.EEB, AD*.EEB", "*.EEB"},
                            {"Summary:(*.txt)", "*.txt"}}),
              (QStringList{"Rule Base (RU*.EEB)", "RU*.EEB, MO*.EEB, CO*.EEB, AD*.EEB (*.EEB)",
                           "Summary:(*.txt)"}));
}

TEST(QtText, Utf8KeptOtherBytesReadAsCodePage1250) {
    const std::vector<std::pair<std::string, QString>> cases = {
        {"plain", QStringLiteral("plain")},
        {"\xC5\xBC\xC3\xB3\xC5\x82w", QStringLiteral("żółw")}, // UTF-8
        {"\xBF\xF3\xB3w", QStringLiteral("żółw")},             // code page 1250
        {"\x8A\x9A\x8C\x9C", QString::fromUtf8("\xC5\xA0\xC5\xA1\xC5\x9A\xC5\x9B")}, // ŠšŚś
        {"\x81", QString(QChar::ReplacementCharacter)},                              // unassigned
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(to_qstring(bytes), text) << bytes;
    }
    EXPECT_EQ(to_cp1250(QStringLiteral("żółw")), std::optional<std::string>("\xBF\xF3\xB3w"));
    EXPECT_EQ(to_cp1250(QStringLiteral("日本")), std::nullopt);
}

} // namespace
} // namespace orve::gui
