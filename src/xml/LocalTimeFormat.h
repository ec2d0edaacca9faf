#pragma once

#include <string>
#include <string_view>

#include "xml/TextForms.h"

namespace vesk {

// The time as local time in a strftime format typed by the user, such as the
// settings' date format. At most 128 characters; empty when the time cannot
// be converted.
std::u16string FormatLocalTime(TimeValue time, std::u16string_view format);

}  // namespace vesk
