#include "import/import_command.hpp"

#include "import/import_rows.hpp"
#include "import/odbc_source.hpp"

namespace orve {

namespace {

// The error number of a value that is not a number.
constexpr int kBadValueError = 1;

// An ODBC failure ends the import: a line in the message window and a note,
// both with the driver's diagnostics.
bool odbc_failure(Dialogs& ui, const std::string& what, const std::string& diagnostics) {
    const std::string text = what + "\n" + diagnostics + "\nNothing has been imported.";
    ui.msg_append(text + "\n");
    ui.note("Attention error!", text);
    return false;
}

std::optional<std::string> pick(Dialogs& ui, const std::string& title, const std::string& prompt,
                                const std::vector<std::string>& lines) {
    const auto picked = ui.pick_line({title, prompt, lines});
    if (!picked || *picked < 1 || static_cast<std::size_t>(*picked) > lines.size()) {
        return std::nullopt;
    }
    return lines[static_cast<std::size_t>(*picked) - 1];
}

std::optional<std::string> choose_source(Dialogs& ui) {
    const auto sources = data_source_names();
    if (sources.empty()) {
        ui.note("Attention!", "No external data sources have been defined!");
        return std::nullopt;
    }
    return pick(ui, "External data sources", "Choose external data source", sources);
}

std::optional<std::string> choose_table(Dialogs& ui, OdbcConnection& connection,
                                        const std::string& source) {
    std::string error;
    const auto tables = connection.table_names(error);
    if (!tables) {
        odbc_failure(
            ui, "The tables of the external data source " + source + " cannot be listed:", error);
        return std::nullopt;
    }
    if (tables->empty()) {
        ui.note("Attention!", "The external data source " + source + " has no tables!");
        return std::nullopt;
    }
    return pick(ui, "Data from external data source", "Choose  data to be imported", *tables);
}

// Reads the whole table; nothing when the query failed.
std::optional<std::vector<TextRow>> load_rows(Dialogs& ui, OdbcConnection& connection,
                                              const std::string& table) {
    const auto query = table_query(table);
    if (!query) {
        ui.note("Attention error!", "The table name " + table +
                                        " contains the character ']' and cannot be quoted "
                                        "in a query.\nNothing has been imported.");
        return std::nullopt;
    }
    ui.msg_append(*query + "\n");
    ui.msg_append("--> Data loading From row 1 to row ");
    std::string error;
    auto rows = connection.query(*query, 3, error);
    if (!rows) {
        ui.msg_append("\n");
        odbc_failure(ui, "The query " + *query + " failed:", error);
        return std::nullopt;
    }
    ui.msg_append(std::to_string(rows->size()) + " ...Done\n");
    return rows;
}

void report_bad_values(Dialogs& ui, const std::vector<BadValue>& bad_values) {
    for (const auto& bad : bad_values) {
        ui.note("Attention error!", "Error: " + std::to_string(kBadValueError) + "\nThe value " +
                                        bad.text + " of the argument " + bad.name + " in row " +
                                        std::to_string(bad.row) +
                                        " is not a number: the row has been skipped.");
    }
}

void add_to_bases(AppState& state, const RowImport& imported) {
    auto& facts = state.kb.rule.facts;
    facts.insert(facts.end(), imported.facts.begin(), imported.facts.end());
    auto& known = state.kb.model.arguments_known;
    known.insert(known.end(), imported.arguments.begin(), imported.arguments.end());
}

} // namespace

bool import_from_data_source(AppState& state, Dialogs& ui) {
    if (!state.kb.rule.name) {
        return false;
    }
    const auto source = choose_source(ui);
    if (!source) {
        return false;
    }
    std::string error;
    auto connection = OdbcConnection::open(*source, error);
    if (!connection) {
        return odbc_failure(ui,
                            "The external data source " + *source + " cannot be connected:", error);
    }
    const auto table = choose_table(ui, *connection, *source);
    if (!table) {
        return false;
    }
    const auto rows = load_rows(ui, *connection, *table);
    if (!rows) {
        return false;
    }
    const RowImport imported = import_rows(*rows);
    report_bad_values(ui, imported.bad_values);
    add_to_bases(state, imported);
    if (imported.empty()) {
        ui.note("Attention!", "No data to be imported from external sources!");
        return true;
    }
    ui.show_sections("Imported facts inspection",
                     {{"Following facts have been imported to the Rule Base:", imported.facts},
                      {"Following argument values have been imported to the Model Base:",
                       imported.argument_lines}});
    set_command(state, ui, kImportCommand, false);
    return true;
}

} // namespace orve
