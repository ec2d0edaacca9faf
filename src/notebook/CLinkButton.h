#pragma once

#include <QAbstractButton>

namespace vesk {

// A link drawn as an orange box with black text, white while the mouse is
// over it; clicked like a button.
class CLinkButton : public QAbstractButton {
    Q_OBJECT

public:
    CLinkButton(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovered_ = false;
};

}  // namespace vesk
