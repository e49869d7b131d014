#include "report/detail_level.hpp"

namespace orve {

void ask_level_of_detail(ReportBuffer& buffer, Dialogs& ui) {
    kasowanie_szczegolowosc(buffer);
    const int answer = ui.radio_choice({"Level of detail", "Choose level of message/report detail",
                                        "Low level of detail", "High level of detail", 1});
    opcja_z_menu_szczegolowosci(buffer, answer == 2 ? 2 : 1);
}

} // namespace orve
