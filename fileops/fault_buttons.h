// fileops/fault_buttons.h: the four button pairs a failure can be answered with.
#ifndef FILEOPS_FAULT_BUTTONS_H
#define FILEOPS_FAULT_BUTTONS_H

#include <exec/types.h>

// The left button is the positive one (TRUE), the right one the negative.
enum class FaultButtons : UBYTE {
    AbortOnly,     // "Abort"
    RetryAbort,    // "Retry" / "Abort"
    RetrySkip,     // "Retry" / "Skip these"
    SkipAbort      // "Skip" / "Abort"
};

#endif /* FILEOPS_FAULT_BUTTONS_H */
