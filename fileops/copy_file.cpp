// fileops/copy_file.cpp: one file or link of a copy: the target check, the transfer under a temporary name, the swap.
#include "copy_operation.h"

#include <proto/dos.h>

#include <cstring>

namespace {

// The largest chunk one Read or Write is asked for (their counts are LONG).
constexpr UQUAD LargestChunk = 0x40000000;

}  // namespace

EntryEnd CopyOperation::Failed(CONST_STRPTR objectName, LONG error)
{
    return control_.Failure(objectName, error, FaultButtons::SkipAbort) ? EntryEnd::Skipped : EntryEnd::Aborted;
}

void CopyOperation::Processed(UQUAD bytesAtStart, UQUAD size)
{
    progress_.entriesDone++;
    progress_.bytesDone = bytesAtStart + size;
    control_.Progress(progress_);
}

CopyOperation::Verdict CopyOperation::CheckTarget(CONST_STRPTR source, const struct FileInfoBlock &info,
                                                  BOOL topLevel, ScopedLock &sourceLock, TargetPlan &plan)
{
    CONST_STRPTR target = job_.destination;
    auto verdictOf = [](EntryEnd end) { return end == EntryEnd::Skipped ? Verdict::Skip : Verdict::Abort; };

    if (targetAbsent_)
        return Verdict::Write;
    ScopedLock existing(Lock(target, SHARED_LOCK));
    if (!existing) {
        LONG error = IoErr();
        if (error == ERROR_OBJECT_NOT_FOUND)
            return Verdict::Write;
        sourceLock.Reset();
        return verdictOf(Failed(source, error));
    }
    struct FileInfoBlock *existingFib = SpareFib(job_.walk);
    if (existingFib == nullptr)
        existingFib = &existingFib_;
    if (!Examine(existing.Get(), existingFib)) {
        LONG error = IoErr();
        existing.Reset();
        sourceLock.Reset();
        return verdictOf(Failed(target, error));
    }
    // A file found at its own target (the destination is its drawer, or
    // the target is a link to it) would be destroyed by its copy.
    if (!sourceLock)
        sourceLock.Reset(Lock(source, SHARED_LOCK));   // a link whose object is gone has none
    BOOL itself = sourceLock && SameLock(existing.Get(), sourceLock.Get()) == LOCK_SAME;
    existing.Reset();
    if (itself) {
        sourceLock.Reset();
        control_.Refusal(source, CopyOntoItselfText);
        return Verdict::Abort;
    }
    // A drawer is never replaced by a file.
    if (existingFib->fib_DirEntryType > 0) {
        sourceLock.Reset();
        return verdictOf(Failed(target, ERROR_OBJECT_EXISTS));
    }

    switch (mode_) {
    case ConflictMode::SkipAll:
        sourceLock.Reset();
        return Verdict::Skip;
    case ConflictMode::ReplaceAll:
        break;
    case ConflictMode::Ask: {
        const struct FileInfoBlock *shown = &info;
        if (shown != &sourceFib_ && sourceLock && Examine(sourceLock.Get(), &sourceFib_))
            shown = &sourceFib_;
        CopyConflict conflict;
        conflict.source = shown;
        conflict.existing = existingFib;
        conflict.sourcePath = source;
        conflict.destinationPath = target;
        conflict.topLevel = topLevel;
        CopyCheckResult answer = control_.Conflict(conflict, mode_, sourceLock);
        if (answer == CopyCheckResult::Replace || answer == CopyCheckResult::ReplaceAll)
            break;
        sourceLock.Reset();
        return answer == CopyCheckResult::Skip || answer == CopyCheckResult::SkipAll ? Verdict::Skip
                                                                                     : Verdict::Abort;
    }
    }

    if ((existingFib->fib_Protection & FIBF_WRITE) != 0) {
        if (!job_.unprotects) {
            sourceLock.Reset();
            return verdictOf(Failed(source, ERROR_WRITE_PROTECTED));
        }
        plan.unprotect = TRUE;
    }
    plan.exists = TRUE;
    return Verdict::Write;
}

LONG CopyOperation::WriteTemporary(const struct FileInfoBlock &info, BPTR in)
{
    if (!MakeSideName(job_.destination, SideName::Temporary, temporary_, sizeof temporary_))
        return ERROR_OBJECT_TOO_LARGE;   // PutDestination leaves room: not reached
    ScopedFile out(Open(temporary_, MODE_NEWFILE));
    if (!out) {
        LONG error = IoErr();
        // One left write-protected by a run that never finished is ours.
        if (error != ERROR_WRITE_PROTECTED || !SetProtection(temporary_, 0))
            return error;
        out = ScopedFile(Open(temporary_, MODE_NEWFILE));
        if (!out)
            return IoErr();
    }
    temporaryMade_ = TRUE;

    // The true size, not the saturated fib_Size: files of any size come whole.
    const UQUAD chunkLimit = job_.bufferSize < LargestChunk ? job_.bufferSize : LargestChunk;
    UQUAD remaining = info.fib_Size64;
    while (remaining > 0) {
        LONG chunk = LONG(remaining < chunkLimit ? remaining : chunkLimit);
        LONG got = Read(in, job_.buffer, chunk);
        if (got < 0)
            return IoErr();
        if (got != chunk)
            return ERROR_OBJECT_IN_USE;   // it shrank while it was copied
        if (Write(out.Get(), job_.buffer, got) != got)
            return IoErr();
        remaining -= UQUAD(got);
        progress_.bytesDone += UQUAD(got);
        control_.Progress(progress_);
        if (control_.Cancelled())
            return StoppedByPerson;
    }
    LONG more = Read(in, job_.buffer, 1);
    if (more < 0)
        return IoErr();
    if (more > 0)
        return ERROR_OBJECT_IN_USE;   // it grew while it was copied

    if (job_.delayTicks != 0)
        Delay(LONG(job_.delayTicks));
    if (!out.Close())
        return IoErr();
    return 0;
}

LONG CopyOperation::FinishFile(const struct FileInfoBlock &info)
{
    // Protection last: bits that forbid writing must not stop the others.
    if (!SetFileDate(temporary_, &info.fib_Date))
        return IoErr();
    if (job_.copyComment && info.fib_Comment[0] != '\0' && !SetComment(temporary_, info.fib_Comment))
        return IoErr();
    if (!SetProtection(temporary_, info.fib_Protection))
        return IoErr();
    return 0;
}

LONG CopyOperation::TakeTargetName(const TargetPlan &plan)
{
    // Rename never replaces: a target that appeared meanwhile is reported.
    if (!plan.exists)
        return Rename(temporary_, job_.destination) ? 0 : IoErr();
    BOOL leftBackup = FALSE;
    LONG error = SwapIntoPlace(temporary_, job_.destination, &leftBackup);
    if (!leftBackup)
        return error;
    // The new file has its name; the old one could not be deleted. A
    // write-protected one may go when "Unprotects:" is on.
    if (plan.unprotect && MakeSideName(job_.destination, SideName::Backup, sideName_, sizeof sideName_) &&
        SetProtection(sideName_, 0))
        (void)DeleteFile(sideName_);
    return 0;
}

void CopyOperation::RemoveTemporary()
{
    if (!temporaryMade_)
        return;
    temporaryMade_ = FALSE;
    if (DeleteFile(temporary_))
        return;
    // The attributes were set already: a write-protected copy is ours to remove.
    if (IoErr() == ERROR_DELETE_PROTECTED && SetProtection(temporary_, 0))
        (void)DeleteFile(temporary_);
}

EntryEnd CopyOperation::CopyFile(CONST_STRPTR source, const struct FileInfoBlock *listed, BOOL topLevel)
{
    const UQUAD bytesAtStart = progress_.bytesDone;
    progress_.current = source;
    ScopedLock sourceLock;
    const struct FileInfoBlock *info = listed;
    if (info == nullptr) {
        sourceLock.Reset(Lock(source, SHARED_LOCK));
        if (!sourceLock || !Examine(sourceLock.Get(), &sourceFib_)) {
            LONG error = IoErr();
            sourceLock.Reset();
            EntryEnd end = Failed(source, error);
            if (end == EntryEnd::Skipped)
                Processed(bytesAtStart, 0);
            return end;
        }
        info = &sourceFib_;
    }
    const UQUAD size = info->fib_Size64;

    TargetPlan plan;
    switch (CheckTarget(source, *info, topLevel, sourceLock, plan)) {
    case Verdict::Write:
        break;
    case Verdict::Skip:
        Processed(bytesAtStart, size);
        return EntryEnd::Skipped;
    case Verdict::Abort:
        return EntryEnd::Aborted;
    }

    // Everything of this file is closed and released before anyone is asked.
    LONG error;
    {
        ScopedFile in(Open(source, MODE_OLDFILE));
        error = in ? WriteTemporary(*info, in.Get()) : IoErr();
    }
    sourceLock.Reset();
    if (error == 0)
        error = FinishFile(*info);
    if (error == 0)
        error = TakeTargetName(plan);
    if (error != 0)
        RemoveTemporary();
    temporaryMade_ = FALSE;
    if (error == StoppedByPerson)
        return EntryEnd::Aborted;
    EntryEnd end = error == 0 ? EntryEnd::Copied : Failed(source, error);
    if (end != EntryEnd::Aborted)
        Processed(bytesAtStart, size);
    return end;
}

EntryEnd CopyOperation::CopyLink(CONST_STRPTR source, const struct FileInfoBlock *listed, BOOL topLevel)
{
    const UQUAD bytesAtStart = progress_.bytesDone;
    progress_.current = source;
    auto failed = [&](LONG error) {
        EntryEnd end = Failed(source, error);
        if (end == EntryEnd::Skipped)
            Processed(bytesAtStart, 0);
        return end;
    };
    if (!ReadLink(nullptr, 0, source, linkText_, sizeof linkText_))
        return failed(IoErr());

    ScopedLock sourceLock;
    const struct FileInfoBlock *info = listed;
    if (info == nullptr) {
        sourceLock.Reset(Lock(source, SHARED_LOCK));
        if (!sourceLock || !Examine(sourceLock.Get(), &sourceFib_)) {
            // A link whose object is gone: its name is all there is to show.
            sourceLock.Reset();
            sourceFib_ = FileInfoBlock{};
            std::strncpy(sourceFib_.fib_FileName, FilePart(source), sizeof sourceFib_.fib_FileName - 1);
            sourceFib_.fib_DirEntryType = ST_SOFTLINK;
        }
        info = &sourceFib_;
    }

    TargetPlan plan;
    switch (CheckTarget(source, *info, topLevel, sourceLock, plan)) {
    case Verdict::Write:
        break;
    case Verdict::Skip:
        Processed(bytesAtStart, 0);
        return EntryEnd::Skipped;
    case Verdict::Abort:
        return EntryEnd::Aborted;
    }
    sourceLock.Reset();

    LONG error = 0;
    if (!MakeSideName(job_.destination, SideName::Temporary, temporary_, sizeof temporary_)) {
        error = ERROR_OBJECT_TOO_LARGE;
    } else {
        BOOL made = MakeLink(temporary_, reinterpret_cast<SIPTR>(linkText_), LINK_SOFT);
        // A temporary link left by a run that never finished is ours.
        if (!made && IoErr() == ERROR_OBJECT_EXISTS && DeleteFile(temporary_))
            made = MakeLink(temporary_, reinterpret_cast<SIPTR>(linkText_), LINK_SOFT);
        if (!made)
            error = IoErr();
        else
            temporaryMade_ = TRUE;
    }
    if (error == 0)
        error = TakeTargetName(plan);
    if (error != 0)
        RemoveTemporary();
    temporaryMade_ = FALSE;
    if (error != 0)
        return failed(error);
    Processed(bytesAtStart, 0);
    return EntryEnd::Copied;
}
