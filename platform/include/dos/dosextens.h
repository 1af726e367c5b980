/* dos/dosextens.h: the process record, file handles, locks and the DOS list. */
#ifndef DOS_DOSEXTENS_H
#define DOS_DOSEXTENS_H

#include <exec/tasks.h>
#include <exec/ports.h>
#include <exec/libraries.h>
#include <dos/dos.h>

/* A process: a task with the state dos keeps for it. */
struct Process {
    struct Task pr_Task;
    struct MsgPort pr_MsgPort;
    WORD pr_Pad;
    BPTR pr_SegList;
    LONG pr_StackSize;
    APTR pr_GlobVec;
    LONG pr_TaskNum;
    BPTR pr_StackBase;
    SIPTR pr_Result2;       /* the secondary result: IoErr() */
    BPTR pr_CurrentDir;     /* the current directory lock, 0 = boot volume root */
    BPTR pr_CIS;            /* current input */
    BPTR pr_COS;            /* current output */
    APTR pr_ConsoleTask;
    APTR pr_FileSystemTask;
    BPTR pr_CLI;
    APTR pr_ReturnAddr;
    APTR pr_PktWait;
    APTR pr_WindowPtr;      /* window for system requesters, -1 for none */
    BPTR pr_HomeDir;        /* the program's directory: PROGDIR: */
    LONG pr_Flags;
    void (*pr_ExitCode)(void);
    SIPTR pr_ExitData;
    STRPTR pr_Arguments;    /* the argument string, ending in a newline */
    struct MinList pr_LocalVars;
    ULONG pr_ShellPrivate;
    BPTR pr_CES;            /* current error output */
};

/* pr_Flags */
#define PRB_FREESEGLIST 0
#define PRB_FREECURRDIR 1
#define PRB_FREECLI 2
#define PRB_CLOSEINPUT 3
#define PRB_CLOSEOUTPUT 4
#define PRB_FREEARGS 5
#define PRB_CLOSEERROR 6
#define PRF_FREESEGLIST (1L << 0)
#define PRF_FREECURRDIR (1L << 1)
#define PRF_FREECLI (1L << 2)
#define PRF_CLOSEINPUT (1L << 3)
#define PRF_CLOSEOUTPUT (1L << 4)
#define PRF_FREEARGS (1L << 5)
#define PRF_CLOSEERROR (1L << 6)

/* The handler side of an open file. fh_Arg1 holds the host's private data. */
struct FileHandle {
    struct Message *fh_Link;
    struct MsgPort *fh_Interactive;   /* non-NULL for an interactive stream */
    struct MsgPort *fh_Type;          /* the handler */
    BPTR fh_Buf;
    LONG fh_Pos;
    LONG fh_End;
    LONG fh_Funcs;
    LONG fh_Func2;
    LONG fh_Func3;
    SIPTR fh_Args;
    SIPTR fh_Arg2;
};

#define fh_Func1 fh_Funcs
#define fh_Arg1 fh_Args

/* A lock on a file or drawer. fl_Key identifies the object on its volume. */
struct FileLock {
    BPTR fl_Link;
    SIPTR fl_Key;
    LONG fl_Access;
    struct MsgPort *fl_Task;
    BPTR fl_Volume;
};

/* A CLI structure (kept for programs that look at pr_CLI). */
struct CommandLineInterface {
    SIPTR cli_Result2;
    BSTR cli_SetName;
    BPTR cli_CommandDir;
    SIPTR cli_ReturnCode;
    BSTR cli_CommandName;
    SIPTR cli_FailLevel;
    BSTR cli_Prompt;
    BPTR cli_StandardInput;
    BPTR cli_CurrentInput;
    BSTR cli_CommandFile;
    SIPTR cli_Interactive;
    SIPTR cli_Background;
    BPTR cli_CurrentOutput;
    SIPTR cli_DefaultStack;
    BPTR cli_StandardOutput;
    BPTR cli_Module;
};

/* An entry of the DOS list: a device, a volume or an assign. Names are
   BSTRs as on the real system: the BPTR points at a length byte followed by
   the characters (and, on this host, a terminating zero). */
struct DosList {
    BPTR dol_Next;
    LONG dol_Type;
    struct MsgPort *dol_Task;
    BPTR dol_Lock;
    union {
        struct {
            BSTR dol_Handler;
            LONG dol_StackSize;
            LONG dol_Priority;
            ULONG dol_Startup;
            BPTR dol_SegList;
            BPTR dol_GlobVec;
        } dol_handler;
        struct {
            struct DateStamp dol_VolumeDate;
            BPTR dol_LockList;
            LONG dol_DiskType;
        } dol_volume;
        struct {
            STRPTR dol_AssignName;
            struct AssignList *dol_List;
        } dol_assign;
    } dol_misc;
    BSTR dol_Name;
};

struct AssignList {
    struct AssignList *al_Next;
    BPTR al_Lock;
};

/* dol_Type */
#define DLT_DEVICE 0
#define DLT_DIRECTORY 1   /* an assign */
#define DLT_VOLUME 2
#define DLT_LATE 3
#define DLT_NONBINDING 4
#define DLT_PRIVATE -1

/* Flags for LockDosList() and friends */
#define LDB_READ 0
#define LDB_WRITE 1
#define LDB_DEVICES 2
#define LDB_VOLUMES 3
#define LDB_ASSIGNS 4
#define LDB_ENTRY 5
#define LDB_DELETE 6
#define LDF_READ (1L << LDB_READ)
#define LDF_WRITE (1L << LDB_WRITE)
#define LDF_DEVICES (1L << LDB_DEVICES)
#define LDF_VOLUMES (1L << LDB_VOLUMES)
#define LDF_ASSIGNS (1L << LDB_ASSIGNS)
#define LDF_ENTRY (1L << LDB_ENTRY)
#define LDF_DELETE (1L << LDB_DELETE)
#define LDF_ALL (LDF_DEVICES | LDF_VOLUMES | LDF_ASSIGNS)

/* The dos library base. */
struct DosLibrary {
    struct Library dl_lib;
    APTR dl_Root;
    APTR dl_GV;
    SIPTR dl_A2;
    SIPTR dl_A5;
    SIPTR dl_A6;
    APTR dl_Errors;
    APTR dl_TimeReq;
    struct Library *dl_UtilityBase;
    struct Library *dl_IntuitionBase;
};

#endif /* DOS_DOSEXTENS_H */
