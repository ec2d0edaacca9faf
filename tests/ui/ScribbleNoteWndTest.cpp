#include <QCursor>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <memory>

#include "NoteWindowCase.h"
#include "UiTestRegistry.h"
#include "dialogs/editoptions/CScribblePage.h"
#include "notes/NoteCommands.h"
#include "notewnd/CScribbleNoteWnd.h"
#include "notewnd/CSimpleCanvas.h"

namespace vesk::test {
namespace {

constexpr COLORREF kInk = RGB(200, 0, 0);
constexpr std::uint32_t kInked = ArgbFromColor(kInk, 255);

// A 300 × 250 note, pale with red ink, whose drawing has full ink at the
// points given; an empty size gives no drawing.
std::unique_ptr<ScribbleNoteData> MakeScribble(QSize size, std::initializer_list<QPoint> inked) {
    auto note = std::make_unique<ScribbleNoteData>();
    note->SetRect({100, 100, 400, 350});
    StyleData style = StyleData::Fallback();
    style.SetColors(RGB(255, 255, 210), RGB(255, 250, 170), kInk, RGB(0, 0, 0));
    note->SetStyle(style);
    note->SetImage(nullptr, size.width(), size.height());
    const ScribbleNoteData::ImageEdit edit = note->EditImage();
    for (const QPoint p : inked) {
        edit->SetPixel(p.x(), p.y(), kInked);
    }
    return note;
}

int AlphaAt(const QImage& surface, int x, int y) { return qAlpha(surface.pixel(x, y)); }

class ScribbleNoteWndTest : public NoteWindowCase {
    Q_OBJECT

    CScribbleNoteWnd& Create(std::unique_ptr<ScribbleNoteData> record) {
        return NoteWindowCase::Create<CScribbleNoteWnd>(std::move(record));
    }
    CScribbleNoteWnd& Edit(QSize drawing, std::initializer_list<QPoint> inked = {}) {
        CScribbleNoteWnd& window = Create(MakeScribble(drawing, inked));
        window.SendCommand(NoteCommand::kEdit);
        return window;
    }
    const ScribbleNoteData& Record() const {
        return static_cast<const ScribbleNoteData&>(window_->GetNoteData());
    }
    CSimpleCanvas& Canvas() const { return *window_->findChild<CSimpleCanvas*>(); }
    // In over the canvas, the button down, along in steps of 4, released.
    void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        CSimpleCanvas& canvas = Canvas();
        SendMouse(canvas, QEvent::MouseMove, from, Qt::NoButton);
        SendMouse(canvas, QEvent::MouseButtonPress, from, button, button);
        const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())) / 4;
        for (int i = 1; i <= steps; ++i) {
            SendMouse(canvas, QEvent::MouseMove, from + (to - from) * i / steps, button);
        }
        SendMouse(canvas, QEvent::MouseButtonRelease, to, Qt::NoButton, button);
    }

private slots:

    void strokesNeedMovementAndDrawEraseAndRecolourTheInk() {
        CScribbleNoteWnd& window = Edit({});
        const QImage& surface = Canvas().GetSurface();

        SendMouse(Canvas(), QEvent::MouseMove, {40, 40}, Qt::NoButton);
        SendMouse(Canvas(), QEvent::MouseButtonPress, {40, 40}, Qt::LeftButton);
        SendMouse(Canvas(), QEvent::MouseButtonRelease, {40, 40}, Qt::NoButton);
        QCOMPARE(AlphaAt(surface, 40, 40), 0);

        // Radius 3 until the edit options set another.
        QCOMPARE(window.GetBrushSize(), 3);
        Drag({20, 30}, {120, 30});
        // The stroke's last point ends square, half a pixel past it.
        for (int x = 20; x < 120; ++x) {
            QCOMPARE(surface.pixel(x, 30), qRgb(200, 0, 0));
        }
        QCOMPARE(AlphaAt(surface, 70, 35), 0);
        window.SetBrushSize(6);
        Drag({20, 60}, {120, 60});
        QCOMPARE(AlphaAt(surface, 70, 65), 255);

        Drag({70, 10}, {70, 80}, Qt::RightButton);
        QCOMPARE(AlphaAt(surface, 70, 30), 0);
        QCOMPARE(AlphaAt(surface, 70, 60), 0);
        QCOMPARE(AlphaAt(surface, 30, 30), 255);

        // A new ink recolours every drawn pixel and leaves its coverage.
        const QPoint edge(30, 33);
        const int coverage = AlphaAt(surface, edge.x(), edge.y());
        QVERIFY(coverage > 0 && coverage < 255);
        StyleData style = window.GetNoteData().GetStyle();
        style.textcolor = RGB(0, 0, 150);
        window.GetNoteData().SetStyle(style);
        window.SendCommand(NoteCommand::kStyleChanged);
        const QImage& recoloured = Canvas().GetSurface();
        QCOMPARE(recoloured.pixel(30, 30), qRgb(0, 0, 150));
        QCOMPARE(AlphaAt(recoloured, edge.x(), edge.y()), coverage);
        QCOMPARE(recoloured.pixelColor(edge).red(), 0);
    }

    void leavingTheCanvasEndsTheStroke() {
        Edit({});
        CSimpleCanvas& canvas = Canvas();
        SendMouse(canvas, QEvent::MouseMove, {10, 10}, Qt::NoButton);
        SendMouse(canvas, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseMove, {20, 10}, Qt::LeftButton);
        QCOMPARE(AlphaAt(canvas.GetSurface(), 15, 10), 255);
        QCursor::setPos(canvas.mapToGlobal(QPoint(-50, -50)));
        QTest::qWait(200);
        // Back in with the button still down: nothing until it is pressed again.
        SendMouse(canvas, QEvent::MouseMove, {20, 60}, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseMove, {20, 80}, Qt::LeftButton);
        QCOMPARE(AlphaAt(canvas.GetSurface(), 20, 40), 0);
        QCOMPARE(AlphaAt(canvas.GetSurface(), 20, 70), 0);
    }

    void editingFitsTheWindowToTheDrawingAndDoneStoresTheContentArea() {
        host_.settings.SetNoteShadow(false);
        const int titleBar = CVeskNoteWnd::GetTitleBarHeight();
        CScribbleNoteWnd& window = Create(MakeScribble({200, 100}, {{5, 5}, {190, 90}}));
        Paint();
        window.SendCommand(NoteCommand::kEdit);
        // The content area is 6 pixels in from the sides and the bottom.
        const QSize fitted(212, 112 + titleBar);
        QCOMPARE(window.size(), fitted);

        // A shrink hides the far corner; enlarging shows it again.
        window.resize(100, 80);
        window.resize(fitted);
        Drag({20, 50}, {100, 50});
        window.SendCommand(NoteCommand::kDoneEditing);
        QVERIFY(host_.changes > 0);
        QCOMPARE(Record().GetImage()->GetWidth(), 200);
        QCOMPARE(Record().GetImage()->GetPixel(190, 90), kInked);
        QCOMPARE(Record().GetImage()->GetPixel(60, 50), kInked);
        // The note shows the new stroke, not the drawing it showed before.
        QCOMPARE(Paint().pixel(window.GetContentRect(false).topLeft() + QPoint(60, 50)),
                 qRgb(200, 0, 0));

        // The edit options set the brush and clear the canvas; Cancel
        // leaves the drawing as it was.
        const std::u16string before = Record().EncodeImage();
        window.SendCommand(NoteCommand::kEdit);
        CScribblePage& page = *OpenPage<CScribblePage>(window);
        QCOMPARE(page.Brush().value(), 3);
        page.Brush().setValue(6);
        QCOMPARE(Canvas().GetBrushRadius(), 6);
        QCOMPARE(page.Sample().Radius(), 6);
        Drag({10, 80}, {150, 80});
        page.Clear().click();
        QCOMPARE(AlphaAt(Canvas().GetSurface(), 60, 80), 0);
        QCOMPARE(AlphaAt(Canvas().GetSurface(), 190, 90), 0);
        window.SendCommand(NoteCommand::kCancelEditing);
        QCOMPARE(Record().EncodeImage(), before);
        QCOMPARE(window.GetBrushSize(), 6);

        // Done keeps only what the content area shows.
        window.SendCommand(NoteCommand::kEdit);
        window.resize(112, 62 + titleBar);
        window.SendCommand(NoteCommand::kDoneEditing);
        const Bitmap& cut = *Record().GetImage();
        QCOMPARE(QSize(cut.GetWidth(), cut.GetHeight()), QSize(100, 50));
        QCOMPARE(cut.GetPixel(5, 5), kInked);
        QCOMPARE(cut.GetPixel(6, 5), 0u);
    }

    void aNoteWithoutTitleBarKeepsItsSizeAndDrawingOverEdits() {
        auto record = MakeScribble({200, 100}, {{5, 5}});
        record->SetShowTitle(false);
        CScribbleNoteWnd& window = Create(std::move(record));
        window.SendCommand(NoteCommand::kEdit);
        const QSize fitted = window.size();
        for (int edit = 0; edit < 2; ++edit) {
            window.SendCommand(NoteCommand::kDoneEditing);
            window.SendCommand(NoteCommand::kEdit);
            QCOMPARE(window.size(), fitted);
        }
        const Bitmap& drawing = *Record().GetImage();
        QCOMPARE(QSize(drawing.GetWidth(), drawing.GetHeight()), QSize(200, 100));
        QCOMPARE(drawing.GetPixel(5, 5), kInked);
    }
};

const RegisterUiTest<ScribbleNoteWndTest> registered;

}  // namespace
}  // namespace vesk::test

#include "ScribbleNoteWndTest.moc"
