// boopsi/notify.cpp: interconnection: passing an object's changes to its ICA_TARGET through its ICA_MAP.
#include "classdata.h"

#include <proto/exec.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

#include <intuition/icclass.h>

namespace hosted::boopsi {
namespace {

// The attribute an ICA_MAP turns a tag into; tags not in the map pass
// unchanged, as on the real system.
Tag MapTag(const struct TagItem *map, Tag tag)
{
    if (map == nullptr)
        return tag;
    const struct TagItem *walk = map;
    while (struct TagItem *pair = NextTagItem(&walk)) {
        if (pair->ti_Tag == tag)
            return static_cast<Tag>(pair->ti_Data);
    }
    return tag;
}

ULONG CountTags(const struct TagItem *tags)
{
    ULONG count = 0;
    const struct TagItem *walk = tags;
    while (NextTagItem(&walk) != nullptr)
        count++;
    return count;
}

}  // namespace

void SetConnection(Connection &connection, const struct TagItem *tags)
{
    const struct TagItem *walk = tags;
    while (struct TagItem *item = NextTagItem(&walk)) {
        if (item->ti_Tag == ICA_TARGET)
            connection.target = reinterpret_cast<Object *>(item->ti_Data);
        else if (item->ti_Tag == ICA_MAP)
            connection.map = reinterpret_cast<struct TagItem *>(item->ti_Data);
    }
}

IPTR Notify(Connection &connection, Object *sender, struct opUpdate *msg)
{
    if (connection.target == nullptr || connection.notifying || msg->opu_AttrList == nullptr)
        return 0;

    // The mapped copy: the target may keep nothing of it after OM_UPDATE.
    ULONG count = CountTags(msg->opu_AttrList);
    auto *mapped = static_cast<struct TagItem *>(AllocVec((count + 1) * sizeof(struct TagItem), MEMF_CLEAR));
    if (mapped == nullptr)
        return 0;
    ULONG n = 0;
    const struct TagItem *walk = msg->opu_AttrList;
    while (struct TagItem *item = NextTagItem(&walk)) {
        Tag tag = MapTag(connection.map, item->ti_Tag);
        if (tag == TAG_IGNORE || tag == TAG_DONE)
            continue;
        mapped[n].ti_Tag = tag;
        mapped[n].ti_Data = item->ti_Data;
        n++;
    }
    mapped[n].ti_Tag = TAG_DONE;

    IPTR result = 0;
    connection.notifying = true;
    if (reinterpret_cast<IPTR>(connection.target) == ICTARGET_IDCMP) {
        auto code = static_cast<UWORD>(GetTagData(ICSPECIAL_CODE, 0, mapped));
        SendIdcmpUpdate(msg->opu_GInfo, reinterpret_cast<struct Gadget *>(sender), mapped, code);
    } else {
        struct opUpdate update{};
        update.MethodID = OM_UPDATE;
        update.opu_AttrList = mapped;
        update.opu_GInfo = msg->opu_GInfo;
        update.opu_Flags = msg->opu_Flags;
        result = DoMethodA(connection.target, reinterpret_cast<Msg>(&update));
    }
    connection.notifying = false;
    FreeVec(mapped);
    return result;
}

void NotifyAttrs(Object *obj, struct GadgetInfo *info, ULONG flags, const struct TagItem *tags)
{
    struct opUpdate msg{};
    msg.MethodID = OM_NOTIFY;
    msg.opu_AttrList = const_cast<struct TagItem *>(tags);
    msg.opu_GInfo = info;
    msg.opu_Flags = flags;
    DoMethodA(obj, reinterpret_cast<Msg>(&msg));
}

}  // namespace hosted::boopsi
