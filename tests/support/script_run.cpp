// Running a built program as a child, usually on the headless display under an automation script: its status and what it wrote.
#include "script_run.h"

#include "host_files.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

extern char **environ;

namespace kvtest {

namespace {

bool Named(const std::string &entry, const std::string &name)
{
    return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 && entry[name.size()] == '=';
}

bool IsFile(const std::string &path)
{
    return !path.empty() && path != "/dev/null";
}

}  // namespace

std::vector<std::string> TestEnvironment(const std::string &home)
{
    std::vector<std::string> env;
    for (char **e = environ; *e != nullptr; e++) {
        std::string entry = *e;
        if (entry.rfind("KESTROVANE_", 0) != 0 && entry.rfind("DISPLAY=", 0) != 0 &&
            entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("KESTROVANE_HOME=" + home);
    env.push_back("KESTROVANE_FONT=test");
    env.push_back("KESTROVANE_SCREEN=1024x768");
    return env;
}

void SetVariable(std::vector<std::string> &environment, const std::string &entry)
{
    std::string name = entry.substr(0, entry.find('='));
    for (std::string &e : environment) {
        if (Named(e, name)) {
            e = entry;
            return;
        }
    }
    environment.push_back(entry);
}

void UnsetVariable(std::vector<std::string> &environment, const std::string &name)
{
    std::erase_if(environment, [&](const std::string &e) { return Named(e, name); });
}

RunResult RunProgram(const ProgramRun &run)
{
    std::vector<std::string> env = run.environment;
    std::vector<char *> envp;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{run.program};
    args.insert(args.end(), run.arguments.begin(), run.arguments.end());
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!run.directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, run.directory.c_str());
    if (!run.input.empty())
        posix_spawn_file_actions_addopen(&actions, 0, run.input.c_str(), O_RDONLY, 0);
    if (!run.output.empty())
        posix_spawn_file_actions_addopen(&actions, 1, run.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!run.errors.empty())
        posix_spawn_file_actions_addopen(&actions, 2, run.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (run.newSession)
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    RunResult result;
    result.started = posix_spawn(&pid, run.program.c_str(), &actions, &attributes, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (!result.started)
        return result;
    if (result.started && run.whileRunning)
        run.whileRunning(pid);
    result.status = WaitForChild(pid, run.seconds, &result.timedOut);
    if (IsFile(run.output))
        result.output = ReadHostFile(run.output);
    if (IsFile(run.errors))
        result.errors = ReadHostFile(run.errors);
    return result;
}

int WaitForChild(pid_t pid, long seconds, bool *timedOut)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    bool late = false;
    for (;;) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR) {
            status = -1;   // not our child, or gone already: no status to give
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            late = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (timedOut != nullptr)
        *timedOut = late;
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace kvtest
