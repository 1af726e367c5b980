// dos/shell_registry.cpp: the table of the shell's built-in commands.
#include "shell_private.h"

#include <strings.h>

#include <map>
#include <mutex>

namespace hosted {

namespace {

struct NoCaseLess {
    bool operator()(const std::string &a, const std::string &b) const
    {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};

std::mutex &RegistryLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::map<std::string, ShellCommand, NoCaseLess> &Registry()
{
    static auto *registry = new std::map<std::string, ShellCommand, NoCaseLess>;
    return *registry;
}

}  // namespace

void RegisterCommand(const char *name, ShellCommand command)
{
    if (name == nullptr || *name == 0)
        return;
    std::lock_guard<std::mutex> guard(RegistryLock());
    if (command)
        Registry()[name] = std::move(command);
    else
        Registry().erase(name);
}

ShellCommand FindCommand(const std::string &name)
{
    std::lock_guard<std::mutex> guard(RegistryLock());
    auto found = Registry().find(name);
    return found != Registry().end() ? found->second : ShellCommand();
}

}  // namespace hosted
