#include "notewnd/NoteGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdint>

#include "notes/NoteSize.h"

namespace vesk {

namespace {

constexpr int kContentMargin = 6;
constexpr int kMinTitleBarHeight = 20;
constexpr int kTitleBarPadding = 10;
constexpr qsizetype kLongestTitle = 20;
constexpr qsizetype kShortTitleKept = 17;
constexpr int kBoxGap = 2;

// Overlap test in 64 bits: stored coordinates can be anything.
bool Overlaps(const Rect& note, const QRect& screen) {
    const std::int64_t screenRight = std::int64_t{screen.x()} + screen.width();
    const std::int64_t screenBottom = std::int64_t{screen.y()} + screen.height();
    return note.left < screenRight && screen.x() < note.right && note.top < screenBottom &&
           screen.y() < note.bottom;
}

// The start nearest to wanted at which length fits into [low, low + span).
std::int64_t NearestInside(std::int64_t wanted, std::int64_t length, std::int64_t low,
                           std::int64_t span) {
    return std::max(low, std::min(wanted, low + span - length));
}

}  // namespace

QRect ToQRect(const Rect& rect) {
    return {QPoint(rect.left, rect.top), QPoint(WrapToInt32(std::int64_t{rect.right} - 1),
                                                WrapToInt32(std::int64_t{rect.bottom} - 1))};
}

Rect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), WrapToInt32(std::int64_t{rect.right()} + 1),
            WrapToInt32(std::int64_t{rect.bottom()} + 1)};
}

int TitleBarHeightFor(int titleFontHeight) {
    return std::max(kMinTitleBarHeight, titleFontHeight + kTitleBarPadding);
}

QRect NoteArea(QSize client, bool shadow) {
    const int inset = shadow ? kShadowWidth : 0;
    return {0, 0, client.width() - inset, client.height() - inset};
}

QRect ContentRect(QSize client, bool shadow, bool titleShown, int titleBarHeight) {
    const QRect area = NoteArea(client, shadow);
    const int top = titleShown ? titleBarHeight + kContentMargin : kContentMargin;
    return {QPoint(kContentMargin, top),
            QPoint(area.width() - kContentMargin - 1, area.height() - kContentMargin - 1)};
}

QSize ClientSizeFor(QSize content, bool shadow, int titleBarHeight) {
    const int inset = shadow ? kShadowWidth : 0;
    return {content.width() + 2 * kContentMargin + inset,
            content.height() + titleBarHeight + 2 * kContentMargin + inset};
}

QRegion ShadowMask(QSize client) {
    const int w = client.width();
    const int h = client.height();
    return QRegion(0, 0, w, h)
        .subtracted(QRegion(w - kShadowWidth, 0, kShadowWidth, kShadowWidth))
        .subtracted(QRegion(0, h - kShadowWidth, kShadowWidth, kShadowWidth));
}

QRect ShadedRect(const QRect& window, int titleBarHeight, bool shadow) {
    return {window.topLeft(), QSize(window.width(), titleBarHeight + (shadow ? kShadowWidth : 0))};
}

Rect PlaceOnScreen(const Rect& note, const QList<QRect>& screens, const QRect& available) {
    std::int64_t width = note.Width();
    std::int64_t height = note.Height();
    if (width <= 0 || height <= 0) {
        width = kNewNoteSide;
        height = kNewNoteSide;
    }
    width = std::min<std::int64_t>(width, kMaxNoteSide);
    height = std::min<std::int64_t>(height, kMaxNoteSide);
    const auto at = [](std::int64_t left, std::int64_t top, std::int64_t w, std::int64_t h) {
        return Rect{WrapToInt32(left), WrapToInt32(top), WrapToInt32(left + w),
                    WrapToInt32(top + h)};
    };
    const Rect placed = at(note.left, note.top, width, height);
    if (screens.isEmpty()) {
        return placed;
    }
    // A window costs memory by its area: none is larger than its screen.
    const auto seen = std::find_if(screens.begin(), screens.end(),
                                   [&](const QRect& screen) { return Overlaps(placed, screen); });
    const QRect& bounds = seen != screens.end() ? *seen : available;
    width = std::min<std::int64_t>(width, bounds.width());
    height = std::min<std::int64_t>(height, bounds.height());
    if (seen != screens.end()) {
        return at(note.left, note.top, width, height);
    }
    return at(NearestInside(note.left, width, available.x(), available.width()),
              NearestInside(note.top, height, available.y(), available.height()), width, height);
}

QPoint QuickActionBoxPlace(const QRect& note, bool shadow, QSize box, const QRect& screen) {
    const int right = note.x() + note.width() + kBoxGap + (shadow ? kShadowWidth : 0);
    const int areaRight = screen.x() + screen.width();
    int x = right;
    if (right + box.width() > areaRight) {
        const int left = note.x() - kBoxGap - box.width();
        x = left >= screen.x() ? left : std::max(screen.x(), areaRight - box.width());
    }
    const int y =
        std::max(screen.y(), std::min(note.y(), screen.y() + screen.height() - box.height()));
    return {x, y};
}

QString ShortTitle(const QString& title) {
    if (title.size() <= kLongestTitle) {
        return title;
    }
    return title.left(kShortTitleKept) + QStringLiteral("...");
}

Rect PlaceOnScreens(const Rect& note) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    return PlaceOnScreen(note, screens,
                         primary != nullptr ? primary->availableGeometry() : QRect());
}

}  // namespace vesk
