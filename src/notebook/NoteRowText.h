#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "notes/ArchiveEntry.h"
#include "notes/NoteData.h"

namespace vesk {

// The Notebook's folders, by number; the tabs show them in the order
// Desktop, Wastebasket, Archive.
enum class NotebookFolder : std::int32_t { Desktop = 0, Archive = 1, Wastebasket = 2 };

// The rows' pictures in the Notebook's image list: each kind in colour,
// followed by the same picture greyed.
namespace RowIcon {
inline constexpr int kMessage = 0;
inline constexpr int kChecklist = 2;
inline constexpr int kScribble = 4;
inline constexpr int kCount = 6;
}  // namespace RowIcon

// The row of a desktop or wastebasket note, in the list's markup: the title
// in bold, the creation and last-modified dates, and the alarm or "None".
// Dates take the settings' date format; the alarm adds its time of day.
std::u16string BuildRowHtml(const NoteData& note, std::u16string_view dateFormat);
// An archived note's row: its title in bold, and in italics the date its
// file was last written.
std::u16string BuildArchiveRowHtml(const ArchiveEntry& entry, std::u16string_view dateFormat);
// The row shown while the archive folder is read.
inline constexpr std::u16string_view kLoadingRowHtml = u"<i>Loading...</i>";

// The picture of a row by the note's kind (a kind without its own picture
// shows as a message note), greyed unless the note is on the desktop.
int RowIconFor(std::int32_t kind, std::int32_t state);

}  // namespace vesk
