// core/user_menu_command.cpp: a pick in a user menu: the item run over the lister's selection, requesters as its control.
#include "user_menus.h"

#include "lister_ops.h"
#include "partner.h"

#include <fileops/user_menu_run.h>
#include <lister/selection.h>
#include <proto/intuition.h>
#include <proto/utility.h>
#include <ui/execute_dialog.h>
#include <ui/requester.h>

#include <cstdio>
#include <cstring>

#include <texts/texts.h>

namespace {

// Whether a console description has a SCREEN option of its own.
bool NamesScreen(CONST_STRPTR description)
{
    for (CONST_STRPTR p = description; *p != '\0'; p++)
        if (*p == '/' && Strnicmp(p + 1, "SCREEN", 6) == 0)
            return true;
    return false;
}


// The lister's selection in display order; an entry the run is done with
// is deselected at once unless "Stay selected:" is on.
class ListerMenuSelection : public MenuRunSelection {
public:
    explicit ListerMenuSelection(Lister &lister) : lister_(lister) {}

    BOOL SelectedAfter(ULONG row, MenuRunEntry &entry) override
    {
        ULONG rows = DisplayRowCount(lister_.entries);
        for (ULONG next = row == BeforeFirstRow ? 0 : row + 1; next < rows; next++) {
            if (!IsSelected(lister_.entries, next))
                continue;
            const ListerEntry *found = lister_.entries.SlotEntry(next);
            entry.name = found->name;
            entry.comment = found->comment;
            entry.row = next;
            return TRUE;
        }
        return FALSE;
    }

    void ActedOn(const MenuRunEntry &entry) override
    {
        if (lister_.config.StaySelected() != 0)
            return;
        Deselect(lister_.entries, lister_.Bitmap(), lister_.metrics.ySize, entry.row);
        PresentListerRows(lister_);
    }

private:
    Lister &lister_;
};

// The requesters of a run, the "%i" dialog, and the window title that
// says which command the lister waits for.
class ListerMenuControl : public UserMenuControl {
public:
    explicit ListerMenuControl(Lister &lister) : lister_(lister) {}

    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override
    {
        return FaultRequester(lister_.Requests(), objectName, error, buttons);
    }

    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override
    {
        SystemRequest(lister_.Requests(), objectName, reason, nullptr, "Abort");
    }

    void Progress(const OperationProgress &) override {}
    BOOL Cancelled() override { return FALSE; }

    BOOL CommandFailed(CONST_STRPTR body) override
    {
        return SystemRequest(lister_.Requests(), body, nullptr, "Skip", "Abort");
    }

    BOOL AskArguments(CONST_STRPTR title, CONST_STRPTR prompt, STRPTR text, ULONG size) override
    {
        return AskCommandArguments(lister_.dialogs, title, prompt, text, size);
    }

    void CommandRunning(CONST_STRPTR name) override
    {
        if (lister_.window == nullptr)
            return;
        std::strcpy(title_, RunningPrefix);
        std::strncat(title_, name, sizeof title_ - sizeof RunningPrefix);
        saved_ = reinterpret_cast<CONST_STRPTR>(lister_.window->Title);
        SetWindowTitles(lister_.window, title_, reinterpret_cast<CONST_STRPTR>(~IPTR(0)));
        titled_ = TRUE;
    }

    void CommandEnded() override
    {
        if (titled_ && lister_.window != nullptr)
            SetWindowTitles(lister_.window, saved_, reinterpret_cast<CONST_STRPTR>(~IPTR(0)));
        titled_ = FALSE;
    }

private:
    Lister &lister_;
    char title_[sizeof RunningPrefix + UserMenuNameSize] = {};
    CONST_STRPTR saved_ = nullptr;
    BOOL titled_ = FALSE;
};

}  // namespace

void RunUserMenuItem(Lister &lister, ULONG menu, ULONG item)
{
    if (!lister.buffers.Allocated())
        return;
    const UserMenuItem *found = LinkedUserMenuItem(UserMenusOf(lister), menu, item);
    if (found == nullptr)
        return;
    const UserMenuItemFields &fields = found->fields;
    UserMenuCommand command;
    command.name = fields.name;
    command.function = fields.function;
    command.multitasking = fields.multitasking != 0;
    command.stack = fields.stack;
    command.priority = fields.priority;
    command.outputEnabled = fields.outputEnabled != 0;
    command.outputWindow = fields.outputWindow;
    // On the program's own screen the output window opens there too,
    // unless the item names a screen itself.
    char onScreen[sizeof fields.outputWindow + 64];
    CONST_STRPTR screenName = lister.variant->screenName;
    if (screenName != nullptr && !NamesScreen(fields.outputWindow) &&
        std::snprintf(onScreen, sizeof onScreen, "%s/SCREEN %s", fields.outputWindow, screenName) <
            int(sizeof onScreen))
        command.outputWindow = onScreen;
    command.allAtOnce = fields.allAtOnce != 0;
    command.startAlways = fields.startAlways != 0;

    // The destination holds only its own path here: no operation leaves
    // names appended to it. In the dual build it is the partner's drawer.
    TakePartnerDestination(lister);
    UserMenuRunPlace place;
    place.drawer = lister.Path();
    place.destination = lister.destination;
    place.buffers.line = reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferCopy));
    place.buffers.lineSize = lister.buffers.Length(BufferCopy);
    place.buffers.scratch = reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferDirDepth));
    place.buffers.scratchSize = lister.buffers.Length(BufferDirDepth);
    place.keptOutput = &lister.userMenuOutput;

    ListerMenuSelection selection(lister);
    ListerMenuControl control(lister);
    UserMenuRunResult result = RunUserMenuCommand(command, selection, control, place);
    switch (result.ending) {
    case UserMenuEnding::Nothing:
    case UserMenuEnding::Aborted:
        return;
    case UserMenuEnding::GoTo:
        GoToDrawer(lister, result.goTo);
        return;
    case UserMenuEnding::Finished:
        if (result.refresh)
            RefreshDrawer(lister);
        else
            PresentListerRows(lister);
        return;
    }
}
