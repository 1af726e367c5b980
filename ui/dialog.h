// ui/dialog.h: the dialog toolkit every small window is built with: canvas, geometry, descriptions, gadgets, modal loop.
#ifndef CORE_DIALOG_H
#define CORE_DIALOG_H

#include <intuition/intuition.h>

#include <lister/glyph_engine.h>
#include <lister/gradient.h>
#include <settings/config_record.h>

struct Screen;

// The place and size shared by the windows of the common description; the
// ConfigRecord keeps it (DialogLeft … DialogInnerHeight) and saves it.
struct DialogGeometry {
    UWORD left = 32;
    UWORD top = 32;
    UWORD innerWidth = 450;
    UWORD innerHeight = 256;
};

DialogGeometry DialogGeometryFromRecord(const ConfigRecord &config);
void StoreDialogGeometry(const DialogGeometry &geometry, ConfigRecord &config);

// Which window description a dialog opens with.
enum class DialogDescription : UBYTE {
    Common,   // at the DialogGeometry; a resize stores position and inner width there
    Second,   // at the screen's top left, inner width 575 at first; a resize stores only the width
    Request,  // a system request: centred on the screen, no sizing gadget, nothing stored
    Own       // the dialog's own: at its left, top and inner width, no sizing gadget, only
              // gadget-up and close-window messages ("Copy checking")
};

constexpr UWORD SecondDescriptionInitialWidth = 575;
constexpr UWORD DialogMinWidth = 350;
constexpr UWORD DialogMaxWidth = 4096;
constexpr ULONG DialogMaxGadgets = 64;
constexpr ULONG DialogMaxLabels = 64;

// What every dialog of one lister shares; it lives from start-up to quit.
struct DialogToolkit {
    RenderTarget canvas;                      // the DialogCanvas (BufferSet entry 2)
    const GradientTable *windowGradient = nullptr;
    const GlyphSet *glyphs = nullptr;
    const ConfigRecord *config = nullptr;     // the windows "Text color"
    struct Screen *screen = nullptr;
    struct Image *frame = nullptr;            // the "frameiclass" button frame
    LONG inactivePen = 0;                     // background pens of string fields
    LONG activePen = 0;
    LONG bordersX = 0;                        // window borders of a sizing window
    LONG bordersY = 0;
    LONG borderTop = 0;
    LONG borderLeft = 0;
    struct Window *returnTo = nullptr;        // activated again when a dialog closes (the lister)
    DialogGeometry geometry;                  // the common description's place
    UWORD secondInnerWidth = SecondDescriptionInitialWidth;
};

// A label drawn on the canvas, optionally followed by a name in its own
// colour (DrawTextOn).
struct DialogLabel {
    LONG x = 0;
    LONG y = 0;
    CONST_STRPTR text = nullptr;
    ULONG colour = 0;
    CONST_STRPTR name = nullptr;
    ULONG nameColour = 0;
};

// One dialog while it is being built and while it is open.
struct Dialog {
    DialogDescription description = DialogDescription::Common;
    CONST_STRPTR title = nullptr;
    UWORD left = 0;          // Own description only
    UWORD top = 0;
    UWORD innerWidth = 0;    // Request and Own descriptions only; the others take theirs from the toolkit
    UWORD innerHeight = 0;   // fixed by the layout: the window's height cannot change
    struct Gadget *gadgets[DialogMaxGadgets] = {};
    ULONG gadgetCount = 0;
    DialogLabel labels[DialogMaxLabels] = {};
    ULONG labelCount = 0;
    struct Window *window = nullptr;
    BOOL failed = FALSE;     // a gadget could not be made: OpenDialog refuses

    struct Gadget *First() const { return gadgetCount != 0 ? gadgets[0] : nullptr; }
    struct Gadget *Find(UWORD id) const;
};

// A gadget's box. With `fromRight`, `left` is the distance of the gadget's
// right edge from the window's right border (GA_RelRight).
struct DialogBox {
    LONG left = 0;
    LONG top = 0;
    LONG width = 0;
    LONG height = 0;
    BOOL fromRight = FALSE;
};

// Adds a label (the text is not copied: it must live while the dialog does).
void AddDialogLabel(Dialog &dialog, LONG x, LONG y, CONST_STRPTR text, ULONG colour, CONST_STRPTR name = nullptr,
                    ULONG nameColour = 0);

// A "frbuttonclass" push button (toggle: an on/off choice with GA_Selected)
// framed by the toolkit's frame image, chained behind the dialog's last
// gadget. nullptr when it cannot be made (the dialog is marked failed).
struct Gadget *AddDialogButton(DialogToolkit &toolkit, Dialog &dialog, UWORD id, CONST_STRPTR label,
                               const DialogBox &box, BOOL toggle = FALSE, BOOL selected = FALSE);

// Any other BOOPSI gadget (a "propgclass" slider, a numeric field placed
// from the right …): made from `className` with the caller's `tags`,
// chained behind the dialog's last gadget (GA_Previous is added here).
// nullptr when it cannot be made (the dialog is marked failed).
struct Gadget *AddDialogGadget(Dialog &dialog, CONST_STRPTR className, const struct TagItem *tags);

// The value for GA_Left, or for GA_RelRight when `box.fromRight`, that puts
// a gadget where `box` says.
LONG DialogGadgetLeft(const DialogToolkit &toolkit, const DialogBox &box);

// A "strgclass" text field on the caller's buffer (`maxChars` bytes, NUL
// included), spanning the window's width less `relWidth`; numeric fields
// carry STRINGA_LongVal. nullptr when it cannot be made.
struct Gadget *AddDialogField(DialogToolkit &toolkit, Dialog &dialog, UWORD id, STRPTR buffer, ULONG maxChars,
                              LONG left, LONG top, LONG relWidth, LONG height, BOOL numeric = FALSE);

// Fills the canvas with the windows gradient over max(inner height, 256)
// rows and draws the dialog's labels.
void PaintDialog(DialogToolkit &toolkit, const Dialog &dialog);

// Copies the canvas into the dialog window inside its borders.
void PresentDialog(DialogToolkit &toolkit, const Dialog &dialog);

// Opens the dialog: paints it, opens its window on the lister's screen with
// its description, presents the canvas and adds and draws the gadgets.
// FALSE (nothing left open; the gadgets are disposed) when a gadget could
// not be made or the window cannot open.
[[nodiscard]] BOOL OpenDialog(DialogToolkit &toolkit, Dialog &dialog);

// Closes it: removes the gadgets, answers every message still at its port,
// closes the window and disposes of the gadgets; the window the toolkit
// returns to (the lister's) gets the input focus back.
void CloseDialog(DialogToolkit &toolkit, Dialog &dialog);

// A message of a dialog's window, as its loop acts on it.
struct DialogEvent {
    enum class Kind : UBYTE {
        GadgetUp,   // a gadget was released: gadgetId, code
        Close,      // the close gadget
        NewSize,    // the window was resized; already repainted and stored
        Other       // any other class (`cls`): the dialog decides; none ends a dialog by itself
    } kind = Kind::Close;
    UWORD gadgetId = 0;
    UWORD code = 0;
    ULONG cls = 0;
};

// The dialog's next event. Answers the message at once; a new size is
// acted on here (the geometry stored, the window repainted, the gadgets
// redrawn) and returned as NewSize. With `wait` FALSE it returns FALSE at
// once when no message is waiting, so a window can be polled between two
// pieces of work (a progress window); with `wait` TRUE it waits.
BOOL NextDialogEvent(DialogToolkit &toolkit, Dialog &dialog, DialogEvent &event, BOOL wait);

// The modal loop's next event: waits, passes over new sizes, and returns
// GadgetUp, Close or Other. Which of them end the dialog is the dialog's
// own rule (most treat Close as their cancel; "Copy checking" every
// message that is not one of its buttons as "Abort").
DialogEvent WaitDialogEvent(DialogToolkit &toolkit, Dialog &dialog);

// A group of exclusive choices: selects `chosen` and clears every other
// member of `group`, redrawing each gadget that changed.
void SelectExclusive(Dialog &dialog, struct Gadget *const *group, ULONG count, struct Gadget *chosen);

// Reads a numeric field's value (STRINGA_LongVal).
LONG DialogFieldNumber(struct Gadget *field);

#endif /* CORE_DIALOG_H */
