#include <gtest/gtest.h>

#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

TEST(MessageNoteTest, SetTextKeepsUpTo65536Characters) {
    MessageNoteData note;
    note.SetText(std::u16string(65536, u'x'));
    EXPECT_EQ(note.GetText().size(), 65536u);
    note.SetText(std::u16string(70000, u'y'));
    EXPECT_EQ(note.GetText(), std::u16string(65535, u'y'));

    // The content reader applies no limit.
    XMLElement content(u"content");
    content.AddChild(u"message", false, true).SetText(std::u16string(70000, u'z'));
    note.LoadContent(content);
    EXPECT_EQ(note.GetText().size(), 70000u);
}

TEST(MessageNoteTest, EditFormAddsAndRemovesCarriageReturns) {
    MessageNoteData note;
    note.SetText(u"a\nb\n\nc\n");
    EXPECT_EQ(note.GetTextForEdit(), u"a\r\nb\r\n\r\nc\r\n");
    note.SetText(note.GetTextForEdit() + u"\rd");
    note.RemoveCarriageReturns();
    EXPECT_EQ(note.GetText(), u"a\nb\n\nc\nd");
}

TEST(MessageNoteTest, ContentReading) {
    MessageNoteData note;
    note.SetText(u"kept");
    XMLElement empty(u"content");
    empty.AddChild(u"checklist");
    note.LoadContent(empty);
    EXPECT_EQ(note.GetText(), u"kept");

    XMLElement twice(u"content");
    XMLElement& first = twice.AddChild(u"message", false, true);
    first.SetText(u"first");
    first.SetAttribute(u"align", u"center");
    twice.AddChild(u"message", false, true).SetText(u"second");
    note.LoadContent(twice);
    EXPECT_EQ(note.GetText(), u"second");
    EXPECT_EQ(note.GetAlignment(), NoteData::kAlignLeft);
}

TEST(ChecklistNoteTest, ItemsPlainTextAndToggle) {
    ChecklistNoteData note;
    note.AddItem(u"Milk", true);
    note.AddItem(u"Bread", false);
    EXPECT_EQ(note.GetPlainText(), u"*Milk\n-Bread\n");
    note.ToggleItem(1);
    note.ToggleItem(0);
    note.ToggleItem(2);
    EXPECT_EQ(note.GetPlainText(), u"-Milk\n*Bread\n");
    note.ClearItems();
    EXPECT_TRUE(note.GetItems().empty());
    EXPECT_TRUE(note.GetPlainText().empty());
}

TEST(ChecklistNoteTest, ContentForm) {
    ChecklistNoteData note;
    XMLElement content(u"content");
    note.SaveContent(content);
    const XMLElement* list = content.FindChild(u"checklist");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->Children().empty());

    note.AddItem(u"stale", false);
    note.LoadContent(content);
    EXPECT_TRUE(note.GetItems().empty());

    // Only item children count, in the order they were written.
    XMLElement mixed(u"content");
    XMLElement& items = mixed.AddChild(u"checklist");
    items.AddChild(u"item", false, true).SetText(u"b");
    items.AddChild(u"aside", false, true).SetText(u"skipped");
    XMLElement& checked = items.AddChild(u"item", false, true);
    checked.SetText(u"a");
    checked.SetAttribute(u"checked", u"true");
    note.LoadContent(mixed);
    EXPECT_EQ(note.GetItems(), (std::vector<ChecklistItem>{{false, u"b"}, {true, u"a"}}));

    // No checklist element: no items.
    note.LoadContent(XMLElement(u"content"));
    EXPECT_TRUE(note.GetItems().empty());
}

}  // namespace
}  // namespace vesk
