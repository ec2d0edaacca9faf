#pragma once

#include "dialogs/editoptions/CEditPropertySheet.h"

namespace vesk {

class CChecklistNoteWnd;
class CPictureNoteWnd;
class CScribbleNoteWnd;

// The edit options of each kind of note: its own pages, then the common
// ones.

// Font, Colour, Transparency, Alarm.
class CMsgEditPropertySheet : public CEditPropertySheet {
    Q_OBJECT

public:
    CMsgEditPropertySheet(CVeskNoteWnd& note, NoteHost& host);
};

// Checklist, Font, Colour, Transparency, Alarm.
class CChecklistSheet : public CEditPropertySheet {
    Q_OBJECT

public:
    CChecklistSheet(CChecklistNoteWnd& note, NoteHost& host);
};

// Scribble, Colour, Transparency, Alarm.
class CScribblePropertySheet : public CEditPropertySheet {
    Q_OBJECT

public:
    CScribblePropertySheet(CScribbleNoteWnd& note, NoteHost& host);
};

// Picture Options, Colour, Transparency, Alarm.
class CPictureEditPropertySheet : public CEditPropertySheet {
    Q_OBJECT

public:
    CPictureEditPropertySheet(CPictureNoteWnd& note, NoteHost& host);
};

}  // namespace vesk
