// dos/shell_host.cpp: running host programs for the shell: finding them, wiring their streams, waiting for them.
#include "shell_pump.h"
#include "shell_private.h"

#include <hosted/dos.h>
#include <hosted/task.h>
#include <proto/dos.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

extern char **environ;

namespace hosted {

namespace {

// Descriptors the parent holds while it starts a command, closed on every
// way out.
class Descriptors {
public:
    Descriptors() = default;
    Descriptors(const Descriptors &) = delete;
    Descriptors &operator=(const Descriptors &) = delete;
    ~Descriptors()
    {
        for (int descriptor : held_)
            close(descriptor);
    }

    int Keep(int descriptor)
    {
        if (descriptor >= 0)
            held_.push_back(descriptor);
        return descriptor;
    }

    // Closes one now (the child's ends of pipes, once it has them).
    void Drop(int descriptor)
    {
        for (size_t i = 0; i < held_.size(); i++) {
            if (held_[i] == descriptor) {
                close(descriptor);
                held_.erase(held_.begin() + static_cast<long>(i));
                return;
            }
        }
    }

private:
    std::vector<int> held_;
};

bool IsRegularFile(const std::string &path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

enum class Lookup { Found, Missing, NotExecutable };

// Finds the program a command name stands for. A name with a "/" is a path
// (relative ones from the current directory); a plain name is looked for
// in the current directory first, as the shell does, then along the
// host's PATH. Only regular files that may be executed count.
Lookup FindProgram(const std::string &name, const std::string &directory, std::string &path)
{
    bool sawFile = false;
    auto consider = [&](const std::string &candidate) {
        if (!IsRegularFile(candidate))
            return false;
        if (access(candidate.c_str(), X_OK) != 0) {
            sawFile = true;
            return false;
        }
        path = candidate;
        return true;
    };
    if (name.empty())
        return Lookup::Missing;
    if (name.find('/') != std::string::npos) {
        if (consider(name[0] == '/' ? name : directory + "/" + name))
            return Lookup::Found;
        return sawFile ? Lookup::NotExecutable : Lookup::Missing;
    }
    if (consider(directory + "/" + name))
        return Lookup::Found;
    const char *variable = std::getenv("PATH");
    std::string search = variable != nullptr ? variable : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= search.size()) {
        size_t colon = search.find(':', start);
        std::string entry = search.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        start = colon == std::string::npos ? search.size() + 1 : colon + 1;
        if (consider((entry.empty() ? directory : entry) + "/" + name))
            return Lookup::Found;
    }
    return sawFile ? Lookup::NotExecutable : Lookup::Missing;
}

void WriteText(BPTR output, const std::string &text)
{
    if (output != 0)
        Write(output, text.data(), static_cast<LONG>(text.size()));
}

// Tells the output that a file cannot run, as the shell does ("name: file
// is not executable"), and fails the command.
LONG NotExecutable(const std::string &name, BPTR output)
{
    char text[160];
    Fault(ERROR_FILE_NOT_OBJECT, name.c_str(), text, sizeof text);
    WriteText(output, std::string(text) + "\n");
    SetIoErr(ERROR_FILE_NOT_OBJECT);
    return RETURN_ERROR;
}

// A copy of a descriptor above the standard three, so that wiring the
// child's 0, 1 and 2 can never overwrite a source still to be used.
int HighCopy(int descriptor)
{
    return fcntl(descriptor, F_DUPFD_CLOEXEC, 10);
}

int OpenNull()
{
    return open("/dev/null", O_RDWR | O_CLOEXEC);
}

// The host's environment with PWD naming the command's directory, as a
// host shell sets it for the programs it starts (some trust it over
// getcwd). `storage` keeps the changed entry alive.
std::vector<char *> EnvironmentFor(const std::string &directory, std::string &storage)
{
    std::vector<char *> entries;
    storage = "PWD=" + directory;
    for (char **entry = environ; entry != nullptr && *entry != nullptr; entry++) {
        if (std::strncmp(*entry, "PWD=", 4) != 0)
            entries.push_back(*entry);
    }
    entries.push_back(storage.data());
    entries.push_back(nullptr);
    return entries;
}

// The exit status of a finished child as a return code.
LONG ReturnCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return RETURN_FAIL;
}

// Ctrl-C typed into the consoles a command runs on interrupts it: the
// command's process group gets SIGINT, as from a host terminal.
class BreakWatch {
public:
    BreakWatch(std::vector<BPTR> consoles, pid_t target) : consoles_(std::move(consoles)), target_(target)
    {
        for (BPTR console : consoles_)
            seen_.push_back(StreamBreaks(console));
    }
    bool Active() const { return !consoles_.empty(); }
    bool Sent() const { return sent_; }
    void Look()
    {
        bool typed = false;
        for (size_t i = 0; i < consoles_.size(); i++) {
            ULONG breaks = StreamBreaks(consoles_[i]);
            if (breaks != seen_[i])
                typed = true;
            seen_[i] = breaks;
        }
        if (typed && kill(target_, SIGINT) == 0)
            sent_ = true;
    }

private:
    std::vector<BPTR> consoles_;
    std::vector<ULONG> seen_;
    pid_t target_;
    bool sent_ = false;
};

// How often a command on a console looks for a typed Ctrl-C.
constexpr int kBreakLookMilliseconds = 100;

// Copies what the child writes to the dos streams that have no descriptor,
// until it ends; then takes what is left in the pipes (a bounded amount:
// something it started may go on writing) and returns its status.
int PumpUntilExit(pid_t pid, std::vector<OutputPump> &pumps, BreakWatch &breaks)
{
    int exitWatch = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    bool exited = false;
    size_t drained = 0;
    const size_t drainLimit = 1u << 20;
    char buffer[16384];
    for (;;) {
        std::vector<struct pollfd> watch;
        for (OutputPump &pump : pumps) {
            if (pump.readEnd >= 0)
                watch.push_back({pump.readEnd, POLLIN, 0});
        }
        if (exited && (watch.empty() || drained >= drainLimit))
            break;
        if (exitWatch >= 0 && !exited)
            watch.push_back({exitWatch, POLLIN, 0});
        // Without a pidfd (old kernels) the end is noticed by looking now and then.
        int timeout = exited ? 0 : (exitWatch >= 0 ? -1 : 50);
        if (!exited && breaks.Active() && (timeout < 0 || timeout > kBreakLookMilliseconds))
            timeout = kBreakLookMilliseconds;
        int ready = poll(watch.data(), watch.size(), timeout);
        if (!exited && breaks.Active())
            breaks.Look();
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 && exited)
            break;
        for (const struct pollfd &entry : watch) {
            if (entry.revents == 0 || entry.fd == exitWatch)
                continue;
            for (OutputPump &pump : pumps) {
                if (pump.readEnd != entry.fd)
                    continue;
                ssize_t got = read(pump.readEnd, buffer, sizeof buffer);
                if (got < 0 && (errno == EINTR || errno == EAGAIN))
                    continue;
                if (got <= 0) {
                    close(pump.readEnd);
                    pump.readEnd = -1;
                    continue;
                }
                if (exited)
                    drained += static_cast<size_t>(got);
                pump.Deliver(buffer, static_cast<LONG>(got));
            }
        }
        if (!exited) {
            siginfo_t info{};
            exited = waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
                     info.si_pid == pid;
        }
    }
    if (exitWatch >= 0)
        close(exitWatch);
    for (OutputPump &pump : pumps) {
        if (pump.readEnd >= 0) {
            close(pump.readEnd);
            pump.readEnd = -1;
        }
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return status;
}

}  // namespace

LONG RunHostCommand(const std::vector<std::string> &arguments, const ShellStreams &streams, bool waitIsBusy)
{
    struct Process *self = &CurrentTask()->process;
    std::string directory;
    if (!HostPathOfLock(self->pr_CurrentDir, directory))
        return -1;
    std::string program;
    switch (FindProgram(arguments[0], directory, program)) {
    case Lookup::Found:
        break;
    case Lookup::Missing:
        WriteText(streams.output, arguments[0] + ": Unknown command\n");
        SetIoErr(ERROR_OBJECT_NOT_FOUND);
        return RETURN_ERROR;
    case Lookup::NotExecutable:
        return NotExecutable(arguments[0], streams.output);
    }

    // The child's 0, 1 and 2: a stream's own descriptor where it has one,
    // "NIL:" for none, otherwise a pipe pumped to or from the dos stream.
    Descriptors held;
    int childEnds[3] = {-1, -1, -1};
    std::vector<BPTR> consoles;   // the streams pumped: where a person may type Ctrl-C
    std::vector<OutputPump> outputs;
    std::unique_ptr<InputPump> input;
    BPTR handles[3] = {streams.input, streams.output, streams.error};
    for (int slot = 0; slot < 3; slot++) {
        BPTR handle = handles[slot];
        if (handle == 0) {
            childEnds[slot] = held.Keep(OpenNull());
        } else if (slot == 2 && handle == streams.output && !outputs.empty()) {
            childEnds[2] = childEnds[1];   // output and error share one pump, in order
        } else {
            int own = slot == 0 ? HostReadDescriptorOf(handle) : HostWriteDescriptorOf(handle);
            if (own >= 0) {
                childEnds[slot] = held.Keep(HighCopy(own));
            } else {
                int ends[2];
                if (pipe2(ends, O_CLOEXEC) != 0) {
                    SetIoErrFromErrno(errno);
                    for (OutputPump &pump : outputs)
                        close(pump.readEnd);
                    return -1;
                }
                consoles.push_back(handle);
                if (slot == 0) {
                    childEnds[0] = held.Keep(ends[0]);
                    input = std::make_unique<InputPump>(handle, ends[1]);
                } else {
                    childEnds[slot] = held.Keep(ends[1]);
                    outputs.push_back(OutputPump{handle, ends[0]});
                }
            }
        }
        if (childEnds[slot] < 0) {
            SetIoErrFromErrno(errno);
            for (OutputPump &pump : outputs)
                close(pump.readEnd);
            return -1;
        }
    }

    // argv[0] is the name as the command line gave it, as host shells pass it.
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int slot = 0; slot < 3; slot++)
        posix_spawn_file_actions_adddup2(&actions, childEnds[slot], slot);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    // The child starts with every signal at its default and none blocked,
    // whatever this process's threads have set up for themselves.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    sigdelset(&signals, SIGKILL);
    sigdelset(&signals, SIGSTOP);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    // A command on console windows gets a process group of its own, so that
    // Ctrl-C there reaches all it started. One that also uses the host
    // terminal stays in the terminal's group (it would stop on reading).
    bool ownGroup = !consoles.empty();
    for (int slot = 0; slot < 3; slot++) {
        if (isatty(childEnds[slot]))
            ownGroup = false;
    }
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (ownGroup) {
        posix_spawnattr_setpgroup(&attributes, 0);
        flags |= POSIX_SPAWN_SETPGROUP;
    }
    posix_spawnattr_setflags(&attributes, flags);
    std::string pwd;
    std::vector<char *> environment = EnvironmentFor(directory, pwd);
    pid_t pid = -1;
    int failed = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) {
        for (OutputPump &pump : outputs)
            close(pump.readEnd);
        if (failed == EACCES || failed == ENOEXEC)
            return NotExecutable(arguments[0], streams.output);
        SetIoErrFromErrno(failed);
        return -1;
    }
    for (int slot = 0; slot < 3; slot++)
        held.Drop(childEnds[slot]);

    // A command whose input comes from a person at a console may wait for
    // them: that wait is not work in progress. Any other wait for a
    // synchronous command is.
    bool busy = waitIsBusy && !(input && input->Live());
    if (busy)
        BeginBusy();
    else
        BeginHostWait();
    if (input)
        input->Start();
    BreakWatch breaks(consoles, ownGroup ? -pid : pid);
    int status = PumpUntilExit(pid, outputs, breaks);
    if (input)
        input->Finish();
    if (busy)
        EndBusy();
    else
        EndHostWait();
    if (status < 0) {
        SetIoErr(ERROR_NOT_IMPLEMENTED);   // the child was reaped elsewhere: its status is unknown
        return RETURN_FAIL;
    }
    if (breaks.Sent() && WIFSIGNALED(status)) {
        SetIoErr(ERROR_BREAK);
        WriteText(streams.output, "***Break\n");
    }
    return ReturnCodeOf(status);
}

}  // namespace hosted
