// lister/date_format.cpp: entry dates through DateToStr, and measuring the date column.
#include "date_format.h"

#include <proto/dos.h>

#include <cstring>

void SetDateRequestFormat(DateRequest &request, UBYTE format, UBYTE flags)
{
    request.dateTime.dat_Format = format;
    request.dateTime.dat_Flags = flags;
}

void FormatEntryDate(DateRequest &request, const struct DateStamp &date)
{
    // The text pointers are set on every call so that a copied record never
    // writes into the buffers of the one it was copied from.
    request.dateTime.dat_Stamp = date;
    request.dateTime.dat_StrDay = nullptr;
    request.dateTime.dat_StrDate = request.dateText;
    request.dateTime.dat_StrTime = request.timeText;
    request.dateText[0] = '\0';
    request.timeText[0] = '\0';
    DateToStr(&request.dateTime);
    request.dateText[LEN_DATSTRING - 1] = '\0';
    request.timeText[LEN_DATSTRING - 1] = '\0';
}

ULONG MeasureDateWidth(DateRequest &request)
{
    struct DateStamp now;
    DateStamp(&now);
    now.ds_Days += 1;
    ULONG longest = 0;
    for (int sample = 0; sample < 10; sample++, now.ds_Days--) {
        FormatEntryDate(request, now);
        ULONG length = ULONG(std::strlen(request.dateText));
        if (length > longest)
            longest = length;
    }
    return longest + 1;
}
