#pragma once

#include "app/AlarmData.h"
#include "import/NarrowStream.h"
#include "settings/FontData.h"
#include "settings/FontEngine.h"
#include "settings/StyleData.h"
#include "xml/TextForms.h"

namespace vesk {

// The value forms that the previous version's notes, settings and single-note
// files share.

// A Windows file time as two unsigned numbers, high part first, whose
// calendar date and time are taken as local time. False, with the time left
// as it was, when it cannot be read or converted.
bool ReadTimeV3(NarrowStream& in, TimeValue& time);

// Twelve numbers, red, green and blue for bgcolor, bg2color, textcolor and
// titlecolor; a colour whose numbers cannot be read keeps its value.
void ReadStyleV3(NarrowStream& in, StyleData& style);

// The rest of the line, a line with the face, the size in pixels and the bold
// and italic flags. The size becomes points at the screen resolution; a font
// that cannot be made usable comes back as the default font.
FontData ReadFontV3(NarrowStream& in);

// The time, the repeat value and, on the rest of that line, the sound file.
// A repeat value the program does not know ends the read after the time.
void ReadAlarmV3(NarrowStream& in, AlarmData& alarm);

}  // namespace vesk
