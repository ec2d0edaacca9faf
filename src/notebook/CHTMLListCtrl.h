#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QPixmap>
#include <cstdint>
#include <string>

#include "notebook/HtmlListRows.h"
#include "notebook/HtmlRowRenderer.h"

namespace vesk {

class CHTMLListCtrl;

// Notification codes.
inline constexpr int HLN_SELCHANGED = 1;    // after a left click or Up/Down: the new selection
inline constexpr int HLN_LBUTTONDOWN = 2;   // every left press, before hit testing
inline constexpr int HLN_RBUTTONDOWN = 3;   // right press
inline constexpr int HLN_DBLCLK = 4;        // left double click
inline constexpr int HLN_CHECKCHANGED = 5;  // a check box toggled by mouse or Space

// What the list tells its owner; the row fields are those of the row
// concerned, or -1, empty, 0 and false for none.
struct NM_HTMLLISTCTRL {
    CHTMLListCtrl* sender = nullptr;
    int controlId = 0;
    int code = 0;
    int row = -1;
    std::u16string text;
    std::uintptr_t itemData = 0;
    bool checked = false;
};

// A vertically scrolling list of mini-HTML rows, each as tall as its wrapped
// text, optionally with a check box and an image. Operations on an index
// that has no row do nothing.
class CHTMLListCtrl : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CHTMLListCtrl(int controlId, QWidget* parent = nullptr);
    ~CHTMLListCtrl() override;

    // Appends a row; a fixed height of 0 measures the text. Returns its index.
    int InsertItem(const std::u16string& text, int image = 0, int style = HTMLLIST_STYLE_HTML,
                   int fixedHeight = 0);
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const { return rows_.Count(); }

    void SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
    // Without remeasure the row keeps its height.
    void SetItemText(int index, const std::u16string& text, bool remeasure = false);
    std::u16string GetItemText(int index) const;
    // The row keeps its height.
    void SetItemImage(int index, int image);
    int GetItemImage(int index) const;
    void SetItemCheck(int index, bool checked);
    bool GetItemCheck(int index) const;

    // -1 for none.
    int GetSelectedItem() const { return selected_; }
    // Scrolls the least amount that shows the whole row.
    void EnsureVisible(int index);

    void SetExtendedStyle(unsigned style);
    unsigned GetExtendedStyle() const { return renderer_.Style(); }
    // The row images, by the rows' image indexes; not owned, may be null.
    void SetImageList(const QList<QPixmap>* images);

    // The height a row of this text would take at the given list width.
    int CalculateItemHeight(const std::u16string& text, int style, int image, int width) const;

    int GetControlId() const { return controlId_; }

signals:
    void Notify(const NM_HTMLLISTCTRL& notification);

protected:
    // Paints one row into its rectangle.
    virtual void DrawItem(QPainter& painter, const QRect& rect, const HTMLLIST_ITEM& row,
                          bool selected);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSize ViewSize() const;
    // The width rows are measured for, laying them all out again first when
    // the list's width changed.
    int LayoutWidth();
    void Relayout();
    void UpdateScrollRange();
    void RepaintRow(int index);
    void LeftButtonDown(QPoint point);
    void SendNotify(int code, int index);

    int controlId_;
    HtmlListRows rows_;
    HtmlRowRenderer renderer_;
    int selected_ = -1;
    int layoutWidth_ = 0;
};

}  // namespace vesk
