#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "DialogControls.h"
#include "MainFrameFixture.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"
#include "dialogs/NewNoteDialog.h"
#include "dialogs/settings/CHotKeyField.h"
#include "notes/NoteCommands.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk::test {
namespace {

using Fixture = MainFrameFixture;

CVeskNoteWnd& Window(CMainFrame& frame, NoteId id) {
    return *dynamic_cast<CVeskNoteWnd*>(frame.GetCollection().Find(id));
}

const NoteData& Note(CMainFrame& frame, NoteId id) {
    return frame.GetCollection().Find(id)->GetNoteData();
}

// "state" per note, "s" after a shaded one, "v" after one whose window shows.
QString States(CMainFrame& frame) {
    QStringList states;
    for (const auto& [id, window] : frame.GetCollection().GetNotes()) {
        const NoteData& note = window->GetNoteData();
        states << QString::number(note.GetState()) + (note.IsShaded() ? "s" : "") +
                      (Window(frame, id).isVisible() ? "v" : "");
    }
    return states.join(' ');
}

class MainCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newNotesTakeTheStyleTheSettingsAskFor() {
        Fixture fixture;
        CMainFrame& frame = fixture.Start();
        SettingsData& settings = frame.GetSettings();
        settings.ClearThemes();
        const std::int32_t bare = settings.AddTheme();
        settings.SetSelectedThemeId(bare);
        settings.SetRandomStyle(true);
        settings.SetShowTitle(false);

        // Random styles from a theme without styles: the yellow one it is given.
        QVERIFY(frame.CreateNewNote(NoteData::kMessage));
        StyleData yellow;
        yellow.SetColors(RGB(255, 242, 0), RGB(255, 255, 128), RGB(0, 0, 0), RGB(0, 0, 0));
        QVERIFY(Note(frame, 0).GetStyle() == yellow);
        QCOMPARE(settings.GetTheme(bare).GetStyles().size(), std::size_t{1});
        QCOMPARE(fixture.Sounds().played, QList<int>{platform::kNewNoteSound});
        QVERIFY(!Note(frame, 0).GetShowTitle());
        QVERIFY(Window(frame, 0).isVisible());
        QVERIFY(settings.GetAutoSaveData().IsChanged());

        // Not random: the lowest id, silently when sounds are off.
        ThemeData& theme = *settings.FindTheme(settings.AddTheme());
        theme.AddStyle(RGB(1, 0, 0), 0, 0, 0);
        theme.AddStyle(RGB(2, 0, 0), 0, 0, 0);
        theme.RemoveStyle(0);
        theme.AddStyle(RGB(3, 0, 0), 0, 0, 0);
        settings.SetSelectedThemeId(theme.GetId());
        settings.SetRandomStyle(false);
        settings.SetSoundEnabled(false);
        QVERIFY(frame.CreateNewNote(NoteData::kMessage));
        QCOMPARE(Note(frame, 1).GetStyle().bgcolor, RGB(2, 0, 0));
        QCOMPARE(fixture.Sounds().played.size(), 1);

        // Not random from a theme that is gone: the fallback style.
        settings.SetSelectedThemeId(99);
        QVERIFY(frame.CreateNewNote(NoteData::kMessage));
        QVERIFY(Note(frame, 2).GetStyle() == StyleData::Fallback());
        QVERIFY(!frame.CreateNewNote(7));
        QCOMPARE(frame.GetCollection().GetNotes().size(), std::size_t{3});
    }

    // Until its edit options choose a file, a new picture note shows none and
    // is kept all the same, its title edited like any other note's.
    void aNewPictureNoteIsAWholeNoteBeforeItHasAPicture() {
        Fixture fixture;
        CMainFrame& frame = fixture.Start();
        QVERIFY(frame.OnCommand(MainCommand::kNewPicture));
        QVERIFY(frame.OnCommand(MainCommand::kNewPicture));
        for (NoteId id : {0u, 1u}) {
            CVeskNoteWnd& window = Window(frame, id);
            QVERIFY(window.isVisible() && window.IsEditing());
            window.findChild<CNoteEdit*>()->SetText(id == 0 ? u"Holiday" : u"Dropped");
            window.SendCommand(id == 0 ? NoteCommand::kDoneEditing : NoteCommand::kCancelEditing);
            QVERIFY(!window.IsEditing());
        }
        const QString dated = QString::fromStdU16String(Note(frame, 1).GetTitle());
        QVERIFY(dated != "Dropped");
        frame.Close();
        QCOMPARE(Fixture::SavedNotes(fixture.NotesFile()),
                 (QStringList{"Holiday:5:0", dated + ":5:0"}));
    }

    void doToAllActsOnTheWindowsAndLeavesTheWastebasketAlone() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), {{u"Shown"},
                                                  {u"Hidden", 0, NoteData::kStateHidden},
                                                  {u"Bin", 0, NoteData::kStateWastebasket}});
        CMainFrame& frame = fixture.Start();
        Window(frame, 0).SendCommand(NoteCommand::kShade);
        QCOMPARE(States(frame), QStringLiteral("0sv 1 2"));

        frame.OnCommand(MainCommand::kHideAll);
        QCOMPARE(States(frame), QStringLiteral("1s 1 2"));
        QVERIFY(frame.GetSettings().GetAutoSaveData().IsChanged());
        frame.OnCommand(MainCommand::kBringAllToFront);
        QCOMPARE(States(frame), QStringLiteral("1s 1 2"));
        frame.OnCommand(MainCommand::kShowAll);
        QCOMPARE(States(frame), QStringLiteral("0sv 0v 2"));
        frame.OnCommand(MainCommand::kShadeAll);
        QCOMPARE(States(frame), QStringLiteral("0sv 0sv 2"));
        frame.OnCommand(MainCommand::kUnshadeAll);
        QCOMPARE(States(frame), QStringLiteral("0v 0v 2"));
    }

    void trayDoubleClickFollowsTheTrayAction() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), {{u"Shown"},
                                                  {u"Hidden", 0, NoteData::kStateHidden},
                                                  {u"Later", 0, NoteData::kStateHidden}});
        CMainFrame& frame = fixture.Start();
        frame.GetSettings().SetTray(TrayAction::ToggleShow);
        frame.OnTrayDoubleClick();
        QCOMPARE(States(frame), QStringLiteral("1 1 1"));
        frame.OnTrayDoubleClick();
        QCOMPARE(States(frame), QStringLiteral("0v 0v 0v"));

        frame.GetSettings().SetTray(TrayAction::CreateChecklist);
        frame.OnTrayDoubleClick();
        QCOMPARE(Note(frame, 3).GetKind(), NoteData::kChecklist);
    }

    void aSecondAboutOnlyRaisesTheOpenOne() {
        Fixture fixture;
        CMainFrame& frame = fixture.Start();
        fixture.Prompts().dialogs.push_back([&](QDialog& about) {
            frame.OnCommand(MainCommand::kAbout);
            return about.result();
        });
        frame.OnCommand(MainCommand::kAbout);
        QCOMPARE(fixture.Prompts().dialogTitles.size(), 1);
    }

    void theNewNoteHotKeyMakesTheChosenKind() {
        Fixture fixture;
        CMainFrame& frame = fixture.Start();
        auto& keys = fixture.HotKeys();
        for (const auto key : {Qt::Key_C, Qt::Key_S, Qt::Key_N}) {
            fixture.Prompts().dialogs.push_back([&](QDialog& chooser) {
                // A second press only raises the open chooser.
                emit keys.HotKeyPressed(MainHotKey::kNewNote);
                QTest::keyClick(&chooser, key);
                return chooser.result();
            });
            emit keys.HotKeyPressed(MainHotKey::kNewNote);
        }
        QCOMPARE(fixture.Prompts().dialogTitles, QStringList(3, "New Note"));
        QCOMPARE(frame.GetCollection().GetNotes().size(), std::size_t{3});
        QCOMPARE(Note(frame, 0).GetKind(), NoteData::kChecklist);
        QCOMPARE(Note(frame, 1).GetKind(), NoteData::kScribble);
        QCOMPARE(Note(frame, 2).GetKind(), NoteData::kMessage);

        fixture.Prompts().dialogs.push_back([](QDialog& chooser) {
            QTest::keyClick(&chooser, Qt::Key_Escape);
            return chooser.result();
        });
        emit keys.HotKeyPressed(MainHotKey::kNewNote);
        QCOMPARE(fixture.Prompts().dialogTitles.size(), 4);
        QCOMPARE(frame.GetCollection().GetNotes().size(), std::size_t{3});
    }

    void settingsTakeEffectAtOnceAndTheHotKeysComeBack() {
        Fixture fixture;
        Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(2));
        CMainFrame& frame = fixture.Start();
        frame.GetSettings().SetNoteShadow(false);
        frame.GetCollection().ApplySettingsToAll();
        frame.MarkChanged();
        auto& keys = fixture.HotKeys().registered;
        const QStringList before = keys;
        QCoreApplication::processEvents();
        EventCounter paints(QEvent::Paint);
        Window(frame, 1).installEventFilter(&paints);

        QStringList whileOpen;
        bool restored = false;
        fixture.Prompts().dialogs.push_back([&](QDialog& sheet) {
            whileOpen = keys;
            // A second Settings command only raises the open sheet, out of
            // the task bar too.
            sheet.show();
            sheet.setWindowState(Qt::WindowMinimized);
            frame.OnCommand(MainCommand::kSettings);
            restored = !sheet.isMinimized();
            sheet.findChild<QCheckBox*>("newNoteOn")->setChecked(true);
            sheet.findChild<CHotKeyField*>("newNoteKey")->SetHotKey('M', HotKeyData::kShift);
            sheet.findChild<QComboBox*>("titleSize")->setEditText("30");
            sheet.findChild<QCheckBox*>("startAtLogIn")->setChecked(true);
            auto* minutes = sheet.findChild<QLineEdit*>("autoSaveMinutes");
            minutes->selectAll();
            QTest::keyClicks(minutes, "2");
            sheet.accept();
            return sheet.result();
        });
        frame.OnCommand(MainCommand::kSettings);
        QCOMPARE(fixture.Prompts().dialogTitles, QStringList{"Settings"});
        QVERIFY(restored);
        QVERIFY(whileOpen.isEmpty());
        QVERIFY(keys.contains("201:1:77"));
        QCOMPARE(frame.AutoSaveInterval(), 120000);
        QCOMPARE(CVeskNoteWnd::GetTitleFont().GetSize(), 30);
        QTRY_VERIFY(paints.count > 0);
        QCOMPARE(fixture.Autostart().programs.value("vesk notes 4"),
                 QCoreApplication::applicationFilePath());

        // Cancel changes nothing and takes the hot keys up again.
        const QStringList after = keys;
        fixture.Prompts().dialogs.push_back([&](QDialog& sheet) {
            whileOpen = keys;
            sheet.findChild<QCheckBox*>("startAtLogIn")->setChecked(false);
            return int(QDialog::Rejected);
        });
        frame.OnCommand(MainCommand::kSettings);
        QVERIFY(whileOpen.isEmpty());
        QCOMPARE(keys, after);
        QVERIFY(fixture.Autostart().programs.contains("vesk notes 4"));
        QVERIFY(before != after);
    }

    void afterEachCrumpleEmptiesTheWastebasketOnceTheNoteIsDone() {
        for (const auto policy : {EmptyWastePolicy::Always, EmptyWastePolicy::OnExit}) {
            Fixture fixture;
            Fixture::WriteNotes(fixture.NotesFile(), Fixture::ShownNotes(2));
            CMainFrame& frame = fixture.Start();
            frame.GetSettings().SetEmptyWaste(policy);
            frame.GetSettings().SetAnimatedCrumple(false);
            frame.GetSettings().SetSoundEnabled(false);
            Window(frame, 0).SendCommand(NoteCommand::kCrumple);
            QCOMPARE(Note(frame, 0).GetState(), NoteData::kStateWastebasket);
            QCoreApplication::processEvents();
            QCOMPARE(frame.GetCollection().Find(0) == nullptr, policy == EmptyWastePolicy::Always);
            QVERIFY(frame.GetCollection().Find(1) != nullptr);
        }
    }
};

const RegisterUiTest<MainCommandsTest> registered;

}  // namespace
}  // namespace vesk::test

#include "MainCommandsTest.moc"
