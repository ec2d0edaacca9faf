#pragma once

#include <QDateTime>
#include <QString>

namespace vesk {

// Moves a file that could not be read out of the way before anything is
// written in its place, to "<name>.unreadable-<date and time>" beside it. No
// backup pruning or save ever touches that name, so the user's data stays
// until they decide. Returns the new path; empty when there was no file or it
// could not be moved.
QString SetAsideUnreadableFile(const QString& path,
                               const QDateTime& when = QDateTime::currentDateTime());

}  // namespace vesk
