#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace vesk {

// A folder's tab above the Notebook's list: a picture button whose face is
// its "up" picture, and its "down" picture while pressed. The tab of the
// folder shown swaps the two, so it looks pressed until another is chosen.
class FolderTab : public QAbstractButton {
    Q_OBJECT

public:
    FolderTab(const QString& caption, int width, QWidget* parent);

    void SetSelected(bool selected);
    bool IsSelected() const { return selected_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap up_;
    QPixmap down_;
    bool selected_ = false;
};

}  // namespace vesk
