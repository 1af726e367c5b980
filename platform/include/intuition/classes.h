/* intuition/classes.h: what BOOPSI class implementors see: the class record and the hidden object header. */
#ifndef INTUITION_CLASSES_H
#define INTUITION_CLASSES_H

#include <exec/nodes.h>
#include <utility/hooks.h>
#include <intuition/classusr.h>

/* A class. Its dispatcher is a hook: h_Entry is called with the class as
   the hook, the object and the method message. */
typedef struct IClass {
    struct Hook cl_Dispatcher;
    ULONG cl_Reserved;
    struct IClass *cl_Super;        /* the class this one builds on */
    ClassID cl_ID;                  /* name of a public class, or NULL */
    UWORD cl_InstOffset;            /* where this class's data starts in an object */
    UWORD cl_InstSize;              /* size of this class's data */
    IPTR cl_UserData;               /* free for the class's own use */
    ULONG cl_SubclassCount;         /* classes that build on this one */
    ULONG cl_ObjectCount;           /* objects of exactly this class */
    ULONG cl_Flags;
} Class;

#define CLF_INLIST 0x00000001       /* public: added with AddClass */

/* Casts a dispatcher of the usual form IPTR f(Class *, Object *, Msg) for
   cl_Dispatcher.h_Entry. */
#define DISPATCHERFUNC(f) ((HOOKFUNC)(f))

/* The header every object carries in front of the address its users see. */
struct _Object {
    struct MinNode o_Node;          /* for OM_ADDTAIL and object lists */
    struct IClass *o_Class;         /* the object's true class */
};

#define _OBJ(o) ((struct _Object *)(o))
#define BASEOBJECT(_obj) ((Object *)(_OBJ(_obj) + 1))
#define _OBJECT(o) (_OBJ(o) - 1)
#define OCLASS(o) ((_OBJECT(o))->o_Class)

/* A class's own data inside an object. */
#define INST_DATA(cl, o) ((VOID *)(((UBYTE *)(o)) + (cl)->cl_InstOffset))

/* Bytes an object of this class takes, header included. */
#define SIZEOF_INSTANCE(cl) ((cl)->cl_InstOffset + (cl)->cl_InstSize + sizeof(struct _Object))

#endif /* INTUITION_CLASSES_H */
