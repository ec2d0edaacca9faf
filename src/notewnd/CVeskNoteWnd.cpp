#include "notewnd/CVeskNoteWnd.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "notes/NoteCommands.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NotePainter.h"
#include "platform/Platform.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

constexpr int kMinAlpha = 10;
constexpr int kMaxAlpha = 255;
constexpr int kShakeStep = 5;

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
      dragging_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    connect(&shakeTimer_, &QTimer::timeout, this, &CVeskNoteWnd::ShakeStep);
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
    // without staying there.
    raise();
    activateWindow();
}

void CVeskNoteWnd::SetShake(bool on, int intervalMs, int amplitude) {
    if (on) {
        shakeTimer_.stop();
        shaking_ = true;
        shakeAmplitude_ = amplitude;
        shakeTimer_.start(intervalMs);
        return;
    }
    if (shaking_) {
        shakeTimer_.stop();
        // Only the place: a shaded note keeps its shaded height.
        move(note_->GetRect().left, note_->GetRect().top);
        shaking_ = false;
    }
}

void CVeskNoteWnd::StartAlarmRinging() {
    const AlarmData* alarm = note_->GetAlarm();
    if (alarm == nullptr) {
        return;
    }
    // Only "once" plays once; every other setting rings until the note is
    // clicked.
    const auto repeat = alarm->repeat == AlarmData::kRepeatOnce
                            ? platform::SoundPlayer::Repeat::Once
                            : platform::SoundPlayer::Repeat::Loop;
    if (!alarmSound_) {
        alarmSound_ = platform::CreateSoundPlayer();
    }
    if (alarm->soundfile.empty()) {
        alarmSound_->PlaySound(platform::kAlarmSound, repeat);
    } else {
        alarmSound_->PlayFile(QString::fromStdU16String(alarm->soundfile), repeat);
    }
}

void CVeskNoteWnd::SendCommand(std::uint32_t command) {
    switch (command) {
        case NoteCommand::kShade:
            Shade();
            break;
        case NoteCommand::kUnshade:
            Unshade();
            break;
        default:
            break;
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
    return ContentRect(size(), ShadowOn(), forceTitle || note_->GetShowTitle(), titleBarHeight_);
}

QString CVeskNoteWnd::GetShortTitle() const {
    return ShortTitle(QString::fromStdU16String(note_->GetTitle()));
}

const FontData& CVeskNoteWnd::GetEffectiveFont() const {
    return note_->GetFont().IsDefault() ? defaultContentFont_ : note_->GetFont();
}

void CVeskNoteWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool shadow = ShadowOn();
    PaintNoteBackground(painter, {.note = *note_,
                                  .titleFont = titleFont_,
                                  .area = NoteArea(size(), shadow),
                                  .titleBarHeight = titleBarHeight_,
                                  .titleBarShown = note_->GetShowTitle(),
                                  .contentFrame = GetContentRect(true),
                                  .shadow = shadow});
}

void CVeskNoteWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    raise();
    if (shaking_) {
        StopAlarmRinging();
    }
    if (!dragging_.IsSizing()) {
        dragging_.Begin(*event, note_->IsShaded());
    }
}

void CVeskNoteWnd::mouseMoveEvent(QMouseEvent* event) {
    dragging_.Follow(*event, note_->IsShaded(), titleBarHeight_);
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
    if (!host_.GetSettings().GetShowQAButtons() && note_->GetShowTitle() && inTitleBar) {
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

void CVeskNoteWnd::moveEvent(QMoveEvent*) {
    // A shake moves the window but not the note.
    if (!isVisible() || shaking_) {
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

void CVeskNoteWnd::resizeEvent(QResizeEvent*) {
    ApplyShape();
    // A shaded window is as high as its title bar; the record keeps the
    // height to unshade to.
    if (!isVisible() || note_->IsShaded()) {
        return;
    }
    const Rect old = note_->GetRect();
    Rect sized{old.left, old.top, WrapToInt32(std::int64_t{old.left} + width()),
               WrapToInt32(std::int64_t{old.top} + height())};
    if (sized != old) {
        note_->SetRect(sized);
        host_.MarkChanged();
    }
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

void CVeskNoteWnd::ShakeStep() {
    const Rect& place = note_->GetRect();
    const QPoint next = pos() + QPoint(kShakeStep * shakeDirection_, 0);
    if (shakeDirection_ > 0 && next.x() + width() >= place.right + shakeAmplitude_) {
        shakeDirection_ = -1;
    } else if (shakeDirection_ < 0 && next.x() <= place.left - shakeAmplitude_) {
        shakeDirection_ = 1;
    }
    move(next);
}

void CVeskNoteWnd::StopAlarmRinging() {
    SetShake(false, 0, 0);
    if (alarmSound_) {
        alarmSound_->Stop();
    }
    note_->EnableAlarm(false);
    // The alarm is gone from the record; saving it keeps it from ringing
    // again after a restart.
    host_.MarkChanged();
    update(0, 0, titleBarHeight_, titleBarHeight_);
}

}  // namespace vesk
