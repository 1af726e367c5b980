/* proto/dos.h: dos's functions. */
#ifndef PROTO_DOS_H
#define PROTO_DOS_H

#include <dos/dos.h>
#include <dos/dosextens.h>
#include <dos/datetime.h>
#include <dos/var.h>
#include <dos/dostags.h>
#include <dos/exall.h>

/* Paths have the system's grammar everywhere: "Volume:drawer/file", ":" for
   the root of the current volume, a leading "/" for each parent, and names
   relative to the current directory. Names are case-sensitive as on the
   host; volume and assign names are not. */

/* --- Files ---------------------------------------------------------------- */
BPTR Open(CONST_STRPTR name, LONG accessMode);
BOOL Close(BPTR file);
LONG Read(BPTR file, APTR buffer, LONG length);
LONG Write(BPTR file, CONST_APTR buffer, LONG length);
LONG Seek(BPTR file, LONG position, LONG mode);
LONG FGetC(BPTR file);
LONG FPutC(BPTR file, LONG character);
LONG FPuts(BPTR file, CONST_STRPTR string);
STRPTR FGets(BPTR file, STRPTR buffer, ULONG length);
LONG Flush(BPTR file);
LONG PutStr(CONST_STRPTR string);
LONG VPrintf(CONST_STRPTR format, CONST_APTR argarray);
LONG VFPrintf(BPTR file, CONST_STRPTR format, CONST_APTR argarray);
LONG IsInteractive(BPTR file);
BPTR Input(void);
BPTR Output(void);
BPTR SelectInput(BPTR file);
BPTR SelectOutput(BPTR file);
BPTR SelectError(BPTR file);

/* --- Locks and examining -------------------------------------------------- */
BPTR Lock(CONST_STRPTR name, LONG accessMode);
void UnLock(BPTR lock);
BPTR DupLock(BPTR lock);
BPTR DupLockFromFH(BPTR file);
BPTR ParentDir(BPTR lock);
BPTR CurrentDir(BPTR lock);
LONG SameLock(BPTR lock1, BPTR lock2);
BOOL NameFromLock(BPTR lock, STRPTR buffer, LONG length);
BOOL NameFromFH(BPTR file, STRPTR buffer, LONG length);
BOOL Examine(BPTR lock, struct FileInfoBlock *fileInfoBlock);
BOOL ExNext(BPTR lock, struct FileInfoBlock *fileInfoBlock);
BOOL ExamineFH(BPTR file, struct FileInfoBlock *fileInfoBlock);
BOOL ExAll(BPTR lock, struct ExAllData *buffer, LONG size, LONG type, struct ExAllControl *control);
void ExAllEnd(BPTR lock, struct ExAllData *buffer, LONG size, LONG type, struct ExAllControl *control);
BOOL Info(BPTR lock, struct InfoData *parameterBlock);
APTR AllocDosObject(ULONG type, const struct TagItem *tags);
void FreeDosObject(ULONG type, APTR ptr);

#define DOS_FILEHANDLE 0
#define DOS_EXALLCONTROL 1
#define DOS_FIB 2
#define DOS_STDPKT 3
#define DOS_CLI 4
#define DOS_RDARGS 5

/* --- Changing the file system --------------------------------------------- */
BPTR CreateDir(CONST_STRPTR name);
BOOL DeleteFile(CONST_STRPTR name);
BOOL Rename(CONST_STRPTR oldName, CONST_STRPTR newName);
BOOL SetProtection(CONST_STRPTR name, LONG protect);
BOOL SetComment(CONST_STRPTR name, CONST_STRPTR comment);
BOOL SetFileDate(CONST_STRPTR name, const struct DateStamp *date);
/* dest: a lock (LINK_HARD) or a dos path text (LINK_SOFT), pointer-sized here. */
LONG MakeLink(CONST_STRPTR name, SIPTR dest, LONG soft);
LONG ReadLink(struct MsgPort *port, BPTR lock, CONST_STRPTR path, STRPTR buffer, ULONG size);

/* --- Path helpers --------------------------------------------------------- */
STRPTR FilePart(CONST_STRPTR path);
STRPTR PathPart(CONST_STRPTR path);
BOOL AddPart(STRPTR dirName, CONST_STRPTR fileName, ULONG size);

/* --- Errors --------------------------------------------------------------- */
LONG IoErr(void);
LONG SetIoErr(LONG result);
LONG Fault(LONG code, CONST_STRPTR header, STRPTR buffer, LONG length);
BOOL PrintFault(LONG code, CONST_STRPTR header);

/* --- Dates ---------------------------------------------------------------- */
struct DateStamp *DateStamp(struct DateStamp *date);
BOOL DateToStr(struct DateTime *datetime);
BOOL StrToDate(struct DateTime *datetime);
LONG CompareDates(const struct DateStamp *date1, const struct DateStamp *date2);
void Delay(LONG timeout);

/* --- Environment variables ------------------------------------------------ */
LONG GetVar(CONST_STRPTR name, STRPTR buffer, LONG size, LONG flags);
BOOL SetVar(CONST_STRPTR name, CONST_STRPTR buffer, LONG size, LONG flags);
BOOL DeleteVar(CONST_STRPTR name, ULONG flags);
struct LocalVar *FindVar(CONST_STRPTR name, ULONG type);

/* --- The DOS list: volumes and assigns ------------------------------------ */
struct DosList *LockDosList(ULONG flags);
struct DosList *AttemptLockDosList(ULONG flags);
void UnLockDosList(ULONG flags);
struct DosList *NextDosEntry(struct DosList *dlist, ULONG flags);
struct DosList *FindDosEntry(struct DosList *dlist, CONST_STRPTR name, ULONG flags);
BOOL AssignLock(CONST_STRPTR name, BPTR lock);

/* --- Processes, commands and programs ------------------------------------- */
struct Process *CreateNewProc(const struct TagItem *tags);
LONG SystemTagList(CONST_STRPTR command, const struct TagItem *tags);
STRPTR GetArgStr(void);
BPTR GetProgramDir(void);
BOOL GetCurrentDirName(STRPTR buffer, LONG length);
BOOL GetProgramName(STRPTR buffer, LONG length);

/* Segment lists, as LoadSeg and NewLoadSeg return them. The seglist is
   MKBADDR of the first segment's link; each segment is

       ULONG length    at link - 4: bytes of length word, link and data
       BPTR  link      MKBADDR of the next segment's link, 0 after the last
       UBYTE data[]    at link + sizeof(BPTR)

   so ((ULONG *)BADDR(seg))[-1] is the length and a segment holds
   length - sizeof(ULONG) - sizeof(BPTR) bytes of data. On this host a BPTR
   is as wide as a pointer (8 bytes), so the data begins 8 bytes after the
   link, where the real system has 4; a reader that uses sizeof(BPTR) works
   on both. Segments of a hunk file lie below 4 GiB and are relocated, so
   the 32-bit big-endian addresses inside them (a resident structure's
   rt_MatchTag, rt_IdString ...) are the true addresses of what they point
   at. Nothing loaded is ever run; the memory is readable and writable, and
   at least 16 bytes after each segment's data may be read. */
BPTR LoadSeg(CONST_STRPTR name);
BPTR NewLoadSeg(CONST_STRPTR file, const struct TagItem *tags);
void UnLoadSeg(BPTR seglist);

#endif /* PROTO_DOS_H */
