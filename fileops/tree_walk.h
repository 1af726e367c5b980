// fileops/tree_walk.h: WalkTree: a drawer and everything below it, depth first, on the level stack in the traversal buffers.
#ifndef FILEOPS_TREE_WALK_H
#define FILEOPS_TREE_WALK_H

#include <dos/dos.h>

// The slot one depth's FileInfoBlock takes in the "Dir depth:" pool.
constexpr ULONG FibSlotSize = 1040;

// The buffers a walk runs in: the level stack ("Dir stack:"), the pool of
// FileInfoBlocks ("Dir depth:", one slot per depth, the last slot left to
// the engine) and the path scratch in which each object's path is built
// relative to the current directory. A walk for everything allocates
// nothing; one for less makes an ExAllControl per depth it reaches, never
// one per file or drawer (see WalkTree).
struct WalkBuffers {
    UBYTE *stack = nullptr;
    ULONG stackSize = 0;
    UBYTE *pool = nullptr;
    ULONG poolSize = 0;
    STRPTR path = nullptr;
    ULONG pathSize = 0;
};

// The deepest level these buffers hold (the top drawer is depth 1).
ULONG WalkDepthLimit(const WalkBuffers &buffers);

// The pool's last slot, which no level uses (the copy's conflict check
// examines the existing target into it); nullptr when the pool is too small.
struct FileInfoBlock *SpareFib(const WalkBuffers &buffers);

// Whether an entry of this type is a drawer to go into. Links of every
// kind are objects of their own here: a walk never follows one, so a link
// loop cannot make it run forever, and deleting or copying a link never
// touches what it points at.
inline bool IsRealDrawer(LONG type)
{
    return type > 0 && type != ST_SOFTLINK && type != ST_LINKDIR;
}

// How much a walk learns of each entry it visits.
enum class WalkDetail : UBYTE {
    Everything,   // the whole FileInfoBlock (ExNext)
    Sizes,        // name, type and size (ExAll ED_SIZE); the rest of the FileInfoBlock is clear
    Types         // name and type (ExAll ED_TYPE): the drawer's own listing, nothing asked per entry
};

enum class WalkAction : UBYTE {
    Continue,   // go on
    Skip,       // EnterDrawer: leave this drawer unscanned; WalkFailed: go on without it
    Abort       // end the walk, every lock released
};

enum class WalkFailure : UBYTE {
    LockDrawer,      // Lock of a drawer to go into failed
    ExamineDrawer,   // its Examine failed
    ScanDrawer       // ExNext ended with an error other than "no more entries"
};

enum class WalkEnd : UBYTE {
    Done,          // the whole tree was gone through (parts may have been skipped)
    Aborted,       // the visitor said Abort
    TooDeep,       // deeper than WalkDepthLimit: the path scratch names the drawer
    PathTooLong    // a path longer than the scratch: the scratch holds its start
};

// What the walk tells its engine. `path` is the object's path relative to
// the current directory, valid during the call; `depth` the level of the
// drawer concerned (1 for the top one). Each level keeps one 32-bit word
// for the visitor (the copy keeps the end of its destination path there).
class TreeVisitor {
public:
    virtual ~TreeVisitor() = default;

    // A drawer about to be scanned, locked and examined into `fib`. Skip
    // leaves it unscanned (and LeaveDrawer is not called for it).
    virtual WalkAction EnterDrawer(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth,
                                   ULONG &levelWord) = 0;

    // An entry that is not gone into: a file, or a link of any kind.
    // `levelWord` is the word of the drawer that holds it.
    virtual WalkAction VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth,
                                  ULONG levelWord) = 0;

    // A drawer's scan has ended and its lock is released (so it can be
    // deleted now); `path` names it again.
    virtual WalkAction LeaveDrawer(CONST_STRPTR path, ULONG depth, ULONG levelWord) = 0;

    // A call of the walk itself failed on `path` with `error` (taken right
    // after it). Continue and Skip go on without that drawer (or, for a
    // scan error, with the drawer ended there: LeaveDrawer is called);
    // Abort ends the walk.
    virtual WalkAction WalkFailed(CONST_STRPTR path, LONG error, WalkFailure what) = 0;
};

// Walks the drawer `name` (relative to the current directory) depth first,
// without recursion: each drawer's entries in the order the drawer gives
// them, a sub-drawer gone into as soon as it is met, each drawer left right
// after its last entry. VisitEntry learns what `detail` asks for (a drawer's
// EnterDrawer always gets its whole FileInfoBlock); with less than
// Everything, each depth's pool slot holds the ExAll records of its drawer,
// the walk makes one ExAllControl per depth it reaches (kept for every
// drawer at that depth, freed at the end), and a drawer it has no memory
// for a control for is read with ExNext. Every lock is released whatever
// the end. TooDeep and PathTooLong end the walk before anything is done
// below that point; the engine tells the person (OperationControl::Refusal).
[[nodiscard]] WalkEnd WalkTree(const WalkBuffers &buffers, CONST_STRPTR name, TreeVisitor &visitor,
                               WalkDetail detail = WalkDetail::Everything);

#endif /* FILEOPS_TREE_WALK_H */
