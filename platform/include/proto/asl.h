/* proto/asl.h: the file requester's functions. */
#ifndef PROTO_ASL_H
#define PROTO_ASL_H

#include <libraries/asl.h>
#include <proto/hosted_tags.h>

/* Makes a requester of a kind (ASL_FileRequest) with default settings
   from the tags (the ASLFR_ tags AslRequest takes). NULL when the kind is
   not one this host has (IoErr ERROR_NOT_IMPLEMENTED) or memory is short
   (ERROR_NO_FREE_STORE). Free it with FreeAslRequest. */
APTR AllocAslRequest(ULONG reqType, const struct TagItem *tagList);

/* Shows the requester and waits for the person's choice. The tags of this
   call come on top of those given before. Returns TRUE when a choice was
   made: fr_Drawer holds the drawer and fr_File the file's name ("" in
   drawers-only mode). FALSE when the person cancelled (IoErr 0) or the
   requester could not be shown (IoErr says why). */
BOOL AslRequest(APTR requester, const struct TagItem *tagList);

/* Frees a requester and its texts. NULL is ignored. */
void FreeAslRequest(APTR requester);

#ifdef __cplusplus
/* AllocAslRequestTags(ASL_FileRequest, ASLFR_TitleText, "x", TAG_DONE) and
   AslRequestTags(request, tags..., TAG_DONE) in place of the real system's
   varargs stubs. */
template <typename... Items>
inline APTR AllocAslRequestTags(ULONG reqType, Items... items)
{
    static_assert(sizeof...(Items) % 2 == 1, "tags come in pairs and end with TAG_DONE");
    hosted_tags::List<Items...> list(items...);
    return AllocAslRequest(reqType, list.items);
}

template <typename... Items>
inline BOOL AslRequestTags(APTR requester, Items... items)
{
    static_assert(sizeof...(Items) % 2 == 1, "tags come in pairs and end with TAG_DONE");
    hosted_tags::List<Items...> list(items...);
    return AslRequest(requester, list.items);
}
#endif

#endif /* PROTO_ASL_H */
