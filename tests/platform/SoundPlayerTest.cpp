#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "TestRegistry.h"
#include "platform/QtSoundPlayer.h"

namespace vesk::platform::test {

namespace {

struct WaveFormat {
    quint16 encoding = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    quint32 dataBytes = 0;
};

// Walks the RIFF chunks of a wave file; false when the layout is broken.
bool ReadWave(const QByteArray& bytes, WaveFormat& format) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return false;
    }
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype at = 12;
    bool haveFormat = false;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(data + at + 4);
        if (size > bytes.size() - at - 8) {
            return false;
        }
        if (id == "fmt " && size >= 16) {
            format.encoding = qFromLittleEndian<quint16>(data + at + 8);
            format.channels = qFromLittleEndian<quint16>(data + at + 10);
            format.sampleRate = qFromLittleEndian<quint32>(data + at + 12);
            format.bitsPerSample = qFromLittleEndian<quint16>(data + at + 22);
            haveFormat = true;
        } else if (id == "data") {
            format.dataBytes = size;
            return haveFormat;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

bool HasAudioOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void builtInSoundsAreBundledPcmWaves_data() {
        QTest::addColumn<int>("resource");
        QTest::newRow("new note") << kNewNoteSound;
        QTest::newRow("crumple") << kCrumpleSound;
        QTest::newRow("alarm") << kAlarmSound;
    }
    void builtInSoundsAreBundledPcmWaves() {
        QFETCH(int, resource);
        QFile file(SoundResource(resource));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        WaveFormat format;
        QVERIFY(ReadWave(file.readAll(), format));
        QCOMPARE(format.encoding, 1);  // PCM, which every back end plays
        QVERIFY(format.channels >= 1);
        QVERIFY(format.sampleRate >= 8000);
        QCOMPARE(format.bitsPerSample, 16);
        // At least a tenth of a second of sound.
        QVERIFY(format.dataBytes >= format.sampleRate * format.channels * 2 / 10);
    }

    void unknownSoundsDoNotPlay() {
        QtSoundPlayer player;
        for (const int resource : {0, 5, 160, 162, 248, 250}) {
            QVERIFY(SoundResource(resource).isEmpty());
            QVERIFY(!player.PlaySound(resource, SoundPlayer::Repeat::Once));
        }
    }

    void unreadableFilesDoNotPlay() {
        QtSoundPlayer player;
        QTemporaryDir dir;
        QVERIFY(!player.PlayFile(dir.filePath("missing.wav"), SoundPlayer::Repeat::Loop));
        QVERIFY(!player.PlayFile(dir.path(), SoundPlayer::Repeat::Once));
        player.Stop();
    }

    void withoutAudioOutputPlayingFailsQuietly() {
        if (HasAudioOutput()) {
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
