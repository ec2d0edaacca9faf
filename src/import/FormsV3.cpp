#include "import/FormsV3.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

#include "xml/LocalTime.h"

namespace vesk {

namespace {

constexpr std::uint64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsPerDay = 86'400;
// Days from 1 January 1601, where file times start, to 1 January 1970.
constexpr std::int64_t kFileTimeEpochDays = 134'774;
constexpr double kPointsPerInch = 72.0;

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

// Proleptic Gregorian date of a day counted from 1 January 1970.
CivilDate CivilFromDays(std::int64_t days) {
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const auto month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

bool ReadTimeV3(NarrowStream& in, TimeValue& time) {
    std::uint32_t high = 0;
    std::uint32_t low = 0;
    if (!in.ReadUInt32(high) || !in.ReadUInt32(low)) {
        return false;
    }
    const std::uint64_t ticks = std::uint64_t{high} << 32 | low;
    // File times with the top bit set have no calendar date.
    if (ticks >> 63 != 0) {
        return false;
    }
    const std::uint64_t seconds = ticks / kTicksPerSecond;
    const auto days = static_cast<std::int64_t>(seconds / kSecondsPerDay);
    const auto secondOfDay = static_cast<int>(seconds % kSecondsPerDay);
    const CivilDate date = CivilFromDays(days - kFileTimeEpochDays);
    // Times before 1900 are not valid points in time, as in the text form.
    if (date.year < 1900) {
        return false;
    }
    std::tm local{};
    local.tm_year = static_cast<int>(date.year - 1900);
    local.tm_mon = date.month - 1;
    local.tm_mday = date.day;
    local.tm_hour = secondOfDay / 3600;
    local.tm_min = secondOfDay / 60 % 60;
    local.tm_sec = secondOfDay % 60;
    const std::optional<TimeValue> converted = FromLocalTime(local);
    if (!converted) {
        return false;
    }
    time = *converted;
    return true;
}

void ReadStyleV3(NarrowStream& in, StyleData& style) {
    for (COLORREF* color : {&style.bgcolor, &style.bg2color, &style.textcolor, &style.titlecolor}) {
        std::uint16_t red = 0;
        std::uint16_t green = 0;
        std::uint16_t blue = 0;
        if (in.ReadUInt16(red) && in.ReadUInt16(green) && in.ReadUInt16(blue)) {
            *color = RGB(red, green, blue);
        }
    }
}

FontData ReadFontV3(NarrowStream& in) {
    FontData font;
    in.SkipRestOfLine();
    std::string face;
    if (in.ReadLine(face)) {
        font.SetFace(NarrowToWide(face));
    }
    std::int32_t pixels = 0;
    if (in.ReadInt32(pixels)) {
        const double points = std::round(pixels / (GetScreenResolution() / kPointsPerInch));
        constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
        constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
        font.SetSize(static_cast<std::int32_t>(std::clamp(points, kLowest, kHighest)));
    }
    bool flag = false;
    if (in.ReadFlag(flag)) {
        font.SetBold(flag);
    }
    if (in.ReadFlag(flag)) {
        font.SetItalics(flag);
    }
    if (!font.MakeUsable()) {
        return FontData();
    }
    return font;
}

void ReadAlarmV3(NarrowStream& in, AlarmData& alarm) {
    ReadTimeV3(in, alarm.time);
    std::uint16_t repeat = 0;
    if (!in.ReadUInt16(repeat) || repeat > AlarmData::kRepeatLoop) {
        return;
    }
    alarm.repeat = repeat;
    std::string soundFile;
    if (in.ReadLine(soundFile)) {
        alarm.soundfile = NarrowToWide(soundFile);
    }
}

}  // namespace vesk
