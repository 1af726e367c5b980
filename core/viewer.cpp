// core/viewer.cpp: starting the viewer and other commands asynchronously, and the help file.
#include "lister_ops.h"

#include <dos/dostags.h>
#include <fileops/shell_word.h>
#include <proto/dos.h>

#include <cstring>

namespace {

// The tag the viewer command line is given with value 0, after the others.
constexpr Tag SystemTagExtra = 0x80000026;

constexpr ULONG HelpPathSize = 1024;

// Completes the ViewerCommand: the name, in double quotes and escaped as
// the shell reads it back, after the "Multiview " prefix, so any name is
// exactly one word and nothing else on the line. FALSE when it would not
// fit (nothing is run then).
// A lister on a screen of its own (the dual build) has the viewer open
// there too: "PUBSCREEN" and the screen's name follow the file's name.
BOOL CompleteViewerCommand(Lister &lister, CONST_STRPTR name)
{
    STRPTR command = reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferViewerCommand));
    ULONG length = lister.viewerNameAt;
    command[length] = '\0';
    if (!AppendShellWord(command, length, ViewerCommandSize, name, Quoting::Always))
        return FALSE;
    CONST_STRPTR screenName = lister.variant->screenName;
    if (screenName == nullptr)
        return TRUE;
    static const char keyword[] = " PUBSCREEN ";
    if (length + sizeof keyword > ViewerCommandSize) {
        command[lister.viewerNameAt] = '\0';
        return FALSE;
    }
    std::memcpy(command + length, keyword, sizeof keyword);
    length += sizeof keyword - 1;
    if (!AppendShellWord(command, length, ViewerCommandSize, screenName, Quoting::Always)) {
        command[lister.viewerNameAt] = '\0';
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void RunAsynchronously(Lister &lister, CONST_STRPTR command)
{
    struct TagItem tags[] = {
        {NP_StackSize, 16384},
        {SYS_Asynch, TRUE},
        {SYS_Input, IPTR(lister.consoleHandle)},
        {SYS_Output, 0},
        {SystemTagExtra, 0},
        {TAG_DONE, 0},
    };
    // A command that could not be started did not take the handle: it is
    // kept for the next one rather than lost.
    if (SystemTagList(command, tags) == -1)
        return;
    lister.consoleHandle = Open("CONSOLE:", MODE_NEWFILE);
}

void RunViewer(Lister &lister, CONST_STRPTR name)
{
    if (CompleteViewerCommand(lister, name))
        RunAsynchronously(lister, reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferViewerCommand)));
}

void ShowHelp(Lister &lister)
{
    CONST_STRPTR helpFile = lister.variant->helpFileName;
    BPTR drawer = CurrentDir(lister.startDirectory);
    BPTR help = Lock(helpFile, SHARED_LOCK);
    if (help != 0) {
        UnLock(help);
        if (CompleteViewerCommand(lister, helpFile))
            RunAsynchronously(lister, reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferViewerCommand)));
    } else {
        // An installed program keeps its help beside itself. The viewer runs
        // as a process of its own, so it gets the file's full path.
        char path[HelpPathSize] = "PROGDIR:";
        help = AddPart(path, helpFile, sizeof path) ? Lock(path, SHARED_LOCK) : 0;
        if (help != 0) {
            BOOL named = NameFromLock(help, path, sizeof path);
            UnLock(help);
            if (named && CompleteViewerCommand(lister, path))
                RunAsynchronously(lister, reinterpret_cast<STRPTR>(lister.buffers.Bytes(BufferViewerCommand)));
        }
    }
    CurrentDir(drawer);
}
