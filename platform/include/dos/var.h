/* dos/var.h: flags of the environment variable calls. */
#ifndef DOS_VAR_H
#define DOS_VAR_H

#include <exec/nodes.h>

struct LocalVar {
    struct Node lv_Node;
    UWORD lv_Flags;
    UBYTE *lv_Value;
    ULONG lv_Len;
};

#define LV_VAR 0
#define LV_ALIAS 1
#define LVB_IGNORE 7
#define LVF_IGNORE 0x80

#define GVB_GLOBAL_ONLY 8
#define GVF_GLOBAL_ONLY (1L << GVB_GLOBAL_ONLY)         /* 0x100: only the global variables in ENV: */
#define GVB_LOCAL_ONLY 9
#define GVF_LOCAL_ONLY (1L << GVB_LOCAL_ONLY)           /* 0x200: only the process's local variables */
#define GVB_BINARY_VAR 10
#define GVF_BINARY_VAR (1L << GVB_BINARY_VAR)           /* 0x400: raw bytes, the byte count returned */
#define GVB_DONT_NULL_TERM 11
#define GVF_DONT_NULL_TERM (1L << GVB_DONT_NULL_TERM)   /* 0x800: with GVF_BINARY_VAR, no terminating zero */
#define GVB_SAVE_VAR 12
#define GVF_SAVE_VAR (1L << GVB_SAVE_VAR)               /* SetVar(): also write ENVARC: */

#endif /* DOS_VAR_H */
