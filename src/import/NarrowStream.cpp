#include "import/NarrowStream.h"

#include <charconv>
#include <limits>
#include <utility>

namespace vesk {

namespace {

bool IsWhiteSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

NarrowStream::NarrowStream(std::istream& in)
    : buffer_(in.rdbuf()), failed_(buffer_ == nullptr), broken_(failed_) {}

// The file buffer throws when the system read fails (a folder, a device
// error); the stream then ends there, like one that is cut short.
int NarrowStream::Peek() {
    if (broken_) {
        return kEnd;
    }
    try {
        return buffer_->sgetc();
    } catch (...) {
        broken_ = true;
        return kEnd;
    }
}

int NarrowStream::Get() {
    if (broken_) {
        return kEnd;
    }
    try {
        const int c = buffer_->sbumpc();
        if (c == '\r' && buffer_->sgetc() == '\n') {
            return buffer_->sbumpc();
        }
        return c;
    } catch (...) {
        broken_ = true;
        return kEnd;
    }
}

void NarrowStream::SkipWhiteSpace() {
    while (IsWhiteSpace(Peek())) {
        Get();
    }
}

bool NarrowStream::Fail() {
    failed_ = true;
    return false;
}

bool NarrowStream::ReadDecimal(bool& negative, std::uint64_t& magnitude) {
    if (failed_) {
        return false;
    }
    SkipWhiteSpace();
    negative = false;
    if (Peek() == '-' || Peek() == '+') {
        negative = Get() == '-';
    }
    if (!IsDigit(Peek())) {
        return Fail();
    }
    constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();
    magnitude = 0;
    while (IsDigit(Peek())) {
        const auto digit = static_cast<std::uint64_t>(Get() - '0');
        magnitude = magnitude > (kSaturated - digit) / 10 ? kSaturated : magnitude * 10 + digit;
    }
    return true;
}

bool NarrowStream::ReadUnsigned(std::uint64_t max, std::uint64_t& value) {
    bool negative = false;
    std::uint64_t magnitude = 0;
    if (!ReadDecimal(negative, magnitude)) {
        return false;
    }
    if (magnitude > max) {
        return Fail();
    }
    // max is all ones, so masking the negated magnitude wraps it.
    value = negative ? (0 - magnitude) & max : magnitude;
    return true;
}

bool NarrowStream::ReadInt32(std::int32_t& value) {
    bool negative = false;
    std::uint64_t magnitude = 0;
    if (!ReadDecimal(negative, magnitude)) {
        return false;
    }
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                        : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    if (magnitude > static_cast<std::uint64_t>(limit)) {
        return Fail();
    }
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    value = static_cast<std::int32_t>(negative ? -signedMagnitude : signedMagnitude);
    return true;
}

bool NarrowStream::ReadUInt32(std::uint32_t& value) {
    std::uint64_t wide = 0;
    if (!ReadUnsigned(std::numeric_limits<std::uint32_t>::max(), wide)) {
        return false;
    }
    value = static_cast<std::uint32_t>(wide);
    return true;
}

bool NarrowStream::ReadUInt16(std::uint16_t& value) {
    std::uint64_t wide = 0;
    if (!ReadUnsigned(std::numeric_limits<std::uint16_t>::max(), wide)) {
        return false;
    }
    value = static_cast<std::uint16_t>(wide);
    return true;
}

bool NarrowStream::ReadFlag(bool& value) {
    std::int32_t number = 0;
    if (!ReadInt32(number)) {
        return false;
    }
    value = number != 0;
    return true;
}

bool NarrowStream::ReadReal(double& value) {
    if (failed_) {
        return false;
    }
    SkipWhiteSpace();
    // Gather what a formatted read would take, then convert all of it.
    std::string text;
    if (Peek() == '-' || Peek() == '+') {
        text += static_cast<char>(Get());
    }
    bool point = false;
    while (IsDigit(Peek()) || (Peek() == '.' && !point)) {
        point = point || Peek() == '.';
        text += static_cast<char>(Get());
    }
    if (Peek() == 'e' || Peek() == 'E') {
        text += static_cast<char>(Get());
        if (Peek() == '-' || Peek() == '+') {
            text += static_cast<char>(Get());
        }
        while (IsDigit(Peek())) {
            text += static_cast<char>(Get());
        }
    }
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    double parsed = 0.0;
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (first == last || error != std::errc() || end != last) {
        return Fail();
    }
    value = parsed;
    return true;
}

bool NarrowStream::ReadByte(std::uint8_t& value) {
    if (failed_) {
        return false;
    }
    SkipWhiteSpace();
    const int c = Get();
    if (c == kEnd) {
        return Fail();
    }
    value = static_cast<std::uint8_t>(c);
    return true;
}

bool NarrowStream::ReadLine(std::string& line) {
    if (failed_) {
        return false;
    }
    std::string text;
    int c = Get();
    if (c == kEnd) {
        return Fail();
    }
    for (; c != kEnd && c != '\n'; c = Get()) {
        text += static_cast<char>(c);
    }
    line = std::move(text);
    return true;
}

bool NarrowStream::SkipRestOfLine() {
    if (failed_) {
        return false;
    }
    int c = Get();
    if (c == kEnd) {
        return Fail();
    }
    while (c != kEnd && c != '\n') {
        c = Get();
    }
    return true;
}

}  // namespace vesk
