/* proto/utility.h: the utility library's functions. */
#ifndef PROTO_UTILITY_H
#define PROTO_UTILITY_H

#include <utility/tagitem.h>
#include <utility/hooks.h>
#include <utility/utility.h>

/* Walks a tag list, following TAG_MORE and skipping TAG_IGNORE/TAG_SKIP.
   Returns the next real item and advances *tagListPtr; NULL at the end. */
struct TagItem *NextTagItem(struct TagItem **tagListPtr);
struct TagItem *NextTagItem(const struct TagItem **tagListPtr);

/* Returns the first item with this tag, or NULL. */
struct TagItem *FindTagItem(Tag tagValue, const struct TagItem *tagList);

/* Returns the data of the first item with this tag, or defaultVal. */
IPTR GetTagData(Tag tagValue, IPTR defaultVal, const struct TagItem *tagList);

/* Calls a hook with an object and a message; returns the hook's result. */
IPTR CallHookPkt(struct Hook *hook, APTR object, APTR paramPacket);

/* Case-insensitive comparison of Latin-1 strings: <0, 0, >0. */
LONG Stricmp(CONST_STRPTR string1, CONST_STRPTR string2);
LONG Strnicmp(CONST_STRPTR string1, CONST_STRPTR string2, LONG length);
UBYTE ToUpper(ULONG character);
UBYTE ToLower(ULONG character);

#endif /* PROTO_UTILITY_H */
