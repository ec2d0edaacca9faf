#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "notes/ImageDecoder.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleCodec.h"
#include "notes/ScribbleNoteData.h"

namespace vesk {
namespace {

using test::Xml;

constexpr COLORREF kInk = RGB(0x12, 0x34, 0x56);
constexpr std::uint32_t kFullInk = ArgbFromColor(kInk, 0xff);

TEST(ScribbleCodecTest, RunLengthExamples) {
    EXPECT_EQ(EncodeAlphaRuns(Bitmap(200, 200)), u" 9c4000");
    // Runs cross row ends, and break on colour even at equal alpha.
    Bitmap rows(4, 5);
    for (int x = 0; x < 4; ++x) {
        rows.SetPixel(x, 1, kFullInk);
        rows.SetPixel(x, 2, kFullInk);
        rows.SetPixel(x, 3, ArgbFromColor(RGB(1, 2, 3), 0xff));
    }
    EXPECT_EQ(EncodeAlphaRuns(rows), u" 400 8ff 4ff 400");
}

TEST(ScribbleCodecTest, DecodingFollowsTheRunsAndStopsAtTheEnd) {
    Bitmap image(2, 2);
    DecodeAlphaRuns(u" 500", kInk, image);
    EXPECT_EQ(EncodeAlphaRuns(image), u" 400");

    // Digits follow the colour rule, so "0" and "g" lengths draw nothing; a
    // one-character token ends the text and the rest stays as it was.
    Bitmap odd(5, 1);
    DecodeAlphaRuns(u" 0ff gff 2zF\t\n1f x ff", kInk, odd);
    EXPECT_EQ(odd.GetPixel(1, 0), ArgbFromColor(kInk, 0x0f));
    EXPECT_EQ(odd.GetPixel(2, 0), ArgbFromColor(kInk, 0x1f));
    EXPECT_EQ(odd.GetPixel(3, 0), 0u);

    // Any number of length digits is harmless.
    Bitmap big(3, 3);
    DecodeAlphaRuns(u" " + std::u16string(5000, u'f') + u"80 ff", kInk, big);
    EXPECT_EQ(EncodeAlphaRuns(big), u" 980");
}

TEST(ScribbleNoteTest, ContentTakesTheStyleInkAndRefusesOddSizes) {
    ScribbleNoteData read;
    read.GetStyle().textcolor = RGB(255, 0, 0);
    read.LoadContent(
        Xml(u"<content><image width=\"7\" height=\"3\"><imagedata> 1400 "
            u"ff</imagedata></image></content>"));
    ASSERT_NE(read.GetImage(), nullptr);
    EXPECT_EQ(read.GetImage()->GetPixel(6, 2), ArgbFromColor(RGB(255, 0, 0), 0xff));

    ScribbleNoteData note;
    note.SetImage(nullptr, 7, 3);
    note.ClearImage();
    XMLElement blank(u"content");
    note.SaveContent(blank);
    EXPECT_EQ(blank.FindChild(u"image")->GetAttribute(u"height"), u"0");
    read.LoadContent(blank);
    EXPECT_EQ(read.GetImage(), nullptr);

    const auto load = [&read](std::u16string_view images) {
        read.LoadContent(Xml(u"<content>" + std::u16string(images) + u"</content>"));
        return read.GetImage() != nullptr;
    };
    for (const std::u16string size :
         {u"width=\"5\"", u"width=\"-5\" height=\"5\"", u"width=\"8193\" height=\"1\"",
          u"width=\"1\" height=\"99999999\""}) {
        EXPECT_FALSE(load(u"<image " + size + u"><imagedata> ff</imagedata></image>"));
    }
    EXPECT_TRUE(load(u"<image width=\"8192\" height=\"1\"><imagedata> ff</imagedata></image>"));
    // The last image and imagedata win, unless an image of size 0 comes first.
    const std::u16string data = u"<imagedata> 3ff</imagedata><imagedata> 80</imagedata></image>";
    EXPECT_TRUE(load(u"<image width=\"3\" height=\"1\">" + data +
                     u"<image width=\"2\" height=\"1\">" + data));
    EXPECT_EQ(read.EncodeImage(), u" 80 00");
    EXPECT_FALSE(
        load(u"<image/><image width=\"1\" height=\"1\"><imagedata> ff</imagedata></image>"));
}

TEST(ScribbleNoteTest, EveryEditReachesTheSave) {
    ScribbleNoteData note;
    const auto saved = [&note] {
        XMLElement content(u"content");
        note.SaveContent(content);
        return std::u16string(content.FindChild(u"image")->FindChild(u"imagedata")->GetText());
    };
    note.LoadContent(
        Xml(u"<content><image width=\"3\" height=\"1\"><imagedata> 300</imagedata></image>"
            u"</content>"));
    EXPECT_EQ(saved(), u" 300");
    {
        const auto edit = note.EditImage();
        edit->SetPixel(0, 0, kFullInk);
        EXPECT_EQ(saved(), u" ff 200");
        edit->SetPixel(2, 0, kFullInk);
        EXPECT_EQ(saved(), u" ff 00 ff");
    }
    EXPECT_EQ(saved(), u" ff 00 ff");
    note.EditImage()->SetPixel(1, 0, kFullInk);
    EXPECT_EQ(saved(), u" 3ff");

    // Text spelled otherwise than the encoder would is saved the encoder's way.
    for (const std::u16string text : {u"\n 3FF", u" 1ff 2ff", u" 03ff", u" ff ff ff", u" 3ff 00"}) {
        note.LoadContent(Xml(u"<content><image width=\"3\" height=\"1\"><imagedata>" + text +
                             u"</imagedata></image></content>"));
        EXPECT_EQ(saved(), u" 3ff") << testing::PrintToString(text);
    }
    // So is text that stops short of the last pixels.
    note.LoadContent(
        Xml(u"<content><image width=\"3\" height=\"1\"><imagedata> 2ff"
            u"</imagedata></image></content>"));
    EXPECT_EQ(saved(), u" 2ff 00");
}

TEST(ScribbleNoteTest, SetImageCopiesTheSourceUnscaled) {
    Bitmap source(3, 3);
    for (int i = 0; i < 9; ++i) {
        source.GetPixels()[i] = ArgbFromColor(kInk, static_cast<std::uint8_t>(i + 1));
    }
    ScribbleNoteData note;
    note.SetImage(&source, 2, 4);
    ASSERT_NE(note.GetImage(), nullptr);
    EXPECT_EQ(note.GetImage()->GetPixel(1, 2), source.GetPixel(1, 2));
    EXPECT_EQ(note.GetImage()->GetPixel(0, 3), 0u);
    note.SetImage(&source, 0, 4);
    EXPECT_EQ(note.GetImage(), nullptr);
}

// Decodes every path to a 4 × 2 picture except "empty", which reads as 0 wide.
class FakeDecoder : public ImageDecoder {
public:
    FakeDecoder() { RegisterImageDecoder(this); }
    ~FakeDecoder() override { RegisterImageDecoder(nullptr); }
    std::unique_ptr<Bitmap> Decode(const std::filesystem::path& path) override {
        ++calls;
        return std::make_unique<Bitmap>(path.filename() == "empty" ? 0 : 4, 2);
    }
    int calls = 0;
};

TEST(PictureNoteTest, PathIsKeptWhetherOrNotThePictureDecodes) {
    const Xml content(
        u"<content><image><source>/pictures/dog.jpg</source>"
        u"<source>/pictures/cat.jpg</source></image></content>");
    PictureNoteData note;
    note.LoadContent(content);
    EXPECT_EQ(note.GetSource(), u"/pictures/cat.jpg");
    EXPECT_FALSE(note.GetMaintainRatio());
    EXPECT_EQ(note.GetPicture(), nullptr);

    FakeDecoder decoder;
    note.LoadContent(content);
    EXPECT_EQ(decoder.calls, 1) << "repeated sources decode once";
    EXPECT_EQ(note.GetPictureHeight(), 2);
    PictureNoteData backup;
    backup.CopyFrom(note);
    note.SetSource(u"/pictures/empty");
    note.SetMaintainRatio(true);
    EXPECT_EQ(note.GetPicture(), nullptr);
    EXPECT_EQ(note.GetSource(), u"/pictures/empty");

    // Putting back a cancelled edit brings the old picture without decoding it.
    note.CopyFrom(backup);
    EXPECT_EQ(decoder.calls, 2);
    EXPECT_EQ(note.GetSource(), u"/pictures/cat.jpg");
    EXPECT_FALSE(note.GetMaintainRatio());
    EXPECT_EQ(note.GetPicture(), backup.GetPicture());
    EXPECT_EQ(note.GetPictureWidth(), 4);
}

}  // namespace
}  // namespace vesk
