#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "PlatformTestSupport.h"
#include "platform/QtSoundPlayer.h"

namespace vesk::platform::test {

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void builtInSoundsAreBundledPcmWaves() {
        // Canonical 16-bit PCM waves, which every back end plays: a 44-byte
        // header, then at least a tenth of a second of sound.
        for (const int resource : {kNewNoteSound, kCrumpleSound, kAlarmSound}) {
            QFile file(SoundResource(resource));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
            QVERIFY(bytes.size() > 44 && bytes.startsWith("RIFF"));
            QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
            QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
            QCOMPARE(qFromLittleEndian<quint16>(header + 20), 1);
            QCOMPARE(qFromLittleEndian<quint16>(header + 34), 16);
            const quint32 dataBytes = qFromLittleEndian<quint32>(header + 40);
            QCOMPARE(qsizetype(dataBytes), bytes.size() - 44);
            QVERIFY(dataBytes >= qFromLittleEndian<quint32>(header + 28) / 10);
        }
    }

    void unknownSoundsAndUnreadableFilesDoNotPlay() {
        QtSoundPlayer player;
        for (const int resource : {0, 5, 160, 162, 248, 250}) {
            QVERIFY(SoundResource(resource).isEmpty());
            QVERIFY(!player.PlaySound(resource, SoundPlayer::Repeat::Once));
        }
        QTemporaryDir dir;
        QVERIFY(!player.PlayFile(dir.filePath("missing.wav"), SoundPlayer::Repeat::Loop));
        QVERIFY(!player.PlayFile(dir.path(), SoundPlayer::Repeat::Once));
        player.Stop();
    }

    void withoutAudioOutputPlayingFailsQuietly() {
        if (!QMediaDevices::defaultAudioOutput().isNull()) {
            QSKIP("this machine has an audio output");
        }
        QtSoundPlayer player;
        QVERIFY(!player.PlaySound(kAlarmSound, SoundPlayer::Repeat::Loop));
        QTemporaryDir dir;
        QFile::copy(SoundResource(kNewNoteSound), dir.filePath("ring.wav"));
        QVERIFY(!player.PlayFile(dir.filePath("ring.wav"), SoundPlayer::Repeat::Once));
        player.Stop();
    }
};

static RegisterTest<SoundPlayerTest> registration;

}  // namespace vesk::platform::test

#include "SoundPlayerTest.moc"
