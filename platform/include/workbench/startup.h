/* workbench/startup.h: what the desktop hands a program it starts, and the argument record of the file requester. */
#ifndef WORKBENCH_STARTUP_H
#define WORKBENCH_STARTUP_H

#include <exec/types.h>
#include <exec/ports.h>

/* An object the desktop passes on: the drawer it is in and its name
   relative to that drawer. */
struct WBArg {
    BPTR wa_Lock;
    BYTE *wa_Name;
};

/* The message a program started from the desktop receives. */
struct WBStartup {
    struct Message sm_Message;
    struct MsgPort *sm_Process;
    BPTR sm_Segment;
    LONG sm_NumArgs;
    char *sm_ToolWindow;
    struct WBArg *sm_ArgList;
};

#endif /* WORKBENCH_STARTUP_H */
