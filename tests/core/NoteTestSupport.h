#pragma once

#include <gtest/gtest.h>

#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteData.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"

namespace vesk::test {

// Everything a note file keeps, including the kind's content; of a drawing
// only the coverage is kept.
inline void ExpectSameNote(const NoteData& expected, const NoteData& actual) {
    EXPECT_EQ(actual.GetTypeName(), expected.GetTypeName());
    EXPECT_EQ(actual.GetTitle(), expected.GetTitle());
    EXPECT_EQ(actual.GetRect(), expected.GetRect());
    EXPECT_EQ(actual.GetAlpha(), expected.GetAlpha());
    EXPECT_EQ(actual.GetState(), expected.GetState());
    EXPECT_EQ(actual.IsShaded(), expected.IsShaded());
    EXPECT_EQ(actual.GetShowTitle(), expected.GetShowTitle());
    EXPECT_EQ(actual.GetStayOnTop(), expected.GetStayOnTop());
    EXPECT_EQ(actual.GetAlignment(), expected.GetAlignment());
    EXPECT_EQ(actual.GetFont(), expected.GetFont());
    StyleData colours = expected.GetStyle();
    colours.name.clear();
    EXPECT_EQ(actual.GetStyle(), colours);
    EXPECT_EQ(actual.GetCreationTime(), expected.GetCreationTime());
    EXPECT_EQ(actual.GetLastModified(), expected.GetLastModified());
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
        const Bitmap* image = dynamic_cast<const ScribbleNoteData&>(actual).GetImage();
        ASSERT_EQ(image != nullptr, scribble->GetImage() != nullptr);
        if (image == nullptr) return;
        const Bitmap& original = *scribble->GetImage();
        ASSERT_EQ(image->GetWidth(), original.GetWidth());
        ASSERT_EQ(image->GetHeight(), original.GetHeight());
        for (std::size_t i = 0; i < original.GetPixelCount(); ++i) {
            ASSERT_EQ(AlphaOf(image->GetPixels()[i]), AlphaOf(original.GetPixels()[i])) << i;
        }
    }
}

}  // namespace vesk::test
