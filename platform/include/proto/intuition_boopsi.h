/* proto/intuition_boopsi.h: intuition's BOOPSI functions: classes, objects, methods and images.
   This is the BOOPSI section of proto/intuition.h, which includes it;
   programs include <proto/intuition.h>. */
#ifndef PROTO_INTUITION_BOOPSI_H
#define PROTO_INTUITION_BOOPSI_H

#include <intuition/classes.h>
#include <intuition/classusr.h>
#include <proto/hosted_tags.h>

struct Gadget;
struct Window;
struct Requester;
struct Image;
struct RastPort;
struct DrawInfo;
struct GadgetInfo;

/* --- Classes -------------------------------------------------------------- */

/* Makes a class that builds on a public class (by superClassID) or on a
   private one (superClassPtr). The caller fills in cl_Dispatcher.h_Entry.
   instanceSize is the size of this class's own data in each object. NULL
   when the superclass is unknown, a public class of this name exists
   already, or memory is short. */
struct IClass *MakeClass(ClassID classID, ClassID superClassID, struct IClass *superClassPtr,
                         ULONG instanceSize, ULONG flags);

/* Makes a class made by MakeClass public under its cl_ID. */
void AddClass(struct IClass *classPtr);

/* Takes a public class out of the list of public classes; its objects and
   subclasses live on. */
void RemoveClass(struct IClass *classPtr);

/* Frees a class made by MakeClass (removing it from the public list first).
   FALSE, and the class stays, while it still has objects or subclasses. */
BOOL FreeClass(struct IClass *classPtr);

/* --- Objects and methods ------------------------------------------------- */

/* Makes an object of a class given by pointer or, when classPtr is NULL, by
   public name. For gadget classes the result is the object's struct Gadget,
   for image classes its struct Image. NULL when the class is unknown, an
   attribute is refused or memory is short. */
APTR NewObjectA(struct IClass *classPtr, ClassID classID, const struct TagItem *tagList);

/* Frees an object (OM_DISPOSE). NULL is ignored. A gadget must have been
   removed from its window first. */
void DisposeObject(APTR object);

/* Sets attributes (OM_SET). Returns non-zero when the object's look changed
   and it should be redrawn. Gadgets in a window: use SetGadgetAttrsA. */
ULONG SetAttrsA(APTR object, const struct TagItem *tagList);

/* Sets attributes of a gadget that may be in a window or requester, and
   redraws it there when its look changed. window may be NULL. Returns what
   OM_SET returned. */
ULONG SetGadgetAttrsA(struct Gadget *gadget, struct Window *window, struct Requester *requester,
                      const struct TagItem *tagList);

/* Reads one attribute (OM_GET) into *storagePtr. Returns TRUE when the
   object knows the attribute; FALSE leaves *storagePtr alone. Where this
   host differs: storage is an IPTR, so that pointers fit; the ULONG and LONG
   forms below truncate. */
ULONG GetAttr(ULONG attrID, APTR object, IPTR *storagePtr);
ULONG GetAttr(ULONG attrID, APTR object, ULONG *storagePtr);
ULONG GetAttr(ULONG attrID, APTR object, LONG *storagePtr);

/* Walks a list of objects linked with OM_ADDTAIL. Start with
   *objectPtrPtr = the list's lh_Head; returns each object and NULL at the end. */
APTR NextObject(APTR objectPtrPtr);

/* Calls a method on an object through its true class; 0 for a NULL object. */
IPTR DoMethodA(Object *obj, Msg message);

/* Calls a method as the superclass of cl sees it (inside a dispatcher). */
IPTR DoSuperMethodA(struct IClass *cl, Object *obj, Msg message);

/* Calls a method as class cl sees it, whatever the object's true class. */
IPTR CoerceMethodA(struct IClass *cl, Object *obj, Msg message);

/* --- Images ------------------------------------------------------------- */

/* Draws an image and those chained to it by NextImage at its place plus the
   offset. Image objects draw themselves (IM_DRAW, IDS_NORMAL); classic
   images are drawn from their bit planes. */
void DrawImage(struct RastPort *rp, struct Image *image, LONG leftOffset, LONG topOffset);

/* The same in a given state (IDS_), with the screen's pens. */
void DrawImageState(struct RastPort *rp, struct Image *image, LONG leftOffset, LONG topOffset,
                    ULONG state, const struct DrawInfo *drawInfo);

/* Clears the image's rectangle to the background (IM_ERASE for objects). */
void EraseImage(struct RastPort *rp, struct Image *image, LONG leftOffset, LONG topOffset);

/* TRUE when the point ((x << 16) | y, relative to the image's place) lies
   in the image (IM_HITTEST for objects, the rectangle otherwise). */
BOOL PointInImage(ULONG point, struct Image *image);

/* --- Rendering a gadget outside GM_RENDER -------------------------------- */

/* A rastport for drawing a gadget into its window, locked against the
   window's other drawing until ReleaseGIRPort. NULL when the gadget is not
   in a window that can be drawn now. */
struct RastPort *ObtainGIRPort(struct GadgetInfo *gInfo);
void ReleaseGIRPort(struct RastPort *rp);

/* --- Tag-list forms ------------------------------------------------------- */
/* NewObject(cl, "class", TAG1, data1, ..., TAG_DONE) and the like build the
   tag list or the method message from their arguments: each argument of a
   method becomes one IPTR of the message. */
template <typename... Args>
inline APTR NewObject(struct IClass *classPtr, ClassID classID, Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return NewObjectA(classPtr, classID, list.items);
}

template <typename... Args>
inline ULONG SetAttrs(APTR object, Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return SetAttrsA(object, list.items);
}

template <typename... Args>
inline ULONG SetGadgetAttrs(struct Gadget *gadget, struct Window *window, struct Requester *requester,
                            Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return SetGadgetAttrsA(gadget, window, requester, list.items);
}

/* Messages whose fields are narrower than a word (the WORD pairs of
   gpInput, impDraw ...) are built as structures and sent with DoMethodA. */
template <typename... Args>
inline IPTR DoMethod(Object *obj, ULONG methodID, Args... args)
{
    IPTR words[] = {methodID, hosted_tags::Word(args)...};
    return DoMethodA(obj, reinterpret_cast<Msg>(words));
}

template <typename... Args>
inline IPTR DoSuperMethod(struct IClass *cl, Object *obj, ULONG methodID, Args... args)
{
    IPTR words[] = {methodID, hosted_tags::Word(args)...};
    return DoSuperMethodA(cl, obj, reinterpret_cast<Msg>(words));
}

template <typename... Args>
inline IPTR CoerceMethod(struct IClass *cl, Object *obj, ULONG methodID, Args... args)
{
    IPTR words[] = {methodID, hosted_tags::Word(args)...};
    return CoerceMethodA(cl, obj, reinterpret_cast<Msg>(words));
}

/* A message field of type ULONG sits in the low half of its word. */
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "message fields are read from the low half of a word");

#endif /* PROTO_INTUITION_BOOPSI_H */
