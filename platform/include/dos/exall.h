/* dos/exall.h: ExAll's records and its control: a drawer examined many entries at a time. */
#ifndef DOS_EXALL_H
#define DOS_EXALL_H

#include <exec/types.h>
#include <utility/hooks.h>

/* What ExAll fills in for each entry: every field up to and including the
   one of the type asked for (the record ends there; its strings follow). */
#define ED_NAME 1        /* ed_Name */
#define ED_TYPE 2        /* ... ed_Type */
#define ED_SIZE 3        /* ... ed_Size */
#define ED_PROTECTION 4  /* ... ed_Prot */
#define ED_DATE 5        /* ... ed_Days, ed_Mins, ed_Ticks */
#define ED_COMMENT 6     /* ... ed_Comment */
#define ED_OWNER 7       /* ... ed_OwnerUID, ed_OwnerGID */

struct ExAllData {
    struct ExAllData *ed_Next;   /* the next record in the buffer, NULL after the last */
    UBYTE *ed_Name;
    LONG ed_Type;                /* as fib_DirEntryType */
    ULONG ed_Size;               /* as fib_Size (saturated) */
    ULONG ed_Prot;               /* as fib_Protection */
    ULONG ed_Days;
    ULONG ed_Mins;
    ULONG ed_Ticks;
    UBYTE *ed_Comment;           /* "" when there is none */
    UWORD ed_OwnerUID;
    UWORD ed_OwnerGID;
};

/* Made by AllocDosObject(DOS_EXALLCONTROL, NULL). */
struct ExAllControl {
    ULONG eac_Entries;           /* records in the buffer after a call */
    ULONG eac_LastKey;           /* 0 before the first call; not to be touched between calls */
    UBYTE *eac_MatchString;      /* must be NULL on this host */
    struct Hook *eac_MatchFunc;  /* NULL, or a hook that decides which entries are kept */
};

#endif /* DOS_EXALL_H */
