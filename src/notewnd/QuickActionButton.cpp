#include "notewnd/QuickActionButton.h"

#include <QPainter>

#include "notewnd/QuickActionImages.h"

namespace vesk {

QuickActionButton::QuickActionButton(std::uint32_t command, const QString& caption, int normalImage,
                                     int pressedImage, QWidget* parent)
    : QAbstractButton(parent),
      command_(command),
      normal_(LoadQuickActionImage(normalImage)),
      pressed_(LoadQuickActionImage(pressedImage)) {
    setText(caption);
    setToolTip(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

QSize QuickActionButton::sizeHint() const {
    return {QuickActionImage::kSide, QuickActionImage::kSide};
}

void QuickActionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), isDown() ? pressed_ : normal_);
}

}  // namespace vesk
