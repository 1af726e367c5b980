// boopsi/icclass.cpp: icclass and modelclass: objects that pass changes on to a target and to their members.
#include "classdata.h"

#include <proto/exec.h>
#include <proto/intuition_boopsi.h>

#include <intuition/icclass.h>

namespace hosted::boopsi {
namespace {

struct IcData {
    Connection connection;
    bool loop;   // ICM_SETLOOP
};

struct ModelData {
    struct List members;
};

IcData *IcOf(struct IClass *cl, Object *obj) { return static_cast<IcData *>(INST_DATA(cl, obj)); }
ModelData *ModelOf(struct IClass *cl, Object *obj) { return static_cast<ModelData *>(INST_DATA(cl, obj)); }

// Every member hears about a change the model heard about.
void Broadcast(ModelData *d, Object *self, struct opUpdate *msg)
{
    struct opUpdate update = *msg;
    update.MethodID = OM_UPDATE;
    APTR walk = d->members.lh_Head;
    while (Object *member = static_cast<Object *>(NextObject(&walk))) {
        if (member != self)
            DoMethodA(member, reinterpret_cast<Msg>(&update));
    }
}

}  // namespace

ULONG IcInstanceSize() { return sizeof(IcData); }
ULONG ModelInstanceSize() { return sizeof(ModelData); }

IPTR IcDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made != nullptr)
            SetConnection(IcOf(cl, made)->connection, reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET:
        SetConnection(IcOf(cl, obj)->connection, reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
        return 0;
    case OM_GET: {
        auto *get = reinterpret_cast<struct opGet *>(msg);
        const IcData *d = IcOf(cl, obj);
        if (get->opg_AttrID == ICA_TARGET) {
            *get->opg_Storage = reinterpret_cast<IPTR>(d->connection.target);
            return TRUE;
        }
        if (get->opg_AttrID == ICA_MAP) {
            *get->opg_Storage = reinterpret_cast<IPTR>(d->connection.map);
            return TRUE;
        }
        return DoSuperMethodA(cl, obj, msg);
    }
    case OM_UPDATE:
    case OM_NOTIFY: {
        IcData *d = IcOf(cl, obj);
        if (d->loop)
            return 0;
        d->loop = true;
        struct opUpdate update = *reinterpret_cast<struct opUpdate *>(msg);
        update.MethodID = OM_NOTIFY;
        IPTR result = Notify(d->connection, obj, &update);
        d->loop = false;
        return result;
    }
    case ICM_SETLOOP:
        IcOf(cl, obj)->loop = true;
        return 0;
    case ICM_CLEARLOOP:
        IcOf(cl, obj)->loop = false;
        return 0;
    case ICM_CHECKLOOP:
        return IcOf(cl, obj)->loop;
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

IPTR ModelDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made != nullptr)
            NewList(&ModelOf(cl, made)->members);
        return reinterpret_cast<IPTR>(made);
    }
    case OM_DISPOSE: {
        // Members go with the model.
        ModelData *d = ModelOf(cl, obj);
        APTR walk = d->members.lh_Head;
        while (Object *member = static_cast<Object *>(NextObject(&walk))) {
            STACKED ULONG remove = OM_REMOVE;
            DoMethodA(member, reinterpret_cast<Msg>(&remove));
            DisposeObject(member);
        }
        return DoSuperMethodA(cl, obj, msg);
    }
    case OM_ADDMEMBER: {
        struct opAddTail add{};
        add.MethodID = OM_ADDTAIL;
        add.opat_List = &ModelOf(cl, obj)->members;
        return DoMethodA(reinterpret_cast<struct opMember *>(msg)->opam_Object, reinterpret_cast<Msg>(&add));
    }
    case OM_REMMEMBER: {
        STACKED ULONG remove = OM_REMOVE;
        return DoMethodA(reinterpret_cast<struct opMember *>(msg)->opam_Object, reinterpret_cast<Msg>(&remove));
    }
    case OM_UPDATE:
    case OM_NOTIFY: {
        if (DoMethod(obj, ICM_CHECKLOOP) != 0)
            return 0;
        IPTR result = DoSuperMethodA(cl, obj, msg);
        DoMethod(obj, ICM_SETLOOP);
        Broadcast(ModelOf(cl, obj), obj, reinterpret_cast<struct opUpdate *>(msg));
        DoMethod(obj, ICM_CLEARLOOP);
        return result;
    }
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
