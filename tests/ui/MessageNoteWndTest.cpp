#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <memory>

#include "FakeNoteHost.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "notes/NoteCommands.h"
#include "notewnd/CMessageNoteWnd.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/QtFontEngine.h"

namespace vesk::test {
namespace {

// Lets the tests see the links and draws each printed page into an image
// of the page, where its pixels can be read.
class ProbedMessageWnd : public CMessageNoteWnd {
public:
    using CMessageNoteWnd::CMessageNoteWnd;
    using CVeskNoteWnd::Links;
    QImage printed;

protected:
    void PrintPage(QPainter&, int page) override {
        const QRect area = PaintArea();
        printed = QImage(area.x() + area.width(), area.y() + area.height(), QImage::Format_RGB32);
        printed.fill(Qt::white);
        QPainter painter(&printed);
        CMessageNoteWnd::PrintPage(painter, page);
    }
};

std::unique_ptr<MessageNoteData> MakeMessage(const std::u16string& text) {
    std::unique_ptr<NoteData> note = MakeNote({100, 100, 300, 250});
    auto message = std::unique_ptr<MessageNoteData>(static_cast<MessageNoteData*>(note.release()));
    message->SetText(text);
    return message;
}

// The corners that the window's shape cuts off are never painted: they keep
// the image's white.
QImage Render(QWidget& window) {
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    window.render(&image);
    return image;
}

bool IsBlack(QRgb pixel) { return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

class MessageNoteWndTest : public QObject {
    Q_OBJECT

    QtFontEngine engine_;
    FakeNoteHost host_;
    std::unique_ptr<ProbedMessageWnd> window_;

    ProbedMessageWnd& Create(const std::u16string& text) {
        window_ = std::make_unique<ProbedMessageWnd>(3, MakeMessage(text), host_);
        window_->CreateNoteWindow();
        return *window_;
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
    QImage Paint() const { return Render(*window_); }

private slots:
    void initTestCase() { UseTestFonts(engine_); }
    void cleanupTestCase() { RegisterFontEngine(nullptr); }
    void init() { host_ = {}; }
    void cleanup() { window_.reset(); }

    void editingShowsLineBreaksAsTypedAndCommitsThemAsLineFeeds() {
        ProbedMessageWnd& window = Create(u"one\ntwo");
        window.GetNoteData().SetLastModified(0);
        window.SendCommand(NoteCommand::kEdit);
        CNoteEdit* edit = TextEdit();
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->GetText(), u"one\r\ntwo");
        edit->moveCursor(QTextCursor::End);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "www.x.org");
        window.SendCommand(NoteCommand::kDoneEditing);
        QCOMPARE(Record().GetText(), u"one\ntwo\nwww.x.org");
        QVERIFY(Record().GetLastModified() != 0);
        QVERIFY(TextEdit() == nullptr);

        // The new line is laid out: its link is drawn, registered and opens.
        Paint();
        QCOMPARE(window.Links().size(), std::size_t{1});
        const LinkRecord link = window.Links()[0];
        QCOMPARE(link.text, u"www.x.org");
        const QRect content = window.GetContentRect(false);
        QCOMPARE(link.rect.left, content.left());
        QVERIFY(link.rect.top > content.top() && link.rect.bottom < content.bottom());
        QVERIFY(link.rect.right - link.rect.left > 30);
        const QPoint inside((link.rect.left + link.rect.right) / 2,
                            (link.rect.top + link.rect.bottom) / 2);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(inside),
                          QPointF(window.mapToGlobal(inside)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QCOMPARE(host_.links, QStringList{"http://www.x.org"});
    }

    void cancellingLeavesTextAndDrawingAsBefore() {
        ProbedMessageWnd& window = Create(u"keep this\nas it is");
        const QImage before = Paint();
        window.SendCommand(NoteCommand::kEdit);
        QTest::keyClicks(TextEdit(), "changed");
        window.SendCommand(NoteCommand::kCancelEditing);
        QCOMPARE(Record().GetText(), u"keep this\nas it is");
        QCOMPARE(Paint(), before);
    }

    void emptyAndClearedNotesDrawOnlyTheNoteAndCopyingTakesTheText() {
        CVeskNoteWnd plain(1, MakeNote({100, 100, 300, 250}), host_);
        plain.CreateNoteWindow();
        const QImage background = Render(plain);
        ProbedMessageWnd& empty = Create(u"");
        QCOMPARE(Paint(), background);
        QVERIFY(empty.Links().empty());

        std::u16string tall;
        for (int line = 0; line < 40; ++line) {
            tall += u"line www.x.org\n";
        }
        ProbedMessageWnd& cleared = Create(tall);
        QVERIFY(Paint() != background);
        cleared.SendCommand(NoteCommand::kCopyToClipboard);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdU16String(tall));
        host_.changes = 0;
        cleared.SendCommand(NoteCommand::kClearContents);
        QCOMPARE(Record().GetText(), u"");
        QVERIFY(host_.changes > 0);
        QCOMPARE(Paint(), background);
        QVERIFY(cleared.Links().empty());
    }

    void tallTextShowsTheScrollHints() {
        std::u16string text;
        for (int line = 0; line < 30; ++line) {
            text += u"line\n";
        }
        ProbedMessageWnd& window = Create(text);
        const QRect c = window.GetContentRect(false);
        const int right = c.x() + c.width();
        const int bottom = c.y() + c.height();
        // The widest row of each triangle and the pixel just left of it.
        const auto shows = [&](const QImage& image, int y) {
            return IsBlack(image.pixel(right - 9, y)) && IsBlack(image.pixel(right - 2, y)) &&
                   !IsBlack(image.pixel(right - 10, y)) && !IsBlack(image.pixel(right - 1, y));
        };
        QImage image = Paint();
        QVERIFY(shows(image, bottom - 9));
        QVERIFY(!shows(image, c.y() + 9));

        QTest::keyClick(&window, Qt::Key_Down);
        image = Paint();
        QVERIFY(shows(image, bottom - 9));
        QVERIFY(shows(image, c.y() + 9));
    }

    void alignmentChangeWhileEditingKeepsTheTypedText() {
        ProbedMessageWnd& window = Create(u"first");
        window.SendCommand(NoteCommand::kEdit);
        CNoteEdit* edit = TextEdit();
        edit->moveCursor(QTextCursor::End);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "typed");
        window.GetNoteData().SetAlignment(NoteData::kAlignCenter);
        window.SendCommand(NoteCommand::kAlignmentChanged);
        edit = TextEdit();
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->GetText(), u"first\r\ntyped");
        QVERIFY(edit->document()->defaultTextOption().alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(window.findChildren<CNoteEdit*>().size(), 2);
        QCOMPARE(Record().GetText(), u"first");
    }

    void printsTheTextInBlackInsideTheMargins() {
        std::u16string text;
        for (int word = 0; word < 200; ++word) {
            text += u"word ";
        }
        ProbedMessageWnd& window = Create(text);
        StyleData style = StyleData::Fallback();
        style.textcolor = RGB(200, 0, 0);
        window.GetNoteData().SetStyle(style);
        ScriptedPrompts prompts;
        const QTemporaryDir folder;
        prompts.printers.push_back([&folder](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath("note.pdf"));
            return true;
        });
        window.SendCommand(NoteCommand::kPrint);
        const QImage& page = window.printed;
        QVERIFY(!page.isNull());
        const int titleBar = CVeskNoteWnd::GetTitleBarHeight();
        int black = 0;
        for (int y = titleBar; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QRgb pixel = page.pixel(x, y);
                const bool inside = x >= 20 && x < page.width() - 20 && y < page.height() - 20;
                QVERIFY2(pixel == qRgb(255, 255, 255) || inside,
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
                QVERIFY(qRed(pixel) == qGreen(pixel));
                black += IsBlack(pixel) ? 1 : 0;
            }
        }
        QVERIFY(black > 100);
    }
};

const RegisterUiTest<MessageNoteWndTest> registered;

}  // namespace
}  // namespace vesk::test

#include "MessageNoteWndTest.moc"
