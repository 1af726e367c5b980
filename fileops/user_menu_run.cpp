// fileops/user_menu_run.cpp: a user menu item's commands run entry by entry, with their consoles and drawers.
#include "user_menu_run.h"

#include "scoped.h"

#include <dos/dostags.h>
#include <proto/dos.h>
#include <texts/texts.h>

const char UserMenuNotStarted[] = "error execute usermenu";
const char UserMenuCommandError[] = "command error";

namespace {

// The system's tag that follows SYS_Output with the value 0.
constexpr Tag SystemTagExtra = 0x80000026;


enum class Step : UBYTE {
    Done,    // every command of the entry succeeded
    Skip,    // go on without this entry
    Abort,   // end the run where it is
    Stop,    // end the run as if finished (a marker left open)
    GoTo     // "%l"
};

class Run {
public:
    Run(const UserMenuCommand &command, MenuRunSelection &selection, UserMenuControl &control,
        const UserMenuRunPlace &place)
        : command_(command), selection_(selection), control_(control), place_(place)
    {
    }

    UserMenuRunResult Go()
    {
        MenuRunEntry entry;
        BOOL have = selection_.SelectedAfter(BeforeFirstRow, entry);
        if (!have && !command_.startAlways)
            return result_;
        if (place_.keptOutput != nullptr && *place_.keptOutput != 0) {
            Close(*place_.keptOutput);
            *place_.keptOutput = 0;
        }
        // A synchronous run with its window: one console for every command
        // of this pick, kept open afterwards so its text can be read.
        if (!command_.multitasking && command_.outputEnabled) {
            sharedInput_ = Open(command_.outputWindow, MODE_NEWFILE);
            if (place_.keptOutput != nullptr)
                *place_.keptOutput = sharedInput_;
        }
        for (;;) {
            Step step = RunEntry(have ? &entry : nullptr);
            switch (step) {
            case Step::Abort:
                result_.ending = UserMenuEnding::Aborted;
                return Finish();
            case Step::GoTo:
                result_.ending = UserMenuEnding::GoTo;
                return Finish();
            case Step::Stop:
                return Finish();
            case Step::Done:
                if (command_.allAtOnce) {
                    DeselectAll();
                    return Finish();
                }
                if (command_.startAlways)
                    return Finish();
                selection_.ActedOn(entry);
                break;
            case Step::Skip:
                // The entry stays selected.
                if (command_.allAtOnce || command_.startAlways)
                    return Finish();
                break;
            }
            if (!selection_.SelectedAfter(entry.row, entry))
                return Finish();
        }
    }

private:
    UserMenuRunResult Finish()
    {
        if (result_.ending == UserMenuEnding::Nothing)
            result_.ending = UserMenuEnding::Finished;
        // Without its own output window, a kept handle was never opened.
        if (place_.keptOutput == nullptr && sharedInput_ != 0)
            Close(sharedInput_);
        sharedInput_ = 0;
        return result_;
    }

    void DeselectAll()
    {
        MenuRunEntry entry;
        for (ULONG row = BeforeFirstRow; selection_.SelectedAfter(row, entry); row = entry.row)
            selection_.ActedOn(entry);
    }

    // Every command of one entry: the first line, then each "%n" part.
    Step RunEntry(const MenuRunEntry *entry)
    {
        ExpandRequest request;
        request.function = command_.function;
        request.current = entry;
        request.allAtOnce = command_.allAtOnce;
        request.selection = &selection_;
        request.drawer = place_.drawer;
        request.destination = place_.destination;
        request.itemName = command_.name;
        request.prompt = &control_;
        for (;;) {
            ExpandResult expanded = ExpandFunction(request, place_.buffers);
            if (expanded.refresh)
                result_.refresh = TRUE;
            switch (expanded.status) {
            case ExpandStatus::GoToDrawer:
                result_.goTo = expanded.goTo;
                return Step::GoTo;
            case ExpandStatus::Unclosed:
                control_.Refusal(command_.name, UnclosedPlaceholderText);
                return Step::Stop;
            case ExpandStatus::TooLong:
                return control_.Failure(command_.name, ERROR_LINE_TOO_LONG, FaultButtons::SkipAbort) ? Step::Skip
                                                                                                     : Step::Abort;
            case ExpandStatus::NotAnswered:
                return Step::Skip;
            case ExpandStatus::Command:
                break;
            }
            LONG result = RunLine(expanded.directory);
            if (result == -1 || result == RETURN_ERROR)
                return control_.CommandFailed(result == -1 ? UserMenuNotStarted : UserMenuCommandError) ? Step::Skip
                                                                                                        : Step::Abort;
            if (!expanded.more)
                return Step::Done;
            request.from = expanded.next;
        }
    }

    // One command line, in `drawer` when it can be locked.
    LONG RunLine(CONST_STRPTR drawer)
    {
        ScopedLock lock(drawer != nullptr ? Lock(drawer, SHARED_LOCK) : 0);
        BPTR previous = lock ? CurrentDir(lock.Get()) : 0;

        BPTR input = 0;
        BOOL withInput = FALSE;
        if (command_.multitasking) {
            // The new process owns its console and closes it when it ends.
            input = Open(command_.outputEnabled ? command_.outputWindow : "CONSOLE:", MODE_NEWFILE);
            withInput = TRUE;
        } else if (command_.outputEnabled) {
            input = sharedInput_;
            withInput = TRUE;
        }
        struct TagItem tags[] = {
            {NP_StackSize, command_.stack},
            {SYS_Asynch, IPTR(command_.multitasking != 0)},
            {NP_Priority, IPTR(command_.priority)},
            {withInput ? Tag(SYS_Input) : Tag(TAG_DONE), IPTR(input)},
            {SYS_Output, 0},
            {SystemTagExtra, 0},
            {TAG_DONE, 0},
        };
        STRPTR line = place_.buffers.line;
        if (!command_.multitasking)
            control_.CommandRunning(command_.name);
        LONG result = SystemTagList(line, tags);
        if (!command_.multitasking)
            control_.CommandEnded();
        // A command that was not started did not take its console.
        if (result == -1 && command_.multitasking && input != 0)
            Close(input);
        if (lock)
            CurrentDir(previous);
        return result;
    }

    const UserMenuCommand &command_;
    MenuRunSelection &selection_;
    UserMenuControl &control_;
    const UserMenuRunPlace &place_;
    UserMenuRunResult result_;
    BPTR sharedInput_ = 0;
};

}  // namespace

UserMenuRunResult RunUserMenuCommand(const UserMenuCommand &command, MenuRunSelection &selection,
                                     UserMenuControl &control, const UserMenuRunPlace &place)
{
    return Run(command, selection, control, place).Go();
}
