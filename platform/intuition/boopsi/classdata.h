// boopsi/classdata.h: the built-in classes, their instance data and the helpers they share.
#ifndef BOOPSI_CLASSDATA_H
#define BOOPSI_CLASSDATA_H

#include <devices/inputevent.h>
#include <intuition/cghooks.h>
#include <intuition/classes.h>
#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <intuition/intuition.h>
#include <intuition/screens.h>
#include <intuition/sghooks.h>

namespace hosted::boopsi {

// The dispatcher form every class here uses.
using Dispatcher = IPTR (*)(struct IClass *cl, Object *obj, Msg msg);

// The public classes the system brings along, made on first use.
struct BuiltinClasses {
    struct IClass *root;
    struct IClass *image;
    struct IClass *frame;
    struct IClass *sys;
    struct IClass *gadget;
    struct IClass *button;
    struct IClass *frbutton;
    struct IClass *prop;
    struct IClass *strg;
    struct IClass *ic;
    struct IClass *model;
};
const BuiltinClasses &Builtin();

// Keeps cl_ObjectCount of a class as objects are made (+1) and freed (-1).
void CountObject(struct IClass *cl, int delta);

// The dispatchers of the built-in classes (one file each).
IPTR RootDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR ImageDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR FrameDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR SysDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR GadgetDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR ButtonDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR FrButtonDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR PropDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR StrgDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR IcDispatch(struct IClass *cl, Object *obj, Msg msg);
IPTR ModelDispatch(struct IClass *cl, Object *obj, Msg msg);

// Instance sizes of the built-in classes.
ULONG ImageInstanceSize();
ULONG FrameInstanceSize();
ULONG SysInstanceSize();
ULONG GadgetInstanceSize();
ULONG ButtonInstanceSize();
ULONG FrButtonInstanceSize();
ULONG PropInstanceSize();
ULONG StrgInstanceSize();
ULONG IcInstanceSize();
ULONG ModelInstanceSize();

// --- Interconnection ------------------------------------------------------

// Where an object's changes go: ICA_TARGET and ICA_MAP. Kept by gadgetclass
// and icclass alike.
struct Connection {
    Object *target;          // NULL, an object, or (Object *)ICTARGET_IDCMP
    struct TagItem *map;     // the caller's list, not copied (as on the real system)
    bool notifying;          // inside a notification: ends loops of two-way links
};

// Reads ICA_TARGET and ICA_MAP from a tag list.
void SetConnection(Connection &connection, const struct TagItem *tags);

// Sends the attributes of an OM_NOTIFY to the connection's target, mapped
// through its map: OM_UPDATE to an object, IDCMP_IDCMPUPDATE to the window
// for ICTARGET_IDCMP. Returns the target's result.
IPTR Notify(Connection &connection, Object *sender, struct opUpdate *msg);

// Sends IDCMP_IDCMPUPDATE with a copy of tags to the window of info
// (through intuition's window side; dropped without one).
void SendIdcmpUpdate(struct GadgetInfo *info, struct Gadget *gadget, const struct TagItem *tags, UWORD code);

// Sends OM_NOTIFY of the given attributes from an object (to itself, so a
// subclass may add to them); a no-op when it has no target.
void NotifyAttrs(Object *obj, struct GadgetInfo *info, ULONG flags, const struct TagItem *tags);

// --- gadgetclass -----------------------------------------------------------

// gadgetclass's instance: the gadget itself comes first, so every gadget
// object is its struct Gadget (INST_DATA of gadgetclass is the object).
struct GadgetData {
    struct ExtGadget gadget;
    Connection connection;
    struct DrawInfo *drawInfo;   // GA_DrawInfo
    STRPTR label;                // GA_Text
};

inline GadgetData *GadgetOf(Object *obj) { return reinterpret_cast<GadgetData *>(obj); }
inline struct Gadget *AsGadget(Object *obj) { return reinterpret_cast<struct Gadget *>(obj); }

// The DrawInfo to draw with: GA_DrawInfo, else the GadgetInfo's.
struct DrawInfo *GadgetDrawInfo(Object *obj, const struct GadgetInfo *info);

// Draws a gadget now with GM_RENDER through ObtainGIRPort; nothing when
// info is NULL or the window cannot be drawn.
void RenderNow(Object *obj, struct GadgetInfo *info, LONG redraw);

// The image state a gadget is drawn in: selected, disabled, and the
// inactive forms for border gadgets of an inactive window.
ULONG GadgetImageState(const struct Gadget *gadget, const struct GadgetInfo *info);

// Mouse events as the gadgets read them.
inline bool IsButton(const struct InputEvent *ie, UWORD code)
{
    return ie != nullptr && ie->ie_Class == IECLASS_RAWMOUSE && ie->ie_Code == code;
}
inline bool IsSelectDown(const struct InputEvent *ie) { return IsButton(ie, IECODE_LBUTTON); }
inline bool IsSelectUp(const struct InputEvent *ie) { return IsButton(ie, IECODE_LBUTTON | IECODE_UP_PREFIX); }
inline bool IsMenuDown(const struct InputEvent *ie) { return IsButton(ie, IECODE_RBUTTON); }

// Draws a button: its image (imageIsFrame: a frame drawn to the button's
// size, as frbuttonclass does) or a plain bevel, the GA_Text label centred,
// ghosted when disabled.
void DrawButtonFace(Object *obj, struct RastPort *rp, struct GadgetInfo *info, bool imageIsFrame);

// The methods the two button classes answer alike: OM_SET/OM_UPDATE pass
// to the superclass and redraw an object of class `cl` itself when
// anything changed; GM_RENDER draws the face (see DrawButtonFace).
IPTR ButtonSetAttributes(struct IClass *cl, Object *obj, Msg msg);
IPTR ButtonRender(Object *obj, Msg msg, bool imageIsFrame);

// --- imageclass -----------------------------------------------------------

// imageclass's instance is the struct Image itself.
inline struct Image *AsImage(Object *obj) { return reinterpret_cast<struct Image *>(obj); }

// frameiclass's instance, after the Image.
struct FrameData {
    UWORD frameType;     // FRAME_
    bool recessed;
    bool edgesOnly;
};

// Frame widths of a frame type: left/right and top/bottom, in pixels.
void FrameThickness(ULONG frameType, WORD *horizontal, WORD *vertical);

// sysiclass's instance, after the Image.
struct SysData {
    ULONG which;
    ULONG size;                  // SYSISIZE_
    struct DrawInfo *drawInfo;
};

// The pictures of the system images (sysimages.cpp), each centred in the
// rectangle given.
enum class Direction { Up, Down, Left, Right };
void DrawArrow(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height, Direction direction);
void DrawSizeGrip(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                  LONG height);
void DrawCloseMark(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                   LONG height);
void DrawDepthMark(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                   LONG height);
void DrawZoomMark(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                  LONG height);
void DrawCheckMark(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height);
void DrawDisc(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height);

// --- propgclass -------------------------------------------------------------

// The pots and bodies for a position (Total, Visible, Top) and the position
// a pot stands for.
UWORD BodyFor(ULONG total, ULONG visible);
UWORD PotFor(ULONG total, ULONG visible, ULONG top);
ULONG TopFor(ULONG total, ULONG visible, UWORD pot);

// The container and knob of a prop gadget in its box.
struct KnobGeometry {
    struct IBox container;
    struct IBox knob;
    LONG travel;         // how far the knob can move along its freedom
};
void ComputeKnob(const struct PropInfo *pi, const struct IBox &box, KnobGeometry *geometry);

// --- strgclass --------------------------------------------------------------

// The keys a string gadget acts on.
enum class EditKey {
    None,
    Character,     // the translated character goes in
    Left,
    Right,
    Start,         // Home, Shift+Left
    End,           // End, Shift+Right
    BackSpace,
    Delete,
    DeleteToStart, // Shift+BackSpace
    DeleteToEnd,   // Shift+Delete
    Return,
    Escape,
    Tab,
    BackTab,
    Undo,          // Right Amiga+Q
    Clear,         // Right Amiga+X
    Help           // the Help key
};
EditKey ClassifyKey(const struct InputEvent *ie, ULONG *character);

// Text editing on a StringInfo. Each returns TRUE when the text or the
// cursor changed. NumChars and BufferPos are kept in range; the buffer is
// always terminated within MaxChars.
bool EditInsert(struct StringInfo *si, UBYTE character, bool integer, bool replace);
bool EditDeleteBackward(struct StringInfo *si);
bool EditDeleteForward(struct StringInfo *si);
bool EditDeleteToStart(struct StringInfo *si);
bool EditDeleteToEnd(struct StringInfo *si);
bool EditMoveTo(struct StringInfo *si, LONG position);
void EditSetText(struct StringInfo *si, CONST_STRPTR text);
void EditSetLong(struct StringInfo *si, LONG value);
// The value of an integer field's text: an optional minus and digits,
// saturated to the range of a LONG; 0 for an empty text or a lone minus.
LONG EditParseLong(CONST_STRPTR text);
// Whether a character may go into the field at the cursor.
bool EditAccepts(const struct StringInfo *si, UBYTE character, bool integer);

// --- drawing ----------------------------------------------------------------

// A pen of the DrawInfo, or the system's default when there is none.
UWORD PenOf(const struct DrawInfo *drawInfo, ULONG which);

// The font to draw labels with: the DrawInfo's, else the rastport's.
struct TextFont *FontOf(const struct DrawInfo *drawInfo);

// Fills a rectangle given by its corner and size; nothing when empty.
void FillBox(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height);

// A one-pixel bevel around the rectangle: raised (light top and left, dark
// bottom and right) or recessed.
void DrawBevel(struct RastPort *rp, const struct DrawInfo *drawInfo, LONG left, LONG top, LONG width,
               LONG height, bool recessed);

// Lays a checkerboard of the pen over the rectangle: drawn with the
// background pen, it fades a disabled gadget into its surroundings.
void Ghost(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height);

// Draws a text centred in the rectangle in the pen (JAM1), clipped to it.
void CentredText(struct RastPort *rp, const struct DrawInfo *drawInfo, CONST_STRPTR text, UWORD pen,
                 LONG left, LONG top, LONG width, LONG height);

}  // namespace hosted::boopsi

#endif  // BOOPSI_CLASSDATA_H
