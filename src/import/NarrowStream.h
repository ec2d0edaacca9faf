#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace vesk {

// Reads the previous version's narrow text files the way its own formatted
// stream did, over the bytes of any std::istream: a carriage return and line
// feed pair reads as one line feed. A read that fails leaves its value
// unchanged and puts the stream into a failed state in which every later read
// fails too, so readers can go on and keep their defaults.
class NarrowStream {
public:
    explicit NarrowStream(std::istream& in);

    // Decimal numbers after white space. Unsigned numbers written with a minus
    // sign wrap around ("-1" is the largest value); out of range fails.
    bool ReadInt32(std::int32_t& value);
    bool ReadUInt32(std::uint32_t& value);
    bool ReadUInt16(std::uint16_t& value);
    // A number; anything but 0 counts as set.
    bool ReadFlag(bool& value);
    bool ReadReal(double& value);
    // The next byte after white space, taken as the value itself.
    bool ReadByte(std::uint8_t& value);
    // Everything up to the next line feed, which is dropped. Fails only at the
    // end of the input with nothing read.
    bool ReadLine(std::string& line);
    // A line read whose text is thrown away: steps past the end of the line on
    // which the last number stood.
    bool SkipRestOfLine();

    bool Failed() const { return failed_; }

private:
    static constexpr int kEnd = std::char_traits<char>::eof();

    // Peeking may show the carriage return of a pair; every caller treats it
    // as the line feed it stands for (white space, end of a token).
    int Peek();
    int Get();
    void SkipWhiteSpace();
    // Optional sign and decimal digits; the magnitude saturates.
    bool ReadDecimal(bool& negative, std::uint64_t& magnitude);
    bool ReadUnsigned(std::uint64_t max, std::uint64_t& value);
    bool Fail();

    std::streambuf* buffer_;
    bool failed_;
    // The input could not be read any further.
    bool broken_;
};

}  // namespace vesk
