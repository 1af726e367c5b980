// dos/startup.cpp: the dos library base, what every process gets from dos, and the program's arguments.
#include "dosprivate.h"
#include "process.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace hosted {

namespace {

std::vector<std::string> CommandLine()
{
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string all = text.str();
    std::vector<std::string> words;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\0', start);
        if (end == std::string::npos)
            end = all.size();
        words.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// An argument that names a host object by a host path ("/mnt/usb",
// "../x") is passed on as the volume path of that object, because host
// paths never reach a program; other words arrive in Latin-1 where they
// can, as all text in the system.
std::string AsDosWord(const std::string &word)
{
    bool hostLike = (!word.empty() && word[0] == '/') || word == "." || word == ".." ||
                    word.compare(0, 2, "./") == 0 || word.compare(0, 3, "../") == 0;
    if (!hostLike)
        return ShownText(word);
    char resolved[PATH_MAX];
    std::string volumePath;
    if (realpath(word.c_str(), resolved) == nullptr || !VolumePathOf(resolved, volumePath))
        return ShownText(word);
    return volumePath;
}

// Quotes as the shell does: blanks inside quotes, "*" escapes inside them.
std::string Quoted(const std::string &word)
{
    if (!word.empty() && word.find_first_of(" \t\"\n") == std::string::npos)
        return word;
    std::string out = "\"";
    for (char c : word) {
        if (c == '"' || c == '*')
            out += '*';
        if (c == '\n') {
            out += "*N";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

struct DosLibrary gDosBase{};

void AdoptHook(HostTask *task)
{
    SetUpProcess(&task->process);
}

void CleanupHook(HostTask *task)
{
    WithdrawProcessName(task);
    CleanUpProcess(&task->process);
}

const bool gDosRegistered = [] {
    RegisterLibraryBase(&gDosBase.dl_lib, DOSNAME, 50, "dos 50.1 (hosted)");
    ProcessHooks hooks;
    hooks.adopt = AdoptHook;
    hooks.cleanup = CleanupHook;
    hooks.namedElsewhere = NamedProcessElsewhere;
    SetProcessHooks(hooks);
    return true;
}();

}  // namespace

const std::string &ProgramArguments()
{
    static const std::string *arguments = [] {
        std::vector<std::string> words = CommandLine();
        std::string text;
        for (size_t i = 1; i < words.size(); i++) {
            if (i > 1)
                text += ' ';
            text += Quoted(AsDosWord(words[i]));
        }
        return new std::string(text + "\n");
    }();
    return *arguments;
}

std::string ProgramDirectory()
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "/";
    path[length] = 0;
    char *slash = std::strrchr(path, '/');
    if (slash == path)
        return "/";
    if (slash != nullptr)
        *slash = 0;
    return path;
}

std::string ProgramName()
{
    std::vector<std::string> words = CommandLine();
    if (words.empty())
        return std::string();
    size_t slash = words[0].rfind('/');
    return slash == std::string::npos ? words[0] : words[0].substr(slash + 1);
}

void SetUpProcess(struct Process *process)
{
    (void)gDosRegistered;
    bool self = &CurrentTask()->process == process;
    if (process->pr_CurrentDir == 0) {
        BPTR creatorDir = self ? 0 : ThisProcess()->pr_CurrentDir;
        if (creatorDir != 0) {
            process->pr_CurrentDir = DupLock(creatorDir);
        } else {
            char cwd[PATH_MAX];
            DosLocation where;
            if (getcwd(cwd, sizeof cwd) != nullptr && LocationOfHostPath(cwd, where))
                process->pr_CurrentDir = MakeLock(where, SHARED_LOCK);
        }
        if (process->pr_CurrentDir != 0)
            process->pr_Flags |= PRF_FREECURRDIR;
    }
    if (process->pr_HomeDir == 0) {
        DosLocation where;
        if (LocationOfHostPath(ProgramDirectory(), where))
            process->pr_HomeDir = MakeLock(where, SHARED_LOCK);
    }
    if (process->pr_CIS == 0)
        process->pr_CIS = HostStandardInput();
    if (process->pr_COS == 0)
        process->pr_COS = HostStandardOutput();
    if (process->pr_CES == 0)
        process->pr_CES = HostStandardError();
    if (process->pr_Arguments == nullptr)
        process->pr_Arguments = const_cast<STRPTR>(self ? ProgramArguments().c_str() : "\n");
}

void CleanUpProcess(struct Process *process)
{
    if ((process->pr_Flags & PRF_FREECURRDIR) && process->pr_CurrentDir != 0)
        UnLock(process->pr_CurrentDir);
    process->pr_CurrentDir = 0;
    if (process->pr_HomeDir != 0)
        UnLock(process->pr_HomeDir);
    process->pr_HomeDir = 0;
    if ((process->pr_Flags & PRF_CLOSEINPUT) && process->pr_CIS != 0)
        Close(process->pr_CIS);
    if ((process->pr_Flags & PRF_CLOSEOUTPUT) && process->pr_COS != 0)
        Close(process->pr_COS);
    if ((process->pr_Flags & PRF_CLOSEERROR) && process->pr_CES != 0)
        Close(process->pr_CES);
    process->pr_CIS = process->pr_COS = process->pr_CES = 0;
    process->pr_Flags &= ~(PRF_FREECURRDIR | PRF_CLOSEINPUT | PRF_CLOSEOUTPUT | PRF_CLOSEERROR);
}

}  // namespace hosted

/* The caller's argument string: the words after the command's name as the
   shell passes them, separated by blanks, a word with blanks in double
   quotes, ending in a line feed. For the program itself it is made from
   the host's command line; words that are host paths of existing objects
   arrive as volume paths. */
STRPTR GetArgStr(void)
{
    struct Process *process = hosted::ThisProcess();
    if (process->pr_Arguments == nullptr)
        process->pr_Arguments = const_cast<STRPTR>("\n");
    return process->pr_Arguments;
}

/* A lock on the drawer the running program was loaded from (PROGDIR:).
   It belongs to the process: do not UnLock it. 0 when there is none. */
BPTR GetProgramDir(void)
{
    return hosted::ThisProcess()->pr_HomeDir;
}

/* Writes the name the program was started by (the main process) or the
   process's name. FALSE with IoErr ERROR_LINE_TOO_LONG when it does not fit
   (the buffer then holds as much as fits). */
BOOL GetProgramName(STRPTR buffer, LONG length)
{
    if (buffer == nullptr || length <= 0) {
        hosted::Fail(ERROR_LINE_TOO_LONG);
        return FALSE;
    }
    hosted::HostTask *task = hosted::CurrentTask();
    std::string name = static_cast<pid_t>(gettid()) == getpid() ? hosted::ProgramName() : std::string(task->name);
    size_t keep = name.size() < static_cast<size_t>(length) ? name.size() : static_cast<size_t>(length) - 1;
    std::memcpy(buffer, name.data(), keep);
    buffer[keep] = 0;
    if (keep < name.size()) {
        hosted::Fail(ERROR_LINE_TOO_LONG);
        return FALSE;
    }
    return TRUE;
}

/* Writes the path of the current directory as NameFromLock does. A
   program's first current directory is the host working directory it was
   started in, as a volume path. FALSE with IoErr set when it does not fit. */
BOOL GetCurrentDirName(STRPTR buffer, LONG length)
{
    return NameFromLock(hosted::ThisProcess()->pr_CurrentDir, buffer, length);
}

/* Allocates a dos object: DOS_FIB (a cleared FileInfoBlock) and
   DOS_EXALLCONTROL (a cleared ExAllControl) are the ones this host makes;
   other types give NULL with IoErr ERROR_NOT_IMPLEMENTED. NULL with IoErr
   ERROR_NO_FREE_STORE when there is no memory. */
APTR AllocDosObject(ULONG type, const struct TagItem *tags)
{
    (void)tags;
    size_t size = type == DOS_FIB ? sizeof(struct FileInfoBlock)
                  : type == DOS_EXALLCONTROL ? sizeof(struct ExAllControl)
                                             : 0;
    if (size == 0) {
        hosted::Fail(ERROR_NOT_IMPLEMENTED);
        return nullptr;
    }
    void *object = std::calloc(1, size);
    if (object == nullptr)
        hosted::Fail(ERROR_NO_FREE_STORE);
    return object;
}

/* Frees an object of AllocDosObject; NULL is ignored. */
void FreeDosObject(ULONG type, APTR ptr)
{
    if (type == DOS_FIB || type == DOS_EXALLCONTROL)
        std::free(ptr);
}
