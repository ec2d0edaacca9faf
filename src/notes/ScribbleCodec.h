#pragma once

#include <string>
#include <string_view>

#include "notes/Bitmap.h"
#include "xml/TextForms.h"

namespace vesk {

// The stored text of a drawing: runs of equal pixels over the whole image, row
// after row, each written as a space, the run length in hexadecimal when it is
// above 1, and the run's alpha as two hexadecimal digits. Only coverage is
// kept; the ink colour comes from the note's style when the text is read.
std::u16string EncodeAlphaRuns(const Bitmap& image);

struct DecodedRuns {
    // How many pixels, from the top-left one on, the text reached.
    std::size_t painted;
    // Whether the text is exactly what encoding the pixels gives: it covers
    // every pixel, no two neighbouring runs share an alpha, and every token is
    // spelled the encoder's way.
    bool canonical;
};

// Paints the runs of the text into the image in the given ink colour, from the
// top-left pixel on. A one-character token ends the text; runs past the last
// row are dropped; pixels the text does not reach are left as they were.
DecodedRuns DecodeAlphaRuns(std::u16string_view text, COLORREF ink, Bitmap& image);

}  // namespace vesk
