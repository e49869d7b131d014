// The save dialogue of the report buffer and the "Report inspection" command.
#include "report/report_save.hpp"

#include "kb/file_access.hpp"
#include "kb/unreadable_reason.hpp"
#include "report/report_file.hpp"

#include <filesystem>

namespace orve {

namespace {

// The file name without its folder, as notes show it.
std::string file_name_only(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

bool raport(ReportWriter& out) {
    Dialogs& ui = out.ui();
    out.plain(" Do you wish to save the report?  ");
    // Closing the dialogue answers with the last button, i.e. "&No".
    if (ui.ask("Report of chaining/diagnosing", "Do you wish to save the report?",
               {"&Yes", "&No"}) != 1) {
        return true;
    }
    out.plain(" Declare name of report (*.RPT): ");
    const std::string path = ui.save_file("*.RPT", {{"Report Files (*.RPT)", "*.RPT"}},
                                          "Declare name of report (*.RPT)");
    if (path.empty()) {
        return false;
    }
    if (const auto error = write_file_atomically(path, report_file_text(out.buffer().text))) {
        ui.note("Attention error!", "The report could not be saved:\n" + *error);
        return false;
    }
    out.plain("\n Report " + path + " has been saved.\n\n\n");
    ui.note("Attention!", "Report " + file_name_only(path) + "  has been saved.");
    return true;
}

bool report_inspection(ReportWriter& out) {
    Dialogs& ui = out.ui();
    const std::string path =
        ui.open_file("*.rpt", {{"Report Files (*.rpt)", "*.rpt"}}, "Pick Report to be Inspected! ");
    if (path.empty()) {
        return false;
    }
    const std::string name = file_name_only(path);
    // The buffer is emptied before reading: a file that cannot be read leaves
    // no report behind rather than the one of the last run.
    kasowanie_tekst_raportu(out.buffer());
    const FileText contents = read_regular_file(path);
    if (!contents.text) {
        ui.note("Attention error!",
                contents.refusal.empty()
                    ? "The report " + name + " could not be read.\n" + unreadable_reason(path) + "."
                    : contents.refusal);
        return false;
    }
    std::string why;
    auto text = parse_report_file(*contents.text, &why);
    if (!text) {
        ui.note("Attention error!", "The file " + name + " is not a report file.\n" + why);
        return false;
    }
    out.buffer().text = std::move(*text);
    ui.show_text("Report inspection: " + name, out.buffer().text);
    return true;
}

} // namespace orve
