#pragma once

#include <cstdint>

#include "xml/XMLElement.h"

namespace vesk {

// Whether and how often the notes are saved while the program runs. The main
// frame sets the changed mark on every edit and clears it after each auto-save.
class AutoSaveData {
public:
    bool IsChanged() const { return changed_; }
    void SetChanged(bool changed) { changed_ = changed; }
    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Milliseconds between two auto-saves.
    std::int32_t GetInterval() const { return interval_; }
    void SetInterval(std::int32_t interval) { interval_ = interval; }

    // The interval is only stored while auto-save is on.
    void SaveToElement(XMLElement& parent) const;
    void LoadFromElement(const XMLElement& element);

private:
    bool changed_ = false;
    bool enabled_ = true;
    std::int32_t interval_ = 10000;
};

}  // namespace vesk
