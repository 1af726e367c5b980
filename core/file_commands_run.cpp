// core/file_commands_run.cpp: Execute, Open with, Version and Information: the selection walked, requesters and the dialog as their controls.
#include "file_commands_run.h"

#include "lister_control.h"
#include "lister_ops.h"

#include <fileops/execute.h>
#include <fileops/open_with.h>
#include <fileops/version.h>
#include <libraries/asl.h>
#include <lister/selection.h>
#include <proto/asl.h>
#include <proto/dos.h>
#include <proto/intuition.h>
#include <proto/wb.h>
#include <ui/execute_dialog.h>

#include <cstring>
#include <texts/texts.h>

namespace {

constexpr char ExecuteTitle[] = "Execute command";
constexpr char ExecutePrompt[] = "Give commandline arguments for:";

// The lister's selection in display order; entries acted on are deselected
// in its picture unless "Stay selected:" is on.
class ListerSelection : public SelectionWalk {
public:
    explicit ListerSelection(Lister &lister) : lister_(lister) {}

    BOOL Next(WalkEntry &entry) override
    {
        ULONG rows = DisplayRowCount(lister_.entries);
        while (next_ < rows) {
            ULONG row = next_++;
            if (!IsSelected(lister_.entries, row))
                continue;
            const ListerEntry *found = lister_.entries.SlotEntry(row);
            entry.name = found->name;
            entry.type = found->type;
            entry.row = row;
            return TRUE;
        }
        return FALSE;
    }

    void ActedOn(const WalkEntry &entry) override
    {
        if (lister_.config.StaySelected() != 0)
            return;
        Deselect(lister_.entries, lister_.Bitmap(), lister_.metrics.ySize, entry.row);
        // Each entry shows as done while the next one is asked about.
        PresentListerRows(lister_);
    }

private:
    Lister &lister_;
    ULONG next_ = 0;
};

// Failures and refusals as every file operation of the lister shows them,
// the "Execute command" dialog, the version requester, and the window
// title that says which command the lister waits for.
class ListerCommandControl : public ExecuteControl, public VersionControl {
public:
    explicit ListerCommandControl(Lister &lister) : lister_(lister), requests_(lister, nullptr) {}

    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override
    {
        return requests_.Failure(objectName, error, buttons);
    }

    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override { requests_.Refusal(objectName, reason); }

    // These operations wait for a person or a command at each entry: no
    // progress window, nothing to stop between two entries.
    void Progress(const OperationProgress &) override {}
    BOOL Cancelled() override { return FALSE; }

    // A synchronous command keeps the lister from answering: its title says
    // why until the command ends.
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

    ArgumentAnswer AskArguments(const WalkEntry &entry, STRPTR field, ULONG fieldSize) override
    {
        ULONG colour = entry.IsDrawer() ? lister_.config.DrawerTextColor() : lister_.config.ListerTextColor();
        switch (AskExecuteDialog(lister_.dialogs, dialog_, ExecuteTitle, ExecutePrompt, entry.name, colour, field,
                                 fieldSize)) {
        case ExecuteDialogAnswer::Execute:
            return ArgumentAnswer::Run;
        case ExecuteDialogAnswer::Cancel:
            return ArgumentAnswer::Next;
        case ExecuteDialogAnswer::Close:
            return ArgumentAnswer::End;
        case ExecuteDialogAnswer::Failed:
            break;
        }
        FaultRequester(lister_.Requests(), ExecuteTitle, ERROR_NO_FREE_STORE, FaultButtons::AbortOnly);
        return ArgumentAnswer::End;
    }

    void ShowVersion(CONST_STRPTR name, CONST_STRPTR text) override
    {
        MessageRequest(lister_.Requests(), name, text);
    }

    // The dialog is left open when the selection ends on "Cancel".
    void CloseDialogs() { CloseExecuteDialog(lister_.dialogs, dialog_); }

private:
    Lister &lister_;
    ListerControl requests_;
    ExecuteDialog dialog_;
    char title_[sizeof RunningPrefix + ListerNameSize] = {};
    CONST_STRPTR saved_ = nullptr;
    BOOL titled_ = FALSE;
};

}  // namespace

void ExecuteSelected(Lister &lister)
{
    ListerSelection walk(lister);
    ListerCommandControl control(lister);
    char field[ExecuteFieldSize];
    BOOL succeeded = ExecuteSelection(walk, control, reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferCopy)),
                                      lister.buffers.Length(BufferCopy), field, sizeof field);
    control.CloseDialogs();
    if (succeeded)
        RefreshDrawer(lister);
    else
        PresentListerRows(lister);
}

void OpenSelectedWith(Lister &lister)
{
    auto *request = static_cast<struct FileRequester *>(lister.requesters[RequesterOpenWith]);
    if (request == nullptr)
        return;
    struct TagItem tags[] = {{ASLFR_TitleText, reinterpret_cast<IPTR>("Open with programm...")},
                             {ASLFR_PositiveText, reinterpret_cast<IPTR>("Open with")},
                             {ASLFR_InitialDrawer, reinterpret_cast<IPTR>(lister.openWithDrawer)},
                             {TAG_DONE, 0}};
    if (!AslRequest(request, tags))
        return;
    CONST_STRPTR drawer = request->fr_Drawer != nullptr ? request->fr_Drawer : "";
    CONST_STRPTR file = request->fr_File != nullptr ? request->fr_File : "";
    // The requester keeps its answer until it is shown again, and takes
    // a copy of the drawer it starts in then.
    lister.openWithDrawer = drawer;
    if (lister.Header().EntryCount() == 0)
        return;
    ListerSelection walk(lister);
    ListerCommandControl control(lister);
    OpenWithSelection(walk, control, reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferOpenWithPath)),
                      lister.buffers.Length(BufferOpenWithPath), drawer, file);
    PresentListerRows(lister);
}

void ShowSelectedVersion(Lister &lister)
{
    ListerSelection walk(lister);
    ListerCommandControl control(lister);
    ShowSelectedVersions(walk, control, lister.buffers.Bytes(BufferCopy), lister.buffers.Length(BufferCopy));
    PresentListerRows(lister);
}

void ShowSelectedInformation(Lister &lister)
{
    ListerSelection walk(lister);
    BPTR drawer = lister.Header().DrawerLock() != 0 ? lister.Header().DrawerLock() : lister.startDirectory;
    WalkEntry entry;
    while (walk.Next(entry)) {
        if (WBInfo(drawer, entry.name, lister.screen)) {
            walk.ActedOn(entry);
            continue;
        }
        // An entry gone since the drawer was read shows nothing: say why.
        LONG error = IoErr();
        if (!FaultRequester(lister.Requests(), entry.name, error, FaultButtons::SkipAbort))
            break;
    }
    PresentListerRows(lister);
}
