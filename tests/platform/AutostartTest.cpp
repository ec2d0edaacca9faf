#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "PlatformTestSupport.h"
#include "platform/XdgAutostart.h"

namespace vesk::platform::test {

namespace {

const QString kName = QStringLiteral("vesk notes 4");
const QString kDescription = QStringLiteral("The sexiest desktop sticky notes program!");

}  // namespace

class AutostartTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_.emplace();
        env_.emplace();
        env_->Set("XDG_CONFIG_HOME", QFile::encodeName(dir_->filePath("config")));
    }
    void cleanup() {
        env_.reset();
        dir_.reset();
    }

    void entryIsCreatedFoundAndRemovedByName() {
        XdgAutostart autostart;
        QVERIFY(!autostart.Exists(kName));
        QVERIFY(autostart.Create(kName, "/usr/bin/vesknotes", kDescription));
        QVERIFY(autostart.Exists(kName));
        const QString path = dir_->filePath("config/autostart/vesk-notes-4.desktop");
        QCOMPARE(autostart.EntryPath(kName), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 "[Desktop Entry]\nType=Application\nName=vesk notes 4\n"
                 "Comment=The sexiest desktop sticky notes program!\n"
                 "Exec=\"/usr/bin/vesknotes\"\nTerminal=false\n");
        QVERIFY(autostart.Remove(kName));
        QVERIFY(!autostart.Exists(kName));
        QVERIFY(autostart.Remove(kName));  // a missing entry is no error
    }

    void valuesAreEscaped() {
        // Inside quotes " ` $ \ take a backslash; the value escape then
        // doubles every backslash; % is doubled so it is no field code.
        QString entry =
            DesktopEntry(kName, "/home/jo/my \"apps\"/$HOME/a\\b/100%/vn", kDescription);
        QVERIFY2(entry.contains(R"(Exec="/home/jo/my \\"apps\\"/\\$HOME/a\\\\b/100%%/vn")"
                                "\n"),
                 qPrintable(entry));
        entry = DesktopEntry(" odd\\name", "/p", "two\nlines\tand\\more");
        QVERIFY2(entry.contains("\nName=\\sodd\\\\name\n"), qPrintable(entry));
        QVERIFY2(entry.contains("\nComment=two\\nlines\\tand\\\\more\n"), qPrintable(entry));
    }

    void configHomeDefaultsToDotConfigAndAnUnwritableFolderFails() {
        env_->Set("XDG_CONFIG_HOME", std::nullopt);
        env_->Set("HOME", QFile::encodeName(dir_->path()));
        XdgAutostart autostart;
        QVERIFY(autostart.Create(kName, "/usr/bin/vesknotes", kDescription));
        QVERIFY(QFile::exists(dir_->filePath(".config/autostart/vesk-notes-4.desktop")));

        QFile blocker(dir_->filePath("config"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        env_->Set("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        XdgAutostart blocked;
        QVERIFY(!blocked.Create(kName, "/usr/bin/vesknotes", kDescription));
        QVERIFY(!blocked.Exists(kName));
    }

private:
    std::optional<QTemporaryDir> dir_;
    std::optional<EnvironmentGuard> env_;
};

static RegisterTest<AutostartTest> registration;

}  // namespace vesk::platform::test

#include "AutostartTest.moc"
