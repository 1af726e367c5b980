/* proto/exec.h: exec's functions. */
#ifndef PROTO_EXEC_H
#define PROTO_EXEC_H

#include <exec/exec.h>

/* --- Lists ---------------------------------------------------------------- */
void NewList(struct List *list);
void AddHead(struct List *list, struct Node *node);
void AddTail(struct List *list, struct Node *node);
void Insert(struct List *list, struct Node *node, struct Node *pred);
void Remove(struct Node *node);
struct Node *RemHead(struct List *list);
struct Node *RemTail(struct List *list);
void Enqueue(struct List *list, struct Node *node);   /* by ln_Pri */
struct Node *FindName(struct List *list, CONST_STRPTR name);

/* --- Tasks and signals ---------------------------------------------------- */

/* Returns the calling task (name NULL) or the task of that name; NULL when
   no task has the name. Every host thread that calls into the system has a
   task (a Process) of its own. */
struct Task *FindTask(CONST_STRPTR name);

/* Ends a task. RemTask(NULL) ends the caller (never returns). Another task
   may only be removed while it is parked in Wait(0) or waiting for signals;
   its thread is released and its record freed. */
void RemTask(struct Task *task);

BYTE SetTaskPri(struct Task *task, LONG priority);

/* Allocates a signal bit: -1 any free bit, else that bit. Returns the bit
   number or -1 when none is free. Bits 0-15 are reserved for the system. */
BYTE AllocSignal(LONG signalNum);
void FreeSignal(LONG signalNum);

/* Sets signals of a task and wakes it if it waits for any of them. */
void Signal(struct Task *task, ULONG signalSet);

/* Changes the caller's received signals in the mask to newSignals; returns
   the signals received before the change. */
ULONG SetSignal(ULONG newSignals, ULONG signalSet);

/* Waits until one of the signals arrives; returns those received and clears
   them. Wait(0) parks the task forever. */
ULONG Wait(ULONG signalSet);

void Forbid(void);
void Permit(void);
void Disable(void);
void Enable(void);

/* --- Message ports -------------------------------------------------------- */

/* Creates a port that signals the caller with a freshly allocated bit;
   NULL when no signal bit or memory is left. */
struct MsgPort *CreateMsgPort(void);
void DeleteMsgPort(struct MsgPort *port);

/* Public ports, found by name. */
void AddPort(struct MsgPort *port);
void RemPort(struct MsgPort *port);
struct MsgPort *FindPort(CONST_STRPTR name);

/* Queues a message at a port and signals its task. The message belongs to
   the receiver until it is replied. */
void PutMsg(struct MsgPort *port, struct Message *message);

/* Takes the first message of a port, or NULL. Never waits. */
struct Message *GetMsg(struct MsgPort *port);

/* Returns a message to its reply port (or marks it NT_FREEMSG when there is
   none). */
void ReplyMsg(struct Message *message);

/* Waits until the port holds a message; returns it without removing it. */
struct Message *WaitPort(struct MsgPort *port);

/* --- Memory --------------------------------------------------------------- */

/* Allocates byteSize bytes; MEMF_CLEAR zeroes them, the other flags are
   accepted and have no effect on this host. NULL when memory is short. */
APTR AllocMem(ULONG byteSize, ULONG requirements);
void FreeMem(APTR memoryBlock, ULONG byteSize);

/* Allocates memory that remembers its own size. */
APTR AllocVec(ULONG byteSize, ULONG requirements);
void FreeVec(APTR memoryBlock);

/* Allocates every entry of a MemList, or none. Returns a new MemList holding
   the addresses. Where this host differs: failure returns NULL rather than
   the failing requirements with bit 31 set, because a host address may have
   bit 31 set itself. */
struct MemList *AllocEntry(struct MemList *entry);
void FreeEntry(struct MemList *entry);

ULONG AvailMem(ULONG requirements);

void CopyMem(CONST_APTR source, APTR dest, ULONG size);

/* --- Libraries ------------------------------------------------------------ */

/* Opens one of the system's libraries by name ("dos.library" ...). NULL when
   there is no such library or its version is lower than asked. */
struct Library *OpenLibrary(CONST_STRPTR libName, ULONG version);
void CloseLibrary(struct Library *library);

#endif /* PROTO_EXEC_H */
