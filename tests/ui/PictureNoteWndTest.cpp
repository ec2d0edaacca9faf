#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "NoteWindowCase.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "dialogs/editoptions/CPicturePage.h"
#include "notes/ImageDecoder.h"
#include "notes/NoteCommands.h"
#include "notes/PictureNoteData.h"
#include "notewnd/CPictureNoteWnd.h"
#include "notewnd/PictureFit.h"
#include "notewnd/QtImageDecoder.h"

namespace vesk::test {
namespace {

constexpr QRgb kRed = qRgb(230, 20, 20);
constexpr QRgb kBlue = qRgb(20, 20, 230);

bool Near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) < 8 && qAbs(qGreen(a) - qGreen(b)) < 8 &&
           qAbs(qBlue(a) - qBlue(b)) < 8;
}

class PictureNoteWndTest : public NoteWindowCase {
    Q_OBJECT

    QtImageDecoder decoder_;
    QTemporaryDir folder_;

    QString WritePicture(const QString& name, QSize size, QRgb colour) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        const QString file = folder_.filePath(name);
        image.save(file);
        return file;
    }

    std::unique_ptr<CPictureNoteWnd> Create(const QString& file, bool keepRatio = true) {
        auto note = std::make_unique<PictureNoteData>();
        note->SetRect({100, 100, 300, 300});
        note->SetStyle(StyleData::Fallback());
        note->SetTitle(u"Holiday");
        note->SetMaintainRatio(keepRatio);
        note->SetSource(file.toStdU16String());
        auto window = std::make_unique<CPictureNoteWnd>(1, std::move(note), host_);
        window->CreateNoteWindow();
        return window;
    }

    static const PictureNoteData& Record(const CPictureNoteWnd& window) {
        return static_cast<const PictureNoteData&>(window.GetNoteData());
    }

    static QRgb CentrePixel(CPictureNoteWnd& window) {
        return Render(window).pixel(window.GetContentRect(false).center());
    }

private slots:
    void initTestCase() { RegisterImageDecoder(&decoder_); }
    void cleanupTestCase() { RegisterImageDecoder(nullptr); }

    // The longer side fills the area; when the other then runs over, that
    // one fills it instead; the picture is centred in what is left.
    void picturesAreStretchedOrFittedIntoTheContentArea() {
        const QRect content(6, 30, 188, 150);
        struct Case {
            QSize picture;
            bool keepRatio;
            QRect area;
            QRect drawn;
        };
        for (const auto& [picture, keepRatio, area, drawn] : {
                 Case{{400, 200}, true, content, {6, 58, 188, 94}},
                 Case{{100, 300}, true, content, {75, 30, 50, 150}},
                 Case{{300, 300}, true, content, {25, 30, 150, 150}},
                 Case{{200, 200}, true, {0, 0, 100, 300}, {0, 100, 100, 100}},
                 Case{{400, 200}, true, {0, 0, 300, 100}, {50, 0, 200, 100}},
                 Case{{400, 200}, false, content, content},
                 Case{{400, 200}, true, {6, 30, 188, 0}, {}},
             }) {
            QCOMPARE(PictureRect(picture, area, keepRatio), drawn);
        }
    }

    void thePictureShowsWhereItFitsAndTransparencyShowsTheNote() {
        const auto window = Create(WritePicture("red.png", {400, 200}, kRed));
        const QRect content = window->GetContentRect(false);
        const QPoint top = content.topLeft() + QPoint(content.width() / 2, 2);
        QVERIFY(Near(CentrePixel(*window), kRed));
        QVERIFY(!Near(Render(*window).pixel(top), kRed));
        static_cast<PictureNoteData&>(window->GetNoteData()).SetMaintainRatio(false);
        QVERIFY(Near(Render(*window).pixel(top), kRed));

        const auto clear = Create(WritePicture("clear.png", {40, 40}, qRgba(0, 0, 0, 0)), false);
        QCOMPARE(Render(*clear), Render(*Create({})));
    }

    // Missing, broken or too large: the note shows nothing and keeps the
    // path. A file that appears later is decoded when a window is made.
    void aPictureThatCannotBeShownLeavesAnEmptyNoteAndKeepsItsPath() {
        QFile broken(folder_.filePath("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\x89PNG\r\n\x1a\nthis is not the rest of a picture");
        broken.close();
        const QString missing = folder_.filePath("missing.png");
        const QImage empty = Render(*Create({}));
        for (const QString& file :
             {missing, broken.fileName(),
              WritePicture("wide.png", {QtImageDecoder::kMaxSide + 1, 1}, kRed)}) {
            const auto window = Create(file);
            QVERIFY2(Record(*window).GetPicture() == nullptr, qPrintable(file));
            QCOMPARE(Record(*window).GetSource(), file.toStdU16String());
            QCOMPARE(Render(*window), empty);
        }
        const auto widest = Create(WritePicture("widest.png", {QtImageDecoder::kMaxSide, 1}, kRed));
        QCOMPARE(Record(*widest).GetPictureWidth(), QtImageDecoder::kMaxSide);

        auto later = std::make_unique<PictureNoteData>();
        later->SetSource(missing.toStdU16String());
        WritePicture("missing.png", {10, 10}, kBlue);
        CPictureNoteWnd window(1, std::move(later), host_);
        window.CreateNoteWindow();
        QVERIFY(Near(CentrePixel(window), kBlue));
    }

    void editOptionsChooseThePictureAndCancelBringsBackTheOldOne() {
        ScriptedPrompts prompts;
        const QString red = WritePicture("red.png", {40, 40}, kRed);
        const QString blue = WritePicture("blue.png", {40, 40}, kBlue);
        const auto window = Create(red);
        const PictureNoteData& record = Record(*window);
        for (const auto command : {NoteCommand::kCancelEditing, NoteCommand::kDoneEditing}) {
            window->SendCommand(NoteCommand::kEdit);
            CPicturePage& page = *OpenPage<CPicturePage>(*window);
            prompts.fileNames.push_back(blue);
            page.Browse().click();
            page.KeepRatio().click();
            QVERIFY(!record.GetMaintainRatio());
            QVERIFY(Near(CentrePixel(*window), kBlue));
            window->SendCommand(command);
            const bool kept = command == NoteCommand::kDoneEditing;
            QCOMPARE(record.GetSource(), (kept ? blue : red).toStdU16String());
            QCOMPARE(record.GetMaintainRatio(), !kept);
            QVERIFY(Near(CentrePixel(*window), kept ? kBlue : kRed));
        }
        QCOMPARE(prompts.fileCaptions, QStringList(2, "Browse for Image"));
    }
};

const RegisterUiTest<PictureNoteWndTest> registered;

}  // namespace
}  // namespace vesk::test

#include "PictureNoteWndTest.moc"
