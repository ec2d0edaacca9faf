#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "EnvironmentGuard.h"
#include "TestRegistry.h"
#include "platform/Platform.h"
#include "platform/XdgFolders.h"

namespace vesk::platform::test {

namespace {

void MakeFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class FoldersTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void dataFoldersLieInXdgDataHome() {
        EnvironmentGuard env;
        env.Set("XDG_DATA_HOME", QFile::encodeName(dir_.path() + "/data/"));
        const XdgFolders folders(dir_.path());
        const QString data = dir_.path() + "/data/vesk notes 4/";
        QCOMPARE(folders.DataFolder(), data);
        QCOMPARE(folders.BackupFolder(), data + "backup/");
        QCOMPARE(folders.ArchiveFolder(), data + "archive/");
        QCOMPARE(folders.PreviousVersionFolder(), dir_.path() + "/data/vesk notes 3/");
        QCOMPARE(XdgDataHome(), dir_.path() + "/data/");
    }

    void unsetOrRelativeDataHomeMeansHomeLocalShare() {
        EnvironmentGuard env;
        env.Set("HOME", QFile::encodeName(dir_.path()));
        env.Unset("XDG_DATA_HOME");
        const QString expected = dir_.path() + "/.local/share/vesk notes 4/";
        QCOMPARE(XdgFolders(dir_.path()).DataFolder(), expected);
        env.Set("XDG_DATA_HOME", "relative/data");
        QCOMPARE(XdgFolders(dir_.path()).DataFolder(), expected);
        env.Set("XDG_DATA_HOME", "");
        QCOMPARE(XdgFolders(dir_.path()).DataFolder(), expected);
    }

    void buildTreeFilesLieBesideTheExecutable() {
        const QString exe = dir_.path() + "/build/src";
        MakeFile(exe + "/default/settings.xml");
        const XdgFolders folders(exe);
        QCOMPARE(folders.InstallationFolder(), exe + "/");
        QCOMPARE(folders.DefaultSettingsFile(), exe + "/default/settings.xml");
        QCOMPARE(folders.DefaultNotesFile(), exe + "/default/notes.xml");
        QCOMPARE(folders.HelpFile(), exe + "/help/howtouse.html");
    }

    void installedFilesLieInSharedData() {
        const QString prefix = dir_.path() + "/usr";
        const QString bin = prefix + "/bin";
        QDir().mkpath(bin);
        const QString share = QDir::cleanPath(bin + "/" + VESK_DATA_FROM_BIN) + "/";
        QVERIFY(share.startsWith(prefix + "/"));
        MakeFile(share + "help/howtouse.html");
        // A build tree folder beside the executable must not win.
        MakeFile(bin + "/default/settings.xml");
        const XdgFolders folders(bin + "/");
        QCOMPARE(folders.InstallationFolder(), share);
        QCOMPARE(folders.HelpFile(), share + "help/howtouse.html");
    }

    void currentDirectoryIsNeverLookedAt() {
        const QString exe = dir_.path() + "/program";
        QDir().mkpath(exe);
        // Installed files as seen from the current directory, and build tree
        // files in it.
        const QString elsewhere = dir_.path() + "/elsewhere/bin";
        MakeFile(elsewhere + "/default/settings.xml");
        MakeFile(QDir::cleanPath(elsewhere + "/" + VESK_DATA_FROM_BIN) + "/default/settings.xml");
        const QString before = QDir::currentPath();
        QDir::setCurrent(elsewhere);
        const XdgFolders folders(exe);
        QDir::setCurrent(before);
        QCOMPARE(folders.InstallationFolder(), exe + "/");
    }

    void buildCopiesInstallationFilesBesideTheProgram() {
        const QString installation = CreateFolders()->InstallationFolder();
        QCOMPARE(installation, QCoreApplication::applicationDirPath() + "/");
        const QDir resources(VESK_RESOURCE_DIR);
        for (const char* folder : {"default", "help"}) {
            QDirIterator files(resources.filePath(folder), QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                const QString relative = resources.relativeFilePath(files.next());
                QVERIFY2(QFile::exists(installation + relative), qPrintable(relative));
            }
        }
    }

    void createFolderTellsWhetherItWasCreatedNow() {
        const QString data = dir_.path() + "/new home/.local/share/vesk notes 4/";
        QVERIFY(CreateFolder(data));  // with its missing parents
        QVERIFY(QFileInfo(data).isDir());
        QVERIFY(!CreateFolder(data));
        QVERIFY(!CreateFolder(dir_.path() + "/new home/.local/share"));

        MakeFile(dir_.path() + "/plain file");
        QVERIFY(!CreateFolder(dir_.path() + "/plain file"));
        QVERIFY(!CreateFolder(dir_.path() + "/plain file/below"));
    }

private:
    QTemporaryDir dir_;
};

static RegisterTest<FoldersTest> registration;

}  // namespace vesk::platform::test

#include "FoldersTest.moc"
