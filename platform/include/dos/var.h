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
#define GVF_GLOBAL_ONLY 0x100      /* only the global variables in ENV: */
#define GVB_LOCAL_ONLY 9
#define GVF_LOCAL_ONLY 0x200
#define GVB_BINARY_VAR 9
#define GVF_BINARY_VAR 0x200       /* no line-feed processing, return the byte count */
#define GVB_DONT_NULL_TERM 10
#define GVF_DONT_NULL_TERM 0x400   /* with GVF_BINARY_VAR: no terminating zero */
#define GVB_SAVE_VAR 9
#define GVF_SAVE_VAR 0x200         /* SetVar(): also write ENVARC: */

#endif /* DOS_VAR_H */
