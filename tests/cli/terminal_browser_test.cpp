// The record browser on the terminal: the numbers typed, one per line, until an
// empty line closes it.
#include "report/dialogs.hpp"
#include "terminal_dialogs.hpp"

#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

// Two constraints share the number 2; the first one is shown for it.
RecordBrowser constraints() {
    RecordBrowser browser;
    browser.title = "Inspection of constraints";
    browser.number_label = "Constraint number";
    browser.numbers = {2, 5, 2};
    browser.counts = {{"Number of constraints", 3}};
    const auto conditions = [](std::vector<std::string> names) {
        return BrowserRecord{{" Mutually exclusive conditions ", std::move(names), true}};
    };
    browser.records = {conditions({"hot", "cold"}), conditions({"open", "closed"}),
                       conditions({"second", "two"})};
    return browser;
}

TEST(TerminalBrowser, ShowsEachNumberTypedUntilAnEmptyLine) {
    std::istringstream in(" 2 \n7\nseven\n5\n\nnot read\n");
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    ui.browse_records(constraints());
    ui.io().flush();
    EXPECT_EQ(out.str(),
              "=== Record browser: Inspection of constraints ===\n"
              "Constraint number: 2 5 2\n"
              "Number of constraints: 3\n"
              "[number from the list, Enter = close]>  2 \n"
              "--- Constraint number 2 ---\n"
              "Mutually exclusive conditions:\n"
              "    hot\n"
              "    cold\n"
              "[number from the list, Enter = close]> 7\n"
              "7 is not in the list. Please type a number from the list, or an empty line to "
              "close.\n"
              "[number from the list, Enter = close]> seven\n"
              "Please type a number from the list, or an empty line to close.\n"
              "[number from the list, Enter = close]> 5\n"
              "--- Constraint number 5 ---\n"
              "Mutually exclusive conditions:\n"
              "    open\n"
              "    closed\n"
              "[number from the list, Enter = close]> \n"
              "=== end of record browser ===\n");
}

TEST(TerminalBrowser, EndOfInputInsideTheBrowserEndsTheProgram) {
    std::istringstream in("2\n");
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    EXPECT_THROW(ui.browse_records(constraints()), ProgramClosed);
}

// A number too large for an integer is no number of the list, not a crash.
TEST(TerminalBrowser, OverlongNumbersAreRefused) {
    std::istringstream in("99999999999999999999\n2x\n\n");
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    ui.browse_records(constraints());
    EXPECT_NE(out.str().find("99999999999999999999\n"
                             "Please type a number from the list, or an empty line to close.\n"),
              std::string::npos);
    EXPECT_NE(out.str().find("2x\nPlease type a number"), std::string::npos);
}

} // namespace
} // namespace orve::cli
