#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>
#include <memory>

#include "NoteWindowCase.h"
#include "UiTestRegistry.h"
#include "notes/NoteCommands.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/CQuickActionBox.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteOpacity.h"
#include "notewnd/QtFontEngine.h"

namespace vesk::test {
namespace {

// Lays out content of a given height, as a kind's painting does.
class TallNote : public CVeskNoteWnd {
public:
    using CVeskNoteWnd::CVeskNoteWnd;
    using CVeskNoteWnd::GetScrollPos;

    void LayOut(int contentHeight) {
        SetContentHeight(contentHeight);
        UpdateScrollBar();
    }
};

class NoteEditTest : public NoteWindowCase {
    Q_OBJECT

    TallNote& Create(const Rect& rect) { return NoteWindowCase::Create<TallNote>(MakeNote(rect)); }
    // Tool windows may count as active before they are: waits for the
    // activation itself.
    static void Activate(QWidget& window) {
        window.activateWindow();
        QTRY_VERIFY(HoldsActivation(window));
    }

private slots:

    // Line breaks come back as CR LF and count two against the limit; text
    // the program sets is kept whole.
    void multiLineTextKeepsItsLimitForTypingAndPasting() {
        CNoteEdit edit(CNoteEdit::Mode::MultiLine, false, nullptr);
        edit.SetText(u"one\r\ntwo\nthree");
        QCOMPARE(edit.GetText(), u"one\r\ntwo\r\nthree");
        edit.moveCursor(QTextCursor::End);
        QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(&edit, "4");
        QCOMPARE(edit.GetText(), u"one\r\ntwo\r\nthree\r\n4");

        edit.SetTextLimit(8);
        edit.SetText(u"abcde");
        edit.moveCursor(QTextCursor::End);
        QTest::keyClicks(&edit, "fghij");
        QCOMPARE(edit.GetText(), u"abcdefgh");
        edit.SetText(u"abcdefg");
        edit.moveCursor(QTextCursor::End);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(edit.GetText(), u"abcdefg");
        edit.SetText(u"abc");
        edit.moveCursor(QTextCursor::Start);
        QGuiApplication::clipboard()->setText("XY\nZW");
        edit.paste();
        QCOMPARE(edit.GetText(), u"XY\r\nZabc");
        edit.SetText(u"0123456789");
        QCOMPARE(edit.GetText(), u"0123456789");
    }

    void singleLineStaysOneCentredLine() {
        CNoteEdit edit(CNoteEdit::Mode::SingleLine, true, nullptr);
        edit.resize(200, 20);
        edit.show();
        edit.SetText(u"ab");
        QTest::keyClick(&edit, Qt::Key_Return);
        QGuiApplication::clipboard()->setText("cd\nef");
        edit.moveCursor(QTextCursor::End);
        edit.paste();
        QCOMPARE(edit.GetText(), u"abcd");
        // Short text sits in the middle of the line.
        QVERIFY(qAbs(edit.cursorRect().center().x() - 100) < 30);
    }

    void acceleratorsReachTheNoteFromItsEditor() {
        TallNote& window = Create({100, 100, 300, 300});
        // The program watches for them once for all notes: a note holds no
        // shortcuts of its own, which would cost a walk through all the
        // program's shortcuts for each one as the notes go at exit.
        QVERIFY(window.findChildren<QShortcut*>().isEmpty());
        TallNote other(8, MakeNote({400, 100, 600, 300}), host_);
        other.CreateNoteWindow();
        Activate(window);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(window.GetNoteData().IsShaded() && !other.GetNoteData().IsShaded());
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(window.IsEditing());
        auto* title = window.findChild<CNoteEdit*>();
        title->setFocus();
        title->SetText(u"Renamed");
        QTest::keyClick(title, Qt::Key_Escape);
        QVERIFY(window.IsEditing());
        QTest::keyClick(title, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QVERIFY(!window.IsEditing());
        QCOMPARE(window.GetNoteData().GetTitle(), u"Renamed");
        QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(window.GetNoteData().GetState(), NoteData::kStateHidden);
    }

    void tallContentScrollsByLineAndPage() {
        TallNote& window = Create({100, 100, 300, 300});
        window.LayOut(150);
        QTest::keyClick(&window, Qt::Key_Down);
        QCOMPARE(window.GetScrollPos(), 0);

        const int page = 200 - CVeskNoteWnd::GetTitleBarHeight() - 20;
        const int line = window.GetEffectiveFont().GetHeight();
        window.LayOut(500);
        QTest::keyClick(&window, Qt::Key_Down);
        // Scrolled before it was ever active: the box, made as the note
        // first is, shows the bar where the content stands.
        Activate(window);
        auto* box = window.findChild<CQuickActionBox*>();
        QScrollBar& bar = box->GetScrollBar();
        QVERIFY(box->IsScrollBarShown());
        QCOMPARE(bar.maximum(), 500 - page);
        QCOMPARE(bar.value(), line);
        QTest::keyClick(&window, Qt::Key_Up);
        QTest::keyClick(&window, Qt::Key_Up);
        QCOMPARE(window.GetScrollPos(), 0);
        bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(window.GetScrollPos(), page);
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(window.GetScrollPos(), 500 - page);
        // Content that shrank under the position (a smaller font, lines
        // deleted) ends at the note's bottom instead of scrolled out of view.
        window.LayOut(300);
        QCOMPARE(window.GetScrollPos(), 300 - page);
        QCOMPARE(bar.value(), 300 - page);
        // Rolled up and down, the note keeps the bar only while unshaded.
        window.SendCommand(NoteCommand::kShade);
        window.LayOut(500);
        QVERIFY(!box->IsScrollBarShown());
        window.SendCommand(NoteCommand::kUnshade);
        QVERIFY(box->IsScrollBarShown());

        // Content that fits again shows from its top, without the bar.
        window.LayOut(100);
        QCOMPARE(window.GetScrollPos(), 0);
        QVERIFY(!box->IsScrollBarShown());
    }

    void quickActionBoxFollowsTheActiveNote() {
        TallNote& window = Create({100, 100, 300, 300});
        // Most notes of a large collection are never active: they have no
        // box to make, hold and destroy until one is.
        QVERIFY(window.findChild<CQuickActionBox*>() == nullptr);
        Activate(window);
        auto* box = window.findChild<CQuickActionBox*>();
        QVERIFY(box->isVisible());
        window.SendCommand(NoteCommand::kEdit);
        QVERIFY(!box->isVisible());
        // The test platform lets the box take the activation; a desktop
        // leaves it with the note.
        Activate(window);
        QVERIFY(!box->isVisible());
        window.SendCommand(NoteCommand::kDoneEditing);
        QVERIFY(box->isVisible());
    }
};

const RegisterUiTest<NoteEditTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteEditTest.moc"
