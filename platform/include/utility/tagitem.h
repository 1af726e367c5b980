/* utility/tagitem.h: tag items, the system's extensible argument lists. */
#ifndef UTILITY_TAGITEM_H
#define UTILITY_TAGITEM_H

#include <exec/types.h>

typedef ULONG Tag;

struct TagItem {
    Tag ti_Tag;
    IPTR ti_Data;
};

#define TAG_DONE 0UL      /* terminates the array */
#define TAG_END 0UL
#define TAG_IGNORE 1UL    /* ignore this item */
#define TAG_MORE 2UL      /* ti_Data is a pointer to another array */
#define TAG_SKIP 3UL      /* skip this and the next ti_Data items */
#define TAG_USER (1UL << 31)

/* FilterTagItems() logic */
#define TAGFILTER_AND 0
#define TAGFILTER_NOT 1

#endif /* UTILITY_TAGITEM_H */
