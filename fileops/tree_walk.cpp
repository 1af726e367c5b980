// fileops/tree_walk.cpp: WalkTree: the level stack grows down from the top of the "Dir stack:" buffer.
#include "tree_walk.h"

#include <proto/dos.h>

#include <cstring>

namespace {

static_assert(sizeof(struct FileInfoBlock) <= FibSlotSize, "a FileInfoBlock must fit its pool slot");

// One open drawer. Offsets into the buffers, not addresses, but for the
// lock and the ExAll control, which are the system's.
struct WalkLevel {
    BPTR lock;
    struct ExAllControl *control;   // ExAll walks: this depth's, kept for the next drawer at the same depth
    ULONG fibOffset;                // into the pool: the drawer's slot
    ULONG pathEnd;                  // where this drawer's path ends in the scratch
    ULONG word;                     // the visitor's
    ULONG next;                     // ExAll walks: 1 + the slot offset of the next record, 0 when none waits
    LONG scanEnd;                   // ExAll walks: 0 while ExAll has more, else the code its scan ended with
    UWORD scanning;                 // ExAll walks: a scan of this drawer is under way
    UWORD reserved;
};

// The stack's top holds one zero record that marks its bottom.
constexpr ULONG BottomMark = sizeof(WalkLevel);

class LevelStack {
public:
    LevelStack(const WalkBuffers &buffers, LONG exAllType) : buffers_(buffers), exAllType_(exAllType)
    {
        std::memset(buffers.stack + buffers.stackSize - BottomMark, 0, BottomMark);
    }

    ~LevelStack()
    {
        while (depth_ != 0)
            Pop();
        // The controls stay with their depths until the walk ends.
        for (ULONG depth = 1; depth <= controlled_; depth++)
            FreeDosObject(DOS_EXALLCONTROL, At(depth)->control);
    }

    ULONG Depth() const { return depth_; }

    WalkLevel &Top() { return *At(depth_); }

    UBYTE *SlotOf(const WalkLevel &level) const { return buffers_.pool + level.fibOffset; }

    struct FileInfoBlock *FibOf(const WalkLevel &level) const
    {
        return reinterpret_cast<struct FileInfoBlock *>(SlotOf(level));
    }

    // Pushes a level owning `lock`; its depth's pool slot is d × FibSlotSize.
    WalkLevel &Push(BPTR lock, ULONG pathEnd)
    {
        depth_++;
        WalkLevel &level = *At(depth_);
        struct ExAllControl *control = depth_ <= controlled_ ? level.control : nullptr;
        level = WalkLevel{lock, control, depth_ * FibSlotSize, pathEnd, 0, 0, 0, 0, 0};
        return level;
    }

    // The top level's ExAll control, made the first time its depth is
    // reached; nullptr when there is no memory for one.
    struct ExAllControl *ControlOfTop()
    {
        WalkLevel &level = Top();
        if (level.control == nullptr && depth_ == controlled_ + 1) {
            level.control = static_cast<struct ExAllControl *>(AllocDosObject(DOS_EXALLCONTROL, nullptr));
            if (level.control != nullptr)
                controlled_ = depth_;
        }
        return level.control;
    }

    // Releases the top level's lock, ending a scan under way.
    void Release()
    {
        WalkLevel &level = Top();
        if (level.lock != 0) {
            if (level.scanning != 0)
                ExAllEnd(level.lock, reinterpret_cast<struct ExAllData *>(SlotOf(level)), LONG(FibSlotSize),
                         exAllType_, level.control);
            UnLock(level.lock);
        }
        level.lock = 0;
        level.scanning = 0;
    }

    // Releases the top level's lock (if it still holds one) and pops it.
    void Pop()
    {
        Release();
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
    const LONG exAllType_;
    ULONG depth_ = 0;
    ULONG controlled_ = 0;   // depths 1..controlled_ hold a control of theirs
};

// The ExAll type of a detail that asks for less than everything.
LONG ExAllTypeOf(WalkDetail detail)
{
    return detail == WalkDetail::Sizes ? ED_SIZE : ED_TYPE;
}

// The next entry of the top drawer: its FileInfoBlock (the level's slot,
// or `entry` for a walk that reads the drawer with ExAll), or nullptr at
// the end or on failure, with IoErr set (ERROR_NO_MORE_ENTRIES at the end).
struct FileInfoBlock *NextEntry(LevelStack &stack, WalkDetail detail, struct FileInfoBlock &entry)
{
    WalkLevel &level = stack.Top();
    struct ExAllControl *control = detail == WalkDetail::Everything ? nullptr : stack.ControlOfTop();
    if (control == nullptr) {
        // Everything asked for, or no memory for a control: ExNext.
        struct FileInfoBlock *fib = stack.FibOf(level);
        return ExNext(level.lock, fib) ? fib : nullptr;
    }
    UBYTE *slot = stack.SlotOf(level);
    LONG type = ExAllTypeOf(detail);
    for (;;) {
        if (level.next != 0) {
            auto *data = reinterpret_cast<struct ExAllData *>(slot + level.next - 1);
            level.next = data->ed_Next != nullptr ? ULONG(reinterpret_cast<UBYTE *>(data->ed_Next) - slot) + 1 : 0;
            std::memset(&entry, 0, sizeof entry);
            std::strncpy(entry.fib_FileName, reinterpret_cast<const char *>(data->ed_Name),
                         sizeof entry.fib_FileName - 1);
            entry.fib_DirEntryType = data->ed_Type;
            entry.fib_EntryType = data->ed_Type;
            if (type >= ED_SIZE) {
                entry.fib_Size = LONG(data->ed_Size);
                entry.fib_Size64 = data->ed_Size;
            }
            return &entry;
        }
        if (level.scanEnd != 0) {
            SetIoErr(level.scanEnd);
            return nullptr;
        }
        if (level.scanning == 0) {
            control->eac_LastKey = 0;
            control->eac_MatchString = nullptr;
            control->eac_MatchFunc = nullptr;
            level.scanning = 1;
        }
        BOOL more = ExAll(level.lock, reinterpret_cast<struct ExAllData *>(slot), LONG(FibSlotSize), type, control);
        if (!more) {
            LONG error = IoErr();
            level.scanEnd = error != 0 ? error : ERROR_NO_MORE_ENTRIES;
            level.scanning = 0;   // ended: nothing to end early any more
        }
        if (control->eac_Entries > 0)
            level.next = 1;
    }
}

// A size ExAll saturates is asked of the file itself, so that files of
// any size count whole.
void ExactSize(CONST_STRPTR path, struct FileInfoBlock &entry)
{
    if (entry.fib_Size != 0x7FFFFFFF || entry.fib_DirEntryType > 0)
        return;
    BPTR lock = Lock(path, SHARED_LOCK);
    struct FileInfoBlock whole;
    if (lock != 0 && Examine(lock, &whole))
        entry.fib_Size64 = whole.fib_Size64;
    UnLock(lock);
}

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

WalkEnd WalkTree(const WalkBuffers &buffers, CONST_STRPTR name, TreeVisitor &visitor, WalkDetail detail)
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

    LevelStack stack(buffers, ExAllTypeOf(detail));
    ULONG pathEnd = ULONG(nameLength);
    struct FileInfoBlock entry;   // an entry read with ExAll, whose slot holds the records

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
        struct FileInfoBlock *fib = NextEntry(stack, detail, entry);
        if (fib == nullptr) {
            LONG error = IoErr();
            buffers.path[level.pathEnd] = '\0';
            if (error != ERROR_NO_MORE_ENTRIES &&
                visitor.WalkFailed(buffers.path, error, WalkFailure::ScanDrawer) == WalkAction::Abort)
                return WalkEnd::Aborted;
            // The drawer is done: release it first, so it can be deleted.
            ULONG depth = stack.Depth(), word = level.word;
            stack.Release();
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
            if (detail == WalkDetail::Sizes)
                ExactSize(buffers.path, *fib);
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
