#include "report/report_writer.hpp"

#include "report/number_format.hpp"

#include <algorithm>
#include <new>

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

// Makes room for a report of `needed` bytes. Past a small report the room
// grows to 32 megabytes at once and then four times over: the pages of
// such an allocation take memory only once written, so the room costs address
// space, while growing by doubling would copy the report and touch fresh pages
// again at every step. Should the large room be refused, the buffer doubles.
void make_room(std::string& buffer, std::size_t needed) {
    if (needed <= buffer.capacity()) {
        return;
    }
    constexpr std::size_t kSmall = std::size_t{64} << 10;
    constexpr std::size_t kLarge = std::size_t{32} << 20;
    const std::size_t doubled = std::max(needed, 2 * buffer.capacity());
    if (needed > kSmall) {
        try {
            buffer.reserve(std::max({needed, kLarge, 4 * buffer.capacity()}));
            return;
        } catch (const std::bad_alloc&) {
            // fall back to the smaller step below
        }
    }
    buffer.reserve(doubled);
}

} // namespace

void ReportWriter::append(const std::string& text) {
    // Same guarantee as below for a single piece, without building a list of one.
    make_room(buffer_.text, buffer_.text.size() + text.size());
    buffer_.text += text;
}

void ReportWriter::lista_dla_raportu(const std::vector<std::string>& pieces) {
    // Reserve first: if that fails the buffer is unchanged, and the appends
    // that follow cannot fail, so the buffer never holds a partial append.
    // Appending in place keeps long reports linear.
    std::size_t size = buffer_.text.size();
    for (const auto& piece : pieces) {
        size += piece.size();
    }
    make_room(buffer_.text, size);
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
