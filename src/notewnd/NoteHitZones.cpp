#include "notewnd/NoteHitZones.h"

#include <algorithm>
#include <cstdint>

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

QRect SizedRect(const QRect& start, SizingMode mode, QPoint pressed, QPoint pointer,
                int titleBarHeight) {
    // Exclusive right and bottom, in 64 bits: the pointer may be anywhere.
    std::int64_t left = start.x();
    std::int64_t top = start.y();
    std::int64_t right = left + start.width();
    std::int64_t bottom = top + start.height();
    if (MovesLeft(mode)) {
        left = pointer.x();
    } else if (MovesRight(mode)) {
        right += std::int64_t{pointer.x()} - pressed.x();
    }
    if (MovesTop(mode)) {
        top = pointer.y();
    } else if (MovesBottom(mode)) {
        bottom += std::int64_t{pointer.y()} - pressed.y();
    }
    // The title bar raises the lower limit; with a huge title font the
    // upper limit still wins.
    const int width = HeldNoteSide(right - left);
    const int height = HeldNoteSide(std::max<std::int64_t>(bottom - top, titleBarHeight + 10));
    const std::int64_t x = MovesLeft(mode) ? right - width : left;
    const std::int64_t y = MovesTop(mode) ? bottom - height : top;
    return {static_cast<int>(x), static_cast<int>(y), width, height};
}

}  // namespace vesk
