// workbench/library.cpp: the workbench library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <workbench/workbench.h>

namespace {

struct Library gWorkbenchBase = [] {
    struct Library base{};
    base.lib_Node.ln_Type = NT_LIBRARY;
    base.lib_Node.ln_Name = const_cast<char *>(WORKBENCHNAME);
    base.lib_Version = 50;
    base.lib_IdString = const_cast<char *>("workbench 50.1 (hosted)");
    return base;
}();

const bool gRegistered = (hosted::RegisterLibrary(&gWorkbenchBase), true);

}  // namespace
