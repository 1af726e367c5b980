/* dos/dos.h: dos's basic structures, modes, protection bits and error codes. */
#ifndef DOS_DOS_H
#define DOS_DOS_H

#include <exec/types.h>

#define DOSNAME "dos.library"

#define DOSTRUE (-1L)
#define DOSFALSE (0L)

/* Open() modes */
#define MODE_OLDFILE 1005     /* an existing file, read and write */
#define MODE_NEWFILE 1006     /* a new file (an old one is truncated) */
#define MODE_READWRITE 1004   /* an existing file or a new one, shared */

/* Seek() offsets */
#define OFFSET_BEGINNING -1
#define OFFSET_CURRENT 0
#define OFFSET_END 1
#define OFFSET_BEGINING OFFSET_BEGINNING

#define BITSPERBYTE 8
#define BYTESPERLONG 4
#define BITSPERLONG 32
#define MAXINT 0x7FFFFFFF
#define MININT 0x80000000

/* Lock() modes */
#define SHARED_LOCK -2
#define ACCESS_READ -2
#define EXCLUSIVE_LOCK -1
#define ACCESS_WRITE -1

/* A point in time: days since 1 January 1978, minutes past midnight, ticks
   (1/50 s) past the minute. Local time. */
struct DateStamp {
    LONG ds_Days;
    LONG ds_Minute;
    LONG ds_Tick;
};

#define TICKS_PER_SECOND 50

/* What Examine() and ExNext() fill in. The 64-bit fields are this host's
   addition for objects of 4 GiB and more; fib_Size saturates at 0x7FFFFFFF. */
struct FileInfoBlock {
    LONG fib_DiskKey;
    LONG fib_DirEntryType;   /* < 0 a file, > 0 a drawer (ST_...) */
    char fib_FileName[108];  /* zero-terminated */
    LONG fib_Protection;     /* FIBF_... bits */
    LONG fib_EntryType;
    LONG fib_Size;           /* bytes, saturated */
    LONG fib_NumBlocks;
    struct DateStamp fib_Date;
    char fib_Comment[80];    /* zero-terminated */
    UWORD fib_OwnerUID;
    UWORD fib_OwnerGID;
    UQUAD fib_Size64;        /* the true size in bytes */
    UQUAD fib_NumBlocks64;
    char fib_Reserved[16];
};

/* fib_Protection. The owner's RWED bits are set when the action is NOT
   allowed; the others are set when it is. */
#define FIBB_OTR_READ 15
#define FIBB_OTR_WRITE 14
#define FIBB_OTR_EXECUTE 13
#define FIBB_OTR_DELETE 12
#define FIBB_GRP_READ 11
#define FIBB_GRP_WRITE 10
#define FIBB_GRP_EXECUTE 9
#define FIBB_GRP_DELETE 8
#define FIBB_HOLD 7
#define FIBB_SCRIPT 6
#define FIBB_PURE 5
#define FIBB_ARCHIVE 4
#define FIBB_READ 3
#define FIBB_WRITE 2
#define FIBB_EXECUTE 1
#define FIBB_DELETE 0
#define FIBF_OTR_READ (1L << FIBB_OTR_READ)
#define FIBF_OTR_WRITE (1L << FIBB_OTR_WRITE)
#define FIBF_OTR_EXECUTE (1L << FIBB_OTR_EXECUTE)
#define FIBF_OTR_DELETE (1L << FIBB_OTR_DELETE)
#define FIBF_GRP_READ (1L << FIBB_GRP_READ)
#define FIBF_GRP_WRITE (1L << FIBB_GRP_WRITE)
#define FIBF_GRP_EXECUTE (1L << FIBB_GRP_EXECUTE)
#define FIBF_GRP_DELETE (1L << FIBB_GRP_DELETE)
#define FIBF_HOLD (1L << FIBB_HOLD)
#define FIBF_SCRIPT (1L << FIBB_SCRIPT)
#define FIBF_PURE (1L << FIBB_PURE)
#define FIBF_ARCHIVE (1L << FIBB_ARCHIVE)
#define FIBF_READ (1L << FIBB_READ)
#define FIBF_WRITE (1L << FIBB_WRITE)
#define FIBF_EXECUTE (1L << FIBB_EXECUTE)
#define FIBF_DELETE (1L << FIBB_DELETE)

/* fib_DirEntryType / fib_EntryType */
#define ST_ROOT 1
#define ST_USERDIR 2
#define ST_SOFTLINK 3
#define ST_LINKDIR 4
#define ST_FILE -3
#define ST_LINKFILE -4
#define ST_PIPEFILE -5

/* MakeLink() kinds */
#define LINK_HARD 0
#define LINK_SOFT 1

struct InfoData {
    LONG id_NumSoftErrors;
    LONG id_UnitNumber;
    LONG id_DiskState;
    LONG id_NumBlocks;
    LONG id_NumBlocksUsed;
    LONG id_BytesPerBlock;
    LONG id_DiskType;
    BPTR id_VolumeNode;
    LONG id_InUse;
};

#define ID_WRITE_PROTECTED 80
#define ID_VALIDATING 81
#define ID_VALIDATED 82

/* SameLock() results */
#define LOCK_SAME 0
#define LOCK_SAME_VOLUME 1
#define LOCK_SAME_HANDLER LOCK_SAME_VOLUME
#define LOCK_DIFFERENT -1

/* Return codes of commands */
#define RETURN_OK 0
#define RETURN_WARN 5
#define RETURN_ERROR 10
#define RETURN_FAIL 20

/* Break signals */
#define SIGBREAKB_CTRL_C 12
#define SIGBREAKB_CTRL_D 13
#define SIGBREAKB_CTRL_E 14
#define SIGBREAKB_CTRL_F 15
#define SIGBREAKF_CTRL_C (1L << SIGBREAKB_CTRL_C)
#define SIGBREAKF_CTRL_D (1L << SIGBREAKB_CTRL_D)
#define SIGBREAKF_CTRL_E (1L << SIGBREAKB_CTRL_E)
#define SIGBREAKF_CTRL_F (1L << SIGBREAKB_CTRL_F)

/* Error codes (IoErr()) */
#define ERROR_NO_FREE_STORE 103
#define ERROR_TASK_TABLE_FULL 105
#define ERROR_BAD_TEMPLATE 114
#define ERROR_BAD_NUMBER 115
#define ERROR_REQUIRED_ARG_MISSING 116
#define ERROR_KEY_NEEDS_ARG 117
#define ERROR_TOO_MANY_ARGS 118
#define ERROR_UNMATCHED_QUOTES 119
#define ERROR_LINE_TOO_LONG 120
#define ERROR_FILE_NOT_OBJECT 121
#define ERROR_INVALID_RESIDENT_LIBRARY 122
#define ERROR_NO_DEFAULT_DIR 201
#define ERROR_OBJECT_IN_USE 202
#define ERROR_OBJECT_EXISTS 203
#define ERROR_DIR_NOT_FOUND 204
#define ERROR_OBJECT_NOT_FOUND 205
#define ERROR_BAD_STREAM_NAME 206
#define ERROR_OBJECT_TOO_LARGE 207
#define ERROR_ACTION_NOT_KNOWN 209
#define ERROR_INVALID_COMPONENT_NAME 210
#define ERROR_INVALID_LOCK 211
#define ERROR_OBJECT_WRONG_TYPE 212
#define ERROR_DISK_NOT_VALIDATED 213
#define ERROR_DISK_WRITE_PROTECTED 214
#define ERROR_RENAME_ACROSS_DEVICES 215
#define ERROR_DIRECTORY_NOT_EMPTY 216
#define ERROR_TOO_MANY_LEVELS 217
#define ERROR_DEVICE_NOT_MOUNTED 218
#define ERROR_SEEK_ERROR 219
#define ERROR_COMMENT_TOO_BIG 220
#define ERROR_DISK_FULL 221
#define ERROR_DELETE_PROTECTED 222
#define ERROR_WRITE_PROTECTED 223
#define ERROR_READ_PROTECTED 224
#define ERROR_NOT_A_DOS_DISK 225
#define ERROR_NO_DISK 226
#define ERROR_NO_MORE_ENTRIES 232
#define ERROR_IS_SOFT_LINK 233
#define ERROR_OBJECT_LINKED 234
#define ERROR_BAD_HUNK 235
#define ERROR_NOT_IMPLEMENTED 236
#define ERROR_RECORD_NOT_LOCKED 240
#define ERROR_LOCK_COLLISION 241
#define ERROR_LOCK_TIMEOUT 242
#define ERROR_UNLOCK_ERROR 243
#define ERROR_BUFFER_OVERFLOW 303
#define ERROR_BREAK 304
#define ERROR_NOT_EXECUTABLE 305

#endif /* DOS_DOS_H */
