#include "report/record_browser.hpp"

namespace orve {

namespace {

// Labels of list fields carry blanks around them (they caption a frame); a
// text line shows them without.
std::string trimmed(const std::string& label) {
    const auto first = label.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return label.substr(first, label.find_last_not_of(' ') - first + 1);
}

// "label:" followed by " value" unless the value is empty, so no line ends in a blank.
std::string labelled(const std::string& label, const std::string& value) {
    return trimmed(label) + ":" + (value.empty() ? "" : " " + value) + "\n";
}

} // namespace

const BrowserRecord* RecordBrowser::find(int number) const {
    for (std::size_t i = 0; i < numbers.size() && i < records.size(); ++i) {
        if (numbers[i] == number) {
            return &records[i];
        }
    }
    return nullptr;
}

std::string record_as_text(const BrowserRecord& record) {
    std::string text;
    for (const BrowserField& field : record) {
        if (!field.is_list) {
            text += labelled(field.label, field.values.empty() ? "" : field.values.front());
            continue;
        }
        text += labelled(field.label, "");
        for (const std::string& value : field.values) {
            text += "    " + value + "\n";
        }
    }
    return text;
}

std::string browser_header_text(const RecordBrowser& browser) {
    std::string text;
    if (!browser.heading.empty()) {
        text += browser.heading + "\n";
    }
    if (!browser.formula.empty()) {
        text += browser.formula + "\n";
    }
    std::string numbers;
    for (const int number : browser.numbers) {
        numbers += (numbers.empty() ? "" : " ") + std::to_string(number);
    }
    text += labelled(browser.number_label, numbers);
    for (const BrowserCount& count : browser.counts) {
        text += labelled(count.label, std::to_string(count.count));
    }
    return text;
}

std::string browser_as_text(const RecordBrowser& browser) {
    std::string text = browser_header_text(browser);
    for (std::size_t i = 0; i < browser.numbers.size() && i < browser.records.size(); ++i) {
        text += "\n" + labelled(browser.number_label, std::to_string(browser.numbers[i]));
        // A repeated number shows its first clause, as picking it in the browser does.
        text += record_as_text(*browser.find(browser.numbers[i]));
    }
    return text;
}

} // namespace orve
