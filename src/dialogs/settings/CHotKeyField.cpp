#include "dialogs/settings/CHotKeyField.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "dialogs/settings/VirtualKeys.h"
#include "settings/HotKeyData.h"

namespace vesk {
namespace {

constexpr unsigned kFieldModifiers = HotKeyData::kShift | HotKeyData::kControl | HotKeyData::kAlt;

unsigned ModifierBits(Qt::KeyboardModifiers modifiers) {
    unsigned bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= HotKeyData::kShift;
    if (modifiers & Qt::ControlModifier) bits |= HotKeyData::kControl;
    if (modifiers & Qt::AltModifier) bits |= HotKeyData::kAlt;
    return bits;
}

}  // namespace

CHotKeyField::CHotKeyField(QWidget* parent) : QLineEdit(parent) {
    // Typing makes a combination, not text.
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    ShowHotKey();
}

void CHotKeyField::SetHotKey(unsigned virtualKey, unsigned modifiers) {
    virtualKey_ = virtualKey;
    modifiers_ = modifiers & kFieldModifiers;
    ShowHotKey();
}

void CHotKeyField::keyPressEvent(QKeyEvent* event) {
    const auto key = static_cast<Qt::Key>(event->key());
    const unsigned virtualKey =
        VirtualKeyForQtKey(key, event->modifiers().testFlag(Qt::KeypadModifier));
    const bool answersDialog =
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) &&
        ModifierBits(event->modifiers()) == 0;
    if (virtualKey == 0 || answersDialog) {
        event->ignore();
        return;
    }
    SetHotKey(virtualKey, ModifierBits(event->modifiers()));
    event->accept();
}

void CHotKeyField::ShowHotKey() {
    QString text;
    if (modifiers_ & HotKeyData::kControl) text += QStringLiteral("Ctrl+");
    if (modifiers_ & HotKeyData::kShift) text += QStringLiteral("Shift+");
    if (modifiers_ & HotKeyData::kAlt) text += QStringLiteral("Alt+");
    const QKeyCombination key = QtKeyForVirtualKey(virtualKey_);
    if (key.key() != Qt::Key_unknown) {
        text += QKeySequence(key).toString(QKeySequence::NativeText);
    } else if (virtualKey_ != 0) {
        // A code from a settings file that no key here makes.
        text += QStringLiteral("Key %1").arg(virtualKey_);
    }
    setText(text.isEmpty() ? QStringLiteral("None") : text);
}

}  // namespace vesk
