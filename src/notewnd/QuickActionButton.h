#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <cstdint>

namespace vesk {

// A button of the quick action box: its normal picture, or its pressed one
// while it is held down. Its caption is its text; it never takes the
// keyboard focus, so the note keeps it.
class QuickActionButton : public QAbstractButton {
    Q_OBJECT

public:
    QuickActionButton(std::uint32_t command, const QString& caption, int normalImage,
                      int pressedImage, QWidget* parent);

    // The note command that a click sends.
    std::uint32_t GetCommand() const { return command_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t command_;
    QPixmap normal_;
    QPixmap pressed_;
};

}  // namespace vesk
