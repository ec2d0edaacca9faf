#include "notewnd/CVeskNoteWnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>
#include <utility>

#include "dialogs/UserPrompts.h"
#include "notes/NoteCommands.h"
#include "notewnd/NoteDoubleClick.h"
#include "notewnd/NoteExport.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteKeys.h"
#include "notewnd/NoteLinks.h"
#include "notewnd/NoteMenu.h"
#include "notewnd/NotePainter.h"
#include "notewnd/NotePlacement.h"
#include "notewnd/NotePrinting.h"
#include "notewnd/NoteWindowFlags.h"
#include "platform/SoundPlayer.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

// The visible part of the content leaves this much below it.
constexpr int kScrollMargin = 20;
constexpr int kWheelNotch = 120;

}  // namespace

CVeskNoteWnd::CVeskNoteWnd(NoteId id, std::unique_ptr<NoteData> record, NoteHost& host)
    : QWidget(nullptr, NoteWindowFlags(*record)),
      id_(id),
      note_(std::move(record)),
      host_(host),
      opacity_(*this, *note_, host.GetSettings()),
      dragging_(*this),
      ringing_(*this, *note_),
      scrolling_([this](bool show) { quickActions_.ShowScrollBar(show); },
                 [this] { update(GetContentRect(false)); }),
      quickActions_(*this, *this),
      placement_(id, *this, *note_, host, quickActions_),
      crumple_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    scrolling_.SetScrollBar(&quickActions_.GetBox().GetScrollBar());
    // Once its box holds the activation, the note hears of the next change
    // only through the box.
    quickActions_.GetBox().installEventFilter(this);
    InstallNoteAccelerators(*this, [this](std::uint32_t command) { SendCommand(command); });
}

CVeskNoteWnd::~CVeskNoteWnd() = default;

void CVeskNoteWnd::CreateNoteWindow() {
    const Rect placed = PlaceOnScreens(note_->GetRect());
    if (placed != note_->GetRect()) {
        note_->SetRect(placed);
        host_.MarkChanged();
    }

    setWindowTitle(QStringLiteral("vesknote"));
    opacity_.Apply(note_->GetAlpha());
    const QRect unshaded = ToQRect(note_->GetRect());
    // The shaded size is taken before the window first shows, so it never
    // flashes open; the record keeps the unshaded place either way.
    setGeometry(note_->IsShaded() ? ShadedRect(unshaded, GetTitleBarHeight(), ShadowOn())
                                  : unshaded);
    if (note_->IsShaded()) {
        quickActions_.SetShaded(true, false);
    }
    ApplyShape();
    if (IsShown()) {
        show();
    }
    if (!note_->GetFont().IsDefault()) {
        host_.RegisterFontFace(note_->GetFont().GetFace());
    }
}

void CVeskNoteWnd::SetVisible(bool show) { placement_.SetVisible(show); }

void CVeskNoteWnd::BringToAttention() {
    SetVisible(true);
    // Notes that stay on top already are; the others come to the front
    // without staying there. Activating each one as well would make the
    // window manager work through every note in turn.
    raise();
}

void CVeskNoteWnd::SetShake(bool on, int intervalMs, int amplitude) {
    ringing_.SetShake(on, intervalMs, amplitude);
}

void CVeskNoteWnd::StartAlarmRinging() {
    if (const AlarmData* alarm = note_->GetAlarm()) {
        ringing_.PlaySound(*alarm);
    }
}

void CVeskNoteWnd::SendCommand(std::uint32_t command) { OnCommand(command); }

bool CVeskNoteWnd::OnCommand(std::uint32_t command) {
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
        case NoteCommand::kShade:
            placement_.Shade(GetTitleBarHeight(), ShadowOn());
            break;
        case NoteCommand::kUnshade:
            Unshade();
            break;
        case NoteCommand::kHide:
            placement_.Hide();
            break;
        case NoteCommand::kShow:
            placement_.Show();
            break;
        case NoteCommand::kStayOnTop:
            placement_.ToggleStayOnTop();
            break;
        case NoteCommand::kShowTitleBar:
            placement_.ToggleTitleBar();
            break;
        case NoteCommand::kArchive:
            Archive();
            break;
        case NoteCommand::kSave:
            SaveNoteAs(this, *note_);
            break;
        case NoteCommand::kPrint:
            Print();
            break;
        case NoteCommand::kCrumple:
            Crumple();
            break;
        case NoteCommand::kStyleChanged:
            editing_.RestyleTitleEdit(note_->GetStyle());
            update();
            break;
        default:
            return false;
    }
    return true;
}

void CVeskNoteWnd::MoveToBottom() { lower(); }

void CVeskNoteWnd::ApplySettings() {
    // The title font or the shadow may have changed the shaded height.
    if (note_->IsShaded()) {
        setGeometry(ShadedRect(geometry(), GetTitleBarHeight(), ShadowOn()));
    }
    ApplyShape();
    opacity_.ApplyCurrent();
    quickActions_.ApplySettings();
}

void CVeskNoteWnd::Repaint() { update(); }

QRect CVeskNoteWnd::GetContentRect(bool forceTitle) const {
    const bool title = forceTitle || note_->GetShowTitle();
    if (printRect_) {
        return ContentRect(printRect_->size(), false, title, GetTitleBarHeight())
            .translated(printRect_->topLeft());
    }
    return ContentRect(size(), ShadowOn(), title, GetTitleBarHeight());
}

QString CVeskNoteWnd::GetShortTitle() const {
    return ShortTitle(QString::fromStdU16String(note_->GetTitle()));
}

const FontData& CVeskNoteWnd::GetEffectiveFont() const {
    return note_->GetFont().IsDefault() ? GetDefaultContentFont() : note_->GetFont();
}

void CVeskNoteWnd::BeginEdit() {
    editing_.EnsureBackup(*note_);
    opacity_.SetAlphaActive(false);
    editing_.OpenTitleEdit(*this, *note_, GetTitleFont(), GetTitleBarHeight());
}

void CVeskNoteWnd::EndEdit(bool commit) {
    // Put back first: the alpha shown is the restored one.
    editing_.Close(*note_, commit);
    opacity_.SetAlphaActive(true);
}

void CVeskNoteWnd::PaintNote(QPainter& painter) {
    if (IsCrumpling()) {
        // The whole window was captured, shadow included.
        painter.drawPixmap(rect(), crumple_.GetCapture());
        return;
    }
    PaintNoteBackground(painter, {.note = *note_,
                                  .titleFont = GetTitleFont(),
                                  .area = PaintArea(),
                                  .titleBarHeight = GetTitleBarHeight(),
                                  .titleBarShown = note_->GetShowTitle(),
                                  .editing = IsEditing(),
                                  .contentFrame = GetContentRect(true),
                                  .shadow = ShadowOn() && !IsPrinting(),
                                  .printing = IsPrinting()});
}

void CVeskNoteWnd::PrintPage(QPainter& painter, int) { PaintNote(painter); }

bool CVeskNoteWnd::PrepareNoteMenu(QMenu&) { return true; }

QRect CVeskNoteWnd::PaintArea() const {
    return printRect_ ? *printRect_ : NoteArea(size(), ShadowOn());
}

bool CVeskNoteWnd::IsCrumpling() const { return crumple_.IsRunning(); }

void CVeskNoteWnd::UpdateScrollBar() {
    // A shaded note shows no content, so no scroll bar either.
    if (note_->IsShaded()) {
        return;
    }
    scrolling_.Update(VisibleContentHeight(), GetEffectiveFont().GetHeight());
}

void CVeskNoteWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintNote(painter);
}

void CVeskNoteWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The menu runs once this event is done: a command chosen from it
        // may destroy the window.
        QMetaObject::invokeMethod(
            this, [this] { SendCommand(NoteCommand::kContextMenu); }, Qt::QueuedConnection);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    raise();
    if (ringing_.IsShaking()) {
        StopAlarmRinging();
    }
    if (dragging_.IsSizing()) {
        return;
    }
    if (!note_->IsShaded()) {
        OpenLinksAt(links_, event->position().toPoint(), host_);
    }
    dragging_.Begin(*event, note_->IsShaded());
}

void CVeskNoteWnd::mouseMoveEvent(QMouseEvent* event) {
    dragging_.Follow(*event, note_->IsShaded(), GetTitleBarHeight());
    if (event->buttons() == Qt::NoButton && !note_->IsShaded() &&
        IsOverLink(links_, event->position().toPoint())) {
        setCursor(Qt::PointingHandCursor);
    }
}

void CVeskNoteWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_.End();
    }
}

void CVeskNoteWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const DoubleClickState state{.editing = IsEditing(),
                                 .showQAButtons = host_.GetSettings().GetShowQAButtons(),
                                 .titleShown = note_->GetShowTitle(),
                                 .hasAlarm = note_->GetAlarm() != nullptr,
                                 .shaded = note_->IsShaded(),
                                 .titleBarHeight = GetTitleBarHeight()};
    for (const std::uint32_t command : DoubleClickCommands(event->position().toPoint(), state)) {
        SendCommand(command);
    }
}

void CVeskNoteWnd::wheelEvent(QWheelEvent* event) {
    scrolling_.ScrollLines(-event->angleDelta().y() * QApplication::wheelScrollLines() /
                           kWheelNotch);
}

void CVeskNoteWnd::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            scrolling_.ScrollLines(-1);
            break;
        case Qt::Key_Down:
            scrolling_.ScrollLines(1);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CVeskNoteWnd::moveEvent(QMoveEvent*) {
    quickActions_.Place();
    // A shake or a crumple moves the window but not the note.
    if (!isVisible() || ringing_.IsShaking() || IsCrumpling()) {
        return;
    }
    const Rect old = note_->GetRect();
    Rect moved{x(), y(), WrapToInt32(std::int64_t{x()} + old.Width()),
               WrapToInt32(std::int64_t{y()} + old.Height())};
    if (moved != old) {
        note_->SetRect(moved);
        host_.MarkChanged();
    }
}

void CVeskNoteWnd::resizeEvent(QResizeEvent* event) {
    ApplyShape();
    quickActions_.Place();
    editing_.PlaceTitleEdit(width(), GetTitleBarHeight());
    // A shaded window is as high as its title bar; the record keeps the
    // height to unshade to.
    if (!isVisible() || note_->IsShaded() || IsCrumpling()) {
        return;
    }
    const Rect old = note_->GetRect();
    Rect sized{old.left, old.top, WrapToInt32(std::int64_t{old.left} + width()),
               WrapToInt32(std::int64_t{old.top} + height())};
    if (sized != old) {
        note_->SetRect(sized);
        host_.MarkChanged();
    }
    scrolling_.Resized(event->oldSize().height(), height(), GetTitleBarHeight(),
                       GetContentRect(false).height());
}

void CVeskNoteWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        ActivationChanged();
    }
    QWidget::changeEvent(event);
}

bool CVeskNoteWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &quickActions_.GetBox() && event->type() == QEvent::ActivationChange) {
        ActivationChanged();
    }
    return QWidget::eventFilter(watched, event);
}

void CVeskNoteWnd::closeEvent(QCloseEvent* event) {
    // The window manager's close would leave the note hidden behind the
    // record's back.
    if (event->spontaneous()) {
        event->ignore();
    }
}

void CVeskNoteWnd::OnQuickActionCommand(std::uint32_t command) { SendCommand(command); }

void CVeskNoteWnd::OnQuickActionScroll(int action) { scrolling_.Act(action); }

const SettingsData& CVeskNoteWnd::GetNoteSettings() const { return host_.GetSettings(); }

bool CVeskNoteWnd::ShadowOn() const { return host_.GetSettings().GetNoteShadow(); }

void CVeskNoteWnd::ApplyShape() {
    if (ShadowOn()) {
        setMask(ShadowMask(size()));
    } else {
        clearMask();
    }
}

void CVeskNoteWnd::StopAlarmRinging() {
    ringing_.Stop();
    note_->EnableAlarm(false);
    // The alarm is gone from the record; saving it keeps it from ringing
    // again after a restart.
    host_.MarkChanged();
    update(0, 0, GetTitleBarHeight(), GetTitleBarHeight());
}

void CVeskNoteWnd::ActivationChanged() {
    // Turning to its own quick action box keeps the note active.
    const bool active = HoldsActivation(*this);
    if (active == active_) {
        return;
    }
    active_ = active;
    if (!active) {
        // While edited, or while its box is in use, the note stays as it is.
        if (opacity_.IsAlphaActive()) {
            opacity_.ApplyRecordAlpha();
            quickActions_.Hide();
            UpdateScrollBar();
        }
        return;
    }
    if (IsEditing() || !IsShown()) {
        return;
    }
    opacity_.ApplyCurrent();
    if (!IsCrumpling()) {
        quickActions_.Show();
    }
}

int CVeskNoteWnd::VisibleContentHeight() const {
    return note_->GetRect().Height() - GetTitleBarHeight() - kScrollMargin;
}

void CVeskNoteWnd::ShowMenu() {
    // Without a parent: a command from it may destroy this window.
    QMenu menu;
    BuildNoteMenu(menu, *note_, IsEditing());
    if (!PrepareNoteMenu(menu)) {
        return;
    }
    const QPointer<CVeskNoteWnd> alive(this);
    const QAction* chosen = menu.exec(QCursor::pos());
    if (chosen != nullptr && alive) {
        OnCommand(MenuCommand(*chosen));
    }
}

void CVeskNoteWnd::Edit() {
    if (!editing_.Begin()) {
        return;
    }
    quickActions_.Hide();
    BeginEdit();
    update();
}

void CVeskNoteWnd::FinishEditing(bool commit) {
    if (!editing_.End()) {
        return;
    }
    EndEdit(commit);
    update();
    // Put away for the edit, the box comes back to a note still in use.
    if (active_ && IsShown() && !IsCrumpling()) {
        quickActions_.Show();
    }
    if (!commit) {
        return;
    }
    host_.UnscheduleAlarm(id_);
    if (note_->GetAlarm() != nullptr) {
        host_.ScheduleAlarm(*this);
    }
    host_.NoteMoved(id_, NotePlace::kShown, NotePlace::kShown);
    host_.MarkChanged();
}

void CVeskNoteWnd::Unshade() {
    placement_.Unshade();
    // At full size again, the content may need its scroll bar.
    quickActions_.SetShaded(false, scrolling_.ContentHeight() > GetContentRect(false).height());
}

void CVeskNoteWnd::Archive() {
    if (host_.ArchiveNote(id_)) {
        return;  // The window is gone.
    }
    UserPrompts::Current().ShowMessage(
        this, QStringLiteral("Unable to archive this note. Check your archive settings"),
        QStringLiteral("No Go"), UserPrompts::Buttons::Ok, UserPrompts::Icon::None);
}

void CVeskNoteWnd::Print() {
    PrintNote(this, QString::fromStdU16String(note_->GetTitle()),
              [this](QPainter& painter, const QRect& page, int number) {
                  printRect_ = page;
                  PrintPage(painter, number);
                  printRect_.reset();
              });
    update();
}

void CVeskNoteWnd::Crumple() {
    if (IsCrumpling()) {
        return;
    }
    FinishEditing(false);
    // The unshaded note is what the animation shows.
    if (note_->IsShaded()) {
        Unshade();
        repaint();
    }
    quickActions_.Hide();
    if (host_.GetSettings().GetSoundEnabled()) {
        host_.PlaySound(platform::kCrumpleSound);
    }
    if (host_.GetSettings().GetAnimatedCrumple() && isVisible()) {
        crumple_.Start([this] { CrumpleIntoWastebasket(); });
    } else {
        CrumpleIntoWastebasket();
    }
}

void CVeskNoteWnd::CrumpleIntoWastebasket() {
    StopAlarmRinging();
    placement_.MoveToWastebasket();
}

}  // namespace vesk
