#include "report/report_writer.hpp"

#include "report/number_format.hpp"

#include <algorithm>

namespace orve {

void ReportWriter::pisz(const std::string& text) {
    ui_.msg_append(text);
    append(text);
}

void ReportWriter::piszint(long long value) {
    pisz(format_int(value));
}

void ReportWriter::piszreal(double value) {
    pisz(format_real(value));
}

void ReportWriter::piszcr() {
    pisz("\n");
}

void ReportWriter::plain(const std::string& text) {
    ui_.msg_append(text);
}

namespace {

// The capacity for a report of `needed` bytes that has `capacity` now. Past
// a small report the buffer jumps to several megabytes at once: the pages of
// such an allocation take memory only once written, so the room costs address
// space, while growing by doubling would copy the report and touch fresh
// pages again at every step.
std::size_t grown_capacity(std::size_t needed, std::size_t capacity) {
    constexpr std::size_t kSmall = std::size_t{64} << 10;
    constexpr std::size_t kLarge = std::size_t{8} << 20;
    const std::size_t doubled = 2 * capacity;
    return std::max(needed, needed <= kSmall ? doubled : std::max(doubled, kLarge));
}

} // namespace

void ReportWriter::append(const std::string& text) {
    // Same guarantee as below for a single piece, without building a list of one.
    std::string& buffer = buffer_.text;
    if (buffer.size() + text.size() > buffer.capacity()) {
        buffer.reserve(grown_capacity(buffer.size() + text.size(), buffer.capacity()));
    }
    buffer += text;
}

void ReportWriter::lista_dla_raportu(const std::vector<std::string>& pieces) {
    // Reserve first: if that fails the buffer is unchanged, and the appends
    // that follow cannot fail, so the buffer never holds a partial append.
    // Appending in place keeps long reports linear.
    std::size_t size = buffer_.text.size();
    for (const auto& piece : pieces) {
        size += piece.size();
    }
    if (size > buffer_.text.capacity()) {
        buffer_.text.reserve(grown_capacity(size, buffer_.text.capacity()));
    }
    for (const auto& piece : pieces) {
        buffer_.text += piece;
    }
}

void ReportWriter::pisz_liste_dla_raportu_s(const std::vector<std::string>& items) {
    if (items.empty()) {
        piszcr();
        return;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        pisz(items[i]);
        pisz(i + 1 < items.size() ? "," : "]");
    }
}

void ReportWriter::pisz_liste_dla_raportu_i(const std::vector<std::string>& items) {
    if (items.empty()) {
        piszcr();
        piszcr();
        return;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        pisz(items[i]);
        if (i + 1 < items.size()) {
            pisz(",");
        } else {
            piszcr();
        }
    }
}

void kasowanie_tekst_raportu(ReportBuffer& buffer) {
    buffer.text.clear();
}

void opcja_z_menu_szczegolowosci(ReportBuffer& buffer, int option) {
    if (option == 1) {
        kasowanie_szczegolowosc(buffer);
        buffer.detail = DetailLevel::Low;
    } else if (option == 2) {
        kasowanie_szczegolowosc(buffer);
        buffer.detail = DetailLevel::High;
    }
}

void kasowanie_szczegolowosc(ReportBuffer& buffer) {
    buffer.detail = DetailLevel::Absent;
}

} // namespace orve
