// core/navigation.cpp: GoToDrawer and the commands that change the shown drawer.
#include "lister_ops.h"

#include "drawer_paths.h"
#include <ui/requester.h>

#include <lister/read_drawer.h>
#include <lister/sort.h>
#include <proto/asl.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <cstdio>
#include <cstring>
#include <texts/texts.h>

namespace {

void ReportUnreadable(void *context, CONST_STRPTR objectName, LONG error)
{
    auto &lister = *static_cast<Lister *>(context);
    FaultRequester(lister.Requests(), objectName, error, FaultButtons::AbortOnly);
}

ListerDrawing DrawingOf(Lister &lister)
{
    ListerDrawing drawing;
    drawing.glyphs = &lister.glyphs;
    drawing.listerGradient = &lister.listerGradient;
    drawing.windowGradient = lister.windowGradient;
    drawing.dates = &lister.dates;
    drawing.dateWidth = lister.dateWidth;
    drawing.canvas = lister.canvas;
    drawing.statusStrip = lister.statusStrip;
    return drawing;
}

void PathTooLong(Lister &lister)
{
    MessageRequest(lister.Requests(), ListerPathTooLongText);
}

// Takes the window away before the lister's drawer changes.
void LeaveDrawer(Lister &lister)
{
    CloseListerWindow(lister);
    // The picture of the old drawer goes before the new one is read.
    lister.canvas->Release();
    lister.view.scrollTop = 0;
    lister.view.scrollLeft = 0;
    lister.click.valid = FALSE;
}

}  // namespace

BOOL ShowListerDrawer(Lister &lister)
{
    SetParentEnabled(lister.menus, !PathIsRoot(lister.Path()));
    FaultReporter reporter;
    reporter.report = ReportUnreadable;
    reporter.context = &lister;
    ReadDrawerResult read = ReadDrawer(lister.entries, lister.config.ExtraSpaceFilename(), lister.startDirectory,
                                       reporter);
    SortEntries(lister.entries, lister.config.SortOrder());
    lister.layout = LayoutLister(DrawingOf(lister), lister.entries, lister.config);
    lister.windowSpec = ComputeListerWindow(lister.config, lister.metrics, lister.layout.width, lister.layout.height);
    if (lister.variant->paired)
        FitPairedListerWindow(lister.windowSpec, lister.metrics, lister.variant->role);
    if (!OpenListerWindow(lister))
        return FALSE;
    PresentListerWindow(lister);

    if (read.entriesNotShown != 0) {
        char text[80];
        std::snprintf(text, sizeof text, ListerBufferTooSmallFormat,
                      static_cast<unsigned long>(read.entriesNotShown));
        MessageRequest(lister.Requests(), text);
    }
    // A drawer that could be locked but not read to its end: say why, over
    // the entries that were read.
    if (read.scanError != 0)
        FaultRequester(lister.Requests(), lister.Path(), read.scanError, FaultButtons::AbortOnly);
    if (lister.layout.bitmapTooSmall) {
        // Say how much is missing and where the limit is raised.
        char shown[120];
        std::snprintf(shown, sizeof shown, "%lu of %lu entries shown: %s",
                      static_cast<unsigned long>(lister.layout.linesDrawn),
                      static_cast<unsigned long>(lister.layout.lineCount), lister.canvas->ShortageAdvice());
        MessageRequest(lister.Requests(), "To little memory for bitmap", shown);
    }
    return TRUE;
}

void GoToDrawer(Lister &lister, CONST_STRPTR path)
{
    if (std::strlen(path) >= ListerPathSize) {
        PathTooLong(lister);
        return;
    }
    LeaveDrawer(lister);
    UpdateHistory(lister.history, path);
    // The length was checked above: the path always fits.
    // The partner lister may read the path at any moment (dual build).
    Forbid();
    if (path != lister.Path())
        (void)SetListerPath(lister.Header(), path);
    Permit();
    if (!ShowListerDrawer(lister))
        lister.quit = TRUE;
}

void RefreshDrawer(Lister &lister)
{
    GoToDrawer(lister, lister.Path());
}

void EnterDrawer(Lister &lister, CONST_STRPTR name)
{
    char path[ListerPathSize];
    std::memcpy(path, lister.Path(), ListerPathSize);
    if (!AppendDrawerName(path, ListerPathSize, name)) {
        PathTooLong(lister);
        return;
    }
    GoToDrawer(lister, path);
}

void GoToParent(Lister &lister)
{
    char path[ListerPathSize];
    std::memcpy(path, lister.Path(), ListerPathSize);
    if (CutToParent(path) == ParentCut::NoSeparator) {
        // A relative path: the file system knows the drawer's parent. A
        // relative drawer that could not be read lies in the start drawer.
        BPTR drawer = lister.Header().DrawerLock();
        if (drawer == 0 && path[0] != '\0') {
            GoToDrawer(lister, "");
            return;
        }
        BPTR parent = ParentDir(drawer != 0 ? drawer : lister.startDirectory);
        if (parent == 0) {
            // Already at a root (or the drawer is gone): nothing above it.
            SetParentEnabled(lister.menus, FALSE);
            if (lister.window != nullptr) {
                ClearMenuStrip(lister.window);
                ResetMenuStrip(lister.window, lister.menus.Strip());
            }
            return;
        }
        BOOL named = NameFromLock(parent, path, ListerPathSize);
        LONG error = IoErr();
        UnLock(parent);
        if (!named) {
            FaultRequester(lister.Requests(), lister.Path(), error, FaultButtons::AbortOnly);
            return;
        }
    }
    GoToDrawer(lister, path);
}

void RedrawEntries(Lister &lister)
{
    lister.layout = LayoutLister(DrawingOf(lister), lister.entries, lister.config);
}

void OpenDrawerRequester(Lister &lister)
{
    auto *request = static_cast<struct FileRequester *>(lister.requesters[RequesterOpen]);
    if (request == nullptr)
        return;
    struct TagItem tags[] = {{ASLFR_TitleText, reinterpret_cast<IPTR>("Choose drawer")},
                             {ASLFR_DrawersOnly, TRUE},
                             {ASLFR_InitialDrawer, reinterpret_cast<IPTR>(lister.Path())},
                             {TAG_DONE, 0}};
    if (!AslRequest(request, tags))
        return;
    CONST_STRPTR drawer = request->fr_Drawer != nullptr ? request->fr_Drawer : "";
    BPTR test = Lock(drawer, SHARED_LOCK);
    if (test == 0) {
        FaultRequester(lister.Requests(), drawer, IoErr(), FaultButtons::AbortOnly);
        return;
    }
    UnLock(test);
    GoToDrawer(lister, drawer);
}

void SetDestinationRequester(Lister &lister)
{
    auto *request = static_cast<struct FileRequester *>(lister.requesters[RequesterDestination]);
    if (request == nullptr)
        return;
    struct TagItem tags[] = {{ASLFR_TitleText, reinterpret_cast<IPTR>("Choose drawer")},
                             {ASLFR_DrawersOnly, TRUE},
                             {ASLFR_InitialDrawer, reinterpret_cast<IPTR>(lister.destination)},
                             {TAG_DONE, 0}};
    if (!AslRequest(request, tags))
        return;
    CONST_STRPTR drawer = request->fr_Drawer != nullptr ? request->fr_Drawer : "";
    if (!CopyPath(lister.destination, DestinationPathSize, drawer))
        MessageRequest(lister.Requests(), DestinationTooLongText);
}
