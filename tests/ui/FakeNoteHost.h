#pragma once

#include <QApplication>
#include <QImage>
#include <QList>
#include <QMouseEvent>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <set>

#include "dialogs/editoptions/CEditPropertySheet.h"
#include "notes/MessageNoteData.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteHost.h"
#include "notewnd/QtFontEngine.h"
#include "settings/SettingsData.h"

namespace vesk::test {

// Serves note windows in tests and records what they asked for.
class FakeNoteHost : public NoteHost {
public:
    SettingsData settings;
    int changes = 0;
    QList<std::array<std::int64_t, 3>> moves;
    QStringList faces;
    std::set<std::u16string> usedFaces;
    QStringList links;
    QList<int> sounds;
    // "+id" for each alarm scheduled, "-id" for each unscheduled.
    QStringList alarms;

    SettingsData& GetSettings() override { return settings; }
    void MarkChanged() override { ++changes; }
    void NoteMoved(NoteId id, std::int32_t from, std::int32_t to) override {
        moves.append({id, from, to});
    }
    void ScheduleAlarm(NoteWindow& window) override {
        alarms << QStringLiteral("+%1").arg(dynamic_cast<CVeskNoteWnd&>(window).GetNoteId());
    }
    void UnscheduleAlarm(NoteId id) override { alarms << QStringLiteral("-%1").arg(id); }
    // The window tests archive nothing.
    bool ArchiveNote(NoteId) override { return false; }
    void RegisterFontFace(const std::u16string& face) override {
        faces.append(QString::fromStdU16String(face));
        usedFaces.insert(face);
    }
    const std::set<std::u16string>& GetFontFaces() const override { return usedFaces; }
    void OpenLink(const std::u16string& url) override {
        links.append(QString::fromStdU16String(url));
    }
    void PlaySound(int resource) override { sounds.append(resource); }
};

// The windows measure and draw with a face that every test machine has.
inline void UseTestFonts(QtFontEngine& engine) {
    RegisterFontEngine(&engine);
    CVeskNoteWnd::SetTitleFont(FontData(u"DejaVu Sans", 10, true, false));
    CVeskNoteWnd::SetDefaultContentFont(FontData(u"DejaVu Sans", 12, false, false));
}

// The edit options open beside the note; those of an edit that has ended
// may linger, hidden, until the event loop deletes them.
inline CEditPropertySheet* OpenSheet(const QWidget& note) {
    for (auto* sheet : note.findChildren<CEditPropertySheet*>()) {
        if (sheet->isVisible()) return sheet;
    }
    return nullptr;
}

template <typename Page>
Page* OpenPage(const QWidget& note) {
    CEditPropertySheet* sheet = OpenSheet(note);
    return sheet != nullptr ? sheet->findChild<Page*>() : nullptr;
}

// A mouse event at a point of the window: a move, or a button's press or
// release (the left one unless another is given).
inline void SendMouse(QWidget& window, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
                      Qt::MouseButton pressed = Qt::LeftButton) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : pressed;
    QMouseEvent event(type, QPointF(at), QPointF(window.mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

// A picture of the window. The corners that the window's shape cuts off are
// never painted: they keep the image's white.
inline QImage Render(QWidget& window) {
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    window.render(&image);
    return image;
}

// Presses at from, drags to to (client coordinates of the window as it was
// when the drag began) and lets go there.
inline void Drag(QWidget& window, QPoint from, QPoint to) {
    const QPoint origin = window.pos();
    SendMouse(window, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(window, QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, to + origin - window.pos(), Qt::NoButton);
}

// A message note at the rectangle, green fading to dark green with a white
// title, as new notes look with the built-in theme.
inline std::unique_ptr<NoteData> MakeNote(const Rect& rect, std::u16string title = u"Shopping") {
    auto note = std::make_unique<MessageNoteData>();
    note->SetRect(rect);
    note->SetStyle(StyleData::Fallback());
    note->SetTitle(std::move(title));
    return note;
}

}  // namespace vesk::test
