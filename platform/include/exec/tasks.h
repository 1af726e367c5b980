/* exec/tasks.h: the task control structure, task states and signal bits. */
#ifndef EXEC_TASKS_H
#define EXEC_TASKS_H

#include <exec/lists.h>

struct Task {
    struct Node tc_Node;
    UBYTE tc_Flags;
    UBYTE tc_State;
    BYTE tc_IDNestCnt;
    BYTE tc_TDNestCnt;
    ULONG tc_SigAlloc;   /* signals allocated */
    ULONG tc_SigWait;    /* signals we are waiting for */
    ULONG tc_SigRecvd;   /* signals we have received */
    ULONG tc_SigExcept;
    UWORD tc_TrapAlloc;
    UWORD tc_TrapAble;
    APTR tc_ExceptData;
    APTR tc_ExceptCode;
    APTR tc_TrapData;
    APTR tc_TrapCode;
    APTR tc_SPReg;
    APTR tc_SPLower;
    APTR tc_SPUpper;
    void (*tc_Switch)(void);
    void (*tc_Launch)(void);
    struct List tc_MemEntry;
    APTR tc_UserData;
};

/* tc_Flags */
#define TB_PROCTIME 0
#define TB_ETASK 3
#define TB_STACKCHK 4
#define TB_EXCEPT 5
#define TB_SWITCH 6
#define TB_LAUNCH 7
#define TF_PROCTIME (1 << 0)
#define TF_ETASK (1 << 3)
#define TF_STACKCHK (1 << 4)
#define TF_EXCEPT (1 << 5)
#define TF_SWITCH (1 << 6)
#define TF_LAUNCH (1 << 7)

/* tc_State */
#define TS_INVALID 0
#define TS_ADDED 1
#define TS_RUN 2
#define TS_READY 3
#define TS_WAIT 4
#define TS_EXCEPT 5
#define TS_REMOVED 6

/* Predefined signals */
#define SIGB_ABORT 0
#define SIGB_CHILD 1
#define SIGB_BLIT 4
#define SIGB_SINGLE 4
#define SIGB_INTUITION 5
#define SIGB_NET 7
#define SIGB_DOS 8

#define SIGF_ABORT (1L << 0)
#define SIGF_CHILD (1L << 1)
#define SIGF_BLIT (1L << 4)
#define SIGF_SINGLE (1L << 4)
#define SIGF_INTUITION (1L << 5)
#define SIGF_NET (1L << 7)
#define SIGF_DOS (1L << 8)

#endif /* EXEC_TASKS_H */
