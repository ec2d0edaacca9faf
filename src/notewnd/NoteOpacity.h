#pragma once

#include <cstdint>

class QWidget;

namespace vesk {

class NoteData;
class SettingsData;

// The note holds the activation when it or a window of its own (its quick
// action box) is the active window.
bool HoldsActivation(const QWidget& window);

// How see-through a note is: its record's alpha, opaque while it is edited
// or its quick action box is in use, and opaque while active when the
// settings make active notes solid.
class NoteOpacity {
public:
    NoteOpacity(QWidget& window, NoteData& note, const SettingsData& settings)
        : window_(window), note_(note), settings_(settings) {}

    bool IsAlphaActive() const { return alphaActive_; }
    // The record takes the alpha (at least 10 of 255); it shows unless the
    // note is solid for being active. While edited it shows at once.
    void SetAlpha(int alpha);
    // Off: opaque whatever the record says.
    void SetAlphaActive(bool active);
    // The record's alpha again, unless the note is opaque for now.
    void ApplyRecordAlpha();
    // After activation or a change of settings.
    void ApplyCurrent();
    void Apply(std::uint8_t alpha);

private:
    QWidget& window_;
    NoteData& note_;
    const SettingsData& settings_;
    bool alphaActive_ = true;
};

}  // namespace vesk
