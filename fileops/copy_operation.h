// fileops/copy_operation.h: CopyOperation: one run of RunCopy, shared by the drawer walk and the file transfer.
#ifndef FILEOPS_COPY_OPERATION_H
#define FILEOPS_COPY_OPERATION_H

#include "copy_engine.h"
#include "replace_object.h"
#include <texts/texts.h>

// How one entry (a top-level one, or one inside a copied drawer) ended.
enum class EntryEnd : UBYTE {
    Copied,
    Skipped,   // passed over: the person said "Skip", or the conflict rule did
    Aborted    // the whole operation ends
};

// The room for a temporary name and a link's target text. Host paths do
// not grow beyond 4096 bytes; longer destination paths are refused.
constexpr ULONG CopyNameRoom = 4096 + 128;

// A drawer's level word: the end of its target path, and this bit when the
// copy made the target drawer itself (so nothing can be in the way of its
// files but what appears meanwhile, which Rename still refuses to replace).
constexpr ULONG MadeDrawerBit = 0x80000000;

// Not a dos error: the person stopped the operation (the progress
// window's "Abort"); ends it without a requester.
constexpr LONG StoppedByPerson = -1;

// The texts of the refusals (the second line under the object's name).

class CopyOperation : public TreeVisitor {
public:
    CopyOperation(const CopyJob &job, CopySelection &selection, CopyControl &control);

    CopyResult Run();

    WalkAction EnterDrawer(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth,
                           ULONG &levelWord) override;
    WalkAction VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth, ULONG levelWord) override;
    WalkAction LeaveDrawer(CONST_STRPTR path, ULONG depth, ULONG levelWord) override;
    WalkAction WalkFailed(CONST_STRPTR path, LONG error, WalkFailure what) override;

private:
    // What the check of an existing target decided.
    struct TargetPlan {
        BOOL exists = FALSE;      // a file is there and is to be replaced
        BOOL unprotect = FALSE;   // it is write-protected and "Unprotects:" allows replacing it
    };
    enum class Verdict : UBYTE { Write, Skip, Abort };

    // copy_engine.cpp: the destination path and drawers.
    BOOL PutDestination(ULONG end, CONST_STRPTR name, BOOL slash, ULONG &newEnd);
    BOOL SameAsTopTarget(CONST_STRPTR path);
    EntryEnd CopyDrawer(CONST_STRPTR name);
    BOOL DrawerIntoItself(BPTR source);
    BOOL ExistingRealDrawer(CONST_STRPTR path);

    // copy_file.cpp: one file or link.
    EntryEnd CopyFile(CONST_STRPTR source, const struct FileInfoBlock *listed, BOOL topLevel);
    EntryEnd CopyLink(CONST_STRPTR source, const struct FileInfoBlock *listed, BOOL topLevel);
    Verdict CheckTarget(CONST_STRPTR source, const struct FileInfoBlock &info, BOOL topLevel, ScopedLock &sourceLock,
                        TargetPlan &plan);
    BOOL targetAbsent_ = FALSE;   // the file being copied goes into a drawer this copy made
    LONG WriteTemporary(const struct FileInfoBlock &info, BPTR in);
    LONG FinishFile(const struct FileInfoBlock &info);
    LONG TakeTargetName(const TargetPlan &plan);
    void RemoveTemporary();
    EntryEnd Failed(CONST_STRPTR objectName, LONG error);
    void Processed(UQUAD bytesAtStart, UQUAD size);

    const CopyJob &job_;
    CopySelection &selection_;
    CopyControl &control_;
    ConflictMode mode_ = ConflictMode::Ask;
    OperationProgress progress_;
    ULONG destinationBase_ = 0;   // where entry names go: behind the drawer path and its "/"
    ULONG destinationEnd_ = 0;    // the end of the innermost open drawer's target path
    CONST_STRPTR topName_ = nullptr;
    ULONG topEnd_ = 0;
    BOOL topEntered_ = FALSE;
    ScopedLock topTarget_;        // the top drawer's target while its tree is copied
    LONG topTargetKey_ = 0;
    struct FileInfoBlock sourceFib_ = {};     // the source's Examine, the conflict question's new file
    struct FileInfoBlock existingFib_ = {};   // the target's, when the pool has no spare slot
    BOOL temporaryMade_ = FALSE;  // temporary_ names an object of ours to remove on failure
    char temporary_[CopyNameRoom] = {};
    char linkText_[CopyNameRoom] = {};
    char sideName_[CopyNameRoom] = {};
};

#endif /* FILEOPS_COPY_OPERATION_H */
