// core/viewer.h: started commands (the viewer, Help) and "Save settings".
#ifndef CORE_VIEWER_H
#define CORE_VIEWER_H

#include "lister.h"

// Runs the ViewerCommand for `name` (relative to the shown drawer)
// asynchronously with the console handle as its input.
void RunViewer(Lister &lister, CONST_STRPTR name);

// "Help": the help file from the start drawer, or from PROGDIR:.
void ShowHelp(Lister &lister);

// Runs a command line asynchronously (NP_StackSize 16384, SYS_Asynch,
// SYS_Input the console handle, SYS_Output 0, tag 0x80000026 0) and opens a
// fresh console handle for the next one.
void RunAsynchronously(Lister &lister, CONST_STRPTR command);

// "Save settings": the ConfigRecord into the configuration file, asking
// before an existing file is replaced, then the user menus.
void SaveSettings(Lister &lister);

#endif /* CORE_VIEWER_H */
