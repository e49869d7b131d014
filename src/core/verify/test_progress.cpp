#include "verify/test_progress.hpp"

namespace orve {

TestProgress::TestProgress(Dialogs& ui, const std::string& title) : ui_(&ui) {
    ui.progress_begin(title);
}

TestProgress::~TestProgress() {
    if (ui_ != nullptr) {
        ui_->progress_end();
    }
}

void TestProgress::reach(long long done, long long total) {
    done_ = done;
    total_ = total;
    ticks_ = 0;
    ask();
}

void TestProgress::tick() {
    if (++ticks_ >= kTickStride) {
        ticks_ = 0;
        ask();
    }
}

void TestProgress::ask() {
    if (ui_ != nullptr && !ui_->progress_step(done_, total_)) {
        throw TestCancelled{};
    }
}

TestProgress& no_progress() {
    // Without a front end nothing is reported, so one shared instance serves.
    static TestProgress none;
    return none;
}

} // namespace orve
