#include "import/NoteRecordV3.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "import/FormsV3.h"
#include "notes/Bitmap.h"
#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteFactory.h"
#include "notes/NoteSize.h"
#include "notes/ScribbleNoteData.h"

namespace vesk {

namespace {

constexpr std::uint8_t kMinimumAlpha = 10;
// The previous version's drawings were always this size.
constexpr int kDrawingSide = 250;
constexpr int kDrawingPixels = kDrawingSide * kDrawingSide;
// The scribble canvas is inset this much from the note, besides the title bar.
constexpr std::int64_t kCanvasMargin = 20;

// Lines joined with line feeds; a carriage return ending a line stands for
// its line feed. False when the input ends before the last line.
bool ReadContent(NarrowStream& in, std::string& content) {
    std::uint32_t lines = 0;
    if (!in.ReadUInt32(lines)) {
        return false;
    }
    in.SkipRestOfLine();
    std::string line;
    for (std::uint32_t i = 0; i < lines; ++i) {
        if (!in.ReadLine(line)) {
            return false;
        }
        if (i + 1 < lines) {
            if (!line.empty() && line.back() == '\r') {
                line.back() = '\n';
            } else {
                line += '\n';
            }
        }
        content += line;
    }
    return true;
}

// Moves right and bottom so that the size lies within what a note may have;
// returns the clamped width and height.
std::pair<std::int64_t, std::int64_t> ClampSize(Rect& rect) {
    const std::int64_t width = HeldNoteSide(rect.Width());
    const std::int64_t height = HeldNoteSide(rect.Height());
    rect.right = WrapToInt32(rect.left + width);
    rect.bottom = WrapToInt32(rect.top + height);
    return {width, height};
}

// Each line ends an item, and so does the last character, which is never part
// of one. "*^" at the start marks a ticked item.
void FillChecklist(const std::string& content, ChecklistNoteData& note) {
    std::string item;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        const bool lineEnd = c == '\r' || c == '\n';
        if (!lineEnd && i + 1 < content.size()) {
            item += c;
            continue;
        }
        const bool checked = item.starts_with("*^");
        note.AddItem(NarrowToWide(checked ? std::string_view(item).substr(2) : item), checked);
        item.clear();
    }
}

// Alternating runs of clear and inked pixels over a 250 × 250 drawing.
bool ReadDrawing(NarrowStream& in, COLORREF ink, Bitmap& drawing) {
    std::uint8_t first = 0;
    in.ReadByte(first);
    int inked = first;
    const std::uint32_t pixel = ArgbFromColor(ink, 0xff);
    std::uint32_t* const pixels = drawing.GetPixels();
    std::int64_t position = 0;
    while (position < kDrawingPixels) {
        std::uint32_t run = 0;
        if (!in.ReadUInt32(run) || run == 0) {
            return false;
        }
        const std::int64_t end = std::min<std::int64_t>(position + run, kDrawingPixels);
        if (inked == 1) {
            std::fill(pixels + position, pixels + end, pixel);
        }
        position = end;
        inked = inked == 0 ? 1 : 0;
    }
    return true;
}

}  // namespace

std::unique_ptr<NoteData> ReadNoteRecordV3(NarrowStream& in, int titleBarHeight) {
    in.SkipRestOfLine();
    std::string title;
    in.ReadLine(title);
    std::uint32_t kind = 0;
    if (!in.ReadUInt32(kind)) {
        return nullptr;
    }
    std::unique_ptr<NoteData> note = CreateNoteDataByKind(kind);
    if (!note) {
        return nullptr;
    }
    note->SetTitle(NarrowToWide(title));

    bool hasAlarm = false;
    in.ReadFlag(hasAlarm);
    if (hasAlarm) {
        note->EnableAlarm(true);
        ReadAlarmV3(in, *note->GetAlarm());
    }
    TimeValue created = 0;
    ReadTimeV3(in, created);
    note->SetCreationTime(created);

    std::string content;
    if (!ReadContent(in, content)) {
        return nullptr;
    }

    Rect rect;
    in.ReadInt32(rect.left);
    in.ReadInt32(rect.top);
    in.ReadInt32(rect.right);
    in.ReadInt32(rect.bottom);
    const auto [width, height] = ClampSize(rect);
    note->SetRect(rect);

    std::uint32_t number = 0;
    if (in.ReadUInt32(number)) {
        note->SetState(static_cast<std::int32_t>(number));
    }
    if (in.ReadUInt32(number)) {
        note->SetAlignment(static_cast<std::int32_t>(number));
    }
    if (in.ReadUInt32(number)) {
        note->SetStayOnTop(static_cast<std::int32_t>(number));
    }
    bool shaded = false;
    in.ReadFlag(shaded);
    note->SetShaded(shaded);
    std::uint8_t alpha = note->GetAlpha();
    in.ReadByte(alpha);
    note->SetAlpha(std::max(alpha, kMinimumAlpha));

    ReadStyleV3(in, note->GetStyle());
    note->SetFont(ReadFontV3(in));

    if (auto* message = dynamic_cast<MessageNoteData*>(note.get())) {
        message->SetText(NarrowToWide(content));
    } else if (auto* checklist = dynamic_cast<ChecklistNoteData*>(note.get())) {
        FillChecklist(content, *checklist);
    } else if (auto* scribble = dynamic_cast<ScribbleNoteData*>(note.get())) {
        Bitmap drawing(kDrawingSide, kDrawingSide);
        if (!ReadDrawing(in, note->GetStyle().textcolor, drawing)) {
            return nullptr;
        }
        // A title bar too high for the note leaves no canvas, hence no drawing.
        const std::int64_t canvasWidth = width - kCanvasMargin;
        const std::int64_t canvasHeight = height - titleBarHeight - kCanvasMargin;
        if (canvasWidth > 0 && canvasHeight > 0) {
            scribble->SetImage(&drawing, static_cast<int>(canvasWidth),
                               static_cast<int>(canvasHeight));
        }
    }
    return note;
}

}  // namespace vesk
