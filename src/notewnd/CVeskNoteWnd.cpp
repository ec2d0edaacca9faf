#include "notewnd/CVeskNoteWnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScrollBar>
#include <utility>

#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteKeys.h"
#include "notewnd/NotePainter.h"
#include "notewnd/NotePlacement.h"
#include "notewnd/NoteWindowFlags.h"
#include "notewnd/ScrollHints.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

// The visible part of the content leaves this much below it.
constexpr int kScrollMargin = 20;
// Text ends this far above the bottom of what it laid out.
constexpr int kTextBottomGap = 6;
// Margins of text on paper, left, right and bottom.
constexpr int kPrintMargin = 20;

}  // namespace

CVeskNoteWnd::CVeskNoteWnd(NoteId id, std::unique_ptr<NoteData> record, NoteHost& host)
    : QWidget(nullptr, NoteWindowFlags(*record)),
      id_(id),
      note_(std::move(record)),
      host_(host),
      opacity_(*this, *note_, host.GetSettings()),
      dragging_(*this),
      ringing_(*this, *note_),
      scrolling_([this](bool show) { ShowScrollBar(show); },
                 [this] { update(GetContentRect(false)); }),
      quickActions_(*this, *this,
                    [this](CQuickActionBox& box) {
                        scrolling_.SetScrollBar(&box.GetScrollBar());
                        // Once its box holds the activation, the note hears
                        // of the next change only through the box.
                        box.installEventFilter(this);
                    }),
      placement_(id, *this, *note_, host, quickActions_),
      crumple_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Shown, a note leaves the keyboard where it is (Edit takes it): notes
    // coming up by the hundred at start-up or from Show All would otherwise
    // each take the activation in turn, and bring up their boxes with it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    InstallNoteAccelerators();
}

CVeskNoteWnd::~CVeskNoteWnd() = default;

void CVeskNoteWnd::CreateNoteWindow() {
    setWindowTitle(QStringLiteral("vesknote"));
    if (preview_) {
        show();
    } else {
        PlaceOnDesktop();
    }
    if (!note_->GetFont().IsDefault()) {
        host_.RegisterFontFace(note_->GetFont().GetFace());
    }
}

void CVeskNoteWnd::CreatePreviewWindow(QWidget& parent, const QRect& rect, QScrollBar& bar) {
    preview_ = true;
    setParent(&parent, Qt::Widget);
    bar.setEnabled(false);
    scrolling_.SetScrollBar(&bar);
    connect(&bar, &QScrollBar::actionTriggered, this,
            [this](int action) { scrolling_.Act(action); });
    setGeometry(rect);
    CreateNoteWindow();
}

void CVeskNoteWnd::PlaceOnDesktop() {
    const Rect placed = PlaceOnScreens(note_->GetRect());
    if (placed != note_->GetRect()) {
        note_->SetRect(placed);
        host_.MarkChanged();
    }
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
        // It came up in front of the others. Until the event loop turns and
        // another window may come above it, bringing it forward (as a load
        // does next) needs no raise of its own.
        cameUpInFront_ = true;
        QMetaObject::invokeMethod(
            this, [this] { cameUpInFront_ = false; }, Qt::QueuedConnection);
    }
}

void CVeskNoteWnd::SetVisible(bool show) { placement_.SetVisible(show); }

void CVeskNoteWnd::BringToAttention() {
    // A window that comes up now, or has just come up, stands in front
    // already; raising it again would cost the window manager a restack for
    // every note of a load. Notes that stay on top are there anyway; the
    // others come to the front without staying there. Activating each one as
    // well would make the window manager work through every note in turn.
    const bool inFront = !isVisible() || std::exchange(cameUpInFront_, false);
    SetVisible(true);
    if (!inFront) {
        raise();
    }
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

bool CVeskNoteWnd::OnCommand(std::uint32_t command) { return commands_.Handle(command); }

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
    editing_.ShowSheet(*this);
    // What is typed next is meant for the note, not for the window that had
    // the keyboard (a dialog, say, when the note comes from the hot key).
    raise();
    activateWindow();
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

bool CVeskNoteWnd::PrintPage(QPainter& painter, int) {
    PaintNote(painter);
    return false;
}

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

void CVeskNoteWnd::PaintContentScrollHints(QPainter& painter) {
    // The preview's scroll bar stands beside it.
    if (IsPreview()) {
        return;
    }
    const int position = scrolling_.Position();
    PaintScrollHints(painter, GetContentRect(false), note_->GetStyle().textcolor, position > 0,
                     scrolling_.ContentHeight() - position > VisibleContentHeight());
}

bool CVeskNoteWnd::PaintNoteAroundText(QPainter& painter) {
    CVeskNoteWnd::PaintNote(painter);
    if (IsPrinting()) {
        return false;
    }
    links_.clear();
    return !note_->IsShaded() && !IsCrumpling();
}

void CVeskNoteWnd::TextEndsAt(std::optional<int> bottom) {
    SetContentHeight(bottom ? GetScrollPos() - GetTitleBarHeight() + *bottom - kTextBottomGap : 0);
    UpdateScrollBar();
}

QRect CVeskNoteWnd::PrintedTextArea() const {
    const QRect area = PaintArea();
    return {area.x() + kPrintMargin, area.y() + GetTitleBarHeight(),
            area.width() - 2 * kPrintMargin, area.height() - GetTitleBarHeight() - kPrintMargin};
}

void CVeskNoteWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintNote(painter);
}

void CVeskNoteWnd::mousePressEvent(QMouseEvent* event) { input_.Press(*event); }

void CVeskNoteWnd::mouseMoveEvent(QMouseEvent* event) { input_.Move(*event); }

void CVeskNoteWnd::mouseReleaseEvent(QMouseEvent* event) { input_.Release(*event); }

void CVeskNoteWnd::mouseDoubleClickEvent(QMouseEvent* event) { input_.DoubleClick(*event); }

void CVeskNoteWnd::wheelEvent(QWheelEvent* event) { input_.Wheel(*event); }

void CVeskNoteWnd::keyPressEvent(QKeyEvent* event) {
    if (!input_.Key(*event)) {
        QWidget::keyPressEvent(event);
    }
}

void CVeskNoteWnd::moveEvent(QMoveEvent*) {
    quickActions_.Place();
    // A shake or a crumple moves the window but not the note.
    if (!isVisible() || preview_ || ringing_.IsShaking() || IsCrumpling()) {
        return;
    }
    placement_.RecordMove();
    editing_.PlaceSheet(*this);
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
    if (!preview_) {
        placement_.RecordResize();
    }
    editing_.PlaceSheet(*this);
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
    if ((watched == quickActions_.FindBox() || watched == editing_.Sheet()) &&
        event->type() == QEvent::ActivationChange) {
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

bool CVeskNoteWnd::ShadowOn() const { return !preview_ && host_.GetSettings().GetNoteShadow(); }

void CVeskNoteWnd::ShowScrollBar(bool show) {
    if (!preview_) {
        quickActions_.ShowScrollBar(show);
    } else if (QScrollBar* bar = scrolling_.ScrollBar()) {
        bar->setEnabled(show);
    }
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
    // The alarm is gone from the record and from the queue, where it may
    // still wait when the note is crumpled before its time; saving keeps it
    // from ringing again after a restart.
    host_.UnscheduleAlarm(id_);
    host_.MarkChanged();
    RepaintTitleBar();
}

void CVeskNoteWnd::RepaintTitleBar() {
    // The clock, and a long title that makes room for it or takes the room
    // back.
    update(0, 0, width(), GetTitleBarHeight());
}

void CVeskNoteWnd::ActivationChanged() {
    // Only its own window makes the note active; turning to its quick action
    // box keeps it so. Some window systems activate the box as it shows: were
    // that the note's activation too, a note that has just lost the keyboard
    // would take it back through its box, show the box again, and two notes
    // would hand the activation to and fro without end.
    const bool active = QApplication::activeWindow() == this || (active_ && HoldsActivation(*this));
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
    // A preview is as high as its pane, whatever the note's own height.
    const int height = preview_ ? this->height() : note_->GetRect().Height();
    return height - GetTitleBarHeight() - kScrollMargin;
}

}  // namespace vesk
