/* exec/resident.h: the resident (ROMTag) structure that marks loadable modules.
   In a loaded 68k hunk program the structure is stored big-endian with 32-bit
   pointers; the RT_ offsets give its layout there. */
#ifndef EXEC_RESIDENT_H
#define EXEC_RESIDENT_H

#include <exec/types.h>

struct Resident {
    UWORD rt_MatchWord;
    struct Resident *rt_MatchTag;
    APTR rt_EndSkip;
    UBYTE rt_Flags;
    UBYTE rt_Version;
    UBYTE rt_Type;
    BYTE rt_Pri;
    char *rt_Name;
    char *rt_IdString;
    APTR rt_Init;
};

#define RTC_MATCHWORD 0x4AFC

#define RTF_AUTOINIT (1 << 7)
#define RTF_AFTERDOS (1 << 2)
#define RTF_SINGLETASK (1 << 1)
#define RTF_COLDSTART (1 << 0)

/* Byte offsets of the fields in the 68k layout (two-byte alignment, 32-bit
   pointers), for reading a resident structure inside a loaded segment. */
#define RT_MATCHWORD 0
#define RT_MATCHTAG 2
#define RT_ENDSKIP 6
#define RT_FLAGS 10
#define RT_VERSION 11
#define RT_TYPE 12
#define RT_PRI 13
#define RT_NAME 14
#define RT_IDSTRING 18
#define RT_INIT 22

#endif /* EXEC_RESIDENT_H */
