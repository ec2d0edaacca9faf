#include "notes/PictureNoteData.h"

#include <utility>

#include "notes/ImageDecoder.h"
#include "xml/XMLElement.h"

namespace vesk {

PictureNoteData::PictureNoteData() : NoteData(kPicture, Rect{}, StyleData{}, kLoadingAlpha) {}

void PictureNoteData::CopyFrom(const NoteData& other) {
    if (const auto* picture = dynamic_cast<const PictureNoteData*>(&other)) {
        source_ = picture->source_;
        picture_ = picture->picture_;
        maintainRatio_ = picture->maintainRatio_;
    }
    NoteData::CopyFrom(other);
}

bool PictureNoteData::SaveContent(XMLElement& content) const {
    XMLElement& image = content.AddChild(u"image");
    if (maintainRatio_) {
        image.SetAttribute(u"maintainratio", u"true");
    }
    image.AddChild(u"source", false, true).SetText(source_);
    return true;
}

bool PictureNoteData::LoadContent(const XMLElement& content) {
    // The last source wins; it is decoded once, however many there are.
    std::u16string source;
    for (const XMLElement* image : content.FindChildren(u"image")) {
        maintainRatio_ = image->GetAttribute(u"maintainratio") == u"true";
        if (const auto sources = image->FindChildren(u"source"); !sources.empty()) {
            source = sources.back()->GetText();
        }
    }
    SetSource(std::move(source));
    return true;
}

std::u16string PictureNoteData::GetTypeName() const { return u"picture"; }

void PictureNoteData::SetSource(std::u16string source) {
    source_ = std::move(source);
    picture_.reset();
    ImageDecoder* decoder = GetImageDecoder();
    if (source_.empty() || decoder == nullptr) {
        return;
    }
    picture_ = decoder->Decode(WideToPath(source_));
    if (picture_ && picture_->GetWidth() == 0) {
        picture_.reset();
    }
}

}  // namespace vesk
