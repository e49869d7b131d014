// The terminal hands its text to the output stream as the stream's own write
// would, whatever the state of the stream.
#include "terminal_dialogs.hpp"

#include <algorithm>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

// Takes `room` characters in all and refuses the rest, as a full disk does.
class ShortBuffer : public std::stringbuf {
  public:
    explicit ShortBuffer(std::streamsize room) : room_(room) {}

  protected:
    std::streamsize xsputn(const char* text, std::streamsize size) override {
        const std::streamsize taken = std::min(size, room_);
        room_ -= taken;
        return std::stringbuf::xsputn(text, taken);
    }

  private:
    std::streamsize room_;
};

TEST(TerminalStream, TextReachesTheStreamAsTheStreamsOwnWriteWouldPutIt) {
    struct Case {
        const char* what;
        std::streamsize room; // of the stream buffer
        std::function<void(std::ostream&)> prepare;
    };
    std::ostringstream other;
    const std::vector<Case> cases{
        {"in good order", 100, [](std::ostream&) {}},
        {"flushed after each insertion", 100, [](std::ostream& s) { s.setf(std::ios::unitbuf); }},
        {"tied to another", 100, [&](std::ostream& s) { s.tie(&other); }},
        {"failed before", 100, [](std::ostream& s) { s.setstate(std::ios::failbit); }},
        {"full", 3, [](std::ostream&) {}},
        {"full, failures throw", 3, [](std::ostream& s) { s.exceptions(std::ios::badbit); }},
    };
    const std::string text = "pump runs\n";
    for (const auto& c : cases) {
        ShortBuffer terminal_buffer(c.room);
        ShortBuffer plain_buffer(c.room);
        std::ostream terminal_stream(&terminal_buffer);
        std::ostream plain_stream(&plain_buffer);
        c.prepare(terminal_stream);
        c.prepare(plain_stream);
        std::istringstream in;
        TerminalDialogs ui(in, terminal_stream, false);
        bool terminal_threw = false;
        bool plain_threw = false;
        try {
            ui.msg_append(text);
        } catch (const std::ios::failure&) {
            terminal_threw = true;
        }
        try {
            plain_stream.write(text.data(), static_cast<std::streamsize>(text.size()));
        } catch (const std::ios::failure&) {
            plain_threw = true;
        }
        EXPECT_EQ(terminal_buffer.str(), plain_buffer.str()) << c.what;
        EXPECT_EQ(terminal_stream.rdstate(), plain_stream.rdstate()) << c.what;
        EXPECT_EQ(terminal_threw, plain_threw) << c.what;
    }
}

} // namespace
} // namespace orve::cli
