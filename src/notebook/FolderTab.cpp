#include "notebook/FolderTab.h"

#include <QPainter>

#include "notebook/NotebookPictures.h"

namespace vesk {

namespace {
constexpr int kTabHeight = 23;
}  // namespace

FolderTab::FolderTab(const QString& caption, int width, QWidget* parent)
    : QAbstractButton(parent),
      up_(NotebookPictures::Tab(caption, width, false)),
      down_(NotebookPictures::Tab(caption, width, true)) {
    setText(caption);
    setFixedSize(width, kTabHeight);
}

void FolderTab::SetSelected(bool selected) {
    selected_ = selected;
    update();
}

void FolderTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The shown folder's faces are swapped.
    painter.drawPixmap(0, 0, isDown() != selected_ ? down_ : up_);
}

}  // namespace vesk
