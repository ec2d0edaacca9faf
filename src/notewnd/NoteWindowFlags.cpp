#include "notewnd/NoteWindowFlags.h"

#include <QWidget>

#include "notes/NoteData.h"

namespace vesk {

Qt::WindowFlags NoteWindowFlags(const NoteData& note) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;
    if (note.GetStayOnTop() == 1) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

void SetStaysOnTop(QWidget& window, bool onTop) {
    const QRect place = window.geometry();
    const bool shown = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window.setGeometry(place);
    if (shown) {
        window.show();
    }
}

}  // namespace vesk
