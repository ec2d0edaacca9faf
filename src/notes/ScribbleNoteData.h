#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "notes/Bitmap.h"
#include "notes/NoteData.h"

namespace vesk {

// A note holding a free-hand drawing. Only the ink's coverage is stored; the
// ink is drawn in the style's text colour.
//
// The drawing's stored text is kept while the pixels stay as they were, so a
// save does not re-encode every unchanged drawing. Pixels change only through
// an ImageEdit, which drops the kept text and keeps any from being used or
// kept while it lives.
class ScribbleNoteData : public NoteData {
public:
    // Larger drawings are refused, so a crafted file cannot exhaust memory;
    // the scribble canvas never comes near it.
    static constexpr int kMaxImageSide = 8192;

    // Write access to the note's drawing, whatever drawing that is while it
    // lives; null when the note has none.
    class ImageEdit {
    public:
        explicit ImageEdit(ScribbleNoteData& note);
        ~ImageEdit();
        ImageEdit(const ImageEdit&) = delete;
        ImageEdit& operator=(const ImageEdit&) = delete;

        Bitmap* Get() const { return note_.image_.get(); }
        Bitmap* operator->() const { return Get(); }
        Bitmap& operator*() const { return *Get(); }

    private:
        ScribbleNoteData& note_;
    };

    ScribbleNoteData();

    // The drawing too, so a cancelled edit puts back what Clear Contents took.
    void CopyFrom(const NoteData& other) override;

    bool SaveContent(XMLElement& content) const override;
    bool LoadContent(const XMLElement& content) override;
    std::u16string GetTypeName() const override;

    // None when the note has no drawing.
    const Bitmap* GetImage() const { return image_.get(); }
    ImageEdit EditImage() { return ImageEdit(*this); }
    // A new transparent width × height drawing with the source, if any, copied
    // to its top-left corner unscaled. A side that is not positive or above
    // the limit leaves the note without a drawing.
    void SetImage(const Bitmap* source, int width, int height);
    void ClearImage();

    // Empty without a drawing.
    std::u16string EncodeImage() const;
    // Paints the text's runs into the current drawing; nothing without one.
    void DecodeImage(std::u16string_view text);

private:
    static bool SizeAllowed(int width, int height);
    // A width × height drawing made from the text alone.
    void ReadImage(std::u16string_view text, int width, int height);
    // The drawing's text, kept for later saves unless an edit is live, when
    // it is made in scratch instead.
    std::u16string_view Text(std::u16string& scratch) const;

    std::unique_ptr<Bitmap> image_;
    // The drawing's text, exactly as encoding the pixels gives it.
    mutable std::optional<std::u16string> encoded_;
    int liveEdits_ = 0;
};

}  // namespace vesk
