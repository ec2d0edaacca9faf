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
    const bool held = lock.Acquire();
    std::puts(held ? "held" : "refused");
    std::fflush(stdout);
    while (held && std::getchar() != EOF) {
    }
    return held ? 0 : 1;
}

namespace {

// Another instance: this test program holding the lock in a process of its own.
class OtherInstance : public QProcess {
public:
    explicit OtherInstance(const QString& lockPath) {
        start(QCoreApplication::applicationFilePath(),
              {QString::fromLatin1(kHoldLockOption), lockPath});
    }
    ~OtherInstance() override { Quit(); }

    // "held" or "refused".
    QByteArray Answer() {
        waitForReadyRead();
        return readLine().trimmed();
    }
    void Quit() {
        closeWriteChannel();
        waitForFinished();
    }
};

}  // namespace

class InstanceLockTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath("not/there/yet/vesk notes 4.lock");
    }

    void anotherProcessIsKeptOutAndLetInAfterwards() {
        {
            FileInstanceLock mine(path_);
            QVERIFY(mine.Acquire());  // missing folders are created
            QVERIFY(mine.Acquire());  // asking again keeps it
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
