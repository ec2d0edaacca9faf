#include "notebook/NoteRowText.h"

#include "xml/LocalTimeFormat.h"

namespace vesk {

namespace {

// The list's markup has no character references, so a title's own "<"
// cannot be written as one. A word joiner right after it (no width, no
// break) keeps it from opening a tag: "<b>" or "<br>" in a title is drawn
// as typed instead of making the row bold or breaking it.
std::u16string EscapeRowText(std::u16string_view text) {
    std::u16string escaped;
    escaped.reserve(text.size());
    for (const char16_t c : text) {
        escaped += c;
        if (c == u'<') {
            escaped += u'\u2060';
        }
    }
    return escaped;
}

std::u16string BoldTitle(std::u16string_view title) {
    return u"<b>" + EscapeRowText(title) + u"</b><br>";
}

}  // namespace

std::u16string BuildRowHtml(const NoteData& note, std::u16string_view dateFormat) {
    std::u16string row = BoldTitle(note.GetTitle());
    row += FormatLocalTime(note.GetCreationTime(), dateFormat);
    row += u", Modified ";
    row += FormatLocalTime(note.GetLastModified(), dateFormat);
    row += u"<br>Alarm: ";
    if (const AlarmData* alarm = note.GetAlarm()) {
        row += FormatLocalTime(alarm->time, std::u16string(dateFormat) + u", %I:%M %p");
    } else {
        row += u"None";
    }
    return row;
}

std::u16string BuildArchiveRowHtml(const ArchiveEntry& entry, std::u16string_view dateFormat) {
    // The italics run to the end of the row.
    return BoldTitle(entry.title) + u"<i>" + FormatLocalTime(entry.fileTime, dateFormat);
}

int RowIconFor(std::int32_t kind, std::int32_t state) {
    int icon = RowIcon::kMessage;
    if (kind == NoteData::kChecklist) {
        icon = RowIcon::kChecklist;
    } else if (kind == NoteData::kScribble) {
        icon = RowIcon::kScribble;
    }
    return state == NoteData::kStateShown ? icon : icon + 1;
}

}  // namespace vesk
