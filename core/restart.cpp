// core/restart.cpp: "Restart": the lister's buffers released and allocated again, the lister started again in "SYS:".
#include "restart.h"

#include "error_console.h"
#include "lister_ops.h"
#include "partner.h"
#include "rendering.h"
#include "startup.h"

#include <proto/dos.h>

#include <cstring>
#include <texts/texts.h>

namespace {

// Nothing may point into a released BufferSet.
void ForgetBuffers(Lister &lister)
{
    DetachListerCanvas(lister);
    lister.entries = EntryBuffer();
    lister.windowGradient = nullptr;
    lister.destination = nullptr;
    lister.statusStrip = RenderTarget();
    lister.dialogs.canvas = RenderTarget();
    lister.dialogs.windowGradient = nullptr;
    lister.layout = ListerLayout();
}

BOOL Allocate(Lister &lister)
{
    if (AllocBufferSet(lister.buffers, ListerBufferLengths(lister)) && PrepareBuffers(lister))
        return TRUE;
    FreeBufferSet(lister.buffers);
    ForgetBuffers(lister);
    return FALSE;
}

void RestoreSizes(ConfigRecord &config, const ConfigRecord &previous)
{
    for (ULONG i = 0; i < ConfigBufferCount; i++) {
        auto which = static_cast<ConfigBuffer>(i);
        config.SetBufferAttributes(which, previous.BufferAttributes(which));
        config.SetBufferSize(which, previous.BufferSize(which));
    }
}

}  // namespace

void RestartLister(Lister &lister, const ConfigRecord &previous)
{
    CloseListerWindow(lister);
    // The drawer's lock is kept in the EntryBuffer, which is about to go.
    ReleaseDrawerLock(lister);
    lister.click.valid = FALSE;
    WithdrawEntryBuffer(lister);
    FreeBufferSet(lister.buffers);
    ForgetBuffers(lister);

    if (!Allocate(lister)) {
        RestoreSizes(lister.config, previous);
        if (!Allocate(lister)) {
            ShowFatalMessage(lister.variant->errorConsoleName, lister.variant->startFailureText);
            RecordPartnerExit(lister, PartnerExitNoMemory);
            lister.quit = TRUE;
            return;
        }
        // The console's text, as a requester's line.
        char line[80];
        std::strncpy(line, lister.variant->startFailureText, sizeof line - 1);
        line[sizeof line - 1] = '\0';
        line[std::strcspn(line, "\n")] = '\0';
        MessageRequest(RequestContext{nullptr, lister.metrics.ySize}, line, PreviousSizesKeptText);
    }
    PrepareDialogs(lister);
    GoToDrawer(lister, "SYS:");
}
