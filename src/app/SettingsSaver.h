#pragma once

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <filesystem>

namespace vesk {

class SettingsData;

// Writes the settings file and tells the user when it cannot, with the
// system's reason: while the program runs in a tray message, once per run of
// failures; at the end with the choice to try again. A session that ends
// leaves no one to ask, so the reason goes to standard error.
class SettingsSaver : public QObject {
    Q_OBJECT

public:
    explicit SettingsSaver(const SettingsData& settings) : settings_(settings) {}

    bool Save(const std::filesystem::path& path);
    void SaveAtEnd(const std::filesystem::path& path, bool sessionEnding);

signals:
    void Report(const QString& title, const QString& text, QSystemTrayIcon::MessageIcon icon);

private:
    const SettingsData& settings_;
    bool failing_ = false;
};

}  // namespace vesk
