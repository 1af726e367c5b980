// dos/process.cpp: CreateNewProc: processes on their own host tasks, and what they own until they end.
#include "process.h"

#include <hosted/dos.h>
#include <hosted/task.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/utility.h>

#include <cstring>
#include <functional>

namespace hosted {

namespace {

// Sizes of the CLI's string buffers, as the system makes them.
constexpr size_t kSetNameSize = 80;
constexpr size_t kCommandNameSize = 104;
constexpr size_t kPromptSize = 60;
constexpr size_t kCommandFileSize = 40;

// Writes a BSTR (length byte, characters, and a zero) into a buffer of
// `size` bytes; the text is cut to fit.
BSTR MakeBSTR(UBYTE *buffer, size_t size, const char *text)
{
    size_t length = text != nullptr ? std::strlen(text) : 0;
    if (length > size - 2)
        length = size - 2;
    if (length > 255)
        length = 255;
    buffer[0] = static_cast<UBYTE>(length);
    if (length != 0)
        std::memcpy(buffer + 1, text, length);
    buffer[length + 1] = 0;
    return MKBADDR(buffer);
}

}  // namespace

struct CommandLineInterface *NewCli(const char *commandName, BPTR input, BPTR output, LONG stackSize)
{
    size_t total = sizeof(struct CommandLineInterface) + kSetNameSize + kCommandNameSize + kPromptSize +
                   kCommandFileSize;
    // AllocVec's blocks are 16-aligned; the structure's size keeps the
    // buffers behind it longword-aligned, as BSTRs must be.
    static_assert(sizeof(struct CommandLineInterface) % 4 == 0);
    auto *cli = static_cast<struct CommandLineInterface *>(AllocVec(static_cast<ULONG>(total), MEMF_CLEAR));
    if (cli == nullptr)
        return nullptr;
    auto *buffers = reinterpret_cast<UBYTE *>(cli + 1);
    cli->cli_SetName = MakeBSTR(buffers, kSetNameSize, "");
    cli->cli_CommandName = MakeBSTR(buffers + kSetNameSize, kCommandNameSize, commandName);
    cli->cli_Prompt = MakeBSTR(buffers + kSetNameSize + kCommandNameSize, kPromptSize, "%N> ");
    cli->cli_CommandFile = MakeBSTR(buffers + kSetNameSize + kCommandNameSize + kPromptSize, kCommandFileSize, "");
    cli->cli_FailLevel = RETURN_ERROR;
    cli->cli_StandardInput = input;
    cli->cli_CurrentInput = input;
    cli->cli_StandardOutput = output;
    cli->cli_CurrentOutput = output;
    cli->cli_DefaultStack = stackSize / 4;   // in longwords, as the system keeps it
    return cli;
}

void ReleaseProcessResources(struct Process *process)
{
    LONG flags = process->pr_Flags;
    BPTR closed[3] = {0, 0, 0};
    auto closeOnce = [&closed](BPTR file, int slot) {
        for (BPTR done : closed) {
            if (done == file)
                return;   // the same handle given twice closes once
        }
        closed[slot] = file;
        Close(file);
    };
    if ((flags & PRF_CLOSEINPUT) != 0 && process->pr_CIS != 0)
        closeOnce(process->pr_CIS, 0);
    if ((flags & PRF_CLOSEOUTPUT) != 0 && process->pr_COS != 0)
        closeOnce(process->pr_COS, 1);
    if ((flags & PRF_CLOSEERROR) != 0 && process->pr_CES != 0)
        closeOnce(process->pr_CES, 2);
    process->pr_CIS = 0;
    process->pr_COS = 0;
    process->pr_CES = 0;
    if ((flags & PRF_FREECURRDIR) != 0) {
        UnLock(process->pr_CurrentDir);
        process->pr_CurrentDir = 0;
    }
    if ((flags & PRF_FREEARGS) != 0) {
        FreeVec(process->pr_Arguments);
        process->pr_Arguments = nullptr;
    }
    if ((flags & PRF_FREECLI) != 0) {
        FreeVec(BADDR(process->pr_CLI));
        process->pr_CLI = 0;
    }
    process->pr_Flags = 0;
}

struct Process *StartProcess(const struct TagItem *tags, std::function<LONG()> body)
{
    struct Process *creator = &CurrentTask()->process;
    auto name = reinterpret_cast<CONST_STRPTR>(GetTagData(NP_Name, reinterpret_cast<IPTR>("New Process"), tags));
    bool wantCli = GetTagData(NP_Cli, FALSE, tags) != 0;

    // What the process will own. `made` is what this call opened or
    // duplicated itself: the only things given back when creation fails.
    struct Process record{};
    struct Process made{};
    auto fail = [&made](LONG code) -> struct Process * {
        made.pr_Flags = PRF_CLOSEINPUT | PRF_CLOSEOUTPUT | PRF_FREECURRDIR | PRF_FREEARGS | PRF_FREECLI;
        ReleaseProcessResources(&made);
        UnLock(made.pr_HomeDir);
        SetIoErr(code);
        return nullptr;
    };

    if (const struct TagItem *input = FindTagItem(NP_Input, tags)) {
        record.pr_CIS = static_cast<BPTR>(input->ti_Data);
        if (GetTagData(NP_CloseInput, TRUE, tags) != 0)
            record.pr_Flags |= PRF_CLOSEINPUT;
    } else {
        record.pr_CIS = made.pr_CIS = Open("NIL:", MODE_OLDFILE);
        if (record.pr_CIS == 0)
            return fail(IoErr());
        record.pr_Flags |= PRF_CLOSEINPUT;
    }
    if (const struct TagItem *output = FindTagItem(NP_Output, tags)) {
        record.pr_COS = static_cast<BPTR>(output->ti_Data);
        if (GetTagData(NP_CloseOutput, TRUE, tags) != 0)
            record.pr_Flags |= PRF_CLOSEOUTPUT;
    } else {
        record.pr_COS = made.pr_COS = Open("NIL:", MODE_NEWFILE);
        if (record.pr_COS == 0)
            return fail(IoErr());
        record.pr_Flags |= PRF_CLOSEOUTPUT;
    }
    if (const struct TagItem *error = FindTagItem(NP_Error, tags)) {
        record.pr_CES = static_cast<BPTR>(error->ti_Data);
        if (GetTagData(NP_CloseError, FALSE, tags) != 0)
            record.pr_Flags |= PRF_CLOSEERROR;
    } else {
        record.pr_CES = record.pr_COS;
    }

    if (const struct TagItem *currentDir = FindTagItem(NP_CurrentDir, tags)) {
        record.pr_CurrentDir = static_cast<BPTR>(currentDir->ti_Data);
    } else {
        record.pr_CurrentDir = made.pr_CurrentDir = DupLock(creator->pr_CurrentDir);
        if (record.pr_CurrentDir == 0 && creator->pr_CurrentDir != 0)
            return fail(IoErr());
    }
    record.pr_Flags |= PRF_FREECURRDIR;
    if (const struct TagItem *homeDir = FindTagItem(NP_HomeDir, tags)) {
        record.pr_HomeDir = static_cast<BPTR>(homeDir->ti_Data);
    } else {
        record.pr_HomeDir = made.pr_HomeDir = DupLock(creator->pr_HomeDir);
        if (record.pr_HomeDir == 0 && creator->pr_HomeDir != 0)
            return fail(IoErr());
    }

    auto arguments = reinterpret_cast<CONST_STRPTR>(GetTagData(NP_Arguments, reinterpret_cast<IPTR>(""), tags));
    size_t argumentsLength = std::strlen(arguments);
    record.pr_Arguments = made.pr_Arguments = static_cast<STRPTR>(AllocVec(static_cast<ULONG>(argumentsLength + 1), 0));
    if (record.pr_Arguments == nullptr)
        return fail(ERROR_NO_FREE_STORE);
    std::memcpy(record.pr_Arguments, arguments, argumentsLength + 1);
    record.pr_Flags |= PRF_FREEARGS;
    record.pr_StackSize = static_cast<LONG>(GetTagData(NP_StackSize, 4000, tags));
    if (wantCli) {
        auto commandName = reinterpret_cast<CONST_STRPTR>(GetTagData(NP_CommandName, 0, tags));
        struct CommandLineInterface *cli = NewCli(commandName != nullptr ? commandName : name,
                                                          record.pr_CIS, record.pr_COS, record.pr_StackSize);
        if (cli == nullptr)
            return fail(ERROR_NO_FREE_STORE);
        record.pr_CLI = made.pr_CLI = MKBADDR(cli);
        record.pr_Flags |= PRF_FREECLI;
    }
    record.pr_WindowPtr = reinterpret_cast<APTR>(GetTagData(NP_WindowPtr, 0, tags));
    record.pr_ConsoleTask =
        reinterpret_cast<APTR>(GetTagData(NP_ConsoleTask, reinterpret_cast<IPTR>(creator->pr_ConsoleTask), tags));
    auto priority = static_cast<BYTE>(GetTagData(NP_Priority, 0, tags));
    // Processes given a name are the ones other programs may look for.
    const bool named = FindTagItem(NP_Name, tags) != nullptr;

    HostTask *task = CreateHostTask(
        name,
        [&record, priority, named](HostTask *created) {
            struct Process &process = created->process;
            process.pr_Task.tc_Node.ln_Pri = priority;
            process.pr_CIS = record.pr_CIS;
            process.pr_COS = record.pr_COS;
            process.pr_CES = record.pr_CES;
            process.pr_CurrentDir = record.pr_CurrentDir;
            process.pr_HomeDir = record.pr_HomeDir;
            process.pr_Arguments = record.pr_Arguments;
            process.pr_StackSize = record.pr_StackSize;
            process.pr_CLI = record.pr_CLI;
            process.pr_ConsoleTask = record.pr_ConsoleTask;
            process.pr_Flags = record.pr_Flags;
            SetUpProcess(&process);   // fills only what is still empty
            process.pr_WindowPtr = record.pr_WindowPtr;
            if (named)
                PublishProcessName(created, created->name);
        },
        [body = std::move(body)] {
            LONG result = body();
            struct Process *self = &CurrentTask()->process;
            if (self->pr_CLI != 0)
                static_cast<struct CommandLineInterface *>(BADDR(self->pr_CLI))->cli_ReturnCode = result;
        },
        // The home directory goes with dos's own clean-up, which follows.
        [](HostTask *ending) { ReleaseProcessResources(&ending->process); });
    if (task == nullptr)
        return fail(ERROR_NO_FREE_STORE);
    return &task->process;
}

}  // namespace hosted

/* Starts a new process running the function NP_Entry (called with no
   arguments; its result becomes the CLI's return code when NP_Cli made
   one). Tags, with the system's defaults:
     NP_Name ("New Process"), NP_Priority (0), NP_StackSize (4000; kept in
     pr_StackSize, the host thread always gets a full host stack);
     NP_Input / NP_Output (a fresh "NIL:" handle each), closed at the end
     unless NP_CloseInput / NP_CloseOutput is FALSE; NP_Error (none: error
     output goes to the output stream), closed only with NP_CloseError TRUE;
     NP_CurrentDir (a DupLock of the creator's current directory) and
     NP_HomeDir (a DupLock of the creator's PROGDIR:), both unlocked when
     the process ends; NP_Arguments (an empty string; copied); NP_Cli
     (FALSE) with NP_CommandName for the CLI's command name; NP_WindowPtr
     (NULL), NP_ConsoleTask (the creator's). NP_CopyVars is accepted: this
     host keeps no local variables, so there are none to copy. NP_CodeType
     and NP_PPCStackSize are accepted and ignored: code here is always
     native and every process gets a full host stack. Other tags are
     ignored. A process given NP_Name is published to the other programs
     of this platform, whose FindTask then finds it (see FindTask).
   When the entry returns, or the process is removed with RemTask while it
   waits, the handles and locks it owns are released.
   Result: the new process, or NULL with IoErr set (ERROR_REQUIRED_ARG_MISSING
   without NP_Entry, ERROR_NOT_IMPLEMENTED for NP_Seglist alone: segments
   loaded on this host are never run, ERROR_NO_FREE_STORE when no thread or
   memory is left). On failure the caller keeps what it passed. */
struct Process *CreateNewProc(const struct TagItem *tags)
{
    auto entry = reinterpret_cast<LONG (*)(void)>(GetTagData(NP_Entry, 0, tags));
    if (entry == nullptr) {
        SetIoErr(FindTagItem(NP_Seglist, tags) != nullptr ? ERROR_NOT_IMPLEMENTED : ERROR_REQUIRED_ARG_MISSING);
        return nullptr;
    }
    return hosted::StartProcess(tags, [entry] { return entry(); });
}
