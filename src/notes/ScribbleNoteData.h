#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "notes/Bitmap.h"
#include "notes/NoteData.h"

namespace vesk {

// A note holding a free-hand drawing. Only the ink's coverage is stored; the
// ink is drawn in the style's text colour.
class ScribbleNoteData : public NoteData {
public:
    // Larger drawings are refused, so a crafted file cannot exhaust memory;
    // the scribble canvas never comes near it.
    static constexpr int kMaxImageSide = 8192;

    ScribbleNoteData();

    bool SaveContent(XMLElement& content) const override;
    bool LoadContent(const XMLElement& content) override;
    std::u16string GetTypeName() const override;

    // None when the note has no drawing.
    Bitmap* GetImage() { return image_.get(); }
    const Bitmap* GetImage() const { return image_.get(); }
    // A new transparent width × height drawing with the source, if any, copied
    // to its top-left corner unscaled. A side that is not positive or above
    // the limit leaves the note without a drawing.
    void SetImage(const Bitmap* source, int width, int height);
    void ClearImage() { image_.reset(); }

    // Empty without a drawing.
    std::u16string EncodeImage() const;
    // Paints the text's runs into the current drawing; nothing without one.
    void DecodeImage(std::u16string_view text);

private:
    static bool SizeAllowed(int width, int height);
    // A width × height drawing made from the text alone.
    void ReadImage(std::u16string_view text, int width, int height);

    std::unique_ptr<Bitmap> image_;
};

}  // namespace vesk
