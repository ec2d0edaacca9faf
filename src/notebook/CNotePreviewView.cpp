#include "notebook/CNotePreviewView.h"

#include <QPainter>
#include <utility>

#include "notebook/NotebookPictures.h"
#include "notebook/PreviewRecord.h"
#include "notes/MessageNoteData.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

namespace {

constexpr int kHeaderHeight = 30;
constexpr int kBarWidth = 20;
constexpr COLORREF kPlaceholderGrey = RGB(180, 180, 180);

std::unique_ptr<NoteData> Placeholder() {
    auto note = std::make_unique<MessageNoteData>();
    note->SetTitle(u"No Note Selected");
    StyleData& style = note->GetStyle();
    style.bgcolor = kPlaceholderGrey;
    style.bg2color = kPlaceholderGrey;
    style.textcolor = RGB(0, 0, 0);
    style.titlecolor = RGB(0, 0, 0);
    return note;
}

}  // namespace

CNotePreviewView::CNotePreviewView(NoteHost& host, QWidget* parent)
    : QWidget(parent), host_(host), factory_(host_), bar_(Qt::Vertical, this) {
    bar_.setGeometry(BarRect());
    bar_.setEnabled(false);
    const QString captions[] = {QStringLiteral("Crumple"), QStringLiteral("Archive")};
    for (int action = 0; action < 2; ++action) {
        buttons_[action] = new QPushButton(captions[action], this);
        buttons_[action]->setGeometry(5 + 75 * action, 2, 70, 26);
        connect(buttons_[action], &QPushButton::clicked, this,
                [this, action] { emit ActionPressed(action); });
    }
    ShowNote(nullptr, kDesktop);
}

CNotePreviewView::~CNotePreviewView() = default;

void CNotePreviewView::ShowNote(const NoteData* note, Mode mode) {
    window_.reset();
    for (int action = 0; action < 2; ++action) {
        buttons_[action]->setEnabled(note != nullptr);
    }
    if (note != nullptr) {
        buttons_[0]->setText(mode == kDesktop ? QStringLiteral("Crumple")
                                              : QStringLiteral("Delete"));
        buttons_[1]->setText(mode == kDesktop ? QStringLiteral("Archive")
                                              : QStringLiteral("Restore"));
    }
    showingNote_ = note != nullptr;
    std::unique_ptr<NoteData> record = note != nullptr ? MakePreviewRecord(*note) : Placeholder();
    if (!record) {
        return;
    }
    std::unique_ptr<NoteWindow> made = factory_.MakeNoteWindow(0, std::move(record));
    if (dynamic_cast<CVeskNoteWnd*>(made.get()) == nullptr) {
        return;
    }
    window_.reset(static_cast<CVeskNoteWnd*>(made.release()));
    window_->CreatePreviewWindow(*this, NoteRect(), bar_);
}

void CNotePreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QRect(0, 0, width(), kHeaderHeight), NotebookPictures::Band());
}

void CNotePreviewView::resizeEvent(QResizeEvent*) {
    if (window_) {
        window_->setGeometry(NoteRect());
    }
    bar_.setGeometry(BarRect());
}

QRect CNotePreviewView::NoteRect() const {
    return {0, kHeaderHeight, width() - kBarWidth, height() - kHeaderHeight};
}

QRect CNotePreviewView::BarRect() const {
    return {width() - kBarWidth, kHeaderHeight, kBarWidth, height() - kHeaderHeight};
}

}  // namespace vesk
