#pragma once

#include <QKeyCombination>

namespace vesk {

// Hot keys are stored with Windows virtual-key codes; the hot-key field reads
// and shows Qt keys. Both directions cover what the platform layer can bind:
// letters, digits, F1 to F24, the editing and cursor keys, the numeric keypad
// and the punctuation keys of a US layout.

// The code of a pressed key (a shifted symbol counts as its key); 0 for a key
// that cannot serve as a hot key.
unsigned VirtualKeyForQtKey(Qt::Key key, bool keypad);
// The Qt key that shows a code, with the keypad flag for keypad keys; an
// unknown key for a code outside the list.
QKeyCombination QtKeyForVirtualKey(unsigned virtualKey);

}  // namespace vesk
