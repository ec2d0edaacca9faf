#include "notes/ScribbleNoteData.h"

#include "notes/ScribbleCodec.h"
#include "xml/XMLElement.h"

namespace vesk {

ScribbleNoteData::ScribbleNoteData() : NoteData(kScribble, Rect{}, StyleData{}, kLoadingAlpha) {}

bool ScribbleNoteData::SaveContent(XMLElement& content) const {
    XMLElement& image = content.AddChild(u"image");
    XMLElement& data = image.AddChild(u"imagedata", false, true);
    image.SetAttribute(u"width", IntToText(image_ ? image_->GetWidth() : 0));
    image.SetAttribute(u"height", IntToText(image_ ? image_->GetHeight() : 0));
    data.SetText(EncodeImage());
    return true;
}

bool ScribbleNoteData::LoadContent(const XMLElement& content) {
    image_.reset();
    for (auto [it, end] = content.FindChildren(u"image"); it != end; ++it) {
        image_.reset();
        const XMLElement& image = *it->second;
        const std::int32_t width = TextToInt(image.GetAttribute(u"width"));
        const std::int32_t height = TextToInt(image.GetAttribute(u"height"));
        if (width == 0 || height == 0) {
            return true;
        }
        for (auto [data, dataEnd] = image.FindChildren(u"imagedata"); data != dataEnd; ++data) {
            SetImage(nullptr, width, height);
            DecodeImage(data->second->GetText());
        }
    }
    return true;
}

std::u16string ScribbleNoteData::GetTypeName() const { return u"scribble"; }

void ScribbleNoteData::SetImage(const Bitmap* source, int width, int height) {
    image_.reset();
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
        return;
    }
    image_ = std::make_unique<Bitmap>(width, height);
    if (source != nullptr) {
        image_->CopyAtOrigin(*source);
    }
}

std::u16string ScribbleNoteData::EncodeImage() const {
    return image_ ? EncodeAlphaRuns(*image_) : std::u16string();
}

void ScribbleNoteData::DecodeImage(std::u16string_view text) {
    if (image_) {
        DecodeAlphaRuns(text, GetStyle().textcolor, *image_);
    }
}

}  // namespace vesk
