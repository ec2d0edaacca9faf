#pragma once

#include <QColor>

#include "xml/TextForms.h"

namespace vesk {

// Stored colours carry no alpha; on screen they are always opaque.
inline QColor ToQColor(COLORREF colour) {
    return {int(GetRValue(colour)), int(GetGValue(colour)), int(GetBValue(colour))};
}

}  // namespace vesk
