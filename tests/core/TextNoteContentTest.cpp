#include <gtest/gtest.h>

#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

TEST(MessageNoteTest, TextLimitAndEditForm) {
    MessageNoteData note;
    note.SetText(std::u16string(65536, u'x'));
    EXPECT_EQ(note.GetText().size(), 65536u);
    note.SetText(std::u16string(70000, u'y'));
    EXPECT_EQ(note.GetText(), std::u16string(65535, u'y'));

    note.SetText(u"a\nb\n\nc");
    EXPECT_EQ(note.GetTextForEdit(), u"a\r\nb\r\n\r\nc");
    note.SetText(note.GetTextForEdit() + u"\rd");
    note.RemoveCarriageReturns();
    EXPECT_EQ(note.GetText(), u"a\nb\n\ncd");

    // The last message child wins; none leaves the text alone.
    XMLElement content(u"content");
    XMLElement& first = content.AddChild(u"message", false, true);
    first.SetText(u"first");
    first.SetAttribute(u"align", u"center");
    content.AddChild(u"message", false, true).SetText(u"second");
    note.LoadContent(content);
    EXPECT_EQ(note.GetText(), u"second");
    EXPECT_EQ(note.GetAlignment(), NoteData::kAlignLeft);
    note.LoadContent(XMLElement(u"content"));
    EXPECT_EQ(note.GetText(), u"second");
}

TEST(ChecklistNoteTest, ItemsPlainTextToggleAndContent) {
    ChecklistNoteData note;
    XMLElement empty(u"content");
    note.SaveContent(empty);
    EXPECT_TRUE(empty.FindChild(u"checklist")->Children().empty());

    note.AddItem(u"Milk", true);
    note.AddItem(u"Bread", false);
    EXPECT_EQ(note.GetPlainText(), u"*Milk\n-Bread\n");
    note.ToggleItem(1);
    note.ToggleItem(2);
    EXPECT_EQ(note.GetPlainText(), u"*Milk\n*Bread\n");
    note.LoadContent(empty);
    EXPECT_TRUE(note.GetItems().empty());

    // Only item children count, in the order they were written.
    XMLElement mixed(u"content");
    XMLElement& items = mixed.AddChild(u"checklist");
    items.AddChild(u"item", false, true).SetText(u"b");
    items.AddChild(u"aside", false, true).SetText(u"skipped");
    XMLElement& checked = items.AddChild(u"item", false, true);
    checked.SetText(u"a");
    checked.SetAttribute(u"checked", u"true");
    items.AddChild(u"item", false, true).SetAttribute(u"checked", u"TRUE");
    note.LoadContent(mixed);
    EXPECT_EQ(note.GetItems(),
              (std::vector<ChecklistItem>{{false, u"b"}, {true, u"a"}, {false, u""}}));
}

}  // namespace
}  // namespace vesk
