#include "notewnd/CQuickActionBox.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "notewnd/NoteGeometry.h"
#include "notewnd/NotePainter.h"
#include "notewnd/QuickActionButton.h"
#include "settings/SettingsData.h"
#include "settings/StyleData.h"

namespace vesk {

namespace {

constexpr int kMargin = 2;
// A button and the gap below it.
constexpr int kButtonPitch = 22;
constexpr int kScrollBarWidth = 20;
constexpr int kScrollBarHeight = 135;
constexpr int kBoxWidth = 24;
// The height of an empty column of buttons: its two margins.
constexpr int kNoButtonsHeight = 4;

int ButtonTop(std::size_t index) { return kButtonPitch * static_cast<int>(index) + kMargin; }

}  // namespace

CQuickActionBox::CQuickActionBox(QuickActionOwner& owner, QWidget& ownerWindow)
    : QWidget(&ownerWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint |
                                Qt::WindowDoesNotAcceptFocus),
      owner_(owner),
      ownerWindow_(ownerWindow),
      scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    setWindowTitle(QStringLiteral("QuickActionBox"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    scrollBar_->setGeometry(kMargin, kMargin, kScrollBarWidth, kScrollBarHeight);
    scrollBar_->setFocusPolicy(Qt::NoFocus);
    scrollBar_->hide();
    scrollBar_->installEventFilter(this);
    connect(scrollBar_, &QScrollBar::actionTriggered, this,
            [this](int action) { owner_.OnQuickActionScroll(action); });
    ownerWindow_.installEventFilter(this);
}

void CQuickActionBox::AddButton(std::uint32_t command, const QString& caption, int normalImage,
                                int pressedImage) {
    auto* button = new QuickActionButton(command, caption, normalImage, pressedImage, this);
    button->move(kMargin, ButtonTop(buttons_.size()));
    button->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this,
            [this, command] { owner_.OnQuickActionCommand(command); });
    buttons_.push_back(button);
    if (ButtonsOn()) {
        button->show();
        PlaceScrollBar(true);
    } else {
        button->hide();
    }
}

bool CQuickActionBox::RemoveButton(std::uint32_t command) {
    const auto found = std::find_if(buttons_.begin(), buttons_.end(), [command](auto* button) {
        return button->GetCommand() == command;
    });
    if (found == buttons_.end()) {
        return false;
    }
    // The button may be the one whose click is being handled right now.
    (*found)->hide();
    (*found)->deleteLater();
    buttons_.erase(found);
    return true;
}

void CQuickActionBox::ShowButtons(bool show) {
    for (QuickActionButton* button : buttons_) {
        button->setVisible(show);
    }
    PlaceScrollBar(show);
}

void CQuickActionBox::ShowScrollBar(bool show) { scrollBar_->setVisible(show); }

bool CQuickActionBox::IsScrollBarShown() const { return !scrollBar_->isHidden(); }

void CQuickActionBox::ShowBox(bool show) {
    boxShown_ = show;
    UpdateVisibility();
    if (show) {
        update();
    }
}

void CQuickActionBox::SetWindowShown(bool show) {
    windowShown_ = show;
    UpdateVisibility();
}

QRect CQuickActionBox::GetDesiredRect() const {
    const bool buttonsOn = ButtonsOn();
    const bool scrollBar = IsScrollBarShown();
    if (!(buttonsOn && !buttons_.empty()) && !scrollBar) {
        return {};
    }
    int width = kBoxWidth;
    int height = buttonsOn ? ButtonTop(buttons_.size()) : kNoButtonsHeight;
    if (ShadowOn()) {
        width += kShadowWidth;
        height += kShadowWidth;
    }
    if (scrollBar) {
        height += kScrollBarHeight + (buttonsOn ? kMargin : 0);
    }
    return {0, 0, width, height};
}

bool CQuickActionBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &ownerWindow_) {
        // Compared with the active window itself: styles that share the
        // activation count every parentless tool window as active.
        if (inUse_ && event->type() == QEvent::ActivationChange &&
            QApplication::activeWindow() != &ownerWindow_) {
            Activate(false);
        } else if (inUse_ && event->type() == QEvent::MouseButtonPress) {
            // Back to the note itself, which stays active: it takes its own
            // opacity again and keeps its box.
            inUse_ = false;
            owner_.SetAlphaActive(true);
        }
    } else if (event->type() == QEvent::MouseButtonPress) {
        Activate(true);
    }
    return false;
}

void CQuickActionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = NoteArea(size(), ShadowOn());
    PaintStyleGradient(painter, area, owner_.GetNoteStyle());
    if (ShadowOn()) {
        PaintShadow(painter, area);
    }
}

void CQuickActionBox::resizeEvent(QResizeEvent*) {
    if (ShadowOn()) {
        setMask(ShadowMask(size()));
    } else {
        clearMask();
    }
}

void CQuickActionBox::mousePressEvent(QMouseEvent*) { Activate(true); }

bool CQuickActionBox::ButtonsOn() const { return owner_.GetNoteSettings().GetShowQAButtons(); }

bool CQuickActionBox::ShadowOn() const { return owner_.GetNoteSettings().GetNoteShadow(); }

void CQuickActionBox::PlaceScrollBar(bool belowButtons) {
    scrollBar_->move(kMargin, belowButtons ? ButtonTop(buttons_.size()) : kMargin);
}

void CQuickActionBox::Activate(bool activated) {
    if (activated && owner_.IsNoteShown() && !GetDesiredRect().isEmpty()) {
        inUse_ = true;
        owner_.SetAlphaActive(false);
        ShowBox(true);
    } else {
        inUse_ = false;
        owner_.SetAlphaActive(true);
        ShowBox(false);
    }
}

void CQuickActionBox::UpdateVisibility() {
    const bool visible = boxShown_ && windowShown_;
    if (!visible && inUse_) {
        // Put away while in use (a button hid its own note, say): the note
        // gets its opacity back as it would on leaving the box.
        inUse_ = false;
        owner_.SetAlphaActive(true);
    }
    setVisible(visible);
}

}  // namespace vesk
