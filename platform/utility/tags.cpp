// utility/tags.cpp: walking and searching tag lists.
#include <hosted/task.h>
#include <proto/exec.h>
#include <proto/utility.h>

/* Returns the next real item of a tag list and advances the pointer past
   it; follows TAG_MORE, skips TAG_IGNORE and TAG_SKIP. NULL at the end. */
struct TagItem *NextTagItem(const struct TagItem **tagListPtr)
{
    const struct TagItem *item = *tagListPtr;
    while (item != nullptr) {
        switch (item->ti_Tag) {
        case TAG_DONE:
            *tagListPtr = nullptr;
            return nullptr;
        case TAG_MORE:
            item = reinterpret_cast<const struct TagItem *>(item->ti_Data);
            continue;
        case TAG_IGNORE:
            item++;
            continue;
        case TAG_SKIP:
            item += item->ti_Data + 1;
            continue;
        default:
            *tagListPtr = item + 1;
            return const_cast<struct TagItem *>(item);
        }
    }
    *tagListPtr = nullptr;
    return nullptr;
}

struct TagItem *NextTagItem(struct TagItem **tagListPtr)
{
    return NextTagItem(const_cast<const struct TagItem **>(tagListPtr));
}

/* Returns the first item with this tag, or NULL. */
struct TagItem *FindTagItem(Tag tagValue, const struct TagItem *tagList)
{
    const struct TagItem *walk = tagList;
    while (struct TagItem *item = NextTagItem(&walk)) {
        if (item->ti_Tag == tagValue)
            return item;
    }
    return nullptr;
}

/* Returns the data of the first item with this tag, or defaultVal. */
IPTR GetTagData(Tag tagValue, IPTR defaultVal, const struct TagItem *tagList)
{
    struct TagItem *item = FindTagItem(tagValue, tagList);
    return item != nullptr ? item->ti_Data : defaultVal;
}

IPTR CallHookPkt(struct Hook *hook, APTR object, APTR paramPacket)
{
    return hook->h_Entry(hook, object, paramPacket);
}

namespace {

struct Library gUtilityBase{};

const bool gUtilityRegistered =
    hosted::RegisterLibraryBase(&gUtilityBase, UTILITYNAME, 50, "utility 50.1 (hosted)");

}  // namespace
