// ExAll: records of each type as ExNext shows the entries, across calls and buffers, the match hook, the failures.
#include "dos_test_support.h"

#include <hosted/dos.h>
#include <proto/utility.h>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using dostest::DosTest;

// A buffer aligned as AllocVec gives one.
struct Buffer {
    explicit Buffer(size_t bytes) : words((bytes + 7) / 8, 0xA5A5A5A5A5A5A5A5ULL), size(LONG(bytes)) {}
    struct ExAllData *Data() { return reinterpret_cast<struct ExAllData *>(words.data()); }
    std::vector<unsigned long long> words;
    LONG size;
};

struct Record {
    LONG type = 0;
    ULONG size = 0;
    ULONG protection = 0;
    ULONG days = 0, minutes = 0, ticks = 0;
    std::string comment;
    int seen = 0;
};

// Every entry of drawer `path` through ExAll of `type` in a buffer of
// `bytes`; `calls` counts the calls that gave records, `end` the IoErr of
// the last one.
std::map<std::string, Record> AllOf(const char *path, LONG type, size_t bytes, int &calls, LONG &end,
                                    struct Hook *hook = nullptr)
{
    std::map<std::string, Record> records;
    BPTR lock = Lock(path, SHARED_LOCK);
    EXPECT_NE(lock, 0);
    auto *control = static_cast<struct ExAllControl *>(AllocDosObject(DOS_EXALLCONTROL, nullptr));
    EXPECT_NE(control, nullptr);
    control->eac_MatchFunc = hook;
    Buffer buffer(bytes);
    calls = 0;
    BOOL more;
    do {
        more = ExAll(lock, buffer.Data(), buffer.size, type, control);
        end = more ? 0 : IoErr();
        if (control->eac_Entries > 0)
            calls++;
        ULONG count = 0;
        for (struct ExAllData *data = control->eac_Entries > 0 ? buffer.Data() : nullptr; data != nullptr;
             data = data->ed_Next) {
            count++;
            Record &r = records[reinterpret_cast<const char *>(data->ed_Name)];
            r.seen++;
            if (type >= ED_TYPE)
                r.type = data->ed_Type;
            if (type >= ED_SIZE)
                r.size = data->ed_Size;
            if (type >= ED_PROTECTION)
                r.protection = data->ed_Prot;
            if (type >= ED_DATE) {
                r.days = data->ed_Days;
                r.minutes = data->ed_Mins;
                r.ticks = data->ed_Ticks;
            }
            if (type >= ED_COMMENT)
                r.comment = reinterpret_cast<const char *>(data->ed_Comment);
        }
        EXPECT_EQ(count, control->eac_Entries);
    } while (more);
    FreeDosObject(DOS_EXALLCONTROL, control);
    UnLock(lock);
    return records;
}

// The same drawer through ExNext.
std::map<std::string, struct FileInfoBlock> ExNextOf(const char *path)
{
    std::map<std::string, struct FileInfoBlock> entries;
    BPTR lock = Lock(path, SHARED_LOCK);
    struct FileInfoBlock fib;
    Examine(lock, &fib);
    while (ExNext(lock, &fib))
        entries[fib.fib_FileName] = fib;
    UnLock(lock);
    return entries;
}

class ExAllTest : public DosTest {
protected:
    // A drawer of every kind of entry, some with attributes.
    void MakeMixedDrawer()
    {
        mkdir(Host("d").c_str(), 0755);
        mkdir(Host("d/drawer").c_str(), 0750);
        dostest::WriteHostFile(Host("d/file"), "12345");
        ASSERT_EQ(setxattr(Host("d/file").c_str(), "user.xdg.comment", "a note", 6, 0), 0);
        ASSERT_EQ(setxattr(Host("d/file").c_str(), "user.amiga_protection", "-s-a", 4, 0), 0);
        dostest::WriteHostFile(Host("d/other file with a long name of many letters"), "x");
        ASSERT_EQ(symlink("drawer", Host("d/drawerlink").c_str()), 0);
        ASSERT_EQ(symlink("file", Host("d/filelink").c_str()), 0);
        ASSERT_EQ(symlink("nowhere", Host("d/dangling").c_str()), 0);
        for (int i = 0; i < 40; i++)
            dostest::WriteHostFile(Host("d/f" + std::to_string(i)), std::string(size_t(i), 'z'));
    }
};

TEST_F(ExAllTest, EveryTypeGivesEachEntryOnceAsExNextShowsItAcrossManyCalls)
{
    MakeMixedDrawer();
    std::map<std::string, struct FileInfoBlock> expected = ExNextOf("d");
    ASSERT_EQ(expected.size(), 46u);
    for (LONG type = ED_NAME; type <= ED_OWNER; type++) {
        int calls = 0;
        LONG end = 0;
        // 300 bytes hold a few records: the scan goes on over many calls.
        std::map<std::string, Record> records = AllOf("d", type, 300, calls, end);
        EXPECT_EQ(end, ERROR_NO_MORE_ENTRIES) << type;
        EXPECT_GT(calls, 3) << type;
        ASSERT_EQ(records.size(), expected.size()) << type;
        for (const auto &[name, fib] : expected) {
            const Record &r = records[name];
            EXPECT_EQ(r.seen, 1) << name << " type " << type;
            if (type >= ED_TYPE) {
                EXPECT_EQ(r.type, fib.fib_DirEntryType) << name;
            }
            if (type >= ED_SIZE) {
                EXPECT_EQ(r.size, ULONG(fib.fib_Size)) << name;
            }
            if (type >= ED_PROTECTION) {
                EXPECT_EQ(r.protection, ULONG(fib.fib_Protection)) << name;
            }
            if (type >= ED_DATE) {
                EXPECT_EQ(r.days, ULONG(fib.fib_Date.ds_Days)) << name;
                EXPECT_EQ(r.minutes, ULONG(fib.fib_Date.ds_Minute)) << name;
                EXPECT_EQ(r.ticks, ULONG(fib.fib_Date.ds_Tick)) << name;
            }
            if (type >= ED_COMMENT) {
                EXPECT_EQ(r.comment, fib.fib_Comment) << name;
            }
        }
    }
    int calls = 0;
    LONG end = 0;
    std::map<std::string, Record> typed = AllOf("d", ED_TYPE, 4096, calls, end);
    EXPECT_EQ(typed["drawer"].type, ST_USERDIR);
    EXPECT_EQ(typed["file"].type, ST_FILE);
    EXPECT_EQ(typed["drawerlink"].type, ST_LINKDIR);
    EXPECT_EQ(typed["filelink"].type, ST_LINKFILE);
    EXPECT_EQ(typed["dangling"].type, ST_SOFTLINK);
    std::map<std::string, Record> full = AllOf("d", ED_COMMENT, 4096, calls, end);
    EXPECT_EQ(full["file"].comment, "a note");
    EXPECT_EQ(full["file"].protection & (FIBF_SCRIPT | FIBF_ARCHIVE), ULONG(FIBF_SCRIPT | FIBF_ARCHIVE));
    EXPECT_EQ(full["f7"].size, 7u);
}

TEST_F(ExAllTest, RecordsEndAfterTheirTypesFieldAndAnEntryThatDoesNotFitWaits)
{
    mkdir(Host("d").c_str(), 0755);
    std::string longName(100, 'n');
    dostest::WriteHostFile(Host("d/" + longName), "");
    dostest::WriteHostFile(Host("d/a"), "");
    BPTR lock = Lock("d", SHARED_LOCK);
    auto *control = static_cast<struct ExAllControl *>(AllocDosObject(DOS_EXALLCONTROL, nullptr));
    ASSERT_NE(control, nullptr);
    // Too small for the long name: it is kept for a larger buffer, not lost.
    Buffer small(offsetof(struct ExAllData, ed_Size) + 16);
    std::map<std::string, int> seen;
    bool refused = false;
    for (;;) {
        BOOL more = ExAll(lock, small.Data(), small.size, ED_TYPE, control);
        LONG error = IoErr();
        for (struct ExAllData *data = control->eac_Entries > 0 ? small.Data() : nullptr; data; data = data->ed_Next)
            seen[reinterpret_cast<const char *>(data->ed_Name)]++;
        if (!more && error == ERROR_NO_FREE_STORE) {
            refused = true;
            break;
        }
        if (!more)
            break;
    }
    ASSERT_TRUE(refused);
    Buffer large(4096);
    BOOL more = ExAll(lock, large.Data(), large.size, ED_TYPE, control);
    EXPECT_FALSE(more);
    EXPECT_EQ(IoErr(), ERROR_NO_MORE_ENTRIES);
    for (struct ExAllData *data = control->eac_Entries > 0 ? large.Data() : nullptr; data; data = data->ed_Next)
        seen[reinterpret_cast<const char *>(data->ed_Name)]++;
    EXPECT_EQ(seen, (std::map<std::string, int>{{"a", 1}, {longName, 1}}));
    FreeDosObject(DOS_EXALLCONTROL, control);

    // An ED_NAME record holds no type: its name starts where ed_Type would.
    control = static_cast<struct ExAllControl *>(AllocDosObject(DOS_EXALLCONTROL, nullptr));
    Buffer names(4096);
    ExAll(lock, names.Data(), names.size, ED_NAME, control);
    ASSERT_EQ(control->eac_Entries, 2u);
    struct ExAllData *first = names.Data();
    EXPECT_EQ(first->ed_Name, reinterpret_cast<UBYTE *>(first) + offsetof(struct ExAllData, ed_Type));
    size_t length = std::strlen(reinterpret_cast<const char *>(first->ed_Name));
    size_t expected = offsetof(struct ExAllData, ed_Type) + length + 1;
    expected = (expected + alignof(struct ExAllData) - 1) / alignof(struct ExAllData) * alignof(struct ExAllData);
    EXPECT_EQ(reinterpret_cast<UBYTE *>(first->ed_Next) - reinterpret_cast<UBYTE *>(first), ptrdiff_t(expected));
    EXPECT_EQ(first->ed_Next->ed_Next, nullptr);
    FreeDosObject(DOS_EXALLCONTROL, control);
    UnLock(lock);
}

IPTR KeepNamesStartingWithF(struct Hook *hook, APTR object, APTR message)
{
    auto *calls = static_cast<int *>(hook->h_Data);
    (*calls)++;
    EXPECT_EQ(*static_cast<LONG *>(object), ED_SIZE);
    auto *data = static_cast<struct ExAllData *>(message);
    return data->ed_Name[0] == 'f' && data->ed_Type < 0 ? 1 : 0;
}

TEST_F(ExAllTest, TheMatchHookSeesEveryFilledRecordAndKeepsWhatItAccepts)
{
    MakeMixedDrawer();
    int hookCalls = 0;
    struct Hook hook = {};
    hook.h_Entry = KeepNamesStartingWithF;
    hook.h_Data = &hookCalls;
    int calls = 0;
    LONG end = 0;
    std::map<std::string, Record> records = AllOf("d", ED_SIZE, 200, calls, end, &hook);
    EXPECT_EQ(end, ERROR_NO_MORE_ENTRIES);
    EXPECT_EQ(hookCalls, 46);
    EXPECT_EQ(records.size(), 42u);   // f0..f39, file, filelink
    EXPECT_EQ(records.count("drawer"), 0u);
    EXPECT_EQ(records.count("file"), 1u);
}

TEST_F(ExAllTest, BadArgumentsStaleKeysAndInjectedFailuresAreRefused)
{
    MakeMixedDrawer();
    BPTR lock = Lock("d", SHARED_LOCK);
    BPTR file = Lock("d/file", SHARED_LOCK);
    auto *control = static_cast<struct ExAllControl *>(AllocDosObject(DOS_EXALLCONTROL, nullptr));
    Buffer buffer(512);
    EXPECT_FALSE(ExAll(lock, buffer.Data(), buffer.size, 0, control));
    EXPECT_EQ(IoErr(), ERROR_BAD_NUMBER);
    EXPECT_FALSE(ExAll(lock, buffer.Data(), buffer.size, ED_OWNER + 1, control));
    EXPECT_EQ(IoErr(), ERROR_BAD_NUMBER);
    EXPECT_FALSE(ExAll(file, buffer.Data(), buffer.size, ED_NAME, control));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
    auto *misaligned = reinterpret_cast<struct ExAllData *>(reinterpret_cast<UBYTE *>(buffer.Data()) + 2);
    EXPECT_FALSE(ExAll(lock, misaligned, buffer.size - 8, ED_NAME, control));
    EXPECT_EQ(IoErr(), ERROR_BAD_NUMBER);
    UBYTE pattern[] = "#?";
    control->eac_MatchString = pattern;
    EXPECT_FALSE(ExAll(lock, buffer.Data(), buffer.size, ED_NAME, control));
    EXPECT_EQ(IoErr(), ERROR_NOT_IMPLEMENTED);
    control->eac_MatchString = nullptr;

    // Ended early: the key is no longer the lock's, and a new scan from
    // key 0 gives every entry again.
    ASSERT_TRUE(ExAll(lock, buffer.Data(), buffer.size, ED_NAME, control));
    ULONG key = control->eac_LastKey;
    EXPECT_NE(key, 0u);
    ExAllEnd(lock, buffer.Data(), buffer.size, ED_NAME, control);
    EXPECT_EQ(control->eac_LastKey, 0u);
    control->eac_LastKey = key;
    EXPECT_FALSE(ExAll(lock, buffer.Data(), buffer.size, ED_NAME, control));
    EXPECT_EQ(IoErr(), ERROR_BAD_NUMBER);
    control->eac_LastKey = 0;
    ULONG total = 0;
    while (true) {
        BOOL more = ExAll(lock, buffer.Data(), buffer.size, ED_NAME, control);
        total += control->eac_Entries;
        if (!more) {
            EXPECT_EQ(IoErr(), ERROR_NO_MORE_ENTRIES);
            break;
        }
    }
    EXPECT_EQ(total, 46u);

    hosted::SetDosFault(hosted::DosCall::ExAll, 2, ERROR_READ_PROTECTED);
    control->eac_LastKey = 0;
    EXPECT_TRUE(ExAll(lock, buffer.Data(), buffer.size, ED_NAME, control));
    EXPECT_FALSE(ExAll(lock, buffer.Data(), buffer.size, ED_NAME, control));
    EXPECT_EQ(IoErr(), ERROR_READ_PROTECTED);
    hosted::ClearDosFaults();
    ExAllEnd(lock, buffer.Data(), buffer.size, ED_NAME, control);
    FreeDosObject(DOS_EXALLCONTROL, control);
    UnLock(file);
    UnLock(lock);
}

}  // namespace
