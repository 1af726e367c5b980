// dos/dates.cpp: date stamps in local time, comparing them, setting file dates, and Delay.
#include "dosprivate.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <ctime>

namespace hosted {

namespace {

// Days from 1 January 1970 to 1 January 1978.
constexpr long kEpochDays = 2922;

// The host's offset from UTC at a moment, cached per quarter hour: the
// time zone rules change offsets at most that often, and a drawer's
// entries share few distinct quarter hours.
long UtcOffset(time_t seconds)
{
    struct Slot {
        long long quarter = -1;
        long offset = 0;
    };
    thread_local Slot cache[64];
    long long quarter = static_cast<long long>(seconds) / 900;
    Slot &slot = cache[static_cast<unsigned long long>(quarter) % 64];
    if (slot.quarter != quarter) {
        struct tm local;
        time_t start = static_cast<time_t>(quarter * 900);
        slot.offset = localtime_r(&start, &local) != nullptr ? local.tm_gmtoff : 0;
        slot.quarter = quarter;
    }
    return slot.offset;
}

long long FloorDiv(long long a, long long b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

void DateStampOfTime(time_t seconds, long nanoseconds, struct DateStamp &stamp)
{
    long long local = static_cast<long long>(seconds) + UtcOffset(seconds);
    long long days = FloorDiv(local, 86400);
    long long inDay = local - days * 86400;
    stamp.ds_Days = static_cast<LONG>(days - kEpochDays);
    stamp.ds_Minute = static_cast<LONG>(inDay / 60);
    stamp.ds_Tick = static_cast<LONG>((inDay % 60) * TICKS_PER_SECOND + nanoseconds / 20000000L);
}

bool TimeOfDateStamp(const struct DateStamp &stamp, time_t &seconds, long &nanoseconds)
{
    if (stamp.ds_Minute < 0 || stamp.ds_Minute >= 24 * 60 || stamp.ds_Tick < 0 ||
        stamp.ds_Tick >= 60 * TICKS_PER_SECOND)
        return false;
    long long local = (static_cast<long long>(stamp.ds_Days) + kEpochDays) * 86400 +
                      stamp.ds_Minute * 60LL + stamp.ds_Tick / TICKS_PER_SECOND;
    // Local to UTC: the offset at the guess, then once more at the result
    // so that a date across a daylight saving change lands right.
    time_t guess = static_cast<time_t>(local - UtcOffset(static_cast<time_t>(local)));
    seconds = static_cast<time_t>(local - UtcOffset(guess));
    nanoseconds = (stamp.ds_Tick % TICKS_PER_SECOND) * 20000000L;
    return true;
}

}  // namespace hosted

/* Fills date with the current local time: days since 1 January 1978,
   minutes since midnight, ticks (1/50 s) since the minute. Returns date. */
struct DateStamp *DateStamp(struct DateStamp *date)
{
    if (date == nullptr)
        return nullptr;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    hosted::DateStampOfTime(now.tv_sec, now.tv_nsec, *date);
    return date;
}

/* Compares two dates: negative when date1 is later than date2, positive
   when it is earlier, 0 when they are equal (the system's order). */
LONG CompareDates(const struct DateStamp *date1, const struct DateStamp *date2)
{
    if (date1->ds_Days != date2->ds_Days)
        return date1->ds_Days < date2->ds_Days ? 1 : -1;
    if (date1->ds_Minute != date2->ds_Minute)
        return date1->ds_Minute < date2->ds_Minute ? 1 : -1;
    if (date1->ds_Tick != date2->ds_Tick)
        return date1->ds_Tick < date2->ds_Tick ? 1 : -1;
    return 0;
}

/* Waits for a number of ticks (1/50 s); 0 or less returns at once. The
   task counts as waiting meanwhile. */
void Delay(LONG timeout)
{
    if (timeout <= 0)
        return;
    hosted::WaitTimeout(0, static_cast<long>(timeout) * 1000 / TICKS_PER_SECOND);
}

/* Sets the date of a file or drawer (its modification time). FALSE with
   IoErr ERROR_BAD_NUMBER for a date out of range, else the host's error
   (ERROR_OBJECT_NOT_FOUND, ERROR_WRITE_PROTECTED ...). */
BOOL SetFileDate(CONST_STRPTR name, const struct DateStamp *date)
{
    if (hosted::DosFaultHits(hosted::DosCall::SetFileDate, name))
        return FALSE;
    std::string path;
    if (!hosted::ResolvePath(name, path))
        return FALSE;
    struct timespec times[2];
    if (date == nullptr || !hosted::TimeOfDateStamp(*date, times[1].tv_sec, times[1].tv_nsec)) {
        hosted::Fail(ERROR_BAD_NUMBER);
        return FALSE;
    }
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) {
        hosted::FailErrno(errno);
        return FALSE;
    }
    return TRUE;
}
