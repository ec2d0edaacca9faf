#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "PlatformTestSupport.h"
#include "platform/FileInstanceLock.h"

namespace vesk::platform::test {

int HoldLock(const char* path) {
    FileInstanceLock lock(QString::fromLocal8Bit(path));
    if (!lock.Acquire()) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

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
    void init() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath("not/there/yet/vesk notes 4.lock");
    }

    void secondLockIsRefusedUntilTheFirstIsReleased() {
        auto first = std::make_unique<FileInstanceLock>(path_);
        QVERIFY(first->Acquire());  // missing folders are created
        QVERIFY(first->Acquire());  // asking again keeps it
        FileInstanceLock second(path_);
        QVERIFY(!second.Acquire());
        first.reset();
        QVERIFY(second.Acquire());
    }

    void anotherProcessIsKeptOutAndLetInAfterwards() {
        {
            FileInstanceLock mine(path_);
            QVERIFY(mine.Acquire());
            OtherInstance other(path_);
            QCOMPARE(other.Answer(), QByteArray("refused"));
        }
        OtherInstance other(path_);
        QCOMPARE(other.Answer(), QByteArray("held"));
        FileInstanceLock mine(path_);
        QVERIFY(!mine.Acquire());
        other.Quit();  // the lock goes with the process that held it
        QVERIFY(mine.Acquire());
    }

    void programsStartedByTheHolderDoNotKeepTheLock() {
        QProcess child;
        {
            FileInstanceLock mine(path_);
            QVERIFY(mine.Acquire());
            child.start("sleep", {"60"});
            QVERIFY(child.waitForStarted());
        }
        OtherInstance other(path_);
        QCOMPARE(other.Answer(), QByteArray("held"));
        child.kill();
        child.waitForFinished();
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

static RegisterTest<InstanceLockTest> registration;

}  // namespace vesk::platform::test

#include "InstanceLockTest.moc"
