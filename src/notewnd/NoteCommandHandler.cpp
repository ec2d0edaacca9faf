#include "notewnd/NoteCommandHandler.h"

#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPointer>

#include "dialogs/AlarmDialog.h"
#include "dialogs/ModalDialog.h"
#include "dialogs/UserPrompts.h"
#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteExport.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteMenu.h"
#include "notewnd/NotePrinting.h"
#include "platform/SoundPlayer.h"
#include "settings/SettingsData.h"

namespace vesk {

bool NoteCommandHandler::Handle(std::uint32_t command) {
    switch (command) {
        case NoteCommand::kContextMenu:
            ShowMenu();
            break;
        case NoteCommand::kEdit:
            Edit();
            break;
        case NoteCommand::kDoneEditing:
        case NoteCommand::kCancelEditing:
            FinishEditing(command == NoteCommand::kDoneEditing);
            break;
        case NoteCommand::kSetAlarm:
            SetAlarm();
            break;
        case NoteCommand::kShade:
            // Rolled up over an open editor, the note would take the typing
            // out of sight.
            if (!window_.IsEditing()) {
                window_.placement_.Shade(CVeskNoteWnd::GetTitleBarHeight(), window_.ShadowOn());
            }
            break;
        case NoteCommand::kUnshade:
            Unshade();
            break;
        case NoteCommand::kHide:
            window_.placement_.Hide();
            break;
        case NoteCommand::kShow:
            window_.placement_.Show();
            break;
        case NoteCommand::kStayOnTop:
            window_.placement_.ToggleStayOnTop();
            break;
        case NoteCommand::kShowTitleBar:
            window_.placement_.ToggleTitleBar();
            break;
        case NoteCommand::kArchive:
            Archive();
            break;
        case NoteCommand::kSave:
            SaveNoteAs(&window_, *window_.note_);
            break;
        case NoteCommand::kPrint:
            Print();
            break;
        case NoteCommand::kCrumple:
            Crumple();
            break;
        case NoteCommand::kStyleChanged:
            window_.editing_.RestyleTitleEdit(window_.note_->GetStyle());
            window_.update();
            break;
        default:
            return false;
    }
    return true;
}

void NoteCommandHandler::ShowMenu() {
    // Without a parent: a command from it may destroy the window, and this
    // handler with it, so only the guarded pointer is used afterwards.
    QMenu menu;
    BuildNoteMenu(menu, *window_.note_, window_.IsEditing());
    if (!window_.PrepareNoteMenu(menu)) {
        return;
    }
    const QPointer<CVeskNoteWnd> alive(&window_);
    const QAction* chosen = menu.exec(QCursor::pos());
    if (chosen != nullptr && alive) {
        alive->OnCommand(MenuCommand(*chosen));
    }
}

void NoteCommandHandler::Edit() {
    if (!window_.editing_.Begin()) {
        return;
    }
    // Rolled up, the note would hide the editor, and what is typed with it.
    if (window_.note_->IsShaded() && !window_.IsPreview()) {
        Unshade();
    }
    window_.quickActions_.Hide();
    window_.BeginEdit();
    window_.update();
}

void NoteCommandHandler::FinishEditing(bool commit) {
    if (!window_.editing_.End()) {
        return;
    }
    window_.EndEdit(commit);
    window_.update();
    // Put away for the edit, the box comes back to a note still in use.
    if (window_.activation_.IsActive() && window_.IsShown() && !window_.IsCrumpling()) {
        window_.quickActions_.Show();
    }
    if (!commit) {
        return;
    }
    NoteHost& host = window_.host_;
    host.UnscheduleAlarm(window_.id_);
    if (window_.note_->GetAlarm() != nullptr) {
        host.ScheduleAlarm(window_);
    }
    host.NoteMoved(window_.id_, NotePlace::kShown, NotePlace::kShown);
    host.MarkChanged();
}

void NoteCommandHandler::SetAlarm() {
    // Owned by the note, the dialog goes with it should the note go while it
    // waits (emptied from the wastebasket, say); nothing is touched then.
    const QPointer<CVeskNoteWnd> alive(&window_);
    MadeDialog dialog(new CAlarmDialog(window_.note_->GetAlarm(), &window_));
    const int result = UserPrompts::Current().RunDialog(*dialog);
    if (!alive || dialog.Gone() || result != QDialog::Accepted) {
        return;
    }
    NoteData& note = *window_.note_;
    dialog->GiveAlarmTo(note);
    NoteHost& host = window_.host_;
    host.UnscheduleAlarm(window_.id_);
    if (note.GetAlarm() != nullptr) {
        host.ScheduleAlarm(window_);
    }
    window_.RepaintTitleBar();
    host.NoteMoved(window_.id_, NotePlace::kShown, NotePlace::kShown);
    host.MarkChanged();
}

void NoteCommandHandler::Unshade() {
    window_.placement_.Unshade();
    // At full size again, the content may need its scroll bar.
    window_.quickActions_.SetShaded(
        false, window_.scrolling_.ContentHeight() > window_.GetContentRect(false).height());
}

void NoteCommandHandler::Archive() {
    // A note archived from the Notebook while it is edited keeps what was typed.
    FinishEditing(true);
    if (window_.host_.ArchiveNote(window_.id_)) {
        return;  // The window is gone.
    }
    UserPrompts::Current().ShowMessage(
        &window_, QStringLiteral("Unable to archive this note. Check your archive settings"),
        QStringLiteral("No Go"), UserPrompts::Buttons::Ok, UserPrompts::Icon::None);
}

void NoteCommandHandler::Print() {
    // A note that went while its printer dialog was open is not touched
    // again: the dialog then counts as cancelled.
    const Rect& note = window_.note_->GetRect();
    if (PrintNote(&window_, QString::fromStdU16String(window_.note_->GetTitle()),
                  QSize(note.Width(), note.Height()),
                  [this](QPainter& painter, const QRect& page, int number) {
                      window_.printRect_ = page;
                      const bool more = window_.PrintPage(painter, number);
                      window_.printRect_.reset();
                      return more;
                  })) {
        window_.update();
    }
}

void NoteCommandHandler::Crumple() {
    if (window_.IsCrumpling()) {
        return;
    }
    FinishEditing(false);
    // The unshaded note is what the animation shows.
    if (window_.note_->IsShaded()) {
        Unshade();
        window_.repaint();
    }
    window_.quickActions_.Hide();
    const SettingsData& settings = window_.host_.GetSettings();
    if (settings.GetSoundEnabled()) {
        window_.host_.PlaySound(platform::kCrumpleSound);
    }
    if (settings.GetAnimatedCrumple() && window_.isVisible()) {
        window_.crumple_.Start([this] { CrumpleIntoWastebasket(); });
    } else {
        CrumpleIntoWastebasket();
    }
}

void NoteCommandHandler::CrumpleIntoWastebasket() {
    window_.StopAlarmRinging();
    window_.placement_.MoveToWastebasket();
}

}  // namespace vesk
