// An output stream that writes everything to another stream and keeps a copy,
// so that the transcript reaches the terminal while a session page is made of
// it.
#ifndef LEDGEWRIGHT_RUNNER_TEE_STREAM_H
#define LEDGEWRIGHT_RUNNER_TEE_STREAM_H

#include <ostream>
#include <streambuf>
#include <string>
#include <utility>

namespace runner {

class TeeStream : public std::ostream {
public:
    explicit TeeStream(std::ostream& out) : std::ostream(nullptr), buffer_(out.rdbuf()) { rdbuf(&buffer_); }
    // What was written since the last call.
    std::string TakeCopy() { return std::exchange(buffer_.copy, std::string()); }

private:
    struct Buffer : std::streambuf {
        explicit Buffer(std::streambuf* out) : out(out) {}
        int_type overflow(int_type c) override {
            if (traits_type::eq_int_type(c, traits_type::eof())) {
                return traits_type::not_eof(c);
            }
            copy += traits_type::to_char_type(c);
            return out->sputc(traits_type::to_char_type(c));
        }
        std::streamsize xsputn(const char* text, std::streamsize count) override {
            copy.append(text, static_cast<size_t>(count));
            return out->sputn(text, count);
        }
        int sync() override { return out->pubsync(); }
        std::streambuf* out;
        std::string copy;
    };
    Buffer buffer_;
};

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_TEE_STREAM_H
