#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "DialogControls.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "dialogs/CFontSelectDialog.h"
#include "dialogs/settings/CHotKeyField.h"
#include "dialogs/settings/CSettingsSheet.h"
#include "platform/XdgAutostart.h"
#include "settings/SettingsData.h"

namespace vesk::test {
namespace {

// The settings as their file would hold them.
QByteArray Stored(const SettingsData& settings, const QTemporaryDir& dir) {
    const QString path = dir.filePath("stored.xml");
    settings.Save(path.toStdString());
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A sheet over its own settings, with the log-in entry in a private folder.
struct Sheet {
    Sheet() {
        const QByteArray before = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        autostart.emplace();
        qputenv("XDG_CONFIG_HOME", before);
    }
    CSettingsSheet& Open() {
        sheet = std::make_unique<CSettingsSheet>(settings, *autostart, [this] { ++managers; });
        return *sheet;
    }
    // OK; true when the sheet closed.
    bool Ok() {
        sheet->accept();
        return sheet->result() == QDialog::Accepted;
    }

    ScriptedPrompts prompts;
    QTemporaryDir dir;
    std::optional<platform::XdgAutostart> autostart;
    SettingsData settings;
    int managers = 0;
    std::unique_ptr<CSettingsSheet> sheet;
};

void Type(QLineEdit& box, const QString& text) {
    box.selectAll();
    QTest::keyClicks(&box, text);
}

}  // namespace

class SettingsSheetTest : public QObject {
    Q_OBJECT

private slots:
    void generalListsShowOnlyTheValuesTheyOffer() {
        // Stored tray action, its entry; stored policy, its entry.
        const int cases[][4] = {{1, 0, 1, 0}, {2, 1, 2, 1},   {3, 2, 0, 2},
                                {4, 3, 2, 1}, {0, -1, 3, -1}, {9, -1, 1, 0}};
        for (const auto& [tray, trayEntry, policy, policyEntry] : cases) {
            Sheet fixture;
            fixture.settings.SetTray(static_cast<TrayAction>(tray));
            fixture.settings.SetEmptyWaste(static_cast<EmptyWastePolicy>(policy));
            CSettingsSheet& sheet = fixture.Open();
            QCOMPARE(Find<QComboBox>(sheet, "trayAction").currentIndex(), trayEntry);
            QCOMPARE(Find<QComboBox>(sheet, "emptyWaste").currentIndex(), policyEntry);
            // No choice, no change.
            QVERIFY(fixture.Ok());
            QCOMPARE(static_cast<int>(fixture.settings.GetTray()), tray);
            QCOMPARE(static_cast<int>(fixture.settings.GetEmptyWaste()), policy);
        }
        const int chosen[][4] = {{0, 1, 0, 1}, {1, 2, 1, 2}, {2, 3, 2, 0}, {3, 4, 0, 1}};
        for (const auto& [trayEntry, tray, policyEntry, policy] : chosen) {
            Sheet fixture;
            CSettingsSheet& sheet = fixture.Open();
            Find<QComboBox>(sheet, "trayAction").setCurrentIndex(trayEntry);
            Find<QComboBox>(sheet, "emptyWaste").setCurrentIndex(policyEntry);
            for (const char* box : {"sounds", "crumple", "quickActions"}) {
                Find<QCheckBox>(sheet, box).setChecked(false);
            }
            QVERIFY(fixture.Ok());
            QCOMPARE(static_cast<int>(fixture.settings.GetTray()), tray);
            QCOMPARE(static_cast<int>(fixture.settings.GetEmptyWaste()), policy);
            QVERIFY(!fixture.settings.GetSoundEnabled() && !fixture.settings.GetAnimatedCrumple() &&
                    !fixture.settings.GetShowQAButtons());
        }
    }

    void logInEntryStartsThisExecutableAndGoesWhenCleared() {
        Sheet fixture;
        const QString entry = fixture.dir.filePath("autostart/vesk-notes-4.desktop");
        QVERIFY(!Find<QCheckBox>(fixture.Open(), "startAtLogIn").isChecked());
        Find<QCheckBox>(*fixture.sheet, "startAtLogIn").setChecked(true);
        QVERIFY(fixture.Ok());
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(
            "\nExec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\"\n"));

        QVERIFY(Find<QCheckBox>(fixture.Open(), "startAtLogIn").isChecked());
        Find<QCheckBox>(*fixture.sheet, "startAtLogIn").setChecked(false);
        QVERIFY(fixture.Ok());
        QVERIFY(!QFile::exists(entry));
    }

    void appearanceTakesEveryControl() {
        // Stored format, its entry; a format not offered stays.
        const std::pair<std::u16string, int> formats[] = {
            {u"%m/%d/%Y", 0}, {u"%d/%m/%Y", 1}, {u"%Y-%m-%d", -1}};
        for (const auto& [format, entry] : formats) {
            Sheet fixture;
            fixture.settings.SetDateFormat(format);
            QCOMPARE(Find<QComboBox>(fixture.Open(), "dateFormat").currentIndex(), entry);
            QVERIFY(fixture.Ok());
            QCOMPARE(fixture.settings.GetDateFormat(), format);
        }

        Sheet fixture;
        fixture.settings.SetAlpha(77);
        fixture.settings.SetContentFont(FontData(u"DejaVu Serif", 11, true, true));
        CSettingsSheet& sheet = fixture.Open();
        const QLabel& face = Find<QLabel>(sheet, "contentFace");
        QCOMPARE(face.text(), "DejaVu Serif");
        QCOMPARE(face.font().family(), "DejaVu Serif");
        QVERIFY(QFontMetrics(face.font()).height() <= 16);
        QVERIFY(face.font().bold() && face.font().italic());
        QCOMPARE(Find<QSlider>(sheet, "translucency").value(), 77);

        // The chooser hides "Use Default Font"; its face and styles come back,
        // the size from the box.
        bool defaultOffered = true;
        fixture.prompts.dialogs.push_back([&defaultOffered](QDialog& dialog) {
            auto& chooser = static_cast<CFontSelectDialog&>(dialog);
            defaultOffered = !chooser.UseDefault().isHidden();
            const auto found = chooser.Faces().findItems("DejaVu Sans", Qt::MatchExactly);
            if (!found.isEmpty()) chooser.Faces().setCurrentItem(found.first());
            chooser.Bold().setChecked(false);
            chooser.accept();
            return chooser.result();
        });
        Find<QPushButton>(sheet, "titleChange").click();
        QCOMPARE(fixture.prompts.dialogTitles, QStringList{"Select Font"});
        QVERIFY(!defaultOffered);
        QCOMPARE(Find<QLabel>(sheet, "titleFace").text(), "DejaVu Sans");
        Find<QComboBox>(sheet, "titleSize").setEditText("13pt");
        Find<QComboBox>(sheet, "dateFormat").setCurrentIndex(1);
        Find<QSlider>(sheet, "translucency").setValue(255);
        for (const char* box : {"noteShadow", "solidOnSelect", "showTitle", "randomStyle"}) {
            Find<QCheckBox>(sheet, box).setChecked(false);
        }
        QVERIFY(fixture.Ok());
        const SettingsData& stored = fixture.settings;
        QCOMPARE(stored.GetTitleFont(), FontData(u"DejaVu Sans", 13, false, false));
        QCOMPARE(stored.GetContentFont(), FontData(u"DejaVu Serif", 11, true, true));
        QCOMPARE(stored.GetAlpha(), 255);
        QCOMPARE(stored.GetDateFormat(), u"%d/%m/%Y");
        QVERIFY(!stored.GetNoteShadow() && !stored.GetSolidOnSelect() && !stored.GetShowTitle() &&
                !stored.GetRandomStyle());
    }

    void hotKeyFieldTakesWhatIsPressed() {
        CHotKeyField field;
        QCOMPARE(field.text(), "None");
        // The key pressed; its modifiers; the code and modifier bits taken.
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, unsigned, unsigned> presses[] = {
            {Qt::Key_N, Qt::ControlModifier | Qt::AltModifier, 'N', 6},
            {Qt::Key_Exclam, Qt::ShiftModifier, '1', 1},
            {Qt::Key_5, Qt::KeypadModifier, 0x65, 0},
            {Qt::Key_F13, Qt::NoModifier, 0x7C, 0},
            {Qt::Key_BraceLeft, Qt::ShiftModifier, 0xDB, 1},
            {Qt::Key_X, Qt::MetaModifier, 'X', 0},
        };
        for (const auto& [key, modifiers, code, bits] : presses) {
            QTest::keyClick(&field, key, modifiers);
            QCOMPARE(field.VirtualKey(), code);
            QCOMPARE(field.Modifiers(), bits);
        }
        // Modifiers alone and keys that cannot be hot keys change nothing.
        QTest::keyClick(&field, Qt::Key_Shift, Qt::ShiftModifier);
        QTest::keyClick(&field, Qt::Key_VolumeUp);
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(field.VirtualKey(), unsigned{'X'});
        field.SetHotKey('N', HotKeyData::kControl | HotKeyData::kWindows);
        QCOMPARE(field.text(), "Ctrl+N");
        QCOMPARE(field.Modifiers(), unsigned{HotKeyData::kControl});
    }

    void lonelyHotKeysAreRefused_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<unsigned>("key");
        QTest::addColumn<unsigned>("modifiers");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a lone letter") << true << 78u << 0u << false << false;
        QTest::newRow("F13 alone") << true << 0x7Cu << 0u << false << false;
        QTest::newRow("with Control") << true << 78u << 2u << false << true;
        QTest::newRow("with Shift") << true << 78u << 1u << false << true;
        QTest::newRow("with the Windows key") << true << 78u << 0u << true << true;
        QTest::newRow("F12 alone") << true << 0x7Bu << 0u << false << true;
        QTest::newRow("switched off") << false << 78u << 0u << false << true;
    }
    void lonelyHotKeysAreRefused() {
        QFETCH(bool, on);
        QFETCH(unsigned, key);
        QFETCH(unsigned, modifiers);
        QFETCH(bool, windows);
        QFETCH(bool, accepted);
        Sheet fixture;
        fixture.settings.GetShowNotesHotKey() = {'S', HotKeyData::kWindows, true, u"shownotes"};
        const QByteArray before = Stored(fixture.settings, fixture.dir);
        CSettingsSheet& sheet = fixture.Open();
        QVERIFY(Find<QCheckBox>(sheet, "showNotesWindows").isChecked());
        QVERIFY(!Find<QWidget>(sheet, "newNoteKey").isEnabled());
        Find<QCheckBox>(sheet, "newNoteOn").setChecked(on);
        QCOMPARE(Find<QWidget>(sheet, "newNoteWindows").isEnabled(), on);
        Find<CHotKeyField>(sheet, "newNoteKey").SetHotKey(key, modifiers);
        Find<QCheckBox>(sheet, "newNoteWindows").setChecked(windows);
        Find<QCheckBox>(sheet, "sounds").setChecked(false);

        QCOMPARE(fixture.Ok(), accepted);
        if (!accepted) {
            QCOMPARE(fixture.prompts.messages.size(), 1);
            QCOMPARE(fixture.prompts.messages[0].caption, "Whoops");
            QCOMPARE(sheet.Pages().currentIndex(), 2);
            QCOMPARE(Stored(fixture.settings, fixture.dir), before);
            return;
        }
        QVERIFY(fixture.prompts.messages.isEmpty());
        const unsigned stored = modifiers | (windows ? HotKeyData::kWindows : 0u);
        QCOMPARE(fixture.settings.GetNewNoteHotKey(),
                 (HotKeyData{static_cast<std::uint16_t>(key), static_cast<std::uint16_t>(stored),
                             on, u"newnote"}));
        QCOMPARE(fixture.settings.GetShowNotesHotKey(),
                 (HotKeyData{'S', HotKeyData::kWindows, true, u"shownotes"}));
    }

    void backupPageKeepsTheStoredIntervalUntilTypedInto() {
        Sheet fixture;
        CSettingsSheet& sheet = fixture.Open();
        auto& minutes = Find<QLineEdit>(sheet, "autoSaveMinutes");
        auto& keep = Find<QLineEdit>(sheet, "keepCount");
        QCOMPARE(minutes.text(), "1");
        QCOMPARE(keep.text(), "5");
        QVERIFY(keep.isEnabled());
        Find<QPushButton>(sheet, "openBackupManager").click();
        QCOMPARE(fixture.managers, 1);
        QVERIFY(fixture.Ok());
        QCOMPARE(fixture.settings.GetAutoSaveData().GetInterval(), 10000);
        QCOMPARE(fixture.settings.GetBackupData().GetMaxKeep(), 5);

        CSettingsSheet& again = fixture.Open();
        Type(Find<QLineEdit>(again, "autoSaveMinutes"), "3 minutes");
        Type(Find<QLineEdit>(again, "keepCount"), "9");
        Find<QCheckBox>(again, "keepLatest").setChecked(false);
        QVERIFY(!Find<QLineEdit>(again, "keepCount").isEnabled());
        Find<QCheckBox>(again, "autoSaveOn").setChecked(false);
        QVERIFY(!Find<QLineEdit>(again, "autoSaveMinutes").isEnabled());
        Find<QCheckBox>(again, "backupOn").setChecked(false);
        QVERIFY(fixture.Ok());
        const SettingsData& stored = fixture.settings;
        QCOMPARE(stored.GetAutoSaveData().GetInterval(), 180000);
        QVERIFY(!stored.GetAutoSaveData().IsEnabled() && !stored.GetBackupData().IsEnabled());
        QCOMPARE(stored.GetBackupData().GetMaxKeep(), -1);

        CSettingsSheet& unlimited = fixture.Open();
        QVERIFY(!Find<QCheckBox>(unlimited, "keepLatest").isChecked());
        QCOMPARE(Find<QLineEdit>(unlimited, "keepCount").text(), QString());
        QCOMPARE(Find<QLineEdit>(unlimited, "autoSaveMinutes").text(), "3");
    }

    void aRefusalOnTheBackupPageLeavesEverySetting() {
        Sheet fixture;
        const QByteArray before = Stored(fixture.settings, fixture.dir);
        CSettingsSheet& sheet = fixture.Open();
        Find<QCheckBox>(sheet, "newNoteOn").setChecked(true);
        Find<CHotKeyField>(sheet, "newNoteKey").SetHotKey('M', HotKeyData::kAlt);
        Find<QCheckBox>(sheet, "sounds").setChecked(false);
        Find<QComboBox>(sheet, "dateFormat").setCurrentIndex(1);
        Type(Find<QLineEdit>(sheet, "autoSaveMinutes"), "0");
        Find<QCheckBox>(sheet, "autoSaveOn").setChecked(false);

        QVERIFY(!fixture.Ok());
        QCOMPARE(fixture.prompts.messages.size(), 1);
        QCOMPARE(fixture.prompts.messages[0].text,
                 "Auto-save interval must be greater than zero minutes");
        QCOMPARE(fixture.prompts.messages[0].caption, "Whoops");
        QCOMPARE(sheet.Pages().currentIndex(), 3);
        QCOMPARE(Stored(fixture.settings, fixture.dir), before);

        Find<QCheckBox>(sheet, "autoSaveOn").setChecked(true);
        Type(Find<QLineEdit>(sheet, "autoSaveMinutes"), "2");
        QVERIFY(fixture.Ok());
        QCOMPARE(fixture.settings.GetNewNoteHotKey(),
                 (HotKeyData{'M', HotKeyData::kAlt, true, u"newnote"}));
        QVERIFY(!fixture.settings.GetSoundEnabled());
        QCOMPARE(fixture.settings.GetDateFormat(), u"%d/%m/%Y");
        QCOMPARE(fixture.settings.GetAutoSaveData().GetInterval(), 120000);
    }
};

const RegisterUiTest<SettingsSheetTest> registered;

}  // namespace vesk::test

#include "SettingsSheetTest.moc"
