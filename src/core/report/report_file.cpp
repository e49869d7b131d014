#include "report/report_file.hpp"

#include "kb/base_schemas.hpp"
#include "kb/clause_reader.hpp"
#include "kb/clause_writer.hpp"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace orve {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string write_error(const std::string& path, const std::string& reason) {
    return "Cannot write file " + path + ": " + reason;
}

std::string errno_text(int error) {
    return std::generic_category().message(error == 0 ? EIO : error);
}

// Creates a new file beside the target, never opening one that already exists.
std::FILE* open_temporary(const fs::path& target, fs::path& temp, int& error) {
    const std::string base = "." + target.filename().string() + ".tmp";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target.parent_path() / (base + (attempt == 0 ? "" : std::to_string(attempt)));
        if (std::FILE* file = std::fopen(temp.string().c_str(), "wbx")) {
            return file;
        }
        error = errno;
        if (error != EEXIST) {
            return nullptr;
        }
    }
    return nullptr;
}

// Writes, flushes and closes; the errno of the first failure, 0 on success.
int write_and_close(std::FILE* file, const std::string& contents) {
    errno = 0;
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    const bool flushed = written && std::fflush(file) == 0;
    int error = flushed ? 0 : (errno == 0 ? EIO : errno);
    if (std::fclose(file) != 0 && error == 0) {
        error = errno == 0 ? EIO : errno;
    }
    return error;
}

} // namespace

std::string report_file_text(const std::string& report) {
    return write_clause(Clause{"tekst_raportu", {report}, 0}) + "\n";
}

namespace {

// Why a read that did not give exactly one report clause is no report file.
std::string not_a_report_reason(const ReadResult& result) {
    if (result.error) {
        const auto kind = kind_with_clause(result.error->unknown_clause);
        if (result.error->code == kUnknownClause && kind) {
            return std::string("It is a ") + base_kind_name(*kind) + " (line " +
                   std::to_string(result.error->line) + ": '" + result.error->unknown_clause +
                   "').";
        }
        return located_message(*result.error) + ".";
    }
    if (result.empty_lines) {
        return "Line " + std::to_string(result.empty_line) + " is empty.";
    }
    if (result.clauses.empty()) {
        return "It is empty.";
    }
    return "It holds " + std::to_string(result.clauses.size()) +
           " reports; a report file holds one.";
}

} // namespace

std::optional<std::string> parse_report_file(const std::string& contents, std::string* why) {
    static const ClauseSchema schema{{"tekst_raportu", {ArgType::Text}}};
    ReadResult result = read_clauses(contents, schema);
    if (!result.ok() || result.clauses.size() != 1) {
        if (why != nullptr) {
            *why = not_a_report_reason(result);
        }
        return std::nullopt;
    }
    return std::get<std::string>(result.clauses.front().args.front());
}

std::optional<std::string> write_file_atomically(const std::string& path,
                                                 const std::string& contents) {
    const fs::path target(path);
    fs::path temp;
    int error = 0;
    std::FILE* file = open_temporary(target, temp, error);
    if (file == nullptr) {
        return write_error(path, errno_text(error));
    }
    std::error_code ignored;
    error = write_and_close(file, contents);
    if (error != 0) {
        fs::remove(temp, ignored);
        return write_error(path, errno_text(error));
    }
    std::error_code renamed;
    fs::rename(temp, target, renamed);
    if (renamed) {
        fs::remove(temp, ignored);
        return write_error(path, renamed.message());
    }
    return std::nullopt;
}

std::optional<std::string> read_whole_file(const std::string& path) {
    const FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string contents;
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        contents.append(buffer, n);
    }
    if (std::ferror(file.get()) != 0) {
        return std::nullopt;
    }
    return contents;
}

} // namespace orve
