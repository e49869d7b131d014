// Makes writes beyond a size fail (as on a full disk) while it lives. Works
// for any user, root included, unlike a read-only folder.
#pragma once

#include <csignal>

#include <sys/resource.h>

namespace orve::test {

class WriteLimit {
  public:
    explicit WriteLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        // A write past the limit then fails with EFBIG instead of ending the test.
        saved_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~WriteLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, saved_signal_);
    }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

  private:
    rlimit saved_{};
    void (*saved_signal_)(int) = nullptr;
};

} // namespace orve::test
