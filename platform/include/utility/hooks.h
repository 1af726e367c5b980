/* utility/hooks.h: callback hooks. */
#ifndef UTILITY_HOOKS_H
#define UTILITY_HOOKS_H

#include <exec/nodes.h>

struct Hook {
    struct MinNode h_MinNode;
    IPTR (*h_Entry)(struct Hook *hook, APTR object, APTR message);
    IPTR (*h_SubEntry)(void);
    APTR h_Data;
};

typedef IPTR (*HOOKFUNC)(struct Hook *hook, APTR object, APTR message);

#endif /* UTILITY_HOOKS_H */
