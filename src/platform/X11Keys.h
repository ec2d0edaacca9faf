#pragma once

#include <xcb/xproto.h>

#include <cstdint>

namespace vesk::platform {

// An X keysym for a Windows virtual-key code: letters, digits, F1 to F24,
// the editing and cursor keys, the numeric keypad and the punctuation keys
// of a US layout. 0 (no symbol) for a key that cannot serve as a hot key.
std::uint32_t KeysymForVirtualKey(unsigned virtualKey);

// Which X modifier bits the Alt, Windows and Num Lock keys set on this
// server; the usual assignment until the server's mapping is read.
struct X11ModifierMasks {
    std::uint16_t alt = XCB_MOD_MASK_1;
    std::uint16_t numLock = XCB_MOD_MASK_2;
    std::uint16_t super = XCB_MOD_MASK_4;
};

// The program's modifier bits (1 Shift, 2 Control, 4 Alt, 32 Windows key) as
// an X modifier mask. Other bits have no meaning for a hot key and are
// dropped.
std::uint16_t X11Modifiers(unsigned modifiers, const X11ModifierMasks& masks);

}  // namespace vesk::platform
