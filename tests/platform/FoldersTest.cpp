#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "PlatformTestSupport.h"
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

    void dataFoldersLieInXdgDataHomeOrHomeLocalShare() {
        EnvironmentGuard env;
        env.Set("XDG_DATA_HOME", QFile::encodeName(dir_.path() + "/data/"));
        const XdgFolders folders(dir_.path());
        const QString data = dir_.path() + "/data/vesk notes 4/";
        QCOMPARE(folders.DataFolder(), data);
        QCOMPARE(folders.BackupFolder(), data + "backup/");
        QCOMPARE(folders.ArchiveFolder(), data + "archive/");
        QCOMPARE(folders.PreviousVersionFolder(), dir_.path() + "/data/vesk notes 3/");
        QCOMPARE(XdgDataHome(), dir_.path() + "/data/");

        // Unset, relative or empty.
        env.Set("HOME", QFile::encodeName(dir_.path()));
        for (const std::optional<QByteArray>& value :
             {std::optional<QByteArray>(), std::optional<QByteArray>("relative/data"),
              std::optional<QByteArray>("")}) {
            env.Set("XDG_DATA_HOME", value);
            QCOMPARE(XdgFolders(dir_.path()).DataFolder(),
                     dir_.path() + "/.local/share/vesk notes 4/");
        }
    }

    void installationFilesLieBesideTheExecutableOrInSharedData() {
        const QString tree = dir_.path() + "/build/src";
        MakeFile(tree + "/default/settings.xml");
        const XdgFolders build(tree);
        QCOMPARE(build.InstallationFolder(), tree + "/");
        QCOMPARE(build.DefaultSettingsFile(), tree + "/default/settings.xml");

        const QString bin = dir_.path() + "/usr/bin";
        const QString share = QDir::cleanPath(bin + "/" + VESK_DATA_FROM_BIN) + "/";
        QVERIFY(share.startsWith(dir_.path() + "/usr/"));
        MakeFile(share + "help/howtouse.html");
        MakeFile(bin + "/default/settings.xml");  // a build tree folder must not win
        const XdgFolders installed(bin + "/");
        QCOMPARE(installed.InstallationFolder(), share);
        QCOMPARE(installed.HelpFile(), share + "help/howtouse.html");

        // Never the current directory: neither installed files as seen from
        // it nor build tree files in it.
        const QString exe = dir_.path() + "/program";
        QDir().mkpath(exe);
        const QString before = QDir::currentPath();
        QDir::setCurrent(bin);
        const XdgFolders elsewhere(exe);
        QDir::setCurrent(before);
        QCOMPARE(elsewhere.InstallationFolder(), exe + "/");
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
