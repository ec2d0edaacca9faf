// One paint of the Notebook's list scrolled to its middle, with 10,000 rows
// against 100: only the rows in view are drawn, so the two should match.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QScrollBar>
#include <string>

#include "notebook/CHTMLListCtrl.h"

namespace {

using namespace vesk;

// A note's row as the Notebook writes it, the titles of varying length so
// that some rows wrap.
std::u16string RowText(int index) {
    static const std::u16string titles[] = {u"Shopping", u"Call the dentist about Tuesday",
                                            u"Ideas for the garden, the shed and the fence",
                                            u"Timetable"};
    return u"<b>" + titles[index % std::size(titles)] + u" " +
           std::u16string(1, u'0' + index % 10) +
           u"</b><br>03/14/2007, Modified 03/15/2007<br>Alarm: None";
}

void BM_ListPaint(benchmark::State& state) {
    QList<QPixmap> images;
    for (const QColor color : {QColor(255, 230, 90), QColor(200, 200, 200)}) {
        QPixmap icon(32, 32);
        icon.fill(color);
        images.push_back(icon);
    }
    CHTMLListCtrl list(44);
    list.resize(300, 500);
    list.SetExtendedStyle(HTMLLIST_EX_CHECKBOXES | HTMLLIST_EX_GRIDLINES | HTMLLIST_EX_IMAGES);
    list.SetImageList(&images);
    list.show();
    const int rows = static_cast<int>(state.range(0));
    for (int i = 0; i < rows; ++i) {
        list.SetItemCheck(list.InsertItem(RowText(i), i % 2), i % 3 == 0);
    }
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
    QImage frame(list.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        list.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetLabel(std::to_string(rows) + " rows");
}
BENCHMARK(BM_ListPaint)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
