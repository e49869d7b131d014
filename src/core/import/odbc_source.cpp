#include "import/odbc_source.hpp"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <array>
#include <utility>

namespace orve {

namespace {

// A cell longer than this is cut: a table must not exhaust memory.
constexpr std::size_t kMaxCellBytes = 64 * 1024;

// One ODBC handle, freed when destroyed.
class Handle {
  public:
    Handle() = default;
    Handle(SQLSMALLINT type, SQLHANDLE parent) { allocate(type, parent); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (handle_ != SQL_NULL_HANDLE) {
            SQLFreeHandle(type_, handle_);
        }
    }
    // Allocates the handle once; false when the driver manager refused it.
    bool allocate(SQLSMALLINT type, SQLHANDLE parent) {
        type_ = type;
        if (handle_ == SQL_NULL_HANDLE && !SQL_SUCCEEDED(SQLAllocHandle(type, parent, &handle_))) {
            handle_ = SQL_NULL_HANDLE;
        }
        return handle_ != SQL_NULL_HANDLE;
    }
    SQLHANDLE get() const { return handle_; }
    SQLSMALLINT type() const { return type_; }
    explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }

  private:
    SQLSMALLINT type_ = 0;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// The diagnostic records of the last call on `handle`, one per line.
std::string diagnostics(const Handle& handle) {
    std::string text;
    for (SQLSMALLINT record = 1;; ++record) {
        std::array<SQLCHAR, 6> state{};
        std::array<SQLCHAR, SQL_MAX_MESSAGE_LENGTH> message{};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(SQLGetDiagRec(handle.type(), handle.get(), record, state.data(), &native,
                                         message.data(), static_cast<SQLSMALLINT>(message.size()),
                                         &length))) {
            break;
        }
        if (!text.empty()) {
            text += "\n";
        }
        text += "[" + std::string(reinterpret_cast<const char*>(state.data())) + "] " +
                std::string(reinterpret_cast<const char*>(message.data()));
    }
    return text.empty() ? "(the driver gave no diagnostics)" : text;
}

// An environment for ODBC 3 calls.
bool open_environment(Handle& environment) {
    return environment.allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE) &&
           SQL_SUCCEEDED(SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION,
                                       reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0));
}

// Reads one column of the current row as text, in parts when it is long.
std::string read_cell(SQLHSTMT statement, SQLUSMALLINT column) {
    std::string cell;
    std::array<char, 256> buffer{};
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN result =
            SQLGetData(statement, column, SQL_C_CHAR, buffer.data(), buffer.size(), &indicator);
        if (result == SQL_NO_DATA) {
            return cell;
        }
        if (!SQL_SUCCEEDED(result)) {
            return kErrorLoading;
        }
        if (indicator == SQL_NULL_DATA) {
            return "";
        }
        // A part that filled the buffer says so with a warning; the rest follows.
        const bool more =
            result == SQL_SUCCESS_WITH_INFO &&
            (indicator == SQL_NO_TOTAL || static_cast<std::size_t>(indicator) >= buffer.size());
        cell += more ? std::string(buffer.data(), buffer.size() - 1) : std::string(buffer.data());
        if (!more || cell.size() >= kMaxCellBytes) {
            return cell;
        }
    }
}

} // namespace

struct OdbcConnection::Handles {
    Handle environment;
    Handle connection;
    bool connected = false;

    ~Handles() {
        if (connected) {
            SQLDisconnect(connection.get());
        }
    }
};

std::vector<std::string> data_source_names() {
    std::vector<std::string> names;
    Handle environment;
    if (!open_environment(environment)) {
        return names;
    }
    // Wider than SQL_MAX_DSN_LENGTH: unixODBC takes longer names.
    std::array<SQLCHAR, 256> name{};
    std::array<SQLCHAR, 256> description{};
    SQLSMALLINT name_length = 0;
    SQLSMALLINT description_length = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(
        SQLDataSources(environment.get(), direction, name.data(),
                       static_cast<SQLSMALLINT>(name.size()), &name_length, description.data(),
                       static_cast<SQLSMALLINT>(description.size()), &description_length))) {
        names.emplace_back(reinterpret_cast<const char*>(name.data()));
        direction = SQL_FETCH_NEXT;
    }
    return names;
}

OdbcConnection::OdbcConnection(std::unique_ptr<Handles> handles) : handles_(std::move(handles)) {}
OdbcConnection::OdbcConnection(OdbcConnection&&) noexcept = default;
OdbcConnection& OdbcConnection::operator=(OdbcConnection&&) noexcept = default;
OdbcConnection::~OdbcConnection() = default;

std::optional<OdbcConnection> OdbcConnection::open(const std::string& source, std::string& error) {
    auto handles = std::make_unique<Handles>();
    if (!open_environment(handles->environment)) {
        error = "The ODBC driver manager could not be started.";
        return std::nullopt;
    }
    if (!handles->connection.allocate(SQL_HANDLE_DBC, handles->environment.get())) {
        error = diagnostics(handles->environment);
        return std::nullopt;
    }
    std::string name = source;
    SQLCHAR empty[] = "";
    const SQLRETURN result =
        SQLConnect(handles->connection.get(), reinterpret_cast<SQLCHAR*>(name.data()), SQL_NTS,
                   empty, SQL_NTS, empty, SQL_NTS);
    if (!SQL_SUCCEEDED(result)) {
        error = diagnostics(handles->connection);
        return std::nullopt;
    }
    handles->connected = true;
    return OdbcConnection(std::move(handles));
}

std::optional<std::vector<std::string>> OdbcConnection::table_names(std::string& error) {
    Handle statement(SQL_HANDLE_STMT, handles_->connection.get());
    if (!statement) {
        error = diagnostics(handles_->connection);
        return std::nullopt;
    }
    SQLCHAR type[] = "TABLE";
    if (!SQL_SUCCEEDED(
            SQLTables(statement.get(), nullptr, 0, nullptr, 0, nullptr, 0, type, SQL_NTS))) {
        error = diagnostics(statement);
        return std::nullopt;
    }
    std::vector<std::string> names;
    SQLRETURN fetched = SQL_SUCCESS;
    while (SQL_SUCCEEDED(fetched = SQLFetch(statement.get()))) {
        names.push_back(read_cell(statement.get(), 3));
    }
    if (fetched != SQL_NO_DATA) {
        error = diagnostics(statement);
        return std::nullopt;
    }
    return names;
}

std::optional<std::vector<TextRow>> OdbcConnection::query(const std::string& sql,
                                                          std::size_t columns, std::string& error) {
    Handle statement(SQL_HANDLE_STMT, handles_->connection.get());
    if (!statement) {
        error = diagnostics(handles_->connection);
        return std::nullopt;
    }
    std::string text = sql;
    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(
            SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS)) ||
        !SQL_SUCCEEDED(SQLNumResultCols(statement.get(), &count))) {
        error = diagnostics(statement);
        return std::nullopt;
    }
    const std::size_t read = std::min(columns, static_cast<std::size_t>(count));
    std::vector<TextRow> rows;
    SQLRETURN fetched = SQL_SUCCESS;
    while (SQL_SUCCEEDED(fetched = SQLFetch(statement.get()))) {
        TextRow row(columns);
        for (std::size_t column = 0; column < read; ++column) {
            row[column] = read_cell(statement.get(), static_cast<SQLUSMALLINT>(column + 1));
        }
        rows.push_back(std::move(row));
    }
    if (fetched != SQL_NO_DATA) {
        error = diagnostics(statement);
        return std::nullopt;
    }
    return rows;
}

} // namespace orve
