#pragma once

#include <gtest/gtest.h>

#include <tuple>

#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteData.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"

namespace vesk::test {

// Everything a note file keeps, including the kind's content; of a drawing
// only the coverage (its alpha runs) is kept, of the style only the colours.
inline void ExpectSameNote(const NoteData& expected, const NoteData& actual) {
    const auto stored = [](const NoteData& n) {
        StyleData colours = n.GetStyle();
        colours.name.clear();
        return std::tuple(n.GetTypeName(), n.GetTitle(), n.GetRect(), n.GetAlpha(), n.GetState(),
                          n.IsShaded(), n.GetShowTitle(), n.GetStayOnTop(), n.GetAlignment(),
                          n.GetFont(), colours, n.GetCreationTime(), n.GetLastModified());
    };
    EXPECT_EQ(stored(actual), stored(expected));
    ASSERT_EQ(actual.GetAlarm() != nullptr, expected.GetAlarm() != nullptr);
    if (expected.GetAlarm() != nullptr) {
        EXPECT_EQ(*actual.GetAlarm(), *expected.GetAlarm());
    }
    if (const auto* message = dynamic_cast<const MessageNoteData*>(&expected)) {
        EXPECT_EQ(dynamic_cast<const MessageNoteData&>(actual).GetText(), message->GetText());
    } else if (const auto* checklist = dynamic_cast<const ChecklistNoteData*>(&expected)) {
        EXPECT_EQ(dynamic_cast<const ChecklistNoteData&>(actual).GetItems(), checklist->GetItems());
    } else if (const auto* picture = dynamic_cast<const PictureNoteData*>(&expected)) {
        const auto& actualPicture = dynamic_cast<const PictureNoteData&>(actual);
        EXPECT_EQ(actualPicture.GetSource(), picture->GetSource());
        EXPECT_EQ(actualPicture.GetMaintainRatio(), picture->GetMaintainRatio());
    } else if (const auto* scribble = dynamic_cast<const ScribbleNoteData*>(&expected)) {
        EXPECT_EQ(dynamic_cast<const ScribbleNoteData&>(actual).EncodeImage(),
                  scribble->EncodeImage());
    }
}

}  // namespace vesk::test
