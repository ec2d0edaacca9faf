#pragma once

#include <QWidget>

#include "settings/StyleData.h"

namespace vesk {

// A small sample note, "Note" over "Content", in a colour style: what the
// theme and style dialogs show of the style chosen. With the shadow it casts
// one as a note window does.
class NotePreviewStatic : public QWidget {
    Q_OBJECT

public:
    explicit NotePreviewStatic(bool shadow, QWidget* parent = nullptr);

    void SetStyle(const StyleData& style);
    // All grey again.
    void ClearStyle();
    const StyleData& GetStyle() const { return style_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    StyleData style_;
    bool shadow_;
};

}  // namespace vesk
