// CreateNewProc: new processes run their entry with the system's defaults, are found by name, and
// give back what they own when they end or are removed while parked in Wait(0).
#include "dos_test_support.h"

#include <dos/dostags.h>
#include <hosted/dos.h>
#include <hosted/task.h>
#include <proto/exec.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace {

using dostest::DosTest;
using dostest::WaitUntil;

// What the entries below saw, for the test to check after they ran.
struct Seen {
    std::atomic<bool> done{false};
    std::atomic<bool> parked{false};
    std::string arguments;
    std::string name;
    std::string commandName;
    LONG sameDir = -1;
    LONG sameHome = -1;
    BPTR input = 0;
    BPTR output = 0;
    LONG readFromInput = -2;
    LONG writeToOutput = -2;
    BPTR creatorDir = 0;
    BPTR creatorHome = 0;
    BYTE priority = 0;
};
Seen gSeen;

LONG LookAroundEntry(void)
{
    struct Process *self = reinterpret_cast<struct Process *>(FindTask(nullptr));
    gSeen.arguments = GetArgStr();
    gSeen.name = self->pr_Task.tc_Node.ln_Name;
    gSeen.priority = self->pr_Task.tc_Node.ln_Pri;
    if (self->pr_CLI != 0) {
        auto *cli = static_cast<struct CommandLineInterface *>(BADDR(self->pr_CLI));
        auto *bstr = static_cast<const UBYTE *>(BADDR(cli->cli_CommandName));
        gSeen.commandName.assign(reinterpret_cast<const char *>(bstr + 1), bstr[0]);
    }
    gSeen.sameDir = SameLock(self->pr_CurrentDir, gSeen.creatorDir);
    gSeen.sameHome = SameLock(GetProgramDir(), gSeen.creatorHome);
    gSeen.input = Input();
    gSeen.output = Output();
    char byte;
    gSeen.readFromInput = Read(Input(), &byte, 1);
    gSeen.writeToOutput = Write(Output(), "x", 1);
    gSeen.done = true;
    return 0;
}

LONG WriteAndParkEntry(void)
{
    Write(Output(), "before parking", 14);
    Flush(Output());
    gSeen.parked = true;
    Wait(0);
    return 0;
}

void ResetSeen()
{
    gSeen.done = false;
    gSeen.parked = false;
    gSeen.arguments.clear();
    gSeen.name.clear();
    gSeen.commandName.clear();
    gSeen.sameDir = -1;
    gSeen.sameHome = -1;
    gSeen.readFromInput = -2;
    gSeen.writeToOutput = -2;
}

TEST_F(DosTest, NewProcessRunsItsEntryWithTheSystemsDefaults)
{
    ResetSeen();
    gSeen.creatorDir = reinterpret_cast<struct Process *>(FindTask(nullptr))->pr_CurrentDir;
    gSeen.creatorHome = GetProgramDir();
    ASSERT_NE(gSeen.creatorHome, 0);
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(LookAroundEntry)},
                             {NP_Name, reinterpret_cast<IPTR>("kv process test")},
                             {NP_Arguments, reinterpret_cast<IPTR>("one \"two\"\n")},
                             {NP_Cli, TRUE},
                             {NP_CommandName, reinterpret_cast<IPTR>("Double Kestrovane 1")},
                             {NP_Priority, 3},
                             {0x80000455, 16384},   // a tag of another system: ignored
                             {TAG_DONE, 0}};
    ASSERT_NE(CreateNewProc(tags), nullptr);
    ASSERT_TRUE(WaitUntil([] { return gSeen.done.load(); }));
    EXPECT_EQ(gSeen.arguments, "one \"two\"\n");
    EXPECT_EQ(gSeen.name, "kv process test");
    EXPECT_EQ(gSeen.commandName, "Double Kestrovane 1");
    EXPECT_EQ(gSeen.priority, 3);
    EXPECT_EQ(gSeen.sameDir, LOCK_SAME);
    EXPECT_EQ(gSeen.sameHome, LOCK_SAME);
    // Input and output default to "NIL:": nothing to read, writes vanish,
    // and neither is the creator's.
    EXPECT_NE(gSeen.input, Input());
    EXPECT_NE(gSeen.output, Output());
    EXPECT_EQ(gSeen.readFromInput, 0);
    EXPECT_EQ(gSeen.writeToOutput, 1);
    EXPECT_TRUE(WaitUntil([] { return FindTask("kv process test") == nullptr; }));
}

TEST_F(DosTest, ParkedProcessIsFoundByNameAndRemovingItReleasesWhatItOwns)
{
    ResetSeen();
    dostest::WriteHostFile(Host("input"), "in");
    BPTR drawer = CreateDir("drawer");
    ASSERT_NE(drawer, 0);
    BPTR home = CreateDir("home");
    ASSERT_NE(home, 0);
    BPTR input = Open("input", MODE_OLDFILE);
    BPTR output = Open("output", MODE_NEWFILE);
    BPTR kept = Open("kept", MODE_NEWFILE);
    ASSERT_NE(input, 0);
    ASSERT_NE(output, 0);
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(WriteAndParkEntry)},
                             {NP_Name, reinterpret_cast<IPTR>("kv parked process")},
                             {NP_Input, static_cast<IPTR>(input)},
                             {NP_Output, static_cast<IPTR>(output)},
                             {NP_Error, static_cast<IPTR>(kept)},
                             {NP_CurrentDir, static_cast<IPTR>(drawer)},
                             {NP_HomeDir, static_cast<IPTR>(home)},
                             {TAG_DONE, 0}};
    struct Process *process = CreateNewProc(tags);
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(WaitUntil([] { return gSeen.parked.load(); }));
    EXPECT_EQ(FindTask("kv parked process"), &process->pr_Task);
    EXPECT_EQ(Lock("output", EXCLUSIVE_LOCK), 0);   // held by the process

    RemTask(&process->pr_Task);
    ASSERT_TRUE(WaitUntil([] { return FindTask("kv parked process") == nullptr; }));
    // Input, output, current and home directory were the process's and are
    // released; the error stream (NP_CloseError defaults to FALSE) is not.
    for (const char *name : {"input", "output", "drawer", "home"}) {
        BPTR exclusive = Lock(name, EXCLUSIVE_LOCK);
        EXPECT_NE(exclusive, 0) << name;
        UnLock(exclusive);
    }
    EXPECT_EQ(dostest::ReadHostFile(Host("output")), "before parking");
    EXPECT_EQ(Lock("kept", EXCLUSIVE_LOCK), 0);
    EXPECT_TRUE(Close(kept));
}

TEST_F(DosTest, StreamsGivenWithCloseFalseStayWithTheCreator)
{
    ResetSeen();
    BPTR output = Open("shared", MODE_NEWFILE);
    gSeen.creatorDir = reinterpret_cast<struct Process *>(FindTask(nullptr))->pr_CurrentDir;
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(LookAroundEntry)},
                             {NP_Name, reinterpret_cast<IPTR>("kv borrowing process")},
                             {NP_Output, static_cast<IPTR>(output)},
                             {NP_CloseOutput, FALSE},
                             {NP_CopyVars, FALSE},
                             {TAG_DONE, 0}};
    ASSERT_NE(CreateNewProc(tags), nullptr);
    ASSERT_TRUE(WaitUntil([] { return gSeen.done.load(); }));
    ASSERT_TRUE(WaitUntil([] { return FindTask("kv borrowing process") == nullptr; }));
    EXPECT_EQ(gSeen.output, output);
    EXPECT_EQ(Write(output, "y", 1), 1);   // still open and ours
    EXPECT_TRUE(Close(output));
    EXPECT_EQ(dostest::ReadHostFile(Host("shared")), "xy");
}

TEST_F(DosTest, CreateNewProcFailsCleanly)
{
    struct TagItem none[] = {{NP_Name, reinterpret_cast<IPTR>("no entry")}, {TAG_DONE, 0}};
    EXPECT_EQ(CreateNewProc(none), nullptr);
    EXPECT_EQ(IoErr(), ERROR_REQUIRED_ARG_MISSING);
    struct TagItem seglist[] = {{NP_Seglist, 0x1000}, {TAG_DONE, 0}};
    EXPECT_EQ(CreateNewProc(seglist), nullptr);
    EXPECT_EQ(IoErr(), ERROR_NOT_IMPLEMENTED);

    // Out of memory half-way: what the caller passed stays the caller's.
    BPTR output = Open("mine", MODE_NEWFILE);
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(LookAroundEntry)},
                             {NP_Output, static_cast<IPTR>(output)},
                             {TAG_DONE, 0}};
    hosted::SetAllocFailure(0, 1);
    EXPECT_EQ(CreateNewProc(tags), nullptr);
    EXPECT_EQ(IoErr(), ERROR_NO_FREE_STORE);
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(Write(output, "z", 1), 1);
    EXPECT_TRUE(Close(output));
}

}  // namespace

namespace {

LONG ParkForeverEntry(void)
{
    Wait(0);
    return 0;
}

std::string RegistryDirectory()
{
    return hosted::KestrovaneHome() + "/tasks";
}

// The names in the registry's entries, as other programs read them.
std::vector<std::string> PublishedNames()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(RegistryDirectory(), error))
        if (entry.path().filename().string()[0] != '.')
            names.push_back(dostest::ReadHostFile(entry.path().string()));
    return names;
}

}  // namespace

// Another program's named process is found while that program holds its
// entry, and drops out by itself when the program ends, however it ends.
TEST_F(DosTest, NamedProcessesOfOtherProgramsAreFoundWhileTheyLive)
{
    (void)FindTask("kv nothing by this name");   // the registry exists once dos has looked into it
    std::string entry = RegistryDirectory() + "/" + std::to_string(getpid() + 100000) + ".0";
    dostest::WriteHostFile(entry, "kv other program");
    int held = open(entry.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    struct Task *other = FindTask("kv other program");
    ASSERT_NE(other, nullptr);
    EXPECT_STREQ(other->tc_Node.ln_Name, "kv other program");
    EXPECT_EQ(FindTask("kv other program"), other);
    RemTask(other);   // not ours to end: nothing happens
    EXPECT_EQ(FindTask("kv other program"), other);
    EXPECT_EQ(FindTask("kv no such program"), nullptr);

    close(held);   // the program has died
    EXPECT_EQ(FindTask("kv other program"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(entry));
}

// A process started with a name is published with that name for as long as
// it lives; removing it from Wait(0) returns once it is gone. The MorphOS
// tags of the code type and the PowerPC stack are accepted.
TEST_F(DosTest, NamedProcessIsPublishedUntilRemoved)
{
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(ParkForeverEntry)},
                             {NP_Name, reinterpret_cast<IPTR>("kv published")},
                             {NP_CommandName, reinterpret_cast<IPTR>("kv published")},
                             {NP_Cli, TRUE},
                             {NP_PPCStackSize, 16384},
                             {NP_CodeType, CODETYPE_PPC},
                             {TAG_DONE, 0}};
    struct Process *process = CreateNewProc(tags);
    ASSERT_NE(process, nullptr);
    auto names = PublishedNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "kv published"), names.end());
    ASSERT_TRUE(WaitUntil([&] { return process->pr_Task.tc_State == TS_WAIT; }));

    RemTask(&process->pr_Task);
    EXPECT_EQ(FindTask("kv published"), nullptr);
    names = PublishedNames();
    EXPECT_EQ(std::find(names.begin(), names.end(), "kv published"), names.end());
}
