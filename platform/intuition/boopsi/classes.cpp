// boopsi/classes.cpp: making, publishing and freeing classes; the list of public classes.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/exec.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

#include <cstring>
#include <mutex>

namespace {

// Instance data starts on a word boundary, whatever the superclass's size.
constexpr ULONG kInstanceAlign = sizeof(IPTR);

// The public classes and the counts of every class, guarded together.
std::mutex &ClassLock()
{
    static std::mutex lock;
    return lock;
}

struct List &PublicClasses()
{
    static struct List *list = [] {
        auto *l = new struct List;
        NewList(l);
        return l;
    }();
    return *list;
}

// The class record with its list node in front: the public list links
// classes by that node, leaving struct IClass as the real system has it.
struct ClassRecord {
    struct Node node;
    struct IClass cls;
};

ClassRecord *RecordOf(struct IClass *cl)
{
    return reinterpret_cast<ClassRecord *>(reinterpret_cast<UBYTE *>(cl) - offsetof(ClassRecord, cls));
}

struct IClass *FindLocked(ClassID classID)
{
    if (classID == nullptr)
        return nullptr;
    for (struct Node *n = PublicClasses().lh_Head; n->ln_Succ != nullptr; n = n->ln_Succ) {
        auto *record = reinterpret_cast<ClassRecord *>(n);
        if (std::strcmp(record->cls.cl_ID, classID) == 0)
            return &record->cls;
    }
    return nullptr;
}

struct IClass *MakeBuiltin(ClassID id, struct IClass *super, ULONG instanceSize, hosted::boopsi::Dispatcher dispatch)
{
    struct IClass *cl = MakeClass(id, nullptr, super, instanceSize, 0);
    if (cl == nullptr)
        return nullptr;
    cl->cl_Dispatcher.h_Entry = DISPATCHERFUNC(dispatch);
    AddClass(cl);
    return cl;
}

}  // namespace

namespace hosted::boopsi {

const BuiltinClasses &Builtin()
{
    static const BuiltinClasses classes = [] {
        BuiltinClasses c{};
        c.root = MakeBuiltin(ROOTCLASS, nullptr, 0, RootDispatch);
        c.image = MakeBuiltin(IMAGECLASS, c.root, ImageInstanceSize(), ImageDispatch);
        c.frame = MakeBuiltin(FRAMEICLASS, c.image, FrameInstanceSize(), FrameDispatch);
        c.sys = MakeBuiltin(SYSICLASS, c.image, SysInstanceSize(), SysDispatch);
        c.gadget = MakeBuiltin(GADGETCLASS, c.root, GadgetInstanceSize(), GadgetDispatch);
        c.button = MakeBuiltin(BUTTONGCLASS, c.gadget, ButtonInstanceSize(), ButtonDispatch);
        c.frbutton = MakeBuiltin(FRBUTTONCLASS, c.button, FrButtonInstanceSize(), FrButtonDispatch);
        c.prop = MakeBuiltin(PROPGCLASS, c.gadget, PropInstanceSize(), PropDispatch);
        c.strg = MakeBuiltin(STRGCLASS, c.gadget, StrgInstanceSize(), StrgDispatch);
        c.ic = MakeBuiltin(ICCLASS, c.root, IcInstanceSize(), IcDispatch);
        c.model = MakeBuiltin(MODELCLASS, c.ic, ModelInstanceSize(), ModelDispatch);
        return c;
    }();
    return classes;
}

}  // namespace hosted::boopsi

namespace hosted {

struct IClass *FindPublicClass(ClassID classID)
{
    boopsi::Builtin();
    std::lock_guard<std::mutex> guard(ClassLock());
    return FindLocked(classID);
}

}  // namespace hosted

/* Makes a class on a public superclass (superClassID) or a private one
   (superClassPtr); a class without either is a root class. The dispatcher
   is left for the caller to fill in. NULL when the superclass is unknown,
   the name is taken by a public class, or memory is short. */
struct IClass *MakeClass(ClassID classID, ClassID superClassID, struct IClass *superClassPtr,
                         ULONG instanceSize, ULONG flags)
{
    (void)flags;
    // The root class itself is made here before the built-ins exist.
    if (superClassPtr == nullptr && superClassID != nullptr)
        superClassPtr = hosted::FindPublicClass(superClassID);
    if (superClassID != nullptr && superClassPtr == nullptr)
        return nullptr;

    ULONG offset = 0;
    if (superClassPtr != nullptr) {
        offset = superClassPtr->cl_InstOffset + superClassPtr->cl_InstSize;
        offset = (offset + kInstanceAlign - 1) / kInstanceAlign * kInstanceAlign;
    }
    if (offset + instanceSize > 0xFFFF)
        return nullptr;

    auto *record = static_cast<ClassRecord *>(AllocVec(sizeof(ClassRecord), MEMF_CLEAR | MEMF_PUBLIC));
    if (record == nullptr)
        return nullptr;
    struct IClass *cl = &record->cls;
    cl->cl_Super = superClassPtr;
    cl->cl_ID = classID;
    cl->cl_InstOffset = static_cast<UWORD>(offset);
    cl->cl_InstSize = static_cast<UWORD>(instanceSize);

    std::lock_guard<std::mutex> guard(ClassLock());
    if (classID != nullptr && FindLocked(classID) != nullptr) {
        FreeVec(record);
        return nullptr;
    }
    if (superClassPtr != nullptr)
        superClassPtr->cl_SubclassCount++;
    return cl;
}

/* Makes a class public under its cl_ID, so NewObjectA finds it by name.
   A class without a name, one already public, or a name already taken is
   left as it is. */
void AddClass(struct IClass *classPtr)
{
    if (classPtr == nullptr || classPtr->cl_ID == nullptr)
        return;
    std::lock_guard<std::mutex> guard(ClassLock());
    if ((classPtr->cl_Flags & CLF_INLIST) != 0 || FindLocked(classPtr->cl_ID) != nullptr)
        return;
    AddTail(&PublicClasses(), &RecordOf(classPtr)->node);
    classPtr->cl_Flags |= CLF_INLIST;
}

/* Takes a class out of the public list; existing objects are unaffected. */
void RemoveClass(struct IClass *classPtr)
{
    if (classPtr == nullptr)
        return;
    std::lock_guard<std::mutex> guard(ClassLock());
    if ((classPtr->cl_Flags & CLF_INLIST) == 0)
        return;
    Remove(&RecordOf(classPtr)->node);
    classPtr->cl_Flags &= ~CLF_INLIST;
}

/* Frees a class with no objects and no subclasses left. FALSE (the class
   stays as it was) otherwise. */
BOOL FreeClass(struct IClass *classPtr)
{
    if (classPtr == nullptr)
        return FALSE;
    std::lock_guard<std::mutex> guard(ClassLock());
    if (classPtr->cl_ObjectCount != 0 || classPtr->cl_SubclassCount != 0)
        return FALSE;
    if ((classPtr->cl_Flags & CLF_INLIST) != 0)
        Remove(&RecordOf(classPtr)->node);
    if (classPtr->cl_Super != nullptr)
        classPtr->cl_Super->cl_SubclassCount--;
    FreeVec(RecordOf(classPtr));
    return TRUE;
}

namespace hosted::boopsi {

// Object counts are kept under the class lock, since objects are made and
// freed on every task.
void CountObject(struct IClass *cl, int delta)
{
    std::lock_guard<std::mutex> guard(ClassLock());
    cl->cl_ObjectCount += delta;
}

}  // namespace hosted::boopsi
