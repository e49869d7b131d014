#include "verify/test_offer.hpp"

namespace orve {

bool offer_test(Dialogs& ui, const std::string& explanation, const std::string& question,
                const std::function<bool()>& inform) {
    ui.msg_append(explanation);
    if (!ui.yes_no("Choose", question)) {
        return true;
    }
    return inform();
}

} // namespace orve
