#pragma once

#include <cstdint>

namespace vesk {

// 32-bit coordinates wrap like the stored files' arithmetic instead of
// overflowing, so any numbers read from a file stay defined.
constexpr std::int32_t WrapToInt32(std::int64_t value) { return static_cast<std::int32_t>(value); }

// A rectangle in screen pixels; right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return WrapToInt32(std::int64_t{right} - left); }
    std::int32_t Height() const { return WrapToInt32(std::int64_t{bottom} - top); }

    bool operator==(const Rect& other) const = default;
};

}  // namespace vesk
