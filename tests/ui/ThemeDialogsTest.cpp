#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "DialogControls.h"
#include "MainFrameFixture.h"
#include "UiTestRegistry.h"
#include "app/MainCommandIds.h"
#include "dialogs/CCustomStyleDialog.h"
#include "dialogs/themes/CThemeSelectDialog.h"
#include "dialogs/themes/RenameDialog.h"
#include "dialogs/themes/ThemeManagerDialog.h"
#include "notebook/NotePreviewStatic.h"
#include "settings/SettingsData.h"

namespace vesk::test {
namespace {

// Themes 0 "Default" (selected), 1 "Sea" with that many styles, 2 "Sky".
void AddThemes(SettingsData& settings, int seaStyles) {
    for (const char16_t* name : {u"Default", u"Sea", u"Sky"}) {
        settings.FindTheme(settings.AddTheme())->SetName(name);
    }
    for (int i = 0; i < seaStyles; ++i) {
        settings.FindTheme(1)->AddStyle(RGB(i, 0, 0), RGB(0, i, 0), RGB(0, 0, i), RGB(i, i, i));
    }
}

// Names the theme in the rename dialog; an empty name first, which is refused.
std::function<int(QDialog&)> Name(const QString& name, QString* offered) {
    return [=](QDialog& dialog) {
        auto& rename = static_cast<RenameDialog&>(dialog);
        *offered = rename.Name();
        rename.NameBox().clear();
        rename.accept();
        if (rename.result() == QDialog::Accepted) return int(QDialog::Accepted);
        rename.NameBox().setText(name);
        rename.accept();
        return rename.result();
    };
}

}  // namespace

class ThemeDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void editorNamesAndDeletesThemes() {
        ScriptedPrompts prompts;
        SettingsData settings;
        AddThemes(settings, 1);
        ThemeManagerDialog editor(settings, 1);
        auto& themes = Find<QComboBox>(editor, "themes");
        QCOMPARE(Entries(themes), (QStringList{"Default", "Sea", "Sky"}));
        QCOMPARE(themes.currentText(), "Sea");

        QString offered;
        prompts.dialogs.push_back(Name("Ocean", &offered));
        Find<QPushButton>(editor, "renameTheme").click();
        QCOMPARE(offered, "Sea");
        QCOMPARE(prompts.dialogTitles, QStringList{"Rename Theme"});
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(settings.GetTheme(1).GetName(), u"Ocean");
        QCOMPARE(Entries(themes), (QStringList{"Default", "Ocean", "Sky"}));
        QCOMPARE(themes.currentIndex(), 1);

        themes.setCurrentIndex(0);
        Find<QPushButton>(editor, "renameTheme").click();
        QCOMPARE(prompts.messages.last().caption, "Nope");
        QCOMPARE(prompts.dialogTitles.size(), 1);

        prompts.dialogs.push_back(Name("Forest", &offered));
        Find<QPushButton>(editor, "newTheme").click();
        QCOMPARE(offered, "New Theme");
        QCOMPARE(settings.GetTheme(3).GetName(), u"Forest");
        QCOMPARE(themes.itemText(3), "Forest");

        // The default theme can go; the selected theme becomes the lowest id.
        prompts.answers = {UserPrompts::Answer::No, UserPrompts::Answer::Yes};
        Find<QPushButton>(editor, "deleteTheme").click();
        QCOMPARE(settings.ThemeCount(), std::size_t{4});
        Find<QPushButton>(editor, "deleteTheme").click();
        QCOMPARE(prompts.messages.last().text, "Do you really, really want to delete Default?");
        QCOMPARE(prompts.messages.last().caption, "Confirm Delete");
        QCOMPARE(Entries(themes), (QStringList{"Ocean", "Sky", "Forest"}));
        QCOMPARE(themes.currentIndex(), -1);
        QCOMPARE(settings.GetSelectedThemeId(), 1);
        QVERIFY(!Find<QListWidget>(editor, "styles").isEnabled());
        QVERIFY(!Find<QPushButton>(editor, "renameTheme").isEnabled());

        for (int left = 3; left > 0; --left) {
            themes.setCurrentIndex(0);
            prompts.answers = {UserPrompts::Answer::Yes};
            Find<QPushButton>(editor, "deleteTheme").click();
        }
        QCOMPARE(settings.ThemeCount(), std::size_t{0});
        QVERIFY(!themes.isEnabled());
        QVERIFY(Find<QPushButton>(editor, "newTheme").isEnabled());
    }

    void editorListsStylesByPositionAndColoursThemAtOnce() {
        ScriptedPrompts prompts;
        SettingsData settings;
        AddThemes(settings, 10);
        ThemeManagerDialog editor(settings, 1);
        auto& styles = Find<QListWidget>(editor, "styles");
        QCOMPARE(styles.count(), 10);
        QCOMPARE(styles.item(9)->text(), "Style 09");
        QVERIFY(!Find<QPushButton>(editor, "deleteStyle").isEnabled());
        QVERIFY(!Find<QPushButton>(editor, "bg").isEnabled());

        Find<QPushButton>(editor, "newStyle").click();
        QCOMPARE(styles.item(10)->text(), "Style 10");
        const StyleData added = settings.GetTheme(1).FindStyle(10);
        QCOMPARE(added.bgcolor, RGB(255, 242, 0));
        QCOMPARE(added.bg2color, RGB(255, 255, 128));

        // Style 03 goes; the rest move up under contiguous labels.
        styles.setCurrentRow(3);
        Find<QPushButton>(editor, "deleteStyle").click();
        QCOMPARE(Entries(styles).last(), "Style 09");
        QCOMPARE(styles.count(), 10);
        QCOMPARE(settings.GetTheme(1).FindStyle(4).bgcolor, RGB(4, 0, 0));
        QVERIFY(!settings.GetTheme(1).GetStyles().contains(3));

        // Style 03 is now the one of id 4.
        styles.setCurrentRow(3);
        auto& content = Find<CColorSwatchButton>(editor, "content");
        QCOMPARE(content.Color(), RGB(0, 0, 4));
        prompts.colors = {QColor(10, 20, 30)};
        content.click();
        QCOMPARE(prompts.colorsOffered, QList<QColor>{QColor(0, 0, 4)});
        QCOMPARE(settings.GetTheme(1).FindStyle(4).textcolor, RGB(10, 20, 30));
        QCOMPARE(Find<NotePreviewStatic>(editor, "stylePreview").GetStyle().textcolor,
                 RGB(10, 20, 30));
    }

    void themesGoToFilesAndComeBack() {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        SettingsData settings;
        AddThemes(settings, 3);
        settings.FindTheme(1)->SetName(u"Sea/sky: many, many colours");
        settings.FindTheme(1)->RemoveStyle(1);
        const QString file = dir.filePath("sea.vnt");
        {
            ThemeManagerDialog editor(settings, 1);
            prompts.fileNames = {file, file};
            Find<QPushButton>(editor, "exportTheme").click();
            QCOMPARE(prompts.fileProposals, QStringList{"Sea_sky_ many, many .vnt"});
            Find<QPushButton>(editor, "importTheme").click();
            QCOMPARE(Find<QComboBox>(editor, "themes").currentText(),
                     "Sea/sky: many, many colours");
        }
        const ThemeData original = settings.GetTheme(1);
        const ThemeData imported = settings.GetTheme(3);
        QCOMPARE(imported.GetName(), original.GetName());
        QCOMPARE(imported.GetStyles().size(), std::size_t{2});
        QCOMPARE(imported.FindStyle(0), original.FindStyle(0));
        QCOMPARE(imported.FindStyle(1).bgcolor, original.FindStyle(2).bgcolor);

        // The chooser imports too; a settings file is no theme file.
        CThemeSelectDialog chooser(settings);
        settings.Save((dir.path() + "/settings.xml").toStdString());
        prompts.fileNames = {dir.filePath("settings.xml")};
        Find<QPushButton>(chooser, "import").click();
        QCOMPARE(prompts.fileCaptions.last(), "Import Theme");
        QVERIFY(prompts.messages.last().text.contains("is not a vesk notes theme file"));
        QCOMPARE(settings.ThemeCount(), std::size_t{4});
    }

    void chooserShowsFourStylesAndSelectsTheTheme() {
        ScriptedPrompts prompts;
        SettingsData settings;
        AddThemes(settings, 5);
        CThemeSelectDialog chooser(settings);
        auto& themes = Find<QComboBox>(chooser, "themes");
        QCOMPARE(themes.currentText(), "Default");
        QVERIFY(Find<NotePreviewStatic>(chooser, "preview0").isHidden());
        themes.setCurrentIndex(1);
        for (const char* box : {"preview0", "preview1", "preview2", "preview3"}) {
            QVERIFY(!Find<NotePreviewStatic>(chooser, box).isHidden());
        }
        QCOMPARE(Find<NotePreviewStatic>(chooser, "preview3").GetStyle(),
                 settings.GetTheme(1).FindStyle(3));

        // The editor opens on the theme chosen; the list follows its changes.
        QString openedOn;
        prompts.dialogs.push_back([&](QDialog& editor) {
            openedOn = Find<QComboBox>(editor, "themes").currentText();
            settings.FindTheme(1)->SetName(u"Ocean");
            return int(QDialog::Accepted);
        });
        Find<QPushButton>(chooser, "editThemes").click();
        QCOMPARE(prompts.dialogTitles, QStringList{"Theme Editor"});
        QCOMPARE(openedOn, "Sea");
        QCOMPARE(Entries(themes), (QStringList{"Default", "Ocean", "Sky"}));
        QCOMPARE(themes.currentText(), "Ocean");
        chooser.accept();
        QCOMPARE(settings.GetSelectedThemeId(), 1);
    }

    void aNewlyNamedThemeMayRestyleEveryNote() {
        MainFrameFixture fixture;
        MainFrameFixture::WriteNotes(fixture.NotesFile(), MainFrameFixture::ShownNotes(3));
        CMainFrame& frame = fixture.Start();
        SettingsData& settings = frame.GetSettings();
        settings.ClearThemes();
        AddThemes(settings, 2);
        settings.FindTheme(2)->SetName(u"Default");
        settings.GetAutoSaveData().SetChanged(false);
        auto choose = [&](int entry) {
            fixture.Prompts().dialogs.push_back([&frame, entry](QDialog& chooser) {
                // A second Theme command only raises the open chooser.
                frame.OnCommand(MainCommand::kTheme);
                Find<QComboBox>(chooser, "themes").setCurrentIndex(entry);
                chooser.accept();
                return chooser.result();
            });
            frame.OnCommand(MainCommand::kTheme);
        };
        // The same name asks nothing.
        choose(2);
        QCOMPARE(fixture.Prompts().dialogTitles, QStringList{"Theme"});
        QVERIFY(fixture.Prompts().messages.isEmpty());

        fixture.Prompts().answers = {UserPrompts::Answer::Yes};
        choose(1);
        QCOMPARE(fixture.Prompts().messages.size(), 1);
        QCOMPARE(fixture.Prompts().messages[0].caption, "Question");
        const ThemeData sea = settings.GetTheme(1);
        for (const auto& [id, window] : frame.GetCollection().GetNotes()) {
            const StyleData& style = window->GetNoteData().GetStyle();
            QVERIFY(style == sea.FindStyle(0) || style == sea.FindStyle(1));
        }
        QVERIFY(settings.GetAutoSaveData().IsChanged());
    }
};

const RegisterUiTest<ThemeDialogsTest> registered;

}  // namespace vesk::test

#include "ThemeDialogsTest.moc"
