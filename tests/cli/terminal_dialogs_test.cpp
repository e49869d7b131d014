#include "support/temp_tree.hpp"
#include "terminal_dialogs.hpp"

#include <functional>
#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

using Dialogue = std::function<std::string(TerminalDialogs&)>;

std::string joined(const std::vector<int>& values) {
    std::string text;
    for (const int value : values) {
        text += (text.empty() ? "" : ",") + std::to_string(value);
    }
    return text;
}

const std::vector<std::string> kWhyButtons = {"&Yes", "&No", "&Why?"};
const PickList kThreeFacts = {"Facts", "Pick a fact", {"pump is silent", "fuse is blown", "end"}};

const Dialogue kYesNo = [](TerminalDialogs& ui) {
    return ui.yes_no("Choose", "Test?") ? std::string("yes") : std::string("no");
};
const Dialogue kAsk3 = [](TerminalDialogs& ui) {
    return std::to_string(ui.ask("Question", "Is it so?", kWhyButtons));
};
const Dialogue kAsk2 = [](TerminalDialogs& ui) {
    return std::to_string(ui.ask("Question", "Go on?", {"&Continue", "&Stop"}));
};
const Dialogue kRadio = [](TerminalDialogs& ui) {
    return std::to_string(ui.radio_choice({"Fact declaration mode", "Choose fact declaration mode!",
                                           "Menu  for choosing facts", "Querrying the user", 2}));
};
const Dialogue kPickFact = [](TerminalDialogs& ui) {
    return std::to_string(ui.pick_fact(kThreeFacts));
};
const Dialogue kPickFacts = [](TerminalDialogs& ui) { return joined(ui.pick_facts(kThreeFacts)); };
const Dialogue kPickLine = [](TerminalDialogs& ui) {
    const auto line = ui.pick_line({"Rules", "Pick a rule", {"rule 1", "rule 2"}});
    return line ? std::to_string(*line) : std::string("cancel");
};
const Dialogue kArgument = [](TerminalDialogs& ui) { return ui.argument_value("pressure"); };
const Dialogue kGetText = [](TerminalDialogs& ui) {
    return ui.get_text("Name", "Type a name", "boiler");
};
const Dialogue kNote = [](TerminalDialogs& ui) {
    ui.note("Attention!", "Load Rule Base first!");
    return std::string("shown");
};
const Dialogue kMessage = [](TerminalDialogs& ui) {
    ui.message_list("Facts:", {"pump is silent"});
    return std::string("shown");
};

struct Outcome {
    std::string result; // "closed" when the dialogue ended the program
    std::string output;
};

Outcome run_dialogue(const Dialogue& dialogue, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    Outcome run;
    try {
        run.result = dialogue(ui);
    } catch (const ProgramClosed&) {
        run.result = "closed";
    }
    ui.io().flush();
    run.output = out.str();
    return run;
}

int count_of(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) {
        ++count;
    }
    return count;
}

TEST(TerminalDialogs, AnswerLines) {
    struct Case {
        const char* what;
        Dialogue dialogue;
        std::string input;
        std::string result;
        int complaints = 0;        // lines saying what is expected
        std::string question = {}; // the close question, when "!end" asked it
    };
    const std::string wish = "Do you really wish to close the program?";
    const std::string wich = "Do you really wich to close the program?";
    const Case cases[] = {
        {"yes", kYesNo, "y\n", "yes"},
        {"YES any case", kYesNo, " YES \n", "yes"},
        {"no", kYesNo, "No\n", "no"},
        {"empty is Yes", kYesNo, "\n", "yes"},
        {"not an answer", kYesNo, "maybe\nyess\nn\n", "no", 2},
        {"end of input", kYesNo, "", "closed"},
        {"button position", kAsk3, "2\n", "2"},
        {"caption without &", kAsk3, "why?\n", "3"},
        {"caption any case", kAsk3, "  YES\n", "1"},
        {"empty closes: last of 3", kAsk3, "\n", "3"},
        {"empty closes: last of 2", kAsk2, "\n", "2"},
        {"no such button", kAsk3, "4\n0\n&yes\nmaybe\nno\n", "2", 4},
        {"y for the Yes button", kAsk3, "y\n", "1"},
        {"n for the No button", kAsk3, " N \n", "2"},
        {"y and n without Yes and No buttons", kAsk2, "y\nn\n2\n", "2", 2},
        {"radio empty keeps preselected", kRadio, "\n", "2"},
        {"radio picks", kRadio, " 1 \n", "1"},
        {"radio out of range", kRadio, "3\nx\n2\n", "2", 2},
        {"fact empty is first", kPickFact, "\n", "1"},
        {"fact position", kPickFact, "3\n", "3"},
        {"fact out of range", kPickFact, "0\n4\n1.5\nx\n2\n", "2", 4},
        {"fact End then No", kPickFact, "!end\nn\n2\n", "2", 0, wish},
        {"fact End then Yes", kPickFact, "!END\ny\n", "closed", 0, wish},
        {"fact End then input ends", kPickFact, "!end\n", "closed", 0, wish},
        {"facts empty is none", kPickFacts, "\n", ""},
        {"facts blanks and commas", kPickFacts, "3,1 1\n", "0,2"},
        {"facts with odd spacing", kPickFacts, " 2 , 3 \n", "1,2"},
        {"facts out of range", kPickFacts, "1;2\n1 4\n2\n", "1", 2},
        {"facts End then No", kPickFacts, "!end\nn\n1\n", "0", 0, wish},
        {"facts End then Enter", kPickFacts, "!end\n\n", "closed", 0, wish},
        {"line empty cancels", kPickLine, "\n", "cancel"},
        {"line position", kPickLine, "2\n", "2"},
        {"line out of range", kPickLine, "3\nend\n1\n", "1", 2},
        {"argument as typed", kArgument, "  12.5 \n", "  12.5 "},
        {"argument empty", kArgument, "\n", ""},
        {"argument End then No", kArgument, "!end\nn\n7\n", "7", 0, wich},
        {"argument End then Yes", kArgument, " !end\ny\n", "closed", 0, wich},
        {"argument decimal comma", kArgument, "1,5\n", "1,5"},
        {"argument not a number", kArgument, "abc\n1.2.3\n1,5,0\n1O\n 3e2 \n", " 3e2 ", 4},
        {"argument not a number, then End", kArgument, "abc\n!end\ny\n", "closed", 1, wich},
        {"text as typed", kGetText, " two  words \r\n", " two  words "},
        {"text empty is empty", kGetText, "\n", ""},
        {"text end of input", kGetText, "", "closed"},
        {"note reads no line", kNote, "", "shown"},
        {"message reads no line", kMessage, "", "shown"},
    };
    for (const auto& c : cases) {
        const Outcome run = run_dialogue(c.dialogue, c.input);
        EXPECT_EQ(run.result, c.result) << c.what;
        const int complaints =
            count_of(run.output, "\nPlease ") + count_of(run.output, "\nNot a number. Please ");
        EXPECT_EQ(complaints, c.complaints) << c.what << "\n" << run.output;
        if (!c.question.empty()) {
            EXPECT_NE(run.output.find("=== Question: Attention! ===\n" + c.question + "\n"),
                      std::string::npos)
                << c.what << "\n"
                << run.output;
        }
    }
}

TEST(TerminalDialogs, FileNamesAreTakenFromTheCurrentFolder) {
    const orve::test::TempTree folder;
    folder.write("RUboiler.EEB", "");
    folder.write("ruCar.eeb", "");
    folder.write("MOboiler.EEB", "");
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const auto open = [](TerminalDialogs& ui) {
        return ui.open_file("RU*.EEB", {{"Rule Base", "RU*.EEB"}}, "Load Rule Base");
    };
    const Outcome cancelled = run_dialogue(open, "\n");
    const Outcome relative = run_dialogue(open, "  RUboiler.EEB \n");
    const Outcome absolute = run_dialogue(open, "/tmp/RUx.EEB\n");
    std::filesystem::current_path(saved);

    EXPECT_EQ(cancelled.result, "");
    EXPECT_EQ(relative.result, (folder.path() / "RUboiler.EEB").string());
    EXPECT_EQ(absolute.result, "/tmp/RUx.EEB");
    // The offered files match the mask ignoring case.
    EXPECT_EQ(cancelled.output, "=== Open file: Load Rule Base ===\n"
                                "Filters: Rule Base (RU*.EEB)\n"
                                "Files matching RU*.EEB in " +
                                    folder.path().string() +
                                    ":\n"
                                    "  RUboiler.EEB\n"
                                    "  ruCar.eeb\n"
                                    "[file name, Enter = cancel]> \n");
}

TEST(TerminalDialogs, TranscriptSetsDialoguesOffFromMessageText) {
    std::istringstream in("\n!end\nno\n3\n2\n");
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    ui.set_main_title("orve_EE consults Knowledge Base BOILER");
    ui.msg_append("Rule base  RUboiler.EEB\r\n\thas been ");
    ui.msg_append("loaded! ");
    ui.note("Attention!", "Load Rule Base first!\nThen try again.");
    ui.msg_append("Rule 1 applies.\n");
    ui.msg_clear();
    ui.msg_append("Domy\xB9");
    ui.msg_clear();
    EXPECT_TRUE(ui.yes_no("Choose", "Do you wish to test the rule base \nfor redundancies?"));
    ui.msg_append("Fact: ");
    EXPECT_EQ(ui.pick_fact({"Pick a fact", "Which is true?", {"pump is silent", "pompa \x9C"}}), 2);
    ui.command_state_changed(10063, true);
    ui.show_list("Askable conditions", {"fuse is blown", "pump is silent"});
    ui.message_list("Established facts:", {"fuse is blown"});
    ui.io().flush();

    EXPECT_EQ(out.str(), "[title] orve_EE consults Knowledge Base BOILER\n"
                         "Rule base  RUboiler.EEB\r\n\thas been loaded! \n"
                         "=== Note: Attention! ===\n"
                         "Load Rule Base first!\n"
                         "Then try again.\n"
                         "=== end of note ===\n"
                         "Rule 1 applies.\n"
                         "----- message window cleared -----\n"
                         "Domyą\n"
                         "----- message window cleared -----\n"
                         "=== Question: Choose ===\n"
                         "Do you wish to test the rule base \n"
                         "for redundancies?\n"
                         "[y/n, Enter = Yes]> \n"
                         "Fact: \n"
                         "=== Pick a fact: Pick a fact ===\n"
                         "Which is true?\n"
                         "  1 = pump is silent\n"
                         "  2 = pompa ś\n"
                         "[1-2 or !end, Enter = 1]> !end\n"
                         "=== Question: Attention! ===\n"
                         "Do you really wish to close the program?\n"
                         "[y/n, Enter = Yes]> no\n"
                         "[1-2 or !end, Enter = 1]> 3\n"
                         "Please type a line number from 1 to 2, or !end.\n"
                         "[1-2 or !end, Enter = 1]> 2\n"
                         "=== Inspection of askables: Askable conditions ===\n"
                         "fuse is blown\n"
                         "pump is silent\n"
                         "=== end of inspection of askables ===\n"
                         "=== Message ===\n"
                         "Established facts:\n"
                         "  fuse is blown\n"
                         "=== end of message ===\n");
}

TEST(TerminalDialogs, InteractiveInputIsNotEchoed) {
    std::istringstream in("n\n");
    std::ostringstream out;
    TerminalDialogs ui(in, out, true);
    EXPECT_FALSE(ui.yes_no("Attention!", "Do you really wish to close the program?"));
    ui.msg_append("still running\n");
    ui.io().flush();
    EXPECT_EQ(out.str(), "=== Question: Attention! ===\n"
                         "Do you really wish to close the program?\n"
                         "[y/n, Enter = Yes]> still running\n");
}

} // namespace
} // namespace orve::cli
