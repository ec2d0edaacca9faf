#include "dialogs/editoptions/EditSheets.h"

#include "dialogs/editoptions/CChecklistPage.h"
#include "dialogs/editoptions/CFontPage.h"
#include "dialogs/editoptions/CPicturePage.h"
#include "dialogs/editoptions/CScribblePage.h"
#include "notewnd/CChecklistNoteWnd.h"
#include "notewnd/CPictureNoteWnd.h"
#include "notewnd/CScribbleNoteWnd.h"

namespace vesk {

CMsgEditPropertySheet::CMsgEditPropertySheet(CVeskNoteWnd& note, NoteHost& host)
    : CEditPropertySheet(note, host) {
    AddPage(new CFontPage(note, host));
    AddCommonPages();
}

CChecklistSheet::CChecklistSheet(CChecklistNoteWnd& note, NoteHost& host)
    : CEditPropertySheet(note, host) {
    AddPage(new CChecklistPage(note, host));
    AddPage(new CFontPage(note, host));
    AddCommonPages();
}

CScribblePropertySheet::CScribblePropertySheet(CScribbleNoteWnd& note, NoteHost& host)
    : CEditPropertySheet(note, host) {
    AddPage(new CScribblePage(note, host));
    AddCommonPages();
}

CPictureEditPropertySheet::CPictureEditPropertySheet(CPictureNoteWnd& note, NoteHost& host)
    : CEditPropertySheet(note, host) {
    AddPage(new CPicturePage(note, host));
    AddCommonPages();
}

}  // namespace vesk
