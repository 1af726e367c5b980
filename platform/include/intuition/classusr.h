/* intuition/classusr.h: what users of BOOPSI objects see: objects, method messages and the root methods. */
#ifndef INTUITION_CLASSUSR_H
#define INTUITION_CLASSUSR_H

#include <utility/hooks.h>
#include <utility/tagitem.h>

/* Method messages are laid out as arrays of IPTR: each field starts on an
   IPTR boundary, so a message can be built field by field on this 64-bit
   host as on the real system's 32-bit one. */
#ifndef STACKED
#define STACKED __attribute__((aligned(sizeof(IPTR))))
#endif

/* An object is known only by its address; the class data lives before it
   (struct _Object in intuition/classes.h). */
typedef ULONG Object;

/* Public classes are named by strings. */
typedef CONST_STRPTR ClassID;

/* Every method message starts with its method number. (The structure is
   named so that functions taking a Msg have linkage in C++.) */
typedef struct _Msg {
    STACKED ULONG MethodID;
    /* method-specific data follows */
} *Msg;

/* The system's public classes. */
#define ROOTCLASS "rootclass"
#define IMAGECLASS "imageclass"
#define FRAMEICLASS "frameiclass"
#define SYSICLASS "sysiclass"
#define FILLRECTCLASS "fillrectclass"
#define GADGETCLASS "gadgetclass"
#define PROPGCLASS "propgclass"
#define STRGCLASS "strgclass"
#define BUTTONGCLASS "buttongclass"
#define FRBUTTONCLASS "frbuttonclass"
#define GROUPGCLASS "groupgclass"
#define ICCLASS "icclass"
#define MODELCLASS "modelclass"
#define ITEXTICLASS "itexticlass"
#define POINTERCLASS "pointerclass"

/* The root class's methods. */
#define OM_Dummy 0x100
#define OM_NEW 0x101        /* returns the new object: struct opSet */
#define OM_DISPOSE 0x102    /* the object frees itself */
#define OM_SET 0x103        /* struct opSet; returns non-zero when a refresh is due */
#define OM_GET 0x104        /* struct opGet; returns TRUE when the attribute is known */
#define OM_ADDTAIL 0x105    /* struct opAddTail: add the object to a list */
#define OM_REMOVE 0x106     /* remove the object from its list */
#define OM_NOTIFY 0x107     /* struct opUpdate: tell the target about changes */
#define OM_UPDATE 0x108     /* struct opUpdate: a change reported by another object */
#define OM_ADDMEMBER 0x109  /* struct opMember */
#define OM_REMMEMBER 0x10A  /* struct opMember */

/* OM_NEW, OM_SET */
struct opSet {
    STACKED ULONG MethodID;
    STACKED struct TagItem *ops_AttrList;
    STACKED struct GadgetInfo *ops_GInfo;  /* NULL for OM_NEW; set when the object is in a window */
};

/* OM_NOTIFY, OM_UPDATE */
struct opUpdate {
    STACKED ULONG MethodID;
    STACKED struct TagItem *opu_AttrList;
    STACKED struct GadgetInfo *opu_GInfo;
    STACKED ULONG opu_Flags;
};

/* opu_Flags */
#define OPUF_INTERIM (1 << 0)   /* more changes follow (the user still drags) */

/* OM_GET */
struct opGet {
    STACKED ULONG MethodID;
    STACKED ULONG opg_AttrID;
    STACKED IPTR *opg_Storage;  /* where the value goes; an IPTR on this host */
};

/* OM_ADDTAIL */
struct opAddTail {
    STACKED ULONG MethodID;
    STACKED struct List *opat_List;
};

/* OM_ADDMEMBER, OM_REMMEMBER */
#define opAddMember opMember
struct opMember {
    STACKED ULONG MethodID;
    STACKED Object *opam_Object;
};

#endif /* INTUITION_CLASSUSR_H */
