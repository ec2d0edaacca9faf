#pragma once

#include <QString>

namespace vesk::platform {

// Where the program keeps its files and finds the installation's. Every
// folder path ends with '/'.
class Folders {
public:
    virtual ~Folders() = default;

    // The program's own folder, "vesk notes 4", inside the user's data folder.
    virtual QString DataFolder() const = 0;
    // "vesk notes 3" beside it: looked at on the first start only.
    virtual QString PreviousVersionFolder() const = 0;
    // Holds "default/" and "help/".
    virtual QString InstallationFolder() const = 0;

    QString BackupFolder() const { return DataFolder() + QStringLiteral("backup/"); }
    QString ArchiveFolder() const { return DataFolder() + QStringLiteral("archive/"); }
    QString DefaultSettingsFile() const { return InstallationFile("default/settings.xml"); }
    QString DefaultNotesFile() const { return InstallationFile("default/notes.xml"); }
    QString HelpFile() const { return InstallationFile("help/howtouse.html"); }

private:
    QString InstallationFile(const char* relative) const {
        return InstallationFolder() + QLatin1String(relative);
    }
};

// Creates the folder, with any missing parents. True only when the folder
// itself did not exist before: the first start is told apart by this.
bool CreateFolder(const QString& path);

}  // namespace vesk::platform
