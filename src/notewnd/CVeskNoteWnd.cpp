#include "notewnd/CVeskNoteWnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "dialogs/UserPrompts.h"
#include "notes/NoteCommands.h"
#include "notes/NoteFactory.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/NoteExport.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteKeys.h"
#include "notewnd/NoteLinks.h"
#include "notewnd/NoteMenu.h"
#include "notewnd/NotePainter.h"
#include "notewnd/NotePrinting.h"
#include "platform/SoundPlayer.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

constexpr int kMinAlpha = 10;
constexpr int kMaxAlpha = 255;
constexpr int kTitleEditInset = 5;
constexpr int kTitleLimit = 256;
// Below the content the scroll range keeps this much room.
constexpr int kScrollMargin = 20;

Qt::WindowFlags NoteWindowFlags(const NoteData& note) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;
    if (note.GetStayOnTop() == 1) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

// Font records copy without their drawing fonts: each shared font makes its
// own, falling back when the engine cannot make it.
void MakeUsableOrFallback(FontData& font) {
    if (!font.MakeUsable()) {
        font = FontData::Fallback();
        font.MakeUsable();
    }
}

}  // namespace

FontData CVeskNoteWnd::titleFont_;
int CVeskNoteWnd::titleBarHeight_ = TitleBarHeightFor(0);
FontData CVeskNoteWnd::defaultContentFont_;

void CVeskNoteWnd::SetTitleFont(const FontData& font) {
    titleFont_ = font;
    MakeUsableOrFallback(titleFont_);
    titleBarHeight_ = TitleBarHeightFor(titleFont_.GetHeight());
}

void CVeskNoteWnd::SetDefaultContentFont(const FontData& font) {
    defaultContentFont_ = font;
    MakeUsableOrFallback(defaultContentFont_);
}

CVeskNoteWnd::CVeskNoteWnd(NoteId id, std::unique_ptr<NoteData> record, NoteHost& host)
    : QWidget(nullptr, NoteWindowFlags(*record)),
      id_(id),
      note_(std::move(record)),
      host_(host),
      dragging_(*this),
      ringing_(*this, *note_),
      scrolling_([](bool) {}, [this] { update(GetContentRect(false)); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    InstallNoteAccelerators(*this, [this](std::uint32_t command) { SendCommand(command); });
}

CVeskNoteWnd::~CVeskNoteWnd() = default;

void CVeskNoteWnd::CreateNoteWindow() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    const Rect placed = PlaceOnScreen(note_->GetRect(), screens,
                                      primary != nullptr ? primary->availableGeometry() : QRect());
    if (placed != note_->GetRect()) {
        note_->SetRect(placed);
        host_.MarkChanged();
    }

    setWindowTitle(QStringLiteral("vesknote"));
    ApplyOpacity(note_->GetAlpha());
    const QRect unshaded = ToQRect(note_->GetRect());
    // The shaded size is taken before the window first shows, so it never
    // flashes open; the record keeps the unshaded place either way.
    setGeometry(note_->IsShaded() ? ShadedRect(unshaded, titleBarHeight_, ShadowOn()) : unshaded);
    ApplyShape();
    if (IsShown()) {
        show();
    }
    if (!note_->GetFont().IsDefault()) {
        host_.RegisterFontFace(note_->GetFont().GetFace());
    }
}

void CVeskNoteWnd::SetVisible(bool show) {
    if (!show) {
        note_->SetState(NoteData::kStateHidden);
        hide();
        return;
    }
    const std::int32_t previous = note_->GetState();
    note_->SetState(NoteData::kStateShown);
    if (previous == NoteData::kStateWastebasket) {
        host_.NoteMoved(id_, NotePlace::kWastebasket, NotePlace::kShown);
    }
    this->show();
}

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
            return true;
        case NoteCommand::kEdit:
            Edit();
            return true;
        case NoteCommand::kDoneEditing:
        case NoteCommand::kCancelEditing:
            FinishEditing(command == NoteCommand::kDoneEditing);
            return true;
        case NoteCommand::kShade:
            Shade();
            return true;
        case NoteCommand::kUnshade:
            Unshade();
            return true;
        case NoteCommand::kHide:
            Hide();
            return true;
        case NoteCommand::kShow:
            Show();
            return true;
        case NoteCommand::kStayOnTop:
            ToggleStayOnTop();
            return true;
        case NoteCommand::kShowTitleBar:
            note_->SetShowTitle(!note_->GetShowTitle());
            // Written into the record, so it must reach the file.
            host_.MarkChanged();
            update();
            return true;
        case NoteCommand::kArchive:
            if (host_.ArchiveNote(id_)) {
                return true;  // This window is gone.
            }
            UserPrompts::Current().ShowMessage(
                this, QStringLiteral("Unable to archive this note. Check your archive settings"),
                QStringLiteral("No Go"), UserPrompts::Buttons::Ok, UserPrompts::Icon::None);
            return true;
        case NoteCommand::kSave:
            SaveNoteAs(this, *note_);
            return true;
        case NoteCommand::kPrint:
            Print();
            return true;
        case NoteCommand::kCrumple:
            Crumple();
            return true;
        case NoteCommand::kStyleChanged:
            StyleChanged();
            return true;
        default:
            return false;
    }
}

void CVeskNoteWnd::MoveToBottom() { lower(); }

void CVeskNoteWnd::ApplySettings() {
    // The title font or the shadow may have changed the shaded height.
    if (note_->IsShaded()) {
        setGeometry(ShadedRect(geometry(), titleBarHeight_, ShadowOn()));
    }
    ApplyShape();
    ApplyCurrentOpacity();
}

void CVeskNoteWnd::Repaint() { update(); }

void CVeskNoteWnd::SetAlpha(int alpha) {
    note_->SetAlpha(static_cast<std::uint8_t>(std::clamp(alpha, kMinAlpha, kMaxAlpha)));
    if (host_.GetSettings().GetSolidOnSelect() && isActiveWindow()) {
        return;
    }
    ApplyOpacity(note_->GetAlpha());
    if (IsShown()) {
        show();
        repaint();
    }
}

void CVeskNoteWnd::SetAlphaActive(bool active) {
    alphaActive_ = active;
    ApplyOpacity(active ? note_->GetAlpha() : kMaxAlpha);
}

QRect CVeskNoteWnd::GetContentRect(bool forceTitle) const {
    if (printRect_) {
        return ContentRect(printRect_->size(), false, forceTitle || note_->GetShowTitle(),
                           titleBarHeight_)
            .translated(printRect_->topLeft());
    }
    return ContentRect(size(), ShadowOn(), forceTitle || note_->GetShowTitle(), titleBarHeight_);
}

QString CVeskNoteWnd::GetShortTitle() const {
    return ShortTitle(QString::fromStdU16String(note_->GetTitle()));
}

const FontData& CVeskNoteWnd::GetEffectiveFont() const {
    return note_->GetFont().IsDefault() ? defaultContentFont_ : note_->GetFont();
}

void CVeskNoteWnd::BeginEdit() {
    if (!backup_) {
        backup_ = CreateNoteDataByKind(note_->GetKind());
        if (backup_) {
            backup_->CopyFrom(*note_);
        }
    }
    SetAlphaActive(false);
    const StyleData& style = note_->GetStyle();
    auto* edit = new CNoteEdit(CNoteEdit::Mode::SingleLine, true, this);
    edit->setGeometry(kTitleEditInset, kTitleEditInset, width() - 2 * kTitleEditInset,
                      titleBarHeight_ - 2 * kTitleEditInset);
    edit->SetBackgroundColor(style.bgcolor);
    edit->SetTextColor(style.titlecolor);
    edit->SetNoteFont(titleFont_);
    edit->SetTextLimit(kTitleLimit);
    edit->SetText(note_->GetTitle());
    edit->show();
    titleEdit_ = edit;
}

void CVeskNoteWnd::EndEdit(bool commit) {
    SetAlphaActive(true);
    if (commit) {
        if (titleEdit_) {
            note_->SetTitle(titleEdit_->GetText());
        }
        note_->Touch();
    } else if (backup_) {
        note_->CopyFrom(*backup_);
    }
    delete titleEdit_;
    backup_.reset();
}

void CVeskNoteWnd::PaintNote(QPainter& painter) {
    const QRect area = PaintArea();
    if (IsCrumpling()) {
        return;
    }
    const bool shadow = ShadowOn() && !IsPrinting();
    PaintNoteBackground(painter, {.note = *note_,
                                  .titleFont = titleFont_,
                                  .area = area,
                                  .titleBarHeight = titleBarHeight_,
                                  .titleBarShown = note_->GetShowTitle(),
                                  .editing = editing_,
                                  .contentFrame = GetContentRect(true),
                                  .shadow = shadow,
                                  .printing = IsPrinting()});
}

void CVeskNoteWnd::PrintPage(QPainter& painter, int) { PaintNote(painter); }

bool CVeskNoteWnd::PrepareNoteMenu(QMenu&) { return true; }

void CVeskNoteWnd::SetBackup(std::unique_ptr<NoteData> backup) { backup_ = std::move(backup); }

QRect CVeskNoteWnd::PaintArea() const {
    return printRect_ ? *printRect_ : NoteArea(size(), ShadowOn());
}

bool CVeskNoteWnd::IsCrumpling() const { return false; }

void CVeskNoteWnd::UpdateScrollBar() {
    const int visible = note_->GetRect().Height() - titleBarHeight_ - kScrollMargin;
    scrolling_.Update(visible, GetEffectiveFont().GetHeight());
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
    OpenLinksAt(links_, event->position().toPoint(), host_);
    dragging_.Begin(*event, note_->IsShaded());
}

void CVeskNoteWnd::mouseMoveEvent(QMouseEvent* event) {
    dragging_.Follow(*event, note_->IsShaded(), titleBarHeight_);
    if (!dragging_.IsSizing() && !note_->IsShaded() && event->buttons() == Qt::NoButton &&
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
    const QPoint at = event->position().toPoint();
    const bool inTitleBar = at.y() <= titleBarHeight_;
    if (editing_) {
        SendCommand(NoteCommand::kDoneEditing);
    } else if (!host_.GetSettings().GetShowQAButtons() && note_->GetShowTitle() && inTitleBar) {
        // Without the quick action buttons the title bar is the way to shade.
        SendCommand(note_->IsShaded() ? NoteCommand::kUnshade : NoteCommand::kShade);
    } else if (note_->GetAlarm() != nullptr && at.x() <= titleBarHeight_ && inTitleBar) {
        SendCommand(NoteCommand::kSetAlarm);
    } else {
        if (note_->IsShaded()) {
            SendCommand(NoteCommand::kUnshade);
        }
        SendCommand(NoteCommand::kEdit);
    }
}

void CVeskNoteWnd::wheelEvent(QWheelEvent* event) {
    // Three lines a notch, as elsewhere on the desktop.
    const int lines = -event->angleDelta().y() * QApplication::wheelScrollLines() / 120;
    scrolling_.ScrollLines(lines);
}

void CVeskNoteWnd::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            scrolling_.ScrollLines(-1);
            break;
        case Qt::Key_Down:
            scrolling_.ScrollLines(1);
            break;
        case Qt::Key_Escape:
        case Qt::Key_F4:
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CVeskNoteWnd::moveEvent(QMoveEvent*) {
    // A shake moves the window but not the note.
    if (!isVisible() || ringing_.IsShaking()) {
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
    if (titleEdit_) {
        titleEdit_->setGeometry(kTitleEditInset, kTitleEditInset, width() - 2 * kTitleEditInset,
                                titleBarHeight_ - 2 * kTitleEditInset);
    }
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
    scrolling_.Resized(event->oldSize().height(), height(), titleBarHeight_,
                       GetContentRect(false).height());
}

void CVeskNoteWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        ApplyCurrentOpacity();
    }
    QWidget::changeEvent(event);
}

void CVeskNoteWnd::closeEvent(QCloseEvent* event) {
    // The window manager's close would leave the note hidden behind the
    // record's back.
    if (event->spontaneous()) {
        event->ignore();
    }
}

bool CVeskNoteWnd::ShadowOn() const { return host_.GetSettings().GetNoteShadow(); }

void CVeskNoteWnd::ApplyOpacity(std::uint8_t alpha) { setWindowOpacity(alpha / 255.0); }

void CVeskNoteWnd::ApplyCurrentOpacity() {
    if (!alphaActive_) {
        return;
    }
    const bool solid = isActiveWindow() && IsShown() && host_.GetSettings().GetSolidOnSelect();
    ApplyOpacity(solid ? kMaxAlpha : note_->GetAlpha());
}

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
    update(0, 0, titleBarHeight_, titleBarHeight_);
}

void CVeskNoteWnd::ShowMenu() {
    // Without a parent: a command from it may destroy this window.
    QMenu menu;
    BuildNoteMenu(menu, *note_, editing_);
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
    if (editing_) {
        return;
    }
    editing_ = true;
    backup_.reset();
    BeginEdit();
    update();
}

void CVeskNoteWnd::FinishEditing(bool commit) {
    if (!editing_) {
        return;
    }
    editing_ = false;
    EndEdit(commit);
    update();
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

void CVeskNoteWnd::Shade() {
    note_->SetShaded(true);
    host_.MarkChanged();
    setGeometry(ShadedRect(geometry(), titleBarHeight_, ShadowOn()));
    update();
}

void CVeskNoteWnd::Unshade() {
    note_->SetShaded(false);
    setGeometry(ToQRect(note_->GetRect()));
    update();
    host_.MarkChanged();
}

void CVeskNoteWnd::Hide() {
    note_->SetState(NoteData::kStateHidden);
    hide();
    host_.NoteMoved(id_, NotePlace::kShown, NotePlace::kHidden);
    host_.MarkChanged();
}

void CVeskNoteWnd::Show() {
    const std::int32_t previous = note_->GetState();
    note_->SetState(NoteData::kStateShown);
    show();
    host_.NoteMoved(id_, previous, NotePlace::kShown);
    host_.MarkChanged();
}

void CVeskNoteWnd::ToggleStayOnTop() {
    const bool onTop = note_->GetStayOnTop() != 1;
    note_->SetStayOnTop(onTop ? 1 : 0);
    // New window flags take the window down; it comes back where it was.
    const QRect place = geometry();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    setGeometry(place);
    if (wasVisible) {
        show();
    }
    host_.MarkChanged();
}

void CVeskNoteWnd::Print() {
    PrintNote(this, QString::fromStdU16String(note_->GetTitle()),
              [this](QPainter& painter, const QRect& page, int number) {
                  printRect_ = page;
                  PrintPage(painter, number);
                  printRect_.reset();
              });
    // Cleared again whether or not anything printed.
    printRect_.reset();
    update();
}

void CVeskNoteWnd::Crumple() {
    if (editing_) {
        FinishEditing(false);
    }
    if (note_->IsShaded()) {
        Unshade();
        repaint();
    }
    if (host_.GetSettings().GetSoundEnabled()) {
        host_.PlaySound(platform::kCrumpleSound);
    }
    CrumpleIntoWastebasket();
}

void CVeskNoteWnd::CrumpleIntoWastebasket() {
    hide();
    StopAlarmRinging();
    note_->SetState(NoteData::kStateWastebasket);
    host_.NoteMoved(id_, NotePlace::kShown, NotePlace::kWastebasket);
    host_.MarkChanged();
}

void CVeskNoteWnd::StyleChanged() {
    if (titleEdit_) {
        titleEdit_->SetTextColor(note_->GetStyle().titlecolor);
        titleEdit_->SetBackgroundColor(note_->GetStyle().bgcolor);
        titleEdit_->update();
    }
    update();
}

}  // namespace vesk
