#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "UiTestRegistry.h"
#include "notebook/CHTMLListCtrl.h"
#include "notebook/QtHtmlFonts.h"

namespace vesk::test {
namespace {

constexpr unsigned kNotebookStyle =
    HTMLLIST_EX_CHECKBOXES | HTMLLIST_EX_GRIDLINES | HTMLLIST_EX_IMAGES;

// A shown list of rows "row 0".."row n-1" with their index as data, and the
// notifications it sent, each with the selection as it read then.
struct ListFixture {
    struct Heard {
        int code;
        int row;
        bool checked;
        int selectedThen;
    };

    CHTMLListCtrl list{44};
    std::vector<Heard> heard;

    explicit ListFixture(int rows, unsigned style = kNotebookStyle) {
        list.resize(300, 200);
        list.SetExtendedStyle(style);
        list.show();
        for (int i = 0; i < rows; ++i) {
            const int index = list.InsertItem(u"<b>row</b> " + std::u16string(1, u'0' + i % 10));
            list.SetItemData(index, static_cast<std::uintptr_t>(i));
        }
        QObject::connect(&list, &CHTMLListCtrl::Notify, [this](const NM_HTMLLISTCTRL& n) {
            QCOMPARE(n.controlId, 44);
            QCOMPARE(n.itemData, n.row < 0 ? 0u : list.GetItemData(n.row));
            heard.push_back({n.code, n.row, n.checked, list.GetSelectedItem()});
        });
    }

    QWidget* View() { return list.viewport(); }
    // The middle of a row's check square, in the view.
    QPoint CheckSquare(int row) {
        int top = -list.verticalScrollBar()->value();
        for (int i = 0; i < row; ++i) top += RowHeight(i);
        return {9, top + RowHeight(row) / 2 - 1};
    }
    int RowHeight(int row) {
        return list.CalculateItemHeight(list.GetItemText(row), 1, 0, Width());
    }
    int Width() { return list.viewport()->width(); }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               QEvent::Type type = QEvent::MouseButtonPress) {
        QMouseEvent event(type, QPointF(at), QPointF(View()->mapToGlobal(at)), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(View(), &event);
    }
    void Key(int key) { QTest::keyClick(&list, Qt::Key(key)); }
    void Wheel(int delta) {
        QWheelEvent event(QPointF(5, 5), QPointF(View()->mapToGlobal(QPoint(5, 5))), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(View(), &event);
    }
    int Position() { return list.verticalScrollBar()->value(); }
    std::vector<int> Codes() {
        std::vector<int> codes;
        for (const Heard& h : heard) codes.push_back(h.code);
        return codes;
    }
};

class HTMLListCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void upAndDownMoveTheSelectionWithinTheRows() {
        ListFixture empty(0);
        empty.Key(Qt::Key_Down);
        empty.Key(Qt::Key_Up);
        QCOMPARE(empty.list.GetSelectedItem(), -1);
        QVERIFY(empty.heard.empty());

        ListFixture f(30);
        f.Key(Qt::Key_Down);
        QCOMPARE(f.list.GetSelectedItem(), 29);
        QCOMPARE(f.heard.back().code, HLN_SELCHANGED);
        QCOMPARE(f.heard.back().row, 29);
        QVERIFY2(f.Position() == f.list.verticalScrollBar()->maximum(), "the last row is shown");
        f.Key(Qt::Key_Down);
        QCOMPARE(f.list.GetSelectedItem(), 29);
        f.Key(Qt::Key_Up);
        QCOMPARE(f.list.GetSelectedItem(), 28);

        ListFixture g(3);
        g.Key(Qt::Key_Up);
        QCOMPARE(g.list.GetSelectedItem(), 0);
        g.Key(Qt::Key_Up);
        QCOMPARE(g.list.GetSelectedItem(), 0);
    }

    // The owner hears of each press, and of a check before the selection.
    void clicksSelectCheckAndClearTheSelection() {
        ListFixture f(3);
        f.Press(f.CheckSquare(2));
        QVERIFY(f.list.GetItemCheck(2));
        QCOMPARE(f.Codes(), (std::vector<int>{HLN_LBUTTONDOWN, HLN_CHECKCHANGED, HLN_SELCHANGED}));
        QCOMPARE(f.heard[1].row, 2);
        QVERIFY(f.heard[1].checked);
        QCOMPARE(f.heard[1].selectedThen, -1);
        QCOMPARE(f.list.GetSelectedItem(), 2);
        f.Press(f.CheckSquare(2) + QPoint(10, 0));
        QVERIFY2(f.list.GetItemCheck(2), "right of the square only selects");
        f.Key(Qt::Key_Space);
        QVERIFY(!f.list.GetItemCheck(2));
        QCOMPARE(f.heard.back().code, HLN_CHECKCHANGED);

        f.Press({150, f.RowHeight(0) + 2});
        QCOMPARE(f.list.GetSelectedItem(), 1);
        f.heard.clear();
        f.Press({150, 190});
        QCOMPARE(f.list.GetSelectedItem(), -1);
        QCOMPARE(f.Codes(), (std::vector<int>{HLN_LBUTTONDOWN, HLN_SELCHANGED}));
        QCOMPARE(f.heard[0].row, -1);
        QCOMPARE(f.heard[1].row, -1);
        f.Press({150, 2});
        QCOMPARE(f.heard.back().row, 0);
        QCOMPARE(f.heard.back().selectedThen, -1);
        f.heard.clear();
        f.Press({150, 2}, Qt::RightButton);
        f.Press({150, 2}, Qt::LeftButton, QEvent::MouseButtonDblClick);
        QCOMPARE(f.Codes(), (std::vector<int>{HLN_RBUTTONDOWN, HLN_DBLCLK}));
        QCOMPARE(f.list.GetSelectedItem(), 0);

        ListFixture plain(3, HTMLLIST_EX_GRIDLINES);
        plain.Press(plain.CheckSquare(1));
        plain.Key(Qt::Key_Space);
        QVERIFY(!plain.list.GetItemCheck(1));
    }

    void deletingRenumbersAndKeepsTheSelectionOnItsRow() {
        ListFixture f(5);
        f.Key(Qt::Key_Down);
        QVERIFY(f.list.DeleteItem(1));
        QCOMPARE(f.list.GetSelectedItem(), 3);
        QCOMPARE(f.list.GetItemData(1), 2u);
        QVERIFY(f.list.DeleteItem(3));
        QCOMPARE(f.list.GetSelectedItem(), -1);
        QVERIFY(!f.list.DeleteItem(3));
        QCOMPARE(f.list.GetItemData(7), 0u);
        QVERIFY(!f.list.GetItemCheck(-1));
        f.list.DeleteAllItems();
        QCOMPARE(f.list.GetItemCount(), 0);
        QCOMPARE(f.list.verticalScrollBar()->maximum(), 0);
    }

    void rowsAreAsTallAsTheirWrappedTextAtTheListWidth() {
        ListFixture f(0);
        const std::u16string words = u"one two three four five six seven eight nine ten";
        f.list.InsertItem(u"one");
        f.list.InsertItem(words);
        f.list.InsertItem(words, 0, HTMLLIST_STYLE_HTML, 17);
        const int line = f.RowHeight(0);
        QVERIFY(line > 10);
        QCOMPARE(f.RowHeight(1), line);
        f.list.resize(90, 50);
        QVERIFY2(f.RowHeight(1) > line, "narrower: the words wrap");
        const QScrollBar* bar = f.list.verticalScrollBar();
        QCOMPARE(bar->maximum() + bar->pageStep(), line + f.RowHeight(1) + 17);
        QCOMPARE(f.list.CalculateItemHeight(u"a<br>b", HTMLLIST_STYLE_HTML, 0, 300), 2 * line - 10);
        QCOMPARE(f.list.CalculateItemHeight(u"a", 9, 0, 300), 0);

        const int before = bar->maximum();
        f.list.SetItemText(0, u"a<br>b<br>c");
        QCOMPARE(bar->maximum(), before);
        f.list.SetItemText(0, u"a<br>b<br>c", true);
        QCOMPARE(bar->maximum(), before + 2 * (line - 10));
    }

    void aHiddenListMeasuresAtTheWidthItWillShowAt() {
        CHTMLListCtrl list(44);
        list.SetExtendedStyle(kNotebookStyle);
        list.resize(120, 60);
        for (int i = 0; i < 5; ++i) {
            list.InsertItem(u"one two three four five six seven eight nine ten eleven twelve");
        }
        const int hidden = list.verticalScrollBar()->maximum();
        list.show();
        QCOMPARE(list.verticalScrollBar()->maximum(), hidden);
        QCOMPARE(list.verticalScrollBar()->pageStep(), list.viewport()->height());
    }

    void scrollStepsAndEnsureVisible() {
        ListFixture f(60);
        f.Wheel(-120);
        QCOMPARE(f.Position(), 40);
        f.Wheel(120);
        f.Wheel(120);
        QCOMPARE(f.Position(), 0);
        f.list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(f.Position(), 50);
        f.list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.Position(), 100);

        const int row = f.RowHeight(0);
        f.list.EnsureVisible(59);
        QCOMPARE(f.Position(), 60 * row - f.View()->height());
        f.list.EnsureVisible(1);
        QCOMPARE(f.Position(), row);
        f.list.EnsureVisible(2);
        QCOMPARE(f.Position(), row);
    }

    void paintsTheSelectionChecksImagesAndGrid() {
        QList<QPixmap> images;
        for (const QColor color : {QColor(Qt::red), QColor(Qt::blue)}) {
            images.push_back(QPixmap(8, 8));
            images.back().fill(color);
        }
        ListFixture f(3);
        f.list.SetImageList(&images);
        f.list.SetItemCheck(0, true);
        f.list.SetItemImage(2, 1);
        f.Press({150, f.RowHeight(0) + 2});
        const QImage image = f.View()->grab().toImage();
        const int row = f.RowHeight(0);
        QCOMPARE(image.pixelColor(f.Width() - 5, row + 3), QColor(250, 250, 148));
        QCOMPARE(image.pixelColor(f.Width() - 5, 3), QColor(Qt::white));
        QCOMPARE(image.pixelColor(f.Width() - 5, row - 1), QColor(160, 160, 160));
        QCOMPARE(image.pixelColor(0, 3), QColor(160, 160, 160));
        const QPoint box = f.CheckSquare(0);
        QVERIFY2(image.pixelColor(box) != image.pixelColor(f.CheckSquare(2)),
                 "a ticked box differs from an empty one");
        QCOMPARE(image.pixelColor(box + QPoint(18, 0)), QColor(Qt::red));
        QCOMPARE(image.pixelColor(f.CheckSquare(2) + QPoint(18, 0)), QColor(Qt::blue));
    }

    // Titles keep their "<" from opening a tag with a word joiner after it.
    void aWordJoinerTakesNoRoom() {
        const QtHtmlFonts fonts(QFont(QStringLiteral("Arial")));
        QCOMPARE(fonts.ForStyle(HtmlStyle::kBold).MeasureText(u"<\u2060b>"),
                 fonts.ForStyle(HtmlStyle::kBold).MeasureText(u"<b>"));
    }
};

const RegisterUiTest<HTMLListCtrlTest> registered;

}  // namespace
}  // namespace vesk::test

#include "HTMLListCtrlTest.moc"
