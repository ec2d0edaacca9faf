#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "EnvironmentGuard.h"
#include "TestRegistry.h"
#include "platform/XdgAutostart.h"

namespace vesk::platform::test {

namespace {

const QString kName = QStringLiteral("vesk notes 4");
const QString kDescription = QStringLiteral("The sexiest desktop sticky notes program!");

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class AutostartTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        env_ = std::make_unique<EnvironmentGuard>();
        env_->Set("XDG_CONFIG_HOME", QFile::encodeName(dir_->filePath("config")));
    }
    void cleanup() {
        env_.reset();
        dir_.reset();
    }

    void entryIsCreatedFoundAndRemoved() {
        XdgAutostart autostart;
        QVERIFY(!autostart.Exists(kName));
        QVERIFY(autostart.Create(kName, "/usr/bin/vesknotes", kDescription));
        QVERIFY(autostart.Exists(kName));
        const QString path = dir_->filePath("config/autostart/vesk-notes-4.desktop");
        QCOMPARE(autostart.EntryPath(kName), path);
        QCOMPARE(ReadAll(path),
                 "[Desktop Entry]\n"
                 "Type=Application\n"
                 "Name=vesk notes 4\n"
                 "Comment=The sexiest desktop sticky notes program!\n"
                 "Exec=\"/usr/bin/vesknotes\"\n"
                 "Terminal=false\n");

        QVERIFY(autostart.Create(kName, "/opt/vesknotes", kDescription));  // rewritten
        QVERIFY(ReadAll(path).contains("Exec=\"/opt/vesknotes\"\n"));

        QVERIFY(autostart.Remove(kName));
        QVERIFY(!autostart.Exists(kName));
        QVERIFY(autostart.Remove(kName));  // a missing entry is no error
    }

    void entriesAreKeptApartByName() {
        XdgAutostart autostart;
        QVERIFY(autostart.Create(kName, "/usr/bin/vesknotes", kDescription));
        QVERIFY(autostart.Create("vesk notes 3", "/usr/bin/vesknotes3", kDescription));
        QVERIFY(autostart.Remove("vesk notes 3"));
        QVERIFY(autostart.Exists(kName));
    }

    void programPathIsQuotedForTheExecKey() {
        // Inside quotes " ` $ \ take a backslash; the value escape then
        // doubles every backslash; % is doubled so it is no field code.
        const QString entry =
            DesktopEntry(kName, "/home/jo/my \"apps\"/$HOME/a\\b/100%/vn", kDescription);
        QVERIFY2(entry.contains(R"(Exec="/home/jo/my \\"apps\\"/\\$HOME/a\\\\b/100%%/vn")"
                                "\n"),
                 qPrintable(entry));
    }

    void namesAndCommentsAreEscaped() {
        const QString entry = DesktopEntry(" odd\\name", "/p", "two\nlines\tand\\more");
        QVERIFY2(entry.contains("\nName=\\sodd\\\\name\n"), qPrintable(entry));
        QVERIFY2(entry.contains("\nComment=two\\nlines\\tand\\\\more\n"), qPrintable(entry));
    }

    void configHomeDefaultsToDotConfig() {
        env_->Unset("XDG_CONFIG_HOME");
        env_->Set("HOME", QFile::encodeName(dir_->path()));
        XdgAutostart autostart;
        QVERIFY(autostart.Create(kName, "/usr/bin/vesknotes", kDescription));
        QVERIFY(QFile::exists(dir_->filePath(".config/autostart/vesk-notes-4.desktop")));
    }

    void unwritableFolderFails() {
        QFile blocker(dir_->filePath("config"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        XdgAutostart autostart;
        QVERIFY(!autostart.Create(kName, "/usr/bin/vesknotes", kDescription));
        QVERIFY(!autostart.Exists(kName));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EnvironmentGuard> env_;
};

static RegisterTest<AutostartTest> registration;

}  // namespace vesk::platform::test

#include "AutostartTest.moc"
