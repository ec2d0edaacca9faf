#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "xml/FileIO.h"

namespace vesk {

// The text the writer makes, handed to a sink as UTF-16LE one buffer at a
// time: a file of any size goes through a small buffer that stays in the
// cache, and no memory as large as the file is needed, nor its first
// touches of fresh pages. The writer puts millions of small pieces, so a
// piece is copied in a few moves of fixed size rather than through a call.
class XMLOutput {
public:
    explicit XMLOutput(ByteSink& sink)
        : sink_(sink),
          buffer_(std::make_unique_for_overwrite<char16_t[]>(kCapacity)),
          next_(buffer_.get()),
          end_(next_ + kCapacity) {}
    XMLOutput(const XMLOutput&) = delete;
    XMLOutput& operator=(const XMLOutput&) = delete;

    // Room for more characters, at most a buffer's worth, after those put.
    void Reserve(std::size_t more) {
        if (static_cast<std::size_t>(end_ - next_) < more) {
            Flush();
        }
    }
    // The Put...Reserved forms only write into room reserved before.
    void PutReserved(char16_t c) { *next_++ = c; }
    void PutReserved(const char16_t* text, std::size_t count) {
        Copy(next_, text, count);
        next_ += count;
    }
    void Put(char16_t c) {
        Reserve(1);
        PutReserved(c);
    }
    void Put(std::u16string_view text) {
        if (text.size() > kCapacity / 2) {
            PutLong(text);
            return;
        }
        Reserve(text.size());
        PutReserved(text.data(), text.size());
    }
    // Markup, in one move of its known size.
    template <std::size_t N>
    void Put(const char16_t (&literal)[N]) {
        static_assert(N - 1 <= kCapacity);
        Reserve(N - 1);
        std::memcpy(next_, literal, (N - 1) * sizeof(char16_t));
        next_ += N - 1;
    }
    void PutTabs(std::size_t count) {
        static constexpr char16_t kTabs[] = u"\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
        constexpr std::size_t kSome = std::size(kTabs) - 1;
        for (; count > kSome; count -= kSome) {
            Put(kTabs);
        }
        Reserve(count);
        PutReserved(kTabs, count);
    }

    // Where the next character goes, counted from the start of the output.
    std::size_t Position() const { return sent_ + static_cast<std::size_t>(next_ - buffer_.get()); }
    // Puts again the count characters put from position at on, when they
    // are still in the buffer and there is room; false otherwise.
    bool PutAgain(std::size_t at, std::size_t count) {
        if (at < sent_ || static_cast<std::size_t>(end_ - next_) < count) {
            return false;
        }
        PutReserved(buffer_.get() + (at - sent_), count);
        return true;
    }

    // Hands what was put to the sink.
    void Flush() {
        const auto size = static_cast<std::size_t>(next_ - buffer_.get());
        Send({buffer_.get(), size});
        sent_ += size;
        next_ = buffer_.get();
    }

private:
    static constexpr std::size_t kCapacity = std::size_t{1} << 16;

    static void Copy(char16_t* to, const char16_t* from, std::size_t count) {
        constexpr std::size_t kUnit = sizeof(char16_t);
        // Two moves that may overlap cover any length between one size and
        // twice that size, and read nothing outside the piece.
        if (count > 16) {
            std::memcpy(to, from, count * kUnit);
        } else if (count >= 8) {
            std::memcpy(to, from, 8 * kUnit);
            std::memcpy(to + count - 8, from + count - 8, 8 * kUnit);
        } else if (count >= 4) {
            std::memcpy(to, from, 4 * kUnit);
            std::memcpy(to + count - 4, from + count - 4, 4 * kUnit);
        } else if (count >= 2) {
            std::memcpy(to, from, 2 * kUnit);
            std::memcpy(to + count - 2, from + count - 2, 2 * kUnit);
        } else if (count == 1) {
            *to = *from;
        }
    }

    // A long text goes to the sink from where it is.
    [[gnu::noinline]] void PutLong(std::u16string_view text) {
        Flush();
        Send(text);
        sent_ += text.size();
    }

    void Send(std::u16string_view text) {
        if (text.empty()) {
            return;
        }
        if constexpr (std::endian::native == std::endian::little) {
            sink_.Write({reinterpret_cast<const char*>(text.data()), text.size() * 2});
        } else {
            std::string bytes(text.size() * 2, '\0');
            for (std::size_t i = 0; i < text.size(); ++i) {
                bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
                bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
            }
            sink_.Write(bytes);
        }
    }

    ByteSink& sink_;
    std::unique_ptr<char16_t[]> buffer_;
    char16_t* next_;
    char16_t* end_;
    std::size_t sent_ = 0;
};

}  // namespace vesk
