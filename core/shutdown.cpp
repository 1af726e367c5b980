// core/shutdown.cpp: Shutdown: everything a lister holds released in its fixed order.
#include "core.h"
#include "lister_ops.h"
#include "partner.h"
#include "rendering.h"

#include <proto/asl.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

void ReleaseDrawerLock(Lister &lister)
{
    // The drawer's lock is the current directory: the start directory
    // becomes current again before the lock goes.
    CurrentDir(lister.startDirectory);
    if (lister.entries.Usable()) {
        BPTR drawer = lister.Header().DrawerLock();
        if (drawer != 0 && drawer != lister.startDirectory)
            UnLock(drawer);
        lister.Header().SetDrawerLock(0);
    }
}

void Shutdown(Lister &lister)
{
    // The window first, after its menu strip and its waiting messages.
    CloseListerWindow(lister);
    // What was drawn into it and the gadgets it had.
    FreeDirectBitMap(lister.direct);
    DetachListerCanvas(lister);
    DisposeScrollGadgets(lister.gadgets);
    if (lister.libraries[LibraryDos] != nullptr)
        ReleaseDrawerLock(lister);
    // The handles of started commands, then the buffers.
    if (lister.userMenuOutput != 0)
        Close(lister.userMenuOutput);
    lister.userMenuOutput = 0;
    if (lister.consoleHandle != 0)
        Close(lister.consoleHandle);
    lister.consoleHandle = 0;
    WithdrawEntryBuffer(lister);
    FreeBufferSet(lister.buffers);
    lister.entries = EntryBuffer();
    // The glyph set, the font, the pens, the draw info and the screen.
    FreeGlyphSet(lister.glyphs);
    CloseFont(lister.font);
    lister.font = nullptr;
    if (lister.screen != nullptr) {
        for (LONG &pen : lister.pens) {
            if (pen >= 0)
                ReleasePen(lister.screen->ViewPort.ColorMap, ULONG(pen));
            pen = -1;
        }
        if (lister.drawInfo != nullptr)
            FreeScreenDrawInfo(lister.screen, lister.drawInfo);
        UnlockPubScreen(nullptr, lister.screen);
    }
    lister.drawInfo = nullptr;
    lister.screen = nullptr;
    // The dialogs' frames and the window's port.
    for (struct Image *&frame : lister.frameImages) {
        DisposeObject(frame);
        frame = nullptr;
    }
    if (lister.sharedPort != nullptr)
        DeleteMsgPort(lister.sharedPort);
    lister.sharedPort = nullptr;
    for (APTR &request : lister.requesters) {
        if (request != nullptr)
            FreeAslRequest(request);
        request = nullptr;
    }
    // The libraries, in the reverse of their opening order.
    const ListerLibrary closing[LibraryCount] = {LibraryAsl, LibraryWorkbench, LibraryCyberGraphics,
                                                 LibraryGraphics, LibraryIntuition, LibraryDos};
    for (ListerLibrary library : closing) {
        if (lister.libraries[library] != nullptr)
            CloseLibrary(lister.libraries[library]);
        lister.libraries[library] = nullptr;
    }
}
