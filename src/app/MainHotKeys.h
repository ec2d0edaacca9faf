#pragma once

namespace vesk {

namespace platform {
class HotKeys;
}
class SettingsData;

// The two global hot keys of the settings, registered under their ids.
class MainHotKeys {
public:
    explicit MainHotKeys(platform::HotKeys& keys) : keys_(keys) {}

    // Drops both, then registers each whose used flag is set. A combination
    // that the desktop refuses is silently unavailable.
    void RegisterHotKeys(const SettingsData& settings);
    void UnregisterHotKeys();

private:
    platform::HotKeys& keys_;
};

}  // namespace vesk
