#include "dialogs/editoptions/CEditPropertySheet.h"

#include <QDialogButtonBox>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/editoptions/CAlarmPage.h"
#include "dialogs/editoptions/CColorPage.h"
#include "dialogs/editoptions/CTransPage.h"
#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

namespace {
constexpr int kGap = 5;
}  // namespace

QPoint EditSheetPlace(const QRect& note, const QSize& sheet, const QRect& screen) {
    const int top =
        std::max(screen.top(), std::min(note.top(), screen.bottom() + 1 - sheet.height()));
    const int left =
        std::max(screen.left(), std::min(note.left(), screen.right() + 1 - sheet.width()));
    if (note.right() + 1 + kGap + sheet.width() <= screen.right() + 1) {
        return {note.right() + 1 + kGap, top};
    }
    if (note.left() - kGap - sheet.width() >= screen.left()) {
        return {note.left() - kGap - sheet.width(), top};
    }
    if (note.bottom() + 1 + kGap + sheet.height() <= screen.bottom() + 1) {
        return {left, note.bottom() + 1 + kGap};
    }
    if (note.top() - kGap - sheet.height() >= screen.top()) {
        return {left, note.top() - kGap - sheet.height()};
    }
    return {screen.right() + 1 - sheet.width(), top};
}

CEditPropertySheet::CEditPropertySheet(CVeskNoteWnd& note, NoteHost& host)
    : QDialog(&note,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      note_(note),
      host_(host),
      tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Edit Options"));
    // The note keeps the keyboard: its text is what an edit is opened for.
    setAttribute(Qt::WA_ShowWithoutActivating);
    tabs_->setIconSize(QSize(16, 16));
    // Every tab in sight: the sheet grows to hold them.
    tabs_->setUsesScrollButtons(false);
    connect(tabs_, &QTabWidget::currentChanged, this, &CEditPropertySheet::FocusPage);
    // From any control: lists would otherwise take Ctrl+Tab for a search.
    connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, this,
            [this] { TurnPage(1); });
    connect(new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, this,
            [this] { TurnPage(-1); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditPropertySheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void CEditPropertySheet::PlaceBeside(const QWidget& note) {
    const QScreen* screen = note.screen();
    if (screen == nullptr) {
        return;
    }
    // The window manager's frame counts once it has one.
    const QSize outer = isVisible() ? frameGeometry().size() : sizeHint();
    move(EditSheetPlace(note.frameGeometry(), outer, screen->availableGeometry()));
}

void CEditPropertySheet::TurnPage(int step) {
    const int count = tabs_->count();
    tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
}

void CEditPropertySheet::FocusPage() {
    QWidget* page = tabs_->currentWidget();
    if (page == nullptr || !isActiveWindow()) {
        return;
    }
    for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && next->isEnabled() && next->isVisibleTo(page) &&
            (next->focusPolicy() & Qt::TabFocus) != 0) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CEditPropertySheet::accept() { note_.SendCommand(NoteCommand::kDoneEditing); }

void CEditPropertySheet::reject() { note_.SendCommand(NoteCommand::kCancelEditing); }

void CEditPropertySheet::AddPage(CEditPage* page) {
    const int index = tabs_->addTab(page, page->Icon(), page->Caption());
    tabs_->setTabToolTip(index, page->accessibleName());
}

void CEditPropertySheet::AddCommonPages() {
    AddPage(new CColorPage(note_, host_));
    AddPage(new CTransPage(note_, host_));
    AddPage(new CAlarmPage(note_, host_));
}

}  // namespace vesk
