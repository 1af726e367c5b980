// dos/files.cpp: file handles: Open, Close, Read, Write, Seek, and handles on host descriptors.
#include "dosprivate.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace hosted {

namespace {

std::mutex &FileRegistryLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::unordered_set<FileRecord *> &LiveFiles()
{
    static auto *files = new std::unordered_set<FileRecord *>;
    return *files;
}

bool StartsWithNoCase(const char *text, const char *prefix)
{
    return strncasecmp(text, prefix, std::strlen(prefix)) == 0;
}

void FreeRecord(FileRecord *record)
{
    if (record->console) {
        record->console->Close();
        record->console.reset();
    }
    if (record->owned && record->fd >= 0)
        close(record->fd);
    if (record->held)
        ReleaseHold(record->device, record->inode, record->exclusiveHold);
    delete record;
}

BPTR OpenConsoleHandle(const ConsoleSpec &shape)
{
    LONG error = 0;
    std::unique_ptr<ConsoleStream> stream = OpenConsole(shape, error);
    if (!stream) {
        Fail(error != 0 ? error : ERROR_BAD_STREAM_NAME);
        return 0;
    }
    auto *record = new FileRecord;
    record->kind = StreamKind::Console;
    record->interactive = stream->Interactive();
    record->console = std::move(stream);
    return RegisterFile(record);
}

BPTR OpenNil()
{
    int descriptor = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (descriptor < 0) {
        FailErrno(errno);
        return 0;
    }
    auto *record = new FileRecord;
    record->kind = StreamKind::Nil;
    record->fd = descriptor;
    return RegisterFile(record);
}

// Opens a host file for one of the three modes, keeping the system's
// rules: protection bits from the file itself (also for root), and the
// exclusivity of MODE_NEWFILE. An old file is never cut short before all
// checks passed.
BPTR OpenHostFile(const DosLocation &where, LONG mode)
{
    std::string path = HostPathOf(where);
    // Non-blocking so that a named pipe without a writer cannot hang us;
    // switched back for everything else below.
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int descriptor;
    bool created = false;
    if (mode == MODE_OLDFILE) {
        // Read-only until the first write: a handle that only reads must
        // not look like a writer to the host (file watchers, indexers).
        descriptor = open(path.c_str(), O_RDONLY | flags);
        if (descriptor < 0) {
            FailErrno(errno, HostAction::Read);
            return 0;
        }
    } else {
        // A new file is made exclusively first, so that dos knows it made
        // it (see FreshFile); whatever is there already is opened as before.
        descriptor = -1;
        if (mode == MODE_NEWFILE) {
            descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | flags, 0666);
            created = descriptor >= 0;
            if (!created && errno == EEXIST)
                ForgetFreshFile(path);
        }
        if (descriptor < 0)
            descriptor = open(path.c_str(), O_RDWR | O_CREAT | flags, 0666);
        if (descriptor < 0) {
            FailErrno(errno, errno == EISDIR ? HostAction::Generic : HostAction::Write);
            return 0;
        }
    }
    struct stat info;
    if (fstat(descriptor, &info) != 0) {
        int error = errno;
        close(descriptor);
        FailErrno(error);
        return 0;
    }
    LONG refusal = 0;
    bool ownerRead = (info.st_mode & S_IRUSR) != 0;
    bool ownerWrite = (info.st_mode & S_IWUSR) != 0;
    if (S_ISDIR(info.st_mode))
        refusal = ERROR_OBJECT_WRONG_TYPE;
    else if (mode == MODE_OLDFILE && !ownerRead)
        refusal = ERROR_READ_PROTECTED;
    else if (mode != MODE_OLDFILE && !ownerWrite)
        refusal = ERROR_WRITE_PROTECTED;
    bool exclusive = mode == MODE_NEWFILE;
    if (refusal == 0 && !AcquireHold(info.st_dev, info.st_ino, exclusive))
        refusal = ERROR_OBJECT_IN_USE;
    if (refusal != 0) {
        close(descriptor);
        Fail(refusal);
        return 0;
    }
    // Reads and writes of regular files do not look at O_NONBLOCK; devices do.
    if (!S_ISFIFO(info.st_mode) && !S_ISREG(info.st_mode)) {
        int current = fcntl(descriptor, F_GETFL);
        if (current >= 0)
            fcntl(descriptor, F_SETFL, current & ~O_NONBLOCK);
    }
    if (mode == MODE_NEWFILE && S_ISREG(info.st_mode) && info.st_size > 0 && ftruncate(descriptor, 0) != 0) {
        int error = errno;
        ReleaseHold(info.st_dev, info.st_ino, exclusive);
        close(descriptor);
        FailErrno(error, HostAction::Write);
        return 0;
    }
    auto *record = new FileRecord;
    record->fd = descriptor;
    record->canRead = ownerRead;
    record->canWrite = ownerWrite;
    record->readOnlyYet = mode == MODE_OLDFILE;
    record->held = true;
    record->exclusiveHold = exclusive;
    record->device = info.st_dev;
    record->inode = info.st_ino;
    record->haveLocation = true;
    record->where = where;
    record->buffered = true;
    record->interactive = S_ISCHR(info.st_mode) && isatty(descriptor) != 0;
    if (created && S_ISREG(info.st_mode)) {
        record->fresh = true;
        NoteFreshFile(path, info);
    }
    return RegisterFile(record);
}

// The read buffer holds bytes already taken from the descriptor; moves
// the descriptor back so that raw transfers and Seek see the right place.
bool DropReadBuffer(FileRecord *record)
{
    LONG unread = record->readEnd - record->readPos;
    record->readPos = record->readEnd = 0;
    if (unread > 0 && record->kind != StreamKind::Console && record->fd >= 0 &&
        lseek(record->fd, -static_cast<off_t>(unread), SEEK_CUR) < 0 && errno != ESPIPE) {
        FailErrno(errno);
        return false;
    }
    return true;
}

}  // namespace

std::string FaultNameOf(const FileRecord *record)
{
    return record->haveLocation ? HostPathOf(record->where) : std::string();
}

bool FileFaultHits(DosCall call, const FileRecord *record)
{
    return DosFaultsSet() && DosFaultHits(call, FaultNameOf(record).c_str());
}

BPTR RegisterFile(FileRecord *record)
{
    record->handle.fh_Args = reinterpret_cast<SIPTR>(record);
    record->handle.fh_Interactive =
        record->interactive ? reinterpret_cast<struct MsgPort *>(&record->handle) : nullptr;
    std::lock_guard<std::mutex> guard(FileRegistryLock());
    LiveFiles().insert(record);
    return MKBADDR(&record->handle);
}

FileRecord *FileRecordOf(BPTR file)
{
    auto *record = reinterpret_cast<FileRecord *>(BADDR(file));
    {
        std::lock_guard<std::mutex> guard(FileRegistryLock());
        if (file != 0 && LiveFiles().count(record) != 0)
            return record;
    }
    Fail(ERROR_INVALID_LOCK);
    return nullptr;
}

LONG RecordRead(FileRecord *record, void *buffer, LONG length)
{
    if (record->console) {
        LONG error = 0;
        LONG got = record->console->Read(buffer, length, error);
        if (got < 0)
            Fail(error != 0 ? error : ERROR_SEEK_ERROR);
        return got;
    }
    auto *bytes = static_cast<char *>(buffer);
    LONG total = 0;
    while (total < length) {
        ssize_t got = read(record->fd, bytes + total, static_cast<size_t>(length - total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN)
                break;   // a pipe with nothing more for now
            if (total > 0)
                break;
            FailErrno(errno, HostAction::Read);
            return -1;
        }
        if (got == 0)
            break;
        total += static_cast<LONG>(got);
        // Pipes and terminals give what they have; only files are filled.
        if (record->interactive || record->kind == StreamKind::Nil)
            break;
        struct stat info;
        if (total < length && fstat(record->fd, &info) == 0 && !S_ISREG(info.st_mode))
            break;
    }
    return total;
}

// Reopens a MODE_OLDFILE handle for writing, keeping its descriptor
// number and position. False with IoErr set when the host refuses.
bool OpenForWriting(FileRecord *record)
{
    std::string path = HostPathOf(record->where);
    int writable = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (writable < 0) {
        FailErrno(errno, HostAction::Write);
        return false;
    }
    struct stat info;
    off_t position = lseek(record->fd, 0, SEEK_CUR);
    if (fstat(writable, &info) != 0 || info.st_dev != record->device || info.st_ino != record->inode) {
        close(writable);
        Fail(ERROR_OBJECT_NOT_FOUND);   // replaced by another object meanwhile
        return false;
    }
    if ((position >= 0 && lseek(writable, position, SEEK_SET) < 0) || dup3(writable, record->fd, O_CLOEXEC) < 0) {
        int error = errno;
        close(writable);
        FailErrno(error, HostAction::Write);
        return false;
    }
    close(writable);
    record->readOnlyYet = false;
    return true;
}

LONG RecordWrite(FileRecord *record, const void *buffer, LONG length)
{
    if (record->readOnlyYet && !OpenForWriting(record))
        return -1;
    if (record->console) {
        LONG error = 0;
        LONG put = record->console->Write(buffer, length, error);
        if (put < 0)
            Fail(error != 0 ? error : ERROR_SEEK_ERROR);
        return put;
    }
    const auto *bytes = static_cast<const char *>(buffer);
    LONG total = 0;
    while (total < length) {
        ssize_t put = write(record->fd, bytes + total, static_cast<size_t>(length - total));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            FailErrno(errno, HostAction::Write);
            return -1;
        }
        if (put == 0) {
            Fail(ERROR_DISK_FULL);
            return -1;
        }
        total += static_cast<LONG>(put);
    }
    return total;
}

bool FlushRecord(FileRecord *record)
{
    if (record->writeLen == 0)
        return true;
    LONG length = record->writeLen;
    record->writeLen = 0;
    return RecordWrite(record, record->buffer.get(), length) == length;
}

bool BufferedWrite(FileRecord *record, const char *data, LONG length)
{
    if (!record->canWrite) {
        Fail(ERROR_WRITE_PROTECTED);
        return false;
    }
    if (record->readEnd > record->readPos && !DropReadBuffer(record))
        return false;
    record->readPos = record->readEnd = 0;
    if (!record->buffered)
        return RecordWrite(record, data, length) == length;
    if (!record->buffer)
        record->buffer.reset(new char[kStreamBufferSize]);
    while (length > 0) {
        if (record->writeLen == kStreamBufferSize && !FlushRecord(record))
            return false;
        LONG room = kStreamBufferSize - record->writeLen;
        LONG part = length < room ? length : room;
        std::memcpy(record->buffer.get() + record->writeLen, data, static_cast<size_t>(part));
        record->writeLen += part;
        data += part;
        length -= part;
    }
    return true;
}

BPTR FileHandleFromDescriptor(int descriptor, bool owned, bool interactive)
{
    if (descriptor < 0) {
        Fail(ERROR_INVALID_LOCK);
        return 0;
    }
    auto *record = new FileRecord;
    record->fd = descriptor;
    record->owned = owned;
    record->interactive = interactive;
    int access = fcntl(descriptor, F_GETFL);
    if (access >= 0) {
        record->canRead = (access & O_ACCMODE) != O_WRONLY;
        record->canWrite = (access & O_ACCMODE) != O_RDONLY;
    }
    record->buffered = owned && !interactive;
    return RegisterFile(record);
}

int HostReadDescriptorOf(BPTR file)
{
    FileRecord *record = FileRecordOf(file);
    if (record == nullptr)
        return -1;
    return record->console ? record->console->ReadDescriptor() : record->fd;
}

int HostWriteDescriptorOf(BPTR file)
{
    FileRecord *record = FileRecordOf(file);
    if (record == nullptr)
        return -1;
    FlushRecord(record);
    return record->console ? record->console->WriteDescriptor() : record->fd;
}

int HostDescriptorOf(BPTR file)
{
    return HostWriteDescriptorOf(file);
}

namespace {

// The record of a Read (writing false) or Write of `length` bytes at
// `buffer`: NULL with IoErr set when the handle is not open, the length or
// the buffer is bad, or the file may not be read (ERROR_READ_PROTECTED) or
// written (ERROR_WRITE_PROTECTED).
FileRecord *TransferRecord(BPTR file, const void *buffer, LONG length, bool writing)
{
    FileRecord *record = FileRecordOf(file);
    if (record == nullptr)
        return nullptr;
    if (length < 0 || (buffer == nullptr && length > 0)) {
        Fail(ERROR_BAD_NUMBER);
        return nullptr;
    }
    if (!(writing ? record->canWrite : record->canRead)) {
        Fail(writing ? ERROR_WRITE_PROTECTED : ERROR_READ_PROTECTED);
        return nullptr;
    }
    return record;
}

BPTR StandardHandle(int descriptor)
{
    auto *record = new FileRecord;
    record->fd = descriptor;
    record->owned = false;
    record->permanent = true;
    record->interactive = isatty(descriptor) != 0;
    record->canRead = descriptor == 0;
    record->canWrite = descriptor != 0;
    return RegisterFile(record);
}

}  // namespace

BPTR HostStandardInput()
{
    static BPTR handle = StandardHandle(0);
    return handle;
}

BPTR HostStandardOutput()
{
    static BPTR handle = StandardHandle(1);
    return handle;
}

BPTR HostStandardError()
{
    static BPTR handle = StandardHandle(2);
    return handle;
}

}  // namespace hosted

using hosted::Fail;
using hosted::FailErrno;
using hosted::FileRecord;

/* Opens a file: MODE_OLDFILE an existing one (reading; writing when its
   protection allows), MODE_NEWFILE a new one, an existing one cut to
   nothing (exclusively: while it is open nobody else may lock or open it),
   MODE_READWRITE an existing one or a new one, kept as it is. "NIL:"
   swallows writes and reads as empty; "CONSOLE:" and "*" are the process's
   console, "CON:x/y/w/h/title/options" a console window. Returns the
   handle, or 0 with IoErr set: ERROR_OBJECT_NOT_FOUND,
   ERROR_READ_PROTECTED (the r bit is clear), ERROR_WRITE_PROTECTED (the w
   bit is clear, for the two writing modes), ERROR_OBJECT_IN_USE,
   ERROR_OBJECT_WRONG_TYPE (a drawer), ERROR_BAD_STREAM_NAME (a malformed
   window description). Protection is checked by dos, also for root. */
BPTR Open(CONST_STRPTR name, LONG accessMode)
{
    if (name == nullptr) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return 0;
    }
    if (accessMode != MODE_OLDFILE && accessMode != MODE_NEWFILE && accessMode != MODE_READWRITE) {
        Fail(ERROR_BAD_NUMBER);
        return 0;
    }
    if (strcasecmp(name, "NIL:") == 0)
        return hosted::OpenNil();
    if (strcasecmp(name, "CONSOLE:") == 0 || std::strcmp(name, "*") == 0) {
        hosted::ConsoleSpec shape;
        shape.processConsole = true;
        return hosted::OpenConsoleHandle(shape);
    }
    if (hosted::StartsWithNoCase(name, "CON:") || hosted::StartsWithNoCase(name, "RAW:")) {
        hosted::ConsoleSpec shape;
        if (!hosted::ParseConsoleSpec(name + 4, shape)) {
            Fail(ERROR_BAD_STREAM_NAME);
            return 0;
        }
        return hosted::OpenConsoleHandle(shape);
    }
    if (hosted::DosFaultHits(hosted::DosCall::Open, name))
        return 0;
    hosted::DosLocation where;
    if (!hosted::ResolveLocation(name, where))
        return 0;
    if (where.relative.empty()) {
        Fail(ERROR_OBJECT_WRONG_TYPE);   // a volume's root is a drawer
        return 0;
    }
    return hosted::OpenHostFile(where, accessMode);
}

/* Closes a handle, writing out what is buffered. FALSE with IoErr set when
   that write fails (the handle is closed all the same). 0 is ignored. */
BOOL Close(BPTR file)
{
    if (file == 0)
        return TRUE;
    auto *record = reinterpret_cast<FileRecord *>(BADDR(file));
    {
        std::lock_guard<std::mutex> guard(hosted::FileRegistryLock());
        if (hosted::LiveFiles().count(record) == 0) {
            Fail(ERROR_INVALID_LOCK);
            return FALSE;
        }
        if (!record->permanent)
            hosted::LiveFiles().erase(record);
    }
    // An injected failure closes the handle all the same, as a real one does.
    LONG injected = hosted::FileFaultHits(hosted::DosCall::Close, record) ? IoErr() : 0;
    bool flushed = hosted::FlushRecord(record);
    if (record->fresh)
        hosted::FreshFileClosed(record->device, record->inode);
    if (injected != 0) {
        Fail(injected);
        flushed = false;
    }
    if (!record->permanent)
        hosted::FreeRecord(record);
    return flushed ? TRUE : FALSE;
}

/* Reads up to length bytes; returns the count (fewer only at the end of a
   file, or what a pipe or console has now), 0 at the end, -1 with IoErr
   set on failure (ERROR_READ_PROTECTED when the r bit is clear). Large
   reads go straight to the host. */
LONG Read(BPTR file, APTR buffer, LONG length)
{
    FileRecord *record = hosted::TransferRecord(file, buffer, length, false);
    if (record == nullptr)
        return -1;
    if (hosted::FileFaultHits(hosted::DosCall::Read, record))
        return -1;
    if (length == 0)
        return 0;
    if (!hosted::FlushRecord(record))
        return -1;
    LONG done = 0;
    LONG buffered = record->readEnd - record->readPos;
    if (buffered > 0) {
        done = buffered < length ? buffered : length;
        std::memcpy(buffer, record->buffer.get() + record->readPos, static_cast<size_t>(done));
        record->readPos += done;
        if (done == length || record->interactive)
            return done;
    }
    LONG got = hosted::RecordRead(record, static_cast<char *>(buffer) + done, length - done);
    if (got < 0)
        return done > 0 ? done : -1;
    return done + got;
}

/* Writes length bytes; returns length, or -1 with IoErr set
   (ERROR_DISK_FULL, ERROR_WRITE_PROTECTED ...). Large writes go straight
   to the host; interrupted writes are continued. */
LONG Write(BPTR file, CONST_APTR buffer, LONG length)
{
    FileRecord *record = hosted::TransferRecord(file, buffer, length, true);
    if (record == nullptr)
        return -1;
    if (hosted::FileFaultHits(hosted::DosCall::Write, record))
        return -1;
    if (record->readEnd > record->readPos && !hosted::DropReadBuffer(record))
        return -1;
    if (!hosted::FlushRecord(record))
        return -1;
    if (length == 0)
        return 0;
    return hosted::RecordWrite(record, buffer, length);
}

/* Moves the position of a file: from OFFSET_BEGINNING, OFFSET_CURRENT or
   OFFSET_END. Returns the position before the move, or -1 with IoErr
   ERROR_SEEK_ERROR (before the start or past the end, or a stream that
   cannot seek). Where this host differs: a position past 2 GiB - 1 is
   returned as 0x7FFFFFFF. */
LONG Seek(BPTR file, LONG position, LONG mode)
{
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return -1;
    if (record->console || record->fd < 0) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return -1;
    }
    if (!hosted::FlushRecord(record) || !hosted::DropReadBuffer(record))
        return -1;
    off_t old = lseek(record->fd, 0, SEEK_CUR);
    struct stat info;
    if (old < 0 || fstat(record->fd, &info) != 0) {
        FailErrno(errno);
        return -1;
    }
    off_t target;
    switch (mode) {
    case OFFSET_BEGINNING:
        target = position;
        break;
    case OFFSET_CURRENT:
        target = old + position;
        break;
    case OFFSET_END:
        target = info.st_size + position;
        break;
    default:
        Fail(ERROR_BAD_NUMBER);
        return -1;
    }
    if (target < 0 || (S_ISREG(info.st_mode) && target > info.st_size)) {
        Fail(ERROR_SEEK_ERROR);
        return -1;
    }
    if (lseek(record->fd, target, SEEK_SET) < 0) {
        FailErrno(errno);
        return -1;
    }
    return old > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<LONG>(old);
}
