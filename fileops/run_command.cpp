// fileops/run_command.cpp: the synchronous SystemTagList call of Execute and Open with.
#include "run_command.h"

#include <dos/dostags.h>
#include <proto/dos.h>

namespace {

// A tag of the system's own that Open with passes with the value 0.
constexpr Tag OpenWithExtraTag = TAG_USER + 38;

}  // namespace

LONG RunCommandLine(CONST_STRPTR line, CommandTags tags, LONG &error)
{
    struct TagItem list[] = {
        {NP_StackSize, CommandStackSize},
        {SYS_Asynch, FALSE},
        {tags == CommandTags::OpenWith ? OpenWithExtraTag : Tag(TAG_IGNORE), 0},
        {TAG_DONE, 0},
    };
    // A command that sets no secondary result must not leave the code of
    // something earlier in the requester.
    SetIoErr(0);
    LONG result = SystemTagList(line, list);
    error = IoErr();
    return result;
}
