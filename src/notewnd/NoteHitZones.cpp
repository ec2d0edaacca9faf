#include "notewnd/NoteHitZones.h"

#include <algorithm>

namespace vesk {

namespace {

constexpr int kBorder = 5;
constexpr int kCorner = 20;

bool MovesTop(SizingMode mode) {
    return mode == SizingMode::Top || mode == SizingMode::TopRight || mode == SizingMode::TopLeft;
}
bool MovesLeft(SizingMode mode) {
    return mode == SizingMode::Left || mode == SizingMode::BottomLeft ||
           mode == SizingMode::TopLeft;
}
bool MovesRight(SizingMode mode) {
    return mode == SizingMode::Right || mode == SizingMode::BottomRight ||
           mode == SizingMode::TopRight;
}
bool MovesBottom(SizingMode mode) {
    return mode == SizingMode::Bottom || mode == SizingMode::BottomLeft ||
           mode == SizingMode::BottomRight;
}

}  // namespace

SizingMode HitZone(int x, int y, int w, int h) {
    // The order matters: the corners win over the edges they overlap.
    if (x >= w - kCorner && y >= h - kCorner) {
        return SizingMode::BottomRight;
    }
    if (x <= kCorner && y >= h - kCorner) {
        return SizingMode::BottomLeft;
    }
    if (y >= h - kBorder) {
        return SizingMode::Bottom;
    }
    if (x <= kBorder && y > kBorder) {
        return SizingMode::Left;
    }
    if (x < w - kBorder && y > kBorder) {
        return SizingMode::None;
    }
    if (x < w - kBorder && x > kBorder) {
        return SizingMode::Top;
    }
    if (x <= kBorder) {
        return SizingMode::TopLeft;
    }
    return y > kBorder ? SizingMode::Right : SizingMode::TopRight;
}

Qt::CursorShape ZoneCursor(SizingMode mode) {
    switch (mode) {
        case SizingMode::BottomRight:
        case SizingMode::TopLeft:
            return Qt::SizeFDiagCursor;
        case SizingMode::BottomLeft:
        case SizingMode::TopRight:
            return Qt::SizeBDiagCursor;
        case SizingMode::Bottom:
        case SizingMode::Top:
            return Qt::SizeVerCursor;
        case SizingMode::Left:
        case SizingMode::Right:
            return Qt::SizeHorCursor;
        case SizingMode::None:
            break;
    }
    return Qt::ArrowCursor;
}

QRect SizedRect(const QRect& window, SizingMode mode, QPoint mouse, QPoint anchor,
                int titleBarHeight) {
    int left = window.left();
    int top = window.top();
    int width = window.width();
    int height = window.height();
    if (MovesTop(mode)) {
        top += mouse.y();
        height -= mouse.y();
    }
    if (MovesLeft(mode)) {
        left += mouse.x();
        width -= mouse.x();
    }
    if (MovesRight(mode)) {
        width += mouse.x() - anchor.x();
    }
    if (MovesBottom(mode)) {
        height += mouse.y() - anchor.y();
    }
    // Lower limits first: with a huge title font the upper limit wins.
    width = std::min(std::max(width, kMinNoteSide), kMaxNoteSide);
    height = std::min(std::max({height, kMinNoteSide, titleBarHeight + 10}), kMaxNoteSide);
    return {left, top, width, height};
}

}  // namespace vesk
