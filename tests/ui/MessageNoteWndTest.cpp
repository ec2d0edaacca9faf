#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <memory>

#include "NoteWindowCase.h"
#include "PrintedPages.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "dialogs/editoptions/CFontPage.h"
#include "notes/NoteCommands.h"
#include "notewnd/CMessageNoteWnd.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/NoteOpacity.h"
#include "notewnd/QtFontEngine.h"

namespace vesk::test {
namespace {

// Lets the tests see the links and the printed pages.
class ProbedMessageWnd : public PrintedPages<CMessageNoteWnd> {
public:
    using CVeskNoteWnd::Links;
    using PrintedPages::PrintedPages;
};

std::unique_ptr<MessageNoteData> MakeMessage(const std::u16string& text) {
    std::unique_ptr<NoteData> note = MakeNote({100, 100, 300, 250});
    auto message = std::unique_ptr<MessageNoteData>(static_cast<MessageNoteData*>(note.release()));
    message->SetText(text);
    return message;
}

std::u16string Repeated(std::u16string_view part, int times) {
    std::u16string text;
    while (times-- > 0) text += part;
    return text;
}

// Closes each menu as it opens, noting its first item.
class MenuWatcher : public QObject {
public:
    QStringList opened;

    MenuWatcher() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                opened.append(menu->actions().value(0)->text());
                menu->close();
            }
        });
        timer_.start(0);
    }

private:
    QTimer timer_;
};

class MessageNoteWndTest : public NoteWindowCase {
    Q_OBJECT

    ProbedMessageWnd& Create(const std::u16string& text) {
        return NoteWindowCase::Create<ProbedMessageWnd>(MakeMessage(text));
    }
    const MessageNoteData& Record() const {
        return static_cast<const MessageNoteData&>(window_->GetNoteData());
    }
    CNoteEdit* TextEdit() const {
        for (CNoteEdit* edit : window_->findChildren<CNoteEdit*>()) {
            if (edit->geometry() == window_->GetContentRect(true)) {
                return edit;
            }
        }
        return nullptr;
    }

private slots:

    void editingShowsLineBreaksAsTypedAndCommitsThemAsLineFeeds() {
        ProbedMessageWnd& window = Create(u"one\ntwo");
        window.GetNoteData().SetLastModified(0);
        // Another window has the keyboard; the note opened for editing takes
        // it for its editor. (The test platform activates every window it
        // shows, the quick action box too; that settles first.)
        QTRY_VERIFY(HoldsActivation(window));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.SendCommand(NoteCommand::kEdit);
        CNoteEdit* edit = TextEdit();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->GetText(), u"one\r\ntwo");
        edit->moveCursor(QTextCursor::End);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "www.x.org");
        window.SendCommand(NoteCommand::kDoneEditing);
        QCOMPARE(Record().GetText(), u"one\ntwo\nwww.x.org");
        QVERIFY(Record().GetLastModified() != 0);

        // The new line is laid out: its link is drawn, registered and opens.
        Paint();
        QCOMPARE(window.Links().size(), std::size_t{1});
        const LinkRecord link = window.Links()[0];
        QVERIFY(link.rect.top > window.GetContentRect(false).top());
        const QPoint inside((link.rect.left + link.rect.right) / 2,
                            (link.rect.top + link.rect.bottom) / 2);
        SendMouse(window, QEvent::MouseMove, inside, Qt::NoButton);
        QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);
        SendMouse(window, QEvent::MouseButtonPress, inside, Qt::LeftButton);
        SendMouse(window, QEvent::MouseButtonPress, QPoint(inside.x(), inside.y() - 40),
                  Qt::LeftButton);
        QCOMPARE(host_.links, QStringList{"http://www.x.org"});
        QCOMPARE(window.Links()[0].text, u"http://www.x.org");
    }

    // An empty note draws only the note. Cancelled, an edit leaves text
    // and drawing as they were, even when the text was cleared meanwhile.
    void cancellingClearingAndCopyingKeepTextAndDrawingInStep() {
        const QImage background =
            Render(NoteWindowCase::Create<CVeskNoteWnd>(MakeNote({100, 100, 300, 250})));
        QVERIFY(Create(u"").Links().empty());
        QCOMPARE(Paint(), background);

        const std::u16string text = u"keep this\n" + Repeated(u"line www.x.org\n", 40);
        ProbedMessageWnd& window = Create(text);
        const QImage before = Paint();
        QVERIFY(before != background);
        window.SendCommand(NoteCommand::kEdit);
        QTest::keyClicks(TextEdit(), "changed");
        window.SendCommand(NoteCommand::kCancelEditing);
        QCOMPARE(Record().GetText(), text);
        QCOMPARE(Paint(), before);
        window.SendCommand(NoteCommand::kEdit);
        window.SendCommand(NoteCommand::kClearContents);
        window.SendCommand(NoteCommand::kCancelEditing);
        QCOMPARE(Record().GetText(), text);
        QCOMPARE(Paint(), before);

        window.SendCommand(NoteCommand::kCopyToClipboard);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdU16String(text));
        host_.changes = 0;
        window.SendCommand(NoteCommand::kClearContents);
        QCOMPARE(Record().GetText(), u"");
        QVERIFY(host_.changes > 0);
        QCOMPARE(Paint(), background);
        QVERIFY(window.Links().empty());
    }

    void tallTextShowsTheScrollHints() {
        ProbedMessageWnd& window = Create(Repeated(u"line\n", 30));
        const QRect c = window.GetContentRect(false);
        const int right = c.x() + c.width();
        const int bottom = c.y() + c.height();
        // The widest row of each triangle and the pixel just left of it.
        const auto shows = [&](const QImage& image, int y) {
            return IsDark(image.pixel(right - 9, y)) && IsDark(image.pixel(right - 2, y)) &&
                   !IsDark(image.pixel(right - 10, y)) && !IsDark(image.pixel(right - 1, y));
        };
        QImage image = Paint();
        QVERIFY(shows(image, bottom - 9));
        QVERIFY(!shows(image, c.y() + 9));

        QTest::keyClick(&window, Qt::Key_Down);
        image = Paint();
        QVERIFY(shows(image, bottom - 9));
        QVERIFY(shows(image, c.y() + 9));
    }

    void rightClickInAnEditorOpensOnlyTheNoteMenu() {
        ProbedMessageWnd& window = Create(u"text");
        window.SendCommand(NoteCommand::kEdit);
        QWindow* handle = window.windowHandle();
        for (const QPoint at : {window.GetContentRect(true).center(), QPoint(40, 10)}) {
            MenuWatcher menus;
            QTest::mouseClick(handle, Qt::RightButton, {}, at);
            QTRY_VERIFY(!menus.opened.isEmpty());
            QCoreApplication::processEvents();
            QCOMPARE(menus.opened, QStringList{"Cancel Editing"});
        }
    }

    void alignmentChangeWhileEditingKeepsTheTypedText() {
        ProbedMessageWnd& window = Create(u"first");
        window.SendCommand(NoteCommand::kEdit);
        CNoteEdit* edit = TextEdit();
        edit->moveCursor(QTextCursor::End);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "typed");
        OpenPage<CFontPage>(window)->Centred().click();
        QCOMPARE(Record().GetAlignment(), NoteData::kAlignCenter);
        edit = TextEdit();
        QCOMPARE(edit->GetText(), u"first\r\ntyped");
        QVERIFY(edit->document()->defaultTextOption().alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(window.findChildren<CNoteEdit*>().size(), 2);
        QCOMPARE(Record().GetText(), u"first");
    }

    void printsTheWholeTextInBlackOnAsManyPagesAsItTakes() {
        ProbedMessageWnd& window = Create(Repeated(u"x\n", 60));
        window.GetNoteData().SetTitle(u"A title far too long for the title bar of this note");
        StyleData style = StyleData::Fallback();
        style.textcolor = RGB(200, 0, 0);
        window.GetNoteData().SetStyle(style);
        ScriptedPrompts prompts;
        const QTemporaryDir folder;
        ChoosePdfPrinter(prompts, folder.filePath("note.pdf"));
        window.SendCommand(NoteCommand::kPrint);
        QVERIFY(window.printed.size() > 1);
        // As large as on the screen: the printer's pixels are the screen's.
        QCOMPARE(window.printed[0].size(), QSize(200, 150));
        QCOMPARE(window.printed[0].logicalDpiY(), window.logicalDpiY());
        const PrintedInk ink = ReadPrintedPages(window.printed, CVeskNoteWnd::GetTitleBarHeight());
        QVERIFY2(ink.stray.isEmpty(), qPrintable(ink.stray));
        QCOMPARE(ink.lines, 60);
        QFile pdf(folder.filePath("note.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), window.printed.size());
    }
};

const RegisterUiTest<MessageNoteWndTest> registered;

}  // namespace
}  // namespace vesk::test

#include "MessageNoteWndTest.moc"
