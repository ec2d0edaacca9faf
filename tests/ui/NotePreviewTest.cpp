#include <QScrollBar>
#include <QTest>

#include "NoteWindowCase.h"
#include "UiTestRegistry.h"
#include "notebook/CNotePreviewView.h"
#include "notebook/NotePreviewStatic.h"
#include "notewnd/QtColors.h"

namespace vesk::test {
namespace {

std::unique_ptr<MessageNoteData> LongNote() {
    auto note = std::make_unique<MessageNoteData>();
    note->SetTitle(u"Long");
    note->SetShowTitle(false);
    std::u16string text;
    for (int line = 0; line < 60; ++line) text += u"line\n";
    note->SetText(text);
    return note;
}

class NotePreviewTest : public NoteWindowCase {
    Q_OBJECT

private slots:

    // The Notebook's tests press the buttons of a note shown.
    void placeholderWithoutNoteAndButtonsOnlyWithOne() {
        CNotePreviewView view(host_);
        view.resize(300, 400);
        QVERIFY(!view.IsShowingNote());
        const NoteData& placeholder = view.ShownWindow()->GetNoteData();
        QCOMPARE(placeholder.GetTitle(), u"No Note Selected");
        QVERIFY(!view.Button(0).isEnabled() && !view.Button(1).isEnabled());

        const auto note = MakeNote({0, 0, 100, 100});
        view.ShowNote(note.get(), CNotePreviewView::kWastebasket);
        QVERIFY(view.IsShowingNote());
        QVERIFY(view.Button(0).isEnabled() && view.Button(1).isEnabled());
        QCOMPARE(view.ShownWindow()->geometry(), QRect(0, 30, 280, 370));

        // A kind that has no window: nothing drawn, the buttons still act.
        const NoteData unknown(3, {0, 0, 100, 100}, StyleData::Fallback(), 255);
        view.ShowNote(&unknown, CNotePreviewView::kDesktop);
        QVERIFY(view.ShownWindow() == nullptr);
        QVERIFY(view.Button(0).isEnabled());
    }

    void previewWindowScrollsWithThePaneBarAndIgnoresDoubleClicks() {
        CNotePreviewView view(host_);
        view.resize(300, 200);
        const auto note = LongNote();
        view.ShowNote(note.get(), CNotePreviewView::kDesktop);
        auto* window = const_cast<CVeskNoteWnd*>(view.ShownWindow());
        // Laying the text out finds it taller than the pane.
        window->grab();
        auto* bar = view.findChild<QScrollBar*>();
        QVERIFY(bar->isEnabled());
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QVERIFY(bar->value() > 0);

        QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(50, 60));
        QVERIFY(!window->IsEditing());
        QCOMPARE(host_.changes, 0);
    }

    void sampleNoteIsAllGreyAfterClearing() {
        NotePreviewStatic sample(true);
        sample.resize(120, 90);
        StyleData style = StyleData::Fallback();
        style.bgcolor = RGB(10, 200, 30);
        style.bg2color = style.bgcolor;
        sample.SetStyle(style);
        QCOMPARE(sample.grab().toImage().pixelColor(60, 1), ToQColor(style.bgcolor));
        sample.ClearStyle();
        const QImage image = sample.grab().toImage();
        const QColor grey(128, 128, 128);
        for (const QPoint at : {QPoint(1, 1), QPoint(60, 15), QPoint(40, 45), QPoint(110, 80)}) {
            QCOMPARE(image.pixelColor(at), grey);
        }
        QCOMPARE(image.pixelColor(119, 40), QColor(Qt::black));
        QVERIFY(!sample.mask().contains(QPoint(119, 0)));
    }
};

const RegisterUiTest<NotePreviewTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NotePreviewTest.moc"
