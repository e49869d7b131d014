// The report buffer `tekst_raportu` and the writers through which report text
// reaches the message window and the buffer.
#pragma once

#include "report/dialogs.hpp"

#include <string>
#include <vector>

namespace orve {

enum class DetailLevel { Absent, Low, High };

struct ReportBuffer {
    std::string text;                         // `tekst_raportu`
    DetailLevel detail = DetailLevel::Absent; // `szczegolowosc`
    bool high_detail() const { return detail == DetailLevel::High; }
};

// Writes to the message window and, for the report writers, to the buffer too.
class ReportWriter {
  public:
    ReportWriter(ReportBuffer& buffer, Dialogs& ui) : buffer_(buffer), ui_(ui) {}

    void pisz(const std::string& text);
    void piszint(long long value);
    void piszreal(double value);
    void piszcr();
    // A plain write: message window only.
    void plain(const std::string& text);
    // `lista_dla_raportu`: appends the pieces to the buffer in one step.
    void lista_dla_raportu(const std::vector<std::string>& pieces);
    // Each element followed by "," and the last by "]"; empty: a line break only.
    void pisz_liste_dla_raportu_s(const std::vector<std::string>& items);
    // Each element followed by "," and the last by a line break; empty: two.
    void pisz_liste_dla_raportu_i(const std::vector<std::string>& items);

    ReportBuffer& buffer() { return buffer_; }
    Dialogs& ui() { return ui_; }

  private:
    // Appends one piece to the buffer: all of it or, when memory runs out, none.
    void append(const std::string& text);

    ReportBuffer& buffer_;
    Dialogs& ui_;
};

// `kasowanie_tekst_raportu`
void kasowanie_tekst_raportu(ReportBuffer& buffer);
// `opcja_z_menu_szczegolowosci`: 1 low, 2 high, 3 unchanged.
void opcja_z_menu_szczegolowosci(ReportBuffer& buffer, int option);
// `kasowanie_szczegolowosc`
void kasowanie_szczegolowosc(ReportBuffer& buffer);

} // namespace orve
