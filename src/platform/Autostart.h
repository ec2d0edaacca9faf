#pragma once

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
};

}  // namespace vesk::platform
