#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "LockHelper.h"
#include "TestRegistry.h"
#include "platform/FileInstanceLock.h"

namespace vesk::platform::test {

namespace {

// Another instance: this test program holding the lock in a process of its own.
class OtherInstance {
public:
    explicit OtherInstance(const QString& lockPath) {
        process_.start(QCoreApplication::applicationFilePath(),
                       {QString::fromLatin1(kHoldLockOption), lockPath});
    }
    ~OtherInstance() { Quit(); }

    // "held" or "refused".
    QByteArray Answer() {
        process_.waitForReadyRead();
        return process_.readLine().trimmed();
    }
    void Quit() {
        process_.closeWriteChannel();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

}  // namespace

class InstanceLockTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void secondLockIsRefusedUntilTheFirstIsReleased() {
        const QString path = dir_.filePath("vesk notes 4.lock");
        auto first = std::make_unique<FileInstanceLock>(path);
        QVERIFY(first->Acquire());
        QVERIFY(first->Acquire());  // asking again keeps it

        FileInstanceLock second(path);
        QVERIFY(!second.Acquire());
        first.reset();
        QVERIFY(second.Acquire());
    }

    void anotherProcessIsKeptOutAndLetInAfterwards() {
        const QString path = dir_.filePath("vesk notes 4.lock");
        {
            FileInstanceLock mine(path);
            QVERIFY(mine.Acquire());
            OtherInstance other(path);
            QCOMPARE(other.Answer(), QByteArray("refused"));
        }
        OtherInstance other(path);
        QCOMPARE(other.Answer(), QByteArray("held"));
        FileInstanceLock mine(path);
        QVERIFY(!mine.Acquire());
        // The lock goes with the process that held it.
        other.Quit();
        QVERIFY(mine.Acquire());
    }

    void programsStartedByTheHolderDoNotKeepTheLock() {
        const QString path = dir_.filePath("vesk notes 4.lock");
        QProcess child;
        {
            FileInstanceLock mine(path);
            QVERIFY(mine.Acquire());
            child.start("sleep", {"60"});
            QVERIFY(child.waitForStarted());
        }
        OtherInstance other(path);
        QCOMPARE(other.Answer(), QByteArray("held"));
        child.kill();
        child.waitForFinished();
    }

    void missingFoldersOfTheLockFileAreCreated() {
        FileInstanceLock lock(dir_.filePath("not/there/yet/vesk notes 4.lock"));
        QVERIFY(lock.Acquire());
        QVERIFY(QFile::exists(dir_.filePath("not/there/yet/vesk notes 4.lock")));
    }

private:
    QTemporaryDir dir_;
};

static RegisterTest<InstanceLockTest> registration;

}  // namespace vesk::platform::test

#include "InstanceLockTest.moc"
