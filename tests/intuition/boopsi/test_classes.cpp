// The class machinery: making classes, the hidden object header, method chaining, attributes, lists.
#include <hosted/boopsi.h>
#include <hosted/task.h>
#include <intuition/classes.h>
#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <proto/exec.h>
#include <proto/intuition.h>
#include <proto/utility.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Tag kCount = TAG_USER + 0x7001;
constexpr Tag kName = TAG_USER + 0x7002;

// A class of our own on rootclass: a counter with a name, and a log of the
// methods its dispatcher saw.
struct CounterData {
    LONG count;
    STRPTR name;
    int disposed;
};

std::vector<ULONG> gSeen;

IPTR CounterDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    gSeen.push_back(msg->MethodID);
    switch (msg->MethodID) {
    case OM_NEW: {
        auto *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made == nullptr)
            return 0;
        auto *d = static_cast<CounterData *>(INST_DATA(cl, made));
        const struct TagItem *tags = reinterpret_cast<struct opSet *>(msg)->ops_AttrList;
        d->count = static_cast<LONG>(GetTagData(kCount, 7, tags));
        d->name = reinterpret_cast<STRPTR>(GetTagData(kName, 0, tags));
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET: {
        auto *d = static_cast<CounterData *>(INST_DATA(cl, obj));
        if (struct TagItem *t = FindTagItem(kCount, reinterpret_cast<struct opSet *>(msg)->ops_AttrList)) {
            d->count = static_cast<LONG>(t->ti_Data);
            return 1;
        }
        return DoSuperMethodA(cl, obj, msg);
    }
    case OM_GET: {
        auto *get = reinterpret_cast<struct opGet *>(msg);
        auto *d = static_cast<CounterData *>(INST_DATA(cl, obj));
        if (get->opg_AttrID == kCount) {
            *get->opg_Storage = static_cast<IPTR>(d->count);
            return TRUE;
        }
        if (get->opg_AttrID == kName) {
            *get->opg_Storage = reinterpret_cast<IPTR>(d->name);
            return TRUE;
        }
        return DoSuperMethodA(cl, obj, msg);
    }
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

// A subclass that doubles what it is told and counts calls on the way.
IPTR DoublerDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    if (msg->MethodID == OM_SET) {
        struct TagItem *t = FindTagItem(kCount, reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
        if (t != nullptr) {
            struct TagItem doubled[] = {{kCount, t->ti_Data * 2}, {TAG_DONE, 0}};
            struct opSet set{};
            set.MethodID = OM_SET;
            set.ops_AttrList = doubled;
            return DoSuperMethodA(cl, obj, reinterpret_cast<Msg>(&set));
        }
    }
    return DoSuperMethodA(cl, obj, msg);
}

struct IClass *MakeCounterClass(ClassID name = nullptr)
{
    struct IClass *cl = MakeClass(name, ROOTCLASS, nullptr, sizeof(CounterData), 0);
    if (cl != nullptr)
        cl->cl_Dispatcher.h_Entry = DISPATCHERFUNC(CounterDispatch);
    return cl;
}

TEST(Classes, PrivateClassMakesDisposesAndCountsObjects)
{
    struct IClass *cl = MakeCounterClass();
    ASSERT_NE(cl, nullptr);
    EXPECT_EQ(cl->cl_Super, hosted::FindPublicClass(ROOTCLASS));
    EXPECT_EQ(cl->cl_ObjectCount, 0u);

    gSeen.clear();
    Object *obj = static_cast<Object *>(NewObject(cl, nullptr, kCount, 42, kName, "forty-two", TAG_DONE));
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(OCLASS(obj), cl);
    EXPECT_EQ(cl->cl_ObjectCount, 1u);
    ASSERT_EQ(gSeen.size(), 1u);
    EXPECT_EQ(gSeen[0], static_cast<ULONG>(OM_NEW));

    IPTR value = 0;
    EXPECT_TRUE(GetAttr(kCount, obj, &value));
    EXPECT_EQ(value, 42u);
    EXPECT_TRUE(GetAttr(kName, obj, &value));
    EXPECT_STREQ(reinterpret_cast<const char *>(value), "forty-two");

    // A message built word by word, as DoMethod's arguments are, lays out
    // like the structure.
    value = 0;
    EXPECT_EQ(DoMethod(obj, OM_GET, kCount, &value), static_cast<IPTR>(TRUE));
    EXPECT_EQ(value, 42u);

    EXPECT_EQ(SetAttrs(obj, kCount, -5, TAG_DONE), 1u);
    LONG signedValue = 0;
    EXPECT_TRUE(GetAttr(kCount, obj, &signedValue));
    EXPECT_EQ(signedValue, -5);

    // An attribute nobody knows: FALSE, and the storage is left alone.
    ULONG untouched = 0xDEADBEEF;
    EXPECT_FALSE(GetAttr(TAG_USER + 0x7FFF, obj, &untouched));
    EXPECT_EQ(untouched, 0xDEADBEEFu);

    // A class with objects cannot be freed.
    EXPECT_FALSE(FreeClass(cl));
    gSeen.clear();
    DisposeObject(obj);
    ASSERT_EQ(gSeen.size(), 1u);
    EXPECT_EQ(gSeen[0], static_cast<ULONG>(OM_DISPOSE));
    EXPECT_EQ(cl->cl_ObjectCount, 0u);
    EXPECT_TRUE(FreeClass(cl));
}

TEST(Classes, SubclassChainsThroughDoSuperMethod)
{
    struct IClass *base = MakeCounterClass();
    ASSERT_NE(base, nullptr);
    struct IClass *doubler = MakeClass(nullptr, nullptr, base, sizeof(LONG), 0);
    ASSERT_NE(doubler, nullptr);
    doubler->cl_Dispatcher.h_Entry = DISPATCHERFUNC(DoublerDispatch);
    EXPECT_EQ(base->cl_SubclassCount, 1u);
    // The subclass's data starts after its superclass's, word-aligned.
    EXPECT_GE(doubler->cl_InstOffset, base->cl_InstOffset + base->cl_InstSize);
    EXPECT_EQ(doubler->cl_InstOffset % sizeof(IPTR), 0u);

    Object *obj = static_cast<Object *>(NewObject(doubler, nullptr, kCount, 3, TAG_DONE));
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(OCLASS(obj), doubler);
    EXPECT_EQ(doubler->cl_ObjectCount, 1u);
    EXPECT_EQ(base->cl_ObjectCount, 0u);   // counted by its true class only

    // OM_NEW went down to the counter, which read the tag as given.
    IPTR value = 0;
    ASSERT_TRUE(GetAttr(kCount, obj, &value));
    EXPECT_EQ(value, 3u);
    // OM_SET is doubled on its way down.
    SetAttrs(obj, kCount, 5, TAG_DONE);
    ASSERT_TRUE(GetAttr(kCount, obj, &value));
    EXPECT_EQ(value, 10u);
    // CoerceMethod skips the subclass: no doubling.
    struct TagItem tags[] = {{kCount, 6}, {TAG_DONE, 0}};
    CoerceMethod(base, obj, OM_SET, tags, nullptr);
    ASSERT_TRUE(GetAttr(kCount, obj, &value));
    EXPECT_EQ(value, 6u);

    // The base cannot go while its subclass lives.
    EXPECT_FALSE(FreeClass(base));
    DisposeObject(obj);
    EXPECT_TRUE(FreeClass(doubler));
    EXPECT_EQ(base->cl_SubclassCount, 0u);
    EXPECT_TRUE(FreeClass(base));
}

TEST(Classes, PublicClassesAreFoundByNameUntilRemoved)
{
    for (ClassID name : {ROOTCLASS, IMAGECLASS, FRAMEICLASS, SYSICLASS, GADGETCLASS, BUTTONGCLASS, FRBUTTONCLASS,
                         PROPGCLASS, STRGCLASS, ICCLASS, MODELCLASS})
        EXPECT_NE(hosted::FindPublicClass(name), nullptr) << name;

    struct IClass *cl = MakeCounterClass("kestrovanecounter");
    ASSERT_NE(cl, nullptr);
    EXPECT_EQ(NewObject(nullptr, "kestrovanecounter", TAG_DONE), nullptr);   // not public yet
    AddClass(cl);
    EXPECT_NE(cl->cl_Flags & CLF_INLIST, 0u);
    // A second class of the same name cannot be made while the first is public.
    EXPECT_EQ(MakeCounterClass("kestrovanecounter"), nullptr);

    Object *obj = static_cast<Object *>(NewObject(nullptr, "kestrovanecounter", kCount, 9, TAG_DONE));
    ASSERT_NE(obj, nullptr);
    IPTR value = 0;
    EXPECT_TRUE(GetAttr(kCount, obj, &value));
    EXPECT_EQ(value, 9u);

    RemoveClass(cl);
    EXPECT_EQ(hosted::FindPublicClass("kestrovanecounter"), nullptr);
    EXPECT_EQ(NewObject(nullptr, "kestrovanecounter", TAG_DONE), nullptr);
    // Its objects live on.
    EXPECT_TRUE(GetAttr(kCount, obj, &value));
    DisposeObject(obj);
    EXPECT_TRUE(FreeClass(cl));

    EXPECT_EQ(NewObject(nullptr, "nosuchclass", TAG_DONE), nullptr);
    EXPECT_EQ(MakeClass("orphan", "nosuchclass", nullptr, 0, 0), nullptr);
}

TEST(Classes, GadgetAndImageObjectsAreTheirStructures)
{
    auto *g = static_cast<struct Gadget *>(
        NewObject(nullptr, GADGETCLASS, GA_Left, 10, GA_Top, 20, GA_Width, 30, GA_Height, 40, GA_ID, 77, TAG_DONE));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->LeftEdge, 10);
    EXPECT_EQ(g->TopEdge, 20);
    EXPECT_EQ(g->Width, 30);
    EXPECT_EQ(g->Height, 40);
    EXPECT_EQ(g->GadgetID, 77);
    EXPECT_EQ(g->GadgetType & GTYP_GTYPEMASK, GTYP_CUSTOMGADGET);
    EXPECT_EQ(OCLASS(reinterpret_cast<Object *>(g)), hosted::FindPublicClass(GADGETCLASS));

    auto *im = static_cast<struct Image *>(
        NewObject(nullptr, IMAGECLASS, IA_Left, 1, IA_Top, 2, IA_Width, 3, IA_Height, 4, IA_FGPen, 5, TAG_DONE));
    ASSERT_NE(im, nullptr);
    EXPECT_EQ(im->Depth, CUSTOMIMAGEDEPTH);
    EXPECT_EQ(im->Width, 3);
    EXPECT_EQ(im->Height, 4);
    EXPECT_EQ(IM_FGPEN(im), 5);
    EXPECT_TRUE(PointInImage((2u << 16) | 3u, im));
    EXPECT_FALSE(PointInImage((3u << 16) | 0u, im));
    DisposeObject(im);
    DisposeObject(g);
    DisposeObject(nullptr);   // ignored
}

TEST(Classes, ObjectListsAndNextObject)
{
    struct IClass *cl = MakeCounterClass();
    ASSERT_NE(cl, nullptr);
    struct List list;
    NewList(&list);
    Object *objects[3];
    for (int i = 0; i < 3; i++) {
        objects[i] = static_cast<Object *>(NewObject(cl, nullptr, kCount, i, TAG_DONE));
        ASSERT_NE(objects[i], nullptr);
        DoMethod(objects[i], OM_ADDTAIL, &list);
    }
    DoMethod(objects[1], OM_REMOVE);
    std::vector<LONG> counts;
    APTR walk = list.lh_Head;
    while (Object *o = static_cast<Object *>(NextObject(&walk))) {
        LONG c = -1;
        GetAttr(kCount, o, &c);
        counts.push_back(c);
    }
    EXPECT_EQ(counts, (std::vector<LONG>{0, 2}));
    for (Object *o : objects)
        DisposeObject(o);
    EXPECT_TRUE(FreeClass(cl));
}

TEST(Classes, NewObjectFailsCleanlyWhenMemoryIsShort)
{
    struct IClass *cl = MakeCounterClass();
    ASSERT_NE(cl, nullptr);
    hosted::SetAllocFailure(0, 1);
    EXPECT_EQ(NewObject(cl, nullptr, TAG_DONE), nullptr);
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(cl->cl_ObjectCount, 0u);
    // A string gadget needs its buffers too: the object is given back whole.
    struct IClass *strg = hosted::FindPublicClass(STRGCLASS);
    ULONG before = strg->cl_ObjectCount;
    hosted::SetAllocFailure(0, 2);
    EXPECT_EQ(NewObject(nullptr, STRGCLASS, STRINGA_MaxChars, 64, TAG_DONE), nullptr);
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(strg->cl_ObjectCount, before);
    EXPECT_TRUE(FreeClass(cl));
}

}  // namespace
