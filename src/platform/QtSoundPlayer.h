#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <memory>

#include "SoundPlayer.h"

namespace vesk::platform {

// Built-in sounds and sound files through Qt Multimedia. The built-in sounds
// are compiled into the program. The media back end starts at the first
// sound, so that a start-up without one does not wait for it.
class QtSoundPlayer final : public SoundPlayer {
public:
    bool PlaySound(int resource, Repeat repeat) override;
    bool PlayFile(const QString& path, Repeat repeat) override;
    void Stop() override;

private:
    bool Play(const QUrl& source, Repeat repeat);

    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

// The resource path of a built-in sound; empty for an unknown number.
QString SoundResource(int resource);

}  // namespace vesk::platform
