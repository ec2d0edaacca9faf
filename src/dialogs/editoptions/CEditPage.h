#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <cstdint>

namespace vesk {

class CVeskNoteWnd;
class NoteData;
class NoteHost;

// One tab of the edit options. It writes each change into the note's record
// at once and tells the note window with a command; nothing is held back
// for an OK.
class CEditPage : public QWidget {
    Q_OBJECT

public:
    // caption: the tab's short text; name: what the tab stands for, shown
    // when the pointer rests on it; icon: the name of the page's picture
    // among the edit options' icons.
    CEditPage(CVeskNoteWnd& note, NoteHost& host, QString caption, const QString& name,
              const char* icon);

    const QString& Caption() const { return caption_; }
    QIcon Icon() const { return icon_; }

protected:
    CVeskNoteWnd& Note() { return note_; }
    NoteData& Record();
    const NoteData& Record() const;
    NoteHost& Host() { return host_; }
    void Send(std::uint32_t command);

private:
    CVeskNoteWnd& note_;
    NoteHost& host_;
    QString caption_;
    QIcon icon_;
};

}  // namespace vesk
