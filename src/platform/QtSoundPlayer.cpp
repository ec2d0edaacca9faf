#include "QtSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>

namespace vesk::platform {

QString SoundResource(int resource) {
    switch (resource) {
        case kNewNoteSound:
            return QStringLiteral(":/sounds/newnote.wav");
        case kCrumpleSound:
            return QStringLiteral(":/sounds/crumple.wav");
        case kAlarmSound:
            return QStringLiteral(":/sounds/alarm.wav");
        default:
            return {};
    }
}

bool QtSoundPlayer::PlaySound(int resource, Repeat repeat) {
    const QString path = SoundResource(resource);
    return !path.isEmpty() && Play(QUrl(QStringLiteral("qrc") + path), repeat);
}

bool QtSoundPlayer::PlayFile(const QString& path, Repeat repeat) {
    const QFileInfo file(path);
    return file.isFile() && file.isReadable() &&
           Play(QUrl::fromLocalFile(file.absoluteFilePath()), repeat);
}

void QtSoundPlayer::Stop() {
    if (player_) {
        player_->stop();
    }
}

bool QtSoundPlayer::Play(const QUrl& source, Repeat repeat) {
    // Without an output device the player would only fill the log.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return false;
    }
    if (!player_) {
        output_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(output_.get());
    }
    output_->setDevice(device);
    player_->stop();
    player_->setSource(source);
    player_->setLoops(repeat == Repeat::Loop ? QMediaPlayer::Infinite : QMediaPlayer::Once);
    player_->play();
    return true;
}

}  // namespace vesk::platform
