// fileops/tree_walk.cpp: WalkTree: the level stack grows down from the top of the "Dir stack:" buffer.
#include "tree_walk.h"

#include <proto/dos.h>

#include <cstring>

namespace {

static_assert(sizeof(struct FileInfoBlock) <= FibSlotSize, "a FileInfoBlock must fit its pool slot");

// One open drawer. Offsets, not addresses, so the record is the same size
// on every host.
struct WalkLevel {
    BPTR lock;
    ULONG fibOffset;   // into the pool
    ULONG pathEnd;     // where this drawer's path ends in the scratch
    ULONG word;        // the visitor's
    ULONG reserved;
};

// The stack's top holds one zero record that marks its bottom.
constexpr ULONG BottomMark = sizeof(WalkLevel);

class LevelStack {
public:
    explicit LevelStack(const WalkBuffers &buffers) : buffers_(buffers)
    {
        std::memset(buffers.stack + buffers.stackSize - BottomMark, 0, BottomMark);
    }

    ~LevelStack()
    {
        while (depth_ != 0)
            Pop();
    }

    ULONG Depth() const { return depth_; }

    WalkLevel &Top() { return *At(depth_); }

    struct FileInfoBlock *FibOf(const WalkLevel &level) const
    {
        return reinterpret_cast<struct FileInfoBlock *>(buffers_.pool + level.fibOffset);
    }

    // Pushes a level owning `lock`; its depth's pool slot is d × FibSlotSize.
    WalkLevel &Push(BPTR lock, ULONG pathEnd)
    {
        depth_++;
        WalkLevel &level = *At(depth_);
        level = WalkLevel{lock, depth_ * FibSlotSize, pathEnd, 0, 0};
        return level;
    }

    // Releases the top level's lock (if it still holds one) and pops it.
    void Pop()
    {
        WalkLevel &level = Top();
        if (level.lock != 0)
            UnLock(level.lock);
        level.lock = 0;
        depth_--;
    }

private:
    WalkLevel *At(ULONG depth) const
    {
        UBYTE *bottom = buffers_.stack + buffers_.stackSize - BottomMark;
        UBYTE *place = bottom - depth * sizeof(WalkLevel);
        // Keep the records aligned for their BPTR whatever the buffer's size.
        place -= reinterpret_cast<IPTR>(place) % alignof(WalkLevel);
        return reinterpret_cast<WalkLevel *>(place);
    }

    const WalkBuffers &buffers_;
    ULONG depth_ = 0;
};

// Appends "/" and `name` at `end`; FALSE when it would not fit.
bool AppendAt(const WalkBuffers &buffers, ULONG end, CONST_STRPTR name, ULONG &newEnd)
{
    size_t length = std::strlen(name);
    if (end + 1 + length + 1 > buffers.pathSize)
        return false;
    buffers.path[end] = '/';
    std::memcpy(buffers.path + end + 1, name, length + 1);
    newEnd = ULONG(end + 1 + length);
    return true;
}

}  // namespace

ULONG WalkDepthLimit(const WalkBuffers &buffers)
{
    if (buffers.stack == nullptr || buffers.pool == nullptr || buffers.stackSize < 2 * BottomMark + alignof(WalkLevel))
        return 0;
    ULONG byStack = (buffers.stackSize - BottomMark - alignof(WalkLevel)) / sizeof(WalkLevel);
    ULONG slots = buffers.poolSize / FibSlotSize;
    ULONG byPool = slots >= 2 ? slots - 2 : 0;   // slot 0 unused, the last one spare
    return byStack < byPool ? byStack : byPool;
}

struct FileInfoBlock *SpareFib(const WalkBuffers &buffers)
{
    ULONG slots = buffers.poolSize / FibSlotSize;
    if (buffers.pool == nullptr || slots == 0)
        return nullptr;
    return reinterpret_cast<struct FileInfoBlock *>(buffers.pool + (slots - 1) * FibSlotSize);
}

WalkEnd WalkTree(const WalkBuffers &buffers, CONST_STRPTR name, TreeVisitor &visitor)
{
    const ULONG limit = WalkDepthLimit(buffers);
    size_t nameLength = std::strlen(name);
    if (nameLength + 1 > buffers.pathSize) {
        if (buffers.pathSize != 0) {
            std::memcpy(buffers.path, name, buffers.pathSize - 1);
            buffers.path[buffers.pathSize - 1] = '\0';
        }
        return WalkEnd::PathTooLong;
    }
    std::memcpy(buffers.path, name, nameLength + 1);
    if (limit == 0)
        return WalkEnd::TooDeep;

    LevelStack stack(buffers);
    ULONG pathEnd = ULONG(nameLength);

    // Opens the drawer named by the scratch up to `end` as a new level.
    // Returns Continue when it is open, Skip when it was passed over.
    auto open = [&](ULONG end, BPTR lock) -> WalkAction {
        buffers.path[end] = '\0';
        WalkLevel &level = stack.Push(lock, end);
        struct FileInfoBlock *fib = stack.FibOf(level);
        if (!Examine(lock, fib)) {
            LONG error = IoErr();
            stack.Pop();
            WalkAction answer = visitor.WalkFailed(buffers.path, error, WalkFailure::ExamineDrawer);
            return answer == WalkAction::Abort ? WalkAction::Abort : WalkAction::Skip;
        }
        WalkAction answer = visitor.EnterDrawer(buffers.path, *fib, stack.Depth(), stack.Top().word);
        if (answer != WalkAction::Continue)
            stack.Pop();
        return answer;
    };

    BPTR top = Lock(buffers.path, SHARED_LOCK);
    if (top == 0) {
        LONG error = IoErr();
        return visitor.WalkFailed(buffers.path, error, WalkFailure::LockDrawer) == WalkAction::Abort ? WalkEnd::Aborted
                                                                                                       : WalkEnd::Done;
    }
    if (open(pathEnd, top) == WalkAction::Abort)
        return WalkEnd::Aborted;

    while (stack.Depth() != 0) {
        WalkLevel &level = stack.Top();
        struct FileInfoBlock *fib = stack.FibOf(level);
        if (!ExNext(level.lock, fib)) {
            LONG error = IoErr();
            buffers.path[level.pathEnd] = '\0';
            if (error != ERROR_NO_MORE_ENTRIES &&
                visitor.WalkFailed(buffers.path, error, WalkFailure::ScanDrawer) == WalkAction::Abort)
                return WalkEnd::Aborted;
            // The drawer is done: release it first, so it can be deleted.
            ULONG depth = stack.Depth(), word = level.word;
            UnLock(level.lock);
            level.lock = 0;
            buffers.path[level.pathEnd] = '\0';
            WalkAction answer = visitor.LeaveDrawer(buffers.path, depth, word);
            stack.Pop();
            if (answer == WalkAction::Abort)
                return WalkEnd::Aborted;
            continue;
        }
        ULONG end = 0;
        if (!AppendAt(buffers, level.pathEnd, fib->fib_FileName, end)) {
            // Show as much of the path as fits, with the name it failed on.
            buffers.path[level.pathEnd] = '\0';
            return WalkEnd::PathTooLong;
        }
        if (!IsRealDrawer(fib->fib_DirEntryType)) {
            if (visitor.VisitEntry(buffers.path, *fib, stack.Depth(), level.word) == WalkAction::Abort)
                return WalkEnd::Aborted;
            continue;
        }
        if (stack.Depth() == limit)
            return WalkEnd::TooDeep;
        BPTR lock = Lock(buffers.path, SHARED_LOCK);
        if (lock == 0) {
            LONG error = IoErr();
            if (visitor.WalkFailed(buffers.path, error, WalkFailure::LockDrawer) == WalkAction::Abort)
                return WalkEnd::Aborted;
            continue;
        }
        if (open(end, lock) == WalkAction::Abort)
            return WalkEnd::Aborted;
    }
    return WalkEnd::Done;
}
