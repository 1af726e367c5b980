// dos/loader.cpp: NewLoadSeg, LoadSeg and UnLoadSeg, the loader's public calls over dos files.
#include "loader.h"

#include <hosted/dos.h>
#include <proto/dos.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

using hosted::loader::Source;

// An open dos file read at any offset through its host descriptor. Only
// plain files qualify: a console or a pipe has no offsets to read at.
class FileSource : public Source {
public:
    explicit FileSource(BPTR file) : descriptor_(hosted::HostDescriptorOf(file)) {}

    // False with `error` when the file is not one the loader can read.
    bool Open(LONG &error)
    {
        struct stat status;
        if (descriptor_ < 0) {
            error = ERROR_OBJECT_WRONG_TYPE;
            return false;
        }
        if (fstat(descriptor_, &status) != 0) {
            error = hosted::SetIoErrFromErrno(errno);
            return false;
        }
        if (!S_ISREG(status.st_mode)) {
            error = ERROR_OBJECT_WRONG_TYPE;
            return false;
        }
        size_ = static_cast<uint64_t>(status.st_size);
        return true;
    }

    uint64_t Size() const override { return size_; }

    bool ReadAt(uint64_t offset, void *destination, size_t length, LONG &error) override
    {
        auto *to = static_cast<UBYTE *>(destination);
        if (offset > size_ || length > size_ - offset) {
            error = ERROR_BAD_HUNK;
            return false;
        }
        while (length > 0) {
            ssize_t got = pread(descriptor_, to, length, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                error = hosted::SetIoErrFromErrno(errno);
                return false;
            }
            if (got == 0) {   // the file shrank under us
                error = ERROR_BAD_HUNK;
                return false;
            }
            to += got;
            offset += static_cast<uint64_t>(got);
            length -= static_cast<size_t>(got);
        }
        return true;
    }

private:
    int descriptor_;
    uint64_t size_ = 0;
};

}  // namespace

/* Loads an executable into memory without running it and returns its
   segment list. Hunk executables are relocated into memory below 4 GiB, so
   resident structures and 32-bit pointers inside them hold true addresses;
   ELF files give one segment per loadable part (relocatable objects: per
   allocated section), unrelocated. Nothing loaded is ever executed. No tags
   are defined on this host; any given are ignored.
   Failure: returns 0 with IoErr set: the file's own error when it cannot be
   opened or read, ERROR_FILE_NOT_OBJECT for a file that is no executable,
   ERROR_BAD_HUNK for a truncated or corrupt one, ERROR_OBJECT_WRONG_TYPE for
   something that is not a plain file, ERROR_NO_FREE_STORE or
   ERROR_OBJECT_TOO_LARGE for one that asks for more than 256 MiB. */
BPTR NewLoadSeg(CONST_STRPTR file, const struct TagItem *tags)
{
    (void)tags;
    if (file == nullptr) {
        SetIoErr(ERROR_REQUIRED_ARG_MISSING);
        return 0;
    }
    BPTR handle = Open(file, MODE_OLDFILE);
    if (handle == 0)
        return 0;
    LONG error = 0;
    BPTR seglist = 0;
    FileSource source(handle);
    if (source.Open(error))
        seglist = hosted::loader::LoadExecutable(source, error);
    Close(handle);
    SetIoErr(seglist != 0 ? 0 : error);
    return seglist;
}

/* NewLoadSeg without tags. */
BPTR LoadSeg(CONST_STRPTR name)
{
    return NewLoadSeg(name, nullptr);
}

/* Frees a segment list from LoadSeg or NewLoadSeg; 0 is ignored. A value
   that is no loaded segment list (or one already freed) is left alone
   rather than followed. */
void UnLoadSeg(BPTR seglist)
{
    if (seglist != 0)
        hosted::loader::FreeSegmentList(seglist);
}
