#pragma once

#include <cstdint>
#include <string>

namespace vesk {

class XMLElement;

// A global hot key: a virtual-key code and its modifiers.
struct HotKeyData {
    // Modifier bits: the first three as the hot-key control reports them, the
    // Windows key as the program's own bit.
    static constexpr std::uint16_t kShift = 1;
    static constexpr std::uint16_t kControl = 2;
    static constexpr std::uint16_t kAlt = 4;
    static constexpr std::uint16_t kWindows = 32;

    std::uint16_t virtualKey = 0;
    std::uint16_t modifiers = 0;
    bool used = false;
    // "shownotes" or "newnote".
    std::u16string id;

    void SaveToElement(XMLElement& parent) const;
    // Sets every field; a missing attribute gives the empty string, 0 or false.
    void LoadFromElement(const XMLElement& element);

    bool operator==(const HotKeyData& other) const = default;
};

}  // namespace vesk
