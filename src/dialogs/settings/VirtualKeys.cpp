#include "dialogs/settings/VirtualKeys.h"

#include <array>
#include <utility>

namespace vesk {
namespace {

struct KeyPair {
    unsigned virtualKey;
    Qt::Key key;
};

// Keys outside the letter, digit and function-key ranges; the first pair of
// a code is the one shown.
constexpr std::array kOtherKeys{
    KeyPair{0x08, Qt::Key_Backspace},  KeyPair{0x09, Qt::Key_Tab},
    KeyPair{0x0C, Qt::Key_Clear},      KeyPair{0x0D, Qt::Key_Return},
    KeyPair{0x0D, Qt::Key_Enter},      KeyPair{0x13, Qt::Key_Pause},
    KeyPair{0x1B, Qt::Key_Escape},     KeyPair{0x20, Qt::Key_Space},
    KeyPair{0x21, Qt::Key_PageUp},     KeyPair{0x22, Qt::Key_PageDown},
    KeyPair{0x23, Qt::Key_End},        KeyPair{0x24, Qt::Key_Home},
    KeyPair{0x25, Qt::Key_Left},       KeyPair{0x26, Qt::Key_Up},
    KeyPair{0x27, Qt::Key_Right},      KeyPair{0x28, Qt::Key_Down},
    KeyPair{0x2C, Qt::Key_Print},      KeyPair{0x2D, Qt::Key_Insert},
    KeyPair{0x2E, Qt::Key_Delete},     KeyPair{0x2F, Qt::Key_Help},
    KeyPair{0x5D, Qt::Key_Menu},       KeyPair{0xBA, Qt::Key_Semicolon},
    KeyPair{0xBA, Qt::Key_Colon},      KeyPair{0xBB, Qt::Key_Equal},
    KeyPair{0xBB, Qt::Key_Plus},       KeyPair{0xBC, Qt::Key_Comma},
    KeyPair{0xBC, Qt::Key_Less},       KeyPair{0xBD, Qt::Key_Minus},
    KeyPair{0xBD, Qt::Key_Underscore}, KeyPair{0xBE, Qt::Key_Period},
    KeyPair{0xBE, Qt::Key_Greater},    KeyPair{0xBF, Qt::Key_Slash},
    KeyPair{0xBF, Qt::Key_Question},   KeyPair{0xC0, Qt::Key_QuoteLeft},
    KeyPair{0xC0, Qt::Key_AsciiTilde}, KeyPair{0xDB, Qt::Key_BracketLeft},
    KeyPair{0xDB, Qt::Key_BraceLeft},  KeyPair{0xDC, Qt::Key_Backslash},
    KeyPair{0xDC, Qt::Key_Bar},        KeyPair{0xDD, Qt::Key_BracketRight},
    KeyPair{0xDD, Qt::Key_BraceRight}, KeyPair{0xDE, Qt::Key_Apostrophe},
    KeyPair{0xDE, Qt::Key_QuoteDbl},
};

// The keypad's operators; its digits are 0x60 to 0x69.
constexpr std::array kKeypadKeys{
    KeyPair{0x6A, Qt::Key_Asterisk}, KeyPair{0x6B, Qt::Key_Plus},   KeyPair{0x6C, Qt::Key_Comma},
    KeyPair{0x6D, Qt::Key_Minus},    KeyPair{0x6E, Qt::Key_Period}, KeyPair{0x6F, Qt::Key_Slash},
};

// The digit row with Shift held, from 0 to 9, on a US layout.
constexpr std::array kShiftedDigits{
    Qt::Key_ParenRight, Qt::Key_Exclam,    Qt::Key_At,          Qt::Key_NumberSign,
    Qt::Key_Dollar,     Qt::Key_Percent,   Qt::Key_AsciiCircum, Qt::Key_Ampersand,
    Qt::Key_Asterisk,   Qt::Key_ParenLeft,
};

template <std::size_t N>
unsigned FindCode(const std::array<KeyPair, N>& pairs, Qt::Key key) {
    for (const KeyPair& pair : pairs) {
        if (pair.key == key) return pair.virtualKey;
    }
    return 0;
}

template <std::size_t N>
Qt::Key FindKey(const std::array<KeyPair, N>& pairs, unsigned virtualKey) {
    for (const KeyPair& pair : pairs) {
        if (pair.virtualKey == virtualKey) return pair.key;
    }
    return Qt::Key_unknown;
}

}  // namespace

unsigned VirtualKeyForQtKey(Qt::Key key, bool keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (keypad ? 0x60u : unsigned{'0'}) + static_cast<unsigned>(key - Qt::Key_0);
    }
    if (keypad) return FindCode(kKeypadKeys, key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + static_cast<unsigned>(key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 0x70 + static_cast<unsigned>(key - Qt::Key_F1);
    }
    for (std::size_t digit = 0; digit < kShiftedDigits.size(); ++digit) {
        if (kShiftedDigits[digit] == key) return '0' + static_cast<unsigned>(digit);
    }
    return FindCode(kOtherKeys, key);
}

QKeyCombination QtKeyForVirtualKey(unsigned virtualKey) {
    const auto offset = [virtualKey](unsigned first) {
        return static_cast<int>(virtualKey - first);
    };
    if (virtualKey >= '0' && virtualKey <= '9') return Qt::Key(Qt::Key_0 + offset('0'));
    if (virtualKey >= 'A' && virtualKey <= 'Z') return Qt::Key(Qt::Key_A + offset('A'));
    if (virtualKey >= 0x60 && virtualKey <= 0x69) {
        return QKeyCombination(Qt::KeypadModifier, Qt::Key(Qt::Key_0 + offset(0x60)));
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x87) return Qt::Key(Qt::Key_F1 + offset(0x70));
    if (const Qt::Key key = FindKey(kKeypadKeys, virtualKey); key != Qt::Key_unknown) {
        return QKeyCombination(Qt::KeypadModifier, key);
    }
    return FindKey(kOtherKeys, virtualKey);
}

}  // namespace vesk
