#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QStatusBar>
#include <QTest>

#include "MainFrameFixture.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"
#include "notebook/CHTMLListCtrl.h"
#include "notebook/CNoteManagerFrm.h"
#include "notebook/CNotePreviewView.h"
#include "notebook/CRightView.h"
#include "notes/NoteArchive.h"
#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk::test {
namespace {

using Fixture = MainFrameFixture;
constexpr NotebookFolder kDesktop = NotebookFolder::Desktop;
constexpr NotebookFolder kWastebasket = NotebookFolder::Wastebasket;
constexpr NotebookFolder kArchive = NotebookFolder::Archive;

class NotebookTest : public QObject {
    Q_OBJECT

    // Starts the program on the notes and opens the Notebook from the tray.
    CNoteManagerFrm& Open(Fixture& fixture, const std::vector<TestNote>& notes) {
        Fixture::WriteNotes(fixture.NotesFile(), notes);
        CMainFrame& frame = fixture.Start();
        frame.GetSettings().SetAnimatedCrumple(false);
        return Show(frame);
    }
    static CNoteManagerFrm& Show(CMainFrame& frame) {
        frame.OnCommand(MainCommand::kNotebook);
        return *frame.GetNotebook().Window();
    }
    // The titles of the folder's rows, top to bottom.
    static QStringList Titles(CMainFrame& frame, NotebookFolder folder) {
        CHTMLListCtrl& list = frame.GetNotebook().Window()->List().List(folder);
        QStringList titles;
        for (int row = 0; row < list.GetItemCount(); ++row) {
            const std::uintptr_t data = list.GetItemData(row);
            titles << QString::fromStdU16String(
                folder == kArchive
                    ? reinterpret_cast<const ArchiveEntry*>(data)->title
                    : frame.GetCollection().Find(NoteId(data))->GetNoteData().GetTitle());
        }
        return titles;
    }
    static void Click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }
    // A click on the list at y: a row there becomes the selection.
    static void ClickList(CHTMLListCtrl& list, int y) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(150, y));
    }

private slots:
    // With nothing checked an action says Whoops and changes nothing.
    void crumplingCheckedRowsMovesExactlyThoseToTheWastebasketLastFirst() {
        Fixture fixture;
        CNoteManagerFrm& window =
            Open(fixture, {{u"N0"}, {u"N1"}, {u"N2"}, {u"N3"}, {u"Old", 0, 2}});
        CRightView& view = window.List();
        CMainFrame& frame = fixture.Frame();
        Click(view.ActionButton(0));
        QCOMPARE(fixture.Prompts().messages.size(), 1);
        QCOMPARE(fixture.Prompts().messages[0].caption, QStringLiteral("Whoops"));
        QCOMPARE(Titles(frame, kDesktop), (QStringList{"N0", "N1", "N2", "N3"}));

        view.List(kDesktop).SetItemCheck(1, true);
        view.List(kDesktop).SetItemCheck(3, true);
        Click(view.ActionButton(0));
        QCOMPARE(Titles(frame, kDesktop), (QStringList{"N0", "N2"}));
        QCOMPARE(Titles(frame, kWastebasket), (QStringList{"Old", "N3", "N1"}));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("2 note(s) crumpled"));
    }

    void deletingForGoodAsksLastChanceFirst() {
        Fixture fixture;
        CRightView& view = Open(fixture, {{u"W0", 0, 2}, {u"W1", 0, 2}, {u"W2", 0, 2}}).List();
        CMainFrame& frame = fixture.Frame();
        Click(view.Tab(kWastebasket));
        Click(view.CheckLink(true));
        QCOMPARE(view.ActionButton(0).text(), QStringLiteral("Delete"));
        QVERIFY(view.ActionButton(2).isHidden());
        Click(view.ActionButton(0));
        QCOMPARE(fixture.Prompts().messages.last().caption, QStringLiteral("Last Chance"));
        QCOMPARE(Titles(frame, kWastebasket), (QStringList{"W0", "W1", "W2"}));
        QCOMPARE(frame.GetCollection().GetNotes().size(), 3u);

        // The preview's Delete acts on the selected row alone.
        ClickList(view.List(kWastebasket), 5);
        CNotePreviewView& preview = fixture.Frame().GetNotebook().Window()->Preview();
        QCOMPARE(preview.ShownWindow()->GetNoteData().GetTitle(), u"W0");
        fixture.Prompts().answers.push_back(UserPrompts::Answer::Yes);
        Click(const_cast<QPushButton&>(preview.Button(0)));
        QCOMPARE(Titles(frame, kWastebasket), (QStringList{"W1", "W2"}));
        QCOMPARE(frame.GetCollection().GetNotes().size(), 2u);
        QVERIFY(!preview.IsShowingNote());
    }

    void archivedNoteRestoredGetsItsDesktopRowAtOnce() {
        Fixture fixture;
        CNoteManagerFrm& window = Open(fixture, {{u"A"}, {u"B"}});
        CRightView& view = window.List();
        CMainFrame& frame = fixture.Frame();
        view.List(kDesktop).SetItemCheck(0, true);
        Click(view.ActionButton(1));
        QCOMPARE(Titles(frame, kDesktop), (QStringList{"B"}));
        Click(view.Tab(kArchive));
        QCOMPARE(Titles(frame, kArchive), (QStringList{"A"}));
        ClickList(view.List(kArchive), 5);
        QCOMPARE(window.Preview().ShownWindow()->GetNoteData().GetTitle(), u"A");
        QCOMPARE(window.Preview().Button(1).text(), QStringLiteral("Restore"));

        view.List(kArchive).SetItemCheck(0, true);
        Click(view.ActionButton(1));
        QCOMPARE(view.List(kArchive).GetItemCount(), 0);
        QVERIFY(QDir(fixture.DataFolder() + "archive").isEmpty());
        QCOMPARE(Titles(frame, kDesktop), (QStringList{"B", "A"}));
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("1 note(s) restored from archive"));
    }

    void closedNotebookComesBackAsItWasLeft() {
        Fixture fixture;
        CNoteManagerFrm& window = Open(fixture, {{u"N0"}, {u"W0", 0, 2}, {u"W1", 0, 2}});
        QVERIFY(window.isVisible());
        // Its own task-bar entry: an unowned window of the ordinary kind.
        QCOMPARE(window.windowType(), Qt::Window);
        QVERIFY(window.parentWidget() == nullptr);
        CRightView& view = window.List();
        Click(view.Tab(kWastebasket));
        // The shown folder's caption is bold, and stays inside its tab: no
        // black of the text at the tab's sides, only its edge's blue-grey.
        const QImage tab = view.Tab(kWastebasket).grab().toImage();
        for (int y = 0; y < tab.height(); ++y) {
            for (const int x : {0, 1, 2, tab.width() - 3, tab.width() - 2, tab.width() - 1}) {
                QVERIFY2(tab.pixelColor(x, y).blue() >= 40, qPrintable(QString::number(x)));
            }
        }
        view.List(kWastebasket).SetItemCheck(1, true);
        ClickList(view.List(kWastebasket), 5);
        window.close();
        QVERIFY(window.isHidden());

        QCOMPARE(&Show(fixture.Frame()), &window);
        QVERIFY(window.isVisible());
        QCOMPARE(view.CurrentFolder(), kWastebasket);
        QVERIFY(view.List(kWastebasket).GetItemCheck(1));
        QVERIFY(!view.List(kWastebasket).GetItemCheck(0));
        QCOMPARE(view.List(kWastebasket).GetSelectedItem(), 0);
    }

    void notebookOpenedLateListsTheFoldersAsTheyCameAbout() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), {{u"N0"}, {u"N1"}, {u"N2"}});
        CMainFrame& frame = fixture.Start();
        frame.GetSettings().SetAnimatedCrumple(false);
        NoteCollection& notes = frame.GetCollection();
        notes.Find(2)->SendCommand(NoteCommand::kCrumple);
        notes.Find(0)->SendCommand(NoteCommand::kCrumple);
        notes.Find(2)->SendCommand(NoteCommand::kShow);
        frame.CreateNewNote(NoteData::kMessage);
        notes.Find(3)->SendCommand(NoteCommand::kDoneEditing);
        QVERIFY(frame.GetNotebook().Window() == nullptr);

        Show(frame);
        const QString created = QString::fromStdU16String(notes.Find(3)->GetNoteData().GetTitle());
        QCOMPARE(Titles(frame, kDesktop), (QStringList{"N1", "N2", created}));
        QCOMPARE(Titles(frame, kWastebasket), (QStringList{"N0"}));
    }

    void rowFollowsItsNoteAndSelectionDrivesThePreview() {
        Fixture fixture;
        CNoteManagerFrm& window = Open(fixture, {{u"Seen"}, {u"Later", 0, 1}});
        CRightView& view = window.List();
        CHTMLListCtrl& list = view.List(kDesktop);
        QCOMPARE(list.GetItemImage(1), 1);
        list.SetItemCheck(1, true);
        Click(view.ActionButton(3));
        QCOMPARE(list.GetItemImage(1), 0);
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("1 note(s) made visible"));

        ClickList(list, 5);
        QCOMPARE(view.PreviewedNote(), std::optional<NoteId>(0));
        NoteWindow& seen = *fixture.Frame().GetCollection().Find(0);
        seen.GetNoteData().SetTitle(u"Renamed");
        seen.SendCommand(NoteCommand::kHide);
        QVERIFY(list.GetItemText(0).starts_with(u"<b>Renamed</b>"));
        QCOMPARE(list.GetItemImage(0), 1);
        QCOMPARE(window.Preview().ShownWindow()->GetNoteData().GetTitle(), u"Renamed");
        // Below the last row: nothing selected, the placeholder back.
        ClickList(list, list.viewport()->height() - 2);
        QVERIFY(!window.Preview().IsShowingNote());
        QVERIFY(!view.PreviewedNote());
    }
};

const RegisterUiTest<NotebookTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NotebookTest.moc"
