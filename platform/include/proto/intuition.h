/* proto/intuition.h: intuition's functions. */
#ifndef PROTO_INTUITION_H
#define PROTO_INTUITION_H

#include <intuition/intuition.h>
#include <intuition/intuitionbase.h>
#include <intuition/screens.h>
#include <intuition/preferences.h>
#include <intuition/classes.h>
#include <intuition/classusr.h>
#include <intuition/cghooks.h>
#include <proto/hosted_tags.h>

/* --- Screens ------------------------------------------------------------ */

/* Opens a screen: SA_Width/SA_Height (default: the default public screen's
   size), SA_Title, SA_Type PUBLICSCREEN with SA_PubName, SA_SysFont,
   SA_ShowTitle, SA_Behind ... Every screen is a 32-bit BGRA framebuffer
   whatever SA_Depth asks. NULL on failure, with the reason in the ULONG
   SA_ErrorCode points to (OSERR_PUBNOTUNIQUE for a public name in use). */
struct Screen *OpenScreenTagList(const struct NewScreen *newScreen, const struct TagItem *tagList);
struct Screen *OpenScreen(const struct NewScreen *newScreen);

/* Closes a screen. FALSE (and nothing happens) while windows are open on
   it, while it is a public screen that is locked, and for the default
   public screen. */
BOOL CloseScreen(struct Screen *screen);

void ScreenToFront(struct Screen *screen);
void ScreenToBack(struct Screen *screen);

/* Shows (TRUE) or hides behind backdrop windows (FALSE) the title bar. */
void ShowTitle(struct Screen *screen, BOOL showIt);

/* Locks a public screen by name (NULL: the default public screen,
   "Workbench") so it stays open; NULL when there is none of that name or
   it is private. Give the lock back with UnlockPubScreen(). */
struct Screen *LockPubScreen(CONST_STRPTR name);
void UnlockPubScreen(CONST_STRPTR name, struct Screen *screen);

/* Makes a public screen private (statusFlags PSNF_PRIVATE) or public again
   (0). Returns non-zero (bit 0 set) when the change was made, 0 when it was
   refused: a screen with visitors cannot be made private. */
UWORD PubScreenStatus(struct Screen *screen, ULONG statusFlags);

/* Copies the default public screen's name ("Workbench") into nameBuffer
   (at least MAXPUBSCREENNAME + 1 bytes). */
void GetDefaultPubScreen(STRPTR nameBuffer);

/* The screen's pens and font; NULL for NULL. Free it with
   FreeScreenDrawInfo(). */
struct DrawInfo *GetScreenDrawInfo(struct Screen *screen);
void FreeScreenDrawInfo(struct Screen *screen, struct DrawInfo *drawInfo);

/* A draw information attribute (GDIA_ in intuition/screens.h): border
   sizes of sizing windows, the title bar height, the font (a struct
   TextFont *). Unknown attributes give 0 and set *errorPtr (when given)
   to TRUE; known ones set it to FALSE. Where this host differs: the result
   is an IPTR, wide enough for the font's address on this 64-bit host. */
IPTR GetDrawInfoAttr(struct DrawInfo *drawInfo, ULONG attr, ULONG *errorPtr);

/* Flashes the screen (NULL: every screen) and rings the host's bell. */
void DisplayBeep(struct Screen *screen);

/* --- Windows ------------------------------------------------------------ */

/* Opens a window from a NewWindow (may be NULL) and WA_ tags, which take
   precedence. Returns NULL when the screen cannot be found or memory is
   short. The window's RPort draws into a backing store of its own: its
   contents survive being covered, whatever refresh mode is asked. Where
   this host differs: a window opened while no window is active becomes
   active even without WA_Activate (backdrop windows excepted). */
struct Window *OpenWindowTagList(const struct NewWindow *newWindow, const struct TagItem *tagList);
struct Window *OpenWindow(const struct NewWindow *newWindow);

/* Closes a window: its menu strip must have been cleared. Messages of the
   window still queued at its UserPort are taken away (a shared port keeps
   the others); a port intuition made for it is deleted. */
void CloseWindow(struct Window *window);

/* Changes the window's IDCMP flags. With flags on a window without a
   UserPort, a port is made for the caller; with 0, a port intuition made is
   deleted. FALSE when no port could be made. */
BOOL ModifyIDCMP(struct Window *window, ULONG flags);

/* Move by a distance, size by a difference, or both at once; the results
   are kept on the screen and within the window's limits. The change is
   made at once; IDCMP_NEWSIZE and IDCMP_CHANGEWINDOW follow as messages. */
void MoveWindow(struct Window *window, LONG dx, LONG dy);
void SizeWindow(struct Window *window, LONG dx, LONG dy);
void ChangeWindowBox(struct Window *window, LONG left, LONG top, LONG width, LONG height);

/* Sets the size limits (0 keeps a limit, ~0 for the max ones means the
   screen's size). FALSE when the current size lies outside them. */
BOOL WindowLimits(struct Window *window, LONG minWidth, LONG minHeight, ULONG maxWidth, ULONG maxHeight);

void WindowToFront(struct Window *window);
void WindowToBack(struct Window *window);
void ActivateWindow(struct Window *window);

/* Changes the title (and the screen title shown while the window is
   active); (UBYTE *)~0 leaves one as it is. */
void SetWindowTitles(struct Window *window, CONST_STRPTR windowTitle, CONST_STRPTR screenTitle);

/* Draws the window's frame and system gadgets again. */
void RefreshWindowFrame(struct Window *window);

/* Refresh pairs for simple-refresh windows. Windows never lose their
   contents on this host, so there is nothing to repair. */
void BeginRefresh(struct Window *window);
void EndRefresh(struct Window *window, BOOL complete);

/* --- Gadgets ------------------------------------------------------------- */

/* Adds numGad gadgets (-1: the whole list) of a chain to the window at
   position (-1 or a large number: the end). Returns the position used.
   The gadgets are not drawn: call RefreshGList(). */
UWORD AddGList(struct Window *window, struct Gadget *gadget, ULONG position, LONG numGad,
               struct Requester *requester);
UWORD AddGadget(struct Window *window, struct Gadget *gadget, ULONG position);

/* Removes numGad gadgets (-1: to the end of the window's list) starting at
   gadget. Returns the position it had, -1 when it was not in the window. */
UWORD RemoveGList(struct Window *window, struct Gadget *gadget, LONG numGad);
UWORD RemoveGadget(struct Window *window, struct Gadget *gadget);

/* Draws numGad gadgets (-1: all) starting at gadget. */
void RefreshGList(struct Gadget *gadgets, struct Window *window, struct Requester *requester,
                  LONG numGad);
void RefreshGadgets(struct Gadget *gadgets, struct Window *window, struct Requester *requester);

void OnGadget(struct Gadget *gadget, struct Window *window, struct Requester *requester);
void OffGadget(struct Gadget *gadget, struct Window *window, struct Requester *requester);

/* Makes a string gadget (or a custom one) the active gadget, as a click on
   it would. FALSE when it cannot be activated. */
BOOL ActivateGadget(struct Gadget *gadget, struct Window *window, struct Requester *requester);

/* --- Menus --------------------------------------------------------------- */

/* Attaches a menu strip to a window and lays it out with the screen's font
   (writes the positions and sizes of all its menus and items). TRUE. */
BOOL SetMenuStrip(struct Window *window, struct Menu *menu);

/* Like SetMenuStrip() for the strip that was cleared, without a new
   layout: the program may only have changed flags such as CHECKED. */
BOOL ResetMenuStrip(struct Window *window, struct Menu *menu);

/* Detaches the window's menu strip. */
void ClearMenuStrip(struct Window *window);

/* The item (or sub-item) a menu number names; NULL for MENUNULL or when
   it names nothing. */
struct MenuItem *ItemAddress(const struct Menu *menuStrip, ULONG menuNumber);

/* Enables or disables a whole menu (item NOITEM), an item (sub NOSUB) or a
   sub-item. */
void OnMenu(struct Window *window, ULONG menuNumber);
void OffMenu(struct Window *window, ULONG menuNumber);

/* --- Texts, borders and images -------------------------------------------- */

/* Draws a chain of texts (each at its LeftEdge/TopEdge plus left/top, in
   its pens, mode and font; NULL font: the screen's). */
void PrintIText(struct RastPort *rp, const struct IntuiText *iText, LONG left, LONG top);

/* The width in pixels of the first text of the chain. */
LONG IntuiTextLength(const struct IntuiText *iText);

/* Draws a chain of borders: each a polyline of Count points. */
void DrawBorder(struct RastPort *rp, const struct Border *border, LONG left, LONG top);

/* --- Requesters built by the system ---------------------------------------- */

/* Asks a question and waits: a "System Request" window over the window
   (NULL: on the default public screen) with the body's lines, the positive
   button at the left and the negative one at the right (only the negative
   one without posText). Return answers positive, Escape negative; pFlag and
   nFlag are IDCMP classes that answer too. TRUE for the positive answer,
   FALSE for the negative one and when nothing can be shown. The window's
   own messages wait meanwhile. width and height are ignored here: the
   requester sizes itself. */
BOOL AutoRequest(struct Window *window, const struct IntuiText *body, const struct IntuiText *posText,
                 const struct IntuiText *negText, ULONG pFlag, ULONG nFlag, ULONG width, ULONG height);

/* AutoRequest's window without the wait: answer it with SysReqHandler,
   close it with FreeSysRequest. NULL when it cannot be opened. */
struct Window *BuildSysRequest(struct Window *window, const struct IntuiText *body, const struct IntuiText *posText,
                               const struct IntuiText *negText, ULONG flags, UWORD width, UWORD height);

/* A requester from an EasyStruct: es_TextFormat (lines split at line feeds)
   and es_GadgetFormat (labels split at "|") formatted with args. Returns 1
   for the leftmost button, 2, 3 ... and 0 for the rightmost; -1 when a
   class of *idcmpPtr arrived (stored there). 0 when nothing can be shown.
   Where this host differs: args is an array of IPTR, one per conversion. */
LONG EasyRequestArgs(struct Window *window, const struct EasyStruct *easyStruct, ULONG *idcmpPtr, const APTR args);
struct Window *BuildEasyRequestArgs(struct Window *window, const struct EasyStruct *easyStruct, ULONG idcmp,
                                    const APTR args);

/* Answers of a built requester: as EasyRequestArgs, or -2 with waitInput
   FALSE when nothing has happened. */
LONG SysReqHandler(struct Window *window, ULONG *idcmpPtr, BOOL waitInput);
void FreeSysRequest(struct Window *window);

/* --- Preferences and time -------------------------------------------------- */

/* Copies the first `size` bytes of the current preferences. The
   double-click interval is 0.5 s on this host. Returns prefBuffer. */
struct Preferences *GetPrefs(struct Preferences *prefBuffer, LONG size);
struct Preferences *GetDefPrefs(struct Preferences *prefBuffer, LONG size);

/* TRUE when the second time lies no later than the double-click interval
   after the first (the true difference of the two times is compared). */
BOOL DoubleClick(ULONG sSeconds, ULONG sMicros, ULONG cSeconds, ULONG cMicros);

/* The current time: seconds and microseconds since 1 January 1978. */
void CurrentTime(ULONG *seconds, ULONG *micros);

/* --- Memory kept on a Remember list ---------------------------------------- */

APTR AllocRemember(struct Remember **rememberKey, ULONG size, ULONG flags);
void FreeRemember(struct Remember **rememberKey, BOOL reallyForget);

/* ==== BOOPSI =============================================================
   Classes, objects and methods (NewObjectA, DisposeObject, SetAttrsA,
   SetGadgetAttrsA, GetAttr, DoMethodA ...), images (DrawImage,
   DrawImageState, EraseImage) and ObtainGIRPort/ReleaseGIRPort. */
#include <proto/intuition_boopsi.h>
/* ==== end of BOOPSI ====================================================== */

#ifdef __cplusplus
/* Tag-list conveniences in place of the real system's varargs stubs:
   OpenWindowTags(nw, WA_Title, "x", WA_Width, 200, TAG_DONE). */
template <typename... Items>
inline struct Window *OpenWindowTags(const struct NewWindow *newWindow, Items... items)
{
    static_assert(sizeof...(Items) % 2 == 1, "tags come in pairs and end with TAG_DONE");
    hosted_tags::List<Items...> list(items...);
    return OpenWindowTagList(newWindow, list.items);
}

/* EasyRequest(window, &es, &idcmp, "name", 42L): the arguments become one
   IPTR each, as EasyRequestArgs takes them. */
template <typename... Args>
inline LONG EasyRequest(struct Window *window, const struct EasyStruct *easyStruct, ULONG *idcmpPtr, Args... args)
{
    IPTR words[] = {hosted_tags::Word(args)..., 0};
    return EasyRequestArgs(window, easyStruct, idcmpPtr, words);
}

template <typename... Args>
inline struct Window *BuildEasyRequest(struct Window *window, const struct EasyStruct *easyStruct, ULONG idcmp,
                                       Args... args)
{
    IPTR words[] = {hosted_tags::Word(args)..., 0};
    return BuildEasyRequestArgs(window, easyStruct, idcmp, words);
}

template <typename... Items>
inline struct Screen *OpenScreenTags(const struct NewScreen *newScreen, Items... items)
{
    static_assert(sizeof...(Items) % 2 == 1, "tags come in pairs and end with TAG_DONE");
    hosted_tags::List<Items...> list(items...);
    return OpenScreenTagList(newScreen, list.items);
}
#endif

#endif /* PROTO_INTUITION_H */
