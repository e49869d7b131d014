// A thin wrapper of the ODBC call-level interface: the data source names of the
// driver manager, one connection with its table names and the text cells of a
// query. Every failure carries the driver's own diagnostic text.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orve {

// The cells of one row as text: a NULL is the empty text, a cell that could not
// be read is `kErrorLoading`.
using TextRow = std::vector<std::string>;

// Stands for a cell whose value could not be read.
inline constexpr const char* kErrorLoading = "<Error loading>";

// The names of every data source the driver manager knows, first to last.
std::vector<std::string> data_source_names();

// One open connection to a data source; closed and freed when destroyed.
class OdbcConnection {
  public:
    // Connects with an empty user name and password; nothing and the
    // diagnostics in `error` when the data source cannot be connected.
    static std::optional<OdbcConnection> open(const std::string& source, std::string& error);

    OdbcConnection(OdbcConnection&&) noexcept;
    OdbcConnection& operator=(OdbcConnection&&) noexcept;
    ~OdbcConnection();

    // The names of the tables of type "TABLE", in the driver's order.
    std::optional<std::vector<std::string>> table_names(std::string& error);
    // Runs `sql` and reads every row whole, keeping its first `columns` cells
    // (missing columns read as empty). A failure at any row gives nothing.
    std::optional<std::vector<TextRow>> query(const std::string& sql, std::size_t columns,
                                              std::string& error);

  private:
    struct Handles;
    explicit OdbcConnection(std::unique_ptr<Handles> handles);
    std::unique_ptr<Handles> handles_;
};

} // namespace orve
