#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>

#include "NoteWindowCase.h"
#include "PrintedPages.h"
#include "UiTestRegistry.h"
#include "notes/NoteCommands.h"
#include "notes/NoteFile.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteDoubleClick.h"
#include "notewnd/NoteMenu.h"
#include "notewnd/QtFontEngine.h"

namespace vesk::test {
namespace {

using Moves = QList<std::array<std::int64_t, 3>>;

QStringList Items(const QMenu& menu) {
    QStringList items;
    for (const QAction* item : menu.actions()) {
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    return items;
}

QList<std::uint32_t> Commands(const QMenu& menu) {
    QList<std::uint32_t> commands;
    for (const QAction* item : menu.actions()) {
        if (!item->isSeparator()) commands << MenuCommand(*item);
    }
    return commands;
}

const QAction* Item(const QMenu& menu, const QString& text) {
    for (const QAction* item : menu.actions()) {
        if (item->text() == text) return item;
    }
    return nullptr;
}

class NoteCommandsTest : public NoteWindowCase {
    Q_OBJECT

    using NoteWindowCase::Create;
    CVeskNoteWnd& Create(const Rect& rect) { return Create(MakeNote(rect)); }
    CNoteEdit* TitleEdit() const { return window_->findChild<CNoteEdit*>(); }

private slots:
    void menuOffersWhatSuitsTheNote() {
        auto note = MakeNote({0, 0, 200, 200});
        QMenu menu;
        BuildNoteMenu(menu, *note, false);
        QCOMPARE(Items(menu),
                 (QStringList{"Edit\tCtrl+E", "Set Alarm", "Clear Contents", "-", "Shade\tCtrl+S",
                              "Hide\tCtrl+H", "Stay On Top", "Show Title Bar", "-", "Print",
                              "Copy To Clipboard", "Save", "-", "Archive", "*Crumple*\tCtrl+T"}));
        QCOMPARE(Commands(menu), (QList<std::uint32_t>{32799, 32824, 32830, 32793, 32774, 32811,
                                                       32834, 32829, 32831, 32813, 32810, 32772}));
        QVERIFY(!Item(menu, "Stay On Top")->isChecked());
        QVERIFY(Item(menu, "Show Title Bar")->isChecked());

        note->SetShaded(true);
        note->SetStayOnTop(1);
        note->SetShowTitle(false);
        QMenu shaded;
        BuildNoteMenu(shaded, *note, false);
        QCOMPARE(MenuCommand(*Item(shaded, "Unshade")), NoteCommand::kUnshade);
        QVERIFY(Item(shaded, "Stay On Top")->isChecked());
        QVERIFY(!Item(shaded, "Show Title Bar")->isChecked());

        QMenu editing;
        BuildNoteMenu(editing, *note, true);
        QCOMPARE(Items(editing), (QStringList{"Cancel Editing", "Done Editing"}));
        QCOMPARE(Commands(editing), (QList<std::uint32_t>{32807, 32806}));
    }

    void cancelRestoresTheRecordAndDoneKeepsTheTitle() {
        auto note = MakeNote({100, 100, 300, 300});
        note->SetLastModified(1000);
        CVeskNoteWnd& window = Create(std::move(note));
        window.SendCommand(NoteCommand::kEdit);
        QVERIFY(window.IsEditing());
        QCOMPARE(window.windowOpacity(), 1.0);
        QCOMPARE(TitleEdit()->GetText(), u"Shopping");
        TitleEdit()->SetText(u"Groceries");
        window.SendCommand(NoteCommand::kEdit);
        QCOMPARE(window.findChildren<CNoteEdit*>().size(), 1);
        QCOMPARE(TitleEdit()->GetText(), u"Groceries");

        window.SendCommand(NoteCommand::kCancelEditing);
        QVERIFY(!window.IsEditing() && TitleEdit() == nullptr);
        QCOMPARE(window.GetNoteData().GetTitle(), u"Shopping");
        QCOMPARE(window.GetNoteData().GetLastModified(), 1000);
        QVERIFY(host_.moves.isEmpty() && host_.changes == 0);

        window.SendCommand(NoteCommand::kEdit);
        TitleEdit()->SetText(u"Groceries");
        window.SendCommand(NoteCommand::kDoneEditing);
        QVERIFY(!window.IsEditing() && TitleEdit() == nullptr);
        QCOMPARE(window.GetNoteData().GetTitle(), u"Groceries");
        QVERIFY(window.GetNoteData().GetLastModified() > 1000);
        QCOMPARE(host_.moves, (Moves{{7, 0, 0}}));
        QCOMPARE(host_.changes, 1);
    }

    void anOpenEditorIsNeverRolledUpOutOfSight() {
        CVeskNoteWnd& window = Create({100, 100, 300, 300});
        const QSize full = window.size();
        window.SendCommand(NoteCommand::kShade);
        window.SendCommand(NoteCommand::kEdit);
        QVERIFY(window.IsEditing());
        QVERIFY(!window.GetNoteData().IsShaded());
        QCOMPARE(window.size(), full);
        // Nor does the note roll up over its open editor (Ctrl+S typed in it).
        window.SendCommand(NoteCommand::kShade);
        QVERIFY(!window.GetNoteData().IsShaded());
        QCOMPARE(window.size(), full);
    }

    void placeCommandsKeepRecordAndNotebookInStep() {
        auto note = MakeNote({100, 100, 300, 300});
        note->SetState(NoteData::kStateWastebasket);
        CVeskNoteWnd& window = Create(std::move(note));
        QVERIFY(!window.isVisible());
        // Shown from the wastebasket the note moves there; hidden by the
        // program and brought back it stays among the shown notes.
        window.SetVisible(true);
        window.SetVisible(false);
        QCOMPARE(window.GetNoteData().GetState(), NoteData::kStateHidden);
        window.BringToAttention();
        QVERIFY(window.isVisible());
        QCOMPARE(window.GetNoteData().GetState(), NoteData::kStateShown);
        QCOMPARE(host_.moves, (Moves{{7, 2, 0}}));

        host_.changes = 0;
        window.SendCommand(NoteCommand::kHide);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.GetNoteData().GetState(), NoteData::kStateHidden);
        window.SendCommand(NoteCommand::kShow);
        QVERIFY(window.isVisible());
        QCOMPARE(window.GetNoteData().GetState(), NoteData::kStateShown);
        QCOMPARE(host_.moves, (Moves{{7, 2, 0}, {7, 0, 1}, {7, 1, 0}}));
        QCOMPARE(host_.changes, 2);

        window.SendCommand(NoteCommand::kStayOnTop);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.GetNoteData().GetStayOnTop(), 1);
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), QRect(100, 100, 200, 200));
        window.SendCommand(NoteCommand::kStayOnTop);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        window.SendCommand(NoteCommand::kShowTitleBar);
        QVERIFY(!window.GetNoteData().GetShowTitle());
        QCOMPARE(host_.changes, 5);
    }

    void archiveTakesAnOpenEditAndItsFailureSaysNoGo() {
        ScriptedPrompts prompts;
        CVeskNoteWnd& window = Create({100, 100, 300, 300});
        window.SendCommand(NoteCommand::kEdit);
        TitleEdit()->SetText(u"Groceries");
        window.SendCommand(NoteCommand::kArchive);
        QVERIFY(!window.IsEditing());
        QCOMPARE(window.GetNoteData().GetTitle(), u"Groceries");
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].caption, QString("No Go"));
        QCOMPARE(prompts.messages[0].buttons, UserPrompts::Buttons::Ok);
        QVERIFY(window.isVisible());
    }

    void saveWritesANoteFileThatLoads() {
        ScriptedPrompts prompts;
        QTemporaryDir folder;
        prompts.fileNames = {folder.filePath("shopping"), folder.filePath("list.txt")};
        CVeskNoteWnd& window = Create({100, 100, 300, 300});
        window.SendCommand(NoteCommand::kSave);
        window.SendCommand(NoteCommand::kSave);
        const auto loaded =
            LoadNoteFile(folder.filePath("shopping.vesknote").toStdU16String(), false, 24);
        QVERIFY(loaded != nullptr);
        QCOMPARE(loaded->GetTitle(), u"Shopping");
        QVERIFY(QFile::exists(folder.filePath("list.txt")));
        // Cancelled: nothing is written.
        window.SendCommand(NoteCommand::kSave);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    }

    void printsOnePageUnderTheNotesNameOrUntitled() {
        ScriptedPrompts prompts;
        QTemporaryDir folder;
        const QString pdf = folder.filePath("note.pdf");
        ChoosePdfPrinter(prompts, pdf);
        auto& window = Create<PrintedPages<CVeskNoteWnd>>(MakeNote({100, 100, 300, 250}, u""));
        const QRect onScreen = window.GetContentRect(true);
        window.SendCommand(NoteCommand::kPrint);
        QCOMPARE(window.printed.size(), 1);
        QCOMPARE(window.GetContentRect(true), onScreen);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(4) == "%PDF");
        // The job's name, in UTF-16 as PDF strings are written.
        QVERIFY(file.readAll().contains(QByteArray("\0U\0n\0t\0i\0t\0l\0e\0d\0 \0N\0o\0t\0e", 26)));

        window.SendCommand(NoteCommand::kPrint);
        QCOMPARE(prompts.printerChoices, 2);
        QCOMPARE(window.printed.size(), 1);
    }

    void crumpleShrinksTheNoteIntoTheWastebasket() {
        host_.settings.SetAnimatedCrumple(true);
        host_.settings.SetSoundEnabled(true);
        auto note = MakeNote({100, 100, 300, 200});
        note->EnableAlarm(true);
        CVeskNoteWnd& window = Create(std::move(note));
        window.SendCommand(NoteCommand::kCrumple);
        QVERIFY(window.isVisible());
        QTRY_COMPARE(window.GetNoteData().GetState(), NoteData::kStateWastebasket);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.geometry(), QRect(100, 100, 200, 100));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{100, 100, 300, 200}));
        QVERIFY(window.GetNoteData().GetAlarm() == nullptr);
        QCOMPARE(host_.alarms, QStringList{"-7"});
        QCOMPARE(host_.moves, (Moves{{7, 0, 2}}));
        QCOMPARE(host_.sounds, QList<int>{161});

        // Edited and shaded, without animation or sound: at once, the edit
        // cancelled and the note unshaded.
        host_ = {};
        host_.settings.SetAnimatedCrumple(false);
        host_.settings.SetSoundEnabled(false);
        CVeskNoteWnd& quick = Create({100, 100, 300, 200});
        quick.SendCommand(NoteCommand::kEdit);
        TitleEdit()->SetText(u"Gone");
        quick.SendCommand(NoteCommand::kShade);
        quick.SendCommand(NoteCommand::kCrumple);
        QCOMPARE(quick.GetNoteData().GetState(), NoteData::kStateWastebasket);
        QVERIFY(!quick.isVisible() && !quick.IsEditing() && !quick.GetNoteData().IsShaded());
        QCOMPARE(quick.GetNoteData().GetTitle(), u"Shopping");
        QCOMPARE(host_.moves, (Moves{{7, 0, 2}}));
        QVERIFY(host_.sounds.isEmpty());
    }

    void doubleClickPicksTheCommand() {
        using namespace NoteCommand;
        struct Case {
            QPoint at;
            DoubleClickState state;
            std::vector<std::uint32_t> commands;
        };
        const Case cases[] = {
            {{50, 50}, {.titleBarHeight = 24}, {kEdit}},
            {{50, 5}, {.titleBarHeight = 24}, {kEdit}},
            {{50, 50}, {.editing = true, .titleBarHeight = 24}, {kDoneEditing}},
            {{50, 24}, {.showQAButtons = false, .titleBarHeight = 24}, {kShade}},
            {{50, 5}, {.showQAButtons = false, .shaded = true, .titleBarHeight = 24}, {kUnshade}},
            {{50, 5},
             {.showQAButtons = false, .titleShown = false, .shaded = true, .titleBarHeight = 24},
             {kUnshade, kEdit}},
            {{24, 24}, {.hasAlarm = true, .titleBarHeight = 24}, {kSetAlarm}},
            {{25, 24}, {.hasAlarm = true, .titleBarHeight = 24}, {kEdit}},
        };
        for (const Case& c : cases) QCOMPARE(DoubleClickCommands(c.at, c.state), c.commands);

        // On the window: a shaded note opens for editing unshaded.
        auto note = MakeNote({100, 100, 300, 300});
        note->SetShaded(true);
        CVeskNoteWnd& window = Create(std::move(note));
        QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(50, 10));
        QVERIFY(window.IsEditing() && !window.GetNoteData().IsShaded());
        QCOMPARE(window.height(), 200);
    }
};

const RegisterUiTest<NoteCommandsTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteCommandsTest.moc"
