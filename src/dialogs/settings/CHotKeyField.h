#pragma once

#include <QLineEdit>

namespace vesk {

// A field that takes a key combination: the key pressed while it has the
// keyboard becomes its key, with Shift, Control and Alt as its modifiers
// (1, 2 and 4). Modifier keys alone and keys that cannot be hot keys change
// nothing; Tab still moves on, and Return and Escape alone still answer the
// dialog.
class CHotKeyField : public QLineEdit {
    Q_OBJECT

public:
    explicit CHotKeyField(QWidget* parent = nullptr);

    void SetHotKey(unsigned virtualKey, unsigned modifiers);
    unsigned VirtualKey() const { return virtualKey_; }
    unsigned Modifiers() const { return modifiers_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowHotKey();

    unsigned virtualKey_ = 0;
    unsigned modifiers_ = 0;
};

}  // namespace vesk
