#include "notewnd/NoteOpacity.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "notes/NoteData.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {
constexpr int kMinAlpha = 10;
constexpr int kMaxAlpha = 255;
}  // namespace

bool HoldsActivation(const QWidget& window) {
    for (const QWidget* active = QApplication::activeWindow(); active != nullptr;
         active = active->parentWidget()) {
        if (active == &window) {
            return true;
        }
    }
    return false;
}

void NoteOpacity::SetAlpha(int alpha) {
    note_.SetAlpha(static_cast<std::uint8_t>(std::clamp(alpha, kMinAlpha, kMaxAlpha)));
    // While edited the note shows what its edit options set, whatever the
    // settings say of active notes.
    if (alphaActive_ && settings_.GetSolidOnSelect() && HoldsActivation(window_)) {
        return;
    }
    Apply(note_.GetAlpha());
    if (note_.GetState() == NoteData::kStateShown) {
        window_.show();
        window_.repaint();
    }
}

void NoteOpacity::SetAlphaActive(bool active) {
    alphaActive_ = active;
    Apply(active ? note_.GetAlpha() : kMaxAlpha);
}

void NoteOpacity::ApplyRecordAlpha() {
    if (alphaActive_) {
        Apply(note_.GetAlpha());
    }
}

void NoteOpacity::ApplyCurrent() {
    if (!alphaActive_) {
        return;
    }
    const bool solid = HoldsActivation(window_) && note_.GetState() == NoteData::kStateShown &&
                       settings_.GetSolidOnSelect();
    Apply(solid ? kMaxAlpha : note_.GetAlpha());
}

void NoteOpacity::Apply(std::uint8_t alpha) { window_.setWindowOpacity(alpha / 255.0); }

}  // namespace vesk
