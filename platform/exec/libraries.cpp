// exec/libraries.cpp: the library list behind OpenLibrary.
#include <hosted/task.h>
#include <proto/exec.h>

#include <cstring>

namespace {

struct List &Libraries()
{
    static struct List *libraries = [] {
        auto *list = new struct List;
        NewList(list);
        return list;
    }();
    return *libraries;
}

struct Library gExecBase{};

const bool gExecRegistered = hosted::RegisterLibraryBase(&gExecBase, "exec.library", 50, "exec 50.1 (hosted)");

}  // namespace

namespace hosted {

void RegisterLibrary(struct Library *base)
{
    std::lock_guard<std::mutex> guard(ExecLock());
    if (FindName(&Libraries(), base->lib_Node.ln_Name) == nullptr)
        AddTail(&Libraries(), &base->lib_Node);
}

bool RegisterLibraryBase(struct Library *base, const char *name, UWORD version, const char *idString)
{
    base->lib_Node.ln_Type = NT_LIBRARY;
    base->lib_Node.ln_Name = const_cast<char *>(name);
    base->lib_Version = version;
    base->lib_IdString = const_cast<char *>(idString);
    RegisterLibrary(base);
    return true;
}

}  // namespace hosted

/* Opens a library of the platform by name. NULL when it is unknown or
   older than the version asked for. */
struct Library *OpenLibrary(CONST_STRPTR libName, ULONG version)
{
    if (libName == nullptr)
        return nullptr;
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    auto *base = reinterpret_cast<struct Library *>(FindName(&Libraries(), libName));
    if (base == nullptr || base->lib_Version < version)
        return nullptr;
    base->lib_OpenCnt++;
    return base;
}

/* Closes a library opened with OpenLibrary; NULL is ignored. */
void CloseLibrary(struct Library *library)
{
    if (library == nullptr)
        return;
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    if (library->lib_OpenCnt > 0)
        library->lib_OpenCnt--;
}
