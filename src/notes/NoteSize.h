#pragma once

#include <algorithm>
#include <cstdint>

namespace vesk {

// The sizes a note can take, in pixels. Sizing a note's window keeps to
// them, and so does every size read from a file: a window costs memory by
// its area.
inline constexpr std::int32_t kMinNoteSide = 50;
inline constexpr std::int32_t kMaxNoteSide = 1500;
// The size that the program gives a new note, and a stored one without area.
inline constexpr std::int32_t kNewNoteSide = 200;

// A side held to those sizes.
constexpr std::int32_t HeldNoteSide(std::int64_t side) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(side, kMinNoteSide, kMaxNoteSide));
}

}  // namespace vesk
