#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QPushButton;

namespace vesk {

// "New Note": the small chooser of the new-note hot key. A button per kind
// and Cancel; the keys N, C and S choose as the buttons do and Escape
// cancels. Run it modally through UserPrompts::RunDialog.
class CNewNoteDialog : public QDialog {
    Q_OBJECT

public:
    // The kind a cancelled chooser answers with.
    static constexpr std::int32_t kCancel = 4;

    // available tells which kinds can be made now; the others' buttons are
    // greyed and their keys do nothing.
    explicit CNewNoteDialog(std::function<bool(std::int32_t kind)> available,
                            QWidget* parent = nullptr);

    // The chosen kind, or kCancel.
    std::int32_t GetKind() const { return kind_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A global hot key opens it while another program has the keyboard.
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* AddKind(const QString& text, std::int32_t kind, int icon);
    void Choose(std::int32_t kind);

    std::function<bool(std::int32_t)> available_;
    std::int32_t kind_ = kCancel;
};

}  // namespace vesk
