// dos/errors.cpp: IoErr, the mapping of host errors to the system's codes, and their texts.
#include "dosprivate.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace hosted {

struct Process *ThisProcess()
{
    return &CurrentTask()->process;
}

LONG MapErrno(int error, HostAction action)
{
    switch (error) {
    case 0:
        return 0;
    case ENOENT:
    case ESTALE:
        return ERROR_OBJECT_NOT_FOUND;
    case EEXIST:
        return ERROR_OBJECT_EXISTS;
    case EACCES:
    case EPERM:
        if (action == HostAction::Read)
            return ERROR_READ_PROTECTED;
        if (action == HostAction::Delete)
            return ERROR_DELETE_PROTECTED;
        return ERROR_WRITE_PROTECTED;
    case EROFS:
        // The whole file system refuses: the disk's text says so better
        // than the file's.
        return ERROR_DISK_WRITE_PROTECTED;
    case ENOTEMPTY:
        return ERROR_DIRECTORY_NOT_EMPTY;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EBUSY:
    case ETXTBSY:
        return ERROR_OBJECT_IN_USE;
    case ENAMETOOLONG:
        // A name or path the host cannot take: the name is at fault, not
        // the object's size.
        return ERROR_INVALID_COMPONENT_NAME;
    case EFBIG:
    case EOVERFLOW:
        return ERROR_OBJECT_TOO_LARGE;
    case EXDEV:
        return ERROR_RENAME_ACROSS_DEVICES;
    case ENOTDIR:
    case EISDIR:
        return ERROR_OBJECT_WRONG_TYPE;
    case ELOOP:
        return ERROR_TOO_MANY_LEVELS;
    case ENOMEM:
    case EMFILE:
    case ENFILE:
        return ERROR_NO_FREE_STORE;
    case EBADF:
        return ERROR_INVALID_LOCK;
    case ESPIPE:
    case EIO:
        return ERROR_SEEK_ERROR;
    case ENXIO:
        // Opening a socket or a device without its driver: an object of
        // the wrong type for a file, not a missing disk.
        return ERROR_OBJECT_WRONG_TYPE;
    case ENODEV:
    case ENOMEDIUM:
        return ERROR_NO_DISK;
    case EINVAL:
        return ERROR_BAD_NUMBER;
    default:
        return ERROR_ACTION_NOT_KNOWN;
    }
}

LONG Fail(LONG code)
{
    ThisProcess()->pr_Result2 = code;
    return code;
}

LONG FailErrno(int error, HostAction action)
{
    return Fail(MapErrno(error, action));
}

LONG DosErrorOf(int error)
{
    return MapErrno(error, HostAction::Generic);
}

LONG SetIoErrFromErrno(int error)
{
    return Fail(MapErrno(error, HostAction::Generic));
}

}  // namespace hosted

namespace {

struct FaultText {
    LONG code;
    const char *text;
};

// The system's texts, as the real system words them.
const FaultText kFaultTexts[] = {
    {ERROR_NO_FREE_STORE, "not enough memory available"},
    {ERROR_TASK_TABLE_FULL, "process table full"},
    {ERROR_BAD_TEMPLATE, "bad template"},
    {ERROR_BAD_NUMBER, "bad number"},
    {ERROR_REQUIRED_ARG_MISSING, "required argument missing"},
    {ERROR_KEY_NEEDS_ARG, "value after keyword missing"},
    {ERROR_TOO_MANY_ARGS, "wrong number of arguments"},
    {ERROR_UNMATCHED_QUOTES, "unmatched quotes"},
    {ERROR_LINE_TOO_LONG, "argument line invalid or too long"},
    {ERROR_FILE_NOT_OBJECT, "file is not executable"},
    {ERROR_INVALID_RESIDENT_LIBRARY, "invalid resident library"},
    {ERROR_NO_DEFAULT_DIR, "no default directory"},
    {ERROR_OBJECT_IN_USE, "object in use"},
    {ERROR_OBJECT_EXISTS, "object already exists"},
    {ERROR_DIR_NOT_FOUND, "directory not found"},
    {ERROR_OBJECT_NOT_FOUND, "object not found"},
    {ERROR_BAD_STREAM_NAME, "invalid window description"},
    {ERROR_OBJECT_TOO_LARGE, "object too large"},
    {ERROR_ACTION_NOT_KNOWN, "packet request type unknown"},
    {ERROR_INVALID_COMPONENT_NAME, "object name invalid"},
    {ERROR_INVALID_LOCK, "invalid object lock"},
    {ERROR_OBJECT_WRONG_TYPE, "object not of required type"},
    {ERROR_DISK_NOT_VALIDATED, "disk not validated"},
    {ERROR_DISK_WRITE_PROTECTED, "disk is write-protected"},
    {ERROR_RENAME_ACROSS_DEVICES, "rename across devices attempted"},
    {ERROR_DIRECTORY_NOT_EMPTY, "directory not empty"},
    {ERROR_TOO_MANY_LEVELS, "too many levels"},
    {ERROR_DEVICE_NOT_MOUNTED, "device (or volume) is not mounted"},
    {ERROR_SEEK_ERROR, "seek failure"},
    {ERROR_COMMENT_TOO_BIG, "comment is too long"},
    {ERROR_DISK_FULL, "disk is full"},
    {ERROR_DELETE_PROTECTED, "file is protected from deletion"},
    {ERROR_WRITE_PROTECTED, "file is write protected"},
    {ERROR_READ_PROTECTED, "file is read protected"},
    {ERROR_NOT_A_DOS_DISK, "not a valid DOS disk"},
    {ERROR_NO_DISK, "no disk in drive"},
    {ERROR_NO_MORE_ENTRIES, "no more entries in directory"},
    {ERROR_IS_SOFT_LINK, "object is soft link"},
    {ERROR_OBJECT_LINKED, "object is linked"},
    {ERROR_BAD_HUNK, "bad loadfile hunk"},
    {ERROR_NOT_IMPLEMENTED, "function not implemented"},
    {ERROR_RECORD_NOT_LOCKED, "record not locked"},
    {ERROR_LOCK_COLLISION, "lock collision"},
    {ERROR_LOCK_TIMEOUT, "lock timeout"},
    {ERROR_UNLOCK_ERROR, "unlock error"},
    {ERROR_BUFFER_OVERFLOW, "buffer overflow"},
    {ERROR_BREAK, "***Break"},
    {ERROR_NOT_EXECUTABLE, "file not executable"},
};

}  // namespace

/* The caller's secondary result: the error code of the last failing dos
   call (a few calls also leave a count here on success). */
LONG IoErr(void)
{
    return static_cast<LONG>(hosted::ThisProcess()->pr_Result2);
}

/* Sets the caller's secondary result; returns the old one. */
LONG SetIoErr(LONG result)
{
    struct Process *process = hosted::ThisProcess();
    LONG old = static_cast<LONG>(process->pr_Result2);
    process->pr_Result2 = result;
    return old;
}

/* Writes the system's text for an error code into buffer, preceded by
   "header: " when a header is given; unknown codes read "Error code N".
   Never writes more than length bytes (the text is cut and always
   terminated). Returns the length of the text; 0 for code 0 (the buffer
   then holds an empty string) or when there is no room at all. */
LONG Fault(LONG code, CONST_STRPTR header, STRPTR buffer, LONG length)
{
    if (buffer == nullptr || length <= 0)
        return 0;
    buffer[0] = 0;
    if (code == 0)
        return 0;
    const char *text = nullptr;
    for (const FaultText &entry : kFaultTexts) {
        if (entry.code == code) {
            text = entry.text;
            break;
        }
    }
    char unknown[32];
    if (text == nullptr) {
        std::snprintf(unknown, sizeof unknown, "Error code %ld", static_cast<long>(code));
        text = unknown;
    }
    int written = header != nullptr
                      ? std::snprintf(buffer, static_cast<size_t>(length), "%s: %s", header, text)
                      : std::snprintf(buffer, static_cast<size_t>(length), "%s", text);
    if (written < 0) {
        buffer[0] = 0;
        return 0;
    }
    return written < length ? written : length - 1;
}

/* Writes "header: text" and a line feed for an error code to the current
   output. Leaves IoErr at the code; FALSE when it could not be written. */
BOOL PrintFault(LONG code, CONST_STRPTR header)
{
    char text[160];
    LONG length = Fault(code, header, text, sizeof text - 1);
    if (length == 0) {
        SetIoErr(code);
        return TRUE;
    }
    text[length++] = '\n';
    text[length] = 0;
    BPTR output = Output();
    BOOL ok = output != 0 && Write(output, text, length) == length;
    SetIoErr(code);
    return ok;
}
