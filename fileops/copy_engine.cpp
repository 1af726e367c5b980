// fileops/copy_engine.cpp: RunCopy: the selection in display order, the destination path, drawers on the tree walk.
#include "copy_operation.h"

#include <proto/dos.h>

#include <cstring>
#include <texts/texts.h>


namespace {

// Room kept behind a target path for the marker of its temporary name.
constexpr ULONG SideNameRoom = 80;

// Cuts the DestinationPath back to the drawer path at every end of the operation.
class DestinationCut {
public:
    DestinationCut(STRPTR text, ULONG length) : text_(text), length_(length) {}
    DestinationCut(const DestinationCut &) = delete;
    DestinationCut &operator=(const DestinationCut &) = delete;
    ~DestinationCut() { text_[length_] = '\0'; }

private:
    STRPTR text_;
    ULONG length_;
};

}  // namespace

CopyOperation::CopyOperation(const CopyJob &job, CopySelection &selection, CopyControl &control)
    : job_(job), selection_(selection), control_(control)
{
}

BOOL CopyOperation::PutDestination(ULONG end, CONST_STRPTR name, BOOL slash, ULONG &newEnd)
{
    ULONG limit = job_.destinationSize < CopyNameRoom - SideNameRoom ? job_.destinationSize
                                                                     : CopyNameRoom - SideNameRoom;
    size_t length = std::strlen(name);
    ULONG at = end + (slash ? 1 : 0);
    if (at + length + 1 > limit)
        return FALSE;
    if (slash)
        job_.destination[end] = '/';
    std::memcpy(job_.destination + at, name, length + 1);
    newEnd = ULONG(at + length);
    return TRUE;
}

BOOL CopyOperation::DrawerIntoItself(BPTR source)
{
    // The target is the drawer itself (the destination is the drawer holding it).
    {
        ScopedLock target(Lock(job_.destination, SHARED_LOCK));
        if (target && SameLock(target.Get(), source) == LOCK_SAME)
            return TRUE;
    }
    // The destination drawer, or a drawer above it, is the source.
    char kept = job_.destination[destinationBase_];
    job_.destination[destinationBase_] = '\0';
    ScopedLock here(Lock(job_.destination, SHARED_LOCK));
    job_.destination[destinationBase_] = kept;
    while (here) {
        if (SameLock(here.Get(), source) == LOCK_SAME)
            return TRUE;
        here = ScopedLock(ParentDir(here.Get()));
    }
    return FALSE;
}

BOOL CopyOperation::ExistingRealDrawer(CONST_STRPTR path)
{
    // A link is never merged into: what it leads to is not the destination's.
    if (ReadLink(nullptr, 0, path, sideName_, sizeof sideName_))
        return FALSE;
    ScopedLock lock(Lock(path, SHARED_LOCK));
    struct FileInfoBlock *fib = SpareFib(job_.walk);
    if (fib == nullptr)
        fib = &existingFib_;
    return lock && Examine(lock.Get(), fib) && IsRealDrawer(fib->fib_DirEntryType);
}

BOOL CopyOperation::SameAsTopTarget(CONST_STRPTR path)
{
    ScopedLock drawer(Lock(path, SHARED_LOCK));
    return drawer && SameLock(drawer.Get(), topTarget_.Get()) == LOCK_SAME;
}

EntryEnd CopyOperation::CopyDrawer(CONST_STRPTR name)
{
    {
        ScopedLock source(Lock(name, SHARED_LOCK));
        if (!source) {
            LONG error = IoErr();
            return Failed(name, error);
        }
        if (DrawerIntoItself(source.Get())) {
            source.Reset();
            control_.Refusal(name, CopyIntoItselfText);
            return EntryEnd::Aborted;
        }
    }
    topEntered_ = FALSE;
    WalkEnd end = WalkTree(job_.walk, name, *this);
    topTarget_.Reset();
    switch (end) {
    case WalkEnd::Done:
        // A top drawer that could not be entered was skipped, not copied.
        return topEntered_ ? EntryEnd::Copied : EntryEnd::Skipped;
    case WalkEnd::Aborted:
        return EntryEnd::Aborted;
    case WalkEnd::TooDeep:
        control_.Refusal(job_.walk.path, TreeTooDeepText);
        return EntryEnd::Aborted;
    case WalkEnd::PathTooLong:
        control_.Refusal(job_.walk.path, PathTooLongText);
        return EntryEnd::Aborted;
    }
    return EntryEnd::Aborted;
}

WalkAction CopyOperation::EnterDrawer(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth,
                                      ULONG &levelWord)
{
    if (control_.Cancelled())
        return WalkAction::Abort;
    ULONG end = topEnd_;
    if (depth == 1) {
        job_.destination[topEnd_] = '\0';
        topEntered_ = TRUE;
    } else {
        if (!PutDestination(destinationEnd_, fib.fib_FileName, TRUE, end)) {
            control_.Refusal(path, PathTooLongText);
            return WalkAction::Abort;
        }
        // The destination lies inside the source through a link the check
        // before the walk could not see: the walk has reached its own copy.
        if (topTarget_ && fib.fib_DiskKey == topTargetKey_ && SameAsTopTarget(path)) {
            control_.Refusal(topName_, CopyIntoItselfText);
            return WalkAction::Abort;
        }
    }

    BPTR made = CreateDir(job_.destination);
    if (made != 0) {
        UnLock(made);
        end |= MadeDrawerBit;
    } else {
        LONG error = IoErr();
        if (error != ERROR_OBJECT_EXISTS || !ExistingRealDrawer(job_.destination)) {
            control_.Failure(job_.destination, error, FaultButtons::AbortOnly);
            return WalkAction::Abort;
        }
    }
    if (depth == 1) {
        topTarget_.Reset(Lock(job_.destination, SHARED_LOCK));
        struct FileInfoBlock *spare = SpareFib(job_.walk);
        if (spare == nullptr)
            spare = &existingFib_;
        if (topTarget_ && Examine(topTarget_.Get(), spare))
            topTargetKey_ = spare->fib_DiskKey;
        else
            topTarget_.Reset();
    }
    levelWord = end;
    destinationEnd_ = end & ~MadeDrawerBit;
    return WalkAction::Continue;
}

WalkAction CopyOperation::VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth,
                                     ULONG levelWord)
{
    (void)depth;
    if (control_.Cancelled())
        return WalkAction::Abort;
    ULONG end;
    if (!PutDestination(levelWord & ~MadeDrawerBit, fib.fib_FileName, TRUE, end)) {
        control_.Refusal(path, PathTooLongText);
        return WalkAction::Abort;
    }
    targetAbsent_ = (levelWord & MadeDrawerBit) != 0;
    EntryEnd result = IsLinkType(fib.fib_DirEntryType) ? CopyLink(path, &fib, FALSE) : CopyFile(path, &fib, FALSE);
    targetAbsent_ = FALSE;
    return result == EntryEnd::Aborted ? WalkAction::Abort : WalkAction::Continue;
}

WalkAction CopyOperation::LeaveDrawer(CONST_STRPTR path, ULONG depth, ULONG levelWord)
{
    (void)path;
    // The parent's target path ends at the "/" before this drawer's name.
    if (depth > 1) {
        ULONG end = (levelWord & ~MadeDrawerBit) - 1;
        while (end > topEnd_ && job_.destination[end] != '/')
            end--;
        destinationEnd_ = end;
    }
    return WalkAction::Continue;
}

WalkAction CopyOperation::WalkFailed(CONST_STRPTR path, LONG error, WalkFailure what)
{
    (void)what;
    return control_.Failure(path, error, FaultButtons::SkipAbort) ? WalkAction::Skip : WalkAction::Abort;
}

CopyResult CopyOperation::Run()
{
    CopyResult result;
    STRPTR destination = job_.destination;
    if (destination == nullptr || job_.destinationSize == 0) {
        result.aborted = TRUE;
        return result;
    }
    ULONG length = ULONG(strnlen(destination, job_.destinationSize));
    if (length == job_.destinationSize) {
        destination[job_.destinationSize - 1] = '\0';
        length--;
    }
    DestinationCut cut(destination, length);

    // A drawer path gets its "/" as AddPart gives it: not behind ":" or "/",
    // and an empty path (the current drawer) gets none.
    destinationBase_ = length;
    if (length != 0 && destination[length - 1] != ':' && destination[length - 1] != '/') {
        if (length + 2 > job_.destinationSize) {
            control_.Refusal(destination, PathTooLongText);
            result.aborted = TRUE;
            return result;
        }
        destination[length] = '/';
        destination[length + 1] = '\0';
        destinationBase_ = length + 1;
    }

    CopyItem item;
    if (!selection_.Item(0, item))
        return result;   // an empty lister: nothing to do
    if (job_.buffer == nullptr || job_.bufferSize == 0) {
        control_.Failure("Copy:", ERROR_NO_FREE_STORE, FaultButtons::AbortOnly);
        result.aborted = TRUE;
        return result;
    }

    CountCopySelection(job_.walk, selection_, progress_);
    for (ULONG row = 0; selection_.Item(row, item); row++) {
        if (!item.selected)
            continue;
        if (control_.Cancelled()) {
            result.aborted = TRUE;
            break;
        }
        if (!PutDestination(destinationBase_, item.name, FALSE, topEnd_)) {
            control_.Refusal(item.name, PathTooLongText);
            result.aborted = TRUE;
            break;
        }
        topName_ = item.name;
        EntryEnd end;
        if (IsLinkType(item.type))
            end = CopyLink(item.name, nullptr, TRUE);
        else if (IsRealDrawer(item.type))
            end = CopyDrawer(item.name);
        else
            end = CopyFile(item.name, nullptr, TRUE);
        if (end == EntryEnd::Aborted) {
            result.aborted = TRUE;
            break;
        }
        if (end == EntryEnd::Copied) {
            result.copied++;
            selection_.Copied(row);
        } else {
            result.skipped++;
        }
    }
    return result;
}

CopyResult RunCopy(const CopyJob &job, CopySelection &selection, CopyControl &control)
{
    CopyOperation operation(job, selection, control);
    return operation.Run();
}
