// The record browser on a terminal: the number list and the counts, then one
// clause number per line, each answered with that clause's fields, until an
// empty line closes the browser.
#include "answer_parsing.hpp"
#include "terminal_dialogs.hpp"

#include <charconv>

namespace orve::cli {

namespace {

// A whole decimal number, optionally negative, and nothing else.
std::optional<int> parse_number(const std::string& line) {
    int value = 0;
    const char* end = line.data() + line.size();
    const auto [stop, error] = std::from_chars(line.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

void TerminalDialogs::browse_records(const RecordBrowser& browser) {
    io_.begin_block("Record browser", browser.title);
    io_.write_text(browser_header_text(browser));
    for (;;) {
        const std::string line = trim(io_.read_line("[number from the list, Enter = close]> "));
        if (line.empty()) {
            break;
        }
        const auto number = parse_number(line);
        const BrowserRecord* record = number ? browser.find(*number) : nullptr;
        if (record == nullptr) {
            io_.write_line(number ? std::to_string(*number) +
                                        " is not in the list. Please type a number from the "
                                        "list, or an empty line to close."
                                  : "Please type a number from the list, or an empty line to "
                                    "close.");
            continue;
        }
        io_.write_line("--- " + browser.number_label + " " + std::to_string(*number) + " ---");
        io_.write_text(record_as_text(*record));
    }
    io_.end_block("record browser");
}

} // namespace orve::cli
