#pragma once

#include <QString>

namespace vesk::platform {

// The program's built-in sounds, by their resource numbers.
inline constexpr int kNewNoteSound = 4;
inline constexpr int kCrumpleSound = 161;
inline constexpr int kAlarmSound = 249;

// Plays one sound at a time, without waiting for it: a new sound replaces
// the one playing. The program shares one player for its built-in sounds,
// and each ringing note has its own for its alarm's sound file.
class SoundPlayer {
public:
    enum class Repeat { Once, Loop };

    virtual ~SoundPlayer() = default;

    // False when nothing plays: an unknown sound, or no audio output.
    virtual bool PlaySound(int resource, Repeat repeat) = 0;
    // False when the file cannot be read or there is no audio output. A
    // file that turns out not to be a sound stays silent.
    virtual bool PlayFile(const QString& path, Repeat repeat) = 0;
    virtual void Stop() = 0;
};

}  // namespace vesk::platform
