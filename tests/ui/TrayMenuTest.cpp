#include <QAction>
#include <QMenu>
#include <QTest>

#include "MainFrameFixture.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"

namespace vesk::test {
namespace {

// One line per item: "-" for a separator, "~" before a greyed item, "[x]" or
// "[ ]" after a checkable one, ">" after a pop-up.
QStringList Describe(const QMenu& menu) {
    QStringList lines;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines << QStringLiteral("-");
            continue;
        }
        QString line = (action->isEnabled() ? QString() : QStringLiteral("~")) + action->text();
        if (action->isCheckable()) line += action->isChecked() ? " [x]" : " [ ]";
        if (action->menu() != nullptr) line += QStringLiteral(" >");
        lines << line;
    }
    return lines;
}

QAction* Item(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

QMenu* Submenu(const QMenu& menu, const QString& title) { return Item(menu, title)->menu(); }

// The command runs once the menu's own event is done.
void Choose(QAction* item) {
    item->trigger();
    QCoreApplication::sendPostedEvents();
}

const QStringList kFixedPart = {
    "-", "Notebook/Archive", "Waste Basket >", "Do To All >", "-",   "Config/Tools >",
    "-", "Import Note",      "New >",          "-",           "Exit"};

class TrayMenuTest : public QObject {
    Q_OBJECT

private:
    QMenu& OpenMenu(MainFrameFixture& fixture, const std::vector<TestNote>& notes) {
        MainFrameFixture::WriteNotes(fixture.NotesFile(), notes);
        QMenu& menu = fixture.Start().GetTray().Menu();
        emit menu.aboutToShow();
        return menu;
    }

private slots:
    void withoutNotesShowsGreyedNoNotes() {
        MainFrameFixture fixture;
        const QMenu& menu = OpenMenu(fixture, {});
        QCOMPARE(Describe(menu), QStringList{"~No Notes"} + kFixedPart);
        QCOMPARE(Describe(*Submenu(menu, "Waste Basket")), QStringList{"~Empty"});
    }

    // Ten active notes stand on top, newest first; the eleventh goes under
    // "More", and notes in the wastebasket take no place.
    void tenNotesStandOnTopAndTheRestUnderMore() {
        for (const int count : {10, 12}) {
            MainFrameFixture fixture;
            auto notes = MainFrameFixture::ShownNotes(count);
            notes[3].state = NoteData::kStateHidden;
            notes.insert(notes.begin() + 4, {u"Crumpled", 0, NoteData::kStateWastebasket});
            const QMenu& menu = OpenMenu(fixture, notes);
            QStringList expected;
            for (int i = 9; i >= 0; --i)
                expected << QStringLiteral("Note %1 [%2]").arg(i).arg(i == 3 ? ' ' : 'x');
            if (count > 10) expected << "More >";
            QCOMPARE(Describe(menu), expected + kFixedPart);
            QCOMPARE(Describe(*Submenu(menu, "Waste Basket")), (QStringList{"Crumpled", "Empty"}));
            if (count > 10)
                QCOMPARE(Describe(*Submenu(menu, "More")),
                         (QStringList{"Note 11 [x]", "Note 10 [x]"}));
        }
    }

    void fixedPopupsHoldTheirCommands() {
        MainFrameFixture fixture;
        const QMenu& menu = OpenMenu(fixture, MainFrameFixture::ShownNotes(1));
        QCOMPARE(Describe(*Submenu(menu, "Do To All")),
                 (QStringList{"Bring To Front", "Send To Back", "Hide", "Show", "Shade", "Unshade",
                              "*Crumple*"}));
        QCOMPARE(Describe(*Submenu(menu, "Config/Tools")),
                 (QStringList{"Help", "About", "-", "Theme", "Backup Manager", "-", "Settings"}));
        QMenu& create = *Submenu(menu, "New");
        const QStringList kinds{"Note", "Checklist Note", "Scribble Note", "Picture Note"};
        QCOMPARE(Describe(create), kinds);
        // Each makes a note of its kind.
        for (const QString& kind : kinds) Choose(Item(create, kind));
        QList<std::int32_t> made;
        for (const auto& [id, window] : fixture.Frame().GetCollection().GetNotes()) {
            made << window->GetNoteData().GetKind();
        }
        QCOMPARE(made, (QList<std::int32_t>{0, 0, 2, 1, 5}));
    }

    void everyNoteItemAnswersAfterAGapInIds() {
        MainFrameFixture fixture;
        QMenu& menu = OpenMenu(fixture, {{u"First"},
                                         {u"Gone", 0, NoteData::kStateWastebasket},
                                         {u"Third", 0, NoteData::kStateHidden}});
        CMainFrame& frame = fixture.Frame();
        frame.OnCommand(MainCommand::kEmptyWastebasket);
        Choose(Item(*Submenu(menu, "New"), "Note"));
        frame.GetCollection().Find(3)->GetNoteData().SetTitle(u"Fourth");
        frame.OnCommand(MainCommand::kHideAll);

        emit menu.aboutToShow();
        QCOMPARE(Describe(menu).mid(0, 3), (QStringList{"Fourth [ ]", "Third [ ]", "First [ ]"}));
        for (const char* title : {"Fourth", "Third", "First"}) Choose(Item(menu, title));
        for (const auto& [id, window] : frame.GetCollection().GetNotes()) {
            QCOMPARE(window->GetNoteData().GetState(), NoteData::kStateShown);
        }
    }

    void noteItemsCarryTheirKindAndEscapeTitles() {
        MainFrameFixture fixture;
        const QMenu& menu =
            OpenMenu(fixture, {{u"Tom & Jerry", NoteData::kScribble, NoteData::kStateHidden},
                               {u"A title that runs far too long", NoteData::kChecklist},
                               {u""}});
        QCOMPARE(
            Describe(menu).mid(0, 3),
            (QStringList{"Untitled Note [x]", "A title that runs... [x]", "Tom && Jerry [ ]"}));
        const QIcon icon = menu.actions()[2]->icon();
        QVERIFY(!icon.isNull());
        const QSize size(16, 16);
        QVERIFY(icon.pixmap(size, QIcon::Normal, QIcon::On).toImage() !=
                icon.pixmap(size, QIcon::Normal, QIcon::Off).toImage());
    }

    void choosingItemsActs() {
        MainFrameFixture fixture;
        QMenu& menu = OpenMenu(fixture, {{u"Hidden", 0, NoteData::kStateHidden},
                                         {u"Crumpled", 0, NoteData::kStateWastebasket},
                                         {u"Binned", 0, NoteData::kStateWastebasket}});
        CMainFrame& frame = fixture.Frame();
        Choose(Item(menu, "Hidden"));
        QCOMPARE(frame.GetCollection().Find(0)->GetNoteData().GetState(), NoteData::kStateShown);
        QVERIFY(frame.GetSettings().GetAutoSaveData().IsChanged());

        Choose(Item(*Submenu(menu, "Waste Basket"), "Empty"));
        QCOMPARE(frame.GetCollection().GetNotes().size(), std::size_t{1});

        // The menu is built afresh at each opening.
        emit menu.aboutToShow();
        QCOMPARE(Describe(*Submenu(menu, "Waste Basket")), QStringList{"~Empty"});
        QCOMPARE(Describe(menu).first(), QStringLiteral("Hidden [x]"));

        Choose(Item(*Submenu(menu, "Config/Tools"), "Help"));
        const QString help = fixture.InstallFolder() + "help/howtouse.html";
        QCOMPARE(fixture.Links().opened, QStringList{help});
        QVERIFY(fixture.Prompts().messages.isEmpty());
        // Nothing on the desktop could open it: the user is told, not left
        // clicking.
        fixture.Links().fail = true;
        Choose(Item(*Submenu(menu, "Config/Tools"), "Help"));
        QCOMPARE(fixture.Prompts().messages.size(), 1);
        QCOMPARE(fixture.Prompts().messages[0].caption, QStringLiteral("No Go"));
        QVERIFY(fixture.Prompts().messages[0].text.contains(help));
    }
};

const RegisterUiTest<TrayMenuTest> registered;

}  // namespace
}  // namespace vesk::test

#include "TrayMenuTest.moc"
