#pragma once

#include <ctime>
#include <optional>

#include "xml/TextForms.h"

namespace vesk {

// Conversions between points in time and the local wall clock. The zone is
// read once, by the first conversion of the run (or by whoever calls tzset
// to change it); mktime would look at the zone file again on every call,
// which made loading many notes slow.

// The wall clock at a point in time; false when it cannot be shown.
bool ToLocalTime(TimeValue time, std::tm& local);

// The point in time at which the wall clock shows the year, month, day,
// hour, minute and second of local (the other fields are not looked at),
// with daylight saving as the zone has it. Fields past their range roll
// over (the 31st of February is early March). A time shown twice, when the
// clock is put back, is taken at its first showing; a time skipped, when the
// clock is put forward, is read with the offset in force before the change.
// None when the zone cannot convert it.
std::optional<TimeValue> FromLocalTime(const std::tm& local);

}  // namespace vesk
