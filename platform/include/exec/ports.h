/* exec/ports.h: message ports and messages. */
#ifndef EXEC_PORTS_H
#define EXEC_PORTS_H

#include <exec/lists.h>

struct MsgPort {
    struct Node mp_Node;
    UBYTE mp_Flags;
    UBYTE mp_SigBit;   /* signal bit number */
    void *mp_SigTask;  /* task to be signalled (struct Task *) */
    struct List mp_MsgList;
};

#define mp_SoftInt mp_SigTask

/* mp_Flags: what to do when a message arrives */
#define PF_ACTION 3
#define PA_SIGNAL 0
#define PA_SOFTINT 1
#define PA_IGNORE 2

struct Message {
    struct Node mn_Node;
    struct MsgPort *mn_ReplyPort;
    UWORD mn_Length;   /* total length of the message in bytes */
};

#endif /* EXEC_PORTS_H */
