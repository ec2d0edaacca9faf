#include "X11Keys.h"

#include <xcb/xproto.h>

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>

#include <algorithm>
#include <array>
#include <utility>

#include "HotKeys.h"

namespace vesk::platform {

namespace {

// Single keys, sorted by virtual-key code.
constexpr std::array<std::pair<unsigned, std::uint32_t>, 38> kSingleKeys{{
    {0x08, XK_BackSpace},   {0x09, XK_Tab},          {0x0C, XK_Clear},
    {0x0D, XK_Return},      {0x13, XK_Pause},        {0x1B, XK_Escape},
    {0x20, XK_space},       {0x21, XK_Prior},        {0x22, XK_Next},
    {0x23, XK_End},         {0x24, XK_Home},         {0x25, XK_Left},
    {0x26, XK_Up},          {0x27, XK_Right},        {0x28, XK_Down},
    {0x2C, XK_Print},       {0x2D, XK_Insert},       {0x2E, XK_Delete},
    {0x2F, XK_Help},        {0x5D, XK_Menu},         {0x6A, XK_KP_Multiply},
    {0x6B, XK_KP_Add},      {0x6C, XK_KP_Separator}, {0x6D, XK_KP_Subtract},
    {0x6E, XK_KP_Decimal},  {0x6F, XK_KP_Divide},    {0xBA, XK_semicolon},
    {0xBB, XK_equal},       {0xBC, XK_comma},        {0xBD, XK_minus},
    {0xBE, XK_period},      {0xBF, XK_slash},        {0xC0, XK_grave},
    {0xDB, XK_bracketleft}, {0xDC, XK_backslash},    {0xDD, XK_bracketright},
    {0xDE, XK_apostrophe},  {0xE2, XK_less},
}};
static_assert(std::is_sorted(kSingleKeys.begin(), kSingleKeys.end()));

}  // namespace

std::uint32_t KeysymForVirtualKey(unsigned virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9') {
        return XK_0 + (virtualKey - '0');
    }
    // Letter keys are bound by their unshifted, lower-case symbol.
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return XK_a + (virtualKey - 'A');
    }
    if (virtualKey >= 0x60 && virtualKey <= 0x69) {
        return XK_KP_0 + (virtualKey - 0x60);
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x87) {
        return XK_F1 + (virtualKey - 0x70);
    }
    const auto found =
        std::lower_bound(kSingleKeys.begin(), kSingleKeys.end(), virtualKey,
                         [](const auto& entry, unsigned key) { return entry.first < key; });
    return found != kSingleKeys.end() && found->first == virtualKey ? found->second : 0;
}

std::uint16_t X11Modifiers(unsigned modifiers, const X11ModifierMasks& masks) {
    std::uint16_t mask = 0;
    if (modifiers & kModShift) {
        mask |= XCB_MOD_MASK_SHIFT;
    }
    if (modifiers & kModControl) {
        mask |= XCB_MOD_MASK_CONTROL;
    }
    if (modifiers & kModAlt) {
        mask |= masks.alt;
    }
    if (modifiers & kModWindows) {
        mask |= masks.super;
    }
    return mask;
}

}  // namespace vesk::platform
