// Console windows end to end: ConsoleProbe run on the headless display, driven by automation scripts, checked through its dumps.
#include "json.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using e2e::Json;
using Lines = std::vector<std::string>;

struct Outcome {
    int status = -1;
    std::string errors;
};

class Probe : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override
    {
        char pattern[] = "/tmp/kv-console-probe-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    std::string Path(const std::string &name) const { return dir + "/" + name; }

    // The environment of a run: this one without the display's and the
    // platform's variables, then the headless display, the test font, a
    // home of its own and `extra`.
    std::vector<std::string> Environment(const std::vector<std::string> &extra) const
    {
        std::vector<std::string> env;
        for (char **e = environ; *e != nullptr; e++) {
            std::string entry = *e;
            if (entry.rfind("KESTROVANE_", 0) != 0 && entry.rfind("DISPLAY=", 0) != 0 &&
                entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
                env.push_back(entry);
        }
        env.push_back("KESTROVANE_HOME=" + dir);
        env.push_back("KESTROVANE_FONT=test");
        env.push_back("KESTROVANE_SCREEN=1024x768");
        env.push_back("KESTROVANE_DISPLAY=headless");
        for (const std::string &e : extra)
            env.push_back(e);
        return env;
    }

    // Runs the probe with a script, in a session of its own: it has no
    // terminal, as when started from a desktop.
    Outcome Run(const std::vector<std::string> &arguments, const std::string &script)
    {
        std::ofstream(Path("script")) << script;
        std::vector<std::string> env = Environment({"KESTROVANE_SCRIPT=" + Path("script")});
        std::vector<char *> envp;
        for (std::string &e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = KV_CONSOLE_PROBE;
        std::vector<std::string> args = arguments;
        std::vector<char *> argv{program.data()};
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        std::string errors = Path("stderr");
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        pid_t pid = 0;
        Outcome run;
        EXPECT_EQ(posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        run.status = Finish(pid);
        std::stringstream text;
        text << std::ifstream(errors).rdbuf();
        run.errors = text.str();
        return run;
    }

    // Waits for a child, killing it when it hangs.
    static int Finish(pid_t pid)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                ADD_FAILURE() << "the probe did not end";
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    Json Dump(const std::string &name) const
    {
        std::stringstream text;
        text << std::ifstream(Path(name)).rdbuf();
        std::string error;
        Json json = e2e::ParseJson(text.str(), &error);
        EXPECT_TRUE(error.empty()) << error << "\n" << text.str();
        return json;
    }
};

// The window of a dump with this title, or null.
const Json *Window(const Json &dump, const std::string &title)
{
    for (const Json &screen : dump["screens"].array) {
        for (const Json &window : screen["windows"].array) {
            if (window["title"].string == title)
                return &window;
        }
    }
    return nullptr;
}

Lines Text(const Json &window)
{
    Lines lines;
    for (const Json &line : window["text"].array)
        lines.push_back(line.string);
    return lines;
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
