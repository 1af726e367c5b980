// Running a small probe program on the headless display under an automation script, for the requesters' tests.
#include "probe_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace reqtest {

namespace {

std::string ReadText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Expand(std::string text, const std::string &dir)
{
    for (std::size_t at = text.find("@/"); at != std::string::npos; at = text.find("@/", at + dir.size() + 1))
        text.replace(at, 2, dir + "/");
    return text;
}

}  // namespace

ProbeWorld::ProbeWorld()
{
    char pattern[] = "/tmp/kv-requesters-XXXXXX";
    const char *made = mkdtemp(pattern);
    dir_ = made != nullptr ? made : "/tmp";
}

ProbeWorld::~ProbeWorld()
{
    if (dir_.size() > 5 && dir_ != "/tmp")
        std::system(("rm -rf '" + dir_ + "'").c_str());
}

ProbeResult ProbeWorld::Run(const std::string &program, const std::vector<std::string> &arguments,
                            const std::string &script, const std::vector<std::string> &environment) const
{
    std::ofstream(Path("script"), std::ios::binary | std::ios::trunc) << Expand(script, dir_);
    std::vector<std::string> env;
    for (char **e = environ; *e != nullptr; e++) {
        std::string entry = *e;
        if (entry.rfind("KESTROVANE_", 0) != 0 && entry.rfind("DISPLAY=", 0) != 0 &&
            entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("KESTROVANE_HOME=" + dir_);
    env.push_back("KESTROVANE_FONT=test");
    env.push_back("KESTROVANE_SCREEN=1024x768");
    env.push_back("KESTROVANE_DISPLAY=headless");
    env.push_back("KESTROVANE_SCRIPT=" + Path("script"));
    for (const std::string &e : environment)
        env.push_back(Expand(e, dir_));
    std::vector<char *> envp;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{program};
    for (const std::string &a : arguments)
        args.push_back(Expand(a, dir_));
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = Path("stdout");
    const std::string err = Path("stderr");
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    ProbeResult result;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << program;
    if (spawned != 0)
        return result;
    // A script that hangs must not hang the tests.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            ADD_FAILURE() << program << " did not end";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = ReadText(out);
    result.errors = ReadText(err);
    return result;
}

e2e::Json ProbeWorld::Dump(const std::string &name) const
{
    std::string error;
    e2e::Json json = e2e::ParseJson(ReadText(Path(name)), &error);
    EXPECT_TRUE(error.empty()) << name << ": " << error;
    return json;
}

const e2e::Json &WindowOf(const e2e::Json &dump, const std::string &title)
{
    static const e2e::Json none;
    for (const e2e::Json &screen : dump["screens"].array) {
        for (const e2e::Json &window : screen["windows"].array) {
            if (window["title"].string == title)
                return window;
        }
    }
    return none;
}

std::vector<std::string> Labels(const e2e::Json &window)
{
    std::vector<std::string> labels;
    for (const e2e::Json &gadget : window["gadgets"].array)
        labels.push_back(gadget["label"].string);
    return labels;
}

const e2e::Json &GadgetOf(const e2e::Json &window, const std::string &label)
{
    static const e2e::Json none;
    for (const e2e::Json &gadget : window["gadgets"].array) {
        if (gadget["label"].string == label)
            return gadget;
    }
    return none;
}

std::vector<std::string> TextLines(const e2e::Json &window)
{
    std::vector<std::string> lines;
    for (const e2e::Json &line : window["text"].array)
        lines.push_back(line.string);
    return lines;
}

}  // namespace reqtest
