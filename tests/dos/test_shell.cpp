// SystemTagList: return codes, words and volume paths reaching host programs, built-in commands,
// streams without descriptors, background commands that own their streams, and the idle rule.
#include "dos_test_support.h"

#include <hosted/console.h>
#include <hosted/shell.h>
#include <hosted/task.h>
#include <proto/exec.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using dostest::DosTest;
using dostest::WaitUntil;

// A console window as the shell sees one: no host descriptor, writes kept,
// reads served from what the test "types".
struct FakeConsoleState {
    std::mutex lock;
    std::condition_variable typed;
    std::string written;
    std::string toRead;
    bool endOfInput = false;
    bool canWait = true;
    int closes = 0;
    std::atomic<ULONG> breaks{0};

    void Type(const std::string &text, bool end)
    {
        std::lock_guard<std::mutex> guard(lock);
        toRead += text;
        endOfInput = end;
        typed.notify_all();
    }
    std::string Written()
    {
        std::lock_guard<std::mutex> guard(lock);
        return written;
    }
};

class FakeConsole : public hosted::ConsoleStream {
public:
    explicit FakeConsole(std::shared_ptr<FakeConsoleState> state) : state_(std::move(state)) {}

    LONG Read(void *buffer, LONG length, LONG &error) override
    {
        (void)error;
        std::lock_guard<std::mutex> guard(state_->lock);
        LONG count = std::min<LONG>(length, static_cast<LONG>(state_->toRead.size()));
        std::memcpy(buffer, state_->toRead.data(), static_cast<size_t>(count));
        state_->toRead.erase(0, static_cast<size_t>(count));
        return count;
    }
    LONG Write(const void *buffer, LONG length, LONG &error) override
    {
        (void)error;
        std::lock_guard<std::mutex> guard(state_->lock);
        state_->written.append(static_cast<const char *>(buffer), static_cast<size_t>(length));
        return length;
    }
    void Close() override
    {
        std::lock_guard<std::mutex> guard(state_->lock);
        state_->closes++;
    }
    bool Interactive() const override { return true; }
    ULONG Breaks() const override { return state_->breaks.load(); }
    int WaitForInput(LONG microseconds) override
    {
        std::unique_lock<std::mutex> guard(state_->lock);
        if (!state_->canWait)
            return -1;
        bool ready = state_->typed.wait_for(guard, std::chrono::microseconds(microseconds), [this] {
            return !state_->toRead.empty() || state_->endOfInput;
        });
        return ready ? 1 : 0;
    }

private:
    std::shared_ptr<FakeConsoleState> state_;
};

class Shell : public DosTest {
protected:
    void TearDown() override
    {
        hosted::SetConsoleFactory(nullptr);
        DosTest::TearDown();
    }

    // Runs a command synchronously with its output into a file of the test
    // volume; returns the result and leaves the output in `output`.
    LONG Run(const std::string &command, std::string &output)
    {
        BPTR input = Open("NIL:", MODE_OLDFILE);
        BPTR out = Open("shell-output", MODE_NEWFILE);
        EXPECT_NE(out, 0);
        struct TagItem tags[] = {{SYS_Input, static_cast<IPTR>(input)},
                                 {SYS_Output, static_cast<IPTR>(out)},
                                 {TAG_DONE, 0}};
        LONG result = SystemTagList(command.c_str(), tags);
        LONG error = IoErr();
        Close(out);
        Close(input);
        SetIoErr(error);
        output = dostest::ReadHostFile(Host("shell-output"));
        return result;
    }

    // Makes console windows fakes from now on and opens one.
    BPTR OpenFakeConsole(const std::shared_ptr<FakeConsoleState> &state)
    {
        hosted::SetConsoleFactory([state](const hosted::ConsoleSpec &, LONG &) {
            return std::unique_ptr<hosted::ConsoleStream>(new FakeConsole(state));
        });
        BPTR console = Open("CON:0/0/320/200/Fake", MODE_NEWFILE);
        EXPECT_NE(console, 0);
        EXPECT_LT(hosted::HostDescriptorOf(console), 0);
        return console;
    }

    void MakeScript(const std::string &name, const std::string &text, mode_t mode = 0755)
    {
        dostest::WriteHostFile(Host(name), text);
        chmod(Host(name).c_str(), mode);
    }
};

TEST_F(Shell, HostProgramsReturnTheirExitStatus)
{
    std::string output;
    EXPECT_EQ(Run("true", output), 0);
    EXPECT_EQ(Run("false", output), 1);
    EXPECT_EQ(Run("sh -c \"exit 7\"", output), 7);
    EXPECT_EQ(Run("sh -c \"kill -9 $$\"", output), RETURN_FAIL);
}

TEST_F(Shell, MissingCommandSaysUnknownCommandAndReturnsError)
{
    std::string output;
    EXPECT_EQ(Run("kv-no-such-command with arguments", output), RETURN_ERROR);
    EXPECT_EQ(output, "kv-no-such-command: Unknown command\n");
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);

    MakeScript("plain", "#!/bin/sh\necho never\n", 0644);
    EXPECT_EQ(Run("plain", output), RETURN_ERROR);
    char expected[120];
    Fault(ERROR_FILE_NOT_OBJECT, "plain", expected, sizeof expected);
    EXPECT_EQ(output, std::string(expected) + "\n");
}

TEST_F(Shell, CommandsThatCannotStartGiveMinusOne)
{
    std::string output;
    EXPECT_EQ(SystemTagList(nullptr, nullptr), -1);
    EXPECT_EQ(IoErr(), ERROR_REQUIRED_ARG_MISSING);
    EXPECT_EQ(Run("echo \"never closed", output), -1);
    EXPECT_EQ(IoErr(), ERROR_UNMATCHED_QUOTES);
    EXPECT_EQ(output, "");
    // The host refuses a single argument this long.
    EXPECT_EQ(Run("echo " + std::string(300000, 'x'), output), -1);
    EXPECT_NE(IoErr(), 0);
    EXPECT_EQ(output, "");
}

TEST_F(Shell, EachWordIsOneArgumentAndNothingIsInterpreted)
{
    std::string output;
    EXPECT_EQ(Run("printf [%s] \"a b\" c \"say *\"hi*\"\" \"$HOME\" \"`echo x`\" \"a|b\" * \"**\"", output), 0);
    EXPECT_EQ(output, "[a b][c][say \"hi\"][$HOME][`echo x`][a|b][*][*]");
}

TEST_F(Shell, WordsReachHostProgramsInUtf8)
{
    dostest::WriteHostFile(Host("Caf\xC3\xA9"), "x");
    std::string output;
    EXPECT_EQ(Run("printf [%s] Caf\xE9 Test:Caf\xE9", output), 0);
    EXPECT_EQ(output, "[Caf\xC3\xA9][" + Host("Caf\xC3\xA9") + "]");
}

TEST_F(Shell, VolumePathsReachHostProgramsAsHostPaths)
{
    std::string ram;
    ASSERT_TRUE(hosted::ResolvePath("RAM:z", ram));
    std::string output;
    EXPECT_EQ(Run("printf [%s] Test:sub/file \"Test:My Drawer/x\" test:y RAM:z Test:sub/ plain user@host:z "
                  "http://x/y :0",
                  output),
              0);
    EXPECT_EQ(output, "[" + Host("sub/file") + "][" + Host("My Drawer/x") + "][" + Host("y") + "][" + ram + "][" +
                          Host("sub") + "/][plain][user@host:z][http://x/y][:0]");
}

TEST_F(Shell, ProgramsRunInTheCallersCurrentDirectory)
{
    std::string output;
    EXPECT_EQ(Run("pwd", output), 0);
    EXPECT_EQ(output, Host() + "\n");
    EXPECT_EQ(Run("printenv PWD", output), 0);
    EXPECT_EQ(output, Host() + "\n");

    BPTR sub = CreateDir("sub");
    ASSERT_NE(sub, 0);
    BPTR old = CurrentDir(sub);
    EXPECT_EQ(Run("pwd", output), 0);
    CurrentDir(old);
    UnLock(sub);
    EXPECT_EQ(dostest::ReadHostFile(Host("sub/shell-output")), Host("sub") + "\n");
}

TEST_F(Shell, CurrentDirectoryIsSearchedBeforeThePath)
{
    MakeScript("hello", "#!/bin/sh\necho from-drawer \"$@\"\n");
    mkdir(Host("bin").c_str(), 0755);
    MakeScript("bin/tool", "#!/bin/sh\necho tool \"$1\"\n");
    std::string output;
    EXPECT_EQ(Run("hello x", output), 0);
    EXPECT_EQ(output, "from-drawer x\n");
    EXPECT_EQ(Run("Test:hello y", output), 0);
    EXPECT_EQ(output, "from-drawer y\n");
    EXPECT_EQ(Run("bin/tool \"two words\"", output), 0);
    EXPECT_EQ(output, "tool two words\n");
    EXPECT_EQ(Run("sh -c \"echo $0\"", output), 0);
    EXPECT_EQ(output, "sh\n");
}

TEST_F(Shell, BuiltInCommandsRunInThePlatformWithTheirStreams)
{
    std::string seen;
    BPTR seenInput = 0;
    BPTR seenOutput = 0;
    bool selected = false;
    hosted::RegisterCommand("KvTestEcho", [&](CONST_STRPTR arguments, BPTR input, BPTR output) {
        seen = arguments;
        seenInput = input;
        seenOutput = output;
        selected = Input() == input && Output() == output;
        std::string text = std::string("built-in: ") + arguments;
        Write(output, text.data(), static_cast<LONG>(text.size()));
        return static_cast<LONG>(3);
    });
    BPTR before = Output();
    std::string output;
    EXPECT_EQ(Run("kvtestECHO  \"a b\"  c ; a comment", output), 3);
    EXPECT_EQ(seen, "\"a b\"  c");
    EXPECT_EQ(output, "built-in: \"a b\"  c");
    EXPECT_TRUE(selected);
    EXPECT_NE(seenInput, 0);
    EXPECT_NE(seenOutput, 0);
    EXPECT_EQ(Output(), before);

    EXPECT_EQ(Run("KvTestEcho >redirected x", output), 3);
    EXPECT_EQ(output, "");
    EXPECT_EQ(dostest::ReadHostFile(Host("redirected")), "built-in: x");
    EXPECT_EQ(Run("KvTestEcho >>redirected y", output), 3);
    EXPECT_EQ(dostest::ReadHostFile(Host("redirected")), "built-in: xbuilt-in: y");

    hosted::RegisterCommand("KvTestEcho", nullptr);
    EXPECT_EQ(Run("KvTestEcho", output), RETURN_ERROR);
    EXPECT_EQ(output, "KvTestEcho: Unknown command\n");
}

TEST_F(Shell, RedirectionsWorkForHostProgramsToo)
{
    dostest::WriteHostFile(Host("in"), "from a file\n");
    std::string output;
    EXPECT_EQ(Run("cat <Test:in >out", output), 0);
    EXPECT_EQ(dostest::ReadHostFile(Host("out")), "from a file\n");
    EXPECT_EQ(Run("cat <missing", output), RETURN_FAIL);
    EXPECT_EQ(output, "Unable to open redirection file\n");
}

TEST_F(Shell, LinesRunInTurnUntilOneFails)
{
    std::string output;
    EXPECT_EQ(Run("echo one\n\necho two", output), 0);
    EXPECT_EQ(output, "one\ntwo\n");
    EXPECT_EQ(Run("echo one\nsh -c \"exit 10\"\necho never", output), 10);
    EXPECT_EQ(output, "one\n");
    EXPECT_EQ(Run("  ; nothing but a comment", output), 0);
    EXPECT_EQ(output, "");
}

TEST_F(Shell, OutputToAStreamWithoutDescriptorArrivesThroughThePump)
{
    auto state = std::make_shared<FakeConsoleState>();
    BPTR console = OpenFakeConsole(state);
    BPTR nil = Open("NIL:", MODE_OLDFILE);
    struct TagItem toConsole[] = {{SYS_Input, static_cast<IPTR>(nil)},
                                  {SYS_Output, static_cast<IPTR>(console)},
                                  {TAG_DONE, 0}};
    EXPECT_EQ(SystemTagList("printf \"through the pump\"", toConsole), 0);
    EXPECT_EQ(state->Written(), "through the pump");
    EXPECT_EQ(SystemTagList("head -c 200000 /dev/zero", toConsole), 0);
    EXPECT_EQ(state->Written().size(), 16u + 200000u);

    // The console as input with no output given: the command writes to it,
    // its errors too.
    {
        std::lock_guard<std::mutex> guard(state->lock);
        state->written.clear();
    }
    struct TagItem fromConsole[] = {{SYS_Input, static_cast<IPTR>(console)},
                                    {SYS_Output, 0},
                                    {0x80000026, 0},
                                    {TAG_DONE, 0}};
    EXPECT_EQ(SystemTagList("sh -c \"echo out; echo err >&2\"", fromConsole), 0);
    EXPECT_EQ(state->Written(), "out\nerr\n");
    Close(nil);
    Close(console);
}

TEST_F(Shell, CtrlCInTheConsoleInterruptsTheCommandAndAllItStarted)
{
    auto state = std::make_shared<FakeConsoleState>();
    BPTR console = OpenFakeConsole(state);
    BPTR nil = Open("NIL:", MODE_OLDFILE);
    struct TagItem tags[] = {{SYS_Input, static_cast<IPTR>(nil)},
                             {SYS_Output, static_cast<IPTR>(console)},
                             {TAG_DONE, 0}};
    // A Ctrl-C typed before the command starts is not for it.
    state->breaks++;
    // The sleep the command starts ends with it, long before its time.
    bool sleeperEnded = false;
    pid_t sleeper = 0;
    std::thread person([&] {
        WaitUntil([&] { return dostest::ReadHostFile(Host("sleeper")).find('\n') != std::string::npos; });
        sleeper = static_cast<pid_t>(std::atol(dostest::ReadHostFile(Host("sleeper")).c_str()));
        state->breaks++;
        sleeperEnded = sleeper > 0 && WaitUntil([&] { return kill(sleeper, 0) != 0; });
    });
    LONG result = SystemTagList("sh -c \"sh -c 'echo $$ > sleeper; exec sleep 60'; echo not interrupted\"", tags);
    LONG error = IoErr();
    person.join();
    EXPECT_EQ(result, RETURN_FAIL);
    EXPECT_EQ(error, ERROR_BREAK);
    EXPECT_EQ(state->Written(), "***Break\n");
    ASSERT_GT(sleeper, 0);
    EXPECT_TRUE(sleeperEnded);

    // Without a Ctrl-C the command runs to its end.
    EXPECT_EQ(SystemTagList("sh -c \"sleep 0.3; exit 3\"", tags), 3);
    Close(nil);
    Close(console);
}

TEST_F(Shell, TypedInputReachesTheCommand)
{
    auto state = std::make_shared<FakeConsoleState>();
    BPTR console = OpenFakeConsole(state);
    struct TagItem tags[] = {{SYS_Input, static_cast<IPTR>(console)}, {SYS_Output, 0}, {TAG_DONE, 0}};
    std::thread person([&state] { state->Type("typed line\n", true); });
    EXPECT_EQ(SystemTagList("cat", tags), 0);
    person.join();
    EXPECT_EQ(state->Written(), "typed line\n");

    // A console that cannot tell whether input waits gives an empty input
    // rather than a read that could outlive the command.
    {
        std::lock_guard<std::mutex> guard(state->lock);
        state->written.clear();
        state->canWait = false;
        state->toRead = "never read\n";
    }
    EXPECT_EQ(SystemTagList("cat", tags), 0);
    EXPECT_EQ(state->Written(), "");
    Close(console);
}

TEST_F(Shell, BackgroundCommandOwnsAndClosesItsStreams)
{
    dostest::WriteHostFile(Host("in.txt"), "payload\n");
    BPTR callerInput = Input();
    BPTR callerOutput = Output();
    BPTR in = Open("in.txt", MODE_OLDFILE);
    BPTR out = Open("out.txt", MODE_NEWFILE);
    ASSERT_NE(in, 0);
    ASSERT_NE(out, 0);
    struct TagItem tags[] = {{SYS_Input, static_cast<IPTR>(in)},
                             {SYS_Output, static_cast<IPTR>(out)},
                             {SYS_Asynch, TRUE},
                             {NP_StackSize, 16384},
                             {TAG_DONE, 0}};
    EXPECT_EQ(SystemTagList("cat", tags), 0);
    ASSERT_TRUE(WaitUntil([] { return hosted::RunningBackgroundCommands() == 0; }));

    // Both handles were closed by the command: nothing holds the files now.
    BPTR exclusive = Lock("out.txt", EXCLUSIVE_LOCK);
    EXPECT_NE(exclusive, 0);
    UnLock(exclusive);
    exclusive = Lock("in.txt", EXCLUSIVE_LOCK);
    EXPECT_NE(exclusive, 0);
    UnLock(exclusive);
    EXPECT_EQ(dostest::ReadHostFile(Host("out.txt")), "payload\n");
    BPTR again = Open("in.txt", MODE_OLDFILE);
    char buffer[32] = {};
    EXPECT_EQ(Read(again, buffer, sizeof buffer), 8);
    EXPECT_STREQ(buffer, "payload\n");
    Close(again);
    EXPECT_EQ(Input(), callerInput);
    EXPECT_EQ(Output(), callerOutput);
}

TEST_F(Shell, BackgroundCommandReturnsAtOnceAndClosesASharedConsoleOnce)
{
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
    BPTR in = hosted::FileHandleFromDescriptor(ends[0], true, false);
    BPTR out = Open("late.txt", MODE_NEWFILE);
    struct TagItem tags[] = {{SYS_Input, static_cast<IPTR>(in)},
                             {SYS_Output, static_cast<IPTR>(out)},
                             {SYS_Asynch, TRUE},
                             {TAG_DONE, 0}};
    EXPECT_EQ(SystemTagList("cat", tags), 0);
    EXPECT_EQ(hosted::RunningBackgroundCommands(), 1);   // cat waits for our pipe
    EXPECT_EQ(write(ends[1], "late\n", 5), 5);
    close(ends[1]);
    ASSERT_TRUE(WaitUntil([] { return hosted::RunningBackgroundCommands() == 0; }));
    EXPECT_EQ(dostest::ReadHostFile(Host("late.txt")), "late\n");

    auto state = std::make_shared<FakeConsoleState>();
    BPTR console = OpenFakeConsole(state);
    struct TagItem onConsole[] = {{SYS_Input, static_cast<IPTR>(console)},
                                  {SYS_Output, 0},
                                  {SYS_Asynch, TRUE},
                                  {TAG_DONE, 0}};
    EXPECT_EQ(SystemTagList("echo in the background", onConsole), 0);
    ASSERT_TRUE(WaitUntil([] { return hosted::RunningBackgroundCommands() == 0; }));
    EXPECT_EQ(state->Written(), "in the background\n");
    std::lock_guard<std::mutex> guard(state->lock);
    EXPECT_EQ(state->closes, 1);
}

TEST_F(Shell, BackgroundCommandThatCannotStartLeavesTheStreamsToTheCaller)
{
    BPTR out = Open("kept.txt", MODE_NEWFILE);
    struct TagItem tags[] = {{SYS_Output, static_cast<IPTR>(out)}, {SYS_Asynch, TRUE}, {TAG_DONE, 0}};
    hosted::SetAllocFailure(0, 1);
    EXPECT_EQ(SystemTagList("true", tags), -1);
    EXPECT_EQ(IoErr(), ERROR_NO_FREE_STORE);
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(Lock("kept.txt", EXCLUSIVE_LOCK), 0);   // still open: ours
    EXPECT_EQ(Write(out, "still ours", 10), 10);
    EXPECT_TRUE(Close(out));
    EXPECT_EQ(dostest::ReadHostFile(Host("kept.txt")), "still ours");
}

// The process of the idle-rule test runs one synchronous command.
BPTR gIdleInput = 0;
BPTR gIdleOutput = 0;
std::atomic<LONG> gIdleResult{-2};

LONG RunCatEntry(void)
{
    struct TagItem tags[] = {{SYS_Input, static_cast<IPTR>(gIdleInput)},
                             {SYS_Output, static_cast<IPTR>(gIdleOutput)},
                             {TAG_DONE, 0}};
    gIdleResult = SystemTagList("cat", tags);
    return 0;
}

// Reads a task's idle-rule counters while it is known to be alive.
void Counters(struct Process *process, int &busy, int &hostWait)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    busy = hosted::ToHost(&process->pr_Task)->busyHolds;
    hostWait = hosted::ToHost(&process->pr_Task)->hostBlocked;
}

TEST_F(Shell, WaitingForACommandIsBusyUnlessAPersonMayBeTyping)
{
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
    gIdleInput = hosted::FileHandleFromDescriptor(ends[0], true, false);
    gIdleOutput = Open("idle.txt", MODE_NEWFILE);
    gIdleResult = -2;
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(RunCatEntry)},
                             {NP_Name, reinterpret_cast<IPTR>("kv idle test")},
                             {TAG_DONE, 0}};
    struct Process *process = CreateNewProc(tags);
    ASSERT_NE(process, nullptr);
    int busy = 0;
    int hostWait = 0;
    // cat cannot end before the pipe closes, so the process stays alive.
    EXPECT_TRUE(WaitUntil([&] {
        Counters(process, busy, hostWait);
        return busy > 0;
    }));
    EXPECT_EQ(hostWait, 0);
    close(ends[1]);
    ASSERT_TRUE(WaitUntil([] { return gIdleResult != -2; }));
    EXPECT_EQ(gIdleResult, 0);
    Close(gIdleInput);
    Close(gIdleOutput);

    auto state = std::make_shared<FakeConsoleState>();
    gIdleInput = OpenFakeConsole(state);
    gIdleOutput = 0;
    gIdleResult = -2;
    process = CreateNewProc(tags);
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(WaitUntil([&] {
        Counters(process, busy, hostWait);
        return hostWait > 0;
    }));
    EXPECT_EQ(busy, 0);
    state->Type("bye\n", true);
    ASSERT_TRUE(WaitUntil([] { return gIdleResult != -2; }));
    EXPECT_EQ(gIdleResult, 0);
    EXPECT_EQ(state->Written(), "bye\n");
    Close(gIdleInput);
}

}  // namespace
