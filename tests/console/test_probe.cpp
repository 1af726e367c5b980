// Console windows end to end: ConsoleProbe run on the headless display, driven by automation scripts, checked through its dumps.
#include "support/dump.h"
#include "support/host_files.h"
#include "support/script_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using kvtest::Json;
using Lines = std::vector<std::string>;

struct Outcome {
    int status = -1;
    std::string errors;
};

class Probe : public ::testing::Test {
protected:
    kvtest::TempDir work{"kv-console-probe"};
    std::string dir;

    void SetUp() override
    {
        ASSERT_FALSE(work.Path().empty());
        dir = work.Path();
    }

    std::string Path(const std::string &name) const { return dir + "/" + name; }

    // The environment of a run: this one without the display's and the
    // platform's variables, then the headless display, the test font, a
    // home of its own and `extra`.
    std::vector<std::string> Environment(const std::vector<std::string> &extra) const
    {
        std::vector<std::string> env = kvtest::TestEnvironment(dir);
        kvtest::SetVariable(env, "KESTROVANE_DISPLAY=headless");
        for (const std::string &e : extra)
            kvtest::SetVariable(env, e);
        return env;
    }

    // Runs the probe with a script, in a session of its own: it has no
    // terminal, as when started from a desktop.
    Outcome Run(const std::vector<std::string> &arguments, const std::string &script)
    {
        kvtest::WriteHostFile(Path("script"), script);
        kvtest::ProgramRun run;
        run.program = KV_CONSOLE_PROBE;
        run.arguments = arguments;
        run.environment = Environment({"KESTROVANE_SCRIPT=" + Path("script")});
        run.input = "/dev/null";
        run.output = "/dev/null";
        run.errors = Path("stderr");
        run.newSession = true;
        kvtest::RunResult done = kvtest::RunProgram(run);
        EXPECT_TRUE(done.started);
        if (done.timedOut)
            ADD_FAILURE() << "the probe did not end";
        return Outcome{done.status, done.errors};
    }

    // Waits for a child, killing it when it hangs.
    static int Finish(pid_t pid)
    {
        bool late = false;
        int status = kvtest::WaitForChild(pid, 60, &late);
        if (late)
            ADD_FAILURE() << "the probe did not end";
        return status;
    }

    Json Dump(const std::string &name) const { return kvtest::ReadDump(Path(name)); }
};

// The window of a dump with this title, or null.
const Json *Window(const Json &dump, const std::string &title)
{
    return kvtest::DumpWindow(dump, title);
}

Lines Text(const Json &window)
{
    return kvtest::DumpText(window);
}

TEST_F(Probe, TheErrorConsoleStaysUntilThePersonClosesIt)
{
    Outcome run = Run({"error-console", "100"},
                      "expect-window \"Kestrovane error message\"\n"
                      "dump " + Path("during.json") + "\n"
                      "sleep 2500\n"
                      "dump " + Path("after.json") + "\n"
                      "close \"Kestrovane error message\"\n"
                      "expect-no-window \"Kestrovane error message\"\n"
                      "dump " + Path("closed.json") + "\n");
    EXPECT_EQ(run.status, 0) << run.errors;

    Json during = Dump("during.json");
    const Json *w = Window(during, "Kestrovane error message");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ((*w)["left"].Int(), 64);
    EXPECT_EQ((*w)["top"].Int(), 64);
    EXPECT_EQ((*w)["width"].Int(), 475);
    EXPECT_EQ((*w)["height"].Int(), 128);
    EXPECT_EQ(Text(*w), (Lines{"To little memory for Kestrovane to start"}));
    // After the two seconds the program closed the console and ended; WAIT
    // keeps the window for the person.
    Json after = Dump("after.json");
    w = Window(after, "Kestrovane error message");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Text(*w), (Lines{"To little memory for Kestrovane to start"}));
    Json closed = Dump("closed.json");
    EXPECT_EQ(Window(closed, "Kestrovane error message"), nullptr);
}

TEST_F(Probe, HostCommandsWriteToAndReadFromAConsoleWindow)
{
    Outcome run = Run({"shell"},
                      "expect-window \"Probe shell\"\n"
                      "wait-idle\n"
                      "dump " + Path("asking.json") + "\n"
                      "type \"abc\"\n"
                      "key Return\n"
                      "expect-window \"Probe done\"\n"
                      "dump " + Path("done.json") + "\n"
                      "close \"Probe shell\"\n"
                      "expect-no-window \"Probe done\"\n");
    EXPECT_EQ(run.status, 0) << run.errors;

    Json asking = Dump("asking.json");
    const Json *w = Window(asking, "Probe shell");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Text(*w), (Lines{"hello", "type a line:"}));
    Json done = Dump("done.json");
    w = Window(done, "Probe shell");
    ASSERT_NE(w, nullptr);
    // The echo of the typing, then what head read and wrote back.
    EXPECT_EQ(Text(*w), (Lines{"hello", "type a line:", "abc", "abc"}));
    const Json *result = Window(done, "Probe done");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(Text(*result), (Lines{"echo 0, head 0"}));
}

TEST_F(Probe, ConsoleWithoutATerminalIsAWindow)
{
    Outcome run = Run({"console"},
                      "expect-window \"ConsoleProbe\"\n"
                      "dump " + Path("first.json") + "\n"
                      "type \"hi there\"\n"
                      "key Return\n"
                      "wait-idle\n"
                      "dump " + Path("answered.json") + "\n"
                      "close \"ConsoleProbe\"\n"
                      "expect-no-window \"ConsoleProbe\"\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    Json first = Dump("first.json");
    const Json *w = Window(first, "ConsoleProbe");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Text(*w), (Lines{"hello from the console"}));
    Json answered = Dump("answered.json");
    w = Window(answered, "ConsoleProbe");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Text(*w), (Lines{"hello from the console", "hi there", "you typed: hi there"}));
}

TEST_F(Probe, ConsoleWithATerminalIsTheTerminal)
{
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    std::string terminal = ptsname(master);
    std::vector<std::string> env = Environment({});
    std::vector<char *> envp;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = KV_CONSOLE_PROBE;
    std::string mode = "console";
    std::string report = Path("report");
    char *argv[] = {program.data(), mode.data(), report.data(), nullptr};
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // A session whose controlling terminal is the pseudo terminal.
        setsid();
        int slave = open(terminal.c_str(), O_RDWR);
        if (slave < 0)
            _exit(99);
        dup2(slave, 0);
        dup2(slave, 1);
        dup2(slave, 2);
        execve(program.c_str(), argv, envp.data());
        _exit(98);
    }
    std::string shown;
    std::thread listener([&] {
        char buffer[256];
        for (;;) {
            ssize_t got = read(master, buffer, sizeof buffer);
            if (got <= 0)
                break;
            shown.append(buffer, static_cast<std::size_t>(got));
        }
    });
    int status = Finish(pid);
    listener.join();   // the terminal's other side went with the probe
    close(master);
    EXPECT_EQ(status, 0);
    EXPECT_NE(shown.find("hello from the console"), std::string::npos) << shown;
    std::stringstream windows;
    windows << std::ifstream(report).rdbuf();
    EXPECT_EQ(windows.str(), "0\n");   // no console window was opened
}

}  // namespace
