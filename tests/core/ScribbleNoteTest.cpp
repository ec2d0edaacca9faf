#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "notes/ImageDecoder.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleCodec.h"
#include "notes/ScribbleNoteData.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

constexpr COLORREF kInk = RGB(0x12, 0x34, 0x56);
constexpr std::uint32_t kFullInk = ArgbFromColor(kInk, 0xff);

std::unique_ptr<ScribbleNoteData> MakeScribble(int width, int height) {
    auto note = std::make_unique<ScribbleNoteData>();
    note->GetStyle().textcolor = kInk;
    note->SetImage(nullptr, width, height);
    return note;
}

TEST(ScribbleCodecTest, RunLengthExamples) {
    EXPECT_EQ(EncodeAlphaRuns(Bitmap(16, 16)), u" 10000");
    EXPECT_EQ(EncodeAlphaRuns(Bitmap(200, 200)), u" 9c4000");

    Bitmap small(3, 2);
    small.SetPixel(1, 0, kFullInk);
    EXPECT_EQ(EncodeAlphaRuns(small), u" 00 ff 400");

    Bitmap alternating(5, 1);
    alternating.SetPixel(1, 0, ArgbFromColor(kInk, 0x0a));
    alternating.SetPixel(3, 0, kFullInk);
    EXPECT_EQ(EncodeAlphaRuns(alternating), u" 00 0a 00 ff 00");

    // Runs cross row ends; runs break on colour too, even at equal alpha.
    Bitmap rows(4, 5);
    for (int x = 0; x < 4; ++x) {
        rows.SetPixel(x, 1, kFullInk);
        rows.SetPixel(x, 2, kFullInk);
        rows.SetPixel(x, 3, ArgbFromColor(RGB(1, 2, 3), 0xff));
    }
    EXPECT_EQ(EncodeAlphaRuns(rows), u" 400 8ff 4ff 400");
    EXPECT_EQ(EncodeAlphaRuns(Bitmap(0, 0)), u"");
}

TEST(ScribbleCodecTest, DecodingFollowsTheRunsAndStopsAtTheEnd) {
    Bitmap image(2, 2);
    DecodeAlphaRuns(u" 500", kInk, image);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(image.GetPixels()[i], ArgbFromColor(kInk, 0));
    }

    Bitmap small(3, 2);
    DecodeAlphaRuns(u" 00 ff 400", kInk, small);
    EXPECT_EQ(EncodeAlphaRuns(small), u" 00 ff 400");
    EXPECT_EQ(small.GetPixel(1, 0), kFullInk);

    // Digits follow the colour rule: a length of "0" or "g" draws nothing,
    // and odd characters count as 0.
    Bitmap odd(4, 1);
    DecodeAlphaRuns(u" 0ff gff 2zF\t\n1f", kInk, odd);
    EXPECT_EQ(odd.GetPixel(0, 0), ArgbFromColor(kInk, 0x0f));
    EXPECT_EQ(odd.GetPixel(1, 0), ArgbFromColor(kInk, 0x0f));
    EXPECT_EQ(odd.GetPixel(2, 0), ArgbFromColor(kInk, 0x1f));
    EXPECT_EQ(odd.GetPixel(3, 0), 0u);

    // A one-character token ends the text; pixels not reached stay clear.
    Bitmap cut(4, 1);
    DecodeAlphaRuns(u" ff x ff ff", kInk, cut);
    EXPECT_EQ(cut.GetPixel(0, 0), kFullInk);
    EXPECT_EQ(cut.GetPixel(1, 0), 0u);

    // Any number of length digits is harmless.
    Bitmap big(3, 3);
    DecodeAlphaRuns(u" " + std::u16string(5000, u'f') + u"80 ff", kInk, big);
    EXPECT_EQ(EncodeAlphaRuns(big), u" 980");
}

TEST(ScribbleNoteTest, ContentRoundTripTakesTheStyleInk) {
    auto scribble = MakeScribble(7, 3);
    ScribbleNoteData& note = *scribble;
    note.GetImage()->SetPixel(2, 1, ArgbFromColor(kInk, 0x80));
    note.GetImage()->SetPixel(6, 2, kFullInk);
    XMLElement content(u"content");
    note.SaveContent(content);
    const XMLElement& image = *content.FindChild(u"image");
    EXPECT_EQ(image.GetAttribute(u"width"), u"7");
    EXPECT_EQ(image.GetAttribute(u"height"), u"3");
    EXPECT_TRUE(image.FindChild(u"imagedata")->IsCdata());
    EXPECT_EQ(image.FindChild(u"imagedata")->GetText(), u" 900 80 a00 ff");

    ScribbleNoteData read;
    read.GetStyle().textcolor = RGB(255, 0, 0);
    read.LoadContent(content);
    ASSERT_NE(read.GetImage(), nullptr);
    EXPECT_EQ(read.GetImage()->GetPixel(6, 2), ArgbFromColor(RGB(255, 0, 0), 0xff));
    EXPECT_EQ(read.EncodeImage(), note.EncodeImage());

    // Without a drawing: zero size and no text, read back as no drawing.
    note.ClearImage();
    XMLElement blank(u"content");
    note.SaveContent(blank);
    EXPECT_EQ(blank.FindChild(u"image")->GetAttribute(u"width"), u"0");
    EXPECT_EQ(blank.FindChild(u"image")->FindChild(u"imagedata")->GetText(), u"");
    read.LoadContent(blank);
    EXPECT_EQ(read.GetImage(), nullptr);
}

TEST(ScribbleNoteTest, SizesOutsideTheLimitsGiveNoDrawing) {
    for (const auto& [width, height] :
         std::initializer_list<std::pair<const char16_t*, const char16_t*>>{
             {u"0", u"5"}, {u"5", u""}, {u"-5", u"5"}, {u"8193", u"1"}, {u"1", u"99999999"}}) {
        XMLElement content(u"content");
        XMLElement& image = content.AddChild(u"image");
        image.SetAttribute(u"width", width);
        image.SetAttribute(u"height", height);
        image.AddChild(u"imagedata", false, true).SetText(u" ff");
        auto note = MakeScribble(2, 2);
        note->LoadContent(content);
        EXPECT_EQ(note->GetImage(), nullptr);
    }
    XMLElement content(u"content");
    XMLElement& image = content.AddChild(u"image");
    image.SetAttribute(u"width", u"8192");
    image.SetAttribute(u"height", u"1");
    image.AddChild(u"imagedata", false, true);
    ScribbleNoteData note;
    note.LoadContent(content);
    ASSERT_NE(note.GetImage(), nullptr);
    EXPECT_EQ(note.GetImage()->GetWidth(), 8192);
}

TEST(ScribbleNoteTest, SetImageCopiesTheSourceUnscaled) {
    Bitmap source(3, 3);
    for (int i = 0; i < 9; ++i) {
        source.GetPixels()[i] = ArgbFromColor(kInk, static_cast<std::uint8_t>(i + 1));
    }
    ScribbleNoteData note;
    note.SetImage(&source, 2, 4);
    ASSERT_NE(note.GetImage(), nullptr);
    EXPECT_EQ(note.GetImage()->GetPixel(1, 0), source.GetPixel(1, 0));
    EXPECT_EQ(note.GetImage()->GetPixel(1, 2), source.GetPixel(1, 2));
    EXPECT_EQ(note.GetImage()->GetPixel(0, 3), 0u);
    note.SetImage(nullptr, 0, 4);
    EXPECT_EQ(note.GetImage(), nullptr);
    EXPECT_EQ(note.EncodeImage(), u"");
    note.DecodeImage(u" ff");
    EXPECT_EQ(note.GetImage(), nullptr);
}

// Decodes every path to a 4 × 2 picture except "empty", which reads as 0 wide.
class FakeDecoder : public ImageDecoder {
public:
    std::unique_ptr<Bitmap> Decode(const std::filesystem::path& path) override {
        ++calls;
        return std::make_unique<Bitmap>(path.filename() == "empty" ? 0 : 4, 2);
    }
    int calls = 0;
};

TEST(PictureNoteTest, PathIsKeptWhetherOrNotThePictureDecodes) {
    PictureNoteData note;
    EXPECT_TRUE(note.GetMaintainRatio());
    XMLElement content(u"content");
    XMLElement& image = content.AddChild(u"image");
    image.AddChild(u"source", false, true).SetText(u"/pictures/cat.jpg");
    note.LoadContent(content);
    EXPECT_EQ(note.GetSource(), u"/pictures/cat.jpg");
    EXPECT_FALSE(note.GetMaintainRatio());
    EXPECT_EQ(note.GetPicture(), nullptr);
    EXPECT_EQ(note.GetPictureWidth(), 0);

    FakeDecoder decoder;
    RegisterImageDecoder(&decoder);
    note.LoadContent(content);
    EXPECT_EQ(note.GetPictureWidth(), 4);
    EXPECT_EQ(note.GetPictureHeight(), 2);
    note.SetSource(u"/pictures/empty");
    EXPECT_EQ(note.GetPicture(), nullptr);
    note.SetSource(u"");
    EXPECT_EQ(decoder.calls, 2);
    RegisterImageDecoder(nullptr);

    note.SetSource(u"/pictures/cat.jpg");
    note.SetMaintainRatio(true);
    XMLElement written(u"content");
    note.SaveContent(written);
    EXPECT_EQ(written.FindChild(u"image")->GetAttribute(u"maintainratio"), u"true");
    EXPECT_TRUE(written.FindChild(u"image")->FindChild(u"source")->IsCdata());
    EXPECT_EQ(written.FindChild(u"image")->FindChild(u"source")->GetText(), u"/pictures/cat.jpg");
}

}  // namespace
}  // namespace vesk
