// core/startup.cpp: Startup: a lister's resources acquired in their fixed order, its drawer shown, its loop run.
#include "core.h"
#include "lister_ops.h"
#include "settings_commands.h"
#include "startup.h"

#include "command_line.h"
#include "drawer_paths.h"
#include "error_console.h"
#include "partner.h"
#include "rendering.h"

#include <dos/dosextens.h>
#include <graphics/view.h>
#include <intuition/imageclass.h>
#include <proto/asl.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>
#include <settings/config_check.h>
#include <ui/requester.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <texts/texts.h>

namespace {

constexpr CONST_STRPTR LibraryNames[LibraryCount] = {"dos.library",           "intuition.library",
                                                     "graphics.library",      "cybergraphics.library",
                                                     "workbench.library",     "asl.library"};

// The libraries a lister cannot run without; the others only switch
// commands off (the file requesters, the information window).
constexpr bool LibraryRequired[LibraryCount] = {true, true, true, true, false, false};

// Says why the lister cannot start, on its output (the error console is a
// dos window, and dos may be what is missing).
void CannotStart(Lister &lister, CONST_STRPTR what)
{
    if (lister.libraries[LibraryDos] == nullptr)
        return;
    char text[160];
    std::strcpy(text, lister.variant->programName);
    std::strcat(text, ": cannot open ");
    std::strncat(text, what, sizeof text - std::strlen(text) - 2);
    std::strcat(text, "\n");
    ShowFatalMessage(lister.variant->errorConsoleName, text);
}

BOOL OpenLibraries(Lister &lister)
{
    for (ULONG i = 0; i < LibraryCount; i++) {
        lister.libraries[i] = OpenLibrary(LibraryNames[i], 0);
        if (lister.libraries[i] == nullptr && LibraryRequired[i]) {
            CannotStart(lister, LibraryNames[i]);
            return FALSE;
        }
    }
    return TRUE;
}

void AllocateRequesters(Lister &lister)
{
    if (lister.libraries[LibraryAsl] == nullptr)
        return;
    for (APTR &request : lister.requesters)
        request = AllocAslRequest(ASL_FileRequest, nullptr);
}

BOOL CreateFrameImages(Lister &lister)
{
    for (struct Image *&frame : lister.frameImages) {
        struct TagItem tags[] = {{IA_FrameType, FRAME_BUTTON}, {TAG_DONE, 0}};
        frame = static_cast<struct Image *>(NewObjectA(nullptr, "frameiclass", tags));
        if (frame == nullptr)
            return FALSE;
    }
    return TRUE;
}

void ObtainPens(Lister &lister)
{
    struct ColorMap *colours = lister.screen->ViewPort.ColorMap;
    struct TagItem tags[] = {{OBP_Precision, 0}, {TAG_DONE, 0}};
    lister.pens[0] = ObtainBestPenA(colours, 0xFEFEFEFE, 0xFFFFFFFF, 0xC7C7C7C7, tags);
    lister.pens[1] = ObtainBestPenA(colours, 0x95959595, 0xCFCFCFCF, 0xFFFFFFFF, tags);
}

// The settings that take effect before the buffers exist.
void ApplySettings(Lister &lister)
{
    SetDateRequestFormat(lister.dates, lister.config.DateFormat(), lister.config.DayNameSubstitution());
    SetSortCheck(lister.menus, lister.config.SortOrder());
    lister.dialogs.geometry = DialogGeometryFromRecord(lister.config);
    SyncDirectBitMap(lister);
}

// A record that another program or a damaged file filled with values no
// settings window allows has had them replaced by defaults: say so once.
void ReportConfigResets(Lister &lister, ULONG resets)
{
    if (resets == 0)
        return;
    char names[160];
    DescribeConfigResets(resets, names, sizeof names);
    char first[160];
    std::snprintf(first, sizeof first, ConfigResetFormat, lister.variant->configFileName);
    MessageRequest(lister.Requests(), first, names);
}

}  // namespace

BufferSetLengths ListerBufferLengths(const Lister &lister)
{
    BufferSetLengths lengths = ComputeBufferSetLengths(lister.config, ULONG(lister.metrics.screenWidth),
                                                       ULONG(lister.metrics.BordersX()), lister.metrics.ySize,
                                                       lister.metrics.statusHeight);
    if (!lister.HasBitmapBuffer())
        lengths.count = BufferSetCount - 1;
    return lengths;
}

// The buffers' first contents, once they are allocated (at start and after
// "Restart").
BOOL PrepareBuffers(Lister &lister)
{
    const BufferSet &buffers = lister.buffers;
    static const char viewer[] = "Multiview ";
    std::memcpy(buffers.Bytes(BufferViewerCommand), viewer, sizeof viewer);
    lister.viewerNameAt = sizeof viewer - 1;
    lister.destination = reinterpret_cast<STRPTR>(buffers.Bytes(BufferDestination));
    std::strcpy(lister.destination, "RAM:");
    InitHistoryList(lister.history, buffers.Address(BufferHistory));
    SeedHistory(lister.history);
    lister.entries = EntryBuffer(buffers.Address(BufferEntries), buffers.Length(BufferEntries));
    if (!InitEntryBuffer(lister.entries))
        return FALSE;
    lister.windowGradient = static_cast<GradientTable *>(buffers.Address(BufferWindowGradient));
    BuildGradient(*lister.windowGradient, lister.config.WindowGradientBegin(), lister.config.WindowGradientEnd());
    ULONG stripWidth = ULONG(lister.metrics.screenWidth - lister.metrics.BordersX());
    lister.statusStrip = RenderTarget{buffers.Bytes(BufferStatusStrip), stripWidth * PixelBytes, stripWidth,
                                      lister.metrics.statusHeight};
    ULONG canvasRows = DialogCanvasRows(lister.metrics.ySize);
    lister.dialogs.canvas = RenderTarget{buffers.Bytes(BufferDialogCanvas), stripWidth * PixelBytes, stripWidth,
                                         canvasRows};
    AttachBitmapBuffer(lister);
    LoadUserMenus(lister);
    PublishEntryBuffer(lister);
    return TRUE;
}

void PrepareDialogs(Lister &lister)
{
    DialogToolkit &toolkit = lister.dialogs;
    toolkit.windowGradient = lister.windowGradient;
    toolkit.glyphs = &lister.glyphs;
    toolkit.config = &lister.config;
    toolkit.screen = lister.screen;
    toolkit.frame = lister.frameImages[0];
    toolkit.inactivePen = lister.pens[0] >= 0 ? lister.pens[0] : 0;
    toolkit.activePen = lister.pens[1] >= 0 ? lister.pens[1] : 0;
    toolkit.bordersX = lister.metrics.BordersX();
    toolkit.bordersY = lister.metrics.BordersY();
    toolkit.borderTop = lister.metrics.borderTop;
    toolkit.borderLeft = lister.metrics.borderLeft;
}

namespace {

// Everything the lister holds before its first drawer is read, in the
// order it is given back. FALSE when the lister cannot start; the reason
// has been shown where there was a way to show it.
BOOL Acquire(Lister &lister, CONST_STRPTR arguments, ULONG length, char *startPath, StartPathResult &pathResult)
{
    pathResult = StartDrawerFromArguments(arguments, length, startPath, ListerPathSize);
    lister.startDirectory = reinterpret_cast<struct Process *>(FindTask(nullptr))->pr_CurrentDir;
    if (!OpenLibraries(lister))
        return FALSE;
    AllocateRequesters(lister);
    lister.sharedPort = CreateMsgPort();
    if (lister.sharedPort == nullptr) {
        CannotStart(lister, "its message port");
        return FALSE;
    }
    JoinPartners(lister);
    if (!CreateFrameImages(lister)) {
        CannotStart(lister, "its frame images");
        return FALSE;
    }
    lister.screen = LockPubScreen(lister.variant->screenName);
    if (lister.screen == nullptr) {
        CannotStart(lister, lister.variant->screenName != nullptr ? lister.variant->screenName
                                                                  : "the default public screen");
        return FALSE;
    }
    lister.drawInfo = GetScreenDrawInfo(lister.screen);
    if (lister.drawInfo == nullptr || !ReadScreenMetrics(lister.metrics, lister.screen, lister.drawInfo, &lister.font)) {
        CannotStart(lister, "the screen's font");
        return FALSE;
    }
    ObtainPens(lister);
    ChooseListerCanvas(lister);
    if (!BuildGlyphSet(lister.glyphs, lister.font))
        return FALSE;   // ends without a message, before any window
    // The screen stays locked until Shutdown: our windows live on it.
    lister.consoleHandle = Open("CONSOLE:", MODE_NEWFILE);
    if (lister.variant->adjustDefaults != nullptr)
        lister.variant->adjustDefaults(lister.config);
    LoadSettingsResult loaded = LoadSettings(lister.config, lister.variant->configFileName);
    LONG loadError = IoErr();
    if (loaded == LoadSettingsResult::Unreadable) {
        char reason[FaultTextSize];
        FaultText(loadError, reason);
        MessageRequest(lister.Requests(), lister.variant->configFileName, reason);
    } else if (loaded == LoadSettingsResult::Loaded) {
        ULONG resets = CheckConfigRecord(lister.config, ULONG(lister.metrics.screenWidth),
                                         ULONG(lister.metrics.screenHeight));
        ReportConfigResets(lister, ReportedConfigResets(lister, resets));
    }
    FollowFirstSettings(lister);
    StoreStatusLineSize(lister, ListerBufferLengths(lister));
    BuildListerMenus(lister.menus, !lister.variant->paired                     ? MenuStripKind::Single
                                   : lister.variant->role == ListerRole::First ? MenuStripKind::PairedFirst
                                                                               : MenuStripKind::PairedSecond);
    ApplySettings(lister);
    lister.dateWidth = MeasureDateWidth(lister.dates);
    if (!AllocBufferSet(lister.buffers, ListerBufferLengths(lister)) || !PrepareBuffers(lister)) {
        RecordPartnerExit(lister, PartnerExitNoMemory);
        ShowFatalMessage(lister.variant->errorConsoleName, lister.variant->startFailureText);
        return FALSE;
    }
    PrepareDialogs(lister);
    struct Preferences preferences;
    GetPrefs(&preferences, 28);
    lister.doubleClickSeconds = preferences.DoubleClick.tv_secs;
    lister.doubleClickMicros = preferences.DoubleClick.tv_micro;
    if (!CreateArrowImages(lister.gadgets, lister.drawInfo)) {
        CannotStart(lister, "its scroll gadgets");
        return FALSE;
    }
    BuildListerGradient(lister);
    return TRUE;
}

}  // namespace

namespace {

// Everything released; a paired lister first takes leave of its partner,
// and lister 2 never comes back from here.
void EndListerRun(Lister &lister, BOOL failed)
{
    // Lister 1 alone decides whether the program failed: without lister 2
    // it still runs.
    if (failed && lister.variant->role == ListerRole::First)
        RecordPartnerExit(lister, RETURN_FAIL);
    LeavePartners(lister);
    Shutdown(lister);
    EndPartner(lister);
}

}  // namespace

LONG Startup(const ProgramVariant &variant, CONST_STRPTR arguments, ULONG length)
{
    std::unique_ptr<Lister> owned(new (std::nothrow) Lister);
    if (!owned) {
        ShowFatalMessage(variant.errorConsoleName, variant.startFailureText);
        return RETURN_FAIL;
    }
    Lister &lister = *owned;
    lister.variant = &variant;
    char startPath[ListerPathSize];
    StartPathResult pathResult;
    if (!Acquire(lister, arguments, length, startPath, pathResult)) {
        EndListerRun(lister, TRUE);
        return RETURN_FAIL;
    }
    // The start drawer; one that does not fit the path buffer is refused,
    // and the lister starts in the current directory instead.
    if (pathResult == StartPathResult::TooLong)
        MessageRequest(lister.Requests(), ListerPathTooLongText);
    (void)ResolveFullPath(startPath, ListerPathSize);
    UpdateHistory(lister.history, startPath);
    // The partner may read the path at any moment (dual build).
    Forbid();
    (void)SetListerPath(lister.Header(), startPath);   // the buffers are the same size
    Permit();
    if (!ShowListerDrawer(lister)) {
        CannotStart(lister, "its window");
        EndListerRun(lister, TRUE);
        return RETURN_FAIL;
    }
    if (lister.variant->paired && lister.variant->role == ListerRole::First)
        (void)StartSecondLister(lister);
    EventLoop(lister);
    EndListerRun(lister, FALSE);
    return RETURN_OK;
}
