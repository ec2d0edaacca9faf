#pragma once

#include <memory>
#include <string>

#include "notes/Bitmap.h"
#include "notes/NoteData.h"

namespace vesk {

// A note showing an image file. Only the path is stored; the image is decoded
// through the registered image decoder whenever the path is set.
class PictureNoteData : public NoteData {
public:
    PictureNoteData();

    // Also the path, the keep-ratio flag and the decoded picture, which both
    // records then share: a cancelled edit gets its picture back undecoded.
    void CopyFrom(const NoteData& other) override;
    bool SaveContent(XMLElement& content) const override;
    bool LoadContent(const XMLElement& content) override;
    std::u16string GetTypeName() const override;

    const std::u16string& GetSource() const { return source_; }
    // Keeps the path even when the file cannot be decoded, so it is saved
    // again unchanged.
    void SetSource(std::u16string source);
    bool GetMaintainRatio() const { return maintainRatio_; }
    void SetMaintainRatio(bool maintainRatio) { maintainRatio_ = maintainRatio; }

    // None when the file is missing, unreadable or there is no decoder.
    const Bitmap* GetPicture() const { return picture_.get(); }
    // For a window that keeps its own form of the picture: a new pointer
    // means a new picture.
    const std::shared_ptr<const Bitmap>& GetSharedPicture() const { return picture_; }
    int GetPictureWidth() const { return picture_ ? picture_->GetWidth() : 0; }
    int GetPictureHeight() const { return picture_ ? picture_->GetHeight() : 0; }

private:
    std::u16string source_;
    std::shared_ptr<const Bitmap> picture_;
    bool maintainRatio_ = true;
};

}  // namespace vesk
