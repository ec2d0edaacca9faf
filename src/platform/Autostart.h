#pragma once

#include <QCoreApplication>
#include <QString>

namespace vesk::platform {

// Entries that start a program when the user logs in, known by the program's
// display name ("vesk notes 4"; the previous version's "vesk notes 3").
class Autostart {
public:
    virtual ~Autostart() = default;

    virtual bool Exists(const QString& name) const = 0;
    // Writes (or rewrites) the entry that starts program, the full path of an
    // executable.
    virtual bool Create(const QString& name, const QString& program,
                        const QString& description) = 0;
    // A missing entry is no error.
    virtual bool Remove(const QString& name) = 0;

    // The names of this program's entry and of the previous version's.
    static QString ProgramName() { return QStringLiteral("vesk notes 4"); }
    static QString PreviousProgramName() { return QStringLiteral("vesk notes 3"); }

    // This program's entry, starting the running executable: the one entry
    // that the settings and the first start write.
    bool CreateProgramEntry() {
        return Create(ProgramName(), QCoreApplication::applicationFilePath(),
                      QStringLiteral("The sexiest desktop sticky notes program!"));
    }
};

}  // namespace vesk::platform
