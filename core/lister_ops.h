// core/lister_ops.h: the operations the core's parts call on a Lister: window, drawing, navigation, commands.
#ifndef CORE_LISTER_OPS_H
#define CORE_LISTER_OPS_H

#include "commands.h"
#include "lister.h"

// --- The lister window (lister_window.cpp) ------------------------------------

// Opens the lister window with the current windowSpec and its gadgets (made
// on the first opening, only updated later), attaches it to SharedPort with
// the IDCMP flags 0x36A and sets the menu strip. FALSE when the window
// cannot be opened.
[[nodiscard]] BOOL OpenListerWindow(Lister &lister);

// Removes the menu strip, answers every waiting message, detaches the window
// from SharedPort and closes it. Nothing happens when no window is open.
void CloseListerWindow(Lister &lister);

// Answers every message waiting at SharedPort. TRUE when one of them was
// IDCMP_NEWSIZE (the window's new size is then read from the window).
BOOL DrainListerMessages(Lister &lister);

// The status line and the visible list, or the visible list alone, or
// only the visible rows of line `row` (after it was inverted). Each goes
// through the lister's canvas; nothing happens without a window.
void PresentListerWindow(Lister &lister);
void PresentListerRows(Lister &lister);
void PresentListerRow(Lister &lister, ULONG row);

// Sets the vertical scroller's knob to ScrollTop, or the horizontal one to
// ScrollLeft, in the open window.
void UpdateVerticalScroller(Lister &lister);
void UpdateHorizontalScroller(Lister &lister);

// --- Drawing and navigation (navigation.cpp) -----------------------------------

// Reads the lister's path, sorts, lays out and draws it, opens the window at
// the size the list needs and presents it; then tells the user about entries
// or lines that did not fit their buffers. FALSE when the window could not
// be opened (the lister then quits).
[[nodiscard]] BOOL ShowListerDrawer(Lister &lister);

// GoToDrawer: shows the drawer `path` (the HistoryList records it).
// A path longer than the path buffer is refused with a requester and the
// lister stays as it was.
void GoToDrawer(Lister &lister, CONST_STRPTR path);

// "Refresh", "Parent", a double-click on a drawer, "Open".
void RefreshDrawer(Lister &lister);
void GoToParent(Lister &lister);
// "Root" (dual build): the path cut after the volume's ":", "Parent" off.
void GoToRoot(Lister &lister);
void EnterDrawer(Lister &lister, CONST_STRPTR name);
void OpenDrawerRequester(Lister &lister);
void SetDestinationRequester(Lister &lister);

// Makes the start directory current again and releases the drawer's lock
// (at quit, and before "Restart" frees the EntryBuffer that keeps it).
void ReleaseDrawerLock(Lister &lister);

// Lays the current entries out and draws them again (after a sort change).
void RedrawEntries(Lister &lister);

// --- The event loop (event_loop.cpp, clicks.cpp, scrolling.cpp) -----------------

// A window message, copied out before it is answered.
struct WindowEvent {
    ULONG cls = 0;
    UWORD code = 0;
    UWORD qualifier = 0;
    LONG gadgetId = -1;      // GADGETDOWN/GADGETUP: the gadget's GA_ID
    WORD mouseX = 0;
    WORD mouseY = 0;
    ULONG seconds = 0;
    ULONG micros = 0;
};

// Takes one message from the port, copies it out and answers it. FALSE
// when the port is empty.
BOOL TakeWindowEvent(struct MsgPort *port, WindowEvent &event);

// The same for SharedPort: a message of the partner lister (it replies to
// the partner's port) is handed to HandlePartnerMessage and not returned.
BOOL TakeListerEvent(Lister &lister, WindowEvent &event);

// Waits for what a lister answers to and acts on each until it quits: the
// window's messages at SharedPort, the partner's messages there, and
// Ctrl-C sent to the program, which quits as "Quit" does.
void EventLoop(Lister &lister);

// Waits until SharedPort has a message or Ctrl-C arrives (the lister is
// then told to quit). The nested loops of clicks and drags wait here too.
void WaitListerPort(Lister &lister);

// Whether a message at SharedPort is the partner lister's rather than the
// window's: it replies to the partner's port.
inline BOOL IsPartnerMessage(const Lister &lister, const struct Message *message)
{
    return lister.partnerPort != nullptr && message->mn_ReplyPort == lister.partnerPort;
}

// A PartnerMessage of the other lister (dual build): acted on and replied
// to. A single lister has no partner and never gets one.
void HandlePartnerMessage(Lister &lister, struct Message *message);

// After a command: answers the messages that arrived meanwhile and acts on
// a waiting resize.
void ReturnToEventLoop(Lister &lister);

// A resize: reopen the window at its new size with ScrollTop 0.
void ResizeListerWindowNow(Lister &lister);

void HandleMouseButton(Lister &lister, const WindowEvent &event);
void HandleGadgetDown(Lister &lister, const WindowEvent &event);

// --- Commands (commands.cpp, viewer.cpp, save_settings.cpp) ---------------------

// Runs the ViewerCommand for `name` (relative to the shown drawer)
// asynchronously with the console handle as its input.
void RunViewer(Lister &lister, CONST_STRPTR name);

// "Help": the help file from the start drawer, or from PROGDIR:.
void ShowHelp(Lister &lister);

// Runs a command line asynchronously (NP_StackSize 16384, SYS_Asynch,
// SYS_Input the console handle, SYS_Output 0, tag 0x80000026 0) and opens a
// fresh console handle for the next one.
void RunAsynchronously(Lister &lister, CONST_STRPTR command);

// "Save settings": the ConfigRecord into the configuration file, asking
// before an existing file is replaced, then the user menus.
void SaveSettings(Lister &lister);

// --- User menus (user_menus.cpp, user_menu_command.cpp) ------------------------

// Reads the user menu file into BufferSet entry 5 (start-up and "Restart").
// No file: no user menus. A file that cannot be read or is damaged is
// refused whole with a requester naming it; there are no user menus then.
void LoadUserMenus(Lister &lister);

// Writes the user menus after the configuration file, beside the old one
// until whole; nothing when no menu is linked. FALSE when it failed (the
// requester has said why; the old file is as it was).
BOOL SaveUserMenus(Lister &lister);

// The user menus to append to the strip after "History" (nullptr: none).
struct Menu *UserMenuStrip(Lister &lister);

// A pick in a user menu (`menu` and `item` from 0): the item run over the
// selection. A pick of nothing linked does nothing.
void RunUserMenuItem(Lister &lister, ULONG menu, ULONG item);

#endif /* CORE_LISTER_OPS_H */
