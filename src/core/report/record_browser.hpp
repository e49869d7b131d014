// The data of a record browser window: the numbers of all clauses of one kind,
// their counts, and the labelled fields of each clause. Free of any window, so
// that every front end can show it in its own way.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orve {

// One labelled field of a clause: a single value, or a list shown one element
// per row.
struct BrowserField {
    std::string label;
    std::vector<std::string> values;
    bool is_list = false;
};

// The fields of one clause in the order the browser shows them.
using BrowserRecord = std::vector<BrowserField>;

// A count shown beside the number list, e.g. "Overall number of rules".
struct BrowserCount {
    std::string label;
    std::size_t count = 0;
};

struct RecordBrowser {
    std::string title;        // the window title
    std::string heading;      // a heading such as "LINEAR MODEL"; empty when none
    std::string formula;      // the formula shown under the heading; empty when none
    std::string number_label; // caption of the number list, e.g. "Rule number"
    std::vector<int> numbers; // clause numbers in table order, repeats kept
    std::vector<BrowserCount> counts;
    std::vector<BrowserRecord> records; // records[i] holds the fields of clause i

    // The fields of the first clause in table order with this number (a repeated
    // number always shows its first clause); null when no clause has it.
    const BrowserRecord* find(int number) const;
};

// The fields of one clause as text lines: "label: value" for a single value;
// for a list the label on a line of its own and every element indented below.
std::string record_as_text(const BrowserRecord& record);

// The heading, formula, number list and counts of a browser as text lines.
std::string browser_header_text(const RecordBrowser& browser);

// The whole browser as text: the header, then every clause under its number.
std::string browser_as_text(const RecordBrowser& browser);

} // namespace orve
