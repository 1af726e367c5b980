// lister/date_format.h: the DateRequest record, entry dates as texts, and the date column's width.
#ifndef LISTER_DATE_FORMAT_H
#define LISTER_DATE_FORMAT_H

#include <dos/datetime.h>

// The one record handed to DateToStr for every date the lister shows: the
// system's DateTime (no day-of-week text) and the two 16-byte text buffers
// it fills. The format and flags are the configuration's DateFormat and
// DayNameSubstitution bytes, passed on unchanged.
struct DateRequest {
    struct DateTime dateTime = {};
    char dateText[LEN_DATSTRING] = {};
    char timeText[LEN_DATSTRING] = {};
};

// Sets the format (FORMAT_DOS … FORMAT_CDN) and flags (0 or DTF_SUBST).
void SetDateRequestFormat(DateRequest &request, UBYTE format, UBYTE flags);

// Converts `date` with DateToStr: afterwards request.dateText and
// request.timeText hold the texts to draw. DateToStr's result is not
// examined (a date it cannot show leaves texts that are drawn as they are);
// both texts are always NUL-terminated.
void FormatEntryDate(DateRequest &request, const struct DateStamp &date);

// The width of the date column in characters: the longest date text over
// tomorrow, today and the eight days before (at the current time of day) in
// the request's format and flags, plus 1. Uses the request as scratch.
ULONG MeasureDateWidth(DateRequest &request);

#endif /* LISTER_DATE_FORMAT_H */
