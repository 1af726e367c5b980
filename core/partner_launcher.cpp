// core/partner_launcher.cpp: the dual build's launcher: one program at a time, its screen and backdrop, and its end.
#include "partner_launcher.h"

#include "backdrop.h"
#include "core.h"
#include "error_console.h"
#include "partner.h"

#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>
#include <ui/requester.h>

#include <cstring>
#include <texts/texts.h>

const char BackdropPictureName[] = "DoubleKestrovane.img";

namespace {

// Says once, on the screen itself, why the program has not ended yet.
void TellWindowsOpen(struct Screen *screen, void *)
{
    Backdrop backdrop;
    if (!OpenBackdrop(backdrop, screen, nullptr))
        return;
    MessageRequest(RequestContext{backdrop.window, 0}, CloseScreenWindowsText);
    CloseBackdrop(backdrop);
}

struct Screen *OpenProgramScreen(const ProgramVariant &first)
{
    struct Screen *workbench = LockPubScreen(nullptr);
    if (workbench == nullptr)
        return nullptr;
    ULONG error = 0;
    struct TagItem tags[] = {
        {SA_Width, IPTR(workbench->Width)},
        {SA_Height, IPTR(workbench->Height)},
        {SA_Type, PUBLICSCREEN},
        {SA_PubName, reinterpret_cast<IPTR>(PartnerName)},
        {SA_Title, reinterpret_cast<IPTR>(first.versionText)},
        {SA_SysFont, 1},
        {SA_Depth, 24},
        {SA_SharePens, TRUE},
        {SA_ErrorCode, reinterpret_cast<IPTR>(&error)},
        {TAG_DONE, 0},
    };
    struct Screen *screen = OpenScreenTagList(nullptr, tags);
    UnlockPubScreen(nullptr, workbench);
    // Public at once: the listers, the viewer and the help lock it by name.
    if (screen != nullptr)
        PubScreenStatus(screen, 0);
    return screen;
}

}  // namespace

void CloseProgramScreen(struct Screen *screen, void (*tell)(struct Screen *screen, void *context), void *context)
{
    BOOL told = FALSE;
    while (!CloseScreen(screen)) {
        if (!told && tell != nullptr)
            tell(screen, context);
        told = TRUE;
        Delay(50);
    }
}

LONG StartPairedListers(const ProgramVariant &first, const ProgramVariant &second, CONST_STRPTR arguments,
                        ULONG length)
{
    if (FindTask(PartnerName) != nullptr)
        return 0;
    struct Library *intuition = OpenLibrary("intuition.library", 0);
    if (intuition == nullptr)
        return RETURN_FAIL;
    struct Screen *screen = OpenProgramScreen(first);
    if (screen == nullptr) {
        CloseLibrary(intuition);
        char text[160];
        std::strcpy(text, first.programName);
        std::strcat(text, ": cannot open its screen\n");
        ShowFatalMessage(first.errorConsoleName, text);
        return RETURN_FAIL;
    }
    PartnerTable &table = Partners();
    table.input = Input();
    table.output = Output();
    table.second = &second;

    Backdrop backdrop;
    (void)OpenBackdrop(backdrop, screen, BackdropPictureName);
    LONG result = Startup(first, arguments, length);
    CloseBackdrop(backdrop);
    CloseProgramScreen(screen, TellWindowsOpen, nullptr);
    CloseLibrary(intuition);

    LONG word = table.exitWord.load();
    if (word == PartnerExitNoMemory)
        PutStr(first.startFailureText);
    else if (word == PartnerExitNoBitmap)
        PutStr("To little memory for bitmap\n");
    if (word == 0 && result != RETURN_OK)
        word = result;
    return word;
}
