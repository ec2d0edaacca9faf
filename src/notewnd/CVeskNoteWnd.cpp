#include "notewnd/CVeskNoteWnd.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScrollBar>

#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteKeys.h"
#include "notewnd/NotePainter.h"
#include "notewnd/NotePlacement.h"
#include "notewnd/NoteWindowFlags.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

// The visible part of the content leaves this much below it.
constexpr int kScrollMargin = 20;

}  // namespace

CVeskNoteWnd::CVeskNoteWnd(NoteId id, std::unique_ptr<NoteData> record, NoteHost& host)
    : QWidget(nullptr, NoteWindowFlags(*record)),
      id_(id),
      note_(std::move(record)),
      host_(host),
      opacity_(*this, *note_, host.GetSettings()),
      dragging_(*this),
      ringing_(id, *this, *note_, host),
      scrolling_([this](bool show) { ShowScrollBar(show); },
                 [this] { update(GetContentRect(false)); }),
      quickActions_(*this, boxLink_, [this](CQuickActionBox& box) { boxLink_.BoxMade(box); }),
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
    opacity_.Apply(note_->GetAlpha());
    placement_.TakeRecordedPlace(GetTitleBarHeight(), ShadowOn());
    ApplyShape();
    placement_.ComeUp();
}

void CVeskNoteWnd::SetVisible(bool show) { placement_.SetVisible(show); }

void CVeskNoteWnd::BringToAttention() { placement_.BringToAttention(); }

void CVeskNoteWnd::SetShake(bool on, int intervalMs, int amplitude) {
    ringing_.SetShake(on, intervalMs, amplitude);
}

void CVeskNoteWnd::StartAlarmRinging() { ringing_.Start(); }

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

void CVeskNoteWnd::moveEvent(QMoveEvent*) { followers_.Moved(); }

void CVeskNoteWnd::resizeEvent(QResizeEvent* event) { followers_.Resized(*event); }

void CVeskNoteWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        activation_.Changed();
    }
    QWidget::changeEvent(event);
}

bool CVeskNoteWnd::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == quickActions_.FindBox() || watched == editing_.Sheet()) &&
        event->type() == QEvent::ActivationChange) {
        activation_.Changed();
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
    ringing_.Silence();
    RepaintTitleBar();
}

void CVeskNoteWnd::RepaintTitleBar() {
    // The clock, and a long title that makes room for it or takes the room
    // back.
    update(0, 0, width(), GetTitleBarHeight());
}

int CVeskNoteWnd::VisibleContentHeight() const {
    // A preview is as high as its pane, whatever the note's own height.
    const int height = preview_ ? this->height() : note_->GetRect().Height();
    return height - GetTitleBarHeight() - kScrollMargin;
}

}  // namespace vesk
