// boopsi/rootclass.cpp: rootclass, where every object is allocated, freed and put on lists.
#include "classdata.h"

#include <proto/exec.h>
#include <proto/intuition_boopsi.h>

namespace hosted::boopsi {
namespace {

// OM_NEW reaches rootclass with the object's true class in place of the
// object: the memory for every class of the chain is allocated here, and
// the subclasses fill in their parts on the way back.
IPTR RootNew(struct IClass *trueClass)
{
    auto *header = static_cast<struct _Object *>(AllocVec(SIZEOF_INSTANCE(trueClass), MEMF_CLEAR | MEMF_PUBLIC));
    if (header == nullptr)
        return 0;
    header->o_Class = trueClass;
    CountObject(trueClass, +1);
    return reinterpret_cast<IPTR>(BASEOBJECT(header));
}

void RootDispose(Object *obj)
{
    struct _Object *header = _OBJECT(obj);
    CountObject(header->o_Class, -1);
    FreeVec(header);
}

}  // namespace

IPTR RootDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    (void)cl;
    switch (msg->MethodID) {
    case OM_NEW:
        return RootNew(reinterpret_cast<struct IClass *>(obj));
    case OM_DISPOSE:
        RootDispose(obj);
        return 0;
    case OM_ADDTAIL: {
        auto *list = reinterpret_cast<struct opAddTail *>(msg)->opat_List;
        AddTail(list, reinterpret_cast<struct Node *>(&_OBJECT(obj)->o_Node));
        return 0;
    }
    case OM_REMOVE:
        Remove(reinterpret_cast<struct Node *>(&_OBJECT(obj)->o_Node));
        return 0;
    default:
        // OM_SET, OM_GET, OM_UPDATE, OM_NOTIFY: nothing known at the root.
        return 0;
    }
}

}  // namespace hosted::boopsi
