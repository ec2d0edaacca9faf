#include "xml/LocalTime.h"

#include <algorithm>
#include <cstdint>

namespace vesk {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar,
// the month counted from 0; days and months past their range count on.
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t monthIndex, std::int64_t day) {
    year += monthIndex / 12;
    monthIndex %= 12;
    if (monthIndex < 0) {
        monthIndex += 12;
        --year;
    }
    // Years begin in March, so that the leap day ends them.
    const std::int64_t marchYear = monthIndex < 2 ? year - 1 : year;
    const std::int64_t era = (marchYear >= 0 ? marchYear : marchYear - 399) / 400;
    const std::int64_t yearOfEra = marchYear - era * 400;
    const std::int64_t dayOfYear = (153 * ((monthIndex + 10) % 12) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

// The wall clock read as if it were UTC.
std::int64_t WallSeconds(const std::tm& local) {
    return DaysFromCivil(std::int64_t{local.tm_year} + 1900, local.tm_mon, local.tm_mday) *
               kSecondsPerDay +
           std::int64_t{local.tm_hour} * 3600 + std::int64_t{local.tm_min} * 60 + local.tm_sec;
}

// How far the wall clock is ahead of UTC at a point in time.
std::optional<std::int64_t> OffsetAt(TimeValue time) {
    std::tm local{};
    if (!ToLocalTime(time, local)) {
        return std::nullopt;
    }
    return WallSeconds(local) - time;
}

}  // namespace

bool ToLocalTime(TimeValue time, std::tm& local) {
    static const bool zoneRead = (tzset(), true);
    static_cast<void>(zoneRead);
    const std::time_t t = static_cast<std::time_t>(time);
    return localtime_r(&t, &local) != nullptr;
}

std::optional<TimeValue> FromLocalTime(const std::tm& local) {
    const std::int64_t wall = WallSeconds(local);
    // No zone is a day or more off UTC, and none changes its offset twice in
    // two days, so the offsets a day either side are the only candidates.
    const std::optional<std::int64_t> before = OffsetAt(wall - kSecondsPerDay);
    const std::optional<std::int64_t> after = OffsetAt(wall + kSecondsPerDay);
    if (!before || !after) {
        return std::nullopt;
    }
    const TimeValue early = wall - *before;
    const TimeValue late = wall - *after;
    const bool earlyShows = OffsetAt(early) == before;
    const bool lateShows = *after != *before && OffsetAt(late) == after;
    if (earlyShows && lateShows) {
        return std::min(early, late);
    }
    return lateShows ? late : early;
}

}  // namespace vesk
