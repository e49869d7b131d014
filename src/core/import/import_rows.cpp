#include "import/import_rows.hpp"

#include "models/model_operations.hpp"

#include <algorithm>
#include <cctype>

namespace orve {

namespace {

constexpr const char* kFactKind = "fact";
constexpr const char* kArgumentKind = "argument_known";

bool usable(const std::string& cell) {
    return !cell.empty() && cell != kErrorLoading;
}

std::string cell(const TextRow& row, std::size_t column) {
    return column < row.size() ? row[column] : std::string();
}

void import_argument(RowImport& result, std::size_t row_number, const std::string& name,
                     std::string value_text) {
    std::replace(value_text.begin(), value_text.end(), ',', '.');
    const auto value = text_to_real(value_text);
    if (!value) {
        result.bad_values.push_back({row_number, name, value_text});
        return;
    }
    result.arguments.push_back({name, *value});
    result.argument_lines.push_back(name + " = " + value_text);
}

// Bytes a bare table name may hold; any other byte needs the brackets. Bytes
// above 127 are the letters of national alphabets.
bool plain_name_byte(unsigned char byte) {
    return byte >= 128 || std::isalnum(byte) != 0 || byte == '_';
}

} // namespace

RowImport import_rows(const std::vector<TextRow>& rows) {
    RowImport result;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const TextRow& row = rows[index];
        const std::string kind = cell(row, 0);
        const std::string name = cell(row, 1);
        if (kind == kFactKind && usable(name)) {
            result.facts.push_back(name);
        } else if (kind == kArgumentKind && usable(name) && usable(cell(row, 2))) {
            import_argument(result, index + 1, name, cell(row, 2));
        }
    }
    return result;
}

std::optional<std::string> table_query(const std::string& table) {
    if (table.empty() || table.find_first_of(std::string("]\0", 2)) != std::string::npos) {
        return std::nullopt;
    }
    const bool plain = std::isdigit(static_cast<unsigned char>(table[0])) == 0 &&
                       std::all_of(table.begin(), table.end(), [](char byte) {
                           return plain_name_byte(static_cast<unsigned char>(byte));
                       });
    return "SELECT * FROM " + (plain ? table : "[" + table + "]");
}

} // namespace orve
