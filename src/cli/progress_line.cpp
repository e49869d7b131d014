#include "progress_line.hpp"

#include <algorithm>

namespace orve::cli {

void ProgressLine::begin(const std::string& title) {
    hide();
    title_ = title;
    running_ = true;
}

std::string ProgressLine::text(long long done, long long total) const {
    std::string line = title_ + ": " + std::to_string(done);
    if (total > 0) {
        line += " of " + std::to_string(total);
    }
    return line;
}

void ProgressLine::step(long long done, long long total) {
    if (err_ == nullptr || !running_) {
        return;
    }
    // A large base reports many steps: the line changes only every tenth of
    // a percent, or with each step of an unknown total.
    const long long permille = total > 0 ? done * 1000 / total : done;
    if (shown_width_ != 0 && permille == shown_permille_) {
        return;
    }
    const std::string line = text(done, total);
    out_.flush();
    std::string drawn = "\r" + line;
    if (line.size() < shown_width_) {
        drawn += std::string(shown_width_ - line.size(), ' ');
    }
    *err_ << drawn << std::flush;
    shown_width_ = std::max(shown_width_, line.size());
    shown_permille_ = permille;
}

void ProgressLine::end() {
    hide();
    running_ = false;
}

void ProgressLine::hide() {
    if (err_ == nullptr || shown_width_ == 0) {
        return;
    }
    *err_ << '\r' << std::string(shown_width_, ' ') << '\r' << std::flush;
    shown_width_ = 0;
    shown_permille_ = -1;
}

} // namespace orve::cli
