// boopsi/objects.cpp: making and freeing objects, calling their methods, setting and reading attributes.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/intuition_boopsi.h>

/* Calls a method on an object through its true class. 0 for a NULL object
   or a class without a dispatcher. */
IPTR DoMethodA(Object *obj, Msg message)
{
    if (obj == nullptr)
        return 0;
    return CoerceMethodA(OCLASS(obj), obj, message);
}

/* Calls a method as the superclass of cl handles it: how a dispatcher
   passes on what it does not handle itself. */
IPTR DoSuperMethodA(struct IClass *cl, Object *obj, Msg message)
{
    if (cl == nullptr || obj == nullptr)
        return 0;
    return CoerceMethodA(cl->cl_Super, obj, message);
}

/* Calls a method as class cl handles it, whatever the object's own class. */
IPTR CoerceMethodA(struct IClass *cl, Object *obj, Msg message)
{
    if (cl == nullptr || obj == nullptr || cl->cl_Dispatcher.h_Entry == nullptr)
        return 0;
    return cl->cl_Dispatcher.h_Entry(&cl->cl_Dispatcher, obj, message);
}

/* Makes an object: OM_NEW goes to the class with the class itself as the
   object, and rootclass allocates the memory for the whole chain. NULL when
   the class is unknown or a class refused. */
APTR NewObjectA(struct IClass *classPtr, ClassID classID, const struct TagItem *tagList)
{
    if (classPtr == nullptr)
        classPtr = hosted::FindPublicClass(classID);
    if (classPtr == nullptr)
        return nullptr;
    struct opSet msg{};
    msg.MethodID = OM_NEW;
    msg.ops_AttrList = const_cast<struct TagItem *>(tagList);
    msg.ops_GInfo = nullptr;
    return reinterpret_cast<APTR>(CoerceMethodA(classPtr, reinterpret_cast<Object *>(classPtr),
                                                reinterpret_cast<Msg>(&msg)));
}

/* Frees an object with OM_DISPOSE; NULL is ignored. */
void DisposeObject(APTR object)
{
    if (object == nullptr)
        return;
    STACKED ULONG methodID = OM_DISPOSE;
    DoMethodA(static_cast<Object *>(object), reinterpret_cast<Msg>(&methodID));
}

/* Sets attributes with OM_SET outside any window; returns its result
   (non-zero: the object's look changed). */
ULONG SetAttrsA(APTR object, const struct TagItem *tagList)
{
    struct opSet msg{};
    msg.MethodID = OM_SET;
    msg.ops_AttrList = const_cast<struct TagItem *>(tagList);
    msg.ops_GInfo = nullptr;
    return static_cast<ULONG>(DoMethodA(static_cast<Object *>(object), reinterpret_cast<Msg>(&msg)));
}

/* Reads one attribute with OM_GET. TRUE when the object knows it; FALSE
   (storage untouched) for an unknown attribute or a NULL object. */
ULONG GetAttr(ULONG attrID, APTR object, IPTR *storagePtr)
{
    if (object == nullptr || storagePtr == nullptr)
        return FALSE;
    IPTR value = 0;
    struct opGet msg{};
    msg.MethodID = OM_GET;
    msg.opg_AttrID = attrID;
    msg.opg_Storage = &value;
    if (DoMethodA(static_cast<Object *>(object), reinterpret_cast<Msg>(&msg)) == 0)
        return FALSE;
    *storagePtr = value;
    return TRUE;
}

ULONG GetAttr(ULONG attrID, APTR object, ULONG *storagePtr)
{
    IPTR value = 0;
    if (storagePtr == nullptr || GetAttr(attrID, object, &value) == FALSE)
        return FALSE;
    *storagePtr = static_cast<ULONG>(value);
    return TRUE;
}

ULONG GetAttr(ULONG attrID, APTR object, LONG *storagePtr)
{
    IPTR value = 0;
    if (storagePtr == nullptr || GetAttr(attrID, object, &value) == FALSE)
        return FALSE;
    *storagePtr = static_cast<LONG>(value);
    return TRUE;
}

/* Steps through a list of objects linked by OM_ADDTAIL. objectPtrPtr points
   at the walking variable, which starts as the list's lh_Head. Returns the
   next object, NULL after the last. */
APTR NextObject(APTR objectPtrPtr)
{
    auto *walk = static_cast<struct MinNode **>(objectPtrPtr);
    if (walk == nullptr || *walk == nullptr)
        return nullptr;
    struct MinNode *node = *walk;
    if (node->mln_Succ == nullptr)
        return nullptr;
    *walk = node->mln_Succ;
    return BASEOBJECT(reinterpret_cast<struct _Object *>(node));
}
