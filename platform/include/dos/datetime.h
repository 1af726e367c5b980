/* dos/datetime.h: the DateTime record of DateToStr() and StrToDate(). */
#ifndef DOS_DATETIME_H
#define DOS_DATETIME_H

#include <dos/dos.h>

struct DateTime {
    struct DateStamp dat_Stamp;   /* the date */
    UBYTE dat_Format;             /* FORMAT_... */
    UBYTE dat_Flags;              /* DTF_... */
    STRPTR dat_StrDay;            /* the weekday, or NULL */
    STRPTR dat_StrDate;           /* the date, or NULL */
    STRPTR dat_StrTime;           /* the time, or NULL */
};

#define LEN_DATSTRING 16

/* dat_Flags */
#define DTB_SUBST 0    /* Today, Yesterday, Tomorrow and weekday names */
#define DTF_SUBST 1
#define DTB_FUTURE 1   /* StrToDate(): a weekday means the next one */
#define DTF_FUTURE 2

/* dat_Format */
#define FORMAT_DOS 0   /* dd-mmm-yy */
#define FORMAT_INT 1   /* yy-mmm-dd */
#define FORMAT_USA 2   /* mm-dd-yy */
#define FORMAT_CDN 3   /* dd-mm-yy */
#define FORMAT_MAX FORMAT_CDN
#define FORMAT_DEF 4   /* the locale's format */

#endif /* DOS_DATETIME_H */
