#include "notes/ScribbleNoteData.h"

#include <algorithm>

#include "notes/ScribbleCodec.h"
#include "xml/XMLElement.h"

namespace vesk {

ScribbleNoteData::ImageEdit::ImageEdit(ScribbleNoteData& note) : note_(note) {
    ++note_.liveEdits_;
    note_.encoded_.reset();
}

ScribbleNoteData::ImageEdit::~ImageEdit() {
    --note_.liveEdits_;
    note_.encoded_.reset();
}

ScribbleNoteData::ScribbleNoteData() : NoteData(kScribble, Rect{}, StyleData{}, kLoadingAlpha) {}

void ScribbleNoteData::CopyFrom(const NoteData& other) {
    const auto* scribble = dynamic_cast<const ScribbleNoteData*>(&other);
    if (scribble != nullptr && scribble != this) {
        const Bitmap* image = scribble->image_.get();
        SetImage(image, image ? image->GetWidth() : 0, image ? image->GetHeight() : 0);
        // The same pixels have the same text; an edit of either dropped it.
        if (liveEdits_ == 0) encoded_ = scribble->encoded_;
    }
    NoteData::CopyFrom(other);
}

bool ScribbleNoteData::SaveContent(XMLElement& content) const {
    XMLElement& image = content.AddChild(u"image");
    XMLElement& data = image.AddChild(u"imagedata", false, true);
    image.SetAttribute(u"width", IntToText(image_ ? image_->GetWidth() : 0));
    image.SetAttribute(u"height", IntToText(image_ ? image_->GetHeight() : 0));
    std::u16string scratch;
    data.SetText(Text(scratch));
    return true;
}

bool ScribbleNoteData::LoadContent(const XMLElement& content) {
    ClearImage();
    // Every image child replaces the drawing, and so does every imagedata
    // child within it, unless a size of 0 ends the read without one. Only the
    // last of each is decoded, so repeated children cost no extra drawings.
    const XMLElement* last = nullptr;
    for (const XMLElement* image : content.FindChildren(u"image")) {
        if (TextToInt(image->GetAttribute(u"width")) == 0 ||
            TextToInt(image->GetAttribute(u"height")) == 0) {
            return true;
        }
        last = image;
    }
    if (last == nullptr) {
        return true;
    }
    if (const auto data = last->FindChildren(u"imagedata"); !data.empty()) {
        ReadImage(data.back()->GetText(), TextToInt(last->GetAttribute(u"width")),
                  TextToInt(last->GetAttribute(u"height")));
    }
    return true;
}

std::u16string ScribbleNoteData::GetTypeName() const { return u"scribble"; }

bool ScribbleNoteData::SizeAllowed(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

void ScribbleNoteData::SetImage(const Bitmap* source, int width, int height) {
    ClearImage();
    if (!SizeAllowed(width, height)) {
        return;
    }
    image_ = std::make_unique<Bitmap>(width, height);
    if (source != nullptr) {
        image_->CopyAtOrigin(*source);
    }
}

void ScribbleNoteData::ClearImage() {
    image_.reset();
    encoded_.reset();
}

std::u16string_view ScribbleNoteData::Text(std::u16string& scratch) const {
    if (!image_) {
        return {};
    }
    if (liveEdits_ != 0) {
        return scratch = EncodeAlphaRuns(*image_);
    }
    if (!encoded_) {
        encoded_ = EncodeAlphaRuns(*image_);
    }
    return *encoded_;
}

std::u16string ScribbleNoteData::EncodeImage() const {
    std::u16string scratch;
    return std::u16string(Text(scratch));
}

void ScribbleNoteData::ReadImage(std::u16string_view text, int width, int height) {
    ClearImage();
    if (!SizeAllowed(width, height)) {
        return;
    }
    // Each pixel is set once: by the text, or as blank paper past its end.
    image_ = std::make_unique<Bitmap>(width, height, Bitmap::Unfilled{});
    std::uint32_t* const pixels = image_->GetPixels();
    const DecodedRuns runs = DecodeAlphaRuns(text, GetStyle().textcolor, *image_);
    std::fill(pixels + runs.painted, pixels + image_->GetPixelCount(), 0u);
    // Text spelled otherwise, say by hand, is re-encoded at the next save.
    if (liveEdits_ == 0 && runs.canonical) {
        encoded_.emplace(text);
    }
}

void ScribbleNoteData::DecodeImage(std::u16string_view text) {
    if (image_) {
        DecodeAlphaRuns(text, GetStyle().textcolor, *image_);
        encoded_.reset();
    }
}

}  // namespace vesk
