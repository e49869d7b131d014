// Progress of a long verification test, shown by the front end and cancellable
// by the user. A cancel unwinds the test by an exception that never leaves the
// test's entry point: `run_cancellable` catches it and puts back what the test
// had changed, so a cancelled test leaves no verdict.
#pragma once

#include "report/dialogs.hpp"

#include <string>
#include <tuple>

namespace orve {

// Thrown by `TestProgress` when the user asked to cancel the test.
struct TestCancelled {};

// The front end's progress indicator for one test. Outer loops report their
// position with `reach`; inner loops only `tick`, which asks the front end
// once every `kTickStride` ticks, so the indicator stays cheap.
class TestProgress {
  public:
    static constexpr long long kTickStride = 1000;

    // Reports nothing and never cancels: detections run without a front end.
    TestProgress() = default;
    // Shows the indicator titled `title` until destroyed.
    TestProgress(Dialogs& ui, const std::string& title);
    ~TestProgress();
    TestProgress(const TestProgress&) = delete;
    TestProgress& operator=(const TestProgress&) = delete;

    // `done` of `total` outer steps are finished; throws `TestCancelled` when
    // the user cancels.
    void reach(long long done, long long total);
    // One inner step; throws `TestCancelled` like `reach`.
    void tick();

  private:
    void ask();

    Dialogs* ui_ = nullptr;
    long long done_ = 0;
    long long total_ = 0;
    long long ticks_ = 0;
};

// A progress that reports nothing, the default of the detections.
TestProgress& no_progress();

// Runs `test(progress)` under an indicator titled `title`. True when it ran to
// its end; false when the user cancelled it, each of `kept` then being back as
// it was before the test.
template <class Test, class... Kept>
bool run_cancellable(Dialogs& ui, const std::string& title, Test&& test, Kept&... kept) {
    std::tuple<Kept...> before{kept...};
    try {
        TestProgress progress(ui, title);
        test(progress);
        return true;
    } catch (const TestCancelled&) {
        std::tie(kept...) = std::move(before);
        return false;
    }
}

} // namespace orve
