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
            ui.io().pass_on();
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

// Text is held until a read, a flush or the end, and then comes whole and in
// order; a stream that refuses it throws at the flush, as its write would.
TEST(TerminalStream, HeldTextGoesOnBeforeEachReadAndAtTheEnd) {
    std::istringstream in("y\n");
    std::ostringstream out;
    {
        TerminalDialogs ui(in, out, false);
        ui.msg_append("pump runs\n");
        EXPECT_EQ(out.str(), "");
        EXPECT_TRUE(ui.yes_no("Choose", "Go on?"));
        EXPECT_EQ(out.str().rfind("pump runs\n=== Question: Choose ===\n", 0), 0U) << out.str();
        ui.msg_append("fan runs\n");
    }
    EXPECT_EQ(out.str().substr(out.str().size() - 9), "fan runs\n");

    ShortBuffer full(3);
    std::ostream refusing(&full);
    refusing.exceptions(std::ios::badbit);
    {
        TerminalDialogs ui(in, refusing, false);
        ui.msg_append("pump runs\n");
        EXPECT_THROW(ui.io().flush(), std::ios::failure);
        refusing.clear();
    }
    EXPECT_EQ(full.str(), "pum");
}

} // namespace
} // namespace orve::cli
