// dos/datetostr.cpp: DateToStr and StrToDate: dates as the system writes and reads them.
#include "dosprivate.h"

#include <strings.h>

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const kWeekdays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};

struct Civil {
    long year;
    int month;   // 1-12
    int day;     // 1-31
};

// Days since 1 January 1978 to a calendar date (proleptic Gregorian).
Civil CivilOf(long days)
{
    long z = days + 2922 + 719468;   // days since 0000-03-01
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long dayOfEra = z - era * 146097;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long mp = (5 * dayOfYear + 2) / 153;
    Civil civil;
    civil.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    civil.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    civil.year = yearOfEra + era * 400 + (civil.month <= 2 ? 1 : 0);
    return civil;
}

long DaysOf(long year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    long era = (year >= 0 ? year : year - 399) / 400;
    long yearOfEra = year - era * 400;
    long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 - 2922;
}

int WeekdayOf(long days)
{
    long weekday = days % 7;   // 1 January 1978 was a Sunday
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

void Put(STRPTR target, const char *text)
{
    if (target == nullptr)
        return;
    size_t length = std::strlen(text);
    if (length > LEN_DATSTRING - 1)
        length = LEN_DATSTRING - 1;
    std::memcpy(target, text, length);
    target[length] = 0;
}

bool Number(const char *&text, int digitsMax, long &value)
{
    int digits = 0;
    value = 0;
    while (digits < digitsMax && std::isdigit(static_cast<unsigned char>(*text))) {
        value = value * 10 + (*text++ - '0');
        digits++;
    }
    return digits > 0;
}

bool Month(const char *&text, long &value)
{
    for (int m = 0; m < 12; m++) {
        if (strncasecmp(text, kMonths[m], 3) == 0) {
            value = m + 1;
            text += 3;
            return true;
        }
    }
    return false;
}

bool Dash(const char *&text)
{
    if (*text != '-' && *text != '/' && *text != '.')
        return false;
    text++;
    return true;
}

long FullYear(long year)
{
    if (year >= 100)
        return year;
    return year >= 78 ? 1900 + year : 2000 + year;
}

bool ParseDate(const struct DateTime *datetime, long today, long &days)
{
    const char *text = datetime->dat_StrDate;
    while (std::isspace(static_cast<unsigned char>(*text)))
        text++;
    const char *words[] = {"Today", "Yesterday", "Tomorrow"};
    const long offsets[] = {0, -1, 1};
    for (int i = 0; i < 3; i++) {
        if (strcasecmp(text, words[i]) == 0) {
            days = today + offsets[i];
            return true;
        }
    }
    for (int w = 0; w < 7; w++) {
        if (strcasecmp(text, kWeekdays[w]) == 0) {
            int delta = w - WeekdayOf(today);
            if (datetime->dat_Flags & DTF_FUTURE) {
                if (delta <= 0)
                    delta += 7;
            } else if (delta >= 0) {
                delta -= 7;
            }
            days = today + delta;
            return true;
        }
    }
    long a, b, c;
    bool ok;
    switch (datetime->dat_Format) {
    case FORMAT_INT:   // yy-mmm-dd
        ok = Number(text, 4, a) && Dash(text) && Month(text, b) && Dash(text) && Number(text, 2, c);
        if (ok)
            std::swap(a, c);   // now a day, b month, c year
        break;
    case FORMAT_USA:   // mm-dd-yy
        ok = Number(text, 2, b) && Dash(text) && Number(text, 2, a) && Dash(text) && Number(text, 4, c);
        break;
    case FORMAT_CDN:   // dd-mm-yy
        ok = Number(text, 2, a) && Dash(text) && Number(text, 2, b) && Dash(text) && Number(text, 4, c);
        break;
    default:           // dd-mmm-yy
        ok = Number(text, 2, a) && Dash(text) && Month(text, b) && Dash(text) && Number(text, 4, c);
        break;
    }
    if (!ok || *text != 0 || b < 1 || b > 12 || a < 1)
        return false;
    long year = FullYear(c);
    static const int kLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (a > kLengths[b - 1] || (b == 2 && a == 29 && !leap))
        return false;
    days = DaysOf(year, static_cast<int>(b), static_cast<int>(a));
    return true;
}

bool ParseTime(const char *text, long &minute, long &tick)
{
    long hours, minutes, seconds = 0;
    while (std::isspace(static_cast<unsigned char>(*text)))
        text++;
    if (!Number(text, 2, hours) || *text++ != ':' || !Number(text, 2, minutes))
        return false;
    if (*text == ':' && !Number(++text, 2, seconds))
        return false;
    if (*text != 0 || hours > 23 || minutes > 59 || seconds > 59)
        return false;
    minute = hours * 60 + minutes;
    tick = seconds * TICKS_PER_SECOND;
    return true;
}

}  // namespace

/* Writes a date as text. dat_StrDate gets the date in dat_Format:
   FORMAT_DOS "dd-mmm-yy", FORMAT_INT "yy-mmm-dd", FORMAT_USA "mm-dd-yy",
   FORMAT_CDN "dd-mm-yy" (FORMAT_DEF is FORMAT_DOS here); with DTF_SUBST,
   "Yesterday", "Today" or "Tomorrow", and the weekday's name for the five
   days before yesterday. dat_StrTime gets "hh:mm:ss", dat_StrDay the
   weekday's name. Null string pointers are skipped; each buffer must hold
   LEN_DATSTRING (16) bytes. FALSE for a date stamp out of range or an
   unknown format. */
BOOL DateToStr(struct DateTime *datetime)
{
    if (datetime == nullptr)
        return FALSE;
    const struct DateStamp &stamp = datetime->dat_Stamp;
    if (stamp.ds_Days < 0 || stamp.ds_Minute < 0 || stamp.ds_Minute >= 24 * 60 || stamp.ds_Tick < 0 ||
        stamp.ds_Tick >= 60 * TICKS_PER_SECOND || datetime->dat_Format > FORMAT_DEF)
        return FALSE;
    long days = stamp.ds_Days;
    Civil civil = CivilOf(days);
    int weekday = WeekdayOf(days);
    char date[48];
    int year = static_cast<int>(civil.year % 100);
    int month = civil.month % 13, day = civil.day % 32;
    switch (datetime->dat_Format) {
    case FORMAT_INT:
        std::snprintf(date, sizeof date, "%02d-%s-%02d", year, kMonths[(month + 11) % 12], day);
        break;
    case FORMAT_USA:
        std::snprintf(date, sizeof date, "%02d-%02d-%02d", month, day, year);
        break;
    case FORMAT_CDN:
        std::snprintf(date, sizeof date, "%02d-%02d-%02d", day, month, year);
        break;
    default:
        std::snprintf(date, sizeof date, "%02d-%s-%02d", day, kMonths[(month + 11) % 12], year);
        break;
    }
    if (datetime->dat_Flags & DTF_SUBST) {
        struct DateStamp now;
        DateStamp(&now);
        long delta = days - now.ds_Days;
        if (delta == 0)
            std::snprintf(date, sizeof date, "Today");
        else if (delta == -1)
            std::snprintf(date, sizeof date, "Yesterday");
        else if (delta == 1)
            std::snprintf(date, sizeof date, "Tomorrow");
        else if (delta < -1 && delta > -7)
            std::snprintf(date, sizeof date, "%s", kWeekdays[weekday]);
    }
    Put(datetime->dat_StrDate, date);
    Put(datetime->dat_StrDay, kWeekdays[weekday]);
    if (datetime->dat_StrTime != nullptr) {
        char time[48];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", static_cast<int>(stamp.ds_Minute / 60),
                      static_cast<int>(stamp.ds_Minute % 60), static_cast<int>(stamp.ds_Tick / TICKS_PER_SECOND));
        Put(datetime->dat_StrTime, time);
    }
    return TRUE;
}

/* Reads dat_StrDate (in dat_Format, or "Today", "Yesterday", "Tomorrow"
   or a weekday: the last one, or with DTF_FUTURE the next) and dat_StrTime
   ("hh:mm" or "hh:mm:ss") into dat_Stamp; a null string leaves that part
   of the stamp alone. Two-digit years 78-99 are 19xx, 00-77 20xx. FALSE
   (the stamp unchanged) when a string does not parse. */
BOOL StrToDate(struct DateTime *datetime)
{
    if (datetime == nullptr)
        return FALSE;
    struct DateStamp now;
    DateStamp(&now);
    long days = datetime->dat_Stamp.ds_Days;
    long minute = datetime->dat_Stamp.ds_Minute;
    long tick = datetime->dat_Stamp.ds_Tick;
    if (datetime->dat_StrDate != nullptr && !ParseDate(datetime, now.ds_Days, days))
        return FALSE;
    if (datetime->dat_StrTime != nullptr && !ParseTime(datetime->dat_StrTime, minute, tick))
        return FALSE;
    if (days < 0)
        return FALSE;
    datetime->dat_Stamp.ds_Days = static_cast<LONG>(days);
    datetime->dat_Stamp.ds_Minute = static_cast<LONG>(minute);
    datetime->dat_Stamp.ds_Tick = static_cast<LONG>(tick);
    return TRUE;
}
