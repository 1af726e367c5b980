// intuition/state.h: intuition's own records of screens, windows and messages, the input state, and the calls its files share.
#ifndef INTUITION_STATE_H
#define INTUITION_STATE_H

#include "frame.h"
#include "menulayout.h"
#include "region.h"

#include <hosted/display.h>
#include <hosted/graphics.h>
#include <hosted/intuition.h>
#include <hosted/task.h>
#include <intuition/cghooks.h>
#include <intuition/intuitionbase.h>

#include <atomic>
#include <string>
#include <unordered_set>
#include <vector>

namespace hosted {

struct WindowRecord;

// A screen. The Screen comes first: a struct Screen * is its record.
struct ScreenRecord {
    struct Screen screen{};
    std::string publicName;             // empty for a private (custom) screen
    std::string ownTitle;               // the default screen's title text
    bool isDefault = false;             // "Workbench": never closes
    bool isPrivate = false;             // PSNF_PRIVATE
    int locks = 0;                      // LockPubScreen locks not given back
    struct BitMap *background = nullptr;// the screen's own pixels: title bar and backdrop
    std::vector<ULONG> frame;           // the composed screen, Width x Height, BGRA32
    struct ColorMap *colorMap = nullptr;
    UWORD pens[NUMDRIPENS + 1] = {};    // dri_Pens, ~0 terminated
    struct DrawInfo drawInfo{};         // handed out by GetScreenDrawInfo
    struct TextAttr fontAttr{};
    struct TextFont *font = nullptr;
    FrameMetrics metrics;
    std::vector<WindowRecord *> windows;// front to back; backdrop windows last
    Region damage;                      // screen pixels to compose again
    Region backgroundVisible;           // where the screen's own pixels show
    bool showTitle = true;
    bool depthPressed = false;          // the title bar's depth gadget is held
    LONG BarHeight() const { return screen.BarHeight + 1; }
};

// A window. The Window comes first: a struct Window * is its record.
struct WindowRecord {
    struct Window window{};
    ScreenRecord *screen = nullptr;
    struct Layer layer{};
    struct RastPort rastPort{};
    struct BitMap *backing = nullptr;   // the window's pixels, borders included
    FrameStyle frame;                    // what its frame has (size and state filled when painted)
    FrameLayout parts;                  // where the frame's parts lie
    struct MsgPort *ownedPort = nullptr;// the UserPort intuition made, if it did
    bool publicLock = false;            // holds a lock on its public screen
    int mouseQueue = 5;                 // IDCMP_MOUSEMOVE messages allowed outstanding
    int mouseMoves = 0;                 // ... and outstanding now
    bool tickOutstanding = false;       // an IDCMP_INTUITICKS not yet replied
    Region visible;                     // its pixels nobody covers, screen coordinates
    std::vector<std::string> textLines; // see SetWindowTextLines
    bool layoutDone = false;            // the menu strip has been laid out
    bool notifyDepth = false;           // WA_NotifyDepth: IDCMP_CHANGEWINDOW for depth changes too
};

// An IntuiMessage as intuition allocates it.
struct MessageRecord {
    struct ExtIntuiMessage message{};
    struct TagItem *updateTags = nullptr;   // the copy IDCMP_IDCMPUPDATE points to
    WindowRecord *window = nullptr;          // may have closed meanwhile
};

// What the pointer and buttons are doing.
enum class Gesture {
    None,
    Button,        // left button held after IDCMP_MOUSEBUTTONS went to `window`
    RightButton,   // right button held in a WFLG_RMBTRAP window
    MiddleButton,
    Menu,          // a menu session: menu.cpp
    DragWindow,
    SizeWindow,
    FramePart,     // close or depth gadget held
    ScreenDepth,   // the title bar's depth gadget held
    Gadget,        // a gadget of `window` is active: gadgetinput.cpp
};

struct InputState {
    LONG x = 0, y = 0;                 // pointer on the front screen
    UWORD keys = 0;                    // IEQUALIFIER_ of the keys held
    UWORD buttons = 0;                 // IEQUALIFIER_LEFTBUTTON ...
    ULONG seconds = 0, micros = 0;     // time of the event being handled
    bool handling = false;             // an event is being handled (its time is the messages' time)
    Gesture gesture = Gesture::None;
    WindowRecord *window = nullptr;    // the window of the gesture
    int part = PartNone;               // FramePart held
    LONG grabX = 0, grabY = 0;         // pointer offset from the window's corner while dragging
    Box sizeBox;                       // the outline while sizing, screen coordinates
    bool moved = false;                // the window moved during the drag
    struct Gadget *gadget = nullptr;   // the active gadget
    LONG termination = 0;              // gpi_Termination of the active gadget
    // The key event being handed to a gadget, and the character it types.
    const struct InputEvent *keyEvent = nullptr;
    ULONG keyCharacter = 0;
    UWORD Qualifier() const { return static_cast<UWORD>(keys | buttons); }
};

// Everything intuition keeps. Guarded by IntuitionLock().
struct IntuitionState {
    std::vector<ScreenRecord *> screens;   // front to back
    ScreenRecord *defaultScreen = nullptr;
    WindowRecord *active = nullptr;
    struct Task *focusReturn = nullptr;    // the task whose active window just closed
    std::unordered_set<ScreenRecord *> liveScreens;
    std::unordered_set<WindowRecord *> liveWindows;
    std::unordered_set<MessageRecord *> liveMessages;
    struct MsgPort *replyPort = nullptr;   // where programs' replies come back
    HostTask *inputTask = nullptr;
    ULONG inputSignal = 0;                 // host input queued
    ULONG composeSignal = 0;               // damage to compose
    InputState input;
    struct Preferences prefs{};
    bool beeping = false;                  // DisplayBeep's flash is shown
    std::atomic<bool> composeRequested{false};
};

IntuitionState &State();
struct IntuitionBase &Base();

// The display backend in use (set at start).
DisplayBackend &Backend();

// --- screens.cpp ------------------------------------------------------------------
ScreenRecord *ScreenOf(struct Screen *screen);   // nullptr unless open
ScreenRecord *FrontScreen();
ScreenRecord *OpenDefaultScreen();
void PaintScreenBar(ScreenRecord *screen);
Box ScreenBarBox(const ScreenRecord *screen);
Box ScreenDepthBox(const ScreenRecord *screen);
void UpdateScreenTitle(ScreenRecord *screen);     // after activation changes
void BringScreenToFront(ScreenRecord *screen);
void SendScreenToBack(ScreenRecord *screen);

// --- windows.cpp, windowops.cpp ---------------------------------------------------------------
WindowRecord *WindowOf(struct Window *window);   // nullptr unless open
void PaintWindowFrame(WindowRecord *window);      // frame and border gadgets
void ActivateWindowRecord(WindowRecord *window); // nullptr: no window active
// Moves and sizes a window (screen coordinates), keeping it on its screen
// and within its limits; sends NEWSIZE/CHANGEWINDOW as the real system does.
// With notify false (a drag in progress) no message is sent.
void SetWindowBox(WindowRecord *window, LONG left, LONG top, LONG width, LONG height, bool notify = true);
void RaiseWindow(WindowRecord *window);
void LowerWindow(WindowRecord *window);
bool IsFrontmost(const WindowRecord *window);

// --- stacking.cpp -------------------------------------------------------------------
// Recomputes which parts of each window can be seen, the windows' links
// and layers, after any change of the stack or of a window's box.
void RestackScreen(ScreenRecord *screen);
// The window whose visible part holds the point, or nullptr.
WindowRecord *WindowAt(ScreenRecord *screen, LONG x, LONG y);
// True when the title bar is not covered at the point.
bool ScreenBarAt(ScreenRecord *screen, LONG x, LONG y);

// --- compositor.cpp ----------------------------------------------------------------
void DamageScreen(ScreenRecord *screen, const Box &box);
void DamageWindow(WindowRecord *window, const Box &box);   // window coordinates
void RequestCompose();
void ComposeFront();                 // with IntuitionLock held
void ShowFrontScreen();              // the front screen changed
void SetOutline(const Box &box);     // the sizing outline (empty: none)
void InstallLayerHooks();
// A picture shown over the front screen (the menus), BGRA32 rows of
// `stride` pixels; nullptr pixels removes it.
void SetOverlay(int slot, const Box &box, const ULONG *pixels, LONG stride);
constexpr int kOverlaySlots = 3;

// --- idcmp.cpp ---------------------------------------------------------------------
// Sends an IDCMP message when the window listens for its class. MouseX/Y
// are the window-relative pointer position; the time is the input's.
bool SendIDCMP(WindowRecord *window, ULONG idcmpClass, UWORD code, APTR address);
// The message SendIDCMP sent last (to tell whether it was replied).
MessageRecord *LastMessage();
bool MessagePending(const MessageRecord *message);
bool SendIDCMPUpdate(WindowRecord *window, const struct TagItem *tags, UWORD code);
// Frees what came back to intuition's reply port.
void TakeReplies();
// Takes the window's unreplied messages off its UserPort and frees them.
void StripWindowMessages(WindowRecord *window);

// --- gadgets.cpp, gadgetinput.cpp ---------------------------------------------------------
bool IsBoopsi(const struct Gadget *gadget);
void BuildGadgetInfo(WindowRecord *window, struct GadgetInfo &info);
Box GadgetBoxOf(WindowRecord *window, const struct Gadget *gadget);   // window coordinates
void RenderGadget(WindowRecord *window, struct Gadget *gadget, LONG redraw);
void RenderBorderGadgets(WindowRecord *window);
void LayoutGadgets(WindowRecord *window, bool initial);
void InstallWindowServices();
// Tries the window's gadgets at a window position; true when one took the press.
bool PressGadget(WindowRecord *window, LONG x, LONG y);
// Hands an event to the active gadget; true when it used it.
bool ActiveGadgetInput(const struct InputEvent &event);
// Takes the active gadget away (GM_GOINACTIVE with abort).
void AbortActiveGadget();
bool ActivateGadgetRecord(WindowRecord *window, struct Gadget *gadget);

// --- menus.cpp, menusession.cpp ---------------------------------------------------------------
MenuMetrics MenuMetricsOf(ScreenRecord *screen);
TextWidth TextWidthOf(ScreenRecord *screen);
void LayoutWindowMenus(WindowRecord *window);
// Applies a pick to the item's check mark (CHECKIT, MENUTOGGLE, MutualExclude).
void ApplyPick(struct Menu *strip, UWORD code);
bool StartMenuSession(WindowRecord *window);
void MenuSessionMove();
void MenuSessionSelect();      // left button during the session: one more pick
void EndMenuSession(bool pick);
void CancelMenuSession(WindowRecord *window);   // the strip goes away
bool MenuShortcut(WindowRecord *window, ULONG character);
// Chains the picks of one session through NextSelect and sends
// IDCMP_MENUPICK with the first (MENUNULL when there is none).
void DeliverMenuPicks(WindowRecord *window, const std::vector<UWORD> &codes);
// The code of a pickable item or sub-item, or MENUNULL (disabled, or an
// item that has sub-items).
UWORD PickableCode(struct Menu *strip, int menu, int item, int sub);

// --- input.cpp ----------------------------------------------------------------------
void StartInputTask();
void HandleHostInput(const HostInput &input);
void SetPointerOnWindows(ScreenRecord *screen);
// True while the input task works on an event (for the idle rule).
bool InputBusy();

// --- automation.cpp, dump.cpp ---------------------------------------------------------------
void StartAutomation();
// The screens, windows, gadgets, texts and menus as the automation's JSON.
std::string DumpJson();
// The label the automation knows a gadget by ("" for none), its class name.
std::string GadgetLabel(struct Gadget *gadget);
std::string GadgetClassName(struct Gadget *gadget);
// The first window with this title, front screen first, front to back.
WindowRecord *FindWindowByTitle(const std::string &title);

}  // namespace hosted

#endif  // INTUITION_STATE_H
